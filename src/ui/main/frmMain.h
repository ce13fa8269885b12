#pragma once
// The main window: one data set at a time in the input fields, the commands in the menus and
// the toolbar, the results of all data sets in the grid. The fields write every edit straight
// into the working state; the data set display writes the working state into the fields.

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "elements/ElementDatabase.h"
#include "files/FileError.h"
#include "state/WorkingState.h"
#include "ui/curve/frmStpCurve.h"
#include "ui/main/ReportPrinter.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QTableWidget;
class QToolBar;
class FieldEdit;

namespace fenra {
class Platform;
}

// Toolbar positions 1..11; 3 and 7 are separators.
constexpr int kToolbarPositions = 11;
// Slots of the curve windows, 1..100: the 101st window takes slot 1 again.
constexpr int kCurveWindowSlots = 100;

class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    // Runs the start-up: the working state, the element lists filled from db, data set 1
    // shown, the grid headings, the window centred. db must outlive the window.
    frmMain(fenra::Platform& platform, fenra::WorkingState& state, const fenra::ElementDatabase& db,
            QWidget* parent = nullptr);
    ~frmMain() override;

    fenra::WorkingState& State() { return state_; }
    const fenra::ElementDatabase& Database() const { return db_; }
    fenra::Platform& PlatformServices() { return platform_; }

    // --- the data set display and the commands on data sets ---
    void HscrolData_Change();
    void ShowDataSet(int n);
    void mnuAdd_Click();
    void mnuRemove_Click();
    void cmdReset_Click();

    // --- commands ---
    void mnuCal_Click();
    void FillResultGrid();
    void mnuTSave_Click();
    void mnuTOpen_Click();
    void mnuRSave_Click();
    void mnuRPrint_Click();
    void mnutxtOpen_Click();
    void mnuExit_Click();
    void mnuAbout_Click();  // frmMain_help.cpp

    // Curve commands (frmMain_curve.cpp).
    void mnuDepthStop_Click();
    void mnuDepthEnergy_Click();
    void mnuEnergyStop_Click();

    // The curve windows opened by the curve commands, slots 1..100; all close with this window.
    std::array<QPointer<frmStpCurve>, kCurveWindowSlots + 1> CurveWindows;
    // The slot the next curve window takes.
    int NextCurveWindow() const { return nextCurveWindow_; }

    // Takes a new curve window into this window's care, in the next slot. A curve window is a
    // window of its own, which the main window can be brought in front of; it closes with the
    // main window, also after its slot has been taken by a newer one.
    void AdoptCurveWindow(frmStpCurve* window);
    // Every curve window still open, oldest first.
    QList<frmStpCurve*> OpenCurveWindows() const;

    // Every menu command and toolbar button on or off (a curve walk turns them off).
    void SetCommandsEnabled(bool enabled);

    // The fields the curve walk writes into while it follows the ion.
    void SetEnergyText(const QString& text);
    void SetRangeText(const QString& text);

    // The layout of the last printed report (pages and rows placed), for checking.
    const PrintLayout& LastPrintLayout() const { return lastPrint_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // frmMain.cpp: construction and start-up.
    void BuildFields();
    void BuildMenus();
    void BuildHelpMenu();
    void BuildToolbar();
    void BuildGrid();
    void ConnectHandlers();
    void RunStartUp();
    void CloseCurveWindows();

    // frmMain_fields.cpp: the handlers of the input fields.
    void DBCbIon_Click();
    void DBCbTEl_Click(int j);
    void txtIonMass_Change();
    void txtIonMass_KeyUp();
    void txtIonMass_KeyPress(int ch);
    void txtIonMass_GotFocus();
    void txtEnergy_KeyUp();
    void txtEnergy_KeyDown(int key);
    void txtEnergy_GotFocus();
    void txtRange_KeyUp();
    void txtRange_GotFocus();
    void txtTComp_KeyUp(int j);
    void txtTComp_GotFocus(int j);

    // frmMain_datasets.cpp helpers.
    void ShowDataSetIndicator();
    void SelectIonEntry(int index);
    void SelectElementEntry(int j, int index);
    int ListPositionOf(const std::string& symbol) const;
    void FillFields(const fenra::DataSet& d);
    void ClearGridRows();

    // frmMain_numbers.cpp: a mark on a number field whose text is not wholly a number.
    void ConnectNumberMarks();
    void MarkNumberField(FieldEdit* field);
    QString NumberFieldName(const FieldEdit* field) const;
    QString NumberFieldWarning(const FieldEdit* field) const;
    // Names every field of the shown data set that is not wholly a number, in one message;
    // false when there is none.
    bool NameFieldsNotWhollyNumbers();

    // frmMain_grid.cpp helpers: the grid after a change of the data sets, and its widths.
    void RefreshGrid();
    void FitGridColumns();

    // frmMain_commands.cpp helpers.
    void WriteGridRow(int i, int unitItem);
    void ShowMessage(const QString& text);  // a message box titled "Fenra32"
    void ShowFileWriteFailure(const QString& path, const fenra::FileError& error);

    fenra::Platform& platform_;
    fenra::WorkingState& state_;
    const fenra::ElementDatabase& db_;

    PrintLayout lastPrint_;
    std::array<int, 5> gridMinWidths_{};  // the designed column widths, in pixels
    QList<QPointer<frmStpCurve>> adoptedCurveWindows_;
    int nextCurveWindow_ = 1;

    // Fields (object names as the member names; arrays carry their index as suffix).
    QToolBar* Toolbar1 = nullptr;
    std::array<QAction*, kToolbarPositions + 1> ToolbarButtons{};
    std::array<QComboBox*, fenra::kMaxTargetSlots + 1> DBCbTEl{};
    QComboBox* DBCbIon = nullptr;
    QScrollBar* HscrolData = nullptr;
    FieldEdit* txtIonMass = nullptr;
    QPushButton* cmdReset = nullptr;
    FieldEdit* txtRange = nullptr;
    QComboBox* cbUnit = nullptr;
    QTableWidget* GridResult = nullptr;
    std::array<FieldEdit*, fenra::kMaxTargetSlots + 1> txtTComp{};
    FieldEdit* txtEnergy = nullptr;
    std::array<QLabel*, 2> lblDataset{};
    QLabel* lblZNum = nullptr;

    // Menus.
    QMenu* mnuFile = nullptr;
    QMenu* mnuCurve = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAdd = nullptr;
    QAction* mnuRemove = nullptr;
    QAction* mnuTOpen = nullptr;
    QAction* mnutxtOpen = nullptr;
    QAction* mnuTSave = nullptr;
    QAction* mnuRSave = nullptr;
    QAction* mnuRPrint = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuCal = nullptr;
    QAction* mnuDepthStop = nullptr;
    QAction* mnuDepthEnergy = nullptr;
    QAction* mnuEnergyStop = nullptr;
    QAction* mnuAbout = nullptr;
};
