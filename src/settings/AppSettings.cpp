#include "settings/AppSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "files/TextFile.h"
#include "messages/OutcomeMessages.h"

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

// QSettings opens its file as it is made, so the path is learnt without making one for it: from
// a store of an application that has no file, in the same folder.
QString SettingsFilePath() {
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope,
                          QString::fromLatin1(kSettingsOrganisation),
                          QStringLiteral("fenra32-settings-path"));
    return QFileInfo(probe.fileName()).absolutePath() + QLatin1Char('/') +
           QString::fromLatin1(kSettingsApplication) + QStringLiteral(".ini");
}

// The bytes of the settings file, read through one open that cannot block: a FIFO or device
// would block the start for ever, a folder cannot be parsed, and a file above kMaxSettingsBytes
// is no file this program wrote. The checks are made on the file opened, so nothing can be
// swapped in between. A missing file reads as no bytes (the defaults); false: not readable.
bool ReadSettingsFile(const QString& path, QByteArray* bytes) {
    bytes->clear();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR;  // no file: the defaults
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxSettingsBytes;
    if (ok) {
        bytes->resize(static_cast<qsizetype>(st.st_size));
        qsizetype done = 0;
        while (ok && done < bytes->size()) {
            const ssize_t n =
                ::read(fd, bytes->data() + done, static_cast<std::size_t>(bytes->size() - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ok = n == 0;  // a file that shrank while read: what was there
                bytes->truncate(done);
                break;
            }
            done += n;
        }
    }
    ::close(fd);
    return ok;
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

// A change not yet saved is saved on the way out, as QSettings did; the windows save at every
// change they make and report a failure there.
AppSettings::~AppSettings() {
    if (changed_) Save();
}

// QSettings reads and words the ini text (its format stays the one earlier versions wrote), but
// over a private copy in a temporary folder: the user's file itself is read once here and
// written only by Save(), through the program's safe writer.
bool AppSettings::OpenCopy(const QByteArray& bytes) {
    store_.reset();
    if (scratch_ == nullptr) scratch_ = std::make_unique<QTemporaryDir>();
    const QString copy = scratch_->filePath(QStringLiteral("settings.ini"));
    QFile file(copy);
    if (!scratch_->isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        // Nowhere to hold them: the defaults, read from an empty device, and nothing written.
        store_ = std::make_unique<QSettings>(QStringLiteral("/dev/null"), QSettings::IniFormat);
        writable_ = false;
        problem_ = SettingsNotHeldSentence();
        return true;
    }
    file.close();
    store_ = std::make_unique<QSettings>(copy, QSettings::IniFormat);
    // QSettings reads its file at the first look-up, and only then knows whether it could.
    (void)store_->allKeys();
    return store_->status() == QSettings::NoError;
}

// A file QSettings cannot parse, or must not read, is moved aside, so that the next save does not
// overwrite what its owner may want to look at, and the program starts from the defaults.
void AppSettings::OpenStore() {
    path_ = SettingsFilePath();
    QByteArray bytes;
    if (ReadSettingsFile(path_, &bytes) && OpenCopy(bytes)) return;
    const QString kept = path_ + kUnreadableSuffix;
    QFile::remove(kept);
    const bool movedAside = QFile::rename(path_, kept);
    OpenCopy(QByteArray());
    if (!problem_.Empty()) return;
    if (movedAside) {
        problem_ = SettingsKeptAsideSentence(QDir::toNativeSeparators(path_).toStdString(),
                                             QDir::toNativeSeparators(kept).toStdString());
        return;
    }
    // A file that cannot be moved aside is kept as it is: nothing is written over it.
    writable_ = false;
    problem_ = SettingsUnreadableSentence(QDir::toNativeSeparators(path_).toStdString());
}

// While an unreadable file could not be moved aside nothing is written, not even on the way out:
// the file would be replaced with the few values of this run.
void AppSettings::Put(const QString& key, const QVariant& value) {
    if (!writable_) return;
    store_->setValue(key, value);
    changed_ = true;
}

QString AppSettings::FilePath() const {
    return path_;
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

// QSettings words the values into the private copy; its bytes then replace the user's file
// through the safe writer (a temporary file beside it, fsync, rename; a link written through).
bool AppSettings::Save() {
    if (!writable_) return false;
    if (!changed_) return true;
    store_->sync();
    FileError error;
    QByteArray bytes;
    QFile copy(store_->fileName());
    if (store_->status() != QSettings::NoError || !copy.open(QIODevice::ReadOnly)) {
        error = MakeFileError(FileAction::Write, store_->fileName().toStdString(), 0);
    } else {
        bytes = copy.readAll();
        // The folder is made on the way; when it cannot be, the writer says why.
        std::error_code ignored;
        std::filesystem::create_directories(
            QFile::encodeName(QFileInfo(path_).absolutePath()).toStdString(), ignored);
        if (WriteTextFile(QFile::encodeName(path_).toStdString(), bytes.toStdString(), &error)) {
            changed_ = false;
            return true;
        }
    }
    problem_ = SettingsNotSavedSentence(error);
    return false;
}

}  // namespace fenra
