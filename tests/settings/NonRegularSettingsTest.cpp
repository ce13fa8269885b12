// Settings files the program must not read: a FIFO (its open would block the start for ever), a
// folder and a file far larger than any the program writes are kept aside like an unreadable
// file, and the program starts from the defaults.

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>

#include "settings/AppSettings.h"
#include "settings/SettingsTestSupport.h"

namespace fenra {
namespace {

enum class Kind { Fifo, Folder, Oversized };

struct Case {
    const char* name;
    Kind kind;
};

class NonRegularSettingsTest : public SettingsTest, public ::testing::WithParamInterface<Case> {
  protected:
    void Make(Kind kind) {
        ASSERT_TRUE(QDir().mkpath(Path("config/fenra32")));
        switch (kind) {
            case Kind::Fifo:
                ASSERT_EQ(::mkfifo(IniPath().toLocal8Bit().constData(), 0600), 0);
                break;
            case Kind::Folder:
                ASSERT_TRUE(QDir().mkpath(IniPath()));
                break;
            case Kind::Oversized:
                // One byte over the megabyte, of values QSettings could read.
                QByteArray bytes = "[calculation]\nunit=2\n[padding]\n";
                while (bytes.size() <= 1024 * 1024) bytes += "key=valuevaluevaluevalue\n";
                WriteIni(bytes);
                break;
        }
    }
};

TEST_P(NonRegularSettingsTest, IsKeptAsideUnreadAndTheDefaultsAreUsed) {
    Make(GetParam().kind);
    AppSettings settings(AppDir());
    EXPECT_EQ(settings.Problem(), QString("The settings file \"%1\" could not be read and was "
                                          "kept as \"%1.unreadable\"; the defaults are used.")
                                      .arg(IniPath()));
    EXPECT_TRUE(QFileInfo::exists(IniPath() + ".unreadable"));
    EXPECT_EQ(settings.Unit(4), std::nullopt);
    settings.SetUnit(1);
    ASSERT_TRUE(settings.Save());
    EXPECT_TRUE(QFileInfo(IniPath()).isFile());
    EXPECT_EQ(AppSettings(AppDir()).Unit(4), 1);
}

INSTANTIATE_TEST_SUITE_P(Settings, NonRegularSettingsTest,
                         ::testing::Values(Case{"Fifo", Kind::Fifo}, Case{"Folder", Kind::Folder},
                                           Case{"Oversized", Kind::Oversized}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, AFileOfJustUnderAMegabyteIsRead) {
    QByteArray bytes = "[calculation]\nunit=3\n[padding]\n";
    while (bytes.size() < 1000 * 1000) bytes += "key=valuevaluevaluevalue\n";
    WriteIni(bytes);
    AppSettings settings(AppDir());
    EXPECT_EQ(settings.Problem(), "");
    EXPECT_EQ(settings.Unit(4), 3);
}

}  // namespace
}  // namespace fenra
