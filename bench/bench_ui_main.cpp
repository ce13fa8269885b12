// The main window, offscreen: start-up to the shown window (database opened and lists filled),
// and Calculate over 100 data sets of ten-element targets, with the repaint before each data
// set and the grid fill at the end.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QScrollBar>

#include "OffscreenBenchmarkMain.h"
#include "ui/main/DataSetEditor.h"

// The windows of the program live in namespace fenra.
using fenra::MainWindow;

namespace {

void BM_StartUpToShownWindow(benchmark::State& bench) {
    for (auto _ : bench) {
        fenra_bench::StartedProgram program;
        if (!program.Start(bench)) return;
        QCoreApplication::processEvents();  // the first paint
        benchmark::DoNotOptimize(program.state.DataSetCount);
    }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond);

void BM_Calculate100DataSetsOf10Elements(benchmark::State& bench) {
    fenra_bench::StartedProgram program;
    if (!program.Start(bench)) return;
    fenra::WorkingState& state = program.state;
    MainWindow& window = *program.window;

    // 100 data sets: ions H, He, then heavier, each into ten elements from Li on.
    const std::vector<std::string> symbols = program.db->ListElementSymbols();
    for (int i = 1; i <= fenra::kMaxDataSets; ++i) {
        fenra::DataSet& d = state.DataSets[i];
        fenra::SetNewDataSetDefaults(d);
        d.IonName = symbols[static_cast<std::size_t>((i - 1) % 20)];
        d.IonMass = 0;  // the database mass
        d.IonEnergy = 500.0f + 100.0f * static_cast<float>(i);
        d.ElementCount = fenra::kMaxTargetSlots;
        for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
            d.TargetElement[j] = symbols[static_cast<std::size_t>(2 + (i + j) % 60)];
            d.TargetRatio[j] = static_cast<float>(j);
        }
    }
    state.DataSetCount = fenra::kMaxDataSets;
    window.findChild<QScrollBar*>(QStringLiteral("HscrolData"))->setMaximum(fenra::kMaxDataSets);
    window.dataSetEditor().showDataSet(1);
    QCoreApplication::processEvents();

    QAction* calculate = window.findChild<QAction*>(QStringLiteral("mnuCal"));
    for (auto _ : bench) {
        calculate->trigger();
        benchmark::DoNotOptimize(state.DataSets[100].StopEvAtoms);
    }
    if (!program.platform.messages.empty())
        bench.SkipWithError(program.platform.messages.front().text.toStdString().c_str());
    bench.counters["data_sets"] = fenra::kMaxDataSets;
}
BENCHMARK(BM_Calculate100DataSetsOf10Elements)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return fenra_bench::RunOffscreenBenchmarks(argc, argv);
}
