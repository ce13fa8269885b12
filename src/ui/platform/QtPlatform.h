#pragma once
// The platform of the real program: Qt's message boxes, bell, file and printer dialogs, and
// the desktop's text editor.

#include <QStringList>

#include "ui/platform/Platform.h"

namespace fenra {

class QtPlatform : public Platform {
  public:
    void ShowMessage(QWidget* parent, const QString& title, const QString& text) override;
    void Beep() override;
    SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& title,
                                     const QString& text) override;
    void ShowAbout(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> OpenFileName(QWidget* parent, const FileDialogSettings& s) override;
    std::optional<QString> SaveFileName(QWidget* parent, const FileDialogSettings& s) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
    bool StartEditor(const QString& path, QString* failure) override;

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
