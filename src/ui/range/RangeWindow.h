#pragma once
// The range-and-layers window: for an ion and energy, the stopping and range in a material,
// the ion's energy through a stack of up to ten layers, the energy needed to pass the stack or
// to reach a depth, and the plot of energy or stopping against depth. It starts from a data
// set's ion, mass, energy and target and keeps its own copies: what is changed here never
// changes the data set. Every number follows the typing: each change asks for one calculation
// on the next turn of the event loop, so a burst of changes costs one.

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include "materials/MaterialList.h"
#include "range/RangeCache.h"
#include "range/StackCalculation.h"
#include "state/DataSet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace fenra {

class LayerTableModel;
class Platform;
class StackPlot;

class RangeWindow : public QMainWindow {
    Q_OBJECT

  public:
    RangeWindow(Platform& platform, const DataSet& dataSet, const ElementDatabase& db,
                const MaterialList& list, QWidget* parent = nullptr,
                RangeCache& cache = SharedRangeCache());
    ~RangeWindow() override;

    // The calculation shown, and its input.
    const StackCalculation& Shown() const { return shown_; }
    const StackInput& ShownInput() const { return shownInput_; }
    // How many calculations have run (one per burst of changes).
    int CalculationCount() const { return calculations_; }
    // Runs a pending calculation now instead of on the next turn of the event loop.
    void CalculateNow();

    // The electronic stopping model of the calculations: "classic" or "modern" (another name
    // is ignored).
    QString ModelName() const;
    void SetModelName(const QString& name);

    LayerTableModel& Layers() { return *layers_; }
    StackPlot& Plot() { return *plot_; }

    // The commands.
    void SaveImage();
    void CopyImage();
    void SavePlotData();
    void SaveTable();
    // A window of the ion paths through the stack shown, on its ion, energy and model.
    void OpenIonPaths();

  signals:
    // The user chose another stopping model (its name), to be remembered.
    void modelChosen(const QString& name);

  private:
    void BuildFields();
    QWidget* BuildMaterialGroup();
    QWidget* BuildResultsGroup();
    QWidget* BuildPlotGroup();
    QWidget* BuildStackGroup();
    void BuildMenus();
    void ConnectFields();
    void FillFromDataSet(const DataSet& d);

    void ScheduleCalculation();
    StackInput ReadInput() const;
    void ShowCalculation();
    void ShowMaterial(const MaterialResult& m);
    void ShowStack();
    void ShowMessages();
    void MaterialEdited();
    void UpdateLayerButtons();

    void AddLayer();
    void RemoveLayer();
    void MoveLayer(int delta);
    int CurrentLayer() const;

    bool WriteCsv(const QString& title, QString* lastFile, const std::string& text);

    Platform& platform_;
    const ElementDatabase& db_;
    const MaterialList& list_;
    RangeCache& cache_;

    QTimer calculationTimer_;
    StackInput shownInput_;
    StackCalculation shown_;
    int calculations_ = 0;
    // The density the material field last filled in: while the density field still shows
    // exactly that text, the material's own density is used unrounded.
    QString filledDensity_;
    QString imageFile_, dataFile_, tableFile_;

    QLineEdit* ion_ = nullptr;
    QLineEdit* mass_ = nullptr;
    QLineEdit* energy_ = nullptr;
    QLineEdit* material_ = nullptr;
    QLineEdit* density_ = nullptr;
    QComboBox* model_ = nullptr;
    QComboBox* stopUnit_ = nullptr;
    QLabel* electronic_ = nullptr;
    QLabel* nuclear_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* stopNote_ = nullptr;
    QLabel* rangeE15_ = nullptr;
    QLabel* rangeMgCm2_ = nullptr;
    QLabel* rangeUm_ = nullptr;
    QLabel* rangeNote_ = nullptr;
    LayerTableModel* layers_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QLabel* energyToPass_ = nullptr;
    QLineEdit* reachDepth_ = nullptr;
    QComboBox* reachUnit_ = nullptr;
    QLabel* energyToReach_ = nullptr;
    QLabel* messages_ = nullptr;
    StackPlot* plot_ = nullptr;
    QComboBox* quantity_ = nullptr;
    QCheckBox* logDepth_ = nullptr;
    QCheckBox* logValue_ = nullptr;
    QLabel* cursor_ = nullptr;
};

}  // namespace fenra
