// The commands of the main window on the results and beyond the data sets: Calculate, Save,
// Export and Print result, Copy, Open Text, Range and layers, About.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QStatusBar>

#include "calc/CalculateAll.h"
#include "export/ResultsExport.h"
#include "files/ResultReport.h"
#include "state/WorkingState.h"
#include "ui/export/SaveFileAs.h"
#include "ui/main/AboutText.h"
#include "ui/main/CalcReport.h"
#include "ui/main/ChildWindows.h"
#include "ui/main/DataSetEditor.h"
#include "ui/main/MainWindow.h"
#include "ui/main/NamedMaterials.h"
#include "ui/main/RememberedFolders.h"
#include "ui/main/ReportPrinter.h"
#include "ui/main/ResultsPane.h"
#include "ui/main/WaitCursor.h"
#include "ui/messages/WindowMessages.h"
#include "ui/messages/WindowTexts.h"
#include "ui/platform/Platform.h"
#include "ui/range/RangeWindow.h"

namespace fenra {

void MainWindow::calculateAll() {
    // The user hears of a number read otherwise than typed before it is used.
    editor_->nameFieldsNotWhollyNumbers();
    const fenra::WaitCursor hourglass;
    fenra::CalculateAllHooks hooks;
    hooks.show = [this](int i) {
        editor_->scrollTo(i);  // shows data set i, unless it is already shown
        // Let the window repaint so the user sees the progress; input waits until the end,
        // so no other command can change the data sets half way through.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    hooks.outcome = [this](int i, const fenra::CalcResult& r) {
        fenra::ReportCalcResult(platform_, this, i, r);
    };
    // Calculate walks every data set through the fields; the user goes on where they were.
    const int shownBefore = state_.CurrentDataSet;
    fenra::CalculateAll(state_, db_, hooks);
    results_->showResultsInUnit();
    editor_->showDataSet(shownBefore);
}

void MainWindow::saveResults() {
    if (!fenra::HasResults(state_)) {
        showMessage(fenra::NoCalculationMessage());
        return;
    }
    fenra::FileDialogSettings dialog;
    dialog.title = tr("Save result");
    dialog.filter = tr("*.Fre (*.Fre);;All files (*.*)");
    dialog.initialFolder = folders_->startFolder(fenra::FileKind::Result);
    dialog.defaultSuffix = QStringLiteral("Fre");
    dialog.confirmOverwrite = true;
    const auto write = [this](const QString& path) {
        fenra::FileError error;
        if (fenra::SaveResult(state_, path.toStdString(), &error)) return QString();
        return fenra::FileNotWrittenMessage(path, error);
    };
    if (const std::optional<QString> saved =
            fenra::SaveFileAs(platform_, this, dialog, nullptr, write))
        folders_->rememberFolderOf(fenra::FileKind::Result, *saved);
}

void MainWindow::exportResults() {
    fenra::FileDialogSettings dialog;
    dialog.title = tr("Export results");
    dialog.filter = fenra::CsvFilesFilter();
    // Where the user keeps data, never the program's folder.
    dialog.initialFolder = folders_->startFolder(fenra::FileKind::Data);
    dialog.defaultSuffix = QStringLiteral("csv");
    dialog.confirmOverwrite = true;
    const auto write = [this](const QString& path) {
        fenra::FileError error;
        if (fenra::SaveResultsCsv(state_, {}, QFile::encodeName(path).toStdString(), &error))
            return QString();
        return fenra::FileNotWrittenMessage(path, error);
    };
    if (const std::optional<QString> saved =
            fenra::SaveFileAs(platform_, this, dialog, nullptr, write)) {
        folders_->rememberFolderOf(fenra::FileKind::Data, *saved);
        showStatusMessage(tr("Results exported to %1").arg(*saved));
    }
}

void MainWindow::printResults() {
    if (!fenra::HasResults(state_)) {
        showMessage(fenra::NoCalculationMessage());
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!platform_.choosePrinter(this, printer, tr("Print result"))) return;
    const fenra::WaitCursor hourglass;
    *lastPrint_ =
        PrintReport(printer, fenra::PrintedReportLines(state_), fenra::kPrintedHeadingLines);
    if (lastPrint_->pages == 0) showMessage(tr("The report could not be printed."));
}

void MainWindow::copyResults() {
    const QString text = results_->selectionText();
    if (text.isEmpty()) {
        showStatusMessage(tr("No results are selected: nothing was copied."));
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    showStatusMessage(tr("Copied the selected results."));
}

void MainWindow::openTextFile() {
    // No default extension: any text file may be opened.
    fenra::FileDialogSettings s;
    s.title = tr("Open text");
    s.initialFolder = folders_->startFolder(fenra::FileKind::Data);
    // Open Text shows the files the program writes, and any other.
    s.filter = tr("Target files (*.fta);;Report files (*.Fre);;Curve files (*.Fcv);;All files (*)");
    const std::optional<QString> path = platform_.openFileName(this, s);
    if (!path) return;
    QString failure;
    if (!platform_.startEditor(*path, &failure)) {
        showMessage(failure);
        return;
    }
    folders_->rememberFolderOf(fenra::FileKind::Data, *path);
}

// Range and layers: a window of its own on the current data set's ion, mass, energy and target.
// It works on copies: nothing typed there changes the data set.
void MainWindow::openRangeWindow() {
    // The range window names a missing list of named materials once, the first time it would
    // need it; the materials field names it in the message of a refused name instead.
    const fenra::MaterialList& list = materials_->list();
    const QString failure = materials_->failureToTellOnce();
    if (!failure.isEmpty())
        showMessage(tr("The list of named materials could not be read: %1\nElement symbols "
                       "and formulas can still be used.")
                        .arg(failure));
    windows_->showRangeWindow(new fenra::RangeWindow(platform_, state_.Current(), db_, list));
}

void MainWindow::about() {
    platform_.showAbout(this, fenra::AboutTitle(), fenra::AboutText());
}

}  // namespace fenra
