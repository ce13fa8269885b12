// Construction of the main window from its parts, their wiring, the status bar, the start-up
// sequence and what the window keeps between runs.

#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "settings/AppSettings.h"
#include "state/Version.h"
#include "state/WorkingState.h"
#include "ui/main/ChildWindows.h"
#include "ui/main/CurveCommands.h"
#include "ui/main/DataSetEditor.h"
#include "ui/main/NamedMaterials.h"
#include "ui/main/RememberedFolders.h"
#include "ui/main/ReportPrinter.h"
#include "ui/main/ResultsPane.h"
#include "ui/main/TargetDocument.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"
#include "ui/platform/WindowGeometry.h"

namespace fenra {

namespace {

constexpr int kWindowWidthTwips = 7500;
constexpr int kWindowHeightTwips = 7000;

const QString kWindowName = QStringLiteral("MainWindow");

QLabel* StatusLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString ProgramCaption() {
    return fenra::ProgramTitle() + QStringLiteral(" v") + QString::fromLatin1(fenra::kVersionText);
}

}  // namespace

MainWindow::MainWindow(fenra::Platform& platform, fenra::WorkingState& state,
                       const fenra::ElementDatabase& db, fenra::AppSettings* settings,
                       QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      state_(state),
      db_(db),
      settings_(settings),
      folders_(std::make_unique<RememberedFolders>(settings)),
      materials_(std::make_unique<NamedMaterials>(db)),
      lastPrint_(std::make_unique<PrintLayout>()) {
    setObjectName(QStringLiteral("frmMain"));
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);
    editor_ = new DataSetEditor(platform_, state_, db_, *materials_, central);
    results_ = new ResultsPane(platform_, state_, central);
    outer->addWidget(editor_);
    outer->addWidget(results_, 1);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));  // says what the view and fields did

    document_ = new TargetDocument(
        platform_, state_, *folders_, settings_, [this] { return editor_->firstRatioIsZero(); },
        this);
    windows_ = new ChildWindows(settings_, *folders_, this);
    curves_ = new CurveCommands(platform_, state_, db_, *editor_, *windows_, *folders_, *this);

    createCommands();
    createCalculationCommands();
    createMenus();
    createToolBar();
    createStatusBar();
    setUpTabOrder();
    connectParts();
    runStartUp();
    restoreSettings();
}

MainWindow::~MainWindow() {
    // Curve and range windows have no parent to take them along: they end with this window.
    windows_->deleteAll();
}

void MainWindow::showMessage(const QString& text) {
    platform_.showMessage(this, fenra::ProgramTitle(), text);
}

void MainWindow::setUpTabOrder() {
    // Top to bottom as the window reads: the ion, the data set, the target slots one by one
    // (element, then its ratio), the unit, the results.
    std::vector<QWidget*> order = editor_->tabOrder();
    for (QWidget* w : results_->tabOrder()) order.push_back(w);
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}

void MainWindow::connectParts() {
    // An edit shows in its row of the results; added, removed, cleared or read data sets in
    // every row.
    connect(editor_, &DataSetEditor::dataSetEdited, results_, &ResultsPane::showDataSet);
    connect(editor_, &DataSetEditor::dataSetsChanged, results_, &ResultsPane::refresh);
    connect(editor_, &DataSetEditor::indicatorChanged, this, &MainWindow::showStatusTexts);
    connect(editor_, &DataSetEditor::resetRequested, this, &MainWindow::resetDataSets);
    connect(editor_, &DataSetEditor::statusMessage, this, &MainWindow::showStatusMessage);
    connect(editor_, &DataSetEditor::statusMessageOver, this, [this](const QString& prefix) {
        if (statusBar()->currentMessage().startsWith(prefix)) statusBar()->clearMessage();
    });
    connect(results_, &ResultsPane::unitShown, this, &MainWindow::showStatusTexts);
    connect(results_, &ResultsPane::statusMessage, this, &MainWindow::showStatusMessage);
    connect(document_, &TargetDocument::dataSetsReplaced, editor_,
            &DataSetEditor::showReadDataSets);
    connect(document_, &TargetDocument::dataSetsReplaced, results_, &ResultsPane::refresh);
    connect(document_, &TargetDocument::fileChanged, this, &MainWindow::showStatusTexts);
    connect(document_, &TargetDocument::settingsNotSaved, this, &MainWindow::showStatusMessage);
    connect(windows_, &ChildWindows::settingsNotSaved, this, &MainWindow::showStatusMessage);
    connect(curves_, &CurveCommands::walkStarted, this, [this] { setCommandsEnabled(false); });
    connect(curves_, &CurveCommands::walkEnded, this, [this] { setCommandsEnabled(true); });
}

