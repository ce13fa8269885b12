// Construction of the main window and the start-up sequence.

#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "state/NumberText.h"
#include "state/Version.h"
#include "ui/main/FieldEdit.h"
#include "ui/platform/Platform.h"
#include "ui/platform/WindowGeometry.h"

namespace {

constexpr int kWindowWidthTwips = 7500;
constexpr int kWindowHeightTwips = 7000;
// Ion, mass, energy, target and the stopping power in the chosen unit.
constexpr int kGridColumns = 5;
constexpr std::array<int, kGridColumns> kGridColumnTwips = {400, 800, 800, 1200, 2000};
const std::array<const char*, kGridColumns> kGridHeadings = {" Ion", "   Mass", " E (keV)",
                                                             "     Target", "     Stopping power"};
const std::array<const char*, 4> kUnitItems = {"eV/(1e15/cm2)", "keV/mg/cm2", "ev/A", "keV/um"};
constexpr int kGridDataRows = fenra::kMaxDataSets;

QLabel* NamedLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

FieldEdit* NamedField(const QString& name, QWidget* parent) {
    auto* field = new FieldEdit(parent);
    field->setObjectName(name);
    return field;
}

}  // namespace

MainWindow::MainWindow(fenra::Platform& platform, fenra::WorkingState& state,
                       const fenra::ElementDatabase& db, QWidget* parent)
    : QMainWindow(parent), platform_(platform), state_(state), db_(db) {
    setObjectName(QStringLiteral("frmMain"));
    createFields();
    createResultsView();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));  // says what the grid and fields did
    createMenus();
    createToolBar();
    connectSignals();
    runStartUp();
}

MainWindow::~MainWindow() {
    // Curve windows have no parent to take them along: they end with this window.
    for (const QPointer<CurveWindow>& window : adoptedCurveWindows_) delete window.data();
}

