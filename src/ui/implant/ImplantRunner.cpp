#include "ui/implant/ImplantRunner.h"

#include <exception>
#include <new>

#include "ui/messages/WindowMessages.h"

namespace fenra {

namespace {

// How often the window looks at the run: often enough for a smooth bar, rarely enough to cost
// nothing beside the simulation.
constexpr int kPollMs = 50;

}  // namespace

ImplantRunner::ImplantRunner(QObject* parent) : QObject(parent) {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &ImplantRunner::poll);
}

ImplantRunner::~ImplantRunner() {
    cancel();
    join();
}

bool ImplantRunner::start(const ImplantIon& ion, const std::vector<ImplantLayer>& layers,
                          const ImplantOptions& options) {
    if (running()) return false;
    progress_ = std::make_unique<ImplantProgress>();
    done_.store(false);
    failure_.clear();
    running_ = ImplantResult{};
    requested_ = options.ions;
    ImplantProgress* progress = progress_.get();
    thread_ = std::thread([this, ion, layers, options, progress] {
        try {
            running_ = RunImplant(ion, layers, options, progress);
        } catch (const ImplantError& e) {
            // Translating is safe on any thread.
            failure_ = TranslatedSentence(e.Reason());
        } catch (const std::bad_alloc&) {
            failure_ = tr("out of memory");
        } catch (const std::exception& e) {
            failure_ = QString::fromStdString(e.what());
        }
        done_.store(true, std::memory_order_release);
    });
    poll_.start();
    return true;
}

void ImplantRunner::cancel() {
    if (progress_) progress_->cancel.store(true);
}

uint64_t ImplantRunner::ionsDone() const {
    return progress_ ? progress_->ionsDone.load(std::memory_order_relaxed) : 0;
}

void ImplantRunner::join() {
    if (thread_.joinable()) thread_.join();
    poll_.stop();
}

void ImplantRunner::poll() {
    if (!done_.load(std::memory_order_acquire)) {
        emit progressed(ionsDone(), requested_);
        return;
    }
    join();
    emit progressed(ionsDone(), requested_);
    if (!failure_.isEmpty()) {
        result_ = ImplantResult{};
        emit failed(failure_);
        return;
    }
    result_ = std::move(running_);
    emit finished();
}

}  // namespace fenra
