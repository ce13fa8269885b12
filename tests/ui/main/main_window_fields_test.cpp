// Start-up of the main window and the editing of the ion and target fields.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>

#include "messages/Message.h"
#include "support/MainWindowDriver.h"
#include "ui/main/StartUp.h"

using fenra::MainWindowDriver;

namespace {

// A translation of the database's sentences, as a .qm file would give: the places looked in and
// the reason a file is no database, each a template with its values.
class DatabaseSentences : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QByteArray s(source);
        if (QByteArray(context) == "Fenra32" && s == "%1 (%2)") return QStringLiteral("%1 [%2]");
        if (QByteArray(context) != fenra::kMessageContext) return {};
        if (s == "beside the program") return QStringLiteral("à côté du programme");
        if (s == "installed data folder") return QStringLiteral("dossier des données");
        if (s == "\"%1\" is not an element database: %2")
            return QStringLiteral("« %1 » n'est pas une base d'éléments : %2");
        if (s == "it is not an SQLite database file.")
            return QStringLiteral("ce n'est pas un fichier SQLite.");
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

class MainWindowFieldsTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpState();
    void startUpCaptionsAndGrid();
    void missingDatabaseIsReportedWithItsPath();
    void databaseFailureIsTranslatedWhole();
    void energyIsStoredAtEveryKeyRelease();
    void rangeAndMassValueRules();
    void enterMovesTheFocus();
    void ratioSlotsFillInOrder();
    void ionChoiceStoresSymbolNumberAndDefaultMass();
    void focusSelectsTheWholeText();
    void editsWithoutAKeyAreStored();
    void rangeFieldSaysItIsTheCurvesDepth();
};

void MainWindowFieldsTest::startUpState() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const auto& s = d.state;
    const std::string first = d.db.ListElementSymbols().front();
    const fenra::ElementRecord* rec = d.db.FindElementBySymbol(first);
    QVERIFY(rec != nullptr);

    QCOMPARE(s.DataSetCount, 1);
    QCOMPARE(s.CurrentDataSet, 1);
    QCOMPARE(d.window->childWindows().nextCurveSlot(), 1);
    QVERIFY(!s.AppPath.empty());
    QVERIFY(s.AppPath.back() == '/' || s.AppPath.back() == '\\');
    const fenra::DataSet& ds = s.DataSets[1];
    QCOMPARE(ds.IonName, first);
    QCOMPARE(ds.IonMass, std::stof(rec->DefaultMass));
    QCOMPARE(ds.IonEnergy, 1000.0f);
    QCOMPARE(ds.Range, 100000.0f);
    QCOMPARE(ds.ElementCount, 1);
    QCOMPARE(ds.TargetRatio[1], 0.0f);
    for (int j = 1; j <= 10; ++j) QCOMPARE(ds.TargetElement[j], first);
    QCOMPARE(s.DataSets[2].IonName, std::string());

    QCOMPARE(d.Field("txtEnergy")->text(), QString("1000"));
    QCOMPARE(d.Field("txtRange")->text(), QString("100000"));
    QCOMPARE(d.Field("txtIonMass")->text(), QString::fromStdString(rec->DefaultMass));
    QCOMPARE(d.Label("lblZNum")->text(), QString::number(rec->AtomNum));
    QCOMPARE(d.Label("lblDataset0")->text().remove('&'), QString("Data set"));
    QCOMPARE(d.Label("lblDataset1")->text(), QString("1 of 1"));
    QCOMPARE(d.List("DBCbIon")->currentText(), QString::fromStdString(first));
    QCOMPARE(d.List("DBCbIon")->count(), static_cast<int>(d.db.ListElementSymbols().size()));
    for (int j = 1; j <= 10; ++j) {
        QCOMPARE(d.Ratio(j)->text(), QString());
        QCOMPARE(d.Element(j)->currentIndex(), 0);
        QCOMPARE(d.Element(j)->count(), d.List("DBCbIon")->count());
    }
    QCOMPARE(d.ScrollBar()->minimum(), 1);
    QCOMPARE(d.ScrollBar()->maximum(), 1);
    QCOMPARE(d.ScrollBar()->value(), 1);

    // Grid row 1 before any Calculate: the inputs, no composition, no result.
    QCOMPARE(d.Cell(1, 0), QString::fromStdString(first));
    QCOMPARE(d.Cell(1, 1), QString::fromStdString(rec->DefaultMass));
    QCOMPARE(d.Cell(1, 2), QString("1000"));
    QCOMPARE(d.Cell(1, 3), QString());
    QCOMPARE(d.Cell(1, 4), QString());
    QCOMPARE(d.Cell(2, 0), QString());
    QVERIFY(d.platform.messages.empty());
    QCOMPARE(d.platform.beeps, 0);
}

