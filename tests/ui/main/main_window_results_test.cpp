// What the grid and the saved results show after failures, curve walks and changes of the
// data sets: never a stale or cut value.

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStatusBar>
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
    void fieldsNotWhollyNumbersAreMarkedAndNamed();
    void theLengthUnitOfACompoundIsExplainedInItsCell();

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
    d.platform.clearRecords();
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
    d.platform.clearRecords();
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
    QTableView* grid = d.Grid();
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

void MainWindowResultsTest::fieldsNotWhollyNumbersAreMarkedAndNamed() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QStatusBar* status = d.window->statusBar();
    d.Enter("H", "1.0078", "1,000", {{"Si", "1"}});
    QLineEdit* energy = d.Field("txtEnergy");
    QVERIFY(energy->property("notWhollyANumber").toBool());
    QVERIFY(!energy->styleSheet().isEmpty());
    QCOMPARE(status->currentMessage(), QString("E (keV): \"1,000\" read as 1"));
    QCOMPARE(d.state.Current().IonEnergy, 1.0f);
    QVERIFY(!d.Ratio(1)->property("notWhollyANumber").toBool());

    // Calculate names the field first, then calculates the number read.
    d.Run("mnuCal");
    QCOMPARE(d.platform.events,
             std::vector<QString>(
                 {"message:These fields are not wholly numbers:\nE (keV): \"1,000\" read as 1"}));
    QVERIFY(d.state.Current().Calculated);

    // A mass read as "no mass given", and a number too large for a Single.
    d.Type("txtIonMass", "1,008");
    QCOMPARE(status->currentMessage(), QString("Mass: \"1,008\" read as 0"));
    d.Type(d.Ratio(1), "1e39");
    QCOMPARE(status->currentMessage(), QString("Ratio of target 1: \"1e39\" read as 0"));

    // A whole number takes the mark and its status text away.
    d.Type(d.Ratio(1), "1");
    QVERIFY(!d.Ratio(1)->property("notWhollyANumber").toBool());
    QVERIFY(d.Ratio(1)->styleSheet().isEmpty());
    QCOMPARE(status->currentMessage(), QString());
    d.Type("txtEnergy", "1000");
    d.Type("txtIonMass", "1.0078");
    d.platform.clearRecords();
    d.Run("mnuCal");
    QVERIFY(d.platform.events.empty());
}

void MainWindowResultsTest::theLengthUnitOfACompoundIsExplainedInItsCell() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}, {"O", "2"}});
    d.Run("mnuCal");
    d.List("cbUnit")->setCurrentIndex(2);
    QCOMPARE(d.platform.beeps, 0);
    QCOMPARE(d.List("cbUnit")->currentIndex(), 2);
    QCOMPARE(d.Cell(1, 4), QString("4.133697"));
    QCOMPARE(d.Cell(2, 4), QString("-"));
    QCOMPARE(d.Grid()->model()->index(1, 4).data(Qt::ToolTipRole).toString(),
             QString("Data set 2 is a compound: eV/A and keV/um need the atomic density of one "
                     "element."));
    // A copy of the grid leaves the compound's cell empty, as the CSV export does.
    d.window->findChild<QAction*>("mnuSelectAll")->trigger();
    d.Run("mnuCopy");
    QCOMPARE(QGuiApplication::clipboard()->text().split('\n').value(2),
             QString("H\t1.0078\t1000\tSi1O2\t"));
    // The unit stays over Calculate and an edit of the compound.
    d.Run("mnuCal");
    QCOMPARE(d.List("cbUnit")->currentIndex(), 2);
    d.Type(d.Ratio(2), "3");
    QCOMPARE(d.Cell(2, 4), QString());
    QCOMPARE(d.Grid()->model()->index(1, 4).data(Qt::ToolTipRole).toString(), QString());
}

QTEST_MAIN(MainWindowResultsTest)
#include "main_window_results_test.moc"
