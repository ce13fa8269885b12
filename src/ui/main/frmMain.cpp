// Construction of the main window and the start-up sequence.

#include "ui/main/frmMain.h"

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

frmMain::frmMain(fenra::Platform& platform, fenra::WorkingState& state,
                 const fenra::ElementDatabase& db, QWidget* parent)
    : QMainWindow(parent), platform_(platform), state_(state), db_(db) {
    setObjectName(QStringLiteral("frmMain"));
    BuildFields();
    BuildGrid();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));  // says what the grid and fields did
    BuildMenus();
    BuildToolbar();
    ConnectHandlers();
    RunStartUp();
}

frmMain::~frmMain() {
    // Curve windows have no parent to take them along: they end with this window.
    for (const QPointer<frmStpCurve>& window : adoptedCurveWindows_) delete window.data();
}

void frmMain::BuildFields() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);

    // The ion: symbol, atomic number, mass, energy, range.
    auto* ionRow = new QGridLayout;
    ionRow->setHorizontalSpacing(6);
    ionRow->setVerticalSpacing(0);
    DBCbIon = new QComboBox(central);
    DBCbIon->setObjectName(QStringLiteral("DBCbIon"));
    lblZNum = NamedLabel(QStringLiteral("lblZNum"), QString(), central);
    lblZNum->setMinimumWidth(24);
    txtIonMass = NamedField(QStringLiteral("txtIonMass"), central);
    txtEnergy = NamedField(QStringLiteral("txtEnergy"), central);
    txtRange = NamedField(QStringLiteral("txtRange"), central);
    txtEnergy->setText(QStringLiteral("1000"));
    txtRange->setText(QStringLiteral("100000"));
    ionRow->addWidget(NamedLabel(QStringLiteral("lblelement"), QStringLiteral("Ion"), central), 1,
                      0);
    ionRow->addWidget(DBCbIon, 2, 0);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblAtomNum1"), QStringLiteral("Atomic"), central),
                      0, 1);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblAtomNum2"), QStringLiteral("Number"), central),
                      1, 1);
    ionRow->addWidget(lblZNum, 2, 1);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblMass"), QStringLiteral("Mass"), central), 1, 2);
    ionRow->addWidget(txtIonMass, 2, 2);
    ionRow->addWidget(
        NamedLabel(QStringLiteral("lblEnergy1"), QStringLiteral("Ion energy"), central), 0, 3);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblEnergy2"), QStringLiteral("(keV)"), central), 1,
                      3);
    ionRow->addWidget(txtEnergy, 2, 3);
    ionRow->addWidget(NamedLabel(QStringLiteral("lblRange1"), QStringLiteral("Range"), central), 0,
                      4);
    ionRow->addWidget(
        NamedLabel(QStringLiteral("lblRange2"), QStringLiteral("(1e15 atom/cm2)"), central), 1, 4);
    ionRow->addWidget(txtRange, 2, 4);
    outer->addLayout(ionRow);

    // The data set indicator and the scroll bar that moves between data sets.
    auto* dataRow = new QHBoxLayout;
    lblDataset[0] = NamedLabel(QStringLiteral("lblDataset0"), QStringLiteral("Data set"), central);
    lblDataset[1] = NamedLabel(QStringLiteral("lblDataset1"), QString(), central);
    lblDataset[1]->setMinimumWidth(70);
    HscrolData = new QScrollBar(Qt::Horizontal, central);
    HscrolData->setObjectName(QStringLiteral("HscrolData"));
    HscrolData->setRange(1, 1);
    HscrolData->setPageStep(1);
    cmdReset = new QPushButton(QStringLiteral("Reset"), central);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    dataRow->addWidget(lblDataset[0]);
    dataRow->addWidget(HscrolData, 1);
    dataRow->addWidget(lblDataset[1]);
    dataRow->addWidget(cmdReset);
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
        DBCbTEl[j] = new QComboBox(central);
        DBCbTEl[j]->setObjectName(QStringLiteral("DBCbTEl%1").arg(j));
        txtTComp[j] = NamedField(QStringLiteral("txtTComp%1").arg(j), central);
        targetRows->addWidget(number, top, col);
        targetRows->addWidget(DBCbTEl[j], top + 1, col);
        targetRows->addWidget(txtTComp[j], top + 2, col);
    }
    outer->addLayout(targetRows);

    // The unit of the grid's stopping column.
    auto* unitRow = new QHBoxLayout;
    cbUnit = new QComboBox(central);
    cbUnit->setObjectName(QStringLiteral("cbUnit"));
    for (const char* item : kUnitItems) cbUnit->addItem(QString::fromLatin1(item));
    cbUnit->setCurrentIndex(-1);  // start-up chooses the first item, which fills the grid
    unitRow->addWidget(NamedLabel(QStringLiteral("lblUnit"), QStringLiteral("Unit"), central));
    unitRow->addWidget(cbUnit);
    unitRow->addStretch(1);
    outer->addLayout(unitRow);

    auto* frame = new QGroupBox(QStringLiteral("Result"), central);
    frame->setObjectName(QStringLiteral("FraRes"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    GridResult = new QTableWidget(kGridDataRows, kGridColumns, frame);
    GridResult->setObjectName(QStringLiteral("GridResult"));
    frameLayout->addWidget(GridResult);
    outer->addWidget(frame, 1);

    setCentralWidget(central);
}

void frmMain::BuildGrid() {
    GridResult->verticalHeader()->hide();
    GridResult->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridResult->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    GridResult->horizontalHeader()->setMinimumSectionSize(10);
    // The user may widen a column to read a long composition.
    GridResult->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    GridResult->verticalHeader()->setDefaultSectionSize(18);
    for (int row = 0; row < kGridDataRows; ++row) {
        for (int col = 0; col < kGridColumns; ++col) {
            auto* item = new QTableWidgetItem();
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            GridResult->setItem(row, col, item);
        }
    }
}

void frmMain::BuildMenus() {
    auto named = [this](QAction* action, const char* name) {
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuAdd = named(mnuFile->addAction(QStringLiteral("Add target")), "mnuAdd");
    mnuRemove = named(mnuFile->addAction(QStringLiteral("Remove target")), "mnuRemove");
    mnuTOpen = named(mnuFile->addAction(QStringLiteral("Open target")), "mnuTOpen");
    mnutxtOpen = named(mnuFile->addAction(QStringLiteral("Open Text")), "mnutxtOpen");
    mnuTSave = named(mnuFile->addAction(QStringLiteral("Save target")), "mnuTSave");
    mnuRSave = named(mnuFile->addAction(QStringLiteral("Save result")), "mnuRSave");
    mnuRPrint = named(mnuFile->addAction(QStringLiteral("Print result")), "mnuRPrint");
    mnuExit = named(mnuFile->addAction(QStringLiteral("Exit")), "mnuExit");
    mnuCal = named(menuBar()->addAction(QStringLiteral("Calculate")), "mnuCal");
    mnuCurve = menuBar()->addMenu(QStringLiteral("Curve"));
    mnuCurve->setObjectName(QStringLiteral("mnuCurve"));
    mnuDepthStop = named(mnuCurve->addAction(QStringLiteral("Depth vs dE/dx")), "mnuDepthStop");
    mnuDepthEnergy =
        named(mnuCurve->addAction(QStringLiteral("Depth vs Energy")), "mnuDepthEnergy");
    mnuEnergyStop = named(mnuCurve->addAction(QStringLiteral("Energy vs dE/dx")), "mnuEnergyStop");
    BuildHelpMenu();
}

void frmMain::BuildToolbar() {
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(20, 20));
    struct Button {
        QAction* command;  // nullptr: a separator
        QStyle::StandardPixmap icon;
        const char* tooltip;
    };
    const std::array<Button, kToolbarPositions> buttons = {{
        {mnuAdd, QStyle::SP_FileDialogNewFolder, "Add target"},
        {mnuRemove, QStyle::SP_TrashIcon, "Remove target"},
        {nullptr, QStyle::SP_CustomBase, ""},
        {mnuTOpen, QStyle::SP_DialogOpenButton, "Open target file"},
        {mnuTSave, QStyle::SP_DialogSaveButton, "Save target file"},
        {mnutxtOpen, QStyle::SP_FileDialogDetailedView, "Open text file"},
        {nullptr, QStyle::SP_CustomBase, ""},
        {mnuCal, QStyle::SP_MediaPlay, "Calculate"},
        {mnuDepthStop, QStyle::SP_ArrowDown, "Depth vs dE/dx curve"},
        {mnuDepthEnergy, QStyle::SP_ArrowRight, "Depth vs Energy curve"},
        {mnuEnergyStop, QStyle::SP_FileDialogContentsView, "Energy vs dE/dx curve"},
    }};
    for (int position = 1; position <= kToolbarPositions; ++position) {
        const Button& b = buttons[static_cast<std::size_t>(position - 1)];
        QAction* action = nullptr;
        if (b.command == nullptr) {
            action = Toolbar1->addSeparator();
        } else {
            action = Toolbar1->addAction(style()->standardIcon(b.icon), QString());
            action->setToolTip(QString::fromLatin1(b.tooltip));
            // The toolbar has no logic of its own: each button runs its menu command, and
            // is off whenever that command is off.
            QAction* command = b.command;
            connect(action, &QAction::triggered, command, [command] { command->trigger(); });
            connect(command, &QAction::enabledChanged, action, &QAction::setEnabled);
        }
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(position));
        ToolbarButtons[static_cast<std::size_t>(position)] = action;
    }
}

