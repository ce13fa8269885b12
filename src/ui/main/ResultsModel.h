#pragma once
// The results of every data set as a table: ion, mass, energy, target and the stopping power
// in the chosen unit, one row per data set. The model reads the working state as it is; the
// window tells it when the data sets changed, so the view shows them again.

#include <QAbstractTableModel>

#include "physics/StopUnits.h"
#include "state/WorkingState.h"

namespace fenra {

class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kColumns = 5;
    static constexpr int kStoppingColumn = 4;

    explicit ResultsModel(const fenra::WorkingState& state, QObject* parent = nullptr);

    // The names of the units, in the order of fenra::StopUnit.
    static QStringList unitNames();
    // Whether the unit needs the atomic density of a single element, which a compound lacks.
    static bool isLengthUnit(int unit) {
        return unit >= 0 && fenra::IsLength(static_cast<fenra::StopUnit>(unit));
    }

    // One row for every data set there can be; rows past the last data set are empty.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The stopping column in another unit (-1: none chosen, the column stays empty).
    void setUnit(int unit);
    int unit() const { return unit_; }

    // Data set i (1-based) changed.
    void dataSetChanged(int i);
    // Any data set may have changed, been added or removed.
    void dataSetsChanged();

  private:
    QString cellText(const fenra::DataSet& d, int column) const;
    // A calculated compound in eV/A or keV/um: "-", and why in the cell's tip.
    bool lacksLengthUnit(const fenra::DataSet& d) const;
    QString cellToolTip(int i, const fenra::DataSet& d, int column) const;

    const fenra::WorkingState& state_;
    int unit_ = -1;
};

}  // namespace fenra