void MainWindowFieldsTest::startUpCaptionsAndGrid() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QCOMPARE(d.window->windowTitle(), QString("Fenra32 v1.1"));
    QCOMPARE(d.window->width(), 500);   // 7500 twips
    QCOMPARE(d.window->height(), 467);  // 7000 twips

    const std::vector<std::pair<const char*, const char*>> captions = {
        {"lblelement", "Ion"},        {"lblAtomNum1", "Atomic"},
        {"lblAtomNum2", "Number"},    {"lblMass", "Mass"},
        {"lblEnergy1", "Ion energy"}, {"lblEnergy2", "(keV)"},
        {"lblRange1", "Range"},       {"lblRange2", "(1e15 atom/cm2)"},
        {"lblUnit", "Unit"},          {"lblTName", "Target"},
        {"lblComp", "Ratio"},
    };
    // The captions as shown: a mnemonic's "&" only underlines its letter.
    for (const auto& [name, text] : captions)
        QCOMPARE(d.Label(name)->text().remove('&'), QString(text));
    for (int k = 0; k < 10; ++k)
        QCOMPARE(d.Label(QString("lblTarget%1").arg(k))->text(), QString::number(k + 1));
    QCOMPARE(d.Child<QPushButton>("cmdReset")->text(), QString("Reset"));
    QCOMPARE(d.Child<QGroupBox>("FraRes")->title(), QString("Result"));

    QComboBox* unit = d.List("cbUnit");
    QCOMPARE(unit->count(), 4);
    const QStringList units = {"eV/(1e15/cm2)", "keV/mg/cm2", "ev/A", "keV/um"};
    for (int k = 0; k < 4; ++k) QCOMPARE(unit->itemText(k), units[k]);
    QCOMPARE(unit->currentIndex(), 0);

    QTableView* grid = d.Grid();
    QCOMPARE(grid->model()->columnCount(), 5);
    QCOMPARE(grid->model()->rowCount(), 100);
    const QStringList headings = {" Ion", "   Mass", " E (keV)", "     Target",
                                  "     Stopping power"};
    const int widths[] = {27, 53, 53, 80, 133};  // 400, 800, 800, 1200, 2000 twips at least
    const QFontMetrics header(grid->horizontalHeader()->font());
    for (int c = 0; c < 5; ++c) {
        QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), headings[c]);
        QVERIFY(grid->columnWidth(c) >= widths[c]);
        QVERIFY(grid->columnWidth(c) > header.horizontalAdvance(headings[c]));
        QCOMPARE(grid->model()->index(0, c).data(Qt::TextAlignmentRole).toInt() &
                     Qt::AlignHorizontal_Mask,
                 static_cast<int>(Qt::AlignLeft));
    }
}

void MainWindowFieldsTest::missingDatabaseIsReportedWithItsPath() {
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    fenra::ScriptedPlatform platform;
    QVERIFY(!fenra::OpenDatabaseForStartUp(platform, empty.path()).has_value());
    QCOMPARE(platform.messages.size(), std::size_t{1});
    QCOMPARE(platform.messages[0].title, QString("Fenra32"));
    // Every place looked in, in order, and how to name another file.
    const QString installed = QDir::cleanPath(empty.path() + "/../share/fenra32/Fenra32.mdb");
    QCOMPARE(platform.messages[0].text,
             "The element database could not be opened:\n" + empty.path() +
                 "/Fenra32.mdb (beside the program)\n" + installed +
                 " (installed data folder)\n\nFenra32 cannot start without it.\n\n"
                 "Fenra32.mdb is in none of these places; the environment variable FENRA32_DB "
                 "can name the database file.");

    // A file that is there but no database: its path and the reason.
    platform.clearRecords();
    QFile junk(empty.path() + "/Fenra32.mdb");
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a database");
    junk.close();
    QVERIFY(!fenra::OpenDatabaseForStartUp(platform, empty.path()).has_value());
    QCOMPARE(platform.messages.size(), std::size_t{1});
    const QString junkPath = empty.path() + "/Fenra32.mdb";
    QCOMPARE(platform.messages[0].text,
             "The element database could not be opened:\n" + junkPath +
                 "\n\nFenra32 cannot start without it.\n\n\"" + junkPath +
                 "\" is not an element database: it is not an SQLite database file.");

    // The program's own directory, with or without its trailing separator.
    platform.clearRecords();
    QVERIFY(fenra::OpenDatabaseForStartUp(platform, FENRA_BIN_DIR).has_value());
    QVERIFY(fenra::OpenDatabaseForStartUp(platform, FENRA_BIN_DIR "/").has_value());
    QVERIFY(platform.messages.empty());
}

