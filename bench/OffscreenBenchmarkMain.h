#pragma once
// What the window benchmarks share: the program started as a user starts it, and main(): a
// QApplication on the offscreen platform (unless another is chosen), then the benchmarks.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "elements/ElementDatabase.h"
#include "state/WorkingState.h"
#include "support/ScriptedPlatform.h"
#include "ui/main/MainWindow.h"
#include "ui/main/StartUp.h"

// The windows of the program live in namespace fenra.
using fenra::MainWindow;

namespace fenra_bench {

// The offscreen platform notes every window it cannot size to its hints; that says nothing
// about the program and would bury the figures.
inline void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (text.contains(QStringLiteral("propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg) std::abort();
}

// The program as it starts: the database beside the benchmarks, the working state and the
// shown main window, with a scripted platform that answers every dialog.
struct StartedProgram {
    fenra::ScriptedPlatform platform;
    std::optional<fenra::ElementDatabase> db;
    fenra::WorkingState state;
    std::unique_ptr<MainWindow> window;

    // False (and the benchmark skipped with the reason) when the database cannot be opened.
    bool Start(benchmark::State& bench) {
        db = fenra::OpenDatabaseForStartUp(platform, QStringLiteral(FENRA_BIN_DIR));
        if (!db) {
            bench.SkipWithError("no element database");
            return false;
        }
        window = std::make_unique<MainWindow>(platform, state, *db);
        window->show();
        return true;
    }
};

inline int RunOffscreenBenchmarks(int argc, char** argv) {
    qInstallMessageHandler(QuietOffscreenNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace fenra_bench
