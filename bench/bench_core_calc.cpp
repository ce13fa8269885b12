// The calculation driver at the sizes the program meets: one data set with a ten-element
// target, the Calculate command on a full working state of 100 data sets, and one curve walk.

#include <benchmark/benchmark.h>

#include "calc/CalculateDataSet.h"
#include "calc/CurveWalk.h"
#include "elements/ElementDatabase.h"
#include "state/WorkingState.h"

namespace {

using namespace fenra;

const ElementDatabase& Database() {
    static const ElementDatabase db = ElementDatabase::OpenFile(FENRA_BIN_DIR "/Fenra32.mdb");
    return db;
}

const char* const kTenElements[kMaxTargetSlots] = {"H",  "C",  "N",  "O",  "Si",
                                                   "Fe", "Cu", "Ag", "Au", "U"};

// Data set i cycles through protons, helium and heavy ions at energies from 10 keV to
// 100 MeV, and through targets of one to ten elements.
void FillDataSet(DataSet& d, int i) {
    static const char* const ions[] = {"H", "He", "Li", "C", "O", "Fe", "Kr", "Xe", "U"};
    static const float energies[] = {10, 100, 1000, 5000, 20000, 100000};
    d.IonName = ions[i % 9];
    d.IonMass = 0;
    d.IonEnergy = energies[i % 6];
    d.Range = 100000;
    d.ElementCount = static_cast<int16_t>(1 + i % kMaxTargetSlots);
    for (int j = 1; j <= kMaxTargetSlots; ++j) {
        d.TargetElement[j] = kTenElements[(i + j) % kMaxTargetSlots];
        d.TargetRatio[j] = static_cast<float>(j);
    }
}

void BM_CalculateTenElementCompound(benchmark::State& state) {
    WorkingState s;
    s.DataSetCount = 1;
    s.CurrentDataSet = 1;
    FillDataSet(s.DataSets[1], 9);  // ten elements
    s.DataSets[1].IonEnergy = 2000;
    for (auto _ : state) {
        const CalcResult r = CalculateDataSet(s.DataSets[1], Database());
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(s.DataSets[1].StopEvAtoms);
    }
}
BENCHMARK(BM_CalculateTenElementCompound)->Unit(benchmark::kMicrosecond);

void BM_CalculateHundredDataSets(benchmark::State& state) {
    WorkingState s;
    s.DataSetCount = kMaxDataSets;
    for (int i = 1; i <= kMaxDataSets; ++i) FillDataSet(s.DataSets[i], i);
    for (auto _ : state) {
        for (int i = 1; i <= s.DataSetCount; ++i) {
            s.CurrentDataSet = static_cast<int16_t>(i);
            ApplyDataSetDisplay(s.DataSets[i], Database());
            benchmark::DoNotOptimize(CalculateDataSet(s.DataSets[i], Database()));
        }
    }
}
BENCHMARK(BM_CalculateHundredDataSets)->Unit(benchmark::kMicrosecond);

void BM_CurveWalk(benchmark::State& state) {
    WorkingState s;
    s.DataSetCount = 1;
    s.CurrentDataSet = 1;
    FillDataSet(s.DataSets[1], 3);  // carbon ions into a four-element target
    s.DataSets[1].IonEnergy = 5000;
    for (auto _ : state) {
        const CurveWalkResult w = WalkCurve(s.DataSets[1], Database(), CurveKind::EnergyStop);
        benchmark::DoNotOptimize(w.curve.stop.data());
    }
}
BENCHMARK(BM_CurveWalk)->Unit(benchmark::kMicrosecond);

}  // namespace
