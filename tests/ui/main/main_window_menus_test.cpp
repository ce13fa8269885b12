// The menus and the toolbar of the main window: their items in order, and the commands they
// share.

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "state/CurveKind.h"
#include "support/MainWindowDriver.h"

using fenra::MainWindowDriver;

namespace {
// A menu text as shown, without its mnemonic mark (main_window_keys_test checks the marks).
QString Plain(QString text) {
    return text.remove(QLatin1Char('&'));
}
}  // namespace

class MainWindowMenusTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpMenus();
    void toolbarPositionsRunTheirMenuCommands();
    void menuAndToolbarShareTheirCommands();
    void aWalkTurnsOffEveryCommandThatUsesTheDataSets();
    void curveCommandsAreOneGroupWithTheirKinds();
};

void MainWindowMenusTest::startUpMenus() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    // Menu bar: File, Calculate, Curve, Help; the File, Curve and Help items in order.
    const QList<QAction*> bar = d.window->menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(Plain(bar[0]->text()), QString("File"));
    QCOMPARE(bar[1]->objectName(), QString("mnuCal"));
    QCOMPARE(Plain(bar[1]->text()), QString("Calculate"));
    QCOMPARE(Plain(bar[2]->text()), QString("Curve"));
    QCOMPARE(Plain(bar[3]->text()), QString("Help"));
    auto itemsOf = [&](const char* menu) {
        QStringList out;
        for (QAction* a : d.Child<QMenu>(menu)->actions())
            out << a->objectName() + "=" + Plain(a->text());
        return out;
    };
    QCOMPARE(itemsOf("mnuFile"),
             QStringList({"mnuAdd=Add target", "mnuRemove=Remove target", "mnuTOpen=Open target",
                          "mnuRecent=Recent targets", "mnutxtOpen=Open Text",
                          "mnuTSave=Save target", "mnuRSave=Save result",
                          "mnuExport=Export results…", "mnuRPrint=Print result", "mnuExit=Exit"}));
    QCOMPARE(
        itemsOf("mnuCurve"),
        QStringList({"mnuDepthStop=Depth vs dE/dx", "mnuDepthEnergy=Depth vs Energy",
                     "mnuEnergyStop=Energy vs dE/dx", "=", "mnuRangeLayers=Range and layers…"}));
    QCOMPARE(itemsOf("mnuHelp"), QStringList({"mnuAbout=About Fenra32"}));
}

void MainWindowMenusTest::toolbarPositionsRunTheirMenuCommands() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const QList<QAction*> buttons = d.Child<QToolBar>("Toolbar1")->actions();
    QCOMPARE(buttons.size(), 12);
    const QStringList tips = {"Add target (Ctrl+Shift+N)",
                              "Remove target (Ctrl+Shift+Del)",
                              "",
                              "Open target file (Ctrl+O)",
                              "Save target file (Ctrl+S)",
                              "Open text file",
                              "",
                              "Calculate (F5)",
                              "Depth vs dE/dx curve (Ctrl+1)",
                              "Depth vs Energy curve (Ctrl+2)",
                              "Energy vs dE/dx curve (Ctrl+3)",
                              "Range and layers: stopping, range and the energy through a stack of "
                              "layers"};
    for (int k = 0; k < 12; ++k) {
        const bool separator = k == 2 || k == 6;
        QCOMPARE(buttons[k]->isSeparator(), separator);
        if (!separator) {
            QCOMPARE(buttons[k]->toolTip(), tips[k]);
            const QWidget* button = d.Child<QToolBar>("Toolbar1")->widgetForAction(buttons[k]);
            QVERIFY(!qobject_cast<const QToolButton*>(button)->icon().isNull());
        }
    }

    buttons[0]->trigger();  // Add target
    QCOMPARE(d.state.DataSetCount, 2);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("2 of 2"));
    buttons[1]->trigger();  // Remove target
    QCOMPARE(d.state.DataSetCount, 1);
    buttons[3]->trigger();  // Open target file: the script cancels
    buttons[4]->trigger();  // Save target file: refused, no ratio in slot 1
    buttons[5]->trigger();  // Open text file: cancelled
    QCOMPARE(
        d.platform.events,
        std::vector<QString>({"open:Open target", "message:Target is empty.", "open:Open text"}));
    d.Type(d.Ratio(1), "1");
    buttons[7]->trigger();  // Calculate
    QCOMPARE(d.Cell(1, 3), QString::fromStdString(d.state.DataSets[1].IonName + "1"));
    QVERIFY(d.state.DataSets[1].StopEvAtoms > 0);

    // Turned off, the buttons do nothing, as their menu commands.
    d.window->setCommandsEnabled(false);
    QVERIFY(!buttons[0]->isEnabled());
    buttons[0]->trigger();
    QCOMPARE(d.state.DataSetCount, 1);
    d.window->setCommandsEnabled(true);
    buttons[0]->trigger();
    QCOMPARE(d.state.DataSetCount, 2);
}

