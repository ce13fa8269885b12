#include "ui/range/LayerTableModel.h"

#include <algorithm>
#include <cmath>

#include "ui/messages/WindowMessages.h"
#include "ui/range/RangeTexts.h"

namespace fenra {

namespace {

// Short headings, on two lines where that keeps a column as narrow as its numbers, so that every
// column fits a window of common width; the whole heading is the header's tooltip. %1: the unit
// of the energies.
const char* const kHeadings[LayerTableModel::ColumnCount] = {
    QT_TR_NOOP("Material"), QT_TR_NOOP("Thickness"), QT_TR_NOOP("Unit"),
    QT_TR_NOOP("Density\n(g/cm3)"), QT_TR_NOOP("E in\n(%1)"), QT_TR_NOOP("E out\n(%1)"),
    QT_TR_NOOP("E lost\n(%1)"), QT_TR_NOOP("Stop depth\nin layer"),
    QT_TR_NOOP("Stop depth\nfrom front"),
    // The spreads behind each layer.
    QT_TR_NOOP("σE\n(%1)"), QT_TR_NOOP("Angle σ\n(mrad)"), QT_TR_NOOP("Lateral σ"),
    QT_TR_NOOP("Mean\ncharge"), QT_TR_NOOP("Note")};

const char* const kHeadingTips[LayerTableModel::ColumnCount] = {
    QT_TR_NOOP("Material: an element symbol, a formula or a listed material"),
    QT_TR_NOOP("Thickness of the layer, in its unit"),
    QT_TR_NOOP("Unit of the thickness"),
    QT_TR_NOOP("Density (g/cm3) instead of the material's own; empty: its own"),
    QT_TR_NOOP("Energy of the ion entering the layer (%1)"),
    QT_TR_NOOP("Energy of the ion leaving the layer (%1)"),
    QT_TR_NOOP("Energy lost in the layer (%1)"),
    QT_TR_NOOP("Depth where the ion stops, from the layer's front face"),
    QT_TR_NOOP("Depth where the ion stops, from the stack's front face"),
    QT_TR_NOOP("Energy spread (one standard deviation) behind the layer (%1)"),
    QT_TR_NOOP("Angular spread (one standard deviation) behind the layer (mrad)"),
    QT_TR_NOOP("Lateral spread (one standard deviation) behind the layer, in nm, µm, mm or cm"),
    QT_TR_NOOP("Mean charge of the ion behind the layer"),
    QT_TR_NOOP("Note")};

constexpr double kMradPerRad = 1000;

// A spread: empty where it is not known.
QString SpreadText(double v, int digits) {
    return std::isfinite(v) ? ShownNumber(v, digits) : QString();
}

bool IsInput(int column) {
    return column <= LayerTableModel::Density;
}

}  // namespace

LayerTableModel::LayerTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int LayerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(layers_.size());
}

int LayerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LayerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t row = static_cast<std::size_t>(index.row());
    const LayerText& l = layers_[row];
    const int column = index.column();
    if (role == Qt::ToolTipRole && row < results_.size() && !results_[row].error.Empty())
        return TranslatedSentence(results_[row].error);
    // A note longer than its column is read whole in the tooltip.
    if (role == Qt::ToolTipRole && column == Note) {
        const QString note = resultText(index.row(), Note);
        return note.isEmpty() ? QVariant() : QVariant(note);
    }
    if (role == Qt::TextAlignmentRole && column != Material && column != Unit && column != Note)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    switch (column) {
        case Material:
            return l.material;
        case Thickness:
            return l.thickness;
        case Unit:
            if (role == Qt::EditRole) return static_cast<int>(l.unit);
            return ThicknessUnitDisplay(l.unit);
        case Density:
            return l.density;
        default:
            return resultText(index.row(), column);
    }
}

QString LayerTableModel::resultText(int row, int column) const {
    if (row >= static_cast<int>(results_.size())) return {};
    const StackLayerRow& r = results_[static_cast<std::size_t>(row)];
    if (!r.error.Empty()) return column == Note ? TranslatedSentence(r.error) : QString();
    if (!complete_) return {};
    if (!r.reached) return column == Note ? notReachedText() : QString();
    switch (column) {
        case EnergyIn:
            return energyText(r.energyIn);
        case EnergyOut:
            // A stopped ion leaves with nothing: exactly 0, not 0 to so many digits (the note
            // says it stopped).
            return r.stopped ? QStringLiteral("0") : energyText(r.energyOut);
        case EnergyLost:
            return energyText(r.energyLoss);
        case StopDepthInLayer:
            // From the layer's own front face: what the ion leaves of this layer's thickness.
            return r.stopped ? depthText(r.stopDepthInLayer) : QString();
        case StopDepthFromFront:
            // From the stack's front face, through every layer before.
            return r.stopped ? depthText(r.stopDepth) : QString();
        case EnergySigma:
            return std::isfinite(r.energySigma) ? energyText(r.energySigma) : QString();
        case AngleSigma:
            return SpreadText(r.angleSigma * kMradPerRad, digits_);
        case LateralSigma:
            // In nm, µm, mm or cm by its size, as the ranges.
            return std::isfinite(r.lateralSigma) ? ShownLength(r.lateralSigma, digits_) : QString();
        case ChargeMean:
            return SpreadText(r.chargeMean, digits_);
        case Note:
            if (r.stopped) return tr("the ion stops in this layer");
            return r.spreadOutOfValidity
                       ? tr("the spreads are estimates: their formulas do not hold here")
                       : QString();
        default:
            return {};
    }
}

