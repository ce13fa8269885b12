// The curve windows the curve commands open: their captions and labels, their slots, and each
// keeping its own curve.

#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "CurveTestState.h"
#include "state/NumberText.h"
#include "support/CurveCommandSupport.h"
#include "support/MainWindowDriver.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

using curve_test::CurveWindowsOf;
using curve_test::Label;
using curve_test::StopAt;
using fenra::MainWindowDriver;

class CurveWindowsOfCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void captionsAndLabelsOfDataSets1To4And21();
    void hundredAndOneWindowsWrapToSlot1();
    void olderWindowSavesItsOwnCurve();
    void newWindowsCascadeInsideTheScreen();
};

void CurveWindowsOfCommandsTest::captionsAndLabelsOfDataSets1To4And21() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    for (int i = 2; i <= 21; ++i) d.Run("mnuAdd");  // new data sets: H into H 1, 1000 keV
    d.ScrollBar()->setValue(2);
    d.Type("txtEnergy", "0.5");  // the label shows general text: a zero before the point
    d.ScrollBar()->setValue(3);
    d.Choose(d.Element(1), "Si");
    d.ScrollBar()->setValue(4);
    d.Choose(d.List("DBCbIon"), "He");

    const struct {
        int dataSet;
        const char* command;
        const char* caption;
        const char* ion;
        const char* energy;
        const char* target;
    } cases[] = {
        {1, "mnuDepthStop", "Depth vs Stopping power of 1st sample", "H", "1000", "H1"},
        {2, "mnuDepthEnergy", "Depth vs Energy of 2nd sample", "H", "0.5", "H1"},
        {3, "mnuEnergyStop", "Energy vs Stopping power of 3rd sample", "H", "1000", "Si1"},
        {4, "mnuDepthStop", "Depth vs Stopping power of 4th sample", "He", "1000", "H1"},
        {21, "mnuEnergyStop", "Energy vs Stopping power of 21th sample", "H", "1000", "H1"},
    };
    int slot = 1;
    for (const auto& c : cases) {
        d.ScrollBar()->setValue(c.dataSet);
        d.Run(c.command);
        CurveWindow* w = d.CurveWindowAt(slot++);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString(c.caption));
        QCOMPARE(Label(*w, "lblIon1"), QString(c.ion));
        QCOMPARE(Label(*w, "lblEnergy1"), QString(c.energy));
        QCOMPARE(Label(*w, "lblTarget1"), QString(c.target));
        QCOMPARE(int(d.state.CurrentDataSet), c.dataSet);
        QCOMPARE(d.Label("lblDataset1")->text(), QString("%1 of 21").arg(c.dataSet));
    }
    QVERIFY(d.platform.messages.empty());
}

void CurveWindowsOfCommandsTest::hundredAndOneWindowsWrapToSlot1() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    QPointer<CurveWindow> first;
    for (int n = 1; n <= 100; ++n) {
        QCOMPARE(d.window->childWindows().nextCurveSlot(), n);
        d.Run("mnuEnergyStop");
        if (n == 1) first = d.CurveWindowAt(1);
    }
    QCOMPARE(d.window->childWindows().nextCurveSlot(), 1);  // after slot 100 comes slot 1
    for (int slot = 1; slot <= 100; ++slot) QVERIFY(d.CurveWindowAt(slot));
    QCOMPARE(CurveWindowsOf(d).size(), 100);

    d.Run("mnuEnergyStop");
    QCOMPARE(d.window->childWindows().nextCurveSlot(), 2);
    QVERIFY(d.CurveWindowAt(1) != first.data());
    QVERIFY(first && first->isVisible());  // replaced in its slot, not closed
    QCOMPARE(CurveWindowsOf(d).size(), 101);

    // A window closed by the user leaves its slot empty.
    d.CurveWindowAt(50)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!d.CurveWindowAt(50));

    // Closing the main window closes every curve window with it.
    d.window->close();
    for (int slot = 1; slot <= 100; ++slot)
        QVERIFY(!d.CurveWindowAt(slot) || !d.CurveWindowAt(slot)->isVisible());
}

void CurveWindowsOfCommandsTest::olderWindowSavesItsOwnCurve() {
    QTemporaryDir dir;
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", nullptr, "1000", {{"Si", "1"}});
    d.Run("mnuDepthStop");
    const float olderFirst = StopAt(d, 1000);

    // A newer walk whose ion stops within the first slab leaves point 1 of its curve 0.
    d.Type("txtRange", "100000000");
    d.Run("mnuDepthStop");
    QCOMPARE(d.CurveWindowAt(2)->snapshot().stop[1], 0.0f);

    d.platform.fileAnswers = {dir.filePath("older.Fcv")};
    d.CurveWindowAt(1)->saveCurve();
    QVERIFY(d.platform.messages.empty());
    QFile f(dir.filePath("older.Fcv"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 111);  // 110 lines, each ended by CR LF
    QCOMPARE(lines[0], QByteArray("'Fenra32 Depth vs dE/dx curve data\r"));
    QCOMPARE(lines[5], QByteArray("Target :Si1\r"));
    QCOMPARE(lines[6], QByteArray("Range : 100000 e15(atom/cm2)\r"));
    QCOMPARE(lines[9], QByteArray::fromStdString(fenra::FormatFixed4(olderFirst)) + "\r");
    QVERIFY(lines[10] != " 0 \r");
}

// Each new curve window stands a title bar's height below and right of the newest one still
// open, so none hides another's caption; one that would leave the screen starts again at its
// upper left corner.
void CurveWindowsOfCommandsTest::newWindowsCascadeInsideTheScreen() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    d.Run("mnuEnergyStop");
    d.Run("mnuEnergyStop");
    d.Run("mnuEnergyStop");
    const QPoint first = d.CurveWindowAt(1)->pos();
    const QPoint step = d.CurveWindowAt(2)->pos() - first;
    QVERIFY2(step.x() >= 16 && step.x() == step.y(), qPrintable(QString::number(step.x())));
    QCOMPARE(d.CurveWindowAt(3)->pos(), first + 2 * step);
    // The newest closed: the next one takes its place, after the newest still open.
    d.CurveWindowAt(3)->close();
    d.Run("mnuEnergyStop");
    QCOMPARE(d.CurveWindowAt(4)->pos(), first + 2 * step);

    const QRect screen = d.CurveWindowAt(1)->screen()->availableGeometry();
    for (int n = 5; n <= 40; ++n) d.Run("mnuEnergyStop");
    bool wrapped = false;
    for (int slot = 1; slot <= 40; ++slot) {
        const CurveWindow* w = d.CurveWindowAt(slot);
        if (w == nullptr) continue;
        QVERIFY2(screen.contains(w->frameGeometry()), qPrintable(QString::number(slot)));
        wrapped = wrapped || w->pos() == screen.topLeft();
    }
    QVERIFY(wrapped);
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CurveWindowsOfCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "curve_windows_of_commands_test.moc"
