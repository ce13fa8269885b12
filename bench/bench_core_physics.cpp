// Cost of one call of each stopping function, in each energy region and both heavy-ion branches.

#include <benchmark/benchmark.h>

#include "physics/Stopping.h"

namespace {

using fenra::CoefficientSet;

// Rows of data/pcoef.csv and data/hicoef.csv.
const CoefficientSet kSilicon{
    {1.33101, 0.00443533, 1.52262, 0.775843, 1227.02, 0.914146, 1091.17, 0.0444972},
    {0.0496588, 1976.24, -249433, 1.16662E-07}};
const CoefficientSet kCarbon{
    {2.40289, 0.00491497, 2.49101, 0.414939, 1858.36, 1.01581, 2504.17, 0.0181984},
    {0.0226335, 931.677, -53170.3, 5.32503E-08}};

constexpr float kFermiSilicon = 0.97411f;  // Bohr velocities
constexpr float kFermiCarbon = 1.0f;

void BM_ProtonStop(benchmark::State& state) {
    float E = static_cast<float>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(E);
        benchmark::DoNotOptimize(fenra::ProtonStop(14, E, kSilicon));
    }
}
BENCHMARK(BM_ProtonStop)->Arg(10)->Arg(1000)->Arg(50000);

void BM_HeliumStop(benchmark::State& state) {
    float E = static_cast<float>(state.range(0)) / 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(E);
        benchmark::DoNotOptimize(fenra::HeliumStop(14, E, kSilicon));
    }
}
// keV/amu times 1000: below 1, below 25, medium, above 10000.
BENCHMARK(BM_HeliumStop)->Arg(500)->Arg(10000)->Arg(500000)->Arg(50000000);

// Oxygen in silicon: normal branch at 200 and 50000 keV/amu, low-velocity branch at 5.
void BM_HeavyIonStopOxygenInSilicon(benchmark::State& state) {
    float E = static_cast<float>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(E);
        benchmark::DoNotOptimize(fenra::HeavyIonStop(8, 14, E, kFermiSilicon, 0.99f, kSilicon));
    }
}
BENCHMARK(BM_HeavyIonStopOxygenInSilicon)->Arg(5)->Arg(200)->Arg(50000);

// Iron in carbon: low-velocity branch at 10 keV/amu, normal branch at 1000.
void BM_HeavyIonStopIronInCarbon(benchmark::State& state) {
    float E = static_cast<float>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(E);
        benchmark::DoNotOptimize(fenra::HeavyIonStop(26, 6, E, kFermiCarbon, 0.9f, kCarbon));
    }
}
BENCHMARK(BM_HeavyIonStopIronInCarbon)->Arg(10)->Arg(1000);

}  // namespace
