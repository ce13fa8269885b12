#pragma once
// main() of a window benchmark: a QApplication on the offscreen platform (unless another one is
// chosen), then the registered benchmarks.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace fenra_bench {

// The offscreen platform notes every window it cannot size to its hints; that says nothing
// about the program and would bury the figures.
inline void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (text.contains(QStringLiteral("propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg) std::abort();
}

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
