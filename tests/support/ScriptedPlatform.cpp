#include "support/ScriptedPlatform.h"

#include <QPageSize>
#include <QPrinter>

namespace fenra {

void ScriptedPlatform::showMessage(QWidget*, const QString& title, const QString& text) {
    messages.push_back({title, text});
    events.push_back(QStringLiteral("message:") + text);
}

void ScriptedPlatform::beep() {
    ++beeps;
    events.push_back(QStringLiteral("beep"));
}

SaveChangesAnswer ScriptedPlatform::askSaveChanges(QWidget*, const QString& title,
                                                   const QString& text) {
    questions.push_back({title, text});
    events.push_back(QStringLiteral("ask:") + text);
    if (saveChangesAnswers.empty()) return SaveChangesAnswer::Discard;
    const SaveChangesAnswer answer = saveChangesAnswers.front();
    saveChangesAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::showAbout(QWidget*, const QString& title, const QString& text) {
    abouts.push_back({title, text});
    events.push_back(QStringLiteral("about:") + title);
}

std::optional<QString> ScriptedPlatform::nextFileAnswer() {
    if (fileAnswers.empty()) return std::nullopt;
    const bool chosen = fileAnswers.front().has_value();
    const QString path = fileAnswers.front().value_or(QString());
    fileAnswers.pop_front();
    if (!chosen) return std::nullopt;
    return path;
}

std::optional<QString> ScriptedPlatform::openFileName(QWidget*, const FileDialogSettings& s) {
    fileDialogs.push_back({FileDialogKind::Open, s});
    events.push_back(QStringLiteral("open:") + s.title);
    return nextFileAnswer();
}

std::optional<QString> ScriptedPlatform::saveFileName(QWidget*, const FileDialogSettings& s) {
    fileDialogs.push_back({FileDialogKind::Save, s});
    events.push_back(QStringLiteral("save:") + s.title);
    return nextFileAnswer();
}

bool ScriptedPlatform::choosePrinter(QWidget*, QPrinter& printer, const QString& title) {
    printerDialogTitles.push_back(title);
    events.push_back(QStringLiteral("print:") + title);
    if (!printToPdf) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*printToPdf);
    printer.setPageSize(QPageSize(printPage));
    return true;
}

bool ScriptedPlatform::startEditor(const QString& path, QString* failure) {
    editorPaths.push_back(path);
    events.push_back(QStringLiteral("editor:") + path);
    if (!editorStarts) *failure = editorFailure;
    return editorStarts;
}

void ScriptedPlatform::clearRecords() {
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