void frmMain::ConnectHandlers() {
    connect(DBCbIon, &QComboBox::currentIndexChanged, this, [this] { DBCbIon_Click(); });
    for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) {
        connect(DBCbTEl[j], &QComboBox::currentIndexChanged, this, [this, j] { DBCbTEl_Click(j); });
        connect(txtTComp[j], &FieldEdit::keyUp, this, [this, j] { txtTComp_KeyUp(j); });
        connect(txtTComp[j], &FieldEdit::gotFocus, this, [this, j] { txtTComp_GotFocus(j); });
    }
    connect(txtIonMass, &QLineEdit::textChanged, this, [this] { txtIonMass_Change(); });
    connect(txtIonMass, &FieldEdit::keyUp, this, [this] { txtIonMass_KeyUp(); });
    connect(txtIonMass, &FieldEdit::keyPress, this, [this](int ch) { txtIonMass_KeyPress(ch); });
    connect(txtIonMass, &FieldEdit::gotFocus, this, [this] { txtIonMass_GotFocus(); });
    connect(txtEnergy, &FieldEdit::keyUp, this, [this] { txtEnergy_KeyUp(); });
    connect(txtEnergy, &FieldEdit::keyDown, this, [this](int key) { txtEnergy_KeyDown(key); });
    connect(txtEnergy, &FieldEdit::gotFocus, this, [this] { txtEnergy_GotFocus(); });
    connect(txtRange, &FieldEdit::keyUp, this, [this] { txtRange_KeyUp(); });
    connect(txtRange, &FieldEdit::gotFocus, this, [this] { txtRange_GotFocus(); });
    connect(HscrolData, &QScrollBar::valueChanged, this, [this] { HscrolData_Change(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cbUnit, &QComboBox::currentIndexChanged, this, [this] { FillResultGrid(); });
    // A user who picks the unit already shown gets the grid refilled too, as a fresh look at
    // the data sets (Qt reports no index change for that).
    connect(cbUnit, &QComboBox::activated, this, [this] { FillResultGrid(); });

    ConnectNumberMarks();
    connect(mnuAdd, &QAction::triggered, this, [this] { mnuAdd_Click(); });
    connect(mnuRemove, &QAction::triggered, this, [this] { mnuRemove_Click(); });
    connect(mnuTOpen, &QAction::triggered, this, [this] { mnuTOpen_Click(); });
    connect(mnutxtOpen, &QAction::triggered, this, [this] { mnutxtOpen_Click(); });
    connect(mnuTSave, &QAction::triggered, this, [this] { mnuTSave_Click(); });
    connect(mnuRSave, &QAction::triggered, this, [this] { mnuRSave_Click(); });
    connect(mnuRPrint, &QAction::triggered, this, [this] { mnuRPrint_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuCal, &QAction::triggered, this, [this] { mnuCal_Click(); });
    connect(mnuDepthStop, &QAction::triggered, this, [this] { mnuDepthStop_Click(); });
    connect(mnuDepthEnergy, &QAction::triggered, this, [this] { mnuDepthEnergy_Click(); });
    connect(mnuEnergyStop, &QAction::triggered, this, [this] { mnuEnergyStop_Click(); });
}

void frmMain::RunStartUp() {
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
    for (QComboBox* list : DBCbTEl) {
        if (list == nullptr) continue;
        const QSignalBlocker quiet(list);
        list->addItems(symbols);
        list->setCurrentIndex(-1);
    }
    {
        const QSignalBlocker quiet(DBCbIon);
        DBCbIon->addItems(symbols);
        DBCbIon->setCurrentIndex(-1);
    }
    if (!symbols.isEmpty()) {
        SelectIonEntry(0);
        for (int j = 1; j <= fenra::kMaxTargetSlots; ++j) SelectElementEntry(j, 0);
    }

    for (int col = 0; col < kGridColumns; ++col) {
        gridMinWidths_[static_cast<std::size_t>(col)] = fenra::TwipsToPixels(kGridColumnTwips[col]);
        GridResult->setColumnWidth(col, fenra::TwipsToPixels(kGridColumnTwips[col]));
        GridResult->setHorizontalHeaderItem(
            col, new QTableWidgetItem(QString::fromLatin1(kGridHeadings[col])));
    }
    cbUnit->setCurrentIndex(0);  // runs FillResultGrid

    nextCurveWindow_ = 1;
    ShowDataSetIndicator();
    fenra::CentreOnScreen(*this, screen(), frameGeometry().size());
}

void frmMain::SetCommandsEnabled(bool enabled) {
    for (QAction* a : {mnuAdd, mnuRemove, mnuTOpen, mnutxtOpen, mnuTSave, mnuRSave, mnuRPrint,
                       mnuExit, mnuCal, mnuDepthStop, mnuDepthEnergy, mnuEnergyStop})
        a->setEnabled(enabled);
    mnuFile->setEnabled(enabled);
    mnuCurve->setEnabled(enabled);
}

void frmMain::SetEnergyText(const QString& text) {
    txtEnergy->setText(text);
}
void frmMain::SetRangeText(const QString& text) {
    txtRange->setText(text);
}

void frmMain::AdoptCurveWindow(frmStpCurve* window) {
    adoptedCurveWindows_.removeAll(nullptr);  // forget the windows closed since
    adoptedCurveWindows_.append(window);
    CurveWindows[static_cast<std::size_t>(nextCurveWindow_)] = window;
    nextCurveWindow_ = nextCurveWindow_ >= kCurveWindowSlots ? 1 : nextCurveWindow_ + 1;
}

QList<frmStpCurve*> frmMain::OpenCurveWindows() const {
    QList<frmStpCurve*> open;
    for (const QPointer<frmStpCurve>& window : adoptedCurveWindows_)
        if (window && window->isVisible()) open.append(window.data());
    return open;
}

void frmMain::CloseCurveWindows() {
    for (const QPointer<frmStpCurve>& window : adoptedCurveWindows_)
        if (window) window->close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Ending the program ends every curve window with it; nothing is saved or asked.
    CloseCurveWindows();
    event->accept();
}

void frmMain::mnuExit_Click() {
    close();
}
