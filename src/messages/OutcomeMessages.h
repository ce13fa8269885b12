#pragma once
// The sentences of every outcome, notice and file error the core reports as a code: what the
// Calculate command, the curve commands and the target-file reader refused or read otherwise,
// and the file operations that failed. Each sentence is written here once; fenra32-calc and the
// Python module take the English (the Describe functions), the windows translate the same
// templates (ui/messages).

#include <string>

#include "calc/CalculateDataSet.h"
#include "files/FileError.h"
#include "files/TargetFile.h"
#include "messages/Message.h"

namespace fenra {

constexpr const char* kInvalidElementMessage =
    FENRA_TRANSLATE_NOOP("fenra::Messages", "Invalid element !!");
constexpr const char* kNoDataLineMessage = FENRA_TRANSLATE_NOOP(
    "fenra::Messages", "The file holds no data line: the data sets are unchanged.");
constexpr const char* kNoCalculationMessage =
    FENRA_TRANSLATE_NOOP("fenra::Messages", "No calculation was made.");
constexpr const char* kTargetEmptyMessage =
    FENRA_TRANSLATE_NOOP("fenra::Messages", "Target is empty.");

// A data set that could not be calculated, naming the data set and the reason; empty for
// Calculated and RatioZero.
Message CalcResultSentence(int dataSet, const CalcResult& r);

// A one-element target of ratio 0, which Calculate passes over in silence but a script or a
// curve command must hear of.
Message RatioZeroSentence(int dataSet);

// A data set asked for beyond the most a target holds (kMaxDataSets).
Message TooManyDataSetsSentence();

// A data set given more target elements than it holds (kMaxTargetSlots).
Message TooManyElementsSentence();

// The step that failed, the path and the system's reason ("Cannot write x: Is a directory").
Message FileErrorSentence(const FileError& e);

// What the target-file reader kept back ("Only the first 100 data sets were read.") or read
// otherwise than written ("line 4: the energy "1,000" is not wholly a number; it was read as
// 1.").
Message TargetNoticeSentence(const TargetNotice& n);

// Where reading a target file stopped at a symbol of bad length: "Invalid element !! (line 4:
// "Xyz")".
Message InvalidElementSentence(int line, const std::string& symbol);

// What went wrong with the window's settings file: it could not be held in a temporary folder,
// was unreadable and kept aside as `kept`, was unreadable and left as it is, or could not be
// saved.
Message SettingsNotHeldSentence();
Message SettingsKeptAsideSentence(const std::string& path, const std::string& kept);
Message SettingsUnreadableSentence(const std::string& path);
Message SettingsNotSavedSentence(const FileError& e);

// The same in English, for fenra32-calc and the Python module.
std::string DescribeCalcResult(int dataSet, const CalcResult& r);
std::string DescribeRatioZero(int dataSet);
std::string DescribeFileError(const FileError& e);
std::string DescribeTargetNotice(const TargetNotice& n);

}  // namespace fenra
