// The range window's update after a keystroke, offscreen: a change of the energy field, the
// calculation it schedules on the next turn of the event loop, the results shown in the fields
// and the layer table, and the plot painted anew. Ten layers, their range tables cached (the
// usual case while typing). A frame is 16.7 ms at 60 Hz.

#include <benchmark/benchmark.h>

#include <QLineEdit>

#include "BenchMaterialData.h"
#include "OffscreenBenchmarkMain.h"
#include "ui/range/LayerTableModel.h"
#include "ui/range/RangeWindow.h"
#include "ui/range/StackPlot.h"

namespace {

// An alpha of 20 MeV through ten different layers; it stops in the last one.
void FillTenLayers(fenra::LayerTableModel& layers) {
    while (layers.rowCount() > 0) layers.removeLayer(0);
    const char* const materials[] = {"mylar",  "Al",   "kapton", "Au",  "water",
                                     "quartz", "GaAs", "Cu",     "CsI", "Si"};
    for (const char* m : materials)
        layers.insertLayer(layers.rowCount() - 1, {QString::fromLatin1(m), QStringLiteral("5"),
                                                   fenra::ThicknessUnit::Um, QString()});
    layers.setData(layers.index(9, fenra::LayerTableModel::Thickness), QStringLiteral("500"));
}

void BM_RangeWindowTenLayerUpdate(benchmark::State& bench) {
    fenra::ScriptedPlatform platform;
    fenra::DataSet d;
    d.IonName = "He";
    d.IonEnergy = 20000;
    d.ElementCount = 1;
    d.TargetElement[1] = "Si";
    d.TargetRatio[1] = 1;
    fenra::RangeWindow window(platform, d, fenra::Database(), fenra::Materials());
    window.show();
    FillTenLayers(window.layers());
    QCoreApplication::processEvents();  // the first calculation fills the cache
    auto* energy = window.findChild<QLineEdit*>(QStringLiteral("txtEnergy"));
    const QString energies[2] = {QStringLiteral("20000"), QStringLiteral("20001")};
    int k = 0;
    for (auto _ : bench) {
        energy->setText(energies[k++ % 2]);
        QCoreApplication::processEvents();
        window.plot().repaint();
    }
    if (!window.shown().stackComplete) {
        const std::string why = fenra::Words(window.shown().stackError);
        bench.SkipWithError(why.c_str());
    }
    bench.counters["layers"] = static_cast<double>(window.shown().layers.size());
}
BENCHMARK(BM_RangeWindowTenLayerUpdate)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return fenra_bench::RunOffscreenBenchmarks(argc, argv);
}
