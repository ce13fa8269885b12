// The window never shows a result beside inputs it was not calculated from: an edit empties
// the data set's row until Calculate, Calculate comes back to the data set that was shown, and
// the materials field shows the composition of the data set shown.

#include <QFile>
#include <QTemporaryDir>

#include "support/MainWindowDriver.h"

using fenra::MainWindowDriver;

namespace {

QByteArrayList ReportLines(MainWindowDriver& d, const QString& path) {
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuRSave");
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().split('\n');
}

// Helium at 2000 keV and a proton at 1000 keV in silicon (reference cases 7 and 1), calculated,
// with data set 1 shown.
void EnterTwoCalculated(MainWindowDriver& d) {
    d.Enter("He", "4.0026", "2000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}});
    d.ScrollBar()->setValue(1);
    d.Run("mnuCal");
}

void EnterMaterial(const MainWindowDriver& d, const QString& text) {
    QLineEdit* field = d.Field(QStringLiteral("txtMaterial"));
    d.Type(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

class MainWindowStaleResultsTest : public QObject {
    Q_OBJECT

  private slots:
    void anEditEmptiesItsRowUntilCalculate_data();
    void anEditEmptiesItsRowUntilCalculate();
    void keysThatChangeNothingKeepTheResults();
    void theReportOfAnEditedDataSetHasNoResult();
    void calculateShowsTheDataSetShownBefore();
    void theMaterialFieldFollowsTheDataSet();

  private:
    QTemporaryDir dir_;
};

void MainWindowStaleResultsTest::anEditEmptiesItsRowUntilCalculate_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("energyCell");  // what column 2 shows after the edit
    QTest::addColumn<QString>("recalculated");
    QTest::newRow("energy") << "txtEnergy"
                            << "3000"
                            << "3000"
                            << "39.43861";
    QTest::newRow("mass") << "txtIonMass"
                          << "3"
                          << "2000"
                          << "";
    QTest::newRow("range") << "txtRange"
                           << "5000"
                           << "2000"
                           << "48.63163";
    QTest::newRow("ion") << "DBCbIon"
                         << "Li"
                         << "2000"
                         << "";
    QTest::newRow("element") << "DBCbTEl1"
                             << "Au"
                             << "2000"
                             << "";
    QTest::newRow("ratio") << "txtTComp1"
                           << "2"
                           << "2000"
                           << "48.63163";
    QTest::newRow("second slot") << "txtTComp2"
                                 << "1"
                                 << "2000"
                                 << "";
    QTest::newRow("material") << "txtMaterial"
                              << "C"
                              << "2000"
                              << "";
}

void MainWindowStaleResultsTest::anEditEmptiesItsRowUntilCalculate() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, energyCell);
    QFETCH(QString, recalculated);
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterTwoCalculated(d);
    QCOMPARE(d.Cell(1, 4), QString("48.63163"));
    QCOMPARE(d.Cell(1, 3), QString("Si1"));

    if (field == "txtMaterial")
        EnterMaterial(d, text);
    else if (field.startsWith("DBCb"))
        d.Choose(d.List(field), text);
    else
        d.Type(d.Field(field), text);

    // The row keeps its inputs and loses the results and the composition they belonged to, as
    // a data set never calculated; the other data set keeps its own.
    QCOMPARE(d.Cell(1, 2), energyCell);
    QCOMPARE(d.Cell(1, 3), QString());
    QCOMPARE(d.Cell(1, 4), QString());
    QVERIFY(!d.state.DataSets[1].Calculated);
    QCOMPARE(d.Cell(2, 3), QString("Si1"));
    QCOMPARE(d.Cell(2, 4), QString("8.305599"));

    d.Run("mnuCal");
    QVERIFY(d.platform.messages.empty());
    QVERIFY(!d.Cell(1, 3).isEmpty());
    QVERIFY(!d.Cell(1, 4).isEmpty());
    if (!recalculated.isEmpty()) QCOMPARE(d.Cell(1, 4), recalculated);
    QCOMPARE(d.Cell(2, 4), QString("8.305599"));
    QCOMPARE(d.state.CurrentDataSet, int16_t(1));
}

void MainWindowStaleResultsTest::keysThatChangeNothingKeepTheResults() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterTwoCalculated(d);
    QLineEdit* energy = d.Field("txtEnergy");
    energy->setFocus(Qt::TabFocusReason);
    QTest::keyClick(energy, Qt::Key_End);
    QTest::keyClick(energy, Qt::Key_Left);
    QTest::keyClick(d.Ratio(1), Qt::Key_Right);
    QTest::keyClick(d.Ratio(1), Qt::Key_Tab);
    d.ScrollBar()->setValue(2);
    d.ScrollBar()->setValue(1);
    QCOMPARE(d.Cell(1, 3), QString("Si1"));
    QCOMPARE(d.Cell(1, 4), QString("48.63163"));
    QVERIFY(d.state.DataSets[1].Calculated);
    // Typing the same value again passes through others ("2", "20", ...): an edit like any.
    d.Type(energy, "2000");
    QCOMPARE(d.Cell(1, 4), QString());
}

