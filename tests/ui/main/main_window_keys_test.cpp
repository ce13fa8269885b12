// The main window from the keyboard and through a screen reader: each shortcut runs its
// command, every menu and command has a mnemonic of its own, Tab walks the fields in reading
// order, and every control has a name.

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QToolBar>
#include <QWheelEvent>
#include <QtTest>

#include "support/AccessibilityCheck.h"
#include "support/MainWindowDriver.h"

using fenra::MainWindowDriver;

namespace {

// The letter after the single "&" of a text; empty when there is none or more than one.
QString Mnemonic(const QString& text) {
    static const QRegularExpression one(QStringLiteral("^[^&]*&([^&])[^&]*$"));
    const QRegularExpressionMatch m = one.match(text);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

QString SpokenName(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The names of the labels a control is labelled by.
QStringList LabelledBy(QWidget* control) {
    QStringList names;
    const auto relations =
        QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
    for (const auto& [label, relation] : relations) names << label->text(QAccessible::Name);
    return names;
}

}  // namespace

class MainWindowKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void shortcutsRunTheirCommands();
    void calculateRunsFromAFieldWithCtrlReturn();
    void quitClosesTheWindow();
    void menusShowTheKeys();
    void everyMenuAndCommandHasItsOwnMnemonic();
    void tabWalksTheFieldsInReadingOrder();
    void everyCaptionLeadsToItsField();
    void dataSetBarShowsItsFocus();
    void everyControlHasAName();
};

void MainWindowKeysTest::shortcutsRunTheirCommands() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QWidget* w = d.window.get();
    QTest::keyClick(w, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(d.state.DataSetCount, 2);
    QTest::keyClick(w, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(d.state.DataSetCount, 1);

    d.platform.clearRecords();
    QTest::keyClick(w, Qt::Key_O, Qt::ControlModifier);  // the dialog is cancelled
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);  // ratio 1 is empty: refused
    QTest::keyClick(w, Qt::Key_P, Qt::ControlModifier);  // nothing calculated: refused
    QTest::keyClick(w, Qt::Key_F1);
    QCOMPARE(d.platform.events,
             std::vector<QString>({"open:Open target", "message:Target is empty.",
                                   "message:No calculation was made.", "about:About Fenra32"}));

    for (auto [key, command] :
         {std::pair{Qt::Key_1, "mnuDepthStop"}, std::pair{Qt::Key_2, "mnuDepthEnergy"},
          std::pair{Qt::Key_3, "mnuEnergyStop"}}) {
        QSignalSpy ran(d.Command(command), &QAction::triggered);
        QTest::keyClick(w, key, Qt::ControlModifier);
        QCOMPARE(ran.count(), 1);
    }
}

void MainWindowKeysTest::calculateRunsFromAFieldWithCtrlReturn() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    QCOMPARE(d.Cell(1, 4), QString());
    QTest::keyClick(d.Ratio(1), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!d.Cell(1, 4).isEmpty());
    QCOMPARE(d.Ratio(1)->text(), QString("1"));  // the field kept its text

    d.Run("mnuAdd");
    d.Type(d.Ratio(1), "1");
    QTest::keyClick(d.window.get(), Qt::Key_F5);
    QVERIFY(!d.Cell(2, 4).isEmpty());

    // Calculate sits on the menu bar: its mnemonic runs it.
    QSignalSpy ran(d.Command("mnuCal"), &QAction::triggered);
    QTest::keyClick(d.window.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(ran.count(), 1);
    QVERIFY(d.platform.messages.empty());
}

void MainWindowKeysTest::quitClosesTheWindow() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QVERIFY(d.window->isVisible());
    QTest::keyClick(d.window.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!d.window->isVisible());
}

void MainWindowKeysTest::menusShowTheKeys() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QStringList keys;
    for (QAction* a : d.window->findChildren<QAction*>()) {
        if (a->shortcut().isEmpty()) continue;
        QStringList all;
        for (const QKeySequence& k : a->shortcuts()) all << k.toString();
        keys << a->objectName() + "=" + all.join(" ");
    }
    keys.sort();
    QCOMPARE(keys,
             QStringList({"mnuAbout=F1", "mnuAdd=Ctrl+Shift+N", "mnuCal=F5 Ctrl+Return Ctrl+Enter",
                          "mnuCopy=Ctrl+C", "mnuDepthEnergy=Ctrl+2", "mnuDepthStop=Ctrl+1",
                          "mnuEnergyStop=Ctrl+3", "mnuExit=Ctrl+Q", "mnuRPrint=Ctrl+P",
                          "mnuRemove=Ctrl+Shift+Del", "mnuTOpen=Ctrl+O", "mnuTSave=Ctrl+S"}));
}

