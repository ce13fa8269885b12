// A curve command, offscreen, from the click to the drawn window: the walk of 101
// calculations with a repaint of the progress fields per step, the window's creation, its
// first paint and the drawing; for each of the three curve kinds, on the start-up data set of
// a proton into hydrogen (ratio 1) at 1000 keV over 100000.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include "OffscreenBenchmarkMain.h"
#include "ui/curve/CurveWindow.h"
#include "ui/main/ChildWindows.h"
#include "ui/main/DataSetEditor.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;
using fenra::MainWindow;

namespace {

void RunCurveCommand(benchmark::State& bench, const char* command) {
    fenra_bench::StartedProgram program;
    if (!program.Start(bench)) return;
    MainWindow& window = *program.window;
    program.state.Current().TargetRatio[1] = 1;
    window.dataSetEditor().showDataSet(1);
    QCoreApplication::processEvents();

    QAction* action = window.findChild<QAction*>(QString::fromLatin1(command));
    for (auto _ : bench) {
        action->trigger();
        QCoreApplication::processEvents();  // the new window's first paint
        bench.PauseTiming();
        for (CurveWindow* curve : window.childWindows().openCurveWindows()) delete curve;
        bench.ResumeTiming();
    }
    if (!program.platform.messages.empty())
        bench.SkipWithError(program.platform.messages.front().text.toStdString().c_str());
}

void BM_DepthStopCommand(benchmark::State& bench) {
    RunCurveCommand(bench, "mnuDepthStop");
}
void BM_DepthEnergyCommand(benchmark::State& bench) {
    RunCurveCommand(bench, "mnuDepthEnergy");
}
void BM_EnergyStopCommand(benchmark::State& bench) {
    RunCurveCommand(bench, "mnuEnergyStop");
}
BENCHMARK(BM_DepthStopCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DepthEnergyCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnergyStopCommand)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return fenra_bench::RunOffscreenBenchmarks(argc, argv);
}
