// Replacing a file whole: the old contents stay until the new ones are complete.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "files/FileTestSupport.h"
#include "files/TextFile.h"
#include "messages/OutcomeMessages.h"

namespace fenra {
namespace {

namespace fs = std::filesystem;

TEST(WriteTextFile, ReplacesAnExistingFileWholeAndLeavesNothingBeside) {
    const std::string path = test::ScratchPath("replace.txt");
    ASSERT_TRUE(WriteTextFile(path, "a much longer first content\r\n", nullptr));
    ASSERT_TRUE(WriteTextFile(path, "short\r\n", nullptr));
    EXPECT_EQ(test::ReadBytes(path), "short\r\n");
    EXPECT_FALSE(fs::exists(path + ".part"));
}

TEST(WriteTextFile, AFailedReplacementKeepsWhatWasThere) {
    // A folder stands where the file should go: the new contents cannot take its place, and
    // the folder with its file stays as it was.
    const std::string path = test::ScratchPath("occupied");
    fs::create_directories(path);
    ASSERT_TRUE(WriteTextFile(path + "/inside.txt", "kept\r\n", nullptr));
    FileError fileError;
    EXPECT_FALSE(WriteTextFile(path, "new\r\n", &fileError));
    EXPECT_NE(DescribeFileError(fileError).find(path), std::string::npos)
        << DescribeFileError(fileError);
    EXPECT_EQ(test::ReadBytes(path + "/inside.txt"), "kept\r\n");
    EXPECT_FALSE(fs::exists(path + ".part"));
}

TEST(WriteTextFile, KeepsThePermissionsOfTheFileItReplaces) {
    const std::string path = test::ScratchPath("mode.txt");
    ASSERT_TRUE(WriteTextFile(path, "old\r\n", nullptr));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteTextFile(path, "new\r\n", nullptr));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(WriteTextFile, WritesThroughALinkToTheFileItNames) {
    const std::string target = test::ScratchPath("linked-target.txt");
    const std::string link = test::ScratchPath("link.txt");
    ASSERT_TRUE(WriteTextFile(target, "old\r\n", nullptr));
    fs::remove(link);
    fs::create_symlink(target, link);
    ASSERT_TRUE(WriteTextFile(link, "new\r\n", nullptr));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(test::ReadBytes(target), "new\r\n");
}

}  // namespace
}  // namespace fenra
