// The order in which the programs look for the element database, and what they say when it is
// nowhere.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "elements/DatabaseSearch.h"

namespace fenra {
namespace {

namespace fs = std::filesystem;

TEST(DatabaseCandidates, BesideTheProgramThenTheInstalledDataFolder) {
    const std::vector<DatabaseCandidate> c = DatabaseCandidates({"", "", "/opt/f32/bin"});
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].place, DatabasePlace::BesideProgram);
    EXPECT_EQ(c[0].path, "/opt/f32/bin/Fenra32.mdb");
    EXPECT_EQ(c[1].place, DatabasePlace::InstalledData);
    EXPECT_EQ(c[1].path, "/opt/f32/share/fenra32/Fenra32.mdb");
    // A folder given with its trailing separator names the same files.
    const std::vector<DatabaseCandidate> d = DatabaseCandidates({"", "", "/opt/f32/bin/"});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].path, c[0].path);
    EXPECT_EQ(d[1].path, c[1].path);
}

TEST(DatabaseCandidates, ALibraryNamesItsOwnWayToTheInstalledDataFolder) {
    // The Python module lives in PREFIX/lib/python3.X/dist-packages.
    const std::vector<DatabaseCandidate> c = DatabaseCandidates(
        {"", "", "/usr/local/lib/python3.11/dist-packages", "../../../share/fenra32"});
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].path, "/usr/local/lib/python3.11/dist-packages/Fenra32.mdb");
    EXPECT_EQ(c[1].place, DatabasePlace::InstalledData);
    EXPECT_EQ(c[1].path, "/usr/local/share/fenra32/Fenra32.mdb");
}

TEST(DatabaseCandidates, DbWinsOverTheEnvironmentWhichWinsOverTheFolders) {
    const std::vector<DatabaseCandidate> both = DatabaseCandidates({"a.mdb", "b.mdb", "/bin"});
    ASSERT_EQ(both.size(), 1u);
    EXPECT_EQ(both[0].place, DatabasePlace::Option);
    EXPECT_EQ(both[0].path, "a.mdb");
    const std::vector<DatabaseCandidate> env = DatabaseCandidates({"", "b.mdb", "/bin"});
    ASSERT_EQ(env.size(), 1u);
    EXPECT_EQ(env[0].place, DatabasePlace::Environment);
    EXPECT_EQ(env[0].path, "b.mdb");
    EXPECT_TRUE(DatabaseCandidates({"", "", ""}).empty());
}

// A prefix with bin/ and share/fenra32/ in a temporary folder.
class InstalledTree : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("fenra_search_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(Bin());
        fs::create_directories(root_ / "share" / "fenra32");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path Bin() const { return root_ / "bin"; }
    std::string Beside() const { return (Bin() / "Fenra32.mdb").string(); }
    std::string Installed() const { return (root_ / "share/fenra32/Fenra32.mdb").string(); }
    static void CopyDatabase(const std::string& to) { fs::copy_file(FENRA_TEST_DATABASE, to); }

    fs::path root_;
};

TEST_F(InstalledTree, FindsTheInstalledCopyWhenNoneIsBesideTheProgram) {
    CopyDatabase(Installed());
    const DatabaseSearchResult r = FindDatabase({"", "", Bin().string()});
    EXPECT_EQ(r.foundPath, Installed());
    ASSERT_EQ(r.looked.size(), 2u);
    EXPECT_EQ(OpenSearchedDatabase(r).Path(), Installed());
}

TEST_F(InstalledTree, PrefersTheCopyBesideTheProgram) {
    CopyDatabase(Installed());
    CopyDatabase(Beside());
    const DatabaseSearchResult r = FindDatabase({"", "", Bin().string()});
    EXPECT_EQ(r.foundPath, Beside());
    ASSERT_EQ(r.looked.size(), 1u);  // the search stops at the first file
    EXPECT_EQ(OpenSearchedDatabase(r).ListElementSymbols().size(), 92u);
}

