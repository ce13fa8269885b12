// The settings reach their file through the program's safe writer: values of every kind come back
// as they went, a file earlier versions wrote keeps its keys, a link is written through, and a
// destination that cannot take the file fails the save with the path and the system's reason.

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "settings/AppSettings.h"
#include "settings/SettingsTestSupport.h"

namespace fenra {
namespace {

using SettingsWriteTest = SettingsTest;

// Window names are keys: odd characters, Unicode and the ini's own signs must come back.
TEST_F(SettingsWriteTest, OddKeysAndUnicodeValuesComeBack) {
    const QString folder = Folder("ünï cödé/日本 ; = [x] #y");
    const QStringList windows = {"Range Window", "a=b;c", "[General]", "é/ü",
                                 "#comment",     "%41",   "日本"};
    QByteArray blob;
    for (int k = 0; k < 256; ++k) blob.append(static_cast<char>(k));
    {
        AppSettings settings(AppDir());
        settings.RememberFolderOf(FileKind::Data, folder + "/f.csv");
        settings.AddRecentTarget(folder + "/a, b \"c\".fta");
        for (int k = 0; k < windows.size(); ++k)
            settings.SetGeometry(windows[k], blob + QByteArray::number(k));
        ASSERT_TRUE(settings.Save()) << settings.Problem().toStdString();
    }
    const AppSettings next(AppDir());
    EXPECT_EQ(next.Problem(), "");
    EXPECT_EQ(next.StartFolder(FileKind::Data), folder);
    EXPECT_EQ(next.RecentTargets(), QStringList({folder + "/a, b \"c\".fta"}));
    for (int k = 0; k < windows.size(); ++k)
        EXPECT_EQ(next.Geometry(windows[k]), blob + QByteArray::number(k))
            << windows[k].toStdString();
}

// A file as QSettings wrote it keeps every key, those this version does not know too.
TEST_F(SettingsWriteTest, AFileOfAnEarlierVersionKeepsItsKeys) {
    WriteIni(
        "[calculation]\nunit=2\nion=He\n\n[geometry]\nMainWindow=@ByteArray(\\x1\\xd9)\n\n"
        "[later]\nfeature=\"a, b\"\nlist=x, y\n");
    {
        AppSettings settings(AppDir());
        EXPECT_EQ(settings.Unit(4), 2);
        EXPECT_EQ(settings.Geometry("MainWindow"), QByteArray("\x01\xd9"));
        settings.SetLastIon("Au");
        ASSERT_TRUE(settings.Save()) << settings.Problem().toStdString();
    }
    const QByteArray saved = ReadAll(IniPath());
    EXPECT_TRUE(saved.contains("ion=Au\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("feature=\"a, b\"\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("list=x, y\n")) << saved.constData();
    const AppSettings next(AppDir());
    EXPECT_EQ(next.Unit(4), 2);
    EXPECT_EQ(next.Geometry("MainWindow"), QByteArray("\x01\xd9"));
}

TEST_F(SettingsWriteTest, ALinkedSettingsFileIsWrittenThrough) {
    const QString real = Folder("dotfiles") + "/fenra32.ini";
    QFile::remove(real);
    {
        QFile file(real);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[calculation]\nunit=1\n");
    }
    ASSERT_TRUE(QDir().mkpath(Path("config/fenra32")));
    ASSERT_TRUE(QFile::link(real, IniPath()));
    {
        AppSettings settings(AppDir());
        EXPECT_EQ(settings.Unit(4), 1);
        settings.SetUnit(3);
        ASSERT_TRUE(settings.Save()) << settings.Problem().toStdString();
    }
    EXPECT_TRUE(QFileInfo(IniPath()).isSymLink());
    EXPECT_EQ(AppSettings(AppDir()).Unit(4), 3);
    EXPECT_TRUE(ReadAll(real).contains("unit=3"));
}

// Nothing is written while nothing changed; a failed save keeps the change for the next try.
TEST_F(SettingsWriteTest, AFullDestinationFailsTheSaveAndKeepsTheChange) {
    if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    WriteIni("[calculation]\nunit=1\n");
    AppSettings settings(AppDir());
    // A device is refused when read; one put in the file's place later is written where it is.
    ASSERT_TRUE(QFile::remove(IniPath()));
    ASSERT_TRUE(QFile::link("/dev/full", IniPath()));
    EXPECT_TRUE(settings.Save());  // nothing to write
    settings.SetUnit(2);
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ(settings.Problem(),
              "The settings could not be saved: Cannot write /dev/full: No space left on device.");
    EXPECT_EQ(settings.Unit(4), 2);
    ASSERT_TRUE(QFile::remove(IniPath()));
    EXPECT_TRUE(settings.Save());
    EXPECT_EQ(AppSettings(AppDir()).Unit(4), 2);
}

// The private copy QSettings works on is never the user's file, and no temporary copy is left
// beside it.
TEST_F(SettingsWriteTest, OnlyTheSettingsFileIsLeftInItsFolder) {
    {
        AppSettings settings(AppDir());
        settings.SetLastIon("C");
        ASSERT_TRUE(settings.Save());
        EXPECT_EQ(settings.FilePath(), IniPath());
    }
    const QStringList entries =
        QDir(Path("config/fenra32"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(entries, QStringList({"fenra32.ini"}));
    struct stat st {};
    ASSERT_EQ(::stat(IniPath().toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(
        st.st_mode & 0777, 0666 & ~[] {
            const mode_t mask = ::umask(022);
            ::umask(mask);
            return mask;
        }());
}

}  // namespace
}  // namespace fenra
