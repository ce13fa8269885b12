#pragma once
// A platform for the window tests and benchmarks: it records every message, bell, dialog and
// editor start, and answers the dialogs from a script, so nothing ever waits for a person.

#include <QPageSize>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/platform/Platform.h"

namespace fenra {

struct RecordedMessage {
    QString title;
    QString text;
};

enum class FileDialogKind { Open, Save };

struct RecordedFileDialog {
    FileDialogKind kind = FileDialogKind::Open;
    FileDialogSettings settings;
};

class ScriptedPlatform : public Platform {
  public:
    // --- what the test scripts ---
    // Answers of the file dialogs, in order; an empty optional is a cancel. When the queue is
    // empty the dialog is cancelled.
    std::deque<std::optional<QString>> fileAnswers;
    // The printer dialog sets the printer up for PDF output to this file; none: cancel.
    std::optional<QString> printToPdf;
    QPageSize::PageSizeId printPage = QPageSize::A4;  // the same page everywhere unless set
    // Answers to "Save changes?", in order; when the queue is empty the answer is Discard, so a
    // test that does not script the question runs its command as before the question existed.
    std::deque<SaveChangesAnswer> saveChangesAnswers;
    // Whether the text editor starts.
    bool editorStarts = true;
    QString editorFailure =
        QStringLiteral("The program \"xdg-open\" that opens text files is not installed.");

    // --- what the test reads back ---
    std::vector<RecordedMessage> messages;
    std::vector<RecordedMessage> abouts;     // the About boxes shown
    std::vector<RecordedMessage> questions;  // the "Save changes?" boxes shown
    int beeps = 0;
    std::vector<RecordedFileDialog> fileDialogs;
    std::vector<QString> printerDialogTitles;
    std::vector<QString> editorPaths;
    // Every call in order: "beep", "message:<text>", "open:<title>", "save:<title>",
    // "print:<title>", "editor:<path>", "about:<title>", "ask:<text>".
    std::vector<QString> events;

    void showMessage(QWidget* parent, const QString& title, const QString& text) override;
    void beep() override;
    SaveChangesAnswer askSaveChanges(QWidget* parent, const QString& title,
                                     const QString& text) override;
    void showAbout(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSettings& s) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSettings& s) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
    bool startEditor(const QString& path, QString* failure) override;

    // Forgets everything recorded (the script stays).
    void clearRecords();

  private:
    std::optional<QString> nextFileAnswer();
};

}  // namespace fenra
