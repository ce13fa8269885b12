#include "ui/main/StartUp.h"

#include <QCoreApplication>
#include <QStringList>
#include <exception>

#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace fenra {

namespace {

// The program's own texts, translatable in the program's context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Fenra32)
};

// Every place looked in, one a line, with what made the program look there.
QString LookedPlaces(const DatabaseSearchResult& r) {
    QStringList lines;
    for (const DatabaseCandidate& c : r.looked)
        lines << Texts::tr("%1 (%2)").arg(QString::fromStdString(c.path),
                                          TranslatedSentence(DatabasePlaceName(c.place)));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString DatabaseFailureMessage(const QString& path, const QString& reason) {
    QString text =
        Texts::tr(
            "The element database could not be opened:\n%1\n\nFenra32 cannot start without it.")
            .arg(path);
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
            Texts::tr(
                "Fenra32.mdb is in none of these places; the environment variable %1 can name "
                "the database file.")
                .arg(QString::fromLatin1(kDatabaseEnvironmentVariable)));
    } else {
        try {
            return OpenSearchedDatabase(found);
        } catch (const ElementDatabaseError& e) {
            text = DatabaseFailureMessage(QString::fromStdString(found.foundPath),
                                          TranslatedSentence(e.Reason()));
        } catch (const std::exception& e) {
            // Not the database's own refusal (memory, the library): the library's words.
            text = DatabaseFailureMessage(QString::fromStdString(found.foundPath),
                                          QString::fromLocal8Bit(e.what()));
        }
    }
    platform.showMessage(nullptr, DefaultMessageTitle(), text);
    return std::nullopt;
}

std::optional<ElementDatabase> OpenDatabaseForStartUp(Platform& platform, const QString& appDir) {
    return OpenDatabaseForStartUp(platform, DatabaseSearchInput{"", "", appDir.toStdString()});
}

}  // namespace fenra
