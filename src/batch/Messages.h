#pragma once
// The words of fenra32-calc and of the Python module for the outcomes the core reports as
// codes. The windows say the same in their own function (ui/messages), through tr().

#include <string>

#include "calc/CalculateDataSet.h"
#include "files/FileError.h"
#include "files/TargetFile.h"

namespace fenra {

constexpr const char* kInvalidElementMessage = "Invalid element !!";
constexpr const char* kNoDataLineMessage =
    "The file holds no data line: the data sets are unchanged.";
constexpr const char* kNoCalculationMessage = "No calculation was made.";

// A sentence about a data set that could not be calculated, naming the data set and the
// reason; empty for Calculated and RatioZero.
std::string DescribeCalcResult(int dataSet, const CalcResult& r);

// The same for a one-element target of ratio 0, which Calculate passes over in silence but a
// script or a curve command must hear of.
std::string DescribeRatioZero(int dataSet);

// The step that failed, the path and the system's reason ("Cannot write x: Is a directory").
std::string DescribeFileError(const FileError& e);

// What the target-file reader kept back ("Only the first 100 data sets were read.") or read
// otherwise than written ("line 4: the energy "1,000" is not wholly a number; it was read as
// 1.").
std::string DescribeTargetNotice(const TargetNotice& n);

}  // namespace fenra
