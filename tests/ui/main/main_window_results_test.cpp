// What the grid and the saved results show after failures, curve walks and changes of the
// data sets: never a stale or cut value.

#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTemporaryDir>

#include "support/MainWindowDriver.h"

using fenra::MainWindowDriver;

class MainWindowResultsTest : public QObject {
    Q_OBJECT

  private slots:
    void aFailedCalculationLeavesNoStaleResult();
    void aCurveWalkLeavesTheDataSetAsItFoundIt();
    void openingAShorterFileEmptiesTheRowsPastIt();
    void longValuesAreShownWhole();

  private:
    QTemporaryDir dir_;
};

void MainWindowResultsTest::aFailedCalculationLeavesNoStaleResult() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("He", "4.0026", "1e30", {{"Si", "1"}});
    d.Run("mnuCal");
    QVERIFY(d.platform.messages.empty());
    QVERIFY(!d.Cell(1, 4).isEmpty());

    d.Type("txtEnergy", "-1000");
    d.Run("mnuCal");
    QCOMPARE(d.platform.messages.size(), std::size_t{1});
    QCOMPARE(d.platform.messages[0].text,
             QString("Data set 1: the energy -1000 keV is not above 0."));
    QCOMPARE(d.Cell(1, 2), QString("-1000"));
    QCOMPARE(d.Cell(1, 4), QString());  // no old result beside the new energy
    d.platform.ClearRecords();
    d.Run("mnuRSave");
    QCOMPARE(d.platform.events, std::vector<QString>({"message:No calculation was made."}));
}

void MainWindowResultsTest::aCurveWalkLeavesTheDataSetAsItFoundIt() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}});
    d.Run("mnuCal");
    const QString shown = d.Cell(1, 4);
    QCOMPARE(shown, QString("8.305599"));
    d.Run("mnuEnergyStop");
    QCOMPARE(d.Cell(1, 4), shown);
    QCOMPARE(d.state.DataSets[1].StopEvAtoms, 8.305599f);

    // Save result still has the calculation to save.
    const QString path = dir_.filePath("after-walk.Fre");
    d.platform.ClearRecords();
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuRSave");
    QVERIFY(d.platform.messages.empty());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("8.305599"));
}

void MainWindowResultsTest::openingAShorterFileEmptiesTheRowsPastIt() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("He", "4.0026", "2000", {{"Au", "1"}});
    d.Run("mnuCal");
    QCOMPARE(d.Cell(2, 0), QString("He"));

    const QString path = dir_.filePath("one.fta");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Li  7.016  3000  100000  C1\r\n");
    file.close();
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuTOpen");
    QCOMPARE(d.Cell(1, 0), QString("Li"));
    QCOMPARE(d.Cell(1, 2), QString("3000"));
    QCOMPARE(d.Cell(1, 4), QString());  // read, not calculated
    for (int c = 0; c < 5; ++c) QCOMPARE(d.Cell(2, c), QString());
}

void MainWindowResultsTest::longValuesAreShownWhole() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("Xe", "131.904", "1000",
            {{"H", "1"},
             {"He", "1"},
             {"Li", "1"},
             {"Be", "1"},
             {"B", "1"},
             {"C", "1"},
             {"N", "1"},
             {"O", "1"},
             {"F", "1"},
             {"Ne", "1"}});
    d.Run("mnuCal");
    QTableWidget* grid = d.Grid();
    const QFontMetrics fm(grid->font());
    for (int c = 0; c < 5; ++c) {
        const QString text = d.Cell(1, c);
        QVERIFY2(grid->columnWidth(c) > fm.horizontalAdvance(text), qPrintable(text));
    }
    QCOMPARE(d.Cell(1, 1), QString("131.904"));
    QCOMPARE(d.Cell(1, 3), QString("H1He1Li1Be1B1C1N1O1F1Ne1"));
    QCOMPARE(grid->horizontalHeader()->sectionResizeMode(3), QHeaderView::Interactive);
    // A column the user widened keeps its width over the next Calculate.
    grid->setColumnWidth(3, 600);
    d.Run("mnuCal");
    QCOMPARE(grid->columnWidth(3), 600);
}

QTEST_MAIN(MainWindowResultsTest)
#include "main_window_results_test.moc"
