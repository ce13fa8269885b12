#include <QFileInfo>

#include "settings/AppSettings.h"
#include "settings/SettingsTestSupport.h"

namespace fenra {
namespace {

using FoldersTest = SettingsTest;

TEST_F(FoldersTest, AFirstRunStartsEveryKindInHomeWhenThereIsNoDocumentsFolder) {
    AppSettings settings(AppDir());
    EXPECT_EQ(DefaultFolder(), Path("home"));
    for (FileKind kind :
         {FileKind::Target, FileKind::Result, FileKind::Curve, FileKind::Image, FileKind::Data}) {
        EXPECT_EQ(settings.StartFolder(kind), Path("home"));
    }
    EXPECT_EQ(settings.Problem(), "");
}

TEST_F(FoldersTest, AFirstRunStartsInTheDocumentsFolderWhenThereIsOne) {
    const QString documents = Folder("home/Documents");
    AppSettings settings(AppDir());
    EXPECT_EQ(settings.StartFolder(FileKind::Target), documents);
}

TEST_F(FoldersTest, EachKindRemembersItsOwnFolder) {
    AppSettings settings(AppDir());
    settings.RememberFolderOf(FileKind::Target, Folder("targets") + "/a.fta");
    settings.RememberFolderOf(FileKind::Result, Folder("results") + "/../results/r.Fre");
    EXPECT_EQ(settings.StartFolder(FileKind::Target), Path("targets"));
    EXPECT_EQ(settings.StartFolder(FileKind::Result), Path("results"));
    EXPECT_EQ(settings.StartFolder(FileKind::Curve), Path("home"));
}

TEST_F(FoldersTest, AFolderThatNoLongerExistsFallsBackToTheDefault) {
    AppSettings settings(AppDir());
    const QString gone = Folder("gone");
    settings.RememberFolderOf(FileKind::Curve, gone + "/c.Fcv");
    ASSERT_TRUE(QDir(gone).removeRecursively());
    EXPECT_EQ(settings.StartFolder(FileKind::Curve), Path("home"));
}

TEST_F(FoldersTest, TheProgramsFolderAndItsSubfoldersAreNeverOffered) {
    AppSettings settings(AppDir());
    settings.RememberFolderOf(FileKind::Target, AppDir() + "/demo.fta");
    EXPECT_EQ(settings.StartFolder(FileKind::Target), Path("home"));
    settings.RememberFolderOf(FileKind::Target, Folder("app/bin/examples") + "/demo.fta");
    EXPECT_EQ(settings.StartFolder(FileKind::Target), Path("home"));
    // A sibling whose name merely begins with the program folder's name is the user's.
    settings.RememberFolderOf(FileKind::Target, Folder("app/bin2") + "/demo.fta");
    EXPECT_EQ(settings.StartFolder(FileKind::Target), Path("app/bin2"));
}

TEST_F(FoldersTest, TheDocumentsFolderIsNotOfferedWhenItIsTheProgramsFolder) {
    Folder("home/Documents");
    AppSettings settings(Path("home/Documents"));
    EXPECT_EQ(settings.StartFolder(FileKind::Data), Path("home"));
}

TEST_F(FoldersTest, UsableFolderNeedsAnAbsoluteExistingFolder) {
    EXPECT_FALSE(IsUsableFolder("", AppDir()));
    EXPECT_FALSE(IsUsableFolder("home", AppDir()));  // relative
    EXPECT_FALSE(IsUsableFolder(Path("nowhere"), AppDir()));
    EXPECT_TRUE(IsUsableFolder(Path("home"), ""));
    EXPECT_TRUE(IsUsableFolder(AppDir(), ""));  // no program folder known
}

using RecentTargetsTest = SettingsTest;

TEST_F(RecentTargetsTest, TheMostRecentComesFirstWithoutDuplicates) {
    AppSettings settings(AppDir());
    settings.AddRecentTarget("/data/a.fta");
    settings.AddRecentTarget("/data/b.fta");
    settings.AddRecentTarget("/data/./x/../a.fta");
    EXPECT_EQ(settings.RecentTargets(), QStringList({"/data/a.fta", "/data/b.fta"}));
}

TEST_F(RecentTargetsTest, OnlyTheEightMostRecentAreKept) {
    AppSettings settings(AppDir());
    for (int k = 1; k <= 10; ++k) settings.AddRecentTarget(QString("/t/%1.fta").arg(k));
    const QStringList want = {"/t/10.fta", "/t/9.fta", "/t/8.fta", "/t/7.fta",
                              "/t/6.fta",  "/t/5.fta", "/t/4.fta", "/t/3.fta"};
    EXPECT_EQ(settings.RecentTargets(), want);
}

TEST_F(RecentTargetsTest, ARelativePathIsKeptAbsolute) {
    AppSettings settings(AppDir());
    settings.AddRecentTarget("rel/t.fta");
    EXPECT_EQ(settings.RecentTargets(), QStringList({QDir::currentPath() + "/rel/t.fta"}));
    settings.AddRecentTarget("  ");
    EXPECT_EQ(settings.RecentTargets().size(), 1);
}

TEST_F(RecentTargetsTest, RemovingSaysWhetherTheFileWasListed) {
    AppSettings settings(AppDir());
    settings.AddRecentTarget("/d/a.fta");
    settings.AddRecentTarget("/d/b.fta");
    EXPECT_FALSE(settings.RemoveRecentTarget("/d/c.fta"));
    EXPECT_TRUE(settings.RemoveRecentTarget("/d/x/../a.fta"));
    EXPECT_EQ(settings.RecentTargets(), QStringList({"/d/b.fta"}));
}

using RoundTripTest = SettingsTest;

TEST_F(RoundTripTest, EverythingSavedIsReadBackByTheNextRun) {
    const QString targets = Folder("my, targets");
    const QString tricky = targets + "/@first; \"quoted\" é.fta";
    const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00\x00\x00\x01\x2c", 12);
    {
        AppSettings settings(AppDir());
        settings.RememberFolderOf(FileKind::Target, tricky);
        settings.AddRecentTarget(targets + "/b.fta");
        settings.AddRecentTarget(tricky);
        settings.SetGeometry("MainWindow", geometry);
        settings.SetUnit(3);
        settings.SetLastIon("Au");
        settings.SetRangeModel("modern");
        ASSERT_TRUE(settings.Save());
        EXPECT_EQ(settings.FilePath(), IniPath());
    }
    ASSERT_TRUE(QFileInfo(IniPath()).isFile());
    AppSettings next(AppDir());
    EXPECT_EQ(next.StartFolder(FileKind::Target), targets);
    EXPECT_EQ(next.RecentTargets(), QStringList({tricky, targets + "/b.fta"}));
    EXPECT_EQ(next.Geometry("MainWindow"), geometry);
    EXPECT_EQ(next.Geometry("RangeWindow"), QByteArray());
    EXPECT_EQ(next.Unit(4), 3);
    EXPECT_EQ(next.Unit(3), std::nullopt);  // a unit the window no longer has
    EXPECT_EQ(next.LastIon(), "Au");
    EXPECT_EQ(next.RangeModel(), "modern");
    EXPECT_EQ(next.Problem(), "");
}

TEST_F(RoundTripTest, AnIonThatIsNoSymbolIsNotKept) {
    AppSettings settings(AppDir());
    settings.SetLastIon("He");
    settings.SetLastIon("Xenon");
    settings.SetLastIon("H2");
    settings.SetLastIon("");
    EXPECT_EQ(settings.LastIon(), "He");
}

TEST_F(RoundTripTest, OnlyAKnownStoppingModelIsKept) {
    AppSettings settings(AppDir());
    EXPECT_EQ(settings.RangeModel(), "");  // nothing kept: the window's default
    settings.SetRangeModel("modern");
    settings.SetRangeModel("Modern");
    settings.SetRangeModel("bethe");
    EXPECT_EQ(settings.RangeModel(), "modern");
    settings.SetRangeModel("classic");
    EXPECT_EQ(settings.RangeModel(), "classic");
}

}  // namespace
}  // namespace fenra
