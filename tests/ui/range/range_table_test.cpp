// The range window's energy table: it opens from the View menu on the window's ion and
// material, shows what fenra32-calc prints for the same request to the digits shown, in
// logarithmic and linear steps or at typed energies, refuses what it cannot read in its own
// words, copies what it shows and saves the CSV fenra32-calc's numbers make.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "materials/PhysicsError.h"
#include "range/EnergySteps.h"
#include "range/IonTarget.h"
#include "support/BatchRun.h"
#include "support/RangeWindowDriver.h"
#include "ui/range/EnergyTableModel.h"
#include "ui/range/RangeTableView.h"

using namespace range_test;
using fenra::EnergyTableModel;
using Cells = std::vector<std::string>;

namespace {

// The rows of fenra32-calc's CSV output, without the header.
std::vector<Cells> CalcRows(const std::vector<std::string>& args) {
    return fenra::CalcCsvRows(args);
}

// fenra32-calc's `stopping` and `range` rows side by side as the table's columns: energy,
// electronic, nuclear and total stopping, then the range and its straggling in three units.
// The test windows calculate with the classic fit unless a model is chosen, so the commands
// take it too unless the request names one.
std::vector<Cells> CalcTable(const std::vector<std::string>& request, bool perU = false) {
    std::vector<std::string> stopping = {"stopping"}, range = {"range"};
    if (std::find(request.begin(), request.end(), "--model") == request.end()) {
        for (auto* args : {&stopping, &range}) args->insert(args->end(), {"--model", "classic"});
    }
    stopping.insert(stopping.end(), request.begin(), request.end());
    range.insert(range.end(), request.begin(), request.end());
    const std::vector<Cells> s = CalcRows(stopping), r = CalcRows(range);
    if (s.size() != r.size()) qFatal("stopping and range differ in rows");
    std::vector<Cells> rows;
    for (std::size_t k = 0; k < s.size(); ++k) {
        Cells row = {perU ? s[k][1] : r[k][0], s[k][2], s[k][3], s[k][4]};
        row.insert(row.end(), r[k].begin() + 1, r[k].end());
        rows.push_back(row);
    }
    return rows;
}

QString ShownOrEmpty(const std::string& printed) {
    return printed.empty() ? QString() : fenra::ShownNumber(std::stod(printed));
}

struct Table {
    Window t;
    fenra::RangeTableView* view = nullptr;

