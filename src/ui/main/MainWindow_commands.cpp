// Every command of the main window, made in one place: its designed object name, its text, its
// keys, its toolbar looks, what it runs and whether it stays on while a curve walk runs. The
// menus and the toolbar then only say where each command sits.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "state/CurveKind.h"
#include "ui/main/AboutText.h"
#include "ui/main/CurveCommands.h"
#include "ui/main/DataSetEditor.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsPane.h"
#include "ui/main/TargetDocument.h"

namespace fenra {

namespace {

constexpr int kToolBarIconPixels = 20;

// The text of a command without its mnemonic marks: what a screen reader should speak.
QString PlainText(const QAction* action) {
    QString text = action->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

}  // namespace

// A command being made. The toolbar shows a command with an icon and a longer tip; the menus
// keep its plain text.
class MainWindow::Command {
  public:
    Command(QAction* action, QWidget* window) : action_(action), window_(window) {}

    Command& keys(const QList<QKeySequence>& keys) {
        action_->setShortcuts(keys);
        return *this;
    }
    Command& toolBarLooks(QStyle::StandardPixmap icon, const QString& tip) {
        action_->setIcon(window_->style()->standardIcon(icon));
        action_->setIconVisibleInMenu(false);
        action_->setToolTip(tip);
        return *this;
    }
    Command& statusTip(const QString& tip) {
        action_->setStatusTip(tip);
        return *this;
    }
    template <typename Receiver, typename Slot>
    Command& runs(Receiver* receiver, Slot slot) {
        connect(action_, &QAction::triggered, receiver, slot);
        return *this;
    }
    Command& draws(CurveCommands* curves, fenra::CurveKind kind) {
        curves->addCommand(action_, kind);
        return *this;
    }
    operator QAction*() const { return action_; }

  private:
    QAction* action_;
    QWidget* window_;
};

MainWindow::Command MainWindow::addCommand(const char* name, const QString& text,
                                           DuringWalk duringWalk) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    // The rule: a command that reads or changes the data sets waits for a curve walk to end.
    if (duringWalk == DuringWalk::Off) offDuringWalk_.append(action);
    return Command(action, this);
}

// The commands on the data sets and files.
void MainWindow::createCommands() {
    using K = QKeySequence;
    using S = QStyle;
    constexpr DuringWalk Off = DuringWalk::Off;
    Commands& c = commands_;
    c.addDataSet = addCommand("mnuAdd", tr("&Add target"), Off)
                       .keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_N)})
                       .toolBarLooks(S::SP_FileDialogNewFolder, tr("Add target"))
                       .runs(editor_, &DataSetEditor::addDataSet);
    c.removeDataSet = addCommand("mnuRemove", tr("&Remove target"), Off)
                          .keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)})
                          .toolBarLooks(S::SP_TrashIcon, tr("Remove target"))
                          .runs(editor_, &DataSetEditor::removeDataSet);
    c.openTarget = addCommand("mnuTOpen", tr("&Open target"), Off)
                       .keys({K(K::Open)})
                       .toolBarLooks(S::SP_DialogOpenButton, tr("Open target file"))
                       .runs(document_, &TargetDocument::open);
    c.openText = addCommand("mnutxtOpen", tr("Open &Text"), Off)
                     .toolBarLooks(S::SP_FileDialogDetailedView, tr("Open text file"))
                     .runs(this, &MainWindow::openTextFile);
    c.saveTarget = addCommand("mnuTSave", tr("&Save target"), Off)
                       .keys({K(K::Save)})
                       .toolBarLooks(S::SP_DialogSaveButton, tr("Save target file"))
                       .runs(document_, &TargetDocument::save);
    c.saveResults =
        addCommand("mnuRSave", tr("Save res&ult"), Off).runs(this, &MainWindow::saveResults);
    c.exportResults =
        addCommand("mnuExport", tr("&Export results…"), Off)
            .statusTip(
                tr("Write every data set with all four units to a CSV file for a spreadsheet"))
            .runs(this, &MainWindow::exportResults);
    c.printResults = addCommand("mnuRPrint", tr("&Print result"), Off)
                         .keys({K(K::Print)})
                         .runs(this, &MainWindow::printResults);
    c.exit = addCommand("mnuExit", tr("E&xit"), Off)
                 .keys({K(Qt::CTRL | Qt::Key_Q)})
                 .runs(this, &QWidget::close);
}

