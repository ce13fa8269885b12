// Range and layers: the first call for an ion and material (its range table built), repeated
// calls with 200 other pairs in the cache, one layer, a three-layer stack, 1,000 ranges cold
// and warm, and the nuclear stopping of one element; the electronic stopping of one call and
// the range tables with each stopping model. The same with the spreads: the first call that
// builds the straggling and scattering tables beside the range table, the spread tables alone,
// one layer and three layers with their spreads.
//
// The targets, each read off one pair:
//  - RangeWithSpreadFirstCall_X against RangeFirstCall_X (also _Modern): at most +50 %;
//  - OneLayerWithSpreadWarm_AlphaInMylar against OneLayerStackWarm_AlphaInMylar: at most 2x;
//  - ThreeLayersWithSpreadWarm_DetectorStack: under 1 us;
//  - ElectronicStop_*/1/E against ElectronicStop_*/0/E: modern at most 1.5x classic;
//  - RangeFirstCall_X_Modern and RangeWarm200Cached_X_Modern against the classic ones.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "BenchMaterialData.h"
#include "materials/MaterialList.h"
#include "physics/ModernTable.h"
#include "physics/NuclearStop.h"
#include "range/Range.h"
#include "range/RangeTable.h"
#include "range/Spread.h"
#include "range/SpreadTable.h"

namespace {

using namespace fenra;

Target Make(const char* ion, const char* material, StoppingModel model = StoppingModel::classic) {
    return MakeTarget(Database(), ResolveIon(Database(), ion),
                      ResolveMaterial(material, Database(), Materials()), model);
}

// Energies from 1 to 10 MeV/u-ish, spread so that every call lands in another interval.
std::vector<double> Energies(const Target& t, int n) {
    std::vector<double> e;
    for (int i = 0; i < n; ++i) e.push_back(t.ion.mass * 100 * std::pow(1e3, (i + 0.5) / n));
    return e;
}

// 200 other ion-material pairs, then the measured one: the cache as a busy program has it.
std::unique_ptr<RangeCache> BusyCache(const Target& measured) {
    auto cache = std::make_unique<RangeCache>();
    static const char* const ions[] = {"H",  "He", "Li", "Be", "B", "C", "N",  "O",  "F", "Ne",
                                       "Na", "Mg", "Al", "Si", "P", "S", "Cl", "Ar", "K", "Ca"};
    static const char* const materials[] = {"Si", "Au",   "water", "air", "kapton",
                                            "Cu", "SiO2", "GaAs",  "C",   "CsI"};
    for (const char* ion : ions)
        for (const char* m : materials) Range(Make(ion, m), 1000, *cache);
    Range(measured, 1000, *cache);
    return cache;
}

void FirstRange(benchmark::State& state, const char* ion, const char* material,
                StoppingModel model = StoppingModel::classic) {
    const Target t = Make(ion, material, model);
    for (auto _ : state) {
        state.PauseTiming();
        auto cache = std::make_unique<RangeCache>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(Range(t, 5000, *cache).range);
        state.PauseTiming();
        cache.reset();
        state.ResumeTiming();
    }
}

void BM_RangeFirstCall_ProtonInAl(benchmark::State& s) {
    FirstRange(s, "H", "Al");
}
void BM_RangeFirstCall_AlphaInMylar(benchmark::State& s) {
    FirstRange(s, "He", "mylar");
}
BENCHMARK(BM_RangeFirstCall_ProtonInAl)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeFirstCall_AlphaInMylar)->Unit(benchmark::kMicrosecond);

// The range table and the spread tables beside it, from an empty cache: a range straggling at
// 5 MeV (against FirstRange above, at most +50 %), and at the top of the table, where every node
// of the spread tables is worked out.
void FirstRangeWithSpread(benchmark::State& state, const char* ion, const char* material,
                          StoppingModel model = StoppingModel::classic, bool wholeTable = false) {
    const Target t = Make(ion, material, model);
    const double E = wholeTable ? 0.999 * RangeTable(t).HighEnergy() : 5000;
    for (auto _ : state) {
        state.PauseTiming();
        auto cache = std::make_unique<RangeCache>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(RangeStraggling(t, E, *cache).sigma);
        state.PauseTiming();
        cache.reset();
        state.ResumeTiming();
    }
}

