// The program itself on standard output that cannot take the results, and its last resort.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fenra {
namespace {

const std::string kProgram = std::string(FENRA_BIN_DIR) + "/fenra32-calc";
const std::string kReference = std::string(FENRA_EXAMPLES_DIR) + "/reference.fta";

struct Exit {
    int status = -1;
    std::string err;
};

// Runs a shell command line; what it sends to descriptor 3 is collected.
Exit RunShell(const std::string& line) {
    Exit e;
    FILE* p = ::popen(("exec 3>&1; " + line).c_str(), "r");
    if (!p) return e;
    char buf[512];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) e.err.append(buf, n);
    const int st = ::pclose(p);
    e.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return e;
}

TEST(BatchOutput, AFullDiskOnStandardOutputExitsOne) {
    for (const char* command : {"values", "report"}) {
        const Exit e = RunShell(kProgram + " " + command + " " + kReference + " >/dev/full 2>&3");
        EXPECT_EQ(e.status, 1) << command;
        EXPECT_NE(e.err.find("fenra32-calc: cannot write to standard output"), std::string::npos)
            << e.err;
    }
}

TEST(BatchOutput, AClosedStandardOutputExitsOne) {
    const Exit e = RunShell(kProgram + " values " + kReference + " >&- 2>&3");
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("cannot write to standard output"), std::string::npos) << e.err;
}

TEST(BatchOutput, AWrittenStandardOutputExitsZero) {
    const Exit e = RunShell(kProgram + " values " + kReference + " >/dev/null 2>&3");
    EXPECT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.err, "");
}

// A device is refused before it is read: an endless one must not be read at all.
TEST(BatchOutput, EndlessOrRandomInputEndsWithAMessage) {
    for (const char* input : {"/dev/zero", "/dev/urandom"}) {
        const Exit e = RunShell(kProgram + " values " + input + " 2>&3");
        EXPECT_EQ(e.status, 1) << input;
        EXPECT_EQ(e.err, std::string("fenra32-calc: Cannot open ") + input +
                             ": not a regular file (a folder, FIFO or device)\n");
    }
}

}  // namespace
}  // namespace fenra