// Calculate, the curves, the range window, and the commands that only look.
void MainWindow::createCalculationCommands() {
    using K = QKeySequence;
    using S = QStyle;
    constexpr DuringWalk Off = DuringWalk::Off;
    Commands& c = commands_;
    // Calculate also on Ctrl+Return, the key of "do it" in many forms, so it can be run without
    // leaving a field.
    c.calculate =
        addCommand("mnuCal", tr("&Calculate"), Off)
            .keys({K(Qt::Key_F5), K(Qt::CTRL | Qt::Key_Return), K(Qt::CTRL | Qt::Key_Enter)})
            .runs(this, &MainWindow::calculateAll);
    c.depthStopping = addCommand("mnuDepthStop", tr("&Depth vs dE/dx"), Off)
                          .keys({K(Qt::CTRL | Qt::Key_1)})
                          .toolBarLooks(S::SP_ArrowDown, tr("Depth vs dE/dx curve"))
                          .draws(curves_, fenra::CurveKind::DepthStop);
    c.depthEnergy = addCommand("mnuDepthEnergy", tr("Depth vs &Energy"), Off)
                        .keys({K(Qt::CTRL | Qt::Key_2)})
                        .toolBarLooks(S::SP_ArrowRight, tr("Depth vs Energy curve"))
                        .draws(curves_, fenra::CurveKind::DepthEnergy);
    c.energyStopping = addCommand("mnuEnergyStop", tr("E&nergy vs dE/dx"), Off)
                           .keys({K(Qt::CTRL | Qt::Key_3)})
                           .toolBarLooks(S::SP_FileDialogContentsView, tr("Energy vs dE/dx curve"))
                           .draws(curves_, fenra::CurveKind::EnergyStop);
    c.rangeWindow =
        addCommand("mnuRangeLayers", tr("Ran&ge and layers…"), Off)
            .toolBarLooks(
                S::SP_FileDialogListView,
                tr("Range and layers: stopping, range and the energy through a stack of layers"))
            .runs(this, &MainWindow::openRangeWindow);

    // The commands that only look stay on during a walk.
    constexpr DuringWalk On = DuringWalk::On;
    c.about = addCommand("mnuAbout", QStringLiteral("&") + fenra::AboutTitle(), On)
                  .keys({K(Qt::Key_F1)})
                  .runs(this, &MainWindow::about);
    // Ctrl+A stays the grid's own; a text field takes Ctrl+C and Ctrl+A for itself.
    c.copy = addCommand("mnuCopy", tr("&Copy"), On)
                 .keys({K(K::Copy)})
                 .statusTip(tr("Copy the selected results as text with a header row"))
                 .runs(this, &MainWindow::copyResults);
    c.selectAll =
        addCommand("mnuSelectAll", tr("Select &all"), On).runs(results_, &ResultsPane::selectAll);
}

void MainWindow::createMenus() {
    const Commands& c = commands_;
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    fileMenu_->addActions({c.addDataSet, c.removeDataSet, c.openTarget});
    // The recent targets follow Open target, as a menu of their own filled when it opens.
    recentMenu_ = fileMenu_->addMenu(tr("Re&cent targets"));
    recentMenu_->setObjectName(QStringLiteral("mnuRecent"));
    recentMenu_->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
    connect(recentMenu_, &QMenu::aboutToShow, this,
            [this] { document_->fillRecentMenu(recentMenu_); });
    // Export results sits beside the designed report, which stays where it was.
    fileMenu_->addActions(
        {c.openText, c.saveTarget, c.saveResults, c.exportResults, c.printResults, c.exit});
    // Calculate is a command on the menu bar itself, not a menu: the range window, which
    // follows the ion as the curves do, sits with them.
    menuBar()->addAction(c.calculate);
    curveMenu_ = menuBar()->addMenu(tr("C&urve"));
    curveMenu_->setObjectName(QStringLiteral("mnuCurve"));
    curveMenu_->addActions({c.depthStopping, c.depthEnergy, c.energyStopping});
    curveMenu_->addSeparator();
    curveMenu_->addAction(c.rangeWindow);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(c.about);

    // The designed menu bar stays as it is: the grid's commands are in its context menu, and
    // on the window itself so that Ctrl+C works wherever the focus is (a text field keeps
    // Ctrl+C for its own text).
    addActions({c.copy, c.selectAll});
    QTableView* view = results_->view();
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->addActions({c.copy, c.selectAll});
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(kToolBarIconPixels, kToolBarIconPixels));
    const Commands& c = commands_;
    toolBar_->addActions({c.addDataSet, c.removeDataSet});
    toolBar_->addSeparator();
    toolBar_->addActions({c.openTarget, c.saveTarget, c.openText});
    toolBar_->addSeparator();
    toolBar_->addActions(
        {c.calculate, c.depthStopping, c.depthEnergy, c.energyStopping, c.rangeWindow});

    // Calculate sits on the menu bar itself, which would show an icon instead of its text: the
    // icon goes on its toolbar button only, again after every change of the action (a button
    // takes its action's looks anew then).
    // The button Qt adds for the commands a narrow window cannot show has no name of its own:
    // a screen reader would read an unnamed check box.
    if (auto* more = toolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        const QString name = tr("More commands");
        more->setAccessibleName(name);
        more->setToolTip(name);
    }

    auto* calculate = qobject_cast<QToolButton*>(toolBar_->widgetForAction(c.calculate));
    const QIcon icon = style()->standardIcon(QStyle::SP_MediaPlay);
    calculate->setIcon(icon);
    connect(c.calculate, &QAction::changed, calculate,
            [calculate, icon] { calculate->setIcon(icon); });

    for (QAction* action : toolBar_->actions()) {
        if (action->isSeparator()) continue;
        // A toolbar button's tip names its first key: "Calculate (F5)".
        if (!action->shortcut().isEmpty())
            action->setToolTip(QStringLiteral("%1 (%2)").arg(
                action->toolTip(), action->shortcut().toString(QKeySequence::NativeText)));
        // Toolbar buttons take the name of their command, not only its tip.
        if (QWidget* button = toolBar_->widgetForAction(action))
            button->setAccessibleName(PlainText(action));
    }
}

void MainWindow::setCommandsEnabled(bool enabled) {
    for (QAction* action : offDuringWalk_) action->setEnabled(enabled);
    fileMenu_->setEnabled(enabled);
    curveMenu_->setEnabled(enabled);
}

}  // namespace fenra
