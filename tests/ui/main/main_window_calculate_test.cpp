// Calculate and the results grid, driven through the window and checked against the reference
// cases of tests/data/examples (reference.values: the four stopping powers of each case).

#include <QCursor>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <map>

#include "calc/CalculateDataSet.h"
#include "state/NumberText.h"
#include "support/MainWindowDriver.h"
#include "ui/main/CalcReport.h"

using fenra::MainWindowDriver;

namespace {

struct Stopping {
    float evAtoms, kevMg, evA, kevUm;
};

// Reference case number -> its four stopping powers.
std::map<int, Stopping> ReferenceValues() {
    std::map<int, Stopping> out;
    QFile file(FENRA_EXAMPLES_DIR "/reference.values");
    if (!file.open(QIODevice::ReadOnly)) return out;
    file.readLine();  // column names
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().trimmed().split('\t');
        if (f.size() != 5) continue;
        out[f[0].toInt()] = {f[1].toFloat(), f[2].toFloat(), f[3].toFloat(), f[4].toFloat()};
    }
    return out;
}

// The window stores the same Singles as the batch calculator, and 9 significant digits give a
// Single back exactly, so the values must agree to the last bit.
bool SameSingle(double actual, double expected) {
    return actual == expected;
}

#define QCOMPARE_SINGLE(actual, expected)                                                     \
    QVERIFY2(SameSingle((actual), (expected)), qPrintable(QString("%1 is not %2")             \
                                                              .arg(double(actual), 0, 'g', 9) \
                                                              .arg(double(expected), 0, 'g', 9)))

// Reference cases 1 (proton), 7 (helium), 14 (oxygen, a heavy ion) and 15 (oxygen into SiO2).
void EnterReferenceCases(MainWindowDriver& d) {
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("He", "4.0026", "2000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("O", "15.995", "3200", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("O", "15.995", "4000", {{"Si", "1"}, {"O", "2"}});
}

const int kCases[] = {1, 7, 14, 15};

}  // namespace

class MainWindowCalculateTest : public QObject {
    Q_OBJECT

  private slots:
    void protonHeliumHeavyIonAndCompound();
    void dataSetsAreShownInTurnUnderTheHourglass();
    void gridInEveryUnit();
    void lengthUnitsShowADashForCompounds();
    void missingMassTakesTheDatabaseMass();
    void faultyDataSetsAreReportedAndTheOthersGoOn();
    void reportSaysNothingOrNamesTheDataSet();
};

void MainWindowCalculateTest::protonHeliumHeavyIonAndCompound() {
    const std::map<int, Stopping> ref = ReferenceValues();
    QCOMPARE(ref.size(), std::size_t{22});
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterReferenceCases(d);
    d.ScrollBar()->setValue(1);
    d.Run("mnuCal");
    QVERIFY(d.platform.messages.empty());
    QCOMPARE(d.platform.beeps, 0);

    for (int i = 1; i <= 4; ++i) {
        const fenra::DataSet& ds = d.state.DataSets[i];
        const Stopping& r = ref.at(kCases[i - 1]);
        QCOMPARE_SINGLE(ds.StopEvAtoms, r.evAtoms);
        QCOMPARE_SINGLE(ds.StopKevMg, r.kevMg);
        QCOMPARE_SINGLE(ds.StopEvA, r.evA);
        QCOMPARE_SINGLE(ds.StopKevUm, r.kevUm);
    }
    QCOMPARE(d.state.DataSets[1].TargetName, std::string("Si1"));
    QCOMPARE(d.state.DataSets[4].TargetName, std::string("Si1O2"));
    QCOMPARE(d.state.DataSets[4].StopEvA, 0.0f);

    // After Calculate the data set shown before is current and shown again.
    QCOMPARE(d.state.CurrentDataSet, 1);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("1 of 4"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("1000"));

    // One grid row per data set; the stopping in eV/(1e15/cm2) to 7 digits.
    const QStringList ions = {"H", "He", "O", "O"};
    const QStringList masses = {"1.0078", "4.0026", "15.995", "15.995"};
    const QStringList energies = {"1000", "2000", "3200", "4000"};
    const QStringList targets = {"Si1", "Si1", "Si1", "Si1O2"};
    const QStringList stopping = {"8.305599", "48.63163", "338.2783", "267.2688"};
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(d.Cell(i, 0), ions[i - 1]);
        QCOMPARE(d.Cell(i, 1), masses[i - 1]);
        QCOMPARE(d.Cell(i, 2), energies[i - 1]);
        QCOMPARE(d.Cell(i, 3), targets[i - 1]);
        QCOMPARE(d.Cell(i, 4), stopping[i - 1]);
    }
    QCOMPARE(d.Cell(5, 0), QString());
}

