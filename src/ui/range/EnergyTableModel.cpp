#include "ui/range/EnergyTableModel.h"

#include <cmath>

#include "ui/messages/WindowMessages.h"

namespace fenra {

namespace {

const QString kNone = QStringLiteral("—");

// The heading of each column: what, then its unit on a second line.
struct Heading {
    const char* what;
    const char* unit;
};
const Heading kHeadings[EnergyTableModel::ColumnCount] = {
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Energy"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "keV")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Electronic"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "eV/(1E15 atoms/cm2)")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Nuclear"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "eV/(1E15 atoms/cm2)")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Total"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "eV/(1E15 atoms/cm2)")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Range"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "1E15 atoms/cm2")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Range"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "mg/cm2")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Range"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "µm")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Range straggling"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "1E15 atoms/cm2")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Range straggling"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "mg/cm2")},
    {QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "Range straggling"),
     QT_TRANSLATE_NOOP("fenra::EnergyTableModel", "µm")}};

}  // namespace

EnergyTableModel::EnergyTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int EnergyTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int EnergyTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

double EnergyTableModel::value(const EnergyTableRow& r, int column) const {
    switch (column) {
        case Energy:
            return EnergyFromKev(r.energy, energyUnit_, massAmu_);
        case Electronic:
            return r.stopping.electronic;
        case Nuclear:
            return r.stopping.nuclear;
        case Total:
            return r.stopping.total;
        case RangeE15:
            return r.range;
        case RangeMgCm2:
            return r.rangeMgCm2;
        case RangeUm:
            return r.rangeUm;
        case SigmaE15:
            return r.sigma;
        case SigmaMgCm2:
            return r.sigmaMgCm2;
        default:
            break;
    }
    return r.sigmaUm;
}

QString EnergyTableModel::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount) return QString();
    const EnergyTableRow& r = rows_[static_cast<std::size_t>(row)];
    if (column != Energy && !r.error.Empty()) return QString();
    const double v = value(r, column);
    return std::isfinite(v) ? ShownNumber(v, digits_) : QString();
}

QVariant EnergyTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const EnergyTableRow& r = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole: {
            const QString text = cellText(index.row(), index.column());
            return text.isEmpty() ? kNone : text;
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ToolTipRole:
            if (!r.error.Empty()) return TranslatedSentence(r.error);
            if (r.sigmaOutOfValidity && index.column() >= SigmaE15)
                return tr(
                    "An estimate: outside the validity of the straggling formula (below "
                    "25 keV/u or beyond the small-angle limit)");
            return {};
        default:
            return {};
    }
}

QVariant EnergyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= ColumnCount) return {};
    // A long unit breaks after its first slash, "eV/" over "(1E15 atoms/cm2)": the columns
    // stay about as narrow as their numbers.
    QString unit = unitText(section);
    const qsizetype slash = unit.indexOf(QLatin1String("/("));
    if (slash >= 0) unit.insert(slash + 1, QLatin1Char('\n'));
    return tr(kHeadings[section].what) + QLatin1Char('\n') + unit;
}

void EnergyTableModel::setRows(std::vector<EnergyTableRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QString EnergyTableModel::unitText(int column) const {
    return column == Energy ? EnergyUnitDisplay(energyUnit_) : tr(kHeadings[column].unit);
}

void EnergyTableModel::setEnergyUnit(EnergyUnit unit, double massAmu) {
    if (unit == energyUnit_ && massAmu == massAmu_) return;
    energyUnit_ = unit;
    massAmu_ = massAmu;
    emit headerDataChanged(Qt::Horizontal, Energy, Energy);
    if (!rows_.empty()) emit dataChanged(index(0, Energy), index(rowCount() - 1, Energy));
}

void EnergyTableModel::setDigits(int digits) {
    if (digits == digits_) return;
    digits_ = digits;
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
}

QString EnergyTableModel::tabText() const {
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < ColumnCount; ++c)
        cells << tr(kHeadings[c].what) + QLatin1Char(' ') + unitText(c);
    lines << cells.join(QLatin1Char('\t'));
    for (int r = 0; r < rowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < ColumnCount; ++c) cells << cellText(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace fenra
