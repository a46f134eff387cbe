#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "engine/RunDriver.h"
#include "model/RunJob.h"

namespace tidewell::window {

// One calculation on a thread of its own. The job carries its own copy of
// the case, so the thread touches nothing the window holds; the outcome
// comes back to the window's thread through a queued call, and the window
// reads the progress counts whenever it likes. No events are pumped.
class RunWorker final : public QObject {
  public:
    using FinishHandler = std::function<void(model::RunOutcome)>;

    RunWorker() = default;
    // Stops a run still going and waits for it; its outcome is dropped.
    ~RunWorker() override;
    RunWorker(const RunWorker&) = delete;
    RunWorker& operator=(const RunWorker&) = delete;

    // Runs the job; `onFinished` gets the outcome on this object's thread.
    // `watch`, when set, is also called on the run's thread at every
    // progress call; returning false stops the run.
    void Start(model::RunJob job, FinishHandler onFinished, engine::RunProgress watch = {});
    // Asks the run to stop at its next progress call; it still finishes.
    void Cancel() { Thread.request_stop(); }
    bool Running() const { return InRun; }
    std::int64_t StepsDone() const { return Done.load(); }
    std::int64_t StepCount() const { return Total.load(); }

  private:
    void Finished(model::RunOutcome outcome);

    std::atomic<std::int64_t> Done{0};
    std::atomic<std::int64_t> Total{0};
    bool InRun = false;
    FinishHandler OnFinished;
    std::jthread Thread;  // last: joined before anything it reports to goes
};

}  // namespace tidewell::window
