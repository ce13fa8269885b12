#pragma once
// The main window: the menus, the toolbar and the status bar, and the wiring of its parts. The
// parts, each in a file of its name:
//   DataSetEditor   the input fields of one data set at a time, Add, Remove, Reset;
//   ResultsPane     the unit list and the results of every data set;
//   TargetDocument  the target file: Open, Save, "Save changes?", the recent targets;
//   CurveCommands   the curve walks, one command per curve kind;
//   ChildWindows    the curve and range windows it opened, closed with it.
// Every command is made in one place (MainWindow_commands.cpp), where it also says whether it
// stays on while a curve walk runs.

#include <QList>
#include <QMainWindow>
#include <memory>

class QAction;
class QKeySequence;
class QLabel;
class QMenu;
class QToolBar;

namespace fenra {

class ChildWindows;
class CurveCommands;
class DataSetEditor;
class NamedMaterials;
class RememberedFolders;
class ResultsPane;
class TargetDocument;
struct PrintLayout;

class AppSettings;
class ElementDatabase;
class Platform;
struct WorkingState;

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

    DataSetEditor& dataSetEditor() { return *editor_; }
    TargetDocument& targetDocument() { return *document_; }
    ChildWindows& childWindows() { return *windows_; }

    // Every command that reads or changes the data sets on or off (a curve walk turns them
    // off); the commands that only look (About, Copy, Select all) stay on.
    void setCommandsEnabled(bool enabled);

    // The layout of the last printed report (pages and rows placed), for checking.
    const PrintLayout& lastPrintLayout() const { return *lastPrint_; }

  public slots:
    // Opens the target file at path as Open target does after its dialog: "Save changes?",
    // then the file, with the same messages when it cannot be read (a file named on the
    // command line).
    void openTargetFile(const QString& path);
    // A recent target: as openTargetFile, but a file no longer there is taken off the recent
    // targets, with a message.
    void openRecentTarget(const QString& path);

    // The commands of the results and the help (MainWindow_results.cpp).
    void calculateAll();
    void saveResults();
    void printResults();
    void exportResults();
    void copyResults();
    void openTextFile();
    void openRangeWindow();
    void about();
    void resetDataSets();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Whether a command stays on while a curve walk runs.
    enum class DuringWalk { Off, On };
    // A command being made: its keys, its toolbar looks, what it runs.
    class Command;

    // MainWindow_commands.cpp: every command, the menus and the toolbar.
    Command addCommand(const char* name, const QString& text, DuringWalk duringWalk);
    void createCommands();
    void createCalculationCommands();
    void createMenus();
    void createToolBar();

    // MainWindow.cpp: the parts' wiring, the status bar, the start-up and the settings.
    void connectParts();
    void setUpTabOrder();
    void createStatusBar();
    void showStatusTexts();
    void showStatusMessage(const QString& text);
    void runStartUp();
    void restoreSettings();
    void storeSettings();
    void showMessage(const QString& text);  // a message box titled "Fenra32"

    fenra::Platform& platform_;
    fenra::WorkingState& state_;
    const fenra::ElementDatabase& db_;
    fenra::AppSettings* settings_ = nullptr;
    std::unique_ptr<RememberedFolders> folders_;
    std::unique_ptr<NamedMaterials> materials_;
    std::unique_ptr<PrintLayout> lastPrint_;

    DataSetEditor* editor_ = nullptr;
    ResultsPane* results_ = nullptr;
    TargetDocument* document_ = nullptr;
    ChildWindows* windows_ = nullptr;
    CurveCommands* curves_ = nullptr;

    // The commands by their object names; those turned off while a curve walk runs.
    struct Commands {
        QAction* addDataSet = nullptr;
        QAction* removeDataSet = nullptr;
        QAction* openTarget = nullptr;
        QAction* openText = nullptr;
        QAction* saveTarget = nullptr;
        QAction* saveResults = nullptr;
        QAction* exportResults = nullptr;
        QAction* printResults = nullptr;
        QAction* exit = nullptr;
        QAction* calculate = nullptr;
        QAction* depthStopping = nullptr;
        QAction* depthEnergy = nullptr;
        QAction* energyStopping = nullptr;
        QAction* rangeWindow = nullptr;
        QAction* about = nullptr;
        QAction* copy = nullptr;
        QAction* selectAll = nullptr;
    };
    Commands commands_;
    QList<QAction*> offDuringWalk_;

    QMenu* fileMenu_ = nullptr;
    QMenu* curveMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    // The permanent texts of the status bar.
    QLabel* statusFile_ = nullptr;
    QLabel* statusDataSet_ = nullptr;
    QLabel* statusUnit_ = nullptr;
};

}  // namespace fenra
