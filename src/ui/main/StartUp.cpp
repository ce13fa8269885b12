#include "ui/main/StartUp.h"

#include "state/WorkingState.h"
#include "ui/platform/Platform.h"

namespace fenra {

QString DatabaseFailureMessage(const QString& path, const QString& reason) {
    QString text = QStringLiteral("The element database could not be opened:\n") + path +
                   QStringLiteral("\n\nFenra32 cannot start without it.");
    if (!reason.isEmpty()) text += QStringLiteral("\n\n") + reason;
    return text;
}

std::optional<ElementDatabase> OpenDatabaseForStartUp(Platform& platform, const QString& appDir) {
    const std::string dir = WithTrailingSeparator(appDir.toStdString());
    const QString path = QString::fromStdString(dir + kDatabaseFileName);
    try {
        return ElementDatabase::OpenElementDatabase(dir);
    } catch (const std::exception& e) {
        platform.ShowMessage(nullptr, DefaultMessageTitle(),
                             DatabaseFailureMessage(path, QString::fromLocal8Bit(e.what())));
        return std::nullopt;
    }
}

}  // namespace fenra
