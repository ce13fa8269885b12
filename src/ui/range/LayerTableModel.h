#pragma once
// The layers of the range window's stack as a table: what the user typed for each layer
// (material, thickness, unit, and a density instead of the material's own), and beside it the
// results of the last calculation (energy in, out and lost, where the ion stops, the spreads
// and mean charge behind it, and why a layer has no result). The typed texts are kept as typed;
// they become numbers only for the calculation.

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "range/StackCalculation.h"
#include "ui/range/RangeTexts.h"

namespace fenra {

struct LayerText {
    QString material;
    QString thickness;
    ThicknessUnit unit = ThicknessUnit::Um;
    QString density;  // empty: the material's own
};

class LayerTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        Material,
        Thickness,
        Unit,
        Density,
        EnergyIn,
        EnergyOut,
        EnergyLost,
        StopDepthInLayer,
        StopDepthFromFront,
        EnergySigma,
        AngleSigma,
        LateralSigma,
        ChargeMean,
        Note,  // last, so that it takes the room left over
        ColumnCount
    };

    // The note of a layer the ion does not reach (also the widest note the window sizes for).
    static QString notReachedText() { return tr("the ion does not reach this layer"); }

    explicit LayerTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A layer after row `after` (-1: in front of all); false when the stack is full.
    bool insertLayer(int after, const LayerText& layer);
    void removeLayer(int row);
    // Swaps a layer with its neighbour in front (delta -1) or behind (+1); false at an end.
    bool moveLayer(int row, int delta);

    const std::vector<LayerText>& layers() const { return layers_; }
    // The layers as the calculation reads them.
    std::vector<StackLayerInput> inputs() const;
    // Shows the results of c (whose layers are the rows, in order).
    void setResults(const StackCalculation& c);
    // The significant digits of the results shown.
    void setDigits(int digits);
    // The unit of the energies shown (in, out, lost and their spread), and the ion's mass in
    // amu for a unit per u. keV to begin with.
    void setEnergyUnit(EnergyUnit unit, double massAmu);

  signals:
    // The user changed a layer, added, removed or moved one: the stack needs a new calculation.
    void layersEdited();

  private:
    QString resultText(int row, int column) const;
    // An energy in keV in the unit shown.
    QString energyText(double keV) const;
    // A depth of the stop, as a length in the unit its size calls for where it has one, else in
    // mg/cm2, the unit named.
    QString depthText(const StackDepth& d) const;

    std::vector<LayerText> layers_;
    std::vector<StackLayerRow> results_;
    bool complete_ = false;
    int digits_ = kDefaultShownDigits;
    EnergyUnit energyUnit_ = EnergyUnit::Kev;
    double massAmu_ = 0;
};

}  // namespace fenra