QString LayerTableModel::depthText(const StackDepth& d) const {
    // A length only while every layer passed has a density; a mass per area always.
    return d.hasUm ? ShownLength(d.um, digits_) : ShownNumber(d.mgCm2, digits_) + tr(" mg/cm2");
}

bool LayerTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !IsInput(index.column())) return false;
    LayerText& l = layers_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case Material:
            l.material = value.toString();
            break;
        case Thickness:
            l.thickness = value.toString();
            break;
        case Unit: {
            bool ok = false;
            const int unit = value.toInt(&ok);
            if (!ok || unit < 0 || unit >= kThicknessUnitCount) return false;
            l.unit = static_cast<ThicknessUnit>(unit);
            break;
        }
        default:
            l.density = value.toString();
            break;
    }
    emit dataChanged(index, index, {role, Qt::DisplayRole});
    emit layersEdited();
    return true;
}

Qt::ItemFlags LayerTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return IsInput(index.column()) ? shown | Qt::ItemIsEditable : shown;
}

QVariant LayerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= ColumnCount) return {};
    const QString heading =
        tr(role == Qt::DisplayRole ? kHeadings[section] : kHeadingTips[section]);
    return heading.contains(QLatin1String("%1")) ? heading.arg(EnergyUnitDisplay(energyUnit_))
                                                 : heading;
}

void LayerTableModel::setEnergyUnit(EnergyUnit unit, double massAmu) {
    if (unit == energyUnit_ && massAmu == massAmu_) return;
    energyUnit_ = unit;
    massAmu_ = massAmu;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

QString LayerTableModel::energyText(double keV) const {
    return ShownNumber(EnergyFromKev(keV, energyUnit_, massAmu_), digits_);
}

bool LayerTableModel::insertLayer(int after, const LayerText& layer) {
    if (rowCount() >= kMaxStackLayers) return false;
    const int row = std::clamp(after + 1, 0, rowCount());
    beginInsertRows(QModelIndex(), row, row);
    layers_.insert(layers_.begin() + row, layer);
    // The results belong to the old rows until the next calculation: none are shown meanwhile.
    results_.clear();
    endInsertRows();
    emit layersEdited();
    return true;
}

void LayerTableModel::removeLayer(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    layers_.erase(layers_.begin() + row);
    results_.clear();
    endRemoveRows();
    emit layersEdited();
}

bool LayerTableModel::moveLayer(int row, int delta) {
    const int to = row + delta;
    if (row < 0 || row >= rowCount() || to < 0 || to >= rowCount() || delta == 0) return false;
    // beginMoveRows names the row in front of which the moved row lands.
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), delta > 0 ? to + 1 : to);
    std::swap(layers_[static_cast<std::size_t>(row)], layers_[static_cast<std::size_t>(to)]);
    results_.clear();
    endMoveRows();
    emit layersEdited();
    return true;
}

std::vector<StackLayerInput> LayerTableModel::inputs() const {
    std::vector<StackLayerInput> inputs;
    for (const LayerText& l : layers_) {
        StackLayerInput in;
        in.material = l.material.trimmed().toStdString();
        in.thickness = TypedNumber(l.thickness);
        in.unit = l.unit;
        // No density typed keeps the material's own (0 tells the calculation so).
        in.density = l.density.trimmed().isEmpty() ? 0 : TypedNumber(l.density);
        inputs.push_back(in);
    }
    return inputs;
}

void LayerTableModel::setDigits(int digits) {
    digits_ = digits;
    if (rowCount() > 0)
        emit dataChanged(index(0, EnergyIn), index(rowCount() - 1, ColumnCount - 1),
                         {Qt::DisplayRole});
}

void LayerTableModel::setResults(const StackCalculation& c) {
    results_ = c.layers;
    complete_ = c.stackComplete;
    if (rowCount() > 0)
        emit dataChanged(index(0, EnergyIn), index(rowCount() - 1, ColumnCount - 1),
                         {Qt::DisplayRole, Qt::ToolTipRole});
}

}  // namespace fenra