void MainWindow::createFields() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);

    // The ion: symbol, atomic number, mass, energy, range.
    auto* ionRow = new QGridLayout;
    ionRow->setHorizontalSpacing(6);
    ionRow->setVerticalSpacing(0);
    ionCombo = new QComboBox(central);
    ionCombo->setObjectName(QStringLiteral("DBCbIon"));
    atomicNumberLabel = NamedLabel(QStringLiteral("lblZNum"), QString(), central);
    atomicNumberLabel->setMinimumWidth(24);
    massEdit = NamedField(QStringLiteral("txtIonMass"), central);
    energyEdit = NamedField(QStringLiteral("txtEnergy"), central);
    rangeEdit = NamedField(QStringLiteral("txtRange"), central);
    energyEdit->setText(QStringLiteral("1000"));
    rangeEdit->setText(QStringLiteral("100000"));
    ionRow->addWidget(NamedLabel(QStringLiteral("lblelement"), QStringLiteral("Ion"), central), 1,
                      0);
    ionRow->addWidget(ionCombo, 2, 0);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblAtomNum1"), QStringLiteral("Atomic"), central),
                      0, 1);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblAtomNum2"), QStringLiteral("Number"), central),
                      1, 1);
    ionRow->addWidget(atomicNumberLabel, 2, 1);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblMass"), QStringLiteral("Mass"), central), 1, 2);
    ionRow->addWidget(massEdit, 2, 2);
    ionRow->addWidget(
        NamedLabel(QStringLiteral("lblEnergy1"), QStringLiteral("Ion energy"), central), 0, 3);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblEnergy2"), QStringLiteral("(keV)"), central), 1,
                      3);
    ionRow->addWidget(energyEdit, 2, 3);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblRange1"), QStringLiteral("Range"), central), 0,
                      4);
    ionRow->addWidget(
        NamedLabel(QStringLiteral("lblRange2"), QStringLiteral("(1e15 atom/cm2)"), central), 1, 4);
    ionRow->addWidget(rangeEdit, 2, 4);
    outer->addLayout(ionRow);

    // The data set indicator and the scroll bar that moves between data sets.
    auto* dataRow = new QHBoxLayout;
    dataSetLabels[0] =
        NamedLabel(QStringLiteral("lblDataset0"), QStringLiteral("Data set"), central);
    dataSetLabels[1] = NamedLabel(QStringLiteral("lblDataset1"), QString(), central);
    dataSetLabels[1]->setMinimumWidth(70);
    dataSetScrollBar = new QScrollBar(Qt::Horizontal, central);
    dataSetScrollBar->setObjectName(QStringLiteral("HscrolData"));
    dataSetScrollBar->setRange(1, 1);
    dataSetScrollBar->setPageStep(1);
    resetButton = new QPushButton(QStringLiteral("Reset"), central);
    resetButton->setObjectName(QStringLiteral("cmdReset"));
    dataRow->addWidget(dataSetLabels[0]);
    dataRow->addWidget(dataSetScrollBar, 1);
    dataRow->addWidget(dataSetLabels[1]);
    dataRow->addWidget(resetButton);
    outer->addLayout(dataRow);

    // The ten target slots in two blocks of five: number, element, ratio.
    auto* targetRows = new QGridLayout;
    targetRows->setHorizontalSpacing(3);
    targetRows->setVerticalSpacing(1);
    constexpr int kSlotsPerBlock = 5;
    for (int block = 0; block < 2; ++block) {
        const int top = block * 3;
        targetRows->addWidget(
            NamedLabel(block == 0 ? QStringLiteral("lblTName") : QStringLiteral("lblTName_2"),
                       QStringLiteral("Target"), central),
            top + 1, 0);
        targetRows->addWidget(
            NamedLabel(block == 0 ? QStringLiteral("lblComp") : QStringLiteral("lblComp_2"),
                       QStringLiteral("Ratio"), central),
            top + 2, 0);
    }
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        const int top = ((j - 1) / kSlotsPerBlock) * 3;
        const int col = (j - 1) % kSlotsPerBlock + 1;
        auto* number =
            NamedLabel(QStringLiteral("lblTarget%1").arg(j - 1), QString::number(j), central);
        number->setAlignment(Qt::AlignCenter);
        targetElementCombos[j] = new QComboBox(central);
        targetElementCombos[j]->setObjectName(QStringLiteral("DBCbTEl%1").arg(j));
        ratioEdits[j] = NamedField(QStringLiteral("txtTComp%1").arg(j), central);
        targetRows->addWidget(number, top, col);
        targetRows->addWidget(targetElementCombos[j], top + 1, col);
        targetRows->addWidget(ratioEdits[j], top + 2, col);
    }
    outer->addLayout(targetRows);

    // The unit of the grid's stopping column.
    auto* unitRow = new QHBoxLayout;
    unitCombo = new QComboBox(central);
    unitCombo->setObjectName(QStringLiteral("cbUnit"));
    for (const char* item : kUnitItems) unitCombo->addItem(QString::fromLatin1(item));
    unitCombo->setCurrentIndex(-1);  // start-up chooses the first item, which fills the grid
    unitRow->addWidget(NamedLabel(QStringLiteral("lblUnit"), QStringLiteral("Unit"), central));
    unitRow->addWidget(unitCombo);
    unitRow->addStretch(1);
    outer->addLayout(unitRow);

    auto* frame = new QGroupBox(QStringLiteral("Result"), central);
    frame->setObjectName(QStringLiteral("FraRes"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    resultsView = new QTableWidget(kGridDataRows, kGridColumns, frame);
    resultsView->setObjectName(QStringLiteral("GridResult"));
    frameLayout->addWidget(resultsView);
    outer->addWidget(frame, 1);

    setCentralWidget(central);
}

void MainWindow::createResultsView() {
    resultsView->verticalHeader()->hide();
    resultsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultsView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    resultsView->horizontalHeader()->setMinimumSectionSize(10);
    // The user may widen a column to read a long composition.
    resultsView->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    resultsView->verticalHeader()->setDefaultSectionSize(18);
    for (int row = 0; row < kGridDataRows; ++row) {
        for (int col = 0; col < kGridColumns; ++col) {
            auto* item = new QTableWidgetItem();
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            resultsView->setItem(row, col, item);
        }
    }
}

void MainWindow::createMenus() {
    auto named = [this](QAction* action, const char* name) {
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    addDataSetAction = named(fileMenu->addAction(QStringLiteral("Add target")), "mnuAdd");
    removeDataSetAction = named(fileMenu->addAction(QStringLiteral("Remove target")), "mnuRemove");
    openTargetAction = named(fileMenu->addAction(QStringLiteral("Open target")), "mnuTOpen");
    openTextAction = named(fileMenu->addAction(QStringLiteral("Open Text")), "mnutxtOpen");
    saveTargetAction = named(fileMenu->addAction(QStringLiteral("Save target")), "mnuTSave");
    saveResultsAction = named(fileMenu->addAction(QStringLiteral("Save result")), "mnuRSave");
    printResultsAction = named(fileMenu->addAction(QStringLiteral("Print result")), "mnuRPrint");
    exitAction = named(fileMenu->addAction(QStringLiteral("Exit")), "mnuExit");
    calculateAction = named(menuBar()->addAction(QStringLiteral("Calculate")), "mnuCal");
    curveMenu = menuBar()->addMenu(QStringLiteral("Curve"));
    curveMenu->setObjectName(QStringLiteral("mnuCurve"));
    depthStoppingAction =
        named(curveMenu->addAction(QStringLiteral("Depth vs dE/dx")), "mnuDepthStop");
    depthEnergyAction =
        named(curveMenu->addAction(QStringLiteral("Depth vs Energy")), "mnuDepthEnergy");
    energyStoppingAction =
        named(curveMenu->addAction(QStringLiteral("Energy vs dE/dx")), "mnuEnergyStop");
    createHelpMenu();
}

void MainWindow::createToolBar() {
    toolBar = addToolBar(QStringLiteral("Toolbar1"));
    toolBar->setObjectName(QStringLiteral("Toolbar1"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(20, 20));
    struct Button {
        QAction* command;  // nullptr: a separator
        QStyle::StandardPixmap icon;
        const char* tooltip;
    };
    const std::array<Button, kToolbarPositions> buttons = {{
        {addDataSetAction, QStyle::SP_FileDialogNewFolder, "Add target"},
        {removeDataSetAction, QStyle::SP_TrashIcon, "Remove target"},
        {nullptr, QStyle::SP_CustomBase, ""},
        {openTargetAction, QStyle::SP_DialogOpenButton, "Open target file"},
        {saveTargetAction, QStyle::SP_DialogSaveButton, "Save target file"},
        {openTextAction, QStyle::SP_FileDialogDetailedView, "Open text file"},
        {nullptr, QStyle::SP_CustomBase, ""},
        {calculateAction, QStyle::SP_MediaPlay, "Calculate"},
        {depthStoppingAction, QStyle::SP_ArrowDown, "Depth vs dE/dx curve"},
        {depthEnergyAction, QStyle::SP_ArrowRight, "Depth vs Energy curve"},
        {energyStoppingAction, QStyle::SP_FileDialogContentsView, "Energy vs dE/dx curve"},
    }};
    for (int position = 1; position <= kToolbarPositions; ++position) {
        const Button& b = buttons[static_cast<std::size_t>(position - 1)];
        QAction* action = nullptr;
        if (b.command == nullptr) {
            action = toolBar->addSeparator();
        } else {
            action = toolBar->addAction(style()->standardIcon(b.icon), QString());
            action->setToolTip(QString::fromLatin1(b.tooltip));
            // The toolbar has no logic of its own: each button runs its menu command, and
            // is off whenever that command is off.
            QAction* command = b.command;
            connect(action, &QAction::triggered, command, [command] { command->trigger(); });
            connect(command, &QAction::enabledChanged, action, &QAction::setEnabled);
        }
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(position));
        toolBarActions[static_cast<std::size_t>(position)] = action;
    }
}

void MainWindow::connectSignals() {
    connect(ionCombo, &QComboBox::currentIndexChanged, this, [this] { ionChosen(); });
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        connect(targetElementCombos[j], &QComboBox::currentIndexChanged, this,
                [this, j] { targetElementChosen(j); });
        connect(ratioEdits[j], &FieldEdit::keyUp, this, [this, j] { ratioEdited(j); });
        connect(ratioEdits[j], &FieldEdit::gotFocus, this, [this, j] { ratioFocused(j); });
    }
    connect(massEdit, &QLineEdit::textChanged, this, [this] { massChanged(); });
    connect(massEdit, &FieldEdit::keyUp, this, [this] { massEdited(); });
    connect(massEdit, &FieldEdit::keyPress, this, [this](int ch) { massKeyPressed(ch); });
    connect(massEdit, &FieldEdit::gotFocus, this, [this] { massFocused(); });
    connect(energyEdit, &FieldEdit::keyUp, this, [this] { energyEdited(); });
    connect(energyEdit, &FieldEdit::keyDown, this, [this](int key) { energyKeyDown(key); });
    connect(energyEdit, &FieldEdit::gotFocus, this, [this] { energyFocused(); });
    connect(rangeEdit, &FieldEdit::keyUp, this, [this] { rangeEdited(); });
    connect(rangeEdit, &FieldEdit::gotFocus, this, [this] { rangeFocused(); });
    connect(dataSetScrollBar, &QScrollBar::valueChanged, this, [this] { dataSetScrolled(); });
    connect(resetButton, &QPushButton::clicked, this, [this] { resetDataSets(); });
    connect(unitCombo, &QComboBox::currentIndexChanged, this, [this] { fillResults(); });
    // A user who picks the unit already shown gets the grid refilled too, as a fresh look at
    // the data sets (Qt reports no index change for that).
    connect(unitCombo, &QComboBox::activated, this, [this] { fillResults(); });

    connectNumberMarks();
    connect(addDataSetAction, &QAction::triggered, this, [this] { addDataSet(); });
    connect(removeDataSetAction, &QAction::triggered, this, [this] { removeDataSet(); });
    connect(openTargetAction, &QAction::triggered, this, [this] { openTarget(); });
    connect(openTextAction, &QAction::triggered, this, [this] { openTextFile(); });
    connect(saveTargetAction, &QAction::triggered, this, [this] { saveTarget(); });
    connect(saveResultsAction, &QAction::triggered, this, [this] { saveResults(); });
    connect(printResultsAction, &QAction::triggered, this, [this] { printResults(); });
    connect(exitAction, &QAction::triggered, this, [this] { exitProgram(); });
    connect(calculateAction, &QAction::triggered, this, [this] { calculateAll(); });
    connect(depthStoppingAction, &QAction::triggered, this, [this] { depthStoppingCurve(); });
    connect(depthEnergyAction, &QAction::triggered, this, [this] { depthEnergyCurve(); });
    connect(energyStoppingAction, &QAction::triggered, this, [this] { energyStoppingCurve(); });
}

void MainWindow::runStartUp() {
    // Steps in the order the program has always started in: the working state first, then the
    // lists, then the choices that run their handlers for data set 1.
    InitWorkingState(state_, QCoreApplication::applicationDirPath().toStdString());
    setWindowTitle(fenra::ProgramTitle() + QStringLiteral(" v") +
                   QString::fromLatin1(fenra::kVersionText));
    resize(fenra::TwipsToPixels(kWindowWidthTwips), fenra::TwipsToPixels(kWindowHeightTwips));

    QStringList symbols;
    for (const std::string& symbol : db_.ListElementSymbols())
        symbols.push_back(QString::fromStdString(symbol));
    // Filling an empty list selects its first entry; that choice must run later, in step
    // order, so the lists are filled quietly and left without a choice.
    for (QComboBox* list : targetElementCombos) {
        if (list == nullptr) continue;
        const QSignalBlocker quiet(list);
        list->addItems(symbols);
        list->setCurrentIndex(-1);
    }
    {
        const QSignalBlocker quiet(ionCombo);
        ionCombo->addItems(symbols);
        ionCombo->setCurrentIndex(-1);
    }
    if (!symbols.isEmpty()) {
        selectIonEntry(0);
        for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) selectElementEntry(j, 0);
    }

    for (int col = 0; col < kGridColumns; ++col) {
        gridMinWidths_[static_cast<std::size_t>(col)] = fenra::TwipsToPixels(kGridColumnTwips[col]);
        resultsView->setColumnWidth(col, fenra::TwipsToPixels(kGridColumnTwips[col]));
        resultsView->setHorizontalHeaderItem(
            col, new QTableWidgetItem(QString::fromLatin1(kGridHeadings[col])));
    }
    unitCombo->setCurrentIndex(0);  // runs fillResults

    nextCurveWindow_ = 1;
    showDataSetIndicator();
    fenra::CentreOnScreen(*this, screen(), frameGeometry().size());
}

void MainWindow::setCommandsEnabled(bool enabled) {
    for (QAction* a :
         {addDataSetAction, removeDataSetAction, openTargetAction, openTextAction, saveTargetAction,
          saveResultsAction, printResultsAction, exitAction, calculateAction, depthStoppingAction,
          depthEnergyAction, energyStoppingAction})
        a->setEnabled(enabled);
    fileMenu->setEnabled(enabled);
    curveMenu->setEnabled(enabled);
}

void MainWindow::setEnergyText(const QString& text) {
    energyEdit->setText(text);
}
void MainWindow::setRangeText(const QString& text) {
    rangeEdit->setText(text);
}

void MainWindow::adoptCurveWindow(CurveWindow* window) {
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
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Ending the program ends every curve window with it; nothing is saved or asked.
    closeCurveWindows();
    event->accept();
}

void MainWindow::exitProgram() {
    close();
}
