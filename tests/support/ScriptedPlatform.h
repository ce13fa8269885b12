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

    void ShowMessage(QWidget* parent, const QString& title, const QString& text) override;
    void Beep() override;
    SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& title,
                                     const QString& text) override;
    void ShowAbout(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> OpenFileName(QWidget* parent, const FileDialogSettings& s) override;
    std::optional<QString> SaveFileName(QWidget* parent, const FileDialogSettings& s) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
    bool StartEditor(const QString& path, QString* failure) override;

    // Forgets everything recorded (the script stays).
    void ClearRecords();

  private:
    std::optional<QString> NextFileAnswer();
};

}  // namespace fenra