    Table() {
        t.Child<QAction>("mnuTable")->trigger();
        view = t.w->findChild<fenra::RangeTableView*>();
        if (!view) qFatal("no table view");
        (void)QTest::qWaitForWindowExposed(view);
        QCoreApplication::processEvents();
    }
    template <typename T>
    T* Child(const char* name) const {
        T* child = view->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no child %s", name);
        return child;
    }
    void Type(const char* field, const QString& text) const {
        auto* f = Child<QLineEdit>(field);
        f->clear();
        QTest::keyClicks(f, text);
        QCoreApplication::processEvents();
    }
    void Steps(const QString& from, const QString& to, const QString& steps, bool linear) const {
        Type("txtTableFrom", from);
        Type("txtTableTo", to);
        Type("txtTableSteps", steps);
        Child<QCheckBox>("chkTableLinear")->setChecked(linear);
        QCoreApplication::processEvents();
    }
    const EnergyTableModel& table() const { return view->table(); }
    // The window calculates on the next turn of the event loop, the table on the one after.
    void Settle() const {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // Every cell equals fenra32-calc's number for the same request, as the window shows it.
    // With perU the energy column is fenra32-calc's keV/u.
    void CompareWithCalc(const std::vector<std::string>& request, bool perU = false) const {
        const std::vector<Cells> rows = CalcTable(request, perU);
        QCOMPARE(table().rowCount(), static_cast<int>(rows.size()));
        for (int r = 0; r < table().rowCount(); ++r)
            for (int c = 0; c < EnergyTableModel::ColumnCount; ++c)
                QCOMPARE(
                    table().cellText(r, c),
                    ShownOrEmpty(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    }
};

}  // namespace

class RangeTableTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheWindowsIonAndMaterial();
    void rowsEqualTheCommandLine_data();
    void rowsEqualTheCommandLine();
    void refusals_data();
    void refusals();
    void followsTheWindowsIonModelAndDigits();
    void oneCalculationPerBurstOfKeys();
    void warnsOfSlowRowsOnce();
    void copiesWhatItShows();
    void savesTheCommandLinesNumbersAsCsv();
    void lettersAreNotUsedTwice();
    void takesTheCommandLinesStepsAndCompactRows();
};

void RangeTableTest::opensOnTheWindowsIonAndMaterial() {
    Table x;
    QCOMPARE(x.Child<QLabel>("lblTableIon")->text(),
             QString("Ion He (4.00260 amu), stopping model classic"));
    QCOMPARE(x.Child<QLineEdit>("txtTableMaterial")->text(), QString("Si"));
    QCOMPARE(x.Child<QLineEdit>("txtTableDensity")->text(), QString());
    // 100 keV to 10 MeV in twenty steps of the logarithm.
    QCOMPARE(x.table().rowCount(), 21);
    QCOMPARE(x.table().cellText(0, 0), QString("100.000"));
    QCOMPARE(x.table().cellText(10, 0), QString("1000.00"));
    QCOMPARE(x.table().cellText(20, 0), QString("10000.0"));
    // Only the first energy is as slow as 25 keV/u.
    QCOMPARE(x.view->message(),
             QString("the range straggling of the energy 100 keV: outside the validity of the "
                     "formulas (below 25 keV/u, an ion that nearly stops, or angles beyond 0.2 "
                     "rad); estimates only"));
    // The command again raises the same table.
    x.t.Child<QAction>("mnuTable")->trigger();
    QCOMPARE(x.t.w->findChildren<fenra::RangeTableView*>().size(), 1);
    QCOMPARE(x.table().headerData(EnergyTableModel::SigmaUm, Qt::Horizontal).toString(),
             QString("Range straggling\nµm"));
}

void RangeTableTest::rowsEqualTheCommandLine_data() {
    QTest::addColumn<QString>("unit");  // the table's energy unit
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("linear");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QStringList>("request");
    QTest::newRow("log") << "keV"
                         << "10"
                         << "1e5"
                         << "8" << false << ""
                         << "Si"
                         << QStringList{"He", "Si", "--from", "10", "--to", "1e5", "--steps", "8"};
    QTest::newRow("linear") << "keV"
                            << "0"
                            << "3000"
                            << "6" << true << ""
                            << "mylar"
                            << QStringList{"He",   "mylar",   "--from", "0",       "--to",
                                           "3000", "--steps", "6",      "--linear"};
    // A formula without a density: no lengths.
    QTest::newRow("list") << "keV"
                          << ""
                          << ""
                          << "" << false << " 500, 1000;2500  4e3 0.5"
                          << "C2H4"
                          << QStringList{"He", "C2H4", "500", "1000", "2500", "4e3", "0.5"};
    // From above To: a descending table, as the command line makes it.
    QTest::newRow("descending log")
        << "keV"
        << "5000"
        << "200"
        << "7" << false << ""
        << "Si" << QStringList{"He", "Si", "--from", "5000", "--to", "200", "--steps", "7"};
    QTest::newRow("descending linear")
        << "keV"
        << "3000"
        << "0"
        << "3" << true << ""
        << "Al"
        << QStringList{"He", "Al", "--from", "3000", "--to", "0", "--steps", "3", "--linear"};
    // From equal to To: the one energy on every row.
    QTest::newRow("equal ends") << "keV"
                                << "1000"
                                << "1000"
                                << "2" << false << ""
                                << "Si" << QStringList{"He",   "Si",   "--from",  "1000",
                                                       "--to", "1000", "--steps", "2"};
    // Per u: the energy column is the command line's keV/u, the energies its own.
    QTest::newRow("descending keV/u")
        << "keV/u"
        << "2000"
        << "50"
        << "6" << false << ""
        << "Si"
        << QStringList{"He", "Si", "--from", "2000keV/u", "--to", "50keV/u", "--steps", "6"};
    QTest::newRow("MeV typed over keV/u")
        << "keV/u"
        << "2 MeV"
        << "100"
        << "4" << false << ""
        << "mylar"
        << QStringList{"He", "mylar", "--from", "2MeV", "--to", "100keV/u", "--steps", "4"};
    QTest::newRow("list with units") << "keV"
                                     << ""
                                     << ""
                                     << "" << false << "0.5 MeV, 2000, 3.5MeV"
                                     << "Si" << QStringList{"He", "Si", "500", "2000", "3500"};
}

void RangeTableTest::rowsEqualTheCommandLine() {
    QFETCH(QString, unit);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, steps);
    QFETCH(bool, linear);
    QFETCH(QString, list);
    QFETCH(QString, material);
    QFETCH(QStringList, request);
    Table x;
    x.Type("txtTableMaterial", material);
    auto* units = x.Child<QComboBox>("cboTableEnergyUnit");
    QCOMPARE(units->currentText(), QString("keV"));  // the window's
    units->setCurrentIndex(units->findText(unit));
    const bool perU = unit.endsWith("/u");
    if (list.isEmpty()) {
        x.Steps(from, to, steps, linear);
        QCOMPARE(units->currentText(), from.contains("MeV") ? QString("MeV") : unit);
        if (unit == "keV") {
            const std::vector<double> energies =
                fenra::EnergySteps(from.toDouble(), to.toDouble(), steps.toInt(), linear);
            QCOMPARE(x.table().rows().size(), energies.size());
            for (std::size_t k = 0; k < energies.size(); ++k)
                QCOMPARE(x.table().rows()[k].energy, energies[k]);
        }
        units->setCurrentIndex(units->findText(unit));  // shown in the unit asked for
        QCoreApplication::processEvents();
    } else {
        // Typing into the list chooses it.
        x.Type("txtTableEnergies", list);
        QVERIFY(x.Child<QRadioButton>("optTableList")->isChecked());
        QVERIFY(!x.Child<QCheckBox>("chkTableLinear")->isEnabled());
    }
    std::vector<std::string> args;
    for (const QString& a : request) args.push_back(a.toStdString());
    x.CompareWithCalc(args, perU);
    QVERIFY(x.table().headerData(0, Qt::Horizontal).toString() == "Energy\n" + unit);
    if (material == "C2H4") QCOMPARE(x.table().cellText(0, EnergyTableModel::RangeUm), QString());
}

void RangeTableTest::refusals_data() {
    QTest::addColumn<QStringList>("steps");  // from, to, steps, linear ("1"); empty: the list
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("message");
    QTest::newRow("from not a number")
        << QStringList{"abc", "100", "5", ""} << ""
        << QString::fromUtf8("From is not a number of at least 0 keV: “abc”.");
    QTest::newRow("to below 0") << QStringList{"1", "-5", "5", ""} << ""
                                << QString::fromUtf8("To is not a number of at least 0 keV: “-5”.");
    QTest::newRow("decimal comma")
        << QStringList{"1,5", "100", "5", ""} << ""
        << QString::fromUtf8("From is not a number of at least 0 keV: “1,5”.");
    // The command line's words and bound, the option named by the field.
    const QString steps = QString("Steps \"%1\" is not a whole number from 1 to 100000");
    QTest::newRow("no steps") << QStringList{"1", "100", "0", ""} << "" << steps.arg("0");
    QTest::newRow("too many steps")
        << QStringList{"1", "100", "100001", ""} << "" << steps.arg("100001");
    QTest::newRow("log to 0")
        << QStringList{"100", "0", "5", ""} << ""
        << QString("Logarithmic steps start above 0 keV: check Linear for a table from 0 keV.");
    QTest::newRow("unknown unit") << QStringList{"2 meV", "100", "5", ""} << ""
                                  << QString::fromUtf8(
                                         "From is not a number of at least 0 keV: “2 meV”.");
    QTest::newRow("list unit twice")
        << QStringList{} << "2 MeV keV"
        << QString::fromUtf8("The list holds “keV”, which is not a number of at least 0 keV.");
    QTest::newRow("half a step") << QStringList{"1", "100", "2.5", ""} << "" << steps.arg("2.5");
    QTest::newRow("log from 0")
        << QStringList{"0", "100", "5", ""} << ""
        << QString("Logarithmic steps start above 0 keV: check Linear for a table from 0 keV.");
    QTest::newRow("list word")
        << QStringList{} << "500 x 700"
        << QString::fromUtf8("The list holds “x”, which is not a number of at least 0 keV.");
    QTest::newRow("list negative")
        << QStringList{} << "500 -700"
        << QString::fromUtf8("The list holds “-700”, which is not a number of at least 0 keV.");
    QTest::newRow("empty list")
        << QStringList{} << " , "
        << QString("Type the energies of the list, separated by blanks or commas.");
}

void RangeTableTest::refusals() {
    QFETCH(QStringList, steps);
    QFETCH(QString, list);
    QFETCH(QString, message);
    Table x;
    QVERIFY(x.table().rowCount() > 0);
    if (steps.isEmpty()) {
        x.Type("txtTableEnergies", list);
    } else {
        x.Steps(steps[0], steps[1], steps[2], steps[3] == "1");
    }
    QCOMPARE(x.view->message(), message);
    QCOMPARE(x.table().rowCount(), 0);
    // Nothing to copy or save: the reason, and no dialog.
    x.t.platform.clearRecords();
    x.Child<QPushButton>("cmdTableSave")->click();
    QCOMPARE(x.t.platform.messages.size(), std::size_t(1));
    QCOMPARE(x.t.platform.messages[0].text, "There is no table to save: " + message);
    QVERIFY(x.t.platform.fileDialogs.empty());
}

void RangeTableTest::followsTheWindowsIonModelAndDigits() {
    Table x;
    x.t.Type("txtIon", "p");
    x.Settle();
    QCOMPARE(x.Child<QLabel>("lblTableIon")->text(),
             QString("Ion H (1.00783 amu), stopping model classic"));
    x.CompareWithCalc({"p", "Si", "--from", "100", "--to", "10000", "--steps", "20"});
    x.t.Choose("cboModel", 1);
    x.Settle();
    QVERIFY(x.Child<QLabel>("lblTableIon")->text().endsWith("stopping model modern"));
    x.CompareWithCalc(
        {"--model", "modern", "p", "Si", "--from", "100", "--to", "10000", "--steps", "20"});
    // The table's material is its own: the window's does not change it.
    x.t.Type("txtMaterial", "Au");
    QCOMPARE(x.Child<QLineEdit>("txtTableMaterial")->text(), QString("Si"));
    x.t.w->setSignificantDigits(3);
    QCOMPARE(x.table().cellText(20, 0), QString("1.00e+04"));
    QCOMPARE(x.table().cellText(0, 0), QString("100"));
    // An ion the window cannot read empties the table and says why.
    x.t.Type("txtIon", "Qq");
    x.Settle();
    QCOMPARE(x.table().rowCount(), 0);
    QVERIFY(!x.view->message().isEmpty());
    QCOMPARE(x.Child<QLabel>("lblTableIon")->text(), QString("Ion Qq"));
}

void RangeTableTest::oneCalculationPerBurstOfKeys() {
    Table x;
    const int before = x.view->calculationCount();
    x.Type("txtTableTo", "12345");
    QCOMPARE(x.view->calculationCount(), before + 1);
    QCOMPARE(x.table().cellText(20, 0), QString("12345.0"));
}

void RangeTableTest::warnsOfSlowRowsOnce() {
    Table x;
    // 1, 2.15, 4.64 and 10 keV of helium: the first two below 1 keV/u, all below 25 keV/u.
    x.Steps("1", "10", "3", false);
    QCOMPARE(x.table().rowCount(), 4);
    QCOMPARE(x.view->message(),
             QString("the energy 1 keV is outside the model's 1 keV/u to 2 GeV/u; the result is "
                     "extrapolated (and 1 more)\n"
                     "the range straggling of the energy 1 keV: outside the validity of the "
                     "formulas (below 25 keV/u, an ion that nearly stops, or angles beyond 0.2 "
                     "rad); estimates only (and 3 more)"));
    QVERIFY(!x.table().index(0, EnergyTableModel::SigmaE15).data(Qt::ToolTipRole).isNull());
    QVERIFY(x.table().index(0, EnergyTableModel::RangeE15).data(Qt::ToolTipRole).isNull());
}

void RangeTableTest::copiesWhatItShows() {
    Table x;
    x.Type("txtTableEnergies", "1000 2000");
    x.Child<QPushButton>("cmdTableCopy")->click();
    QString want = QString::fromUtf8(
        "Energy keV\tElectronic eV/(1E15 atoms/cm2)\tNuclear eV/(1E15 atoms/cm2)\t"
        "Total eV/(1E15 atoms/cm2)\tRange 1E15 atoms/cm2\tRange mg/cm2\tRange µm\t"
        "Range straggling 1E15 atoms/cm2\tRange straggling mg/cm2\tRange straggling µm\n");
    for (const Cells& row : CalcTable({"He", "Si", "1000", "2000"})) {
        QStringList cells;
        for (const std::string& c : row) cells << ShownOrEmpty(c);
        want += cells.join('\t') + '\n';
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), want);
    QVERIFY(want.startsWith("Energy keV\t"));
    QVERIFY(want.contains("\n1000.00\t"));
}

