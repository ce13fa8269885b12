// Reading a material list of many entries: linear in its length (names are hashed), so that a
// long list beside the database does not slow every physics command.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "BenchMaterialData.h"

namespace fenra {
namespace {

std::string WriteList(int entries) {
    const std::string path = "/tmp/fenra_bench_materials_" + std::to_string(::getpid()) + "_" +
                             std::to_string(entries) + ".csv";
    std::ofstream out(path, std::ios::binary);
    out << "Name,Formula,Density,Source\n";
    for (int k = 0; k < entries; ++k) out << "material" << k << ",C10H8O4,1.4,S\n";
    return path;
}

void BM_LoadMaterialList(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    const std::string path = WriteList(entries);
    for (auto _ : state) {
        const MaterialList list = MaterialList::Load(path, Database());
        benchmark::DoNotOptimize(list.Entries().data());
    }
    ::unlink(path.c_str());
    state.SetItemsProcessed(state.iterations() * entries);
}
BENCHMARK(BM_LoadMaterialList)->Arg(40000)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fenra
