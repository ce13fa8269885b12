#pragma once
// The ion paths simulation on a thread of its own, so that the window stays responsive while it
// runs: the window polls the ions done for its progress bar, may ask the run to stop (it then
// ends after the block of ions under way, with the results of the ions done), and hears when
// it has ended. The result is handed over on the window's thread.

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "implant/Implant.h"

namespace fenra {

class ImplantRunner : public QObject {
    Q_OBJECT

  public:
    explicit ImplantRunner(QObject* parent = nullptr);
    // Stops a run under way and waits for its thread.
    ~ImplantRunner() override;

    // Starts a run; false when one is still under way.
    bool start(const ImplantIon& ion, const std::vector<ImplantLayer>& layers,
               const ImplantOptions& options);
    // Asks the run to stop after the ions under way; finished() follows.
    void cancel();
    bool running() const { return thread_.joinable(); }
    uint64_t ionsDone() const;
    uint64_t ionsRequested() const { return requested_; }

    // The last run's result (after finished()).
    const ImplantResult& result() const { return result_; }

  signals:
    void progressed(quint64 done, quint64 requested);
    // The run ended: with its result, or with a fault (the text; the result is then empty).
    void finished();
    void failed(const QString& reason);

  private:
    void poll();
    void join();

    std::unique_ptr<ImplantProgress> progress_;
    std::thread thread_;
    std::atomic<bool> done_{false};
    ImplantResult running_;  // written by the run's thread until done_
    QString failure_;        // likewise; the fault's text, translated
    ImplantResult result_;
    uint64_t requested_ = 0;
    QTimer poll_;
};

}  // namespace fenra
