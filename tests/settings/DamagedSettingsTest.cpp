// Settings that cannot be read or written: the defaults, a sentence saying what happened, and
// never a lost file or a crash.

#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "settings/AppSettings.h"
#include "settings/SettingsTestSupport.h"
#include "support/Unprivileged.h"

namespace fenra {
namespace {

using DamagedSettingsTest = SettingsTest;

// Bytes QSettings cannot parse as an ini file.
constexpr char kGarbageBytes[] = "\x00\x01\x02\xff\xfe[unclosed\nno value\n\x7f";
const QByteArray kGarbage(kGarbageBytes, sizeof kGarbageBytes - 1);

TEST_F(DamagedSettingsTest, AnUnreadableFileIsKeptAsideAndTheDefaultsAreUsed) {
    WriteIni(kGarbage);
    AppSettings settings(AppDir());
    EXPECT_EQ(settings.Problem(), QString("The settings file \"%1\" could not be read and was "
                                          "kept as \"%1.unreadable\"; the defaults are used.")
                                      .arg(IniPath()));
    EXPECT_EQ(ReadAll(IniPath() + ".unreadable"), kGarbage);
    EXPECT_EQ(settings.StartFolder(FileKind::Target), Path("home"));
    EXPECT_TRUE(settings.RecentTargets().isEmpty());
    EXPECT_EQ(settings.Unit(4), std::nullopt);

    settings.SetUnit(2);
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(ReadAll(IniPath() + ".unreadable"), kGarbage);
    EXPECT_EQ(AppSettings(AppDir()).Unit(4), 2);
}

TEST_F(DamagedSettingsTest, AnOlderUnreadableCopyIsReplacedByTheNewOne) {
    WriteIni("old\n[broken");
    { AppSettings first(AppDir()); }
    WriteIni(kGarbage);
    AppSettings second(AppDir());
    EXPECT_NE(second.Problem(), "");
    EXPECT_EQ(ReadAll(IniPath() + ".unreadable"), kGarbage);
}

TEST_F(DamagedSettingsTest, HandEditedValuesOfTheWrongKindReadAsDefaults) {
    Folder("home/Documents");
    WriteIni(
        "[calculation]\nunit=abc\nion=Xenon\n"
        "[folders]\ntarget=relative/folder\nresult=42\n"
        "[geometry]\nMainWindow=just text\n");
    AppSettings settings(AppDir());
    EXPECT_EQ(settings.Problem(), "");
    EXPECT_EQ(settings.Unit(4), std::nullopt);
    EXPECT_EQ(settings.LastIon(), "");
    EXPECT_EQ(settings.StartFolder(FileKind::Target), Path("home/Documents"));
    EXPECT_EQ(settings.StartFolder(FileKind::Result), Path("home/Documents"));
    EXPECT_EQ(settings.Geometry("MainWindow"), QByteArray());
}

TEST_F(DamagedSettingsTest, UnitsOutsideTheListAreRefused) {
    for (const char* unit : {"-1", "4", "2.5", "99999999999"}) {
        WriteIni(QByteArray("[calculation]\nunit=") + unit + "\n");
        EXPECT_EQ(AppSettings(AppDir()).Unit(4), std::nullopt) << unit;
    }
    WriteIni("[calculation]\nunit=0\n");
    EXPECT_EQ(AppSettings(AppDir()).Unit(4), 0);
}

TEST_F(DamagedSettingsTest, AnOverlongRecentListIsCutAndCleaned) {
    QByteArray list = "[recent]\ntargets=/a.fta, /a.fta, , /b/../c.fta";
    for (int k = 0; k < 10; ++k) list += ", /n" + QByteArray::number(k) + ".fta";
    WriteIni(list + "\n");
    const QStringList want = {"/a.fta",  "/c.fta",  "/n0.fta", "/n1.fta",
                              "/n2.fta", "/n3.fta", "/n4.fta", "/n5.fta"};
    EXPECT_EQ(AppSettings(AppDir()).RecentTargets(), want);
}

TEST_F(DamagedSettingsTest, AConfigurationFolderThatCannotBeMadeFailsTheSaveWithAMessage) {
    // A file where the folder should be: not even root can make the folder.
    QFile blocker(Path("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Path("blocked"));
    AppSettings settings(AppDir());
    settings.SetLastIon("He");
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ(settings.Problem(),
              QString("The settings could not be saved: Cannot create a temporary file in "
                      "%1 to write %1/fenra32.ini: Not a directory.")
                  .arg(Path("blocked/fenra32")));
    EXPECT_EQ(settings.LastIon(), "He");  // kept for the rest of the run
}

// Root reads and saves as "nobody", whom the folder stops as it stops any user; the folders on
// the way let everyone through.
TEST_F(DamagedSettingsTest, AReadOnlyConfigurationFolderFailsTheSaveWithAMessage) {
    WriteIni("[calculation]\nunit=1\n");
    const auto enter = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                       QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    for (const QString& folder : {Path(""), Path("config"), Path("app"), Path("app/bin")})
        ASSERT_TRUE(!QFileInfo::exists(folder) || QFile::setPermissions(folder, enter));
    ASSERT_TRUE(QFile::setPermissions(Path("config/fenra32"),
                                      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    {
        test::Unprivileged nobody;
        ASSERT_TRUE(nobody.Ok());
        AppSettings settings(AppDir());
        EXPECT_EQ(settings.Unit(4), 1);
        settings.SetUnit(2);
        EXPECT_FALSE(settings.Save());
        EXPECT_EQ(settings.Problem(),
                  QString("The settings could not be saved: Cannot create a temporary file in "
                          "%1 to write %2: Permission denied.")
                      .arg(Path("config/fenra32"), IniPath()));
    }
    QFile::setPermissions(Path("config/fenra32"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadAll(IniPath()), "[calculation]\nunit=1\n");
}

}  // namespace
}  // namespace fenra
