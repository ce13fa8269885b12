// A target file that is no regular file: a FIFO would block the open until another program
// writes to it, a device might never end, a folder fails only on reading. Each is refused before
// anything is read, and the data sets stay as they were.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "files/TargetFile.h"
#include "messages/OutcomeMessages.h"
#include "state/WorkingState.h"

namespace fenra {
namespace {

namespace fs = std::filesystem;

struct Case {
    const char* name;
    int kind;  // 0 FIFO, 1 folder, 2 device
};

class NonRegularTarget : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) / ("fenra_nonregular_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Make(int kind) const {
        const std::string path = (dir_ / "t.fta").string();
        if (kind == 0) {
            EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
        if (kind == 1) fs::create_directory(path);
        return kind == 2 ? std::string("/dev/zero") : path;
    }

    fs::path dir_;
};

TEST_P(NonRegularTarget, IsRefusedBeforeReadingAndTheDataSetsStay) {
    WorkingState s;
    s.DataSets[1].IonName = "He";
    const std::string path = Make(GetParam().kind);
    const OpenTargetResult r = OpenTarget(s, path);
    EXPECT_EQ(r.status, OpenTargetStatus::CannotOpen);
    EXPECT_EQ(r.error.fault, FileFault::NotRegularFile);
    EXPECT_EQ(DescribeFileError(r.error),
              "Cannot open " + path + ": not a regular file (a folder, FIFO or device)");
    EXPECT_EQ(s.DataSets[1].IonName, "He");
}

INSTANTIATE_TEST_SUITE_P(Files, NonRegularTarget,
                         ::testing::Values(Case{"Fifo", 0}, Case{"Folder", 1}, Case{"Device", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fenra
