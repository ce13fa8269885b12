// The range window's plot: its axes (linear and logarithmic, ticks, titles with units), the
// series it draws against the calculation's, the layer faces, and the cursor read-out after a
// mouse move.

#include <QCheckBox>
#include <QMouseEvent>
#include <QtTest>
#include <cmath>

#include "support/RangeWindowDriver.h"
#include "ui/range/PlotScale.h"

using namespace range_test;
using fenra::PlotAxis;

namespace {

// The energy of the path at a depth in um, read from the calculation's points: linear
// between the two points around it, nothing beyond the last.
std::optional<double> EnergyAtUm(const fenra::StackCalculation& c, double um) {
    for (std::size_t k = 1; k < c.plot.size(); ++k) {
        const double a = c.plot[k - 1].depth.um, b = c.plot[k].depth.um;
        if (um >= a && um <= b && b > a)
            return c.plot[k - 1].energy +
                   (c.plot[k].energy - c.plot[k - 1].energy) * (um - a) / (b - a);
    }
    return std::nullopt;
}

void MoveMouse(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

}  // namespace

class RangePlotTest : public QObject {
    Q_OBJECT

  private slots:
    void linearAxisRoundsUpTo125();
    void linearAxisEnds_data();
    void linearAxisEnds();
    void logarithmicAxisSpansDecades();
    void degenerateSpansGetAWidth();
    void tickTexts();
    void seriesIsTheCalculationsPath();
    void stoppingSeriesAndTitles();
    void logarithmicAxesOfTheWindow();
    void everyLayerIsLabelled_data();
    void everyLayerIsLabelled();
    void depthInMassPerAreaWithoutADensity();
    void cursorReadOut();
    void energyInTheChosenUnit_data();
    void energyInTheChosenUnit();
};

void RangePlotTest::linearAxisRoundsUpTo125() {
    const PlotAxis a = fenra::FitAxis(0, 3.7, false);
    QCOMPARE(a.min, 0.0);
    QCOMPARE(a.max, 5.0);
    const std::vector<double> ticks = fenra::AxisTicks(a);
    QCOMPARE(ticks.size(), std::size_t(11));  // every 0.5
    QCOMPARE(ticks[1], 0.5);
    QCOMPARE(ticks.back(), 5.0);
    QCOMPARE(fenra::FitAxis(-3, 7, false).min, -5.0);
    QCOMPARE(*fenra::AxisFraction(a, 1.25), 0.25);
    QCOMPARE(fenra::AxisValue(a, 0.25), 1.25);
}

void RangePlotTest::linearAxisEnds_data() {
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("step");
    QTest::newRow("already round: kept") << 2000.0 << 2000.0 << 200.0;
    QTest::newRow("just above 2000") << 2001.0 << 2500.0 << 500.0;
    QTest::newRow("2.2") << 2.2 << 2.5 << 0.5;
    QTest::newRow("0.24") << 0.24 << 0.25 << 0.05;
    QTest::newRow("above 2.5") << 2600.0 << 5000.0 << 500.0;
    QTest::newRow("1") << 1.0 << 1.0 << 0.1;
    QTest::newRow("1.01") << 1.01 << 2.0 << 0.2;
}

// An axis from 0 ends at the value rounded up to 1, 2, 2.5 or 5 times a power of ten, on a
// tick.
void RangePlotTest::linearAxisEnds() {
    QFETCH(double, hi);
    QFETCH(double, max);
    QFETCH(double, step);
    const PlotAxis a = fenra::FitAxis(0, hi, false);
    QCOMPARE(a.min, 0.0);
    QCOMPARE(a.max, max);
    const std::vector<double> ticks = fenra::AxisTicks(a);
    QCOMPARE(ticks.front(), 0.0);
    QCOMPARE(ticks[1], step);
    QCOMPARE(ticks.back(), max);
}

void RangePlotTest::logarithmicAxisSpansDecades() {
    const PlotAxis a = fenra::FitAxis(0.03, 420, true);
    QCOMPARE(a.min, 0.01);
    QCOMPARE(a.max, 1000.0);
    const std::vector<double> ticks = fenra::AxisTicks(a);
    QCOMPARE(ticks.size(), std::size_t(6));
    QCOMPARE(ticks.front(), 0.01);
    QCOMPARE(ticks.back(), 1000.0);
    QVERIFY(std::fabs(*fenra::AxisFraction(a, 1) - 0.4) < 1e-12);
    QVERIFY(std::fabs(fenra::AxisValue(a, 0.4) - 1) < 1e-12);
    QVERIFY(!fenra::AxisFraction(a, 0).has_value());  // 0 has no place on a log axis
    QVERIFY(!fenra::AxisFraction(a, -1).has_value());
}

void RangePlotTest::degenerateSpansGetAWidth() {
    const PlotAxis flat = fenra::FitAxis(0, 0, false);
    QCOMPARE(flat.min, 0.0);
    QCOMPARE(flat.max, 1.0);
    const PlotAxis one = fenra::FitAxis(10, 10, true);
    QCOMPARE(one.min, 10.0);
    QCOMPARE(one.max, 100.0);
    const PlotAxis none = fenra::FitAxis(0, 0, true);  // nothing positive to show
    QVERIFY(none.max > none.min && none.min > 0);
    const PlotAxis nan = fenra::FitAxis(NAN, INFINITY, false);
    QVERIFY(std::isfinite(nan.min) && std::isfinite(nan.max) && nan.max > nan.min);
}

void RangePlotTest::tickTexts() {
    QCOMPARE(fenra::TickText(0), QString("0"));
    QCOMPARE(fenra::TickText(2.5), QString("2.5"));
    QCOMPARE(fenra::TickText(1500), QString("1500"));
    QCOMPARE(fenra::TickText(10000), QString("1e+04"));
    QCOMPARE(fenra::TickText(0.001), QString("0.001"));
    QCOMPARE(fenra::TickText(1e-5), QString("1e-05"));
}

void RangePlotTest::seriesIsTheCalculationsPath() {
    Window t;
    t.BuildThreeLayers();
    const fenra::StackCalculation c = Calculate(ThreeLayerInput());
    const fenra::StackPlot& plot = t.w->plot();
    QCOMPARE(plot.missing(), QString());
    QCOMPARE(plot.depthAxisTitle(), QString("Depth (µm)"));
    QCOMPARE(plot.valueAxisTitle(), QString("Energy (keV)"));
    QCOMPARE(plot.series().size(), c.plot.size());
    for (std::size_t k = 0; k < c.plot.size(); ++k) {
        QCOMPARE(plot.series()[k].x(), c.plot[k].depth.um);
        QCOMPARE(plot.series()[k].y(), c.plot[k].energy);
    }
    // The axes hold the path, which ends in the silicon between 5 and 10 um, and the energy
    // in front.
    QVERIFY(c.plot.back().depth.um > 5 && c.plot.back().depth.um < 10);
    QCOMPARE(plot.depthAxis().max, 10.0);
    QCOMPARE(plot.valueAxis().max, 2000.0);
}

void RangePlotTest::stoppingSeriesAndTitles() {
    Window t;
    t.BuildThreeLayers();
    t.Choose("cboStopUnit", 2);
    t.Choose("cboPlotQuantity", 1);
    const fenra::StackPlot& plot = t.w->plot();
    QCOMPARE(plot.valueAxisTitle(), QString("Total stopping (keV/µm)"));
    fenra::StackInput in = ThreeLayerInput();
    in.unit = fenra::StopUnit::KevUm;
    const fenra::StackCalculation c = Calculate(in);
    std::vector<QPointF> expected;
    for (const fenra::StackPlotPoint& p : c.plot)
        if (p.stoppingKnown) expected.emplace_back(p.depth.um, p.stopping);
    QCOMPARE(plot.series(), expected);
    // A stopping layer without a density has no stopping per length: the plot says why.
    t.SetCell(0, fenra::LayerTableModel::Material, "C10H8O4");
    t.SetCell(0, fenra::LayerTableModel::Unit, static_cast<int>(fenra::ThicknessUnit::MgCm2));
    QCOMPARE(plot.missing(),
             QString("No stopping in keV/µm through this stack: a layer has no density."));
    QVERIFY(plot.series().empty());
}

void RangePlotTest::logarithmicAxesOfTheWindow() {
    Window t;
    t.BuildThreeLayers();
    t.Child<QCheckBox>("chkLogDepth")->setChecked(true);
    t.Child<QCheckBox>("chkLogValue")->setChecked(true);
    const fenra::StackPlot& plot = t.w->plot();
    QVERIFY(plot.depthAxis().log);
    QVERIFY(plot.valueAxis().log);
    // Depth from the first point past the front face, values from the decade below the lowest,
    // both to the decade above the end of the path.
    const fenra::StackCalculation c = Calculate(ThreeLayerInput());
    double firstDepth = 0, lowest = 1e300;
    for (const fenra::StackPlotPoint& p : c.plot) {
        if (p.depth.um > 0 && p.energy > 0 && firstDepth == 0) firstDepth = p.depth.um;
        if (p.depth.um > 0 && p.energy > 0) lowest = std::min(lowest, p.energy);
    }
    QCOMPARE(plot.depthAxis().min, firstDepth);
    QCOMPARE(plot.depthAxis().max, 10.0);
    QCOMPARE(plot.valueAxis().min, std::pow(10.0, std::floor(std::log10(lowest))));
    QCOMPARE(plot.valueAxis().max, 10000.0);
    for (const double tick : fenra::AxisTicks(plot.valueAxis()))
        QCOMPARE(std::log10(tick), std::round(std::log10(tick)));
    // A decade tick within the depth axis, none before its start.
    const std::vector<double> depthTicks = fenra::AxisTicks(plot.depthAxis());
    QVERIFY(!depthTicks.empty());
    QVERIFY(depthTicks.front() >= firstDepth);
    t.Child<QCheckBox>("chkLogDepth")->setChecked(false);
    QVERIFY(!plot.depthAxis().log);
    QCOMPARE(plot.depthAxis().min, 0.0);
}

void RangePlotTest::everyLayerIsLabelled_data() {
    QTest::addColumn<bool>("logDepth");
    QTest::newRow("linear depth") << false;
    QTest::newRow("logarithmic depth") << true;
}

void RangePlotTest::everyLayerIsLabelled() {
    // Also the 2 um of mylar at the front, which a logarithmic axis squeezes into its start,
    // and the 3 um of Al beside it: each number over its own layer, none over another.
    QFETCH(bool, logDepth);
    Window t;
    t.BuildThreeLayers();
    t.Child<QCheckBox>("chkLogDepth")->setChecked(logDepth);
    const fenra::StackPlot& plot = t.w->plot();
    const std::vector<fenra::LayerLabel> labels = plot.layerLabels();
    QCOMPARE(labels.size(), std::size_t(3));
    const QRectF area = plot.plotArea();
    for (std::size_t k = 0; k < labels.size(); ++k) {
        QCOMPARE(labels[k].text, QString::number(k + 1));
        QVERIFY(labels[k].box.bottom() <= area.top());
        QVERIFY(labels[k].box.top() >= 0);
        QVERIFY(labels[k].box.left() >= area.left() - 1e-9);
        QVERIFY(labels[k].box.right() <= area.right() + 1e-9);
        for (std::size_t j = 0; j < k; ++j) QVERIFY(!labels[k].box.intersects(labels[j].box));
    }
}

void RangePlotTest::depthInMassPerAreaWithoutADensity() {
    Window t;
    t.BuildThreeLayers();
    t.SetCell(0, fenra::LayerTableModel::Material, "C10H8O4");
    t.SetCell(0, fenra::LayerTableModel::Thickness, "0.2");
    t.SetCell(0, fenra::LayerTableModel::Unit, static_cast<int>(fenra::ThicknessUnit::MgCm2));
    const fenra::StackPlot& plot = t.w->plot();
    QCOMPARE(plot.depthAxisTitle(), QString("Depth (mg/cm2)"));
    fenra::StackInput in = ThreeLayerInput();
    in.layers[0] = {"C10H8O4", 0.2, fenra::ThicknessUnit::MgCm2, 0};
    const fenra::StackCalculation c = Calculate(in);
    QVERIFY(c.layers[2].stopped);
    QCOMPARE(plot.series().back().x(), c.plot.back().depth.mgCm2);
    // Behind a layer without a density the depth from the front has no length; the depth in
    // the silicon has one.
    QCOMPARE(t.Cell(2, fenra::LayerTableModel::StopDepthFromFront),
             Shown(c.layers[2].stopDepth.mgCm2) + " mg/cm2");
    QCOMPARE(t.Cell(2, fenra::LayerTableModel::StopDepthInLayer),
             Shown(c.layers[2].stopDepthInLayer.um) + " µm");
}

void RangePlotTest::cursorReadOut() {
    Window t;
    t.BuildThreeLayers();
    fenra::StackPlot* plot = &t.w->plot();
    const QRectF area = plot->plotArea();
    const fenra::StackCalculation c = Calculate(ThreeLayerInput());
    const PlotAxis depth = plot->depthAxis();
    // A pixel in the aluminium, and the depth under it by the axis' own linear scale.
    const int x = qRound(area.left() + area.width() * 3.5 / depth.max);
    const double um = depth.min + (x - area.left()) / area.width() * (depth.max - depth.min);
    QVERIFY(um > 2 && um < 5);
    MoveMouse(plot, QPoint(x, qRound(area.center().y())));
    const std::optional<double> e = EnergyAtUm(c, um);
    QVERIFY(e.has_value());
    QCOMPARE(t.Text("lblCursor"),
             QString("depth %1 µm: energy %2 keV")
                 .arg(QString::number(um, 'g', 5), QString::number(*e, 'g', 5)));
    // Beyond the point where the ion stops, and outside the plot area.
    const int far = qRound(area.right() - 1);
    MoveMouse(plot, QPoint(far, qRound(area.center().y())));
    QVERIFY(t.Text("lblCursor").endsWith(": beyond the end of the path"));
    MoveMouse(plot, QPoint(2, 2));
    QCOMPARE(t.Text("lblCursor"), QString());
}

void RangePlotTest::energyInTheChosenUnit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("title");
    QTest::addColumn<double>("axisEnd");
    const auto unit = [](fenra::EnergyUnit u) { return static_cast<int>(u); };
    QTest::newRow("keV") << "2000 keV" << unit(fenra::EnergyUnit::Kev) << "Energy (keV)" << 2000.0;
    QTest::newRow("MeV") << "2 MeV" << unit(fenra::EnergyUnit::Mev) << "Energy (MeV)" << 2.0;
    QTest::newRow("eV") << "2000000 eV" << unit(fenra::EnergyUnit::Ev) << "Energy (eV)" << 2e6;
    // 0.5 MeV/u of helium is 2001.3 keV: its axis ends at 0.5 MeV/u, and in keV at 2500.
    QTest::newRow("MeV/u") << "0.5 MeV/u" << unit(fenra::EnergyUnit::MevPerU) << "Energy (MeV/u)"
                           << 0.5;
    QTest::newRow("the same in keV")
        << "2001.3 keV" << unit(fenra::EnergyUnit::Kev) << "Energy (keV)" << 2500.0;
}

