// Moving between data sets, and Add target, Remove target and Reset, driven through the window.

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "state/NumberText.h"
#include "support/MainWindowDriver.h"

using fenra::MainWindowDriver;

namespace {

// Four data sets told apart by their energies 1000, 2000, 3000, 4000 keV and their ions.
void EnterFourDataSets(MainWindowDriver& d) {
    d.Enter("H", nullptr, "1000", {{"Si", "1"}});
    const char* ions[] = {"He", "Li", "C"};
    const char* energies[] = {"2000", "3000", "4000"};
    for (int k = 0; k < 3; ++k) {
        d.Run("mnuAdd");
        d.Enter(ions[k], nullptr, energies[k], {{"Si", "1"}});
    }
}

}  // namespace

class MainWindowDataSetsTest : public QObject {
    Q_OBJECT

  private slots:
    void scrollBarShowsEachDataSet();
    void dataSetKeepsItsOwnMass();
    void shownMassIsStoredAsItsText();
    void slotsAboveTheCountShowTheFirstElement();
    void addUpToHundredThenRefuse();
    void removeInTheMiddle();
    void removeTheLast();
    void removeTheOnlyDataSetResets();
    void resetStartsAfresh();
};

void MainWindowDataSetsTest::scrollBarShowsEachDataSet() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterFourDataSets(d);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("4 of 4"));
    QCOMPARE(d.ScrollBar()->maximum(), 4);

    d.ScrollBar()->setValue(2);
    QCOMPARE(d.state.CurrentDataSet, 2);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("2 of 4"));
    QCOMPARE(d.List("DBCbIon")->currentText(), QString("He"));
    QCOMPARE(d.Label("lblZNum")->text(), QString("2"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("2000"));
    QCOMPARE(d.Field("txtRange")->text(), QString("100000"));
    QCOMPARE(d.Element(1)->currentText(), QString("Si"));
    QCOMPARE(d.Ratio(1)->text(), QString("1"));

    // An edit goes into the data set shown, and no other.
    d.Type("txtRange", "5000");
    d.ScrollBar()->setValue(3);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("3 of 4"));
    QCOMPARE(d.List("DBCbIon")->currentText(), QString("Li"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("3000"));
    QCOMPARE(d.Field("txtRange")->text(), QString("100000"));
    QCOMPARE(d.state.DataSets[2].Range, 5000.0f);
    QCOMPARE(d.state.DataSets[2].IonEnergy, 2000.0f);
    QCOMPARE(d.state.DataSets[3].Range, 100000.0f);
}

void MainWindowDataSetsTest::dataSetKeepsItsOwnMass() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const fenra::ElementRecord* he = d.db.FindElementBySymbol("He");
    d.Choose(d.List("DBCbIon"), "He");
    d.Type("txtIonMass", "3.016");
    d.Run("mnuAdd");
    // A new data set has mass 1.008, not hydrogen's default mass.
    QCOMPARE(d.Field("txtIonMass")->text(), QString("1.008"));
    QCOMPARE(d.state.DataSets[2].IonMass, 1.008f);
    d.ScrollBar()->setValue(1);
    QCOMPARE(d.Field("txtIonMass")->text(), QString("3.016"));
    QCOMPARE(d.state.DataSets[1].IonMass, 3.016f);
    QCOMPARE(d.state.DataSets[1].IonName, std::string("He"));
    QVERIFY(QString::fromStdString(he->DefaultMass) != QString("3.016"));
    d.ScrollBar()->setValue(2);
    QCOMPARE(d.state.DataSets[2].IonMass, 1.008f);
    QCOMPARE(d.state.DataSets[1].IonMass, 3.016f);
}

// The mass field stores the text it shows, so a mass of more than 7 significant digits becomes
// its 7-digit value once its data set is shown, also when that text is the element's default
// mass (which the ion choice has just put into the field, so the text does not change).
void MainWindowDataSetsTest::shownMassIsStoredAsItsText() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const fenra::ElementRecord* h = d.db.FindElementBySymbol("H");
    QVERIFY(h != nullptr);
    const std::string shown = h->DefaultMass;  // 1.0078
    const std::string longer = shown + "004";  // 1.0078004: the same 7 digits
    QVERIFY(std::stof(longer) != std::stof(shown));
    // Masses are compared as Doubles: QCOMPARE of two Singles allows for rounding and would
    // take neighbouring Singles for equal.
    const std::string other = "2.01410178";  // 2.014102, not a default mass
    QTemporaryDir dir;
    const QString path = dir.filePath("masses.fta");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString("H  " + longer + "  1000  100000  Si1\r\n" + "H  " +
                                          other + "  1000  100000  Si1\r\n" + "H  " + longer +
                                          "  2000  100000  Si1\r\n"));
    }
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuTOpen");
    // Data set 3 is shown; 1 and 2 are not shown yet and hold the masses as read.
    QCOMPARE(d.Field("txtIonMass")->text(), QString::fromStdString(shown));
    QCOMPARE(double(d.state.DataSets[3].IonMass), double(std::stof(shown)));
    QCOMPARE(double(d.state.DataSets[1].IonMass), double(std::stof(longer)));
    QCOMPARE(double(d.state.DataSets[2].IonMass), double(std::stof(other)));

    // Calculate shows every data set before calculating it.
    d.Run("mnuCal");
    QCOMPARE(double(d.state.DataSets[1].IonMass), double(std::stof(shown)));
    QCOMPARE(double(d.state.DataSets[2].IonMass), double(std::stof("2.014102")));
    QCOMPARE(d.Cell(1, 1), QString::fromStdString(shown));
}

