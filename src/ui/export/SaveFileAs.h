#pragma once
// The one way a window saves a file the user names: the save dialog through the platform, the
// file written, and a message box when it could not be. Every byte goes through the program's
// safe writer (files/TextFile.h): a temporary copy in the destination's folder, flushed to the
// disk and renamed over the destination, so a failure never spoils an older file of that name.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "files/FileError.h"
#include "ui/platform/Platform.h"

class QWidget;

namespace fenra {

// Writes the bytes to path through the safe writer. Empty when written; otherwise the step
// that failed, the path and the system's reason, in the windows' words.
QString WriteFileBytes(const QString& path, const std::string& bytes);
QString WriteFileBytes(const QString& path, const QByteArray& bytes);

// "The file could not be written: <path>" and, on a second line, the step that failed and the
// system's reason.
QString FileNotWrittenMessage(const QString& path, const FileError& error);

// What write() says of a file it wrote: empty for written, otherwise the whole message to show.
using FileWriter = std::function<QString(const QString& path)>;

// Shows the save dialog (offering *lastFile when one is given, and remembering the choice there
// for the next dialog), hands the chosen path to write and shows its message, titled
// "Fenra32", when it could not write. A cancelled dialog (or an empty name) writes nothing and
// says nothing. The path written, or nothing.
std::optional<QString> SaveFileAs(Platform& platform, QWidget* parent, FileDialogSettings dialog,
                                  QString* lastFile, const FileWriter& write);

// SaveFileAs for text made before the dialog (a CSV): written as it is, and a failure shown as
// "The file was not saved: " and the reason.
std::optional<QString> SaveTextAs(Platform& platform, QWidget* parent, FileDialogSettings dialog,
                                  QString* lastFile, const std::string& text);

}  // namespace fenra
