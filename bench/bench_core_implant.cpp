// Ion paths: 100,000 boron ions of 50 keV stopping in silicon, and 100,000 protons of 1 MeV
// crossing 10 um of silicon, on two threads (the machine's cores) and on one; the counters give
// ions per second. The parts of one collision are measured alone: the scattering-table look-up,
// the stopping look-up of a free flight, and the scattering table's construction.

#include <benchmark/benchmark.h>

#include <cmath>

#include "BenchMaterialData.h"
#include "batch/ImplantLayers.h"
#include "implant/PreparedStack.h"
#include "implant/ScatteringTable.h"
#include "materials/MaterialList.h"

namespace {

using namespace fenra;

std::vector<ImplantLayer> Silicon(const char* ion, double energy, double nm) {
    const Target t = ResolveTarget(Database(), Materials(), ResolveIon(Database(), ion), "Si");
    return {ImplantLayerOf(t, E15FromUm(t, nm / 1000), energy, 10)};
}

void Run(benchmark::State& state, const char* ion, double energy, double nm) {
    const std::vector<ImplantLayer> layers = Silicon(ion, energy, nm);
    const ImplantIon i = ImplantIonOf(ResolveIon(Database(), ion), energy, 0);
    ImplantOptions o;
    o.ions = 100000;
    o.threads = static_cast<int>(state.range(0));
    ScatteringTable::Universal();  // built once per process, outside the measurement
    double collisions = 0;
    for (auto _ : state) {
        const ImplantResult r = RunImplant(i, layers, o);
        collisions = r.collisionsPerIon;
        benchmark::DoNotOptimize(r.projectedRange.mean);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * o.ions));
    state.counters["collisions_per_ion"] = collisions;
}

void BM_Boron50keVInSilicon(benchmark::State& state) {
    Run(state, "B", 50, 5000);
}
BENCHMARK(BM_Boron50keVInSilicon)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Proton1MeVThrough10um(benchmark::State& state) {
    Run(state, "H", 1000, 10000);
}
BENCHMARK(BM_Proton1MeVThrough10um)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// One centre-of-mass angle at the reduced energies and impact parameters of boron in silicon.
void BM_ScatteringLookup(benchmark::State& state) {
    const ScatteringTable& table = ScatteringTable::Universal();
    double eps = 0.01, b = 0.001, sum = 0;
    for (auto _ : state) {
        sum += table.Lookup(eps, b).sin2;
        eps = eps < 5 ? eps * 1.013 : 0.01;
        b = b < 12 ? b * 1.007 + 0.001 : 0.001;
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_ScatteringLookup);

// The electronic loss of one free flight: two look-ups on the energy grid (midpoint rule).
void BM_StoppingLookup(benchmark::State& state) {
    ImplantOptions o;
    const PreparedStack s =
        PrepareStack(ImplantIonOf(ResolveIon(Database(), "B"), 50, 0), Silicon("B", 50, 5000), o);
    const PreparedLayer& L = s.layers[0];
    double E = 50, sum = 0;
    for (auto _ : state) {
        const double k1 = s.grid.Read(L.electronicLoss, E);
        sum += s.grid.Read(L.electronicLoss, E - 0.5 * k1);
        E = E > 0.02 ? E * 0.999 : 50;
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_StoppingLookup);

}  // namespace
