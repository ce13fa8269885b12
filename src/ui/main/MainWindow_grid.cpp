// The results grid: one row per data set, in the unit chosen in the unit list.

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStatusBar>
#include <QTableWidget>
#include <algorithm>

#include "state/NumberText.h"
#include "ui/main/MainWindow.h"
#include "ui/platform/Platform.h"

namespace {

enum UnitItem { kUnitEvAtoms = 0, kUnitKevMg = 1, kUnitEvA = 2, kUnitKevUm = 3 };

float StoppingIn(const fenra::DataSet& d, int unitItem) {
    switch (unitItem) {
        case kUnitKevMg:
            return d.StopKevMg;
        case kUnitEvA:
            return d.StopEvA;
        case kUnitKevUm:
            return d.StopKevUm;
        default:
            return d.StopEvAtoms;
    }
}

// Room beside a cell's text: the cell's frame and padding in the styles in use.
constexpr int kCellPaddingPixels = 12;

}  // namespace

void MainWindow::writeResultRow(int i, int unitItem) {
    const fenra::DataSet& d = state_.DataSets[i];
    const int row = i - 1;  // the heading row is the grid's header, data set i is row i - 1
    resultsView->item(row, 0)->setText(QString::fromStdString(d.IonName));
    resultsView->item(row, 1)->setText(QString::fromStdString(fenra::GeneralText(d.IonMass)));
    resultsView->item(row, 2)->setText(QString::fromStdString(fenra::GeneralText(d.IonEnergy)));
    resultsView->item(row, 3)->setText(QString::fromStdString(d.TargetName));
    if (unitItem < 0) return;
    // A data set that could not be calculated shows no result rather than an old one.
    const bool shown = fenra::HasResultsToShow(d);
    resultsView->item(row, 4)->setText(
        shown ? QString::fromStdString(fenra::GeneralText(StoppingIn(d, unitItem))) : QString());
}

void MainWindow::fillResults() {
    int unitItem = unitCombo->currentIndex();
    // eV/A and keV/um need the atomic density of a single element: a compound has none.
    if (unitItem == kUnitEvA || unitItem == kUnitKevUm) {
        for (int i = 1; i <= state_.DataSetCount; ++i) {
            if (state_.DataSets[i].ElementCount > 1) {
                platform_.Beep();
                unitCombo->setCurrentIndex(kUnitEvAtoms);  // fills the grid in that unit
                unitItem = kUnitEvAtoms;
                statusBar()->showMessage(
                    QStringLiteral("Data set %1 is a compound: eV/A and keV/um need the atomic "
                                   "density of one element, so the grid shows eV/(1e15/cm2).")
                        .arg(i));
                break;
            }
        }
    }
    for (int i = 1; i <= state_.DataSetCount; ++i) writeResultRow(i, unitItem);
    fitResultColumns();
}

void MainWindow::clearResultRows() {
    for (int row = 0; row < resultsView->rowCount(); ++row)
        for (int col = 0; col < resultsView->columnCount(); ++col)
            if (QTableWidgetItem* item = resultsView->item(row, col)) item->setText(QString());
}

void MainWindow::refreshResults() {
    // Every row shows its own data set, rows past the last one are empty. The unit stays; in
    // a length unit a compound has no value to show.
    clearResultRows();
    const int unitItem = unitCombo->currentIndex();
    for (int i = 1; i <= state_.DataSetCount; ++i) {
        const bool none =
            state_.DataSets[i].ElementCount > 1 && (unitItem == kUnitEvA || unitItem == kUnitKevUm);
        writeResultRow(i, none ? -1 : unitItem);
    }
    fitResultColumns();
}

void MainWindow::fitResultColumns() {
    // The designed widths are the least; a column grows until its longest text fits in the
    // font the grid actually uses. A column the user has widened keeps its width.
    const QFontMetrics fm(resultsView->font());
    const QFontMetrics headerFm(resultsView->horizontalHeader()->font());
    for (int col = 0; col < resultsView->columnCount(); ++col) {
        int need = gridMinWidths_[static_cast<std::size_t>(col)];
        if (const QTableWidgetItem* h = resultsView->horizontalHeaderItem(col))
            need = std::max(need, headerFm.horizontalAdvance(h->text()) + kCellPaddingPixels);
        for (int row = 0; row < state_.DataSetCount; ++row) {
            if (const QTableWidgetItem* item = resultsView->item(row, col))
                need = std::max(need, fm.horizontalAdvance(item->text()) + kCellPaddingPixels);
        }
        if (resultsView->columnWidth(col) < need) resultsView->setColumnWidth(col, need);
    }
}
