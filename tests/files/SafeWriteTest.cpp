// Replacing a file safely: on a full disk, against a planted link, with concurrent writers.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "files/FileTestSupport.h"
#include "files/TextFile.h"
#include "messages/OutcomeMessages.h"
#include "support/Unprivileged.h"

namespace fenra {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Listing(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

// A 64 KiB file system of its own, so a write can run out of space.
class FullDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = test::ScratchPath("tmpfs");
        fs::create_directories(dir_);
        if (::geteuid() != 0) GTEST_SKIP() << "SKIPPED: a full file system needs root to mount";
        if (::mount("fenra-test", dir_.c_str(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "SKIPPED: tmpfs could not be mounted: " << std::strerror(errno);
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) ::umount(dir_.c_str());
        fs::remove_all(dir_);
    }
    std::string dir_;
    bool mounted_ = false;
};

TEST_F(FullDisk, AFailedReplacementKeepsTheOldFileIntact) {
    const std::string path = dir_ + "/u.Fre";
    const std::string good(20000, 'g');
    ASSERT_TRUE(WriteTextFile(path, good, nullptr));
    FileError fileError;
    EXPECT_FALSE(WriteTextFile(path, std::string(50000, 'n'), &fileError));
    EXPECT_NE(DescribeFileError(fileError).find("No space left on device"), std::string::npos)
        << DescribeFileError(fileError);
    EXPECT_NE(DescribeFileError(fileError).find(path), std::string::npos)
        << DescribeFileError(fileError);
    EXPECT_EQ(test::ReadBytes(path), good);
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"u.Fre"});
}

TEST_F(FullDisk, ANewFileThatDoesNotFitIsNotLeftHalfWritten) {
    FileError fileError;
    EXPECT_FALSE(WriteTextFile(dir_ + "/new.Fre", std::string(100000, 'n'), &fileError));
    EXPECT_TRUE(Listing(dir_).empty());
}

TEST(WriteTextFile, NeverUsesOrRemovesWhatOthersPutBesideTheDestination) {
    const fs::path dir = test::ScratchPath("planted");
    fs::create_directories(dir);
    const std::string path = (dir / "u.Fre").string();
    const std::string victim = (dir / "victim").string();
    std::ofstream(victim) << "victim\n";
    // The old fixed side name as a link, and a user's own file and folder under guessed names.
    fs::create_symlink(victim, path + ".part");
    std::ofstream(path + ".tmp") << "mine\n";
    fs::create_directory(dir / ".u.Fre.XXXXXX");
    const std::set<std::string> before = Listing(dir);

    ASSERT_TRUE(WriteTextFile(path, "report\r\n", nullptr));
    EXPECT_EQ(test::ReadBytes(path), "report\r\n");
    EXPECT_EQ(test::ReadBytes(victim), "victim\n");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path + ".part")));
    EXPECT_EQ(test::ReadBytes(path + ".tmp"), "mine\n");
    std::set<std::string> after = before;
    after.insert("u.Fre");
    EXPECT_EQ(Listing(dir), after);
    fs::remove_all(dir);
}

TEST(WriteTextFile, ConcurrentWritersLeaveOneWholeFile) {
    const fs::path dir = test::ScratchPath("race");
    fs::create_directories(dir);
    const std::string path = (dir / "same.Fre").string();
    constexpr int kWriters = 12;
    constexpr int kRounds = 25;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Each writer has a length and a letter of its own: a mix shows in either.
            const std::string text(4000 + 997 * w, static_cast<char>('a' + w));
            bool ok = true;
            for (int r = 0; r < kRounds; ++r) ok = WriteTextFile(path, text, nullptr) && ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string result = test::ReadBytes(path);
    ASSERT_FALSE(result.empty());
    const int w = result[0] - 'a';
    EXPECT_EQ(result, std::string(4000 + 997 * w, result[0]));
    EXPECT_EQ(Listing(dir), std::set<std::string>{"same.Fre"});
    fs::remove_all(dir);
}

TEST(WriteTextFile, ADirectoryIsNamedAsADirectory) {
    const std::string dir = test::ScratchPath("somedir");
    fs::create_directories(dir);
    FileError fileError;
    EXPECT_FALSE(WriteTextFile(dir + "/", "x", &fileError));
    EXPECT_EQ(DescribeFileError(fileError), "Cannot write " + dir + "/: Is a directory");
    EXPECT_TRUE(Listing(dir).empty());
}

TEST(WriteTextFile, AFullDeviceIsReported) {
    FileError fileError;
    EXPECT_FALSE(WriteTextFile("/dev/full", "x", &fileError));
    EXPECT_EQ(DescribeFileError(fileError), "Cannot write /dev/full: No space left on device");
}

TEST(WriteTextFile, ANewFileGetsTheUsualPermissions) {
    const std::string path = test::ScratchPath("fresh.txt");
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(WriteTextFile(path, "x", nullptr));
    ::umask(mask);
    EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0666 & ~027));
}

// A folder anyone may read and enter but no one may write to; root writes as "nobody", whom the
// folder stops as it stops any user. The old file stays as it was.
TEST(WriteTextFile, AFolderWithoutWriteAccessIsNamedInTheMessage) {
    const std::string dir = test::ScratchPath("locked");
    fs::create_directories(dir);
    const std::string path = dir + "/a.txt";
    ASSERT_TRUE(WriteTextFile(path, "old", nullptr));
    fs::permissions(fs::path(dir).parent_path(),
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read |
                             fs::perms::others_exec);
    FileError fileError;
    bool written = true;
    {
        test::Unprivileged nobody;
        ASSERT_TRUE(nobody.Ok()) << std::strerror(errno);
        written = WriteTextFile(path, "new", &fileError);
    }
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_FALSE(written);
    EXPECT_EQ(DescribeFileError(fileError), "Cannot create a temporary file in " + dir +
                                                " to write " + path + ": Permission denied");
    EXPECT_EQ(test::ReadBytes(path), "old");
    EXPECT_EQ(Listing(dir), std::set<std::string>{"a.txt"});
}

}  // namespace
}  // namespace fenra
