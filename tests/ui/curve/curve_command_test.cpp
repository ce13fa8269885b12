// The three curve commands of the main window: the walk shown in the energy and range fields,
// the curve each one opens a window on, and what happens when a walk cannot be made.

#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "CurveTestState.h"
#include "state/NumberText.h"
#include "support/CurveCommandSupport.h"
#include "support/MainWindowDriver.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

using curve_test::CurveWindowsOf;
using curve_test::Label;
using curve_test::Labels;
using curve_test::StopAt;
using fenra::MainWindowDriver;

namespace {

// Records every text a field shows.
struct TextLog {
    explicit TextLog(QLineEdit* field) {
        QObject::connect(field, &QLineEdit::textChanged, field,
                         [this](const QString& t) { texts << t; });
    }
    QStringList texts;
};

// Counts the repaints of a widget.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

// Proton of 1000 keV into silicon over 200000: the ion comes to rest at about 40 % of the
// range.
void EnterStoppingCase(MainWindowDriver& d) {
    d.Enter("H", nullptr, "1000", {{"Si", "1"}});
    d.Type("txtRange", "200000");
}

}  // namespace

class CurveCommandTest : public QObject {
    Q_OBJECT

  private slots:
    void depthStopOnTheDefaultDataSet();
    void depthEnergyOnTheDefaultDataSet();
    void energyStopOnTheDefaultDataSet();
    void ionThatStopsBeforeTheRange();
    void startUpDataSetWithoutRatio();
    void energyCurveFromZeroEnergy();
    void faultsEndTheWalkWithoutAWindow();
    void nothingElseRunsWhileTheWalkRuns();
};

void CurveCommandTest::depthStopOnTheDefaultDataSet() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");  // hydrogen 1 into hydrogen, 1000 keV, range 100000
    TextLog energy(d.Field("txtEnergy")), range(d.Field("txtRange"));
    d.Run("mnuDepthStop");

    QVERIFY(d.platform.messages.empty());
    QCOMPARE(CurveWindowsOf(d).size(), 1);
    CurveWindow* w = d.CurveWindowAt(1);
    QVERIFY(w && w->isVisible() && !w->isModal());
    QCOMPARE(w->windowTitle(), QString("Depth vs Stopping power of 1st sample"));
    QCOMPARE(Label(*w, "lblDepth6"), QString("1E15 Atom/cm2"));
    QCOMPARE(Label(*w, "lblUnit"), QString("Unit : eV/(1E15 Atom/cm2)"));
    QCOMPARE(Label(*w, "lblIon1"), QString("H"));
    QCOMPARE(Label(*w, "lblEnergy1"), QString("1000"));
    QCOMPARE(Label(*w, "lblTarget1"), QString("H1"));
    QCOMPARE(Labels(*w, "lblDepth"),
             QStringList({"0", "20000", "40000", "60000", "80000", "100000"}));
    QVERIFY(curve_test::BlackCount(curve_test::Plot(*w)) > 100);

    // The walk: point 0 at 1000 keV; through each 1000-thick slab the ion loses the slab's
    // thickness times the stopping at its entrance, so 1 keV per eV/(1E15 atoms/cm2).
    const fenra::CurveSnapshot& c = w->snapshot();
    QCOMPARE(c.stop.size(), size_t(101));
    QCOMPARE(c.stop[0], StopAt(d, 1000));
    const float e1 = static_cast<float>(1000.0 - 1000.0 * double(c.stop[0]) / 1000.0);
    QCOMPARE(c.stop[1], StopAt(d, e1));
    QVERIFY(c.stop[100] > c.stop[0]);  // a proton slowing down from 1 MeV stops harder
    QCOMPARE(c.ionEnergy, 1000.0f);
    QCOMPARE(c.range, 100000.0f);

    // The fields showed the walk, then the data set again.
    QCOMPARE(range.texts.size(), 101);
    QCOMPARE(range.texts[0], QString("0"));
    QCOMPARE(range.texts[1], QString("1000"));
    QCOMPARE(range.texts[57], QString("57000"));
    QCOMPARE(range.texts[100], QString("100000"));
    QCOMPARE(energy.texts.size(), 101);
    QCOMPARE(energy.texts[0], QString::fromStdString(fenra::GeneralText(e1)));
    QCOMPARE(energy.texts.last(), QString("1000"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("1000"));
    QCOMPARE(d.Field("txtRange")->text(), QString("100000"));

    // The working state: energy and results as before the walk (none: never calculated).
    QCOMPARE(d.state.Current().IonEnergy, 1000.0f);
    QCOMPARE(d.state.Current().StopEvAtoms, 0.0f);
    QVERIFY(!d.state.Current().Calculated);
    QCOMPARE(d.window->childWindows().nextCurveSlot(), 2);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(d.Command("mnuCal")->isEnabled());
}

