// The spreads in the range window: the layer table's columns and the plot's energy band show
// the calculation's numbers, and the same numbers fenra32-calc prints, to the window's last
// digit.

#include <QtTest>
#include <cmath>

#include "support/BatchRun.h"
#include "support/RangeWindowDriver.h"

using namespace range_test;
using fenra::LayerTableModel;

namespace {

QString ShownOrEmpty(double v) {
    return std::isfinite(v) ? Shown(v) : QString();
}

// The cells of fenra32-calc's CSV output, one row per line after the header.
std::vector<std::vector<std::string>> CalcRows(const std::vector<std::string>& args) {
    return fenra::CalcCsvRows(args);
}

}  // namespace

class RangeSpreadTest : public QObject {
    Q_OBJECT

  private slots:
    void headings();
    void columnsShowTheCalculation();
    void columnsShowWhatTheCommandLinePrints();
    void plotDrawsTheEnergyBand();
};

void RangeSpreadTest::headings() {
    Window t;
    const char* expected[] = {"σE\n(keV)", "Angle σ\n(mrad)", "Lateral σ", "Mean\ncharge"};
    for (int k = 0; k < 4; ++k)
        QCOMPARE(t.layers().headerData(LayerTableModel::EnergySigma + k, Qt::Horizontal).toString(),
                 QString::fromUtf8(expected[k]));
    QCOMPARE(t.layers().columnCount(), 14);  // two stop depths, one in the layer
}

void RangeSpreadTest::columnsShowTheCalculation() {
    Window t;
    t.BuildThreeLayers();
    const fenra::StackCalculation c = Calculate(ThreeLayerInput());
    for (int k = 0; k < 3; ++k) {
        const fenra::StackLayerRow& r = c.layers[static_cast<std::size_t>(k)];
        QCOMPARE(t.Cell(k, LayerTableModel::EnergySigma), ShownOrEmpty(r.energySigma));
        QCOMPARE(t.Cell(k, LayerTableModel::AngleSigma), ShownOrEmpty(r.angleSigma * 1000));
        // In nm, µm, mm or cm by its size.
        QCOMPARE(t.Cell(k, LayerTableModel::LateralSigma), fenra::ShownLength(r.lateralSigma));
        QCOMPARE(t.Cell(k, LayerTableModel::ChargeMean), ShownOrEmpty(r.chargeMean));
    }
    // Behind the mylar all four are known; where the ion stops, only the lateral spread.
    QVERIFY(!t.Cell(0, LayerTableModel::EnergySigma).isEmpty());
    QVERIFY(t.Cell(2, LayerTableModel::EnergySigma).isEmpty());
    QVERIFY(!t.Cell(2, LayerTableModel::LateralSigma).isEmpty());
    QCOMPARE(t.Cell(2, LayerTableModel::Note), QString("the ion stops in this layer"));
}

void RangeSpreadTest::columnsShowWhatTheCommandLinePrints() {
    Window t;
    t.BuildThreeLayers();
    const auto rows = CalcRows({"layers", "He", "2000", "mylar:2um", "Al:3um", "Si:40um"});
    QCOMPARE(rows.size(), std::size_t(3));
    const int columns[] = {LayerTableModel::EnergySigma, LayerTableModel::AngleSigma,
                           LayerTableModel::LateralSigma, LayerTableModel::ChargeMean};
    for (int k = 0; k < 3; ++k) {
        const std::vector<std::string>& cells = rows[static_cast<std::size_t>(k)];
        QCOMPARE(cells.size(), std::size_t(12));  // the spreads follow the two stop depths
        for (int j = 0; j < 4; ++j) {
            const std::string& printed = cells[static_cast<std::size_t>(8 + j)];
            // The CLI's lateral spread is in um; the window's in the unit its size calls for.
            const QString want = printed.empty() ? QString()
                                 : columns[j] == LayerTableModel::LateralSigma
                                     ? fenra::ShownLength(std::stod(printed))
                                     : Shown(std::stod(printed));
            QCOMPARE(t.Cell(k, columns[j]), want);
        }
    }
}

void RangeSpreadTest::plotDrawsTheEnergyBand() {
    Window t;
    t.BuildThreeLayers();
    const fenra::StackCalculation c = Calculate(ThreeLayerInput());
    const fenra::StackPlot& plot = t.w->plot();
    std::size_t known = 0;
    for (const fenra::StackPlotPoint& p : c.plot) known += std::isfinite(p.energySigma);
    QVERIFY(known > 10);
    QCOMPARE(plot.bandLow().size(), known);
    QCOMPARE(plot.bandHigh().size(), known);
    std::size_t k = 0;
    for (const fenra::StackPlotPoint& p : c.plot) {
        if (!std::isfinite(p.energySigma)) continue;
        QCOMPARE(plot.bandHigh()[k].y(), p.energy + p.energySigma);
        QCOMPARE(plot.bandLow()[k].y(), std::max(0.0, p.energy - p.energySigma));
        QCOMPARE(plot.bandHigh()[k].x(), p.depth.um);
        ++k;
    }
    // The band is 0 wide at the front face and widens along the first layer.
    QCOMPARE(plot.bandHigh().front().y(), plot.bandLow().front().y());
    QVERIFY(plot.bandHigh()[5].y() - plot.bandLow()[5].y() > 0);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    RangeSpreadTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "range_spread_test.moc"