void MainWindowDataSetsTest::slotsAboveTheCountShowTheFirstElement() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const std::string first = d.db.ListElementSymbols().front();
    d.Type(d.Ratio(1), "1");
    d.Choose(d.Element(1), "Si");
    d.Choose(d.Element(2), "O");  // chosen but not counted
    d.Run("mnuAdd");
    d.ScrollBar()->setValue(1);
    QCOMPARE(d.Element(1)->currentText(), QString("Si"));
    QCOMPARE(d.Element(2)->currentIndex(), 0);
    QCOMPARE(d.Ratio(2)->text(), QString());
    QCOMPARE(d.state.DataSets[1].TargetElement[2], first);
    QCOMPARE(d.state.DataSets[1].ElementCount, 1);
}

void MainWindowDataSetsTest::addUpToHundredThenRefuse() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    for (int k = 0; k < 99; ++k) d.Run("mnuAdd");
    QVERIFY(d.platform.messages.empty());
    QCOMPARE(d.state.DataSetCount, 100);
    QCOMPARE(d.state.CurrentDataSet, 100);
    QCOMPARE(d.ScrollBar()->maximum(), 100);
    QCOMPARE(d.ScrollBar()->value(), 100);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("100 of 100"));
    const fenra::DataSet& last = d.state.DataSets[100];
    QCOMPARE(last.IonName, std::string("H"));
    QCOMPARE(last.IonMass, 1.008f);
    QCOMPARE(last.IonEnergy, 1000.0f);
    QCOMPARE(last.Range, 100000.0f);
    QCOMPARE(last.ElementCount, 1);
    QCOMPARE(last.TargetElement[1], std::string("H"));
    QCOMPARE(last.TargetRatio[1], 1.0f);
    QCOMPARE(d.List("DBCbIon")->currentText(), QString("H"));
    QCOMPARE(d.Field("txtIonMass")->text(), QString("1.008"));
    QCOMPARE(d.Ratio(1)->text(), QString("1"));

    d.Run("mnuAdd");
    QCOMPARE(d.platform.messages.size(), std::size_t{1});
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QCOMPARE(d.platform.messages[0].text, QString("Number of target can't exceed 100"));
    QCOMPARE(d.state.DataSetCount, 100);
    QCOMPARE(d.state.CurrentDataSet, 100);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("100 of 100"));
}

void MainWindowDataSetsTest::removeInTheMiddle() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterFourDataSets(d);
    d.Run("mnuCal");
    const fenra::DataSet third = d.state.DataSets[3];
    const fenra::DataSet fourth = d.state.DataSets[4];
    QVERIFY(third.StopEvAtoms > 0 && fourth.StopEvAtoms > 0);
    const QString gridRow4 = d.Cell(4, 4);

    d.ScrollBar()->setValue(2);
    d.Run("mnuRemove");
    QCOMPARE(d.state.DataSetCount, 3);
    QCOMPARE(d.state.CurrentDataSet, 2);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("2 of 3"));
    QCOMPARE(d.ScrollBar()->maximum(), 3);
    QCOMPARE(d.state.DataSets[2].IonName, std::string("Li"));
    QCOMPARE(d.state.DataSets[2].IonEnergy, 3000.0f);
    QCOMPARE(d.state.DataSets[2].StopEvAtoms, third.StopEvAtoms);
    QCOMPARE(d.state.DataSets[2].TargetName, third.TargetName);
    QCOMPARE(d.state.DataSets[3].IonName, std::string("C"));
    QCOMPARE(d.state.DataSets[3].StopKevMg, fourth.StopKevMg);
    QCOMPARE(d.List("DBCbIon")->currentText(), QString("Li"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("3000"));
    const fenra::DataSet& emptied = d.state.DataSets[4];
    QCOMPARE(emptied.IonName, std::string());
    QCOMPARE(emptied.TargetName, std::string());
    QCOMPARE(emptied.IonEnergy, 0.0f);
    QCOMPARE(emptied.StopEvAtoms, 0.0f);
    QCOMPARE(emptied.ElementCount, 0);
    QCOMPARE(emptied.TargetElement[1], std::string());
    QCOMPARE(emptied.TargetRatio[1], 0.0f);
    // Each grid row shows its own data set; the row past the last one is empty.
    QCOMPARE(d.Cell(2, 0), QString("Li"));
    QCOMPARE(d.Cell(2, 4), QString::fromStdString(fenra::GeneralText(third.StopEvAtoms)));
    QCOMPARE(d.Cell(3, 0), QString("C"));
    QCOMPARE(d.Cell(3, 4), gridRow4);
    for (int c = 0; c < 5; ++c) QCOMPARE(d.Cell(4, c), QString());
}