void MainWindow::runStartUp() {
    // Steps in the order the program has always started in: the working state first, then the
    // lists, then the choices that run their handlers for data set 1.
    InitWorkingState(state_, QCoreApplication::applicationDirPath().toStdString());
    setWindowTitle(ProgramCaption());
    resize(fenra::TwipsToPixels(kWindowWidthTwips), fenra::TwipsToPixels(kWindowHeightTwips));
    editor_->fillElementLists();
    results_->chooseUnit(0);  // shows the results in that unit
    editor_->showIndicator();
    fenra::CentreOnScreen(*this, screen(), frameGeometry().size());
}

void MainWindow::createStatusBar() {
    // Permanent texts on the right; the passing messages (a number read otherwise than typed,
    // a unit refused) keep the left part.
    statusFile_ = StatusLabel("StatusFile", this);
    statusDataSet_ = StatusLabel("StatusDataSet", this);
    statusUnit_ = StatusLabel("StatusUnit", this);
    for (QLabel* label : {statusFile_, statusDataSet_, statusUnit_})
        statusBar()->addPermanentWidget(label);
}

void MainWindow::showStatusTexts() {
    const QString path = document_->path();
    const QString file = QFileInfo(path).fileName();
    setWindowTitle(file.isEmpty() ? ProgramCaption()
                                  : ProgramCaption() + QStringLiteral(" - ") + file);
    statusFile_->setText(file.isEmpty() ? tr("No target file") : file);
    statusFile_->setToolTip(path);
    statusDataSet_->setText(
        tr("Data set %1 of %2").arg(state_.CurrentDataSet).arg(state_.DataSetCount));
    statusUnit_->setText(results_->unit() < 0 ? QString()
                                              : tr("Unit: %1").arg(results_->unitText()));
}

void MainWindow::showStatusMessage(const QString& text) {
    statusBar()->showMessage(text);
}

void MainWindow::openTargetFile(const QString& path) {
    document_->openFile(path);
}

void MainWindow::openRecentTarget(const QString& path) {
    document_->openRecent(path);
}

void MainWindow::resetDataSets() {
    if (!document_->maybeSave()) return;
    editor_->clearDataSets();
    document_->markUnchanged(QString());  // a new target, in no file yet
}

void MainWindow::restoreSettings() {
    if (settings_ != nullptr) {
        const QByteArray geometry = settings_->Geometry(kWindowName);
        if (!geometry.isEmpty()) restoreGeometry(geometry);  // a foreign blob changes nothing
        if (const std::optional<int> unit = settings_->Unit(results_->unitCount()))
            results_->chooseUnit(*unit);
        editor_->chooseIon(settings_->LastIon());
        if (!settings_->ProblemSentence().Empty())
            showStatusMessage(fenra::TranslatedSentence(settings_->ProblemSentence()));
    }
    document_->markUnchanged(QString());  // the start is the unchanged state
}

void MainWindow::storeSettings() {
    if (settings_ == nullptr) return;
    settings_->SetGeometry(kWindowName, saveGeometry());
    settings_->SetUnit(results_->unit());
    settings_->SetLastIon(editor_->ionText());
    // The window is going: a status line would not be seen.
    if (!settings_->Save()) showMessage(fenra::TranslatedSentence(settings_->ProblemSentence()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A changed target is offered for saving first; Cancel keeps the program running.
    if (!document_->maybeSave()) {
        event->ignore();
        return;
    }
    storeSettings();
    // Ending the program ends every curve and range window with it.
    windows_->closeAll();
    event->accept();
}

}  // namespace fenra
