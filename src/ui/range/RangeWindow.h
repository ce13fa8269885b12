#pragma once
// The range-and-layers window: for an ion and energy, the stopping and range in a material,
// the ion's energy through a stack of up to ten layers, the energy needed to pass the stack or
// to reach a depth, and the plot of energy or stopping against depth. It starts from a data
// set's ion, mass, energy and target and keeps its own copies: what is changed here never
// changes the data set. Every number follows the typing: each change asks for one calculation
// on the next turn of the event loop, so a burst of changes costs one.

#include <QMainWindow>
#include <QRect>
#include <QString>
#include <QTimer>
#include <utility>

#include "materials/MaterialList.h"
#include "range/RangeCache.h"
#include "range/StackCalculation.h"
#include "state/DataSet.h"
#include "ui/range/RangeTexts.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace fenra {

class LayerTableModel;
class RangeTableView;

// Where a new range window goes on a screen whose free area is `available`: the preferred size
// where it fits (the minimum where even that does not), centred, its top-left on the screen.
QRect RangeWindowGeometry(const QRect& available, QSize preferred, QSize minimum);
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
    const StackCalculation& shown() const { return shown_; }
    const StackInput& shownInput() const { return shownInput_; }
    // How many calculations have run (one per burst of changes).
    int calculationCount() const { return calculations_; }
    // Runs a pending calculation now instead of on the next turn of the event loop.
    void calculateNow();

    // The electronic stopping model of the calculations: "classic" or "modern" (another name
    // is ignored).
    QString modelName() const;
    void setModelName(const QString& name);

    // The significant digits of every number the window shows (kFewestShownDigits to
    // kMostShownDigits; 6 unless the settings say otherwise).
    int significantDigits() const;
    void setSignificantDigits(int digits);

    // The plot's title line, drawn above it on the screen and in every export: the ion, its
    // energy as typed with its unit, the layers front to back and the stopping model
    // ("He 2000 keV through mylar 2 µm, Al 3 µm, Si 40 µm (classic model)").
    QString plotTitle() const;

    LayerTableModel& layers() { return *layers_; }
    StackPlot& plot() { return *plot_; }

    // The commands.
    void saveImage();
    void copyImage();
    void savePlotData();
    void saveTable();
    // A window of the ion paths through the stack shown, on its ion, energy and model.
    void openIonPaths();
    // The energy table of the window's ion and model (one, raised when open again).
    RangeTableView* openTable();

    // The folders the save dialogs start in: of images, and of data files (the plot's data and
    // the layer table). Both start as the documents folder (else home); a save moves its kind's
    // folder to where the file went.
    void setImageFolder(const QString& folder) { imageFolder_ = folder; }
    void setDataFolder(const QString& folder) { dataFolder_ = folder; }
    const QString& imageFolder() const { return imageFolder_; }
    const QString& dataFolder() const { return dataFolder_; }

  signals:
    // A calculation or the digits were shown.
    void calculationShown();

    // The user chose another stopping model (its name), to be remembered.
    void modelChosen(const QString& name);
    // A picture of the plot, or a data file, was written to path (its folder, to be remembered).
    void imageSaved(const QString& path);
    void dataSaved(const QString& path);

  private:
    void buildFields();
    QWidget* buildMaterialGroup();
    QWidget* buildResultsGroup();
    QWidget* buildPlotGroup();
    QWidget* buildStackGroup();
    void buildMenus();
    void connectFields();
    void fillFromDataSet(const DataSet& d);
    void placeOnScreen();

    void scheduleCalculation();
    StackInput readInput() const;
    // The energy field in keV, in the unit typed after the number, else the one chosen beside
    // it (NaN where it is no number).
    double typedEnergyKev() const;
    // The unit chosen beside the energy field (which follows a unit typed in it).
    EnergyUnit energyUnit() const;
    // The mass an energy per u is multiplied by: the mass typed, else the ion's own (NaN when
    // the ion cannot be read).
    double perUMass() const;
    // The unit the results' energies are shown in, and the mass of a unit per u.
    std::pair<EnergyUnit, double> resultEnergyUnit() const;
    // An energy in keV as the window shows it: in the energy field's unit, the unit named.
    QString shownEnergy(double keV) const;
    QString energyAnswer(const EnergyAnswer& a) const;
    void energyEdited();
    void energyUnitChosen();
    void showCalculation();
    void showMaterial(const MaterialResult& m);
    void showStack();
    void showMessages();
    void materialEdited();
    void updateLayerButtons();

    void addLayer();
    void removeLayer();
    void moveLayer(int delta);
    int currentLayer() const;

    bool writeCsv(const QString& title, QString* lastFile, const std::string& text);

    Platform& platform_;
    const ElementDatabase& db_;
    const MaterialList& list_;
    RangeCache& cache_;

    QTimer calculationTimer_;
    StackInput shownInput_;
    StackCalculation shown_;
    int calculations_ = 0;
    int digits_ = kDefaultShownDigits;
    // The density the material field last filled in: while the density field still shows
    // exactly that text, the material's own density is used unrounded.
    QString filledDensity_;
    QString imageFile_, dataFile_, tableFile_;
    QString imageFolder_, dataFolder_;

    QLineEdit* ion_ = nullptr;
    QLineEdit* mass_ = nullptr;
    QLineEdit* energy_ = nullptr;
    QComboBox* energyUnit_ = nullptr;
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
    QFormLayout* resultsForm_ = nullptr;
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
    RangeTableView* tableView_ = nullptr;
};

}  // namespace fenra