TEST_F(InstalledTree, AFolderNamedLikeTheDatabaseIsPassedOver) {
    fs::create_directory(Beside());
    CopyDatabase(Installed());
    EXPECT_EQ(FindDatabase({"", "", Bin().string()}).foundPath, Installed());
    fs::remove(Installed());
    EXPECT_EQ(DatabaseNotFoundText(FindDatabase({"", "", Bin().string()}).looked),
              "Element database \"" + Beside() +
                  "\" is a folder, not a file (beside the program).\n" + "Element database \"" +
                  Installed() + "\" not found (installed data folder).");
    // A folder named by FENRA32_DB is not searched for a database either.
    EXPECT_EQ(DatabaseNotFoundText(FindDatabase({"", Bin().string(), ""}).looked),
              "Element database \"" + Bin().string() + "\" is a folder, not a file (FENRA32_DB).");
}

TEST_F(InstalledTree, AMissingNamedFileIsNotReplacedByAnother) {
    CopyDatabase(Beside());
    const std::string named = (root_ / "named.mdb").string();
    const DatabaseSearchResult r = FindDatabase({"", named, Bin().string()});
    EXPECT_EQ(r.foundPath, "");
    try {
        OpenSearchedDatabase(r);
        FAIL() << "opened a database that was not named";
    } catch (const ElementDatabaseError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Element database \"" + named + "\" not found (FENRA32_DB).");
    }
}

TEST_F(InstalledTree, NotFoundNamesEveryPlaceInOrder) {
    const DatabaseSearchResult r = FindDatabase({"", "", Bin().string()});
    EXPECT_EQ(r.foundPath, "");
    try {
        OpenSearchedDatabase(r);
        FAIL() << "no database exists";
    } catch (const ElementDatabaseError& e) {
        EXPECT_EQ(std::string(e.what()), "Element database \"" + Beside() +
                                             "\" not found (beside the program).\n" +
                                             "Element database \"" + Installed() +
                                             "\" not found (installed data folder).");
    }
    EXPECT_EQ(DatabaseNotFoundText({}),
              "Element database not found: the program's folder is unknown.");
}

// The names the user gave (an option, a variable) are shown as they are; the places the
// program chose are sentences, which the window translates.
TEST(DatabaseSearch, PlaceNames) {
    struct Case {
        DatabasePlace place;
        bool sentence;
        const char* words;
    };
    const Case cases[] = {{DatabasePlace::Option, false, "--db"},
                          {DatabasePlace::Environment, false, "FENRA32_DB"},
                          {DatabasePlace::BesideProgram, true, "beside the program"},
                          {DatabasePlace::InstalledData, true, "installed data folder"}};
    for (const Case& c : cases) {
        const Message name = DatabasePlaceName(c.place);
        EXPECT_EQ(name.text != nullptr, c.sentence) << c.words;
        EXPECT_EQ(Words(name), c.words);
    }
}

TEST(DatabaseSearch, ProgramDirectoryIsTheFolderOfThisExecutable) {
    EXPECT_TRUE(fs::equivalent(ProgramDirectory(), FENRA_BIN_DIR));
}

TEST(DatabaseSearch, ProcessSearchReadsTheEnvironment) {
    ASSERT_EQ(setenv("FENRA32_DB", "/x/y.mdb", 1), 0);
    DatabaseSearchInput in = ProcessDatabaseSearch("", "/bin");
    EXPECT_EQ(in.environmentPath, "/x/y.mdb");
    EXPECT_EQ(in.programDir, "/bin");
    ASSERT_EQ(setenv("FENRA32_DB", "", 1), 0);  // set but empty: as if not set
    EXPECT_EQ(DatabaseCandidates(ProcessDatabaseSearch("", "/bin")).size(), 2u);
    ASSERT_EQ(unsetenv("FENRA32_DB"), 0);
    in = ProcessDatabaseSearch("z.mdb", "/bin");
    EXPECT_EQ(in.environmentPath, "");
    EXPECT_EQ(in.optionPath, "z.mdb");
}

}  // namespace
}  // namespace fenra