void CurveCommandTest::depthEnergyOnTheDefaultDataSet() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    d.ToolbarButton(10)->trigger();  // the toolbar runs the menu command

    CurveWindow* w = d.CurveWindowAt(1);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Depth vs Energy of 1st sample"));
    QCOMPARE(Label(*w, "lblUnit"), QString("Unit : keV"));
    QCOMPARE(Label(*w, "lblDepth6"), QString("1E15 Atom/cm2"));
    QCOMPARE(Labels(*w, "lblSTPower"), QStringList({"0", "240.", "480.", "720.", "960.", "1200."}));
    const fenra::CurveSnapshot& c = w->snapshot();
    QCOMPARE(c.energy[0], 1000.0f);
    for (int i = 1; i <= 100; ++i) {
        const float expected =
            static_cast<float>(c.energy[i - 1] - 1000.0 * c.stop[i - 1] / 1000.0);
        QCOMPARE(c.energy[i], expected);
    }
    QVERIFY(c.energy[100] > 0);  // the ion crosses the whole range

    // The first point at 1/1.2 of the plot's height above the bottom edge.
    const QImage img = curve_test::Plot(*w);
    const double expectedRow = (img.height() - 1) * (1 - 1 / 1.2);
    QVERIFY(std::abs(curve_test::BlackRows(img, 0).first() - expectedRow) <= 1);
}

void CurveCommandTest::energyStopOnTheDefaultDataSet() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    TextLog energy(d.Field("txtEnergy")), range(d.Field("txtRange"));
    d.Run("mnuEnergyStop");

    CurveWindow* w = d.CurveWindowAt(1);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Energy vs Stopping power of 1st sample"));
    QCOMPARE(Label(*w, "lblDepth6"), QString("Energy (keV)"));
    QCOMPARE(Label(*w, "lblUnit"), QString("Unit : eV/(1E15 Atom/cm2)"));
    QCOMPARE(Labels(*w, "lblDepth"), QStringList({"0", "200", "400", "600", "800", "1000"}));

    // Steps of exactly 10 keV down to 0; the range field is left alone.
    QStringList expected;
    for (int e = 990; e >= 0; e -= 10) expected << QString::number(e);
    expected << "1000";
    QCOMPARE(energy.texts, expected);
    QVERIFY(range.texts.isEmpty());

    const fenra::CurveSnapshot& c = w->snapshot();
    QCOMPARE(c.stop[0], StopAt(d, 1000));
    QCOMPARE(c.stop[50], StopAt(d, 500));
    QCOMPARE(c.stop[100], 0.0f);  // at rest: no stopping
    QVERIFY(std::all_of(c.energy.begin(), c.energy.end(), [](float v) { return v == 0; }));
    // Point 0 on the right edge, point 100 (no stopping) on the left edge at the bottom.
    const QImage img = curve_test::Plot(*w);
    QVERIFY(curve_test::IsBlack(img, 0, img.height() - 1));
    QVERIFY(!curve_test::BlackRows(img, img.width() - 1).isEmpty());
}

