// The results view: one row per data set, in the unit chosen in the unit list.

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStatusBar>
#include <QTableView>
#include <algorithm>

#include "ui/main/MainWindow.h"
#include "ui/main/ResultsModel.h"
#include "ui/platform/Platform.h"

namespace {

// Room beside a cell's text: the cell's frame and padding in the styles in use.
constexpr int kCellPaddingPixels = 12;

}  // namespace

void MainWindow::showResultsInUnit() {
    int unit = fields_.unitCombo->currentIndex();
    // eV/A and keV/um need the atomic density of a single element: a compound has none.
    if (ResultsModel::isLengthUnit(unit)) {
        for (int i = 1; i <= state_.DataSetCount; ++i) {
            if (state_.DataSets[i].ElementCount <= 1) continue;
            platform_.Beep();
            fields_.unitCombo->setCurrentIndex(static_cast<int>(fenra::StopUnit::EvE15));
            unit = static_cast<int>(fenra::StopUnit::EvE15);  // what the list shows
            statusBar()->showMessage(
                tr("Data set %1 is a compound: eV/A and keV/um need the atomic density of one "
                   "element, so the grid shows eV/(1e15/cm2).")
                    .arg(i));
            break;
        }
    }
    results_->setUnit(unit);
    fitResultColumns();
    showStatusTexts();
}

void MainWindow::refreshResults() {
    // Every row shows its own data set, rows past the last one are empty. The unit stays; in
    // a length unit a compound has no value to show.
    results_->dataSetsChanged();
    fitResultColumns();
}

void MainWindow::fitResultColumns() {
    // The designed widths are the least; a column grows until its longest text fits in the
    // font the view actually uses. A column the user has widened keeps its width.
    QTableView* view = fields_.resultsView;
    const QFontMetrics fm(view->font());
    const QFontMetrics headerFm(view->horizontalHeader()->font());
    for (int column = 0; column < ResultsModel::kColumns; ++column) {
        int need = resultMinWidths_[static_cast<std::size_t>(column)];
        const QString heading = results_->headerData(column, Qt::Horizontal).toString();
        need = std::max(need, headerFm.horizontalAdvance(heading) + kCellPaddingPixels);
        for (int row = 0; row < state_.DataSetCount; ++row) {
            const QString text = results_->index(row, column).data().toString();
            need = std::max(need, fm.horizontalAdvance(text) + kCellPaddingPixels);
        }
        if (view->columnWidth(column) < need) view->setColumnWidth(column, need);
    }
}
