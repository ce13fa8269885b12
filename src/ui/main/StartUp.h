#pragma once
// Opening the element database before the main window is built: the program cannot start
// without it, so a database that cannot be opened is reported with the path looked at.

#include <QString>
#include <optional>

#include "elements/ElementDatabase.h"

namespace fenra {
class Platform;

// The database in appDir (with or without a trailing separator), or nothing after the user
// was told why it cannot be used.
std::optional<ElementDatabase> OpenDatabaseForStartUp(Platform& platform, const QString& appDir);

// The message shown when the database cannot be opened.
QString DatabaseFailureMessage(const QString& path, const QString& reason);

}  // namespace fenra
