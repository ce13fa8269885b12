// Numbers out of the main window: the results grid's selection copied as tab-separated text
// (which a spreadsheet pastes into columns) and every data set exported as CSV.

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>

#include "export/ResultsExport.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsModel.h"
#include "ui/platform/Platform.h"

namespace {

QAction* NamedCommand(QObject* parent, const QString& text, const char* name) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The grid's unit; before any is chosen the grid shows the first one's heading.
fenra::StopUnit GridUnitOf(int unit) {
    return unit < 0 ? fenra::StopUnit::EvE15 : static_cast<fenra::StopUnit>(unit);
}

}  // namespace

void MainWindow::createExportActions() {
    Actions& a = actions_;
    a.copy = NamedCommand(this, tr("&Copy"), "mnuCopy");
    a.copy->setShortcut(QKeySequence::Copy);
    a.copy->setStatusTip(tr("Copy the selected results as text with a header row"));
    // Ctrl+A stays the grid's own; a text field takes Ctrl+C and Ctrl+A for itself.
    a.selectAll = NamedCommand(this, tr("Select &all"), "mnuSelectAll");
    a.exportResults = NamedCommand(this, tr("&Export results…"), "mnuExport");
    a.exportResults->setStatusTip(
        tr("Write every data set with all four units to a CSV file for a spreadsheet"));

    // The designed menu bar stays as it is: the grid's commands are in its context menu, and
    // on the window itself so that Ctrl+C works wherever the focus is (a text field keeps
    // Ctrl+C for its own text).
    addActions({a.copy, a.selectAll});
    // Beside the designed report, which stays where it was.
    menus_.file->insertAction(a.printResults, a.exportResults);

    QTableView* view = fields_.resultsView;
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->addActions({a.copy, a.selectAll});

    connect(a.copy, &QAction::triggered, this, &MainWindow::copyResults);
    connect(a.selectAll, &QAction::triggered, this, &MainWindow::selectAllResults);
    connect(a.exportResults, &QAction::triggered, this, &MainWindow::exportResults);
}

void MainWindow::copyResults() {
    std::vector<fenra::GridCell> cells;
    for (const QModelIndex& index : fields_.resultsView->selectionModel()->selectedIndexes())
        cells.push_back({index.row() + 1, index.column()});
    // The grid's own rule decides which data sets have results to show, so the text says what
    // the grid shows.
    const std::string text = fenra::GridSelectionText(state_, GridUnitOf(results_->unit()), cells);
    if (text.empty()) {
        statusBar()->showMessage(tr("No results are selected: nothing was copied."));
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    statusBar()->showMessage(tr("Copied the selected results."));
}

void MainWindow::selectAllResults() {
    fields_.resultsView->selectAll();
    fields_.resultsView->setFocus(Qt::OtherFocusReason);
}

void MainWindow::exportResults() {
    fenra::FileDialogSettings dialog;
    dialog.title = tr("Export results");
    dialog.filter = tr("CSV files (*.csv);;All files (*)");
    dialog.initialFolder = QString::fromStdString(state_.AppPath);
    dialog.defaultSuffix = QStringLiteral("csv");
    dialog.confirmOverwrite = true;
    const std::optional<QString> path = platform_.SaveFileName(this, dialog);
    if (!path || path->isEmpty()) return;
    fenra::FileError error;
    if (!fenra::SaveResultsCsv(state_, {}, QFile::encodeName(*path).toStdString(), &error)) {
        showFileWriteFailure(*path, error);
        return;
    }
    statusBar()->showMessage(tr("Results exported to %1").arg(*path));
}
