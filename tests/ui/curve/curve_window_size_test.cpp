// A curve window at another size than designed: the plot grows with the window, the curve is
// drawn afresh over it, the labels stand at round numbers (and go back to the fifths at the
// designed size); the bottom line's captions, values and unit; and what the status line says of
// a depth far beyond or far short of the ion's range.

#include <QApplication>
#include <QFontMetrics>
#include <QtTest>
#include <cmath>

#include "CurveTestState.h"
#include "support/ScriptedPlatform.h"
#include "ui/curve/CurveScale.h"

// The windows of the program live in namespace fenra.
using fenra::CurveCanvas;
using fenra::CurveWindow;

using namespace curve_test;

namespace {

// The texts of the visible value labels of one axis, from the lowest value up.
QStringList VisibleValues(const CurveWindow& w, bool yAxis) {
    QList<const QLabel*> shown;
    for (const QLabel* l : w.centralWidget()->findChildren<QLabel*>()) {
        const QString name = l->objectName();
        const bool isY = name.startsWith("lblSTPower") || name.startsWith("yTick");
        const bool isX =
            (name.startsWith("lblDepth") && name != "lblDepth6") || name.startsWith("xTick");
        if (l->isVisibleTo(w.centralWidget()) && (yAxis ? isY : isX)) shown << l;
    }
    std::sort(shown.begin(), shown.end(), [yAxis](const QLabel* a, const QLabel* b) {
        return yAxis ? a->y() > b->y() : a->x() < b->x();
    });
    QStringList texts;
    for (const QLabel* l : shown) texts << l->text();
    return texts;
}

void Grow(CurveWindow& w, QSize by) {
    w.show();
    w.resize(w.size() + by);
    QCoreApplication::processEvents();
}

}  // namespace

class CurveWindowSizeTest : public QObject {
    Q_OBJECT

  private slots:
    void roundTicks_data();
    void roundTicks();
    void depthFit_data();
    void depthFit();
    void grownWindowLabelsRoundNumbers();
    void plotFollowsTheSizeAndComesBack();
    void bottomLineSpacesCaptionsAndNamesTheUnit();
    void statusLineTellsOfTheDepth();
};

void CurveWindowSizeTest::roundTicks_data() {
    QTest::addColumn<double>("max");
    QTest::addColumn<int>("intervals");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("yMax 60, five") << 60.0 << 5 << QStringList{"0", "20", "40", "60"};
    QTest::newRow("yMax 60, ten") << 60.0 << 10
                                  << QStringList{"0", "10", "20", "30", "40", "50", "60"};
    QTest::newRow("2000 keV, ten")
        << 2000.0 << 10 << QStringList{"0",    "200",  "400",  "600",  "800", "1000",
                                       "1200", "1400", "1600", "1800", "2000"};
    QTest::newRow("85.675, six") << 85.675 << 6 << QStringList{"0", "20", "40", "60", "80"};
    QTest::newRow("fractions") << 3.0 << 6 << QStringList{"0", "0.5", "1", "1.5", "2", "2.5", "3"};
    QTest::newRow("small") << 0.012 << 5 << QStringList{"0", "0.005", "0.01"};
    QTest::newRow("exponent form")
        << 8.0001e9 << 8 << QStringList{"0", "2E+09", "4E+09", "6E+09", "8E+09"};
    QTest::newRow("one interval") << 7.0 << 1 << QStringList{"0"};
    QTest::newRow("no scale") << 0.0 << 5 << QStringList{};
    QTest::newRow("not a number") << std::nan("") << 5 << QStringList{};
}

void CurveWindowSizeTest::roundTicks() {
    QFETCH(double, max);
    QFETCH(int, intervals);
    QFETCH(QStringList, texts);
    const std::vector<double> ticks = fenra::RoundTicks(max, intervals);
    QStringList got;
    for (double t : ticks)
        got << QString::fromStdString(fenra::RoundTickText(t, ticks[1 % ticks.size()]));
    QCOMPARE(got, texts);
    QVERIFY(int(ticks.size()) <= intervals + 1);
    for (const QString& t : got) QVERIFY2(!t.endsWith('.'), qPrintable(t));
}