void MainWindowCalculateTest::dataSetsAreShownInTurnUnderTheHourglass() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterReferenceCases(d);
    d.ScrollBar()->setValue(2);
    std::vector<int> shown;
    std::vector<bool> hourglass;
    std::vector<QString> energyShown;
    QObject::connect(d.ScrollBar(), &QScrollBar::valueChanged, [&](int v) {
        shown.push_back(v);
        hourglass.push_back(QApplication::overrideCursor() != nullptr &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        energyShown.push_back(d.Field("txtEnergy")->text());
    });
    d.Run("mnuCal");
    QCOMPARE(shown, std::vector<int>({1, 2, 3, 4, 2}));
    QCOMPARE(hourglass, std::vector<bool>({true, true, true, true, true}));
    // The fields show each data set as it is calculated, then the one shown before.
    QCOMPARE(energyShown, std::vector<QString>({"1000", "2000", "3200", "4000", "2000"}));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowCalculateTest::gridInEveryUnit() {
    const std::map<int, Stopping> ref = ReferenceValues();
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("He", "4.0026", "2000", {{"Si", "1"}});
    d.Run("mnuCal");
    QComboBox* unit = d.List("cbUnit");
    // Columns 6, 7 and 8 of reference.Fre, in the grid's general text.
    const QStringList kevMg = {"178.0841", "1042.733"};
    const QStringList evA = {"4.133697", "24.20396"};
    const QStringList kevUm = {"41.33697", "242.0396"};
    unit->setCurrentIndex(1);
    for (int i = 1; i <= 2; ++i) QCOMPARE(d.Cell(i, 4), kevMg[i - 1]);
    unit->setCurrentIndex(2);
    for (int i = 1; i <= 2; ++i) QCOMPARE(d.Cell(i, 4), evA[i - 1]);
    unit->setCurrentIndex(3);
    for (int i = 1; i <= 2; ++i) QCOMPARE(d.Cell(i, 4), kevUm[i - 1]);
    QCOMPARE(unit->currentText(), QString("keV/um"));
    QCOMPARE(d.platform.beeps, 0);
    // A data set added since shows at once, without a result; picking the unit that is
    // already shown refills the grid as well.
    d.Run("mnuAdd");
    QCOMPARE(d.Cell(3, 0), QString("H"));
    QCOMPARE(d.Cell(3, 4), QString());
    emit unit->activated(3);
    QCOMPARE(d.Cell(3, 0), QString("H"));
    QCOMPARE(d.Cell(3, 1), QString("1.008"));
    QCOMPARE(d.Cell(3, 4), QString());  // never calculated: no result
    QCOMPARE(d.platform.beeps, 0);
    d.Run("mnuRemove");
    // Calculate keeps the chosen unit.
    d.Run("mnuCal");
    QCOMPARE(d.Cell(2, 4), kevUm[1]);
    QCOMPARE_SINGLE(d.state.DataSets[2].StopKevUm, ref.at(7).kevUm);
}

void MainWindowCalculateTest::lengthUnitsShowADashForCompounds() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterReferenceCases(d);
    d.Run("mnuCal");
    QComboBox* unit = d.List("cbUnit");
    const QString reason(
        "Data set 4 is a compound: eV/A and keV/um need the atomic density of one element.");
    const QStringList evA = {"4.133697", "24.20396", "168.3611"};
    const QStringList kevUm = {"41.33697", "242.0396", "1683.611"};
    for (int item : {2, 3}) {
        unit->setCurrentIndex(1);
        d.platform.clearRecords();
        unit->setCurrentIndex(item);
        // The unit stays; only the compound's row has no value in it, and says why.
        QCOMPARE(d.platform.beeps, 0);
        QVERIFY(d.platform.messages.empty());
        QCOMPARE(unit->currentIndex(), item);
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(d.Cell(i, 4), (item == 2 ? evA : kevUm)[i - 1]);
            QCOMPARE(d.Grid()->model()->index(i - 1, 4).data(Qt::ToolTipRole).toString(),
                     QString());
        }
        QCOMPARE(d.Cell(4, 4), QString("-"));
        QCOMPARE(d.Grid()->model()->index(3, 4).data(Qt::ToolTipRole).toString(), reason);
        QCOMPARE(d.Cell(4, 3), QString("Si1O2"));
    }
    // Back in a unit a compound has, its value is there again.
    unit->setCurrentIndex(0);
    QCOMPARE(d.Cell(4, 4), QString("267.2688"));
    QCOMPARE(d.Grid()->model()->index(3, 4).data(Qt::ToolTipRole).toString(), QString());
    // A compound not calculated has no result to speak of, in any unit.
    unit->setCurrentIndex(2);
    d.Run("mnuAdd");
    d.Enter("H", "1.0078", "1000", {{"Si", "1"}, {"O", "2"}});
    QCOMPARE(d.Cell(5, 4), QString());
    QCOMPARE(d.Grid()->model()->index(4, 4).data(Qt::ToolTipRole).toString(), QString());
}

