// The range window's exports: the plot as an image (file or clipboard), its series and the
// layer table as CSV. Each first runs a calculation still pending, so that what is written is
// what the fields say, never the state before the last keystroke.

#include <QFile>

#include "export/StackExport.h"
#include "files/TextFile.h"
#include "ui/export/ImageExport.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"
#include "ui/range/RangeWindow.h"
#include "ui/range/StackPlot.h"

namespace fenra {

namespace {

const char* const kCsvFilter = "CSV file (*.csv);;All files (*.*)";

}  // namespace

void RangeWindow::SaveImage() {
    if (calculationTimer_.isActive()) CalculateNow();
    SaveWidgetImageAs(platform_, this, *plot_, &imageFile_);
}

void RangeWindow::CopyImage() {
    if (calculationTimer_.isActive()) CalculateNow();
    CopyWidgetImage(*plot_);
}

void RangeWindow::SavePlotData() {
    if (calculationTimer_.isActive()) CalculateNow();
    if (shown_.plot.empty()) {
        platform_.showMessage(this, ProgramTitle(),
                              tr("There is no curve to save: %1").arg(plot_->Missing()));
        return;
    }
    WriteCsv(tr("Save data"), &dataFile_, StackPlotCsvText(shown_, shownInput_.unit));
}

void RangeWindow::SaveTable() {
    if (calculationTimer_.isActive()) CalculateNow();
    if (shown_.layers.empty()) {
        platform_.showMessage(this, ProgramTitle(),
                              tr("There is no layer table to save: the stack has no layer, or "
                                 "the ion or energy cannot be read."));
        return;
    }
    WriteCsv(tr("Save table"), &tableFile_, StackTableCsvText(shown_));
}

bool RangeWindow::WriteCsv(const QString& title, QString* lastFile, const std::string& text) {
    FileDialogSettings dialog;
    dialog.title = title;
    dialog.filter = QString::fromLatin1(kCsvFilter);
    dialog.initialFile = *lastFile;
    dialog.defaultSuffix = QStringLiteral("csv");
    dialog.confirmOverwrite = true;
    const std::optional<QString> chosen = platform_.saveFileName(this, dialog);
    if (!chosen || chosen->isEmpty()) return false;  // cancelled
    *lastFile = *chosen;
    FileError error;
    if (WriteTextFile(QFile::encodeName(*chosen).toStdString(), text, &error)) return true;
    // The user asked for a file and must not believe it was written.
    platform_.showMessage(this, ProgramTitle(),
                          tr("The file was not saved: %1").arg(FileErrorMessage(error)));
    return false;
}

}  // namespace fenra
