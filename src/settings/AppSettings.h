#pragma once
// What the program remembers between runs, in one ini file in the user's configuration folder
// (~/.config/fenra32/fenra32.ini, or under $XDG_CONFIG_HOME): the folder of the last file of
// each kind, the recent target files, window geometry, the unit chosen and the last ion.
// Every value read is checked; whatever is missing, unreadable or out of place reads as the
// default, so a damaged file never stops the program.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "messages/Message.h"

class QSettings;
class QTemporaryDir;
class QVariant;

namespace fenra {

// The kinds of file whose folders are remembered one by one.
enum class FileKind { Target, Result, Curve, Image, Data };

// The longest list of recent target files kept.
constexpr int kMaxRecentTargets = 8;

// The settings file's names: ~/.config/<organisation>/<application>.ini.
inline constexpr char kSettingsOrganisation[] = "fenra32";
inline constexpr char kSettingsApplication[] = "fenra32";

class AppSettings {
  public:
    // Opens the user's settings. appDir is the program's own folder, never offered as a start
    // folder (an installed copy cannot write there); empty: the running application's folder.
    explicit AppSettings(const QString& appDir = QString());
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    QString FilePath() const;
    // Empty while the settings were read and written without trouble; otherwise what went
    // wrong, in a sentence for the status bar: as a template with its values, which the window
    // translates, and in English.
    const Message& ProblemSentence() const { return problem_; }
    QString Problem() const { return QString::fromStdString(Words(problem_)); }

    // The folder a file dialog for this kind starts in: the folder of the last file of that
    // kind opened or saved, when it still exists and is not the program's folder; else the
    // user's documents folder, or home.
    QString StartFolder(FileKind kind) const;
    // Remembers the folder of a file just opened or saved.
    void RememberFolderOf(FileKind kind, const QString& filePath);

    // Most recent first, at most kMaxRecentTargets, absolute and without duplicates.
    QStringList RecentTargets() const;
    void AddRecentTarget(const QString& filePath);
    // False when the file was not in the list.
    bool RemoveRecentTarget(const QString& filePath);

    // The geometry blob of a window (QWidget::saveGeometry); empty when none was kept.
    QByteArray Geometry(const QString& window) const;
    void SetGeometry(const QString& window, const QByteArray& geometry);

    // The unit's index among unitCount units; nothing when none was kept or it is out of range.
    std::optional<int> Unit(int unitCount) const;
    void SetUnit(int unit);

    // The stopping model chosen in the range-and-layers window ("classic" or "modern"); empty
    // when none was kept or the kept text is neither.
    QString RangeModel() const;
    void SetRangeModel(const QString& name);

    // The significant digits of the range window's numbers: `range/digits` in the file, 2 to 15,
    // 6 when none is kept or the kept value is out of that range.
    int RangeDigits() const;

    // The symbol of the last ion chosen (letters only); empty when none.
    QString LastIon() const;
    void SetLastIon(const QString& symbol);

    // Writes changed settings to their file now, through the safe writer (they are also written
    // when the object goes); false, and Problem() names the file and the system's reason, when
    // they cannot be written. The change is kept for the next try.
    bool Save();

  private:
    void OpenStore();
    bool OpenCopy(const QByteArray& bytes);
    QString StoredFolder(FileKind kind) const;
    void Put(const QString& key, const QVariant& value);

    std::unique_ptr<QTemporaryDir> scratch_;  // holds the private copy QSettings works on
    std::unique_ptr<QSettings> store_;
    QString path_;  // the user's settings file
    QString appDir_;
    Message problem_;
    bool writable_ = true;  // false while an unreadable file must be kept as it is
    bool changed_ = false;  // a value was set since the last save
};

// The folder of a new user's first dialog: documents, or home when there is none.
QString DefaultFolder();
// An absolute path with "." and ".." resolved and no trailing separator.
QString NormalisedPath(const QString& path);
// Whether the folder exists and is neither the program's folder nor inside it.
bool IsUsableFolder(const QString& folder, const QString& appDir);

}  // namespace fenra