void CurveCommandTest::ionThatStopsBeforeTheRange() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterStoppingCase(d);
    d.Run("mnuDepthStop");
    d.Run("mnuDepthEnergy");
    d.Run("mnuEnergyStop");
    QVERIFY(d.platform.messages.empty());

    const fenra::CurveSnapshot& s = d.CurveWindowAt(1)->snapshot();
    const fenra::CurveSnapshot& e = d.CurveWindowAt(2)->snapshot();
    // The point where the energy first is not above 0 ends the walk: it and all later points
    // hold no stopping; the energy there is zero or negative, and 0 beyond.
    int k = 1;
    while (k <= 100 && e.energy[k] > 0) ++k;
    QVERIFY2(k > 10 && k < 100, qPrintable(QString::number(k)));
    QVERIFY(e.energy[k] <= 0);
    for (int i = 0; i < k; ++i) QVERIFY(s.stop[i] > 0 && e.stop[i] > 0);
    for (int i = k; i <= 100; ++i) QCOMPARE(s.stop[i], 0.0f);
    for (int i = k + 1; i <= 100; ++i) QCOMPARE(e.energy[i], 0.0f);
    QCOMPARE(s.stop, e.stop);  // the same walk

    // The depth curve falls to the bottom edge and runs along it to the right edge.
    const QImage img = curve_test::Plot(*d.CurveWindowAt(1));
    QVERIFY(curve_test::IsBlack(img, img.width() - 1, img.height() - 1));
    QVERIFY(curve_test::IsBlack(img, (img.width() - 1) * 9 / 10, img.height() - 1));

    // Energy vs dE/dx always makes all the steps.
    const fenra::CurveSnapshot& es = d.CurveWindowAt(3)->snapshot();
    for (int i = 0; i < 100; ++i) QVERIFY(es.stop[i] > 0);
    QCOMPARE(d.state.Current().IonEnergy, 1000.0f);
    QCOMPARE(d.state.Current().Range, 200000.0f);
}

void CurveCommandTest::startUpDataSetWithoutRatio() {
    // At start-up the ratio of target 1 is 0: there is no target, so no curve of any kind.
    MainWindowDriver d(FENRA_TEST_DATABASE);
    for (const char* command : {"mnuDepthStop", "mnuDepthEnergy", "mnuEnergyStop"}) {
        d.platform.clearRecords();
        d.Run(command);
        QCOMPARE(d.platform.messages.size(), size_t(1));
        QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
        QCOMPARE(d.platform.messages[0].text,
                 QString("Data set 1: its one target element has ratio 0; nothing was "
                         "calculated."));
    }
    QVERIFY(CurveWindowsOf(d).isEmpty());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(d.window->childWindows().nextCurveSlot(), 1);
}

void CurveCommandTest::energyCurveFromZeroEnergy() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    d.Type("txtEnergy", "0");
    d.Run("mnuDepthEnergy");
    QCOMPARE(d.platform.messages.size(), size_t(1));
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QCOMPARE(d.platform.messages[0].text, QString("Data set 1: the energy 0 keV is not above 0."));
    QVERIFY(CurveWindowsOf(d).isEmpty());

    // A range that is not above 0 holds no depth to follow.
    d.Type("txtEnergy", "1000");
    d.Type("txtRange", "-5");
    d.platform.clearRecords();
    d.Run("mnuDepthStop");
    QCOMPARE(d.platform.messages.size(), size_t(1));
    QCOMPARE(d.platform.messages[0].text,
             QString("Data set 1: the range -5 (1E15 atoms/cm2) is not above 0."));
    QVERIFY(CurveWindowsOf(d).isEmpty());

    // Closing the main window closes every curve window with it.
    d.Run("mnuEnergyStop");
    QCOMPARE(CurveWindowsOf(d).size(), 1);
    d.window->close();
    for (int slot = 1; slot <= 100; ++slot)
        QVERIFY(!d.CurveWindowAt(slot) || !d.CurveWindowAt(slot)->isVisible());
}