void BM_RangeWithSpreadFirstCall_ProtonInAl(benchmark::State& s) {
    FirstRangeWithSpread(s, "H", "Al");
}
void BM_RangeWithSpreadFirstCall_AlphaInMylar(benchmark::State& s) {
    FirstRangeWithSpread(s, "He", "mylar");
}
void BM_RangeWithSpreadFirstCall_ProtonInAl_Modern(benchmark::State& s) {
    FirstRangeWithSpread(s, "H", "Al", StoppingModel::modern);
}
void BM_RangeWithSpreadFirstCall_AlphaInMylar_Modern(benchmark::State& s) {
    FirstRangeWithSpread(s, "He", "mylar", StoppingModel::modern);
}
void BM_RangeWithSpreadFirstCall_ProtonInAl_WholeTable(benchmark::State& s) {
    FirstRangeWithSpread(s, "H", "Al", StoppingModel::classic, true);
}
void BM_RangeWithSpreadFirstCall_AlphaInMylar_WholeTable(benchmark::State& s) {
    FirstRangeWithSpread(s, "He", "mylar", StoppingModel::classic, true);
}
BENCHMARK(BM_RangeWithSpreadFirstCall_ProtonInAl)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeWithSpreadFirstCall_AlphaInMylar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeWithSpreadFirstCall_ProtonInAl_Modern)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeWithSpreadFirstCall_AlphaInMylar_Modern)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeWithSpreadFirstCall_ProtonInAl_WholeTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeWithSpreadFirstCall_AlphaInMylar_WholeTable)->Unit(benchmark::kMicrosecond);

// The spread tables alone, beside a range table built beforehand: as far as a request at 5 MeV
// reaches, and whole.
void SpreadTablesBuild(benchmark::State& state, const char* ion, const char* material,
                       bool wholeTable) {
    const Target t = Make(ion, material);
    const auto range = std::make_shared<const RangeTable>(t);
    const double E = wholeTable ? 0.999 * range->HighEnergy() : 5000;
    for (auto _ : state) {
        const SpreadTable table(t, range);
        benchmark::DoNotOptimize(table.VarianceIntegral(E));
    }
}
void BM_SpreadTablesBuild_ProtonInAl(benchmark::State& s) {
    SpreadTablesBuild(s, "H", "Al", false);
}
void BM_SpreadTablesBuild_ProtonInAl_WholeTable(benchmark::State& s) {
    SpreadTablesBuild(s, "H", "Al", true);
}
void BM_SpreadTablesBuild_AlphaInMylar(benchmark::State& s) {
    SpreadTablesBuild(s, "He", "mylar", false);
}
void BM_SpreadTablesBuild_AlphaInMylar_WholeTable(benchmark::State& s) {
    SpreadTablesBuild(s, "He", "mylar", true);
}
BENCHMARK(BM_SpreadTablesBuild_ProtonInAl)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpreadTablesBuild_ProtonInAl_WholeTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpreadTablesBuild_AlphaInMylar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpreadTablesBuild_AlphaInMylar_WholeTable)->Unit(benchmark::kMicrosecond);

void BM_ThousandRangesFirstCall_AlphaInMylar(benchmark::State& state) {
    const Target t = Make("He", "mylar");
    const std::vector<double> energies = Energies(t, 1000);
    for (auto _ : state) {
        state.PauseTiming();
        auto cache = std::make_unique<RangeCache>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(Ranges(t, energies, *cache).data());
        state.PauseTiming();
        cache.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ThousandRangesFirstCall_AlphaInMylar)->Unit(benchmark::kMicrosecond);

void WarmRange(benchmark::State& state, const char* ion, const char* material,
               StoppingModel model = StoppingModel::classic) {
    const Target t = Make(ion, material, model);
    const auto cache = BusyCache(t);
    const std::vector<double> energies = Energies(t, 64);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Range(t, energies[i], *cache).range);
        i = (i + 1) & 63;
    }
}

