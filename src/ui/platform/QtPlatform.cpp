#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>

namespace fenra {

QString ProgramTitle() {
    return QStringLiteral("Fenra32");
}

QString DefaultMessageTitle() {
    return ProgramTitle();
}

void QtPlatform::showMessage(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    // A message waits for the user: the arrow over it, also while a command shows the
    // hourglass; the hourglass comes back when the box closes.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QApplication::restoreOverrideCursor();
}

void QtPlatform::beep() {
    QApplication::beep();
}

SaveChangesAnswer QtPlatform::askSaveChanges(QWidget* parent, const QString& title,
                                             const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    // Enter keeps the work, Escape (and the window's close button) changes nothing.
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    // Each answer has its key: Alt+S, Alt+D; Cancel is Escape.
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("Fenra32", "&Save"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("Fenra32", "&Discard"));
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    QApplication::restoreOverrideCursor();
    if (answer == QMessageBox::Save) return SaveChangesAnswer::Save;
    if (answer == QMessageBox::Discard) return SaveChangesAnswer::Discard;
    return SaveChangesAnswer::Cancel;
}

void QtPlatform::showAbout(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::about(parent, title, text);
}

QString DialogFolder(const FileDialogSettings& s, QString& remembered) {
    if (!s.initialFolder.isEmpty()) remembered = s.initialFolder;
    // A first dialog given no folder starts in the user's documents, or home; never in the
    // folder the program was started from.
    if (remembered.isEmpty()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        remembered =
            !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
    }
    return remembered;
}

namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogSettings& s,
                                     const QString& folder, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, s.title, folder, s.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !s.confirmOverwrite);
    if (!s.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(s.defaultSuffix);
    if (!s.initialFile.isEmpty()) dialog.selectFile(s.initialFile);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.front();
}

}  // namespace

std::optional<QString> QtPlatform::openFileName(QWidget* parent, const FileDialogSettings& s) {
    return RunFileDialog(parent, s, DialogFolder(s, dialogFolder_), QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::saveFileName(QWidget* parent, const FileDialogSettings& s) {
    return RunFileDialog(parent, s, DialogFolder(s, dialogFolder_), QFileDialog::AcceptSave);
}

bool QtPlatform::choosePrinter(QWidget* parent, QPrinter& printer, const QString& title) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

EditorCommand EditorCommandFor(const QString& path) {
#ifdef Q_OS_WIN
    return {QStringLiteral("notepad"), {path}};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("open"), {QStringLiteral("-t"), path}};
#else
    return {QStringLiteral("xdg-open"), {path}};
#endif
}

bool QtPlatform::startEditor(const QString& path, QString* failure) {
    const EditorCommand command = EditorCommandFor(path);
    if (QStandardPaths::findExecutable(command.program).isEmpty()) {
        *failure = QCoreApplication::translate(
                       "Fenra32", "The program \"%1\" that opens text files is not installed.")
                       .arg(command.program);
        return false;
    }
    if (!QFileInfo::exists(path)) {
        *failure = QCoreApplication::translate("Fenra32", "The file is not found: %1").arg(path);
        return false;
    }
    if (QProcess::startDetached(command.program, command.arguments)) return true;
    *failure = QCoreApplication::translate("Fenra32", "The program \"%1\" could not be started.")
                   .arg(command.program);
    return false;
}

}  // namespace fenra
