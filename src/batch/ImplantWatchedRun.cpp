#include "batch/ImplantWatchedRun.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <string>
#include <thread>

namespace fenra {

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(250);

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
    std::atomic<bool> finished{false};
    gInterrupted = false;
    const auto previous = std::signal(SIGINT, OnInterrupt);
    const auto start = std::chrono::steady_clock::now();
    std::thread watcher([&] {
        while (!finished.load()) {
            std::this_thread::sleep_for(kProgressInterval);
            if (gInterrupted.load()) progress.cancel = true;
            if (!terminal) continue;
            const double done = static_cast<double>(progress.ionsDone.load());
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double rate = seconds > 0 ? done / seconds : 0;
            const double left = rate > 0 ? (static_cast<double>(o.ions) - done) / rate : 0;
            err << "\r" << static_cast<uint64_t>(done) << " of " << o.ions << " ions, "
                << static_cast<uint64_t>(rate) << " ions/s, " << static_cast<uint64_t>(left)
                << " s left   " << std::flush;
        }
    });
    ImplantResult r;
    try {
        r = RunImplant(ImplantIonOf(s.ion, s.energy, o.angle), s.layers, options, &progress);
    } catch (...) {
        finished = true;
        watcher.join();
        std::signal(SIGINT, previous);
        throw;
    }
    finished = true;
    watcher.join();
    std::signal(SIGINT, previous);
    if (terminal) err << "\r" << std::string(60, ' ') << "\r" << std::flush;
    return r;
}

}  // namespace fenra