void MainWindowCalculateTest::missingMassTakesTheDatabaseMass() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const fenra::ElementRecord* he = d.db.FindElementBySymbol("He");
    d.Enter("He", "0", "2000", {{"Si", "1"}});
    QCOMPARE(d.state.DataSets[1].IonMass, 0.0f);
    d.Run("mnuCal");
    QCOMPARE(d.state.DataSets[1].IonMass, he->MAIW);
    QCOMPARE(d.Cell(1, 1), QString::fromStdString(fenra::GeneralText(he->MAIW)));
    QVERIFY(d.state.DataSets[1].StopEvAtoms > 0);
}

void MainWindowCalculateTest::faultyDataSetsAreReportedAndTheOthersGoOn() {
    QTemporaryDir dir;
    const QString path = dir.filePath("unknown.fta");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "H  1.0078  1000  100000  Si1\r\n"
            "H  1.0078  1000  100000  Xx1\r\n"
            "Qq 1.0078  1000  100000  Si1\r\n"
            "H  1.0078  2000  100000  Si1\r\n");
    }
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuTOpen");
    QCOMPARE(d.state.DataSetCount, 4);
    QVERIFY(d.platform.messages.empty());
    // A symbol not in the table shows as no choice; the data set keeps the symbol.
    d.ScrollBar()->setValue(2);
    QCOMPARE(d.Element(1)->currentIndex(), -1);
    QCOMPARE(d.Ratio(1)->text(), QString("1"));
    QCOMPARE(d.state.DataSets[2].TargetElement[1], std::string("Xx"));
    d.ScrollBar()->setValue(3);
    QCOMPARE(d.List("DBCbIon")->currentIndex(), -1);
    QCOMPARE(d.Label("lblZNum")->text(), QString());
    QCOMPARE(d.state.DataSets[3].IonName, std::string("Qq"));

    d.Run("mnuCal");
    QCOMPARE(d.platform.messages.size(), std::size_t{2});
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QVERIFY(d.platform.messages[0].text.startsWith("Data set 2"));
    QVERIFY(d.platform.messages[0].text.contains("\"Xx\""));
    QVERIFY(d.platform.messages[1].text.startsWith("Data set 3"));
    QVERIFY(d.platform.messages[1].text.contains("\"Qq\""));
    QCOMPARE(d.platform.beeps, 0);
    QVERIFY(d.state.DataSets[1].StopEvAtoms > 0);
    QCOMPARE(d.state.DataSets[2].StopEvAtoms, 0.0f);
    QCOMPARE(d.state.DataSets[3].StopEvAtoms, 0.0f);
    QVERIFY(d.state.DataSets[4].StopEvAtoms > 0);
    QCOMPARE(d.Cell(4, 2), QString("2000"));

    // Ratios below 0 mean nothing: told in words, nothing stored.
    d.Run("mnuAdd");
    d.Enter("H", nullptr, "1000", {{"Si", "1"}, {"O", "-1"}});
    d.platform.clearRecords();
    d.Run("mnuCal");
    QCOMPARE(d.platform.messages.size(), std::size_t{3});
    QCOMPARE(d.platform.messages[2].text,
             QString("Data set 5: the ratio -1 of target 2 is below 0."));
    QVERIFY(std::isfinite(d.state.DataSets[5].StopEvAtoms));
    QCOMPARE(d.state.DataSets[5].StopEvAtoms, 0.0f);
}

fenra::CalcResult Outcome(fenra::CalcOutcome outcome, const char* detail) {
    fenra::CalcResult r;
    r.outcome = outcome;
    r.symbol = detail;
    return r;
}

// Calculate reports nothing for a calculated data set nor for a lone element of ratio 0, and
// a refusal with a message naming the data set, without the bell.
void MainWindowCalculateTest::reportSaysNothingOrNamesTheDataSet() {
    fenra::ScriptedPlatform platform;
    fenra::ReportCalcResult(platform, nullptr, 3, Outcome(fenra::CalcOutcome::RatioZero, ""));
    fenra::ReportCalcResult(platform, nullptr, 3, Outcome(fenra::CalcOutcome::Calculated, ""));
    QVERIFY(platform.events.empty());

    fenra::ReportCalcResult(platform, nullptr, 7, Outcome(fenra::CalcOutcome::NoTargetElement, ""));
    QCOMPARE(platform.beeps, 0);
    QCOMPARE(platform.messages.size(), std::size_t{1});
    QVERIFY(platform.messages[0].text.startsWith("Data set 7"));
    QCOMPARE(platform.messages[0].title, QString("Fenra32"));
}

QTEST_MAIN(MainWindowCalculateTest)
#include "main_window_calculate_test.moc"