void BM_RangeWarm200Cached_ProtonInAl(benchmark::State& s) {
    WarmRange(s, "H", "Al");
}
void BM_RangeWarm200Cached_AlphaInMylar(benchmark::State& s) {
    WarmRange(s, "He", "mylar");
}
BENCHMARK(BM_RangeWarm200Cached_ProtonInAl);
BENCHMARK(BM_RangeWarm200Cached_AlphaInMylar);

void BM_OneLayerWarm_AlphaInMylar(benchmark::State& state) {
    const Target t = Make("He", "mylar");
    const auto cache = BusyCache(t);
    const double thickness = E15FromUm(t, 2);
    const std::vector<double> energies = Energies(t, 64);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EnergyAfterLayer(t, energies[i], thickness, *cache).energyOut);
        i = (i + 1) & 63;
    }
}
BENCHMARK(BM_OneLayerWarm_AlphaInMylar);

void BM_ThreeLayersWarm_DetectorStack(benchmark::State& state) {
    const Target mylar = Make("He", "mylar"), al = Make("He", "Al"), si = Make("He", "Si");
    const std::vector<Layer> stack = {
        {mylar, E15FromUm(mylar, 2)}, {al, E15FromUm(al, 0.05)}, {si, E15FromUm(si, 5)}};
    const auto cache = BusyCache(mylar);
    Range(al, 1000, *cache);
    Range(si, 1000, *cache);
    const std::vector<double> energies = Energies(mylar, 64);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EnergyAfterStack(stack, energies[i], *cache).energyOut);
        i = (i + 1) & 63;
    }
}
BENCHMARK(BM_ThreeLayersWarm_DetectorStack);

// The layers above with their spreads (one look-up of each layer's tables): at most twice the
// one-layer stack below; three layers under 1 us.
void BM_OneLayerWithSpreadWarm_AlphaInMylar(benchmark::State& state) {
    const Target t = Make("He", "mylar");
    const auto cache = BusyCache(t);
    const std::vector<Layer> stack = {{t, E15FromUm(t, 2)}};
    RangeStraggling(t, 1000, *cache);
    const std::vector<double> energies = Energies(t, 64);
    std::vector<LayerSpread> spreads;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EnergyAfterStackWithSpreads(stack, energies[i], &spreads, *cache).energyOut);
        i = (i + 1) & 63;
    }
}
BENCHMARK(BM_OneLayerWithSpreadWarm_AlphaInMylar);

void BM_ThreeLayersWithSpreadWarm_DetectorStack(benchmark::State& state) {
    const Target mylar = Make("He", "mylar"), al = Make("He", "Al"), si = Make("He", "Si");
    const std::vector<Layer> stack = {
        {mylar, E15FromUm(mylar, 2)}, {al, E15FromUm(al, 0.05)}, {si, E15FromUm(si, 5)}};
    const auto cache = BusyCache(mylar);
    for (const Layer& l : stack) RangeStraggling(l.target, 1000, *cache);
    const std::vector<double> energies = Energies(mylar, 64);
    std::vector<LayerSpread> spreads;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EnergyAfterStackWithSpreads(stack, energies[i], &spreads, *cache).energyOut);
        i = (i + 1) & 63;
    }
}
BENCHMARK(BM_ThreeLayersWithSpreadWarm_DetectorStack);

// A one-layer stack without spreads: the baseline of the one above.
void BM_OneLayerStackWarm_AlphaInMylar(benchmark::State& state) {
    const Target t = Make("He", "mylar");
    const auto cache = BusyCache(t);
    const std::vector<Layer> stack = {{t, E15FromUm(t, 2)}};
    const std::vector<double> energies = Energies(t, 64);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EnergyAfterStack(stack, energies[i], *cache).energyOut);
        i = (i + 1) & 63;
    }
}
BENCHMARK(BM_OneLayerStackWarm_AlphaInMylar);

