#pragma once
// The one body of data the whole program shares: the table of data sets and its counters.
// Plain data; every layer reads and writes it directly.

#include <cstdint>
#include <string>

#include "state/DataSet.h"

namespace fenra {

struct WorkingState {
    Slots<DataSet, kMaxDataSets> DataSets;
    int16_t DataSetCount = 0;    // 1..100 once started
    int16_t CurrentDataSet = 0;  // 1..DataSetCount once started
    std::string AppPath;         // program directory, always ending in a path separator

    DataSet& Current() { return DataSets[CurrentDataSet]; }
    const DataSet& Current() const { return DataSets[CurrentDataSet]; }
};

// DataSetCount held to 0..100, for loops over the data sets in use: the table asserts on an
// index outside it.
int DataSetsInUse(const WorkingState& s);

// Sets every field of every one of the 100 data sets to zero or empty text, results included.
void ClearDataSets(WorkingState& s);

// The state the program starts from, before the element lists are filled: one data set
// (energy 1000 keV, range 100000, one target slot).
// The ion and the target symbols come from the first element of the database, which the
// window's start-up sets; the batch calculator replaces the data sets by a target file's.
void InitWorkingState(WorkingState& s, const std::string& appPath);

// AppPath always ends in a separator, whether or not the given directory did.
std::string WithTrailingSeparator(const std::string& dir);

}  // namespace fenra
