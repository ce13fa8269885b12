#include "ui/main/StartUp.h"

#include <QStringList>

#include "ui/platform/Platform.h"

namespace fenra {

namespace {

// Every place looked in, one a line, with what made the program look there.
QString LookedPlaces(const DatabaseSearchResult& r) {
    QStringList lines;
    for (const DatabaseCandidate& c : r.looked)
        lines << QString::fromStdString(c.path) + QStringLiteral(" (") +
                     QString::fromLatin1(DatabasePlaceName(c.place)) + QStringLiteral(")");
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString DatabaseFailureMessage(const QString& path, const QString& reason) {
    QString text = QStringLiteral("The element database could not be opened:\n") + path +
                   QStringLiteral("\n\nFenra32 cannot start without it.");
    if (!reason.isEmpty()) text += QStringLiteral("\n\n") + reason;
    return text;
}

std::optional<ElementDatabase> OpenDatabaseForStartUp(Platform& platform,
                                                      const DatabaseSearchInput& search) {
    const DatabaseSearchResult found = FindDatabase(search);
    QString text;
    if (found.foundPath.empty()) {
        text = DatabaseFailureMessage(
            LookedPlaces(found),
            QStringLiteral("Fenra32.mdb is in none of these places; the environment variable ") +
                QString::fromLatin1(kDatabaseEnvironmentVariable) +
                QStringLiteral(" can name the database file."));
    } else {
        try {
            return OpenSearchedDatabase(found);
        } catch (const std::exception& e) {
            text = DatabaseFailureMessage(QString::fromStdString(found.foundPath),
                                          QString::fromLocal8Bit(e.what()));
        }
    }
    platform.ShowMessage(nullptr, DefaultMessageTitle(), text);
    return std::nullopt;
}

std::optional<ElementDatabase> OpenDatabaseForStartUp(Platform& platform, const QString& appDir) {
    return OpenDatabaseForStartUp(platform, DatabaseSearchInput{"", "", appDir.toStdString()});
}

}  // namespace fenra