void BM_ThousandRangesWarm_AlphaInMylar(benchmark::State& state) {
    const Target t = Make("He", "mylar");
    const auto cache = BusyCache(t);
    const std::vector<double> energies = Energies(t, 1000);
    for (auto _ : state) benchmark::DoNotOptimize(Ranges(t, energies, *cache).data());
}
BENCHMARK(BM_ThousandRangesWarm_AlphaInMylar)->Unit(benchmark::kMicrosecond);

void BM_NuclearStopOneElement(benchmark::State& state) {
    double E = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NuclearStop(2, 4.0026, 14, 28.086, E));
        E = E < 1e5 ? E * 1.37 : 100;
    }
}
BENCHMARK(BM_NuclearStopOneElement);

// The modern model's range tables: cold (the ion's Lindhard-Sorensen table is built once per
// process, in the first iteration) and warm.
void BM_RangeFirstCall_ProtonInAl_Modern(benchmark::State& s) {
    FirstRange(s, "H", "Al", StoppingModel::modern);
}
void BM_RangeFirstCall_AlphaInMylar_Modern(benchmark::State& s) {
    FirstRange(s, "He", "mylar", StoppingModel::modern);
}
void BM_RangeWarm200Cached_ProtonInAl_Modern(benchmark::State& s) {
    WarmRange(s, "H", "Al", StoppingModel::modern);
}
void BM_RangeWarm200Cached_AlphaInMylar_Modern(benchmark::State& s) {
    WarmRange(s, "He", "mylar", StoppingModel::modern);
}
BENCHMARK(BM_RangeFirstCall_ProtonInAl_Modern)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeFirstCall_AlphaInMylar_Modern)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RangeWarm200Cached_ProtonInAl_Modern);
BENCHMARK(BM_RangeWarm200Cached_AlphaInMylar_Modern);

// One electronic stopping of an ion in silicon at range(1) keV/u, classic (range(0) = 0) or
// modern (1): below the join (500), inside it (4000), above it (50000, 1e6).
void ElectronicStop(benchmark::State& state, const char* ion) {
    const Target t =
        Make(ion, "Si", state.range(0) ? StoppingModel::modern : StoppingModel::classic);
    double E = static_cast<double>(state.range(1)) * t.ion.mass;
    StoppingAt(t, E);  // the ion's Lindhard-Sorensen table, once
    for (auto _ : state) {
        benchmark::DoNotOptimize(E);
        benchmark::DoNotOptimize(StoppingAt(t, E).electronic);
    }
}
void BM_ElectronicStop_Proton(benchmark::State& s) {
    ElectronicStop(s, "H");
}
void BM_ElectronicStop_Uranium(benchmark::State& s) {
    ElectronicStop(s, "U");
}
BENCHMARK(BM_ElectronicStop_Proton)->ArgsProduct({{0, 1}, {500, 4000, 50000, 1000000}});
BENCHMARK(BM_ElectronicStop_Uranium)->ArgsProduct({{0, 1}, {500, 4000, 50000, 1000000}});

// The modern model's per-ion work, done once per ion and target (MakeTarget keeps it): the
// tabulated Bethe formula and the fit's factors.
void ModernTableBuild(benchmark::State& state, const char* ion, const char* material) {
    const Target t = Make(ion, material, StoppingModel::modern);
    const StoppingIon stoppingIon{t.ion.Z, t.ion.screening, t.ion.mass};
    for (auto _ : state) benchmark::DoNotOptimize(MakeModernTable(stoppingIon, t.compound));
}
void BM_ModernTableBuild_ProtonInAl(benchmark::State& s) {
    ModernTableBuild(s, "H", "Al");
}
void BM_ModernTableBuild_UraniumInWater(benchmark::State& s) {
    ModernTableBuild(s, "U", "water");
}
BENCHMARK(BM_ModernTableBuild_ProtonInAl)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ModernTableBuild_UraniumInWater)->Unit(benchmark::kMicrosecond);

}  // namespace
