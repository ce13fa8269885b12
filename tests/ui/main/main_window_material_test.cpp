// The materials field beside the target slots and the element lists: a typed formula or name
// fills the target as picking the elements and typing the ratios would; typing a symbol into a
// list selects it.

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

#include "elements/ElementNames.h"
#include "materials/MaterialTarget.h"
#include "support/MainWindowDriver.h"
#include "ui/main/ElementList.h"
#include "ui/messages/WindowMessages.h"

using fenra::MainWindowDriver;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The list of named materials the window reads: the one beside the database.
const fenra::MaterialList& Materials(const fenra::ElementDatabase& db) {
    static const fenra::MaterialList list = fenra::MaterialList::LoadBeside(db);
    return list;
}

void EnterMaterial(const MainWindowDriver& d, const QString& text) {
    QLineEdit* field = d.Field(QStringLiteral("txtMaterial"));
    d.Type(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// Every slot of the target, in the form the target file and the calculation read them.
void CompareTargets(const fenra::DataSet& a, const fenra::DataSet& b) {
    QCOMPARE(a.ElementCount, b.ElementCount);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        QCOMPARE(a.TargetElement[j], b.TargetElement[j]);
        QCOMPARE(a.TargetRatio[j], b.TargetRatio[j]);
    }
}

QByteArray SavedTarget(MainWindowDriver& d, const QString& path) {
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuTSave");
    return ReadAll(path);
}

}  // namespace

class MainWindowMaterialTest : public QObject {
    Q_OBJECT

  private slots:
    void formulaFillsAsPickingByHand();
    void nameReplacesALongerTarget();
    void unreadableTextChangesNothing();
    void moreThanTenElementsAreRefused();
    void withoutTheMaterialListFormulasStillWork();
    void listsShowNameAndNumber();
    void typingASymbolSelectsIt();

  private:
    QTemporaryDir dir_;
};

void MainWindowMaterialTest::formulaFillsAsPickingByHand() {
    MainWindowDriver typed(FENRA_TEST_DATABASE);
    typed.Enter("He", nullptr, "2000", {});
    EnterMaterial(typed, QStringLiteral(" H2O "));
    MainWindowDriver picked(FENRA_TEST_DATABASE);
    picked.Enter("He", nullptr, "2000", {{"H", "2"}, {"O", "1"}});

    CompareTargets(typed.state.Current(), picked.state.Current());
    QCOMPARE(fenra::ChosenSymbol(typed.Element(2)), QString("O"));
    QCOMPARE(typed.Ratio(1)->text(), QString("2"));
    QCOMPARE(typed.Ratio(2)->text(), QString("1"));
    QCOMPARE(typed.Ratio(3)->text(), QString());
    QCOMPARE(SavedTarget(typed, dir_.filePath("typed.fta")),
             SavedTarget(picked, dir_.filePath("picked.fta")));
    QVERIFY(!ReadAll(dir_.filePath("typed.fta")).isEmpty());

    typed.Run("mnuCal");
    picked.Run("mnuCal");
    for (int col = 0; col < 5; ++col) QCOMPARE(typed.Cell(1, col), picked.Cell(1, col));
    QVERIFY(!typed.Cell(1, 4).isEmpty());
    QCOMPARE(typed.state.Current().StopEvAtoms, picked.state.Current().StopEvAtoms);
}

void MainWindowMaterialTest::nameReplacesALongerTarget() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", nullptr, "1000", {{"Si", "1"}, {"O", "2"}, {"Al", "3"}, {"Au", "4"}});
    fenra::DataSet expected = d.state.Current();
    QVERIFY(fenra::FillTargetFromMaterial(expected, "mylar", d.db, Materials(d.db)).filled);
    EnterMaterial(d, QStringLiteral("Mylar"));
    CompareTargets(d.state.Current(), expected);
    QCOMPARE(d.state.Current().ElementCount, int16_t(3));
    QCOMPARE(d.Ratio(4)->text(), QString());  // the former fourth slot is gone
    QVERIFY(d.platform.messages.empty());
    QVERIFY(d.window->statusBar()->currentMessage().contains(
        QString::fromStdString(fenra::TargetMaterialText(expected))));
}

void MainWindowMaterialTest::unreadableTextChangesNothing() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", nullptr, "1000", {{"Si", "1"}, {"O", "2"}});
    const QByteArray before = SavedTarget(d, dir_.filePath("before.fta"));
    for (const char* text : {"H2Xx", "H2(O", "unobtainium"}) {
        d.platform.clearRecords();
        fenra::DataSet copy = d.state.Current();
        const fenra::TargetFill core =
            fenra::FillTargetFromMaterial(copy, text, d.db, Materials(d.db));
        QVERIFY(!core.filled);
        EnterMaterial(d, QString::fromLatin1(text));
        QCOMPARE(d.platform.messages.size(), std::size_t(1));
        QCOMPARE(d.platform.messages[0].text,
                 fenra::MaterialNotReadMessage(QString::fromLatin1(text), core.message));
        QVERIFY(d.platform.messages[0].text.contains(
            QString::fromStdString(fenra::Words(core.message))));
        QCOMPARE(SavedTarget(d, dir_.filePath("after.fta")), before);
        QCOMPARE(d.Field(QStringLiteral("txtMaterial"))->text(), QString::fromLatin1(text));
    }
    d.platform.clearRecords();
    d.Field(QStringLiteral("txtMaterial"))->clear();
    QTest::keyClick(d.Field(QStringLiteral("txtMaterial")), Qt::Key_Return);
    QVERIFY(d.platform.messages.empty());
    QCOMPARE(SavedTarget(d, dir_.filePath("after.fta")), before);
}