// The plot's energies, their +-sigma band, the axis title and the read-out are in the unit of
// the energy field (per u by the ion's mass), the depth as before.
void RangePlotTest::energyInTheChosenUnit() {
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(QString, title);
    QFETCH(double, axisEnd);
    Window t;
    t.BuildThreeLayers();
    t.Type("txtEnergy", typed);
    const auto u = static_cast<fenra::EnergyUnit>(unit);
    const double mass = fenra::ResolveIon(fenra::Db(), "He").mass;
    const auto shown = [&](double keV) { return fenra::EnergyFromKev(keV, u, mass); };
    fenra::StackInput in = ThreeLayerInput();
    in.energy = fenra::EnergyToKev(typed.split(' ').front().toDouble(), u, mass);
    const fenra::StackCalculation c = Calculate(in);
    const fenra::StackPlot& plot = t.w->plot();
    QCOMPARE(plot.valueAxisTitle(), title);
    QCOMPARE(plot.depthAxisTitle(), QString("Depth (µm)"));
    QCOMPARE(plot.valueAxis().max, axisEnd);
    QCOMPARE(plot.series().size(), c.plot.size());
    std::size_t band = 0;
    for (std::size_t k = 0; k < c.plot.size(); ++k) {
        const fenra::StackPlotPoint& p = c.plot[k];
        QCOMPARE(plot.series()[k].x(), p.depth.um);
        QCOMPARE(plot.series()[k].y(), shown(p.energy));
        if (!std::isfinite(p.energySigma)) continue;
        QCOMPARE(plot.bandHigh()[band].y(), shown(p.energy + p.energySigma));
        QCOMPARE(plot.bandLow()[band].y(), shown(std::max(0.0, p.energy - p.energySigma)));
        ++band;
    }
    QVERIFY(band > 0);
    QCOMPARE(plot.bandHigh().size(), band);
    // The read-out in the aluminium.
    fenra::StackPlot* widget = &t.w->plot();
    const QRectF area = widget->plotArea();
    const PlotAxis depth = widget->depthAxis();
    const int x = qRound(area.left() + area.width() * 3.5 / depth.max);
    const double um = depth.min + (x - area.left()) / area.width() * (depth.max - depth.min);
    MoveMouse(widget, QPoint(x, qRound(area.center().y())));
    const std::optional<double> e = EnergyAtUm(c, um);
    QVERIFY(e.has_value());
    QCOMPARE(t.Text("lblCursor"),
             QString("depth %1 µm: energy %2 %3")
                 .arg(QString::number(um, 'g', 5), QString::number(shown(*e), 'g', 5),
                      title.mid(8, title.size() - 9)));
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RangePlotTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "range_plot_test.moc"
