#include "ui/export/SaveFileAs.h"

#include <QCoreApplication>
#include <QFile>
#include <utility>
#include <utility>

#include "files/TextFile.h"
#include "ui/messages/WindowMessages.h"

namespace fenra {

namespace {

// The texts of saving, translatable in their own context.
struct SaveFileTexts {
    Q_DECLARE_TR_FUNCTIONS(SaveFile)
};

}  // namespace

QString WriteFileBytes(const QString& path, const std::string& bytes) {
    FileError error;
    // The name as the file system spells it (the locale's encoding), as every writer of the
    // windows hands it on.
    if (WriteTextFile(QFile::encodeName(path).toStdString(), bytes, &error)) return QString();
    return FileErrorMessage(error);
}

QString WriteFileBytes(const QString& path, const QByteArray& bytes) {
    return WriteFileBytes(path, bytes.toStdString());
}

QString FileNotWrittenMessage(const QString& path, const FileError& error) {
    QString text = SaveFileTexts::tr("The file could not be written: %1").arg(path);
    if (error.Failed()) text += QStringLiteral("\n") + FileErrorMessage(error);
    return text;
}

std::optional<QString> SaveFileAs(Platform& platform, QWidget* parent, FileDialogSettings dialog,
                                  QString* lastFile, const FileWriter& write) {
    if (lastFile != nullptr) dialog.initialFile = *lastFile;
    const std::optional<QString> chosen = platform.saveFileName(parent, dialog);
    if (!chosen || chosen->isEmpty()) return std::nullopt;  // cancelled
    if (lastFile != nullptr) *lastFile = *chosen;
    const QString failure = write(*chosen);
    if (failure.isEmpty()) return chosen;
    // The user asked for a file and must not believe it was written.
    platform.showMessage(parent, ProgramTitle(), failure);
    return std::nullopt;
}

std::optional<QString> SaveTextAs(Platform& platform, QWidget* parent, FileDialogSettings dialog,
                                  QString* lastFile, const std::string& text) {
    const auto write = [&text](const QString& path) {
        const QString failure = WriteFileBytes(path, text);
        // The user asked for a file and must not believe it was written.
        return failure.isEmpty() ? failure
                                 : SaveFileTexts::tr("The file was not saved: %1").arg(failure);
    };
    return SaveFileAs(platform, parent, std::move(dialog), lastFile, write);
}

}  // namespace fenra
