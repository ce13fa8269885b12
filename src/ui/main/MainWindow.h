#pragma once
// The main window: one data set at a time in the input fields, the commands in the menus and
// the toolbar, the results of all data sets in the grid. The fields write every edit straight
// into the working state; the data set display writes the working state into the fields.

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "elements/ElementDatabase.h"
#include "state/WorkingState.h"
#include "ui/curve/CurveWindow.h"
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

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Runs the start-up: the working state, the element lists filled from db, data set 1
    // shown, the grid headings, the window centred. db must outlive the window.
    MainWindow(fenra::Platform& platform, fenra::WorkingState& state,
               const fenra::ElementDatabase& db, QWidget* parent = nullptr);
    ~MainWindow() override;

    fenra::WorkingState& state() { return state_; }
    const fenra::ElementDatabase& database() const { return db_; }
    fenra::Platform& platformServices() { return platform_; }

  public slots:
    // --- the data set display and the commands on data sets ---
    void dataSetScrolled();
    void showDataSet(int n);
    void addDataSet();
    void removeDataSet();
    void resetDataSets();

    // --- commands ---
    void calculateAll();
    void fillResults();
    void saveTarget();
    void openTarget();
    void saveResults();
    void printResults();
    void openTextFile();
    void exitProgram();
    void about();  // MainWindow_help.cpp

    // Curve commands (MainWindow_curve.cpp).
    void depthStoppingCurve();
    void depthEnergyCurve();
    void energyStoppingCurve();

  public:
    // The curve windows opened by the curve commands, slots 1..100; all close with this window.
    std::array<QPointer<CurveWindow>, kCurveWindowSlots + 1> curveWindows;
    // The slot the next curve window takes.
    int nextCurveWindow() const { return nextCurveWindow_; }

    // Takes a new curve window into this window's care, in the next slot. A curve window is a
    // window of its own, which the main window can be brought in front of; it closes with the
    // main window, also after its slot has been taken by a newer one.
    void adoptCurveWindow(CurveWindow* window);
    // Every curve window still open, oldest first.
    QList<CurveWindow*> openCurveWindows() const;

    // Every menu command and toolbar button on or off (a curve walk turns them off).
    void setCommandsEnabled(bool enabled);

    // The fields the curve walk writes into while it follows the ion.
    void setEnergyText(const QString& text);
    void setRangeText(const QString& text);

    // The layout of the last printed report (pages and rows placed), for checking.
    const PrintLayout& lastPrintLayout() const { return lastPrint_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // MainWindow.cpp: construction and start-up.
    void createFields();
    void createMenus();
    void createHelpMenu();
    void createToolBar();
    void createResultsView();
    void connectSignals();
    void runStartUp();
    void closeCurveWindows();

    // MainWindow_fields.cpp: the handlers of the input fields.
    void ionChosen();
    void targetElementChosen(int j);
    void massChanged();
    void massEdited();
    void massKeyPressed(int ch);
    void massFocused();
    void energyEdited();
    void energyKeyDown(int key);
    void energyFocused();
    void rangeEdited();
    void rangeFocused();
    void ratioEdited(int j);
    void ratioFocused(int j);

    // MainWindow_datasets.cpp helpers.
    void showDataSetIndicator();
    void selectIonEntry(int index);
    void selectElementEntry(int j, int index);
    int listPositionOf(const std::string& symbol) const;
    void fillFields(const fenra::DataSet& d);
    void clearResultRows();

    // MainWindow_numbers.cpp: a mark on a number field whose text is not wholly a number.
    void connectNumberMarks();
    void markNumberField(FieldEdit* field);
    QString numberFieldName(const FieldEdit* field) const;
    QString numberFieldWarning(const FieldEdit* field) const;
    // Names every field of the shown data set that is not wholly a number, in one message;
    // false when there is none.
    bool nameFieldsNotWhollyNumbers();

    // MainWindow_grid.cpp helpers: the grid after a change of the data sets, and its widths.
    void refreshResults();
    void fitResultColumns();

    // MainWindow_commands.cpp helpers.
    void writeResultRow(int i, int unitItem);
    void showMessage(const QString& text);  // a message box titled "Fenra32"
    void showFileWriteFailure(const QString& path, const std::string& error);

    fenra::Platform& platform_;
    fenra::WorkingState& state_;
    const fenra::ElementDatabase& db_;

    PrintLayout lastPrint_;
    std::array<int, 5> gridMinWidths_{};  // the designed column widths, in pixels
    QList<QPointer<CurveWindow>> adoptedCurveWindows_;
    int nextCurveWindow_ = 1;

    // Fields (object names as the member names; arrays carry their index as suffix).
    QToolBar* toolBar = nullptr;
    std::array<QAction*, kToolbarPositions + 1> toolBarActions{};
    std::array<QComboBox*, fenra::kMaxTargetSlots + 1> targetElementCombos{};
    QComboBox* ionCombo = nullptr;
    QScrollBar* dataSetScrollBar = nullptr;
    FieldEdit* massEdit = nullptr;
    QPushButton* resetButton = nullptr;
    FieldEdit* rangeEdit = nullptr;
    QComboBox* unitCombo = nullptr;
    QTableWidget* resultsView = nullptr;
    std::array<FieldEdit*, fenra::kMaxTargetSlots + 1> ratioEdits{};
    FieldEdit* energyEdit = nullptr;
    std::array<QLabel*, 2> dataSetLabels{};
    QLabel* atomicNumberLabel = nullptr;

    // Menus.
    QMenu* fileMenu = nullptr;
    QMenu* curveMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* addDataSetAction = nullptr;
    QAction* removeDataSetAction = nullptr;
    QAction* openTargetAction = nullptr;
    QAction* openTextAction = nullptr;
    QAction* saveTargetAction = nullptr;
    QAction* saveResultsAction = nullptr;
    QAction* printResultsAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* calculateAction = nullptr;
    QAction* depthStoppingAction = nullptr;
    QAction* depthEnergyAction = nullptr;
    QAction* energyStoppingAction = nullptr;
    QAction* aboutAction = nullptr;
};
