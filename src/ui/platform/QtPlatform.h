#pragma once
// The platform of the real program: Qt's message boxes, bell, file and printer dialogs, and
// the desktop's text editor.

#include <QStringList>

#include "ui/platform/Platform.h"

namespace fenra {

class QtPlatform : public Platform {
  public:
    void showMessage(QWidget* parent, const QString& title, const QString& text) override;
    void beep() override;
    SaveChangesAnswer askSaveChanges(QWidget* parent, const QString& title,
                                     const QString& text) override;
    void showAbout(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSettings& s) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSettings& s) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
    bool startEditor(const QString& path, QString* failure) override;

  private:
    QString dialogFolder_;  // the folder the file dialog was last given
};

// The folder a file dialog opens in. The program has one file dialog, which keeps its settings
// from one use to the next: a command that sets no folder (Open Text) gets the one an earlier
// command set (the program's directory). remembered holds that folder between uses.
QString DialogFolder(const FileDialogSettings& s, QString& remembered);

// The program and arguments that open path in the platform's text editor: "notepad" and the
// path on Windows, the desktop's default opener elsewhere. Never a shell command line, so a
// path with blanks or shell characters reaches the editor unchanged.
struct EditorCommand {
    QString program;
    QStringList arguments;
};
EditorCommand EditorCommandFor(const QString& path);

}  // namespace fenra