void MainWindowDataSetsTest::removeTheLast() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterFourDataSets(d);
    d.Run("mnuRemove");
    QCOMPARE(d.state.DataSetCount, 3);
    QCOMPARE(d.state.CurrentDataSet, 3);
    QCOMPARE(d.ScrollBar()->value(), 3);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("3 of 3"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("3000"));
    QCOMPARE(d.state.DataSets[4].IonName, std::string());
}

void MainWindowDataSetsTest::removeTheOnlyDataSetResets() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("He", "3.016", "2500", {{"Si", "1"}, {"O", "2"}});
    d.Run("mnuCal");
    QVERIFY(d.state.DataSets[1].StopEvAtoms > 0);
    d.Run("mnuRemove");
    QCOMPARE(d.state.DataSetCount, 1);
    QCOMPARE(d.state.DataSets[1].StopEvAtoms, 0.0f);
    QCOMPARE(d.state.DataSets[1].IonEnergy, 1000.0f);
    QCOMPARE(d.state.DataSets[1].ElementCount, 1);
    QCOMPARE(d.Ratio(2)->text(), QString());
    QCOMPARE(d.Cell(1, 3), QString());
}

void MainWindowDataSetsTest::resetStartsAfresh() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const std::string first = d.db.ListElementSymbols().front();
    const fenra::ElementRecord* rec = d.db.FindElementBySymbol(first);
    // The first ion stays chosen but its mass is typed over: Reset must still restore it.
    d.Type("txtIonMass", "5");
    d.Type("txtRange", "700");
    d.Type(d.Ratio(1), "1");
    d.Choose(d.Element(1), "Si");
    d.Choose(d.Element(2), "O");
    d.Type(d.Ratio(2), "2");
    d.Run("mnuAdd");
    d.Run("mnuAdd");
    d.Run("mnuCal");
    QCOMPARE(d.Cell(3, 0), QString("H"));

    d.Child<QPushButton>("cmdReset")->click();
    QCOMPARE(d.state.DataSetCount, 1);
    QCOMPARE(d.state.CurrentDataSet, 1);
    const fenra::DataSet& ds = d.state.DataSets[1];
    QCOMPARE(ds.IonName, first);
    QCOMPARE(ds.IonMass, std::stof(rec->DefaultMass));
    QCOMPARE(ds.IonEnergy, 1000.0f);
    QCOMPARE(ds.Range, 100000.0f);
    QCOMPARE(ds.ElementCount, 1);
    QCOMPARE(ds.TargetRatio[1], 0.0f);
    QCOMPARE(ds.StopEvAtoms, 0.0f);
    QCOMPARE(ds.StopKevUm, 0.0f);
    QCOMPARE(d.state.DataSets[2].IonName, std::string());
    QCOMPARE(d.Field("txtIonMass")->text(), QString::fromStdString(rec->DefaultMass));
    QCOMPARE(d.Field("txtRange")->text(), QString("100000"));
    QCOMPARE(d.Label("lblDataset1")->text(), QString("1 of 1"));
    QCOMPARE(d.ScrollBar()->maximum(), 1);
    for (int j = 1; j <= 10; ++j) {
        QCOMPARE(d.Ratio(j)->text(), QString());
        QCOMPARE(d.Element(j)->currentIndex(), 0);
    }
    // The grid shows the one fresh data set, without a result, and nothing after it.
    QCOMPARE(d.Cell(1, 0), QString::fromStdString(ds.IonName));
    QCOMPARE(d.Cell(1, 2), QString("1000"));
    QCOMPARE(d.Cell(1, 4), QString());
    for (int i = 2; i <= 100; ++i)
        for (int c = 0; c < 5; ++c) QCOMPARE(d.Cell(i, c), QString());
    QCOMPARE(d.Grid()->model()->headerData(0, Qt::Horizontal).toString(), QString(" Ion"));

    d.Run("mnuRSave");
    d.Run("mnuRPrint");
    // The changed data sets were offered for saving first (the script answers Discard).
    QCOMPARE(d.platform.events,
             std::vector<QString>({"ask:Save changes?", "message:No calculation was made.",
                                   "message:No calculation was made."}));
}

QTEST_MAIN(MainWindowDataSetsTest)
#include "main_window_datasets_test.moc"
