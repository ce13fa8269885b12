#pragma once
// Everything the windows ask of the platform: message boxes, the bell, the file and printer
// dialogs and starting the text editor. The program uses QtPlatform; the window tests use a
// scripted platform that answers from a queue and records what was asked, so no test ever
// blocks on a modal dialog.

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace fenra {

// The settings of one file dialog. filter is in Qt's form ("*.fta (*.fta);;All files (*.*)").
struct FileDialogSettings {
    QString title;
    QString filter;
    QString initialFolder;  // empty: wherever the dialog was last time
    QString initialFile;    // file name offered at start (a second Save curve)
    QString defaultSuffix;  // added to a name typed without extension; empty: none
    bool confirmOverwrite = false;
};

// The answers to "Save changes?".
enum class SaveChangesAnswer { Save, Discard, Cancel };

class Platform {
  public:
    virtual ~Platform() = default;

    // A modal message box with one OK button.
    virtual void showMessage(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void beep() = 0;

    // A modal question with the buttons Save, Discard and Cancel; closing the box is Cancel.
    virtual SaveChangesAnswer askSaveChanges(QWidget* parent, const QString& title,
                                             const QString& text) = 0;

    // The program's About box: a modal box with the text, the program's icon and one OK button.
    virtual void showAbout(QWidget* parent, const QString& title, const QString& text) = 0;

    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogSettings& s) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogSettings& s) = 0;

    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, const QString& title) = 0;

    // Starts the text editor on path without waiting; false when it cannot be started, with
    // *failure saying why (which program is missing, or the file).
    virtual bool startEditor(const QString& path, QString* failure) = 0;
};

// "Fenra32": the program's name, and the title most message boxes carry.
QString ProgramTitle();

// The title of message boxes that carry the application's default title, which is the
// program's name.
QString DefaultMessageTitle();

}  // namespace fenra
