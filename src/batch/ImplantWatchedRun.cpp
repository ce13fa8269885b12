#include "batch/ImplantWatchedRun.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <string>
#include <thread>

#include "messages/PhysicsMessages.h"

namespace fenra {

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(250);
// The progress line is wiped with this many spaces at least.
constexpr std::size_t kClearedWidth = 60;

// Ctrl+C: the handler only raises a flag; the watcher thread passes it on to the run.
std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

extern "C" void OnInterrupt(int) {
    gInterrupted.store(true);
}

}  // namespace

// Meanwhile a watcher passes Ctrl+C on and, on a terminal, shows the ions done, the rate and
// the time left on one line of standard error.
ImplantResult RunImplantWatched(const ImplantArguments& o, const ImplantCommandStack& s,
                                bool terminal, std::ostream& err) {
    ImplantOptions options;
    options.ions = o.ions;
    options.seed = o.seed;
    options.threads = o.threads;
    options.cutoffEv = o.cutoff;
    options.electronicStraggling = o.straggling;
    options.depthBins = o.bins;
    options.energyBins = o.bins;
    ImplantProgress progress;
    // The watcher wakes every kProgressInterval, and at once when the run ends.
    std::mutex mutex;
    std::condition_variable over;
    bool finished = false;
    std::size_t widest = kClearedWidth;  // the longest progress line written
    gInterrupted = false;
    const auto previous = std::signal(SIGINT, OnInterrupt);
    const auto start = std::chrono::steady_clock::now();
    std::thread watcher([&] {
        std::unique_lock<std::mutex> lock(mutex);
        while (!over.wait_for(lock, kProgressInterval, [&] { return finished; })) {
            if (gInterrupted.load()) progress.cancel = true;
            if (!terminal) continue;
            const double done = static_cast<double>(progress.ionsDone.load());
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double rate = seconds > 0 ? done / seconds : 0;
            const double left = rate > 0 ? (static_cast<double>(o.ions) - done) / rate : 0;
            // Spaces after the line clear what a longer line before left on the terminal.
            const std::string line =
                Words(Sentence(PhysicsText::ImplantProgressLine,
                               {Value(std::to_string(static_cast<uint64_t>(done))),
                                Value(std::to_string(o.ions)),
                                Value(std::to_string(static_cast<uint64_t>(rate))),
                                Value(std::to_string(static_cast<uint64_t>(left)))})) +
                "   ";
            widest = std::max(widest, line.size());
            err << "\r" << line << std::flush;
        }
    });
    auto stopWatching = [&] {
        {
            std::lock_guard<std::mutex> lock(mutex);
            finished = true;
        }
        over.notify_all();
        watcher.join();
        std::signal(SIGINT, previous);
    };
    ImplantResult r;
    try {
        r = RunImplant(ImplantIonOf(s.ion, s.energy, o.angle), s.layers, options, &progress);
    } catch (...) {
        stopWatching();
        throw;
    }
    stopWatching();
    // Spaces over the whole of the longest line, so that no digits of it stay on the terminal.
    if (terminal) err << "\r" << std::string(widest, ' ') << "\r" << std::flush;
    return r;
}

}  // namespace fenra
