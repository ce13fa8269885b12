// Construction of the main window and the start-up sequence.

#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "state/Version.h"
#include "ui/main/AboutText.h"
#include "ui/main/ElementList.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/ResultsModel.h"
#include "ui/platform/Platform.h"
#include "ui/platform/WindowGeometry.h"
#include "ui/range/RangeWindow.h"

namespace {

constexpr int kWindowWidthTwips = 7500;
constexpr int kWindowHeightTwips = 7000;
constexpr int kToolBarIconPixels = 20;

// A command with its designed object name, as the menus list it.
QAction* NamedAction(QObject* parent, const QString& text, const char* name) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

MainWindow::MainWindow(fenra::Platform& platform, fenra::WorkingState& state,
                       const fenra::ElementDatabase& db, fenra::AppSettings* settings,
                       QWidget* parent)
    : QMainWindow(parent), platform_(platform), state_(state), db_(db), settings_(settings) {
    setObjectName(QStringLiteral("frmMain"));
    results_ = new ResultsModel(state_, this);
    createFields();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));  // says what the view and fields did
    createActions();
    createMenus();
    createExportActions();
    createToolBar();
    createStatusBar();
    setUpKeys();
    nameControls();
    setUpTabOrder();
    connectSignals();
    runStartUp();
    restoreSettings();
}

MainWindow::~MainWindow() {
    // Curve windows have no parent to take them along: they end with this window.
    for (const QPointer<CurveWindow>& window : adoptedCurveWindows_) delete window.data();
    for (const QPointer<fenra::RangeWindow>& window : rangeWindows_) delete window.data();
}

void MainWindow::createActions() {
    Actions& a = actions_;
    a.addDataSet = NamedAction(this, tr("&Add target"), "mnuAdd");
    a.removeDataSet = NamedAction(this, tr("&Remove target"), "mnuRemove");
    a.openTarget = NamedAction(this, tr("&Open target"), "mnuTOpen");
    a.openText = NamedAction(this, tr("Open &Text"), "mnutxtOpen");
    a.saveTarget = NamedAction(this, tr("&Save target"), "mnuTSave");
    a.saveResults = NamedAction(this, tr("Save res&ult"), "mnuRSave");
    a.printResults = NamedAction(this, tr("&Print result"), "mnuRPrint");
    a.exit = NamedAction(this, tr("E&xit"), "mnuExit");
    a.calculate = NamedAction(this, tr("&Calculate"), "mnuCal");
    a.depthStopping = NamedAction(this, tr("&Depth vs dE/dx"), "mnuDepthStop");
    a.depthEnergy = NamedAction(this, tr("Depth vs &Energy"), "mnuDepthEnergy");
    a.energyStopping = NamedAction(this, tr("E&nergy vs dE/dx"), "mnuEnergyStop");
    a.rangeWindow = NamedAction(this, tr("Ran&ge and layers…"), "mnuRangeLayers");
    a.about = NamedAction(this, QStringLiteral("&") + fenra::AboutTitle(), "mnuAbout");

    // The toolbar shows these same commands with an icon and a longer tip; the menus keep
    // their plain texts.
    const auto forToolBar = [this](QAction* action, QStyle::StandardPixmap icon,
                                   const QString& tip) {
        action->setIcon(style()->standardIcon(icon));
        action->setIconVisibleInMenu(false);
        action->setToolTip(tip);
    };
    forToolBar(a.addDataSet, QStyle::SP_FileDialogNewFolder, tr("Add target"));
    forToolBar(a.removeDataSet, QStyle::SP_TrashIcon, tr("Remove target"));
    forToolBar(a.openTarget, QStyle::SP_DialogOpenButton, tr("Open target file"));
    forToolBar(a.saveTarget, QStyle::SP_DialogSaveButton, tr("Save target file"));
    forToolBar(a.openText, QStyle::SP_FileDialogDetailedView, tr("Open text file"));
    forToolBar(a.depthStopping, QStyle::SP_ArrowDown, tr("Depth vs dE/dx curve"));
    forToolBar(a.depthEnergy, QStyle::SP_ArrowRight, tr("Depth vs Energy curve"));
    forToolBar(a.energyStopping, QStyle::SP_FileDialogContentsView, tr("Energy vs dE/dx curve"));
    forToolBar(a.rangeWindow, QStyle::SP_FileDialogListView,
               tr("Range and layers: stopping, range and the energy through a stack of layers"));
}