void MainWindowStaleResultsTest::theReportOfAnEditedDataSetHasNoResult() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterTwoCalculated(d);
    const QByteArrayList before = ReportLines(d, dir_.filePath("before.Fre"));
    QCOMPARE(before.size(), 7);  // four heading lines, two rows, nothing after the last CR LF

    d.ScrollBar()->setValue(2);
    d.Type("txtEnergy", "3000");
    const QByteArrayList after = ReportLines(d, dir_.filePath("after.Fre"));
    QCOMPARE(after.size(), 7);
    for (int k = 0; k < 5; ++k) QCOMPARE(after[k], before[k]);  // the calculated row stays
    // As a data set added since the last Calculate: its inputs, no composition, no result.
    QCOMPARE(after[5], QByteArray("H              1.0078        3000                       -"
                                  "             -             -             -\r"));

    // The target file keeps the inputs only: the new energy, no result to go stale.
    d.platform.fileAnswers.push_back(dir_.filePath("after.fta"));
    d.Run("mnuTSave");
    QFile target(dir_.filePath("after.fta"));
    QVERIFY(target.open(QIODevice::ReadOnly));
    const QByteArray text = target.readAll();
    QVERIFY(text.contains("H              1.0078        3000          100000       Si1\r\n"));
    QVERIFY(!text.contains("8.305"));

    d.Run("mnuCal");
    QCOMPARE(ReportLines(d, dir_.filePath("again.Fre"))[4], before[4]);
}

void MainWindowStaleResultsTest::calculateShowsTheDataSetShownBefore() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("He", "4.0026", "2000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("O", "15.995", "3200", {{"Si", "1"}});
    d.ScrollBar()->setValue(2);
    std::vector<int> shown;
    QObject::connect(d.ScrollBar(), &QScrollBar::valueChanged, [&](int v) { shown.push_back(v); });
    QTest::keyClick(d.window.get(), Qt::Key_F5);
    // Every data set is shown as it is calculated, then the one shown before comes back.
    QCOMPARE(shown, std::vector<int>({1, 2, 3, 2}));
    QCOMPARE(d.state.CurrentDataSet, int16_t(2));
    QCOMPARE(d.Label("lblDataset1")->text(), QString("2 of 3"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("1000"));
    QCOMPARE(d.List("DBCbIon")->currentText(), QString("H"));
    for (int i = 1; i <= 3; ++i) QVERIFY(d.state.DataSets[i].Calculated);
    QCOMPARE(d.Cell(2, 4), QString("8.305599"));
}

void MainWindowStaleResultsTest::theMaterialFieldFollowsTheDataSet() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QLineEdit* material = d.Field(QStringLiteral("txtMaterial"));
    EnterMaterial(d, QStringLiteral(" C10H8O4 "));
    QCOMPARE(material->text(), QString("C10H8O4"));
    d.Run("mnuAdd");
    QCOMPARE(material->text(), QString());  // picked as defaults, not from a text
    EnterMaterial(d, QStringLiteral("mylar"));
    d.ScrollBar()->setValue(1);
    QCOMPARE(material->text(), QString("C10H8O4"));
    d.ScrollBar()->setValue(2);
    QCOMPARE(material->text(), QString("mylar"));

    // Calculate and an edit of the energy leave the composition as it is.
    d.Run("mnuCal");
    QCOMPARE(material->text(), QString("mylar"));
    d.Type("txtEnergy", "500");
    QCOMPARE(material->text(), QString("mylar"));

    // A slot picked by hand makes the target no longer mylar.
    d.Choose(d.Element(1), QStringLiteral("N"));
    QCOMPARE(material->text(), QString());
    d.ScrollBar()->setValue(1);
    d.ScrollBar()->setValue(2);
    QCOMPARE(material->text(), QString());

    // Data sets take their text along when one before them is removed; Reset forgets it.
    d.ScrollBar()->setValue(1);
    d.Run("mnuAdd");
    EnterMaterial(d, QStringLiteral("water"));
    d.ScrollBar()->setValue(2);
    d.Run("mnuRemove");
    QCOMPARE(d.Label("lblDataset1")->text(), QString("2 of 2"));
    QCOMPARE(material->text(), QString("water"));
    d.Run("mnuAdd");  // in the record the removal emptied
    QCOMPARE(d.Label("lblDataset1")->text(), QString("3 of 3"));
    QCOMPARE(material->text(), QString());
    d.window->resetDataSets();
    QCOMPARE(material->text(), QString());
}

QTEST_MAIN(MainWindowStaleResultsTest)
#include "main_window_stale_results_test.moc"