void MainWindowFieldsTest::databaseFailureIsTranslatedWhole() {
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    DatabaseSentences french;
    QVERIFY(QCoreApplication::installTranslator(&french));
    fenra::ScriptedPlatform platform;
    QVERIFY(!fenra::OpenDatabaseForStartUp(platform, empty.path()).has_value());
    const QString installed = QDir::cleanPath(empty.path() + "/../share/fenra32/Fenra32.mdb");
    QVERIFY(platform.messages.size() == 1);
    QVERIFY2(
        platform.messages[0].text.contains(empty.path() + "/Fenra32.mdb [à côté du programme]\n" +
                                           installed + " [dossier des données]\n"),
        qPrintable(platform.messages[0].text));

    platform.clearRecords();
    const QString junkPath = empty.path() + "/Fenra32.mdb";
    QFile junk(junkPath);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a database");
    junk.close();
    QVERIFY(!fenra::OpenDatabaseForStartUp(platform, empty.path()).has_value());
    QVERIFY(platform.messages.size() == 1);
    QVERIFY2(platform.messages[0].text.endsWith("\n\n« " + junkPath +
                                                " » n'est pas une base d'éléments : ce n'est pas "
                                                "un fichier SQLite."),
             qPrintable(platform.messages[0].text));
    QCoreApplication::removeTranslator(&french);
}

void MainWindowFieldsTest::energyIsStoredAtEveryKeyRelease() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QLineEdit* energy = d.Field("txtEnergy");
    energy->setFocus(Qt::TabFocusReason);
    const float expected[] = {2, 20, 200, 2000};
    const QString keys = "2000";
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(energy, keys[k].toLatin1());
        QCOMPARE(d.state.DataSets[1].IonEnergy, expected[k]);
    }
    QCOMPARE(energy->text(), QString("2000"));
    d.Type(energy, "2e3");
    QCOMPARE(d.state.DataSets[1].IonEnergy, 2000.0f);
    d.Type(energy, "abc");
    QCOMPARE(d.state.DataSets[1].IonEnergy, 0.0f);
    // A number beyond a Single is not a number a Single field can hold: it reads as 0, as it
    // does from a target file, never as an infinity.
    d.Type(energy, "1e60");
    QCOMPARE(d.state.DataSets[1].IonEnergy, 0.0f);
    // A key that changes nothing still stores the present text.
    d.Type(energy, "750");
    d.state.DataSets[1].IonEnergy = 5;
    QTest::keyClick(energy, Qt::Key_Left);
    QCOMPARE(d.state.DataSets[1].IonEnergy, 750.0f);
}

void MainWindowFieldsTest::rangeAndMassValueRules() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type("txtRange", "12abc");
    QCOMPARE(d.state.DataSets[1].Range, 12.0f);
    d.Type("txtRange", "1 500");
    QCOMPARE(d.state.DataSets[1].Range, 1500.0f);

    QLineEdit* mass = d.Field("txtIonMass");
    d.Type(mass, "3.016");
    QCOMPARE(d.state.DataSets[1].IonMass, 3.016f);
    // Half-typed texts are no mass (0) until they form a number as a whole.
    d.Type(mass, "1e");
    QCOMPARE(d.state.DataSets[1].IonMass, 0.0f);
    QTest::keyClick(mass, '2');
    QCOMPARE(d.state.DataSets[1].IonMass, 100.0f);
    d.Type(mass, "12abc");
    QCOMPARE(d.state.DataSets[1].IonMass, 0.0f);
    // A change from code (no key) is stored too.
    mass->setText("7.5");
    QCOMPARE(d.state.DataSets[1].IonMass, 7.5f);
}

