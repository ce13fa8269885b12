#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

namespace fenra {

namespace {

const QString kRecentTargetsKey = QStringLiteral("recent/targets");
const QString kUnitKey = QStringLiteral("calculation/unit");
const QString kIonKey = QStringLiteral("calculation/ion");
const QString kRangeModelKey = QStringLiteral("range/model");
const QString kRangeDigitsKey = QStringLiteral("range/digits");
// The digits a range window can show: below 2 no number is told apart, beyond 15 a double's
// digits are noise.
constexpr int kFewestRangeDigits = 2, kMostRangeDigits = 15, kDefaultRangeDigits = 6;
// An unreadable settings file is kept beside the new one under this suffix, for its owner.
const QString kUnreadableSuffix = QStringLiteral(".unreadable");
// The largest settings file read: the program's own holds a few kilobytes (its window
// geometries are the longest values). A larger file would take seconds and much memory to parse.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;
// Element symbols are one to three letters ("H", "Au", and the placeholders of some tables).
constexpr int kLongestSymbol = 3;

QString FolderKey(FileKind kind) {
    switch (kind) {
        case FileKind::Target:
            return QStringLiteral("folders/target");
        case FileKind::Result:
            return QStringLiteral("folders/result");
        case FileKind::Curve:
            return QStringLiteral("folders/curve");
        case FileKind::Image:
            return QStringLiteral("folders/image");
        case FileKind::Data:
            return QStringLiteral("folders/data");
    }
    return QStringLiteral("folders/other");
}

QString GeometryKey(const QString& window) {
    return QStringLiteral("geometry/") + window;
}

bool IsSymbol(const QString& text) {
    if (text.isEmpty() || text.size() > kLongestSymbol) return false;
    for (const QChar c : text) {
        if (c.unicode() > 0x7f || !c.isLetter()) return false;
    }
    return true;
}

std::unique_ptr<QSettings> NewStore() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromLatin1(kSettingsOrganisation),
                                       QString::fromLatin1(kSettingsApplication));
}

// QSettings opens its file as it is made, so the path is learnt without making one for it: from
// a store of an application that has no file, in the same folder.
QString SettingsFilePath() {
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope,
                          QString::fromLatin1(kSettingsOrganisation),
                          QStringLiteral("fenra32-settings-path"));
    return QFileInfo(probe.fileName()).absolutePath() + QLatin1Char('/') +
           QString::fromLatin1(kSettingsApplication) + QStringLiteral(".ini");
}

// Whether the settings file is one QSettings must not read: a FIFO or device would block the
// start for ever, a folder cannot be parsed, and a file above kMaxSettingsBytes is no file this
// program wrote. A missing file is fine (the defaults).
bool NotReadable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return false;
    if (!info.isFile()) return true;  // a folder, FIFO or device
    return info.size() > kMaxSettingsBytes;
}

}  // namespace

QString NormalisedPath(const QString& path) {
    if (path.trimmed().isEmpty()) return QString();
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool IsUsableFolder(const QString& folder, const QString& appDir) {
    if (folder.isEmpty()) return false;
    const QFileInfo info(folder);
    if (!info.isAbsolute() || !info.isDir()) return false;
    const QString canonical = info.canonicalFilePath();
    const QString app = appDir.isEmpty() ? QString() : QFileInfo(appDir).canonicalFilePath();
    if (app.isEmpty()) return true;
    return canonical != app && !canonical.startsWith(app + QLatin1Char('/'));
}

QString DefaultFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return NormalisedPath(documents);
    return QDir::homePath();
}

AppSettings::AppSettings(const QString& appDir) : appDir_(appDir) {
    if (appDir_.isEmpty() && QCoreApplication::instance() != nullptr) {
        appDir_ = QCoreApplication::applicationDirPath();
    }
    OpenStore();
}

AppSettings::~AppSettings() = default;

// A file QSettings cannot parse, or must not read, is moved aside, so that the next save does not
// overwrite what its owner may want to look at, and the program starts from the defaults.
void AppSettings::OpenStore() {
    const QString path = SettingsFilePath();
    if (!NotReadable(path)) {
        store_ = NewStore();
        // QSettings reads its file at the first look-up, and only then knows whether it could.
        (void)store_->allKeys();
        if (store_->status() == QSettings::NoError) return;
    }
    const QString kept = path + kUnreadableSuffix;
    store_.reset();
    QFile::remove(kept);
    if (QFile::rename(path, kept)) {
        store_ = NewStore();
        problem_ = QStringLiteral(
                       "The settings file \"%1\" could not be read and was kept as "
                       "\"%2\"; the defaults are used.")
                       .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(kept));
        return;
    }
    // A file that cannot be moved aside and must not be read is not read: the store reads
    // an empty device instead, and nothing is written.
    store_ = NotReadable(path)
                 ? std::make_unique<QSettings>(QStringLiteral("/dev/null"), QSettings::IniFormat)
                 : NewStore();
    writable_ = false;
    problem_ = QStringLiteral(
                   "The settings file \"%1\" could not be read; the defaults are used and "
                   "changes are not saved.")
                   .arg(QDir::toNativeSeparators(path));
}