void RangeTableTest::savesTheCommandLinesNumbersAsCsv() {
    Table x;
    x.Type("txtTableEnergies", "1000 2000");
    QTemporaryDir dir;
    const QString path = dir.filePath("table.csv");
    x.t.platform.fileAnswers = {path};
    x.Child<QPushButton>("cmdTableSave")->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    std::string want =
        "energy_keV,electronic_eV_e15,nuclear_eV_e15,total_eV_e15,range_e15,range_mg_cm2,"
        "range_um,range_sigma_e15,range_sigma_mg_cm2,range_sigma_um\r\n";
    for (const Cells& row : CalcTable({"He", "Si", "1000", "2000"})) {
        for (std::size_t k = 0; k < row.size(); ++k) want += (k ? "," : "") + row[k];
        want += "\r\n";
    }
    QCOMPARE(file.readAll().toStdString(), want);
    QCOMPARE(x.t.platform.fileDialogs.size(), std::size_t(1));
    QCOMPARE(x.t.platform.fileDialogs[0].settings.title, QString("Save range table"));
    QVERIFY(x.t.platform.messages.empty());
}

void RangeTableTest::lettersAreNotUsedTwice() {
    Table x;
    static const QRegularExpression letter(QStringLiteral("&([^&])"));
    QStringList letters;
    const auto take = [&letters](const QString& text) {
        const QRegularExpressionMatch m = letter.match(text);
        if (!m.hasMatch()) return;
        QVERIFY2(!letters.contains(m.captured(1).toLower()), qPrintable(text));
        letters << m.captured(1).toLower();
    };
    for (QLabel* label : x.view->findChildren<QLabel*>()) {
        if (!label->text().contains('&')) continue;
        QVERIFY2(label->buddy() != nullptr, qPrintable(label->text()));
        take(label->text());
    }
    for (QAbstractButton* b : x.view->findChildren<QAbstractButton*>()) take(b->text());
    QCOMPARE(letters.size(), 9);
    // The window's menus: File, Tools and View.
    letters.clear();
    for (QAction* a : x.t.w->menuBar()->actions()) take(a->text());
    QCOMPARE(letters, QStringList({"f", "t", "v"}));
}

