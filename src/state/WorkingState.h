#pragma once
// The one body of data the whole program shares: the table of data sets, its counters and
// the arrays of the last computed curve. Plain data; every layer reads and writes it directly.

#include <array>
#include <cstdint>
#include <string>

#include "state/DataSet.h"

namespace fenra {

constexpr int kSlabCount = 100;               // slabs of a curve walk
constexpr int kCurvePoints = kSlabCount + 1;  // points 0..100
constexpr int kCurveWindowSlots = 100;

struct WorkingState {
    Slots<DataSet, kMaxDataSets> DataSets;
    int16_t DataSetCount = 0;    // 1..100 once started
    int16_t CurrentDataSet = 0;  // 1..DataSetCount once started
    int16_t SlabCount = 0;
    int16_t NextCurveWindow = 0;
    std::string AppPath;  // program directory, always ending in a path separator

    // Points 0..SlabCount of the last curve walk.
    std::array<float, kCurvePoints> CurveStop{};    // eV/(1E15 atoms/cm2)
    std::array<float, kCurvePoints> CurveEnergy{};  // keV

    DataSet& Current() { return DataSets[CurrentDataSet]; }
    const DataSet& Current() const { return DataSets[CurrentDataSet]; }
};

// DataSetCount held to 0..100, for loops over the data sets in use: the table asserts on an
// index outside it.
int DataSetsInUse(const WorkingState& s);

// Sets every field of every one of the 100 data sets to zero or empty text, results included.
void ClearDataSets(WorkingState& s);

// The state the program starts from, before the element lists are filled: SlabCount 100,
// one data set (energy 1000 keV, range 100000, one target slot), NextCurveWindow 1.
// The ion and the target symbols come from the first element of the database, which the
// window's start-up sets; the batch calculator replaces the data sets by a target file's.
void InitWorkingState(WorkingState& s, const std::string& appPath);

// AppPath always ends in a separator, whether or not the given directory did.
std::string WithTrailingSeparator(const std::string& dir);

}  // namespace fenra
