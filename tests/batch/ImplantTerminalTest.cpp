// fenra32-calc implant as a user runs it: the progress line on a terminal only, and Ctrl+C,
// which stops the run and prints the ions done.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace fenra {
namespace {

const std::string kProgram = std::string(FENRA_BIN_DIR) + "/fenra32-calc";
// Waiting for the program to show or end something: a bound against a hung test, not a timing.
constexpr int kPatienceMs = 120000;

struct Child {
    pid_t pid = -1;
    int out = -1;  // its standard output
    int err = -1;  // its standard error: a terminal's master side, or a pipe
};

// Starts fenra32-calc on the test database with its standard error on a new terminal (or a
// pipe) and its standard output on a pipe.
Child Start(const std::vector<std::string>& args, bool terminal) {
    Child c;
    int out[2], pipeErr[2] = {-1, -1};
    if (::pipe(out) != 0) return c;
    std::string slaveName;
    if (terminal) {
        c.err = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (c.err < 0 || ::grantpt(c.err) != 0 || ::unlockpt(c.err) != 0) return c;
        slaveName = ::ptsname(c.err);
    } else if (::pipe(pipeErr) != 0) {
        return c;
    }
    std::vector<std::string> full = {kProgram, "--db", FENRA_TEST_DATABASE};
    full.insert(full.end(), args.begin(), args.end());
    c.pid = ::fork();
    if (c.pid == 0) {
        const int errFd = terminal ? ::open(slaveName.c_str(), O_RDWR) : pipeErr[1];
        ::dup2(out[1], 1);
        ::dup2(errFd, 2);
        std::vector<char*> argv;
        for (std::string& a : full) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(kProgram.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    c.out = out[0];
    if (!terminal) {
        ::close(pipeErr[1]);
        c.err = pipeErr[0];
    }
    return c;
}

// Reads both outputs until `until` returns true for what came on standard error, or standard
// output ends; false when neither happened in kPatienceMs.
bool ReadUntil(Child& c, std::string& out, std::string& err,
               const std::function<bool(const std::string&)>& until) {
    const auto start = std::chrono::steady_clock::now();
    while (!until(err)) {
        const auto waited = std::chrono::steady_clock::now() - start;
        if (waited > std::chrono::milliseconds(kPatienceMs)) return false;
        pollfd fds[2] = {{c.out, POLLIN, 0}, {c.err, POLLIN, 0}};
        if (::poll(fds, 2, 1000) <= 0) continue;
        char buf[4096];
        if (fds[1].revents & POLLIN) {
            const ssize_t n = ::read(c.err, buf, sizeof buf);
            if (n > 0) err.append(buf, static_cast<std::size_t>(n));
        }
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            const ssize_t n = ::read(c.out, buf, sizeof buf);
            if (n > 0) out.append(buf, static_cast<std::size_t>(n));
            if (n == 0) return true;
        }
    }
    return true;
}

// Waits for the program to end and reads what is left of its standard error.
int Wait(const Child& c, std::string& err) {
    int status = 0;
    ::waitpid(c.pid, &status, 0);
    char buf[4096];
    for (ssize_t n = ::read(c.err, buf, sizeof buf); n > 0; n = ::read(c.err, buf, sizeof buf))
        err.append(buf, static_cast<std::size_t>(n));
    ::close(c.out);
    ::close(c.err);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::regex kProgressLine(R"(\r(\d+ of 1000000000000 ions, \d+ ions/s, \d+ s left   ))");

TEST(ImplantTerminal, ShowsProgressThenCtrlCPrintsTheIonsDone) {
    Child c = Start({"implant", "B", "30keV", "Si:1um", "--ions", "1000000000000", "--threads", "1",
                     "--bins", "4"},
                    true);
    ASSERT_GT(c.pid, 0);
    std::string out, err;
    // A line with over 100,000 ions done: the run is under way, Ctrl+C is watched, and the
    // lines are longer than 60 characters.
    const std::regex done(R"(\r[1-9]\d{5,} of 1000000000000 ions, )");
    ASSERT_TRUE(ReadUntil(c, out, err, [&](const std::string& e) {
        return std::regex_search(e, done);
    })) << err;
    ASSERT_EQ(out, "");
    ::kill(c.pid, SIGINT);
    ASSERT_TRUE(ReadUntil(c, out, err, [](const std::string&) { return false; }));
    EXPECT_EQ(Wait(c, err), 130);
    EXPECT_TRUE(std::regex_search(err, kProgressLine)) << err;
    // The progress line is wiped before the results come: at least 60 spaces, and as many as
    // the longest line (here over 60 characters) so that none of its digits stay.
    std::size_t longest = 0;
    for (auto it = std::sregex_iterator(err.begin(), err.end(), kProgressLine);
         it != std::sregex_iterator(); ++it)
        longest = std::max(longest, static_cast<std::size_t>((*it)[1].length()));
    EXPECT_GT(longest, 60u);
    const std::string wipe = "\r" + std::string(longest, ' ') + "\r";
    EXPECT_EQ(err.size() - err.rfind(wipe), wipe.size()) << err;
    const std::regex interrupted(R"(\nions: [1-9]\d* of 1000000000000 \(interrupted\), seed 1, )");
    EXPECT_TRUE(std::regex_search(out, interrupted)) << out.substr(0, 400);
    EXPECT_NE(out.find("\ndepth_from_nm  depth_to_nm"), std::string::npos);
}

// Without a terminal (a pipe, a file) nothing is written on standard error, however long the
// run: 40,000 ions last longer than the 0.25 s between two progress lines.
TEST(ImplantTerminal, NoProgressLineWithoutATerminal) {
    Child c = Start({"implant", "B", "30keV", "Si:1um", "--ions", "40000", "--bins", "4"}, false);
    ASSERT_GT(c.pid, 0);
    std::string out, err;
    ASSERT_TRUE(ReadUntil(c, out, err, [](const std::string&) { return false; }));
    EXPECT_EQ(Wait(c, err), 0);
    EXPECT_EQ(err, "");
    EXPECT_NE(out.find("\nions: 40000 of 40000, seed 1, "), std::string::npos);
}

}  // namespace
}  // namespace fenra
