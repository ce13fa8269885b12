#include <algorithm>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "implant/Implant.h"
#include "implant/IonPath.h"
#include "implant/PreparedStack.h"
#include "implant/Tally.h"
#include "messages/PhysicsMessages.h"

namespace fenra {

namespace {

// Ions per block: the unit of work of a thread and of the ordered sum. The results depend on
// it (the order of the additions), so it is fixed, never derived from the thread count.
constexpr uint64_t kBlockIons = 256;
// Finished blocks waiting for an earlier one stay below this many per thread.
constexpr uint64_t kLeadPerThread = 4;

// Hands out blocks and adds the finished ones in block order.
class BlockSum {
  public:
    BlockSum(const PreparedStack& s, uint64_t ions, int threads, ImplantProgress* progress)
        : s_(s),
          ions_(ions),
          blocks_((ions + kBlockIons - 1) / kBlockIons),
          lead_(kLeadPerThread * static_cast<uint64_t>(threads)),
          progress_(progress),
          total_(s) {}

    // A fault of one block (out of memory) stops every thread; the first is kept for the caller.
    void Work() {
        try {
            Follow();
        } catch (...) {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!failure_) failure_ = std::current_exception();
            stop_ = true;
            ready_.notify_all();
        }
    }

    const Tally& Total() const { return total_; }
    bool Stopped() const { return stop_; }
    std::exception_ptr Failure() const { return failure_; }

  private:
    void Follow() {
        for (;;) {
            uint64_t block = 0;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                ready_.wait(lock,
                            [&] { return stop_ || next_ >= blocks_ || next_ < merged_ + lead_; });
                if (stop_ || next_ >= blocks_) return;
                block = next_++;
            }
            if (progress_ && progress_->beforeBlock) progress_->beforeBlock(block);
            const uint64_t first = block * kBlockIons;
            const uint64_t count = std::min(kBlockIons, ions_ - first);
            Tally t(s_);
            const bool done =
                FollowBlock(s_, first, count, t, progress_ ? &progress_->cancel : nullptr);
            std::lock_guard<std::mutex> lock(mutex_);
            if (!done) {
                stop_ = true;
                ready_.notify_all();
                return;
            }
            if (progress_) progress_->ionsDone.fetch_add(count, std::memory_order_relaxed);
            pending_.emplace(block, std::move(t));
            for (auto it = pending_.find(merged_); it != pending_.end();
                 it = pending_.find(merged_)) {
                total_.AddBlock(it->second);
                pending_.erase(it);
                ++merged_;
            }
            ready_.notify_all();
        }
    }

    const PreparedStack& s_;
    const uint64_t ions_, blocks_, lead_;
    ImplantProgress* progress_;
    std::mutex mutex_;
    std::condition_variable ready_;
    uint64_t next_ = 0, merged_ = 0;
    bool stop_ = false;
    std::exception_ptr failure_;
    std::map<uint64_t, Tally> pending_;
    Tally total_;
};

}  // namespace

Message ImplantProblemSentence(ImplantProblem problem) {
    switch (problem) {
        case ImplantProblem::NoLayer:
            return Sentence(PhysicsText::ImplantNoLayer);
        case ImplantProblem::TooManyLayers:
            return Sentence(PhysicsText::ImplantLayersBeyondMost);
        case ImplantProblem::BadIon:
            return Sentence(PhysicsText::ImplantBadIon);
        case ImplantProblem::BadEnergy:
            return Sentence(PhysicsText::ImplantBadEnergy);
        case ImplantProblem::BadAngle:
            return Sentence(PhysicsText::ImplantBadAngle);
        case ImplantProblem::BadOption:
            return Sentence(PhysicsText::ImplantBadOption);
        case ImplantProblem::NoElement:
            return Sentence(PhysicsText::ImplantBadElement);
        case ImplantProblem::NoDensity:
            return Sentence(PhysicsText::ImplantNoDensity);
        case ImplantProblem::BadThickness:
            return Sentence(PhysicsText::ImplantBadThickness);
        case ImplantProblem::BadStoppingTable:
            break;
    }
    return Sentence(PhysicsText::ImplantBadStoppingTable);
}

ImplantError::ImplantError(ImplantProblem problem, int layer)
    : ImplantError(problem, layer, ImplantProblemSentence(problem)) {}

ImplantError::ImplantError(ImplantProblem problem, int layer, Message reason)
    : std::invalid_argument(Words(reason)),
      problem_(problem),
      layer_(layer),
      reason_(std::move(reason)) {}

ImplantResult RunImplant(const ImplantIon& ion, const std::vector<ImplantLayer>& layers,
                         const ImplantOptions& options, ImplantProgress* progress) {
    const PreparedStack s = PrepareStack(ion, layers, options);
    int threads = options.threads;
    if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const uint64_t blocks = (options.ions + kBlockIons - 1) / kBlockIons;
    threads = static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(threads), blocks));
    BlockSum sum(s, options.ions, threads, progress);
    std::vector<std::thread> pool;
    // The results do not depend on the number of threads, so a thread the system refuses
    // leaves the work to the others.
    try {
        for (int k = 1; k < threads; ++k) pool.emplace_back([&sum] { sum.Work(); });
    } catch (const std::system_error&) {
    }
    sum.Work();
    for (std::thread& t : pool) t.join();
    if (sum.Failure()) std::rethrow_exception(sum.Failure());
    const bool cancelled = sum.Stopped() || (progress && progress->cancel.load());
    return Summarise(sum.Total(), s, options.ions, cancelled && sum.Total().ions < options.ions);
}

}  // namespace fenra
