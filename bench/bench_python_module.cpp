// The Python module as a script calls it, from an interpreter embedded in this program: one
// million electronic stoppings from a numpy array, one million ranges once the first call has
// built the table, and the cost of one call with a single number.

#include <benchmark/benchmark.h>
#include <pybind11/embed.h>

namespace {

namespace py = pybind11;

constexpr int kMillion = 1000000;

// The interpreter with this build's module and numpy, started once for every benchmark.
struct Python {
    py::scoped_interpreter interpreter;
    py::module_ fenra32, numpy;
    Python() {
        py::module_::import("sys").attr("path").attr("insert")(0, FENRA_PYTHON_DIR);
        fenra32 = py::module_::import("fenra32");
        numpy = py::module_::import("numpy");
    }
};

Python& Interpreter() {
    static Python python;
    return python;
}

// A million energies of a helium ion from 100 keV to 100 MeV, log-spaced.
py::object MillionEnergies() {
    return Interpreter().numpy.attr("geomspace")(100.0, 100000.0, kMillion);
}

void BM_Python_ElectronicStopping_MillionFromArray(benchmark::State& state) {
    const py::object stopping = Interpreter().fenra32.attr("stopping");
    const py::object energies = MillionEnergies();
    for (auto _ : state) benchmark::DoNotOptimize(stopping("He", "Si", energies).ptr());
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_Python_ElectronicStopping_MillionFromArray)->Unit(benchmark::kMillisecond);

void BM_Python_Range_MillionFromArray_Warm(benchmark::State& state) {
    const py::object range = Interpreter().fenra32.attr("range");
    const py::object energies = MillionEnergies();
    range("He", "mylar", 5000.0);  // the first call builds the table
    for (auto _ : state) benchmark::DoNotOptimize(range("He", "mylar", energies).ptr());
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_Python_Range_MillionFromArray_Warm)->Unit(benchmark::kMillisecond);

void BM_Python_ElectronicStopping_OneNumber(benchmark::State& state) {
    const py::object stopping = Interpreter().fenra32.attr("stopping");
    const py::float_ energy(5000.0);
    for (auto _ : state) benchmark::DoNotOptimize(stopping("He", "Si", energy).ptr());
}
BENCHMARK(BM_Python_ElectronicStopping_OneNumber)->Unit(benchmark::kMicrosecond);

void BM_Python_Range_OneNumber_Warm(benchmark::State& state) {
    const py::object range = Interpreter().fenra32.attr("range");
    const py::float_ energy(5000.0);
    range("He", "mylar", energy);
    for (auto _ : state) benchmark::DoNotOptimize(range("He", "mylar", energy).ptr());
}
BENCHMARK(BM_Python_Range_OneNumber_Warm)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