void CurveWindowSizeTest::depthFit_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("stop");   // every point's stopping, eV/(1E15 atoms/cm2)
    QTest::addColumn<float>("range");  // the curve's depth
    QTest::addColumn<int>("fit");
    QTest::addColumn<double>("value");  // the stop depth, or the energy kept
    const int depthStop = int(fenra::CurveKind::DepthStop);
    const int far = int(fenra::DepthFit::FarBeyond), fits = int(fenra::DepthFit::Fits),
              shortOf = int(fenra::DepthFit::FarShort);
    // 1000 keV; a slab of range/100 loses slab * stop / 1000 keV.
    QTest::newRow("stops in slab 10 of 100") << depthStop << 1000.0f << 10000.0f << far << 1000.0;
    QTest::newRow("stops in slab 20") << depthStop << 500.0f << 10000.0f << far << 2000.0;
    QTest::newRow("stops in slab 21") << depthStop << 490.0f << 10000.0f << fits << 0.0;
    QTest::newRow("stops at the end") << depthStop << 100.0f << 10000.0f << fits << 0.0;
    QTest::newRow("keeps 90%") << depthStop << 10.0f << 10000.0f << shortOf << 0.9;
    QTest::newRow("keeps 80%") << depthStop << 20.0f << 10000.0f << shortOf << 0.8;
    QTest::newRow("keeps 70%") << depthStop << 30.0f << 10000.0f << fits << 0.0;
    QTest::newRow("energy curve") << int(fenra::CurveKind::DepthEnergy) << 10.0f << 10000.0f
                                  << shortOf << 0.9;
    QTest::newRow("against energy")
        << int(fenra::CurveKind::EnergyStop) << 10.0f << 10000.0f << fits << 0.0;
    QTest::newRow("no depth") << depthStop << 10.0f << 0.0f << fits << 0.0;
}

void CurveWindowSizeTest::depthFit() {
    QFETCH(int, kind);
    QFETCH(float, stop);
    QFETCH(float, range);
    QFETCH(int, fit);
    QFETCH(double, value);
    fenra::CurveSnapshot s = OneCurve();
    Fill(s.stop, stop);
    s.range = range;
    const fenra::CurveDepth d = fenra::FitOfCurveDepth(s, fenra::CurveKind(kind));
    QCOMPARE(int(d.fit), fit);
    if (d.fit == fenra::DepthFit::FarBeyond) QCOMPARE(d.stopDepth, value);
    if (d.fit == fenra::DepthFit::FarShort) QVERIFY(std::abs(d.energyLeftFraction - value) < 1e-4);
}

void CurveWindowSizeTest::grownWindowLabelsRoundNumbers() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    Fill(s.stop, 50.0f);  // YMax 60
    s.range = 12000;
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.draw();
    QCOMPARE(VisibleValues(w, true), QStringList({"0", "12.", "24.", "36.", "48.", "60."}));
    QCOMPARE(VisibleValues(w, false), QStringList({"0", "2400", "4800", "7200", "9600", "12000"}));

    Grow(w, QSize(458, 308));  // a plot of about 914 x 614 pixels
    QCOMPARE(VisibleValues(w, true), QStringList({"0", "10", "20", "30", "40", "50", "60"}));
    // At most ten intervals, 80 pixels or more apart: 2000 apart.
    QCOMPARE(VisibleValues(w, false),
             QStringList({"0", "2000", "4000", "6000", "8000", "10000", "12000"}));
    // Each Y label stands beside its tick: 10 at a sixth of the plot's height above the bottom.
    const QRect plot = w.findChild<CurveCanvas*>("PicCurve")->geometry();
    const QLabel* ten = nullptr;
    for (QLabel* l : w.centralWidget()->findChildren<QLabel*>())
        if (l->isVisibleTo(&w) && l->text() == "10" && l->x() < plot.x()) ten = l;
    QVERIFY(ten != nullptr);
    const double tickY = plot.y() + 2 + (plot.height() - 4) * (1 - 10.0 / 60);
    QVERIFY2(std::abs(ten->geometry().center().y() - tickY) <= 1.5,
             qPrintable(QString::number(ten->geometry().center().y())));
    QVERIFY(platform.messages.empty());
}

