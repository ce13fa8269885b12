#include "support/ScriptedPlatform.h"

#include <QPageSize>
#include <QPrinter>

namespace fenra {

void ScriptedPlatform::ShowMessage(QWidget*, const QString& title, const QString& text) {
    messages.push_back({title, text});
    events.push_back(QStringLiteral("message:") + text);
}

void ScriptedPlatform::Beep() {
    ++beeps;
    events.push_back(QStringLiteral("beep"));
}

SaveChangesAnswer ScriptedPlatform::AskSaveChanges(QWidget*, const QString& title,
                                                   const QString& text) {
    questions.push_back({title, text});
    events.push_back(QStringLiteral("ask:") + text);
    if (saveChangesAnswers.empty()) return SaveChangesAnswer::Discard;
    const SaveChangesAnswer answer = saveChangesAnswers.front();
    saveChangesAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::ShowAbout(QWidget*, const QString& title, const QString& text) {
    abouts.push_back({title, text});
    events.push_back(QStringLiteral("about:") + title);
}

std::optional<QString> ScriptedPlatform::NextFileAnswer() {
    if (fileAnswers.empty()) return std::nullopt;
    const bool chosen = fileAnswers.front().has_value();
    const QString path = fileAnswers.front().value_or(QString());
    fileAnswers.pop_front();
    if (!chosen) return std::nullopt;
    return path;
}

std::optional<QString> ScriptedPlatform::OpenFileName(QWidget*, const FileDialogSettings& s) {
    fileDialogs.push_back({FileDialogKind::Open, s});
    events.push_back(QStringLiteral("open:") + s.title);
    return NextFileAnswer();
}

std::optional<QString> ScriptedPlatform::SaveFileName(QWidget*, const FileDialogSettings& s) {
    fileDialogs.push_back({FileDialogKind::Save, s});
    events.push_back(QStringLiteral("save:") + s.title);
    return NextFileAnswer();
}

bool ScriptedPlatform::ChoosePrinter(QWidget*, QPrinter& printer, const QString& title) {
    printerDialogTitles.push_back(title);
    events.push_back(QStringLiteral("print:") + title);
    if (!printToPdf) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*printToPdf);
    printer.setPageSize(QPageSize(printPage));
    return true;
}

bool ScriptedPlatform::StartEditor(const QString& path, QString* failure) {
    editorPaths.push_back(path);
    events.push_back(QStringLiteral("editor:") + path);
    if (!editorStarts) *failure = editorFailure;
    return editorStarts;
}

void ScriptedPlatform::ClearRecords() {
    messages.clear();
    abouts.clear();
    questions.clear();
    beeps = 0;
    fileDialogs.clear();
    printerDialogTitles.clear();
    editorPaths.clear();
    events.clear();
}

}  // namespace fenra