void CurveCommandTest::faultsEndTheWalkWithoutAWindow() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    // A negative energy is refused before the walk.
    d.Type(d.Ratio(1), "1");
    d.Type("txtEnergy", "-5");
    d.Run("mnuDepthStop");
    QCOMPARE(d.platform.messages.size(), size_t(1));
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QCOMPARE(d.platform.messages[0].text, QString("Data set 1: the energy -5 keV is not above 0."));
    QVERIFY(CurveWindowsOf(d).isEmpty());
    QVERIFY(!d.CurveWindowAt(1));
    QCOMPARE(d.window->childWindows().nextCurveSlot(), 1);
    QCOMPARE(d.state.Current().IonEnergy, -5.0f);
    QCOMPARE(d.Field("txtEnergy")->text(), QString("-5"));
    QCOMPARE(d.Field("txtRange")->text(), QString("100000"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(d.Command("mnuCal")->isEnabled());
    QVERIFY(d.ToolbarButton(9)->isEnabled());

    // A target symbol that is not in the element table (as a target file may bring).
    d.Type("txtEnergy", "1000");
    d.state.Current().TargetElement[1] = "Qq";
    d.platform.clearRecords();
    d.Run("mnuEnergyStop");
    QCOMPARE(d.platform.messages.size(), size_t(1));
    QVERIFY(d.platform.messages[0].text.contains("\"Qq\""));
    QVERIFY(CurveWindowsOf(d).isEmpty());
    QCOMPARE(d.state.Current().IonEnergy, 1000.0f);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void CurveCommandTest::nothingElseRunsWhileTheWalkRuns() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    d.Run("mnuAdd");
    d.ScrollBar()->setValue(1);

    struct Seen {
        bool called = false, calculate = true, curveMenu = true, toolbar = true, hourglass = false;
        QString energy;
    } seen;
    PaintCounter paints(d.Field("txtEnergy"));
    // Runs at the walk's first repaint of its progress.
    QTimer::singleShot(0, d.window.get(), [&] {
        seen.called = true;
        seen.calculate = d.Command("mnuCal")->isEnabled();
        seen.curveMenu = d.window->findChild<QMenu*>("mnuCurve")->isEnabled();
        seen.toolbar = d.ToolbarButton(9)->isEnabled();
        seen.hourglass = QApplication::overrideCursor() &&
                         QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        seen.energy = d.Field("txtEnergy")->text();
        // A person at the keyboard and the mouse: move to data set 2, press Reset, type.
        QTest::keyClick(d.ScrollBar(), Qt::Key_Right);
        QTest::mouseClick(d.window->findChild<QPushButton*>("cmdReset"), Qt::LeftButton);
        QTest::keyClicks(d.Field("txtEnergy"), "7");
    });
    d.Run("mnuEnergyStop");

    QVERIFY(seen.called);
    QVERIFY(!seen.calculate);
    QVERIFY(!seen.curveMenu);
    QVERIFY(!seen.toolbar);
    QVERIFY(seen.hourglass);
    QCOMPARE(seen.energy, QString("990"));  // the first step is on screen
    QVERIFY2(paints.paints >= 100, qPrintable(QString::number(paints.paints)));
    // Nothing of it reached the window.
    QCOMPARE(int(d.state.CurrentDataSet), 1);
    QCOMPARE(int(d.state.DataSetCount), 2);
    QCOMPARE(d.state.Current().IonEnergy, 1000.0f);
    QCOMPARE(d.CurveWindowAt(1)->snapshot().stop.size(), size_t(101));
    QVERIFY(d.Command("mnuCal")->isEnabled());
    QVERIFY(d.window->findChild<QMenu*>("mnuCurve")->isEnabled());
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CurveCommandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "curve_command_test.moc"
