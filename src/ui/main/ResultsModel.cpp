#include "ui/main/ResultsModel.h"

#include "export/ResultsExport.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

QString General(float v) {
    return QString::fromStdString(fenra::GeneralText(v));
}

}  // namespace

ResultsModel::ResultsModel(const fenra::WorkingState& state, QObject* parent)
    : QAbstractTableModel(parent), state_(state) {}

QStringList ResultsModel::unitNames() {
    return {tr("eV/(1e15/cm2)"), tr("keV/mg/cm2"), tr("ev/A"), tr("keV/um")};
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : fenra::kMaxDataSets;
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString ResultsModel::cellText(const fenra::DataSet& d, int column) const {
    switch (column) {
        case 0:
            return QString::fromStdString(d.IonName);
        case 1:
            return General(d.IonMass);
        case 2:
            return General(d.IonEnergy);
        case 3:
            return QString::fromStdString(d.TargetName);
        default:
            break;
    }
    // A data set that could not be calculated shows no result rather than an old one; in a
    // length unit a compound has none, and says so as the report does.
    if (unit_ < 0 || !fenra::HasResultsToShow(d)) return QString();
    if (lacksLengthUnit(d)) return QStringLiteral("-");
    return General(fenra::StoredStop(d, static_cast<fenra::StopUnit>(unit_)));
}

bool ResultsModel::lacksLengthUnit(const fenra::DataSet& d) const {
    return isLengthUnit(unit_) && d.ElementCount > 1 && fenra::HasResultsToShow(d);
}

QString ResultsModel::cellToolTip(int i, const fenra::DataSet& d, int column) const {
    if (column != kStoppingColumn || !lacksLengthUnit(d)) return QString();
    return tr("Data set %1 is a compound: eV/A and keV/um need the atomic density of one "
              "element.")
        .arg(i);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const int i = index.row() + 1;  // data set i is row i - 1
    if (i > fenra::DataSetsInUse(state_)) return QString();
    if (role == Qt::ToolTipRole) return cellToolTip(i, state_.DataSets[i], index.column());
    return cellText(state_.DataSets[i], index.column());
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const QStringList headings = {tr(" Ion"), tr("   Mass"), tr(" E (keV)"), tr("     Target"),
                                  tr("     Stopping power")};
    return headings[section];
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const {
    // Cells can be selected (to be copied), never edited.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ResultsModel::setUnit(int unit) {
    unit_ = unit;
    // Also shown afresh: the other columns, which a calculation rewrites (the target's text).
    dataSetsChanged();
}

void ResultsModel::dataSetChanged(int i) {
    if (i < 1 || i > rowCount()) return;
    emit dataChanged(index(i - 1, 0), index(i - 1, kColumns - 1));
}

void ResultsModel::dataSetsChanged() {
    // The rows stay (one for every possible data set), so a change of their contents says it
    // all; a reset would also drop the widths the user gave the columns.
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

}  // namespace fenra