void MainWindowKeysTest::everyMenuAndCommandHasItsOwnMnemonic() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    // The menu bar, then each menu: within one, every item has one mnemonic, none twice.
    std::vector<QList<QAction*>> levels = {d.window->menuBar()->actions()};
    for (QMenu* menu : d.window->findChildren<QMenu*>()) {
        if (menu->objectName() != "mnuRecent") levels.push_back(menu->actions());
    }
    QCOMPARE(levels.size(), std::size_t{5});  // bar, File, Recent targets' parent, Curve, Help
    for (const QList<QAction*>& items : levels) {
        QStringList seen;
        for (QAction* a : items) {
            if (a->isSeparator()) continue;
            const QString letter = Mnemonic(a->text());
            QVERIFY2(!letter.isEmpty(), qPrintable(a->text()));
            QVERIFY2(!seen.contains(letter), qPrintable(a->text()));
            seen << letter;
        }
    }
    QCOMPARE(d.Command("mnuCal")->text(), QString("&Calculate"));
    QCOMPARE(d.Child<QMenu>("mnuFile")->title(), QString("&File"));
}

void MainWindowKeysTest::tabWalksTheFieldsInReadingOrder() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.List("DBCbIon")->setFocus(Qt::TabFocusReason);
    QStringList walked = {QApplication::focusWidget()->objectName()};
    // The grid holds a current cell: Tab still leaves it, for the next round.
    d.Grid()->setCurrentIndex(d.Grid()->model()->index(0, 1));
    for (int k = 0; k < 29; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    QStringList want = {"DBCbIon", "txtIonMass", "txtEnergy", "txtRange", "HscrolData", "cmdReset"};
    for (int j = 1; j <= 10; ++j)
        want << QString("DBCbTEl%1").arg(j) << QString("txtTComp%1").arg(j);
    want << "txtMaterial"
         << "cbUnit"
         << "GridResult"
         << "DBCbIon";
    QCOMPARE(walked, want);
    // Backwards the same way.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("GridResult"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("cbUnit"));

    // The data set bar moves between data sets from the keyboard.
    d.Run("mnuAdd");
    d.ScrollBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.ScrollBar(), Qt::Key_Left);
    QCOMPARE(d.state.CurrentDataSet, 1);
    QTest::keyClick(d.ScrollBar(), Qt::Key_Right);
    QCOMPARE(d.state.CurrentDataSet, 2);
    // The wheel keeps its way round: down is the next data set.
    d.ScrollBar()->setValue(1);
    const QPointF at(5, 5);
    QWheelEvent down(at, d.ScrollBar()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(d.ScrollBar(), &down);
    QCOMPARE(d.state.CurrentDataSet, 2);
}