void MainWindow::createMenus() {
    const Actions& a = actions_;
    menus_.file = menuBar()->addMenu(tr("&File"));
    menus_.file->setObjectName(QStringLiteral("mnuFile"));
    menus_.file->addActions({a.addDataSet, a.removeDataSet, a.openTarget});
    // The recent targets follow Open target, as a menu of their own filled when it opens.
    menus_.recentTargets = menus_.file->addMenu(tr("Re&cent targets"));
    menus_.recentTargets->setObjectName(QStringLiteral("mnuRecent"));
    menus_.recentTargets->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
    connect(menus_.recentTargets, &QMenu::aboutToShow, this, &MainWindow::fillRecentTargets);
    menus_.file->addActions({a.openText, a.saveTarget, a.saveResults, a.printResults, a.exit});
    menuBar()->addAction(a.calculate);
    menus_.curve = menuBar()->addMenu(tr("C&urve"));
    menus_.curve->setObjectName(QStringLiteral("mnuCurve"));
    menus_.curve->addActions({a.depthStopping, a.depthEnergy, a.energyStopping});
    // Calculate is a command on the menu bar itself, not a menu: the range window, which
    // follows the ion as the curves do, sits with them.
    menus_.curve->addSeparator();
    menus_.curve->addAction(a.rangeWindow);
    menus_.help = menuBar()->addMenu(tr("&Help"));
    menus_.help->setObjectName(QStringLiteral("mnuHelp"));
    menus_.help->addAction(a.about);
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(kToolBarIconPixels, kToolBarIconPixels));
    const Actions& a = actions_;
    toolBar_->addActions({a.addDataSet, a.removeDataSet});
    toolBar_->addSeparator();
    toolBar_->addActions({a.openTarget, a.saveTarget, a.openText});
    toolBar_->addSeparator();
    toolBar_->addActions(
        {a.calculate, a.depthStopping, a.depthEnergy, a.energyStopping, a.rangeWindow});

    // Calculate sits on the menu bar itself, which would show an icon instead of its text: the
    // icon goes on its toolbar button only, again after every change of the action (a button
    // takes its action's looks anew then).
    auto* calculate = qobject_cast<QToolButton*>(toolBar_->widgetForAction(a.calculate));
    const QIcon icon = style()->standardIcon(QStyle::SP_MediaPlay);
    calculate->setIcon(icon);
    connect(a.calculate, &QAction::changed, calculate,
            [calculate, icon] { calculate->setIcon(icon); });
}

void MainWindow::connectSignals() {
    const Fields& f = fields_;
    connect(f.ionCombo, &QComboBox::currentIndexChanged, this, &MainWindow::ionChosen);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        FieldEdit* ratio = f.ratioEdits[j];
        connect(f.targetElementCombos[j], &QComboBox::currentIndexChanged, this,
                [this, j] { targetElementChosen(j); });
        connect(ratio, &FieldEdit::keyUp, this, [this, j] { ratioEdited(j); });
        connect(ratio, &FieldEdit::gotFocus, ratio, &QLineEdit::selectAll);
    }
    // A field that gets the focus shows its whole text selected, so typing replaces the value.
    for (FieldEdit* field : {f.massEdit, f.energyEdit, f.rangeEdit})
        connect(field, &FieldEdit::gotFocus, field, &QLineEdit::selectAll);
    connect(f.massEdit, &QLineEdit::textChanged, this, &MainWindow::massEdited);
    connect(f.massEdit, &FieldEdit::keyUp, this, &MainWindow::massEdited);
    connect(f.massEdit, &FieldEdit::keyPress, this, &MainWindow::massKeyPressed);
    connect(f.energyEdit, &FieldEdit::keyUp, this, &MainWindow::energyEdited);
    connect(f.energyEdit, &FieldEdit::keyDown, this, &MainWindow::energyKeyDown);
    connect(f.rangeEdit, &FieldEdit::keyUp, this, &MainWindow::rangeEdited);
    connect(f.dataSetScrollBar, &QScrollBar::valueChanged, this, &MainWindow::dataSetScrolled);
    connect(f.resetButton, &QPushButton::clicked, this, &MainWindow::resetDataSets);
    connect(f.unitCombo, &QComboBox::currentIndexChanged, this, &MainWindow::showResultsInUnit);
    // A user who picks the unit already shown gets the results shown afresh too, as a fresh
    // look at the data sets (Qt reports no index change for that).
    connect(f.unitCombo, &QComboBox::activated, this, &MainWindow::showResultsInUnit);
    connectNumberMarks();

    const Actions& a = actions_;
    connect(a.addDataSet, &QAction::triggered, this, &MainWindow::addDataSet);
    connect(a.removeDataSet, &QAction::triggered, this, &MainWindow::removeDataSet);
    connect(a.openTarget, &QAction::triggered, this, &MainWindow::openTarget);
    connect(a.openText, &QAction::triggered, this, &MainWindow::openTextFile);
    connect(a.saveTarget, &QAction::triggered, this, &MainWindow::saveTarget);
    connect(a.saveResults, &QAction::triggered, this, &MainWindow::saveResults);
    connect(a.printResults, &QAction::triggered, this, &MainWindow::printResults);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.calculate, &QAction::triggered, this, &MainWindow::calculateAll);
    connect(a.depthStopping, &QAction::triggered, this, &MainWindow::depthStoppingCurve);
    connect(a.depthEnergy, &QAction::triggered, this, &MainWindow::depthEnergyCurve);
    connect(a.energyStopping, &QAction::triggered, this, &MainWindow::energyStoppingCurve);
    connect(a.rangeWindow, &QAction::triggered, this, &MainWindow::openRangeWindow);
    connect(a.about, &QAction::triggered, this, &MainWindow::about);
}