void CurveWindowSizeTest::plotFollowsTheSizeAndComesBack() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    Fill(s.stop, 50.0f);
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.show();
    w.draw();
    const QImage designed = Plot(w);
    const QSize start = w.size();
    auto* canvas = w.findChild<CurveCanvas*>("PicCurve");

    Grow(w, QSize(200, 100));
    QCOMPARE(canvas->size(), QSize(460 + 200, 310 + 100));
    // The flat curve at 50 of 60 runs across the whole grown plot, at the same height share.
    const QImage grown = Plot(w);
    const int y = qRound((grown.height() - 1) * (1 - 50.0 / 60));
    const auto blackNear = [&grown](int x, int y) {
        return IsBlack(grown, x, y - 1) || IsBlack(grown, x, y) || IsBlack(grown, x, y + 1);
    };
    QVERIFY(blackNear(1, y) && blackNear(grown.width() - 2, y));
    // The axis title, unit and bottom line move down with the plot's bottom edge.
    QCOMPARE(w.findChild<QLabel*>("lblUnit")->y(), qRound(5202 / 15.0) + 100);
    QCOMPARE(w.findChild<QLabel*>("lblDepth6")->pos(),
             QPoint(qRound(3547 / 15.0) + 100, qRound(5160 / 15.0) + 100));

    // Back at the designed size it draws as designed, pixel for pixel, with the fifths.
    w.resize(start);
    QCoreApplication::processEvents();
    QCOMPARE(Plot(w), designed);
    QCOMPARE(VisibleValues(w, true), QStringList({"0", "12.", "24.", "36.", "48.", "60."}));
    // No smaller than designed.
    w.resize(start - QSize(100, 100));
    QCoreApplication::processEvents();
    QCOMPARE(w.centralWidget()->size(), QSize(542, 392));
}

void CurveWindowSizeTest::bottomLineSpacesCaptionsAndNamesTheUnit() {
    fenra::ScriptedPlatform platform;
    CurveWindow w(platform, fenra::CurveKind::DepthStop, OneCurve(), "/tmp/");
    QVERIFY(!w.findChild<QLabel*>("lblEnergyUnit")->isVisibleTo(&w));  // no energy, no unit
    w.setCurveLabels("1E15 Atom/cm2", "Unit : keV", "He", "1000", "C10H8O4");
    const int space = QFontMetrics(w.centralWidget()->font()).horizontalAdvance(' ');
    const char* line[] = {"lblIon0",       "lblIon1",    "lblEnergy0", "lblEnergy1",
                          "lblEnergyUnit", "lblTarget0", "lblTarget1"};
    QStringList words;
    for (std::size_t k = 0; k < std::size(line); ++k) {
        const QLabel* l = w.findChild<QLabel*>(line[k]);
        QVERIFY2(l && l->isVisibleTo(&w), line[k]);
        words << l->text();
        if (k == 0) continue;
        const QLabel* before = w.findChild<QLabel*>(line[k - 1]);
        const int gap = l->x() - (before->x() + before->sizeHint().width());
        QVERIFY2(gap >= space, qPrintable(QString("%1: %2").arg(line[k]).arg(gap)));
    }
    QCOMPARE(words.join(' '), QString("Ion He Energy 1000 keV Target C10H8O4"));
}

void CurveWindowSizeTest::statusLineTellsOfTheDepth() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();  // 1000 keV over 100000
    Fill(s.stop, 100.0f);                 // 100 keV a slab: stops at point 10
    for (int i = 10; i <= 100; ++i) s.stop[i] = 0;
    CurveWindow beyond(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    beyond.draw();
    QCOMPARE(beyond.statusText(),
             QString("The ion stops within the first 10000 of the curve's depth of 100000 (1E15 "
                     "atoms/cm2): the depth (Range in the main window) is far beyond the ion's "
                     "range."));
    QVERIFY(beyond.findChild<QLabel*>("curveStatus")->isVisibleTo(&beyond));

    Fill(s.stop, 1.0f);  // 1 keV a slab: keeps 90%
    CurveWindow shortOf(platform, fenra::CurveKind::DepthEnergy, s, "/tmp/");
    shortOf.draw();
    QCOMPARE(shortOf.statusText(),
             QString("The ion keeps 90% of its energy at the curve's depth of 100000 (1E15 "
                     "atoms/cm2): the depth (Range in the main window) is far short of the "
                     "ion's range."));

    Fill(s.stop, 5.0f);  // loses half
    CurveWindow fits(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    fits.draw();
    QCOMPARE(fits.statusText(), QString());
    CurveWindow energy(platform, fenra::CurveKind::EnergyStop, s, "/tmp/");
    energy.draw();
    QCOMPARE(energy.statusText(), QString());
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CurveWindowSizeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "curve_window_size_test.moc"