// Every caption names its field to a screen reader and, with its underlined letter, takes the
// focus there (Alt+M: the material); no two letters of the window are the same.
void MainWindowKeysTest::everyCaptionLeadsToItsField() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const struct {
        const char* label;
        const char* letter;  // empty: no key of its own
        const char* field;
    } captions[] = {
        {"lblelement", "i", "DBCbIon"},     {"lblMass", "a", "txtIonMass"},
        {"lblEnergy1", "e", "txtEnergy"},   {"lblRange1", "r", "txtRange"},
        {"lblDataset0", "d", "HscrolData"}, {"lblTName", "t", "DBCbTEl1"},
        {"lblComp", "o", "txtTComp1"},      {"lblTName_2", "", "DBCbTEl6"},
        {"lblComp_2", "", "txtTComp6"},     {"lblMaterial", "m", "txtMaterial"},
        {"lblUnit", "n", "cbUnit"},         {"lblTarget0", "", "DBCbTEl1"},
        {"lblTarget9", "", "DBCbTEl10"},
    };
    QStringList letters;
    for (QAction* a : d.window->menuBar()->actions()) letters << Mnemonic(a->text());
    for (const auto& c : captions) {
        QLabel* label = d.Label(c.label);
        QVERIFY2(label != nullptr, c.label);
        QVERIFY2(label->buddy() != nullptr, c.label);
        QCOMPARE(label->buddy()->objectName(), QString(c.field));
        QCOMPARE(Mnemonic(label->text()), QString(c.letter));
        if (*c.letter == 0) continue;
        QVERIFY2(!letters.contains(c.letter), c.label);
        letters << c.letter;
    }
    // Every label with a letter has a field to go to, and is in the table above.
    for (QLabel* label : d.window->findChildren<QLabel*>()) {
        if (!label->text().contains('&')) continue;
        QVERIFY2(label->buddy() != nullptr, qPrintable(label->objectName()));
        QVERIFY2(std::any_of(std::begin(captions), std::end(captions),
                             [label](const auto& c) { return label->objectName() == c.label; }),
                 qPrintable(label->objectName()));
    }

    d.Field("txtEnergy")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.window.get(), Qt::Key_M, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtMaterial"));
    QTest::keyClick(d.window.get(), Qt::Key_R, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtRange"));
    QTest::keyClick(d.window.get(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("cbUnit"));
}

// The data set bar draws a focus frame while it has the focus, and none without.
void MainWindowKeysTest::dataSetBarShowsItsFocus() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Field("txtEnergy")->setFocus(Qt::TabFocusReason);
    const QImage without = d.ScrollBar()->grab().toImage();
    d.ScrollBar()->setFocus(Qt::TabFocusReason);
    QVERIFY(d.ScrollBar()->hasFocus());
    const QImage with = d.ScrollBar()->grab().toImage();
    QVERIFY(with != without);
    d.Field("txtEnergy")->setFocus(Qt::TabFocusReason);
    QCOMPARE(d.ScrollBar()->grab().toImage(), without);
}

void MainWindowKeysTest::everyControlHasAName() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const fenra::AccessibilityReport report = fenra::CheckAccessibleNames(d.window.get());
    QCOMPARE(report.unnamed, QStringList());
    // 26 fields and lists, the Reset button, the results and 9 toolbar buttons at least.
    QVERIFY2(report.controlsSeen >= 37, qPrintable(QString::number(report.controlsSeen)));

    QCOMPARE(SpokenName(d.Field("txtEnergy")), QString("Ion energy (keV)"));
    QCOMPARE(SpokenName(d.Field("txtRange")), QString("Range (1e15 atom/cm2)"));
    QCOMPARE(SpokenName(d.Field("txtIonMass")), QString("Mass"));
    QCOMPARE(SpokenName(d.Ratio(3)), QString("Ratio 3"));
    // A list's name on Linux is its current entry; its caption comes as the label it is
    // labelled by, as screen readers there read it.
    QCOMPARE(LabelledBy(d.Element(3)), QStringList({"Target 3"}));
    QCOMPARE(d.Element(3)->accessibleName(), QString("Target 3"));
    QCOMPARE(LabelledBy(d.List("DBCbIon")), QStringList({"Ion"}));
    QCOMPARE(LabelledBy(d.List("cbUnit")), QStringList({"Unit"}));
    QCOMPARE(LabelledBy(d.Field("txtEnergy")), QStringList({"Ion energy"}));
    QCOMPARE(SpokenName(d.ScrollBar()), QString("Data set"));
    QCOMPARE(SpokenName(d.Grid()), QString("Result"));
    QCOMPARE(d.Grid()->accessibleDescription(),
             QString("Ion, Mass, E (keV), Target, Stopping power"));
    auto* bar = d.Child<QToolBar>("Toolbar1");
    QCOMPARE(SpokenName(bar->widgetForAction(d.Command("mnuCal"))), QString("Calculate"));
    QCOMPARE(SpokenName(bar->widgetForAction(d.Command("mnuTOpen"))), QString("Open target"));

    // Every control, also those Qt adds and shows only at times, hidden ones too.
    const fenra::AccessibilityReport all = fenra::CheckAccessibleNames(d.window.get(), true);
    QCOMPARE(all.unnamed, QStringList());
    auto* more = bar->findChild<QWidget*>("qt_toolbar_ext_button");
    QVERIFY(more != nullptr);
    QCOMPARE(SpokenName(more), QString("More commands"));
    // A window too narrow for the tool bar shows the button; it is read with its name.
    d.window->resize(120, d.window->height());
    QCoreApplication::processEvents();
    const fenra::AccessibilityReport narrow = fenra::CheckAccessibleNames(d.window.get());
    QCOMPARE(narrow.unnamed, QStringList());
}

QTEST_MAIN(MainWindowKeysTest)
#include "main_window_keys_test.moc"