void MainWindowFieldsTest::enterMovesTheFocus() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QLineEdit* mass = d.Field("txtIonMass");
    QLineEdit* energy = d.Field("txtEnergy");
    QLineEdit* range = d.Field("txtRange");
    mass->setFocus(Qt::TabFocusReason);
    QTest::keyClick(mass, Qt::Key_Return);
    QVERIFY(energy->hasFocus());
    QCOMPARE(energy->selectedText(), QString("1000"));
    QTest::keyClick(energy, Qt::Key_Return);
    QVERIFY(range->hasFocus());
    QTest::keyClick(range, Qt::Key_Return);
    QVERIFY(range->hasFocus());
    QCOMPARE(range->text(), QString("100000"));
    QCOMPARE(d.state.DataSets[1].Range, 100000.0f);
}

void MainWindowFieldsTest::ratioSlotsFillInOrder() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const fenra::DataSet& ds = d.state.DataSets[1];
    // Slot 3 with one slot counted: emptied at once, nothing stored.
    d.Type(d.Ratio(3), "4");
    QCOMPARE(d.Ratio(3)->text(), QString());
    QCOMPARE(ds.ElementCount, 1);
    QCOMPARE(ds.TargetRatio[3], 0.0f);
    // Slot 1 is counted already: its ratio is stored, the count stays.
    d.Type(d.Ratio(1), "2");
    QCOMPARE(ds.ElementCount, 1);
    QCOMPARE(ds.TargetRatio[1], 2.0f);
    // Choosing an element in slot 2 stores it without counting the slot.
    d.Choose(d.Element(2), "O");
    QCOMPARE(ds.TargetElement[2], std::string("O"));
    QCOMPARE(ds.ElementCount, 1);
    // The next free slot is counted when a ratio is typed into it.
    d.Type(d.Ratio(2), ".5");
    QCOMPARE(ds.ElementCount, 2);
    QCOMPARE(ds.TargetRatio[2], 0.5f);
    // Emptying the last counted slot keeps it counted, with ratio 0.
    QTest::keyClick(d.Ratio(2), Qt::Key_End);
    QTest::keyClick(d.Ratio(2), Qt::Key_Backspace);
    QTest::keyClick(d.Ratio(2), Qt::Key_Backspace);
    QCOMPARE(d.Ratio(2)->text(), QString());
    QCOMPARE(ds.ElementCount, 2);
    QCOMPARE(ds.TargetRatio[2], 0.0f);
    d.Type(d.Ratio(3), "1");
    QCOMPARE(ds.ElementCount, 3);

    // Tabbing through the next free slot does not count it: the Tab is pressed in the
    // element list before it and released in the ratio field, which it only passes through.
    d.Element(4)->setFocus(Qt::TabFocusReason);
    QTest::keyPress(d.Element(4), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.Ratio(4)));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(ds.ElementCount, 3);
    // The same for the Enter that moves from the mass field into the energy field: it stores
    // nothing there.
    d.state.DataSets[1].IonEnergy = 5;
    QTest::keyPress(d.Field("txtIonMass"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.Field("txtEnergy")));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(ds.IonEnergy, 5.0f);
}

void MainWindowFieldsTest::ionChoiceStoresSymbolNumberAndDefaultMass() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const fenra::ElementRecord* he = d.db.FindElementBySymbol("He");
    const fenra::ElementRecord* li = d.db.FindElementBySymbol("Li");
    QVERIFY(he && li);
    d.Choose(d.List("DBCbIon"), "He");
    QCOMPARE(d.state.DataSets[1].IonName, std::string("He"));
    QCOMPARE(d.Label("lblZNum")->text(), QString("2"));
    QCOMPARE(d.Field("txtIonMass")->text(), QString::fromStdString(he->DefaultMass));
    QCOMPARE(d.state.DataSets[1].IonMass, std::stof(he->DefaultMass));
    // A typed isotope mass is replaced by the next ion's default mass.
    d.Type("txtIonMass", "3.016");
    QCOMPARE(d.state.DataSets[1].IonMass, 3.016f);
    d.Choose(d.List("DBCbIon"), "Li");
    QCOMPARE(d.state.DataSets[1].IonName, std::string("Li"));
    QCOMPARE(d.Label("lblZNum")->text(), QString("3"));
    QCOMPARE(d.state.DataSets[1].IonMass, std::stof(li->DefaultMass));
}

