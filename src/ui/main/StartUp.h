#pragma once
// Opening the element database before the main window is built: the program cannot start
// without it, so a database that cannot be opened is reported with every path looked at.

#include <QString>
#include <optional>

#include "elements/DatabaseSearch.h"
#include "elements/ElementDatabase.h"

namespace fenra {
class Platform;

// The database the search finds (elements/DatabaseSearch.h), or nothing after the user was
// told why none can be used.
std::optional<ElementDatabase> OpenDatabaseForStartUp(Platform& platform,
                                                      const DatabaseSearchInput& search);

// The same, looking only beside the program in appDir and in its installed data folder
// (appDir with or without a trailing separator).
std::optional<ElementDatabase> OpenDatabaseForStartUp(Platform& platform, const QString& appDir);

// The message shown when the database cannot be opened; path may be several lines.
QString DatabaseFailureMessage(const QString& path, const QString& reason);

}  // namespace fenra