// While an unreadable file could not be moved aside nothing is written, not even on the way out:
// QSettings would replace the file with the few values of this run.
void AppSettings::Put(const QString& key, const QVariant& value) {
    if (writable_) store_->setValue(key, value);
}

QString AppSettings::FilePath() const {
    return store_->fileName();
}

QString AppSettings::StoredFolder(FileKind kind) const {
    return store_->value(FolderKey(kind)).toString();
}

QString AppSettings::StartFolder(FileKind kind) const {
    const QString stored = StoredFolder(kind);
    if (IsUsableFolder(stored, appDir_)) return NormalisedPath(stored);
    const QString fallback = DefaultFolder();
    if (IsUsableFolder(fallback, appDir_)) return fallback;
    return QDir::homePath();
}

void AppSettings::RememberFolderOf(FileKind kind, const QString& filePath) {
    const QString path = NormalisedPath(filePath);
    if (path.isEmpty()) return;
    Put(FolderKey(kind), QFileInfo(path).absolutePath());
}

QStringList AppSettings::RecentTargets() const {
    QStringList list;
    for (const QString& entry : store_->value(kRecentTargetsKey).toStringList()) {
        const QString path = NormalisedPath(entry);
        if (!path.isEmpty() && !list.contains(path)) list.append(path);
        if (list.size() == kMaxRecentTargets) break;
    }
    return list;
}

void AppSettings::AddRecentTarget(const QString& filePath) {
    const QString path = NormalisedPath(filePath);
    if (path.isEmpty()) return;
    QStringList list = RecentTargets();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > kMaxRecentTargets) list.removeLast();
    Put(kRecentTargetsKey, list);
}

bool AppSettings::RemoveRecentTarget(const QString& filePath) {
    QStringList list = RecentTargets();
    if (list.removeAll(NormalisedPath(filePath)) == 0) return false;
    Put(kRecentTargetsKey, list);
    return true;
}

QByteArray AppSettings::Geometry(const QString& window) const {
    const QVariant value = store_->value(GeometryKey(window));
    // A hand-edited text is not a geometry; the window would try to restore it.
    if (value.typeId() != QMetaType::QByteArray) return QByteArray();
    return value.toByteArray();
}

void AppSettings::SetGeometry(const QString& window, const QByteArray& geometry) {
    Put(GeometryKey(window), geometry);
}

std::optional<int> AppSettings::Unit(int unitCount) const {
    bool ok = false;
    const int unit = store_->value(kUnitKey).toInt(&ok);
    if (!ok || unit < 0 || unit >= unitCount) return std::nullopt;
    return unit;
}

void AppSettings::SetUnit(int unit) {
    Put(kUnitKey, unit);
}

QString AppSettings::RangeModel() const {
    const QString name = store_->value(kRangeModelKey).toString();
    return name == QLatin1String("classic") || name == QLatin1String("modern") ? name : QString();
}

void AppSettings::SetRangeModel(const QString& name) {
    if (name == QLatin1String("classic") || name == QLatin1String("modern"))
        Put(kRangeModelKey, name);
}

int AppSettings::RangeDigits() const {
    bool ok = false;
    const int digits = store_->value(kRangeDigitsKey).toInt(&ok);
    return ok && digits >= kFewestRangeDigits && digits <= kMostRangeDigits ? digits
                                                                            : kDefaultRangeDigits;
}

QString AppSettings::LastIon() const {
    const QString symbol = store_->value(kIonKey).toString().trimmed();
    return IsSymbol(symbol) ? symbol : QString();
}

void AppSettings::SetLastIon(const QString& symbol) {
    if (IsSymbol(symbol.trimmed())) Put(kIonKey, symbol.trimmed());
}

bool AppSettings::Save() {
    if (!writable_) return false;
    store_->sync();
    if (store_->status() == QSettings::NoError) return true;
    problem_ = QStringLiteral("The settings could not be saved to \"%1\".")
                   .arg(QDir::toNativeSeparators(store_->fileName()));
    return false;
}

}  // namespace fenra