void MainWindowFieldsTest::focusSelectsTheWholeText() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "12.5");
    for (const char* name : {"txtIonMass", "txtEnergy", "txtRange", "txtTComp1"}) {
        QLineEdit* field = d.Field(name);
        d.Child<QPushButton>("cmdReset")->setFocus();  // somewhere else first
        field->setFocus(Qt::TabFocusReason);
        QCOMPARE(field->selectedText(), field->text());
        QCOMPARE(field->selectionStart(), 0);
    }
    // A click into a field that has no focus selects all too, wherever the click lands.
    QLineEdit* range = d.Field("txtRange");
    d.Child<QPushButton>("cmdReset")->setFocus();
    QTest::mouseClick(range, Qt::LeftButton, {}, QPoint(range->width() / 2, range->height() / 2));
    QVERIFY(range->hasFocus());
    QCOMPARE(range->selectedText(), QString("100000"));
    // A second click in the focused field places the cursor as usual.
    QTest::mouseClick(range, Qt::LeftButton, {}, QPoint(range->width() - 3, range->height() / 2));
    QVERIFY(!range->hasSelectedText());
    // Typing after the focusing click replaces the value.
    d.Child<QPushButton>("cmdReset")->setFocus();
    QTest::mouseClick(range, Qt::LeftButton, {}, QPoint(5, range->height() / 2));
    QTest::keyClicks(range, "250");
    QCOMPARE(d.state.DataSets[1].Range, 250.0f);
}

// Pasting from the context menu or by the middle button, deleting from the context menu and
// undoing change a field without any key: the value shown must still reach the data set.
void MainWindowFieldsTest::editsWithoutAKeyAreStored() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const fenra::DataSet& ds = d.state.DataSets[1];
    QLineEdit* energy = d.Field("txtEnergy");
    QApplication::clipboard()->setText("2500");
    energy->selectAll();
    energy->paste();
    QCOMPARE(energy->text(), QString("2500"));
    QCOMPARE(ds.IonEnergy, 2500.0f);
    energy->undo();
    QCOMPARE(energy->text(), QString("1000"));
    QCOMPARE(ds.IonEnergy, 1000.0f);

    QLineEdit* range = d.Field("txtRange");
    range->selectAll();
    range->del();
    QCOMPARE(ds.Range, 0.0f);

    // The ratio slots keep their rule: the next free slot is counted, one beyond is emptied.
    QApplication::clipboard()->setText("3");
    d.Ratio(2)->paste();
    QCOMPARE(ds.ElementCount, 2);
    QCOMPARE(ds.TargetRatio[2], 3.0f);
    d.Ratio(4)->paste();
    QCOMPARE(d.Ratio(4)->text(), QString());
    QCOMPARE(ds.ElementCount, 2);
    QCOMPARE(ds.TargetRatio[4], 0.0f);

    // A typed key is still stored once, on its release, not already when it is pressed.
    energy->setFocus(Qt::TabFocusReason);
    QTest::keyPress(energy, '7');
    QCOMPARE(energy->text(), QString("7"));
    QCOMPARE(ds.IonEnergy, 1000.0f);
    QTest::keyRelease(energy, '7');
    QCOMPARE(ds.IonEnergy, 7.0f);
}

// "Range" is the depth the curves follow the ion through: its tooltip and status text say so,
// also to the keyboard's user, and a warning on its text comes before the tooltip, not instead.
void MainWindowFieldsTest::rangeFieldSaysItIsTheCurvesDepth() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QLineEdit* range = d.Field("txtRange");
    const QString tip = QStringLiteral(
        "Range: the depth, in 1E15 atoms/cm2, over which the curves follow the ion (not the "
        "ion's range)");
    QCOMPARE(range->toolTip(), tip);
    QCOMPARE(range->statusTip(), tip);
    d.Field("txtEnergy")->setFocus(Qt::TabFocusReason);
    range->setFocus(Qt::TabFocusReason);
    QCOMPARE(d.window->statusBar()->currentMessage(), tip);

    d.Type(range, "12abc");
    QCOMPARE(range->toolTip(), QString("Range: \"12abc\" read as 12\n") + tip);
    d.Type(range, "100");
    QCOMPARE(range->toolTip(), tip);
}

QTEST_MAIN(MainWindowFieldsTest)
#include "main_window_fields_test.moc"