void MainWindowMaterialTest::moreThanTenElementsAreRefused() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", nullptr, "1000", {{"C", "1"}});
    const fenra::DataSet before = d.state.Current();
    const char* const eleven = "HHeLiBeBCNOFNeNa";
    EnterMaterial(d, QString::fromLatin1(eleven));
    QCOMPARE(d.platform.messages.size(), std::size_t(1));
    fenra::DataSet copy = before;
    const fenra::TargetFill core =
        fenra::FillTargetFromMaterial(copy, eleven, d.db, Materials(d.db));
    QVERIFY(!core.filled);
    QCOMPARE(d.platform.messages[0].text,
             fenra::MaterialNotReadMessage(QString::fromLatin1(eleven), core.message));
    CompareTargets(d.state.Current(), before);
    QCOMPARE(fenra::ChosenSymbol(d.Element(1)), QString("C"));
}

void MainWindowMaterialTest::withoutTheMaterialListFormulasStillWork() {
    // A database without materials.csv beside it.
    const QString db = dir_.filePath("alone/Fenra32.mdb");
    QVERIFY(QDir().mkpath(dir_.filePath("alone")));
    QVERIFY(QFile::copy(QString::fromLatin1(FENRA_TEST_DATABASE), db));
    MainWindowDriver d(db.toStdString());
    QString listFailure;
    try {
        (void)fenra::MaterialList::LoadBeside(d.db);
    } catch (const std::exception& e) {
        listFailure = QString::fromStdString(e.what());
    }
    QVERIFY(!listFailure.isEmpty());
    fenra::DataSet copy = d.state.Current();
    const fenra::TargetFill core =
        fenra::FillTargetFromMaterial(copy, "mylar", d.db, fenra::MaterialList());
    EnterMaterial(d, QStringLiteral("mylar"));
    QCOMPARE(d.platform.messages.size(), std::size_t(1));
    QCOMPARE(d.platform.messages[0].text,
             fenra::MaterialNotReadMessage("mylar", core.message, listFailure));
    EnterMaterial(d, QStringLiteral("SiO2"));
    QCOMPARE(d.platform.messages.size(), std::size_t(1));
    QCOMPARE(d.state.Current().ElementCount, int16_t(2));
    QCOMPARE(d.state.Current().TargetRatio[2], 2.0f);
}

void MainWindowMaterialTest::listsShowNameAndNumber() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    for (QComboBox* list : {d.List(QStringLiteral("DBCbIon")), d.Element(1), d.Element(10)}) {
        QCOMPARE(list->count(), int(d.db.Elements().size()));
        const int si = list->findData(QStringLiteral("Si"));
        QCOMPARE(si, 13);
        QCOMPARE(list->itemData(si, fenra::kElementEntryTextRole).toString(),
                 QString("Si  Silicon (14)"));
        QCOMPARE(list->itemText(si), QString("Si"));  // the closed list shows the symbol
        QCOMPARE(list->itemData(91, fenra::kElementEntryTextRole).toString(),
                 QString("U  Uranium (92)"));
    }
}

void MainWindowMaterialTest::typingASymbolSelectsIt() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QComboBox* slot = d.Element(1);
    slot->setFocus(Qt::TabFocusReason);
    // "S" is sulfur, although silicon comes first in the table and begins with S too.
    QTest::keyClicks(slot, QStringLiteral("S"));
    QCOMPARE(fenra::ChosenSymbol(slot), QString("S"));
    QCOMPARE(d.state.Current().TargetElement[1], std::string("S"));
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(slot, QStringLiteral("si"));
    QCOMPARE(fenra::ChosenSymbol(slot), QString("Si"));
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(slot, QStringLiteral("Jq"));  // no such symbol: the choice stays
    QCOMPARE(fenra::ChosenSymbol(slot), QString("Si"));

    QComboBox* ion = d.List(QStringLiteral("DBCbIon"));
    ion->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(ion, QStringLiteral("He"));
    QCOMPARE(d.state.Current().IonName, std::string("He"));
    QCOMPARE(d.Field(QStringLiteral("txtIonMass"))->text(),
             QString::fromStdString(d.db.FindElementBySymbol("He")->DefaultMass));
    QCOMPARE(d.Label(QStringLiteral("lblZNum"))->text(), QString("2"));
}

QTEST_MAIN(MainWindowMaterialTest)
#include "main_window_material_test.moc"
