// The range window's exports: the plot as an image (file or clipboard), its series and the
// layer table as CSV. Each first runs a calculation still pending, so that what is written is
// what the fields say, never the state before the last keystroke.

#include <QFileInfo>

#include "export/StackExport.h"
#include "ui/export/ImageExport.h"
#include "ui/export/SaveFileAs.h"
#include "ui/messages/WindowMessages.h"
#include "ui/messages/WindowTexts.h"
#include "ui/platform/Platform.h"
#include "ui/range/RangeWindow.h"
#include "ui/range/StackPlot.h"

namespace fenra {

void RangeWindow::saveImage() {
    if (calculationTimer_.isActive()) calculateNow();
    if (!SaveWidgetImageAs(platform_, this, *plot_, &imageFile_, imageFolder_)) return;
    imageFolder_ = QFileInfo(imageFile_).absolutePath();
    emit imageSaved(imageFile_);
}

void RangeWindow::copyImage() {
    if (calculationTimer_.isActive()) calculateNow();
    CopyWidgetImage(*plot_);
}

void RangeWindow::savePlotData() {
    if (calculationTimer_.isActive()) calculateNow();
    if (shown_.plot.empty()) {
        platform_.showMessage(this, ProgramTitle(),
                              tr("There is no curve to save: %1").arg(plot_->missing()));
        return;
    }
    writeCsv(tr("Save data"), &dataFile_, StackPlotCsvText(shown_, shownInput_.unit));
}

void RangeWindow::saveTable() {
    if (calculationTimer_.isActive()) calculateNow();
    if (shown_.layers.empty()) {
        platform_.showMessage(this, ProgramTitle(),
                              tr("There is no layer table to save: the stack has no layer, or "
                                 "the ion or energy cannot be read."));
        return;
    }
    writeCsv(tr("Save table"), &tableFile_, StackTableCsvText(shown_));
}

bool RangeWindow::writeCsv(const QString& title, QString* lastFile, const std::string& text) {
    FileDialogSettings dialog;
    dialog.title = title;
    dialog.filter = CsvFileFilter();
    dialog.defaultSuffix = QStringLiteral("csv");
    dialog.confirmOverwrite = true;
    dialog.initialFolder = dataFolder_;
    const std::optional<QString> saved = SaveTextAs(platform_, this, dialog, lastFile, text);
    if (!saved) return false;
    dataFolder_ = QFileInfo(*saved).absolutePath();
    emit dataSaved(*saved);
    return true;
}

}  // namespace fenra