void MainWindowMenusTest::menuAndToolbarShareTheirCommands() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const QStringList commands = {"mnuAdd",
                                  "mnuRemove",
                                  "",
                                  "mnuTOpen",
                                  "mnuTSave",
                                  "mnutxtOpen",
                                  "",
                                  "mnuCal",
                                  "mnuDepthStop",
                                  "mnuDepthEnergy",
                                  "mnuEnergyStop",
                                  "mnuRangeLayers"};
    for (int position = 1; position <= 12; ++position) {
        const QString name = commands[position - 1];
        if (name.isEmpty()) continue;
        QCOMPARE(d.ToolbarButton(position), d.Command(name));
    }
    // Every toolbar command is also in a menu or on the menu bar: no action of its own.
    const QList<QAction*> onToolbar = d.Child<QToolBar>("Toolbar1")->actions();
    int shared = 0;
    for (const char* menu : {"mnuFile", "mnuCurve", "mnuHelp"})
        for (QAction* a : d.Child<QMenu>(menu)->actions()) shared += onToolbar.contains(a) ? 1 : 0;
    QCOMPARE(shared, 9);
    QVERIFY(d.window->menuBar()->actions().contains(d.Command("mnuCal")));
    // The menus show no toolbar icons.
    QVERIFY(!d.Command("mnuAdd")->isIconVisibleInMenu());
    // The menu bar shows Calculate as text; its toolbar button keeps an icon through the
    // action's changes.
    QVERIFY(d.Command("mnuCal")->icon().isNull());
    auto* calculate = qobject_cast<QToolButton*>(
        d.Child<QToolBar>("Toolbar1")->widgetForAction(d.Command("mnuCal")));
    d.window->setCommandsEnabled(false);
    d.window->setCommandsEnabled(true);
    QVERIFY(!calculate->icon().isNull());
}

// The rule, not a list: every command of the menus and the toolbar reads or changes the data
// sets and is off while a curve walk runs; only the commands that look (About, Copy, Select
// all) stay on.
void MainWindowMenusTest::aWalkTurnsOffEveryCommandThatUsesTheDataSets() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const QStringList stayOn = {"mnuAbout", "mnuCopy", "mnuSelectAll"};
    QList<QAction*> commands = d.Child<QToolBar>("Toolbar1")->actions();
    for (const char* menu : {"mnuFile", "mnuCurve", "mnuHelp"})
        commands += d.Child<QMenu>(menu)->actions();
    commands += d.window->menuBar()->actions();
    commands += d.window->actions();
    d.window->setCommandsEnabled(false);
    int off = 0;
    for (QAction* a : commands) {
        if (a->isSeparator() || a->menu() != nullptr) continue;
        const bool on = stayOn.contains(a->objectName());
        QVERIFY2(a->isEnabled() == on, qPrintable(a->objectName()));
        off += on ? 0 : 1;
    }
    QVERIFY(off >= 14);
    QVERIFY(!d.Child<QMenu>("mnuFile")->isEnabled());
    QVERIFY(!d.Child<QMenu>("mnuCurve")->isEnabled());
    d.window->setCommandsEnabled(true);
    for (QAction* a : commands) QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
}

void MainWindowMenusTest::curveCommandsAreOneGroupWithTheirKinds() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    const struct {
        const char* name;
        fenra::CurveKind kind;
    } curves[] = {{"mnuDepthStop", fenra::CurveKind::DepthStop},
                  {"mnuDepthEnergy", fenra::CurveKind::DepthEnergy},
                  {"mnuEnergyStop", fenra::CurveKind::EnergyStop}};
    QActionGroup* group = d.Command("mnuDepthStop")->actionGroup();
    QVERIFY(group != nullptr);
    QCOMPARE(group->actions().size(), 3);
    for (const auto& c : curves) {
        QAction* a = d.Command(c.name);
        QCOMPARE(a->actionGroup(), group);
        QCOMPARE(a->data().toInt(), static_cast<int>(c.kind));
        QVERIFY(!a->isCheckable());  // commands, not choices
    }
    QVERIFY(d.Command("mnuCal")->actionGroup() == nullptr);
}

QTEST_MAIN(MainWindowMenusTest)
#include "main_window_menus_test.moc"
