// The range-and-layers calculation of a ten-layer stack, as the window repeats it on every
// keystroke: warm (the range tables of its materials cached, the usual case while typing) and
// cold (every table built anew, the first update after a new ion or material). A frame is
// 16.7 ms at 60 Hz.

#include <benchmark/benchmark.h>

#include <memory>

#include "BenchMaterialData.h"
#include "range/StackCalculation.h"

namespace {

using namespace fenra;

// An alpha of 20 MeV through ten different layers; it stops in the last one.
StackInput TenLayers() {
    StackInput in;
    in.ion = "He";
    in.energy = 20000;
    in.material = "mylar";
    in.unit = StopUnit::KevUm;
    in.reachDepthGiven = true;
    in.reachDepth = 20;
    in.reachDepthUnit = ThicknessUnit::Um;
    const char* const materials[] = {"mylar",  "Al",   "kapton", "Au",  "water",
                                     "quartz", "GaAs", "Cu",     "CsI", "Si"};
    for (const char* m : materials) in.layers.push_back({m, 5, ThicknessUnit::Um, 0});
    in.layers.back().thickness = 500;
    return in;
}

void StackUpdateWarm(benchmark::State& state) {
    const StackInput in = TenLayers();
    RangeCache cache;
    if (!CalculateStack(in, Database(), Materials(), cache).stackComplete)
        state.SkipWithError("the stack cannot be calculated");
    for (auto _ : state) {
        const StackCalculation c = CalculateStack(in, Database(), Materials(), cache);
        benchmark::DoNotOptimize(c.plot.size());
    }
    state.counters["plot_points"] =
        static_cast<double>(CalculateStack(in, Database(), Materials(), cache).plot.size());
}
BENCHMARK(StackUpdateWarm)->Unit(benchmark::kMicrosecond);

void StackUpdateCold(benchmark::State& state) {
    const StackInput in = TenLayers();
    for (auto _ : state) {
        state.PauseTiming();
        auto cache = std::make_unique<RangeCache>();
        state.ResumeTiming();
        const StackCalculation c = CalculateStack(in, Database(), Materials(), *cache);
        benchmark::DoNotOptimize(c.plot.size());
        state.PauseTiming();
        cache.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StackUpdateCold)->Unit(benchmark::kMillisecond);

}  // namespace
