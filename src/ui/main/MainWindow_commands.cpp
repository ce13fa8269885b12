// Calculate, the results grid, the target and report files, printing and the text editor.

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPrinter>
#include <QScrollBar>

#include "calc/CalculateAll.h"
#include "files/ResultReport.h"
#include "files/TargetFile.h"
#include "state/NumberText.h"
#include "ui/main/CalcReport.h"
#include "ui/main/FieldEdit.h"
#include "ui/main/MainWindow.h"
#include "ui/main/WaitCursor.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace {

// The dialogs start in the folder of the last file of their kind (MainWindow::startFolder).
fenra::FileDialogSettings DialogInFolder(const QString& folder, const QString& title,
                                         const QString& filter) {
    fenra::FileDialogSettings s;
    s.title = title;
    s.filter = filter;
    s.initialFolder = folder;
    return s;
}

// A save dialog completes a name typed without extension and asks before replacing a file.
fenra::FileDialogSettings SaveDialogInFolder(const QString& folder, const QString& title,
                                             const QString& filter, const char* suffix) {
    fenra::FileDialogSettings s = DialogInFolder(folder, title, filter);
    s.defaultSuffix = QString::fromLatin1(suffix);
    s.confirmOverwrite = true;
    return s;
}

}  // namespace

void MainWindow::calculateAll() {
    // The user hears of a number read otherwise than typed before it is used.
    nameFieldsNotWhollyNumbers();
    const fenra::WaitCursor hourglass;
    fenra::CalculateAllHooks hooks;
    hooks.show = [this](int i) {
        fields_.dataSetScrollBar->setValue(i);  // shows data set i, unless it is already shown
        // Let the window repaint so the user sees the progress; input waits until the end,
        // so no other command can change the data sets half way through.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    hooks.outcome = [this](int i, const fenra::CalcResult& r) {
        fenra::ReportCalcResult(platform_, this, i, r);
    };
    fenra::CalculateAll(state_, db_, hooks);
    showResultsInUnit();
}

void MainWindow::showMessage(const QString& text) {
    platform_.ShowMessage(this, fenra::ProgramTitle(), text);
}

void MainWindow::showFileWriteFailure(const QString& path, const fenra::FileError& error) {
    QString text = tr("The file could not be written: %1").arg(path);
    if (error.Failed()) text += QStringLiteral("\n") + fenra::FileErrorMessage(error);
    showMessage(text);
}

void MainWindow::saveTarget() {
    saveTargetFile();
}

bool MainWindow::saveTargetFile() {
    if (fenra::LeadingNumber(fields_.ratioEdits[1]->text().toStdString()) == 0) {
        showMessage(fenra::TargetEmptyMessage());
        return false;
    }
    fenra::FileDialogSettings dialog =
        SaveDialogInFolder(startFolder(fenra::FileKind::Target), tr("Save target"),
                           tr("*.fta (*.fta);;All files (*.*)"), "fta");
    dialog.initialFile = targetPath_;  // the open file is offered again
    const std::optional<QString> path = platform_.SaveFileName(this, dialog);
    if (!path) return false;
    fenra::FileError error;
    if (!fenra::SaveTarget(state_, path->toStdString(), &error)) {
        showFileWriteFailure(*path, error);
        return false;
    }
    targetFileIs(*path);
    return true;
}

void MainWindow::openTarget() {
    if (!maybeSaveTarget()) return;
    const std::optional<QString> path = platform_.OpenFileName(
        this, DialogInFolder(startFolder(fenra::FileKind::Target), tr("Open target"),
                             tr("*.fta (*.fta);;All files (*.*)")));
    if (path) openTargetFile(*path);
}

void MainWindow::openTargetOnStart(const QString& path) {
    // Reading a pipe, a socket or a device would wait (with the window) for another program
    // to write to it; a folder fails at its first read, with the system's reason.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        showMessage(tr("The file could not be read: %1").arg(path) + QStringLiteral("\n") +
                    tr("It is not a file but a pipe, a socket or a device."));
        return;
    }
    openTargetFile(path);
}

void MainWindow::openTargetFile(const QString& path) {
    const fenra::OpenTargetResult r = fenra::OpenTarget(state_, path.toStdString());
    // In both cases the data sets are as they were; the user is told why nothing changed.
    if (r.status == fenra::OpenTargetStatus::CannotOpen) {
        QString text = tr("The file could not be read: %1").arg(path);
        if (r.error.Failed()) text += QStringLiteral("\n") + fenra::FileErrorMessage(r.error);
        showMessage(text);
        return;
    }
    if (r.status == fenra::OpenTargetStatus::NotText) {
        showMessage(fenra::FileErrorMessage(r.error));
        return;
    }
    if (r.status == fenra::OpenTargetStatus::NoDataLine) {
        showMessage(fenra::NoDataLineMessage());
        return;
    }
    if (r.status == fenra::OpenTargetStatus::InvalidElement)
        showMessage(fenra::InvalidElementMessage(r));
    // Also after a refused symbol the window shows the data set that is now current (the one
    // being read when reading stopped), so the next edit goes where the user sees it.
    fields_.dataSetScrollBar->setMaximum(state_.DataSetCount);
    showDataSet(state_.CurrentDataSet);
    refreshResults();
    targetFileIs(path);  // the data sets as read are the file's
    for (const fenra::TargetNotice& notice : r.notices)
        showMessage(fenra::TargetNoticeMessage(notice));
}

void MainWindow::saveResults() {
    if (!fenra::HasResults(state_)) {
        showMessage(fenra::NoCalculationMessage());
        return;
    }
    const std::optional<QString> path = platform_.SaveFileName(
        this, SaveDialogInFolder(startFolder(fenra::FileKind::Result), tr("Save result"),
                                 tr("*.Fre (*.Fre);;All files (*.*)"), "Fre"));
    if (!path) return;
    fenra::FileError error;
    if (!fenra::SaveResult(state_, path->toStdString(), &error)) {
        showFileWriteFailure(*path, error);
        return;
    }
    rememberFolderOf(fenra::FileKind::Result, *path);
}

void MainWindow::printResults() {
    if (!fenra::HasResults(state_)) {
        showMessage(fenra::NoCalculationMessage());
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!platform_.ChoosePrinter(this, printer, tr("Print result"))) return;
    const fenra::WaitCursor hourglass;
    lastPrint_ =
        PrintReport(printer, fenra::PrintedReportLines(state_), fenra::kPrintedHeadingLines);
    if (lastPrint_.pages == 0) showMessage(tr("The report could not be printed."));
}

void MainWindow::openTextFile() {
    // No default extension: any text file may be opened.
    fenra::FileDialogSettings s;
    s.title = tr("Open text");
    s.initialFolder = startFolder(fenra::FileKind::Data);
    // Open Text shows the files the program writes, and any other.
    s.filter = tr("Target files (*.fta);;Report files (*.Fre);;Curve files (*.Fcv);;All files (*)");
    const std::optional<QString> path = platform_.OpenFileName(this, s);
    if (!path) return;
    QString failure;
    if (!platform_.StartEditor(*path, &failure)) {
        showMessage(failure);
        return;
    }
    rememberFolderOf(fenra::FileKind::Data, *path);
}
