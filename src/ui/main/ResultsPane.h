#pragma once
// The results of every data set in the main window: the unit list and, in the frame "Result",
// one row per data set in the chosen unit. Cells can be selected and copied as text.

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "state/WorkingState.h"
#include "ui/main/ResultsModel.h"

class QComboBox;
class QLabel;
class QLayout;
class QTableView;

namespace fenra {

class Platform;

class ResultsPane : public QWidget {
    Q_OBJECT

  public:
    ResultsPane(fenra::Platform& platform, const fenra::WorkingState& state,
                QWidget* parent = nullptr);

    // The unit list's entry (-1: none chosen yet) and its text.
    int unit() const;
    QString unitText() const;
    void chooseUnit(int unit);  // shows the results in that unit
    int unitCount() const;

    // The unit list and the grid, in the order Tab walks them.
    std::vector<QWidget*> tabOrder() const;
    QTableView* view() const { return view_; }

    // The grid's selection as tab-separated text with a header row; empty when no cell with a
    // result is selected.
    QString selectionText() const;
    void selectAll();

  public slots:
    // The results in the unit chosen in the unit list; a compound shows "-" in eV/A and keV/um.
    void showResultsInUnit();
    // The data sets changed (added, removed, read, calculated): every row shows its own again.
    void refresh();
    // Data set i changed.
    void showDataSet(int i);

  signals:
    void unitShown();
    void statusMessage(const QString& text);

  private:
    QLayout* createUnitRow();
    QWidget* createResultsView();
    void fitColumns();

    fenra::Platform& platform_;
    const fenra::WorkingState& state_;
    ResultsModel* model_ = nullptr;
    QComboBox* unitCombo_ = nullptr;
    QLabel* unitCaption_ = nullptr;
    QTableView* view_ = nullptr;
    std::array<int, ResultsModel::kColumns> minWidths_{};  // the designed widths, in pixels
};

}  // namespace fenra