void MainWindow::fillElementLists() {
    // Filling an empty list selects its first entry; that choice must run later, in step
    // order, so the lists are filled quietly and left without a choice.
    fenra::FillElementList(fields_.ionCombo, db_);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j)
        fenra::FillElementList(fields_.targetElementCombos[j], db_);
    if (db_.Elements().empty()) return;
    selectIonEntry(0);
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) selectElementEntry(j, 0);
}

void MainWindow::runStartUp() {
    // Steps in the order the program has always started in: the working state first, then the
    // lists, then the choices that run their handlers for data set 1.
    InitWorkingState(state_, QCoreApplication::applicationDirPath().toStdString());
    setWindowTitle(fenra::ProgramTitle() + QStringLiteral(" v") +
                   QString::fromLatin1(fenra::kVersionText));
    resize(fenra::TwipsToPixels(kWindowWidthTwips), fenra::TwipsToPixels(kWindowHeightTwips));
    fillElementLists();
    fields_.unitCombo->setCurrentIndex(0);  // shows the results in that unit

    nextCurveWindow_ = 1;
    showDataSetIndicator();
    fenra::CentreOnScreen(*this, screen(), frameGeometry().size());
}

void MainWindow::setCommandsEnabled(bool enabled) {
    const Actions& a = actions_;
    // About changes nothing: it stays on while a curve walk turns the commands off.
    for (QAction* action : {a.addDataSet, a.removeDataSet, a.openTarget, a.openText, a.saveTarget,
                            a.saveResults, a.printResults, a.exit, a.calculate, a.depthStopping,
                            a.depthEnergy, a.energyStopping, a.rangeWindow})
        action->setEnabled(enabled);
    menus_.file->setEnabled(enabled);
    menus_.curve->setEnabled(enabled);
}

void MainWindow::setEnergyText(const QString& text) {
    fields_.energyEdit->setText(text);
}
void MainWindow::setRangeText(const QString& text) {
    fields_.rangeEdit->setText(text);
}

void MainWindow::adoptCurveWindow(CurveWindow* window) {
    connect(window, &CurveWindow::curveSaved, this,
            [this](const QString& path) { rememberFolderOf(fenra::FileKind::Curve, path); });
    adoptedCurveWindows_.removeAll(nullptr);  // forget the windows closed since
    adoptedCurveWindows_.append(window);
    curveWindows[static_cast<std::size_t>(nextCurveWindow_)] = window;
    nextCurveWindow_ = nextCurveWindow_ >= kCurveWindowSlots ? 1 : nextCurveWindow_ + 1;
}

QList<CurveWindow*> MainWindow::openCurveWindows() const {
    QList<CurveWindow*> open;
    for (const QPointer<CurveWindow>& window : adoptedCurveWindows_)
        if (window && window->isVisible()) open.append(window.data());
    return open;
}

void MainWindow::closeCurveWindows() {
    for (const QPointer<CurveWindow>& window : adoptedCurveWindows_)
        if (window) window->close();
    for (const QPointer<fenra::RangeWindow>& window : rangeWindows_)
        if (window) window->close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A changed target is offered for saving first; Cancel keeps the program running.
    if (!maybeSaveTarget()) {
        event->ignore();
        return;
    }
    storeSettings();
    // Ending the program ends every curve and range window with it.
    closeCurveWindows();
    event->accept();
}