void RangeTableTest::takesTheCommandLinesStepsAndCompactRows() {
    Table x;
    // More than the old 10,000 steps: the command line's bound is 100,000.
    x.Steps("200", "10000", "10001", true);
    QCOMPARE(x.table().rowCount(), 10002);
    QCOMPARE(x.view->message(), QString());
    // Rows about a line of text high.
    auto* view = x.Child<QTableView>("tblEnergyTable");
    QVERIFY2(view->rowHeight(0) <= view->fontMetrics().height() + 8,
             qPrintable(QString::number(view->rowHeight(0))));
    // The table opens in the window's energy unit.
    x.view->close();
    Window t;
    t.Type("txtEnergy", "0.5 MeV/u");
    t.Child<QAction>("mnuTable")->trigger();
    auto* table = t.w->findChild<fenra::RangeTableView*>();
    QCOMPARE(table->findChild<QComboBox*>("cboTableEnergyUnit")->currentText(), QString("MeV/u"));
    // Its opening request stays 100 keV to 10 MeV, shown in MeV/u.
    QCOMPARE(table->findChild<QLineEdit*>("txtTableFrom")->text(), QString("100 keV"));
    QCOMPARE(table->findChild<QLineEdit*>("txtTableTo")->text(), QString("10000 keV"));
    table->calculateNow();
    const double he = fenra::ResolveIon(fenra::Db(), "He").mass;
    QCOMPARE(table->table().rowCount(), 21);
    QCOMPARE(table->table().cellText(0, 0), fenra::ShownNumber(100 / he / 1000));
    QCOMPARE(table->table().cellText(20, 0), fenra::ShownNumber(10000 / he / 1000));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    RangeTableTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "range_table_test.moc"
