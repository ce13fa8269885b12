#pragma once
// The rows of the range window's energy table (range/EnergyTable.h) for a view: each number
// with the window's significant digits, "—" where a number is not known, and a row that failed
// saying why in its tooltip.

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "range/EnergyTable.h"
#include "ui/range/RangeTexts.h"

namespace fenra {

class EnergyTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        Energy,
        Electronic,
        Nuclear,
        Total,
        RangeE15,
        RangeMgCm2,
        RangeUm,
        SigmaE15,
        SigmaMgCm2,
        SigmaUm,
        ColumnCount
    };

    explicit EnergyTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const std::vector<EnergyTableRow>& rows() const { return rows_; }
    void setRows(std::vector<EnergyTableRow> rows);
    int digits() const { return digits_; }
    void setDigits(int digits);
    // The unit of the energy column, and the ion's mass in amu for a unit per u; keV to begin
    // with. The rows keep their energies in keV.
    void setEnergyUnit(EnergyUnit unit, double massAmu);
    EnergyUnit energyUnit() const { return energyUnit_; }

    // The cell as shown, and empty for a number that is not known.
    QString cellText(int row, int column) const;
    // The heading and the rows as shown, tab-separated, one line each ending in "\n": for the
    // clipboard. Headings on one line ("Range straggling µm").
    QString tabText() const;

  private:
    double value(const EnergyTableRow& r, int column) const;
    QString unitText(int column) const;

    std::vector<EnergyTableRow> rows_;
    int digits_ = kDefaultShownDigits;
    EnergyUnit energyUnit_ = EnergyUnit::Kev;
    double massAmu_ = 0;
};

}  // namespace fenra
