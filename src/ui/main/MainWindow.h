#pragma once
// The main window: one data set at a time in the input fields, the commands in the menus and
// the toolbar, the results of all data sets in the results view. The fields write every edit
// straight into the working state; showing a data set writes the working state into the fields.

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>

#include "elements/ElementDatabase.h"
#include "files/FileError.h"
#include "materials/MaterialList.h"
#include "settings/AppSettings.h"
#include "state/WorkingState.h"
#include "ui/curve/CurveWindow.h"
#include "ui/main/ReportPrinter.h"

class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTableView;
class QToolBar;
class FieldEdit;
class ResultsModel;

namespace fenra {
class Platform;
class RangeWindow;
}  // namespace fenra

// Slots of the curve windows, 1..100: the 101st window takes slot 1 again.
constexpr int kCurveWindowSlots = 100;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Runs the start-up: the working state, the element lists filled from db, data set 1
    // shown, the result headings, the window centred. db must outlive the window. With
    // settings (which must outlive the window too) the window starts with the geometry, unit
    // and ion of the last run and keeps the folders and recent files; without, it remembers
    // nothing and its dialogs start in the user's documents folder.
    MainWindow(fenra::Platform& platform, fenra::WorkingState& state,
               const fenra::ElementDatabase& db, fenra::AppSettings* settings = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    fenra::WorkingState& state() { return state_; }
    const fenra::ElementDatabase& database() const { return db_; }
    fenra::Platform& platformServices() { return platform_; }

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
    // Every range-and-layers window still open, oldest first.
    QList<fenra::RangeWindow*> openRangeWindows() const;

    // Every menu command and toolbar button on or off (a curve walk turns them off).
    void setCommandsEnabled(bool enabled);

    // The fields the curve walk writes into while it follows the ion.
    void setEnergyText(const QString& text);
    void setRangeText(const QString& text);

    // The layout of the last printed report (pages and rows placed), for checking.
    const PrintLayout& lastPrintLayout() const { return lastPrint_; }

    // The target file last opened or saved; empty for a new target.
    QString targetPath() const { return targetPath_; }
    // Whether the data sets differ from the target file as last opened or saved (or, with
    // none, from the start or the last Reset).
    bool targetChanged() const;
    // Opens the target file named on the program's command line, with the checks and messages
    // of Open target; one that cannot be read leaves the new, empty data sets.
    void openTargetOnStart(const QString& path);

    // The folder the next dialog for files of this kind starts in (MainWindow_settings.cpp).
    QString startFolder(fenra::FileKind kind) const;
    // Remembers the folder of a file just opened or saved.
    void rememberFolderOf(fenra::FileKind kind, const QString& path);

  public slots:
    // The data sets (MainWindow_datasets.cpp).
    void showDataSet(int n);
    void addDataSet();
    void removeDataSet();
    void resetDataSets();

    // The commands (MainWindow_commands.cpp, MainWindow_help.cpp).
    void calculateAll();
    void saveTarget();
    void openTarget();
    void openRecentTarget(const QString& path);
    void saveResults();
    void printResults();
    void openTextFile();
    void about();

    // The curve commands (MainWindow_curve.cpp).
    void depthStoppingCurve();
    void depthEnergyCurve();
    void energyStoppingCurve();

    // Range and layers (MainWindow_range.cpp): a window of its own on the current data set.
    void openRangeWindow();

    // Numbers out (MainWindow_export.cpp): the grid's selection as text, Export results….
    void copyResults();
    void selectAllResults();
    void exportResults();

    // The materials field (MainWindow_material.cpp): the typed material into the target.
    void enterMaterial();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private slots:
    // The input fields (MainWindow_fields.cpp).
    void dataSetScrolled();
    void ionChosen();
    void targetElementChosen(int j);
    void massEdited();
    void massKeyPressed(int ch);
    void energyEdited();
    void energyKeyDown(int key);
    void rangeEdited();
    void ratioEdited(int j);
    // The unit list: the results in the chosen unit (MainWindow_results.cpp).
    void showResultsInUnit();

  private:
    // Every command, shared by the menus and the toolbar.
    struct Actions {
        QAction* addDataSet = nullptr;
        QAction* removeDataSet = nullptr;
        QAction* openTarget = nullptr;
        QAction* openText = nullptr;
        QAction* saveTarget = nullptr;
        QAction* saveResults = nullptr;
        QAction* printResults = nullptr;
        QAction* exit = nullptr;
        QAction* calculate = nullptr;
        QAction* depthStopping = nullptr;
        QAction* depthEnergy = nullptr;
        QAction* energyStopping = nullptr;
        QAction* rangeWindow = nullptr;
        QAction* about = nullptr;
        QAction* copy = nullptr;           // the grid's selection, Ctrl+C
        QAction* selectAll = nullptr;      // every cell of the grid
        QAction* exportResults = nullptr;  // all data sets to CSV
    };
    struct Menus {
        QMenu* file = nullptr;
        QMenu* curve = nullptr;
        QMenu* help = nullptr;
        QMenu* recentTargets = nullptr;
    };
    // The permanent texts of the status bar.
    struct StatusTexts {
        QLabel* file = nullptr;
        QLabel* dataSet = nullptr;
        QLabel* unit = nullptr;
    };
    // The input fields of one data set, and the unit and the view of the results.
    // The target arrays are indexed by slot, 1..10.
    struct Fields {
        QComboBox* ionCombo = nullptr;
        QLabel* atomicNumberLabel = nullptr;
        FieldEdit* massEdit = nullptr;
        FieldEdit* energyEdit = nullptr;
        FieldEdit* rangeEdit = nullptr;
        QLabel* dataSetLabel = nullptr;  // "n of m"
        QScrollBar* dataSetScrollBar = nullptr;
        QPushButton* resetButton = nullptr;
        std::array<QComboBox*, fenra::kMaxTargetSlots + 1> targetElementCombos{};
        std::array<FieldEdit*, fenra::kMaxTargetSlots + 1> ratioEdits{};
        QComboBox* unitCombo = nullptr;
        QTableView* resultsView = nullptr;
        QLineEdit* materialEdit = nullptr;  // a formula or material name for the target
    };

    // MainWindow.cpp: construction and start-up.
    void createActions();
    void createMenus();
    void createToolBar();
    void connectSignals();
    void runStartUp();
    void fillElementLists();
    void closeCurveWindows();

    // MainWindow_keys.cpp: mnemonics, shortcuts, the names a screen reader speaks, Tab order.
    void setUpKeys();
    void nameControls();
    void setUpTabOrder();

    // MainWindow_settings.cpp: the status bar, "Save changes?", recent targets, settings.
    void createStatusBar();
    void showStatusTexts();
    bool maybeSaveTarget();                  // false: the user cancelled, or the save failed
    void targetFileIs(const QString& path);  // opened or saved: the new unchanged state
    void fillRecentTargets();
    void restoreSettings();
    void storeSettings();

    // MainWindow_layout.cpp: the fields, row by row.
    void createFields();
    QLayout* createIonRow(QWidget* parent);
    QLayout* createDataSetRow(QWidget* parent);
    QLayout* createTargetRows(QWidget* parent);
    QLayout* createUnitRow(QWidget* parent);
    QWidget* createResultsView(QWidget* parent);

    // MainWindow_datasets.cpp helpers.
    void showDataSetIndicator();
    void selectIonEntry(int index);
    void selectElementEntry(int j, int index);
    int listPositionOf(const std::string& symbol) const;
    void fillFields(const fenra::DataSet& d);
    // Back to one new data set, as at the start (Reset, and Remove of the last data set).
    void clearDataSets();
    // The results view shows the current data set's edit.
    void currentDataSetEdited();

    // MainWindow_numbers.cpp: a mark on a number field whose text is not wholly a number.
    void connectNumberMarks();
    void markNumberField(FieldEdit* field);
    QString numberFieldName(const FieldEdit* field) const;
    QString numberFieldWarning(const FieldEdit* field) const;
    // Names every field of the shown data set that is not wholly a number, in one message;
    // false when there is none.
    bool nameFieldsNotWhollyNumbers();

    // MainWindow_results.cpp: the results after a change of the data sets, and their widths.
    void refreshResults();
    void fitResultColumns();

    // MainWindow_export.cpp: the commands of the grid and Export results.
    void createExportActions();
    // MainWindow_material.cpp: the row of the materials field, and the list of named materials
    // (read beside the element database on first use; empty when it cannot be read).
    QLayout* createMaterialRow(QWidget* parent);
    const fenra::MaterialList& materialList();

    // MainWindow_commands.cpp helpers.
    bool saveTargetFile();  // false when not saved (refused, cancelled, failed)
    void openTargetFile(const QString& path);
    void showMessage(const QString& text);  // a message box titled "Fenra32"
    void showFileWriteFailure(const QString& path, const fenra::FileError& error);

    fenra::Platform& platform_;
    fenra::WorkingState& state_;
    const fenra::ElementDatabase& db_;

    Actions actions_;
    Menus menus_;
    Fields fields_;
    StatusTexts status_;
    fenra::AppSettings* settings_ = nullptr;
    QString targetPath_;
    std::string unchangedTargetText_;  // the target file's text when last opened or saved
    QToolBar* toolBar_ = nullptr;
    ResultsModel* results_ = nullptr;

    std::optional<fenra::MaterialList> materials_;
    QString materialsFailure_;  // why the list of named materials could not be read

    PrintLayout lastPrint_;
    std::array<int, 5> resultMinWidths_{};  // the designed column widths, in pixels
    QList<QPointer<CurveWindow>> adoptedCurveWindows_;
    QList<QPointer<fenra::RangeWindow>> rangeWindows_;
    bool materialsFailureShown_ = false;  // the range window told why the list is missing
    const fenra::MaterialList& materialsForRangeWindow();
    int nextCurveWindow_ = 1;
};
