#include "RunJob.h"

#include <chrono>

#include "engine/RunDuration.h"
#include "report/ReportFile.h"

namespace tidewell::model {
namespace {

class KeptMessages final : public MessageSink {
  public:
    explicit KeptMessages(std::vector<Message>& kept) : Kept(kept) {}
    void Show(const Message& message) override { Kept.push_back(message); }

  private:
    std::vector<Message>& Kept;
};

}  // namespace

RunOutcome ExecuteRun(const RunJob& job, const engine::RunProgress& progress) {
    RunOutcome outcome;
    report::ReportFile report(job.ReportPath);
    KeptMessages said(outcome.Said);
    // The run's own pace, once it has gone about a second, estimates the
    // next run better than the timing taken at start-up.
    const auto start = std::chrono::steady_clock::now();
    const auto noteProgress = [&](std::int64_t done, std::int64_t total) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        engine::NoteRunPace(done, elapsed.count());
        return !progress || progress(done, total);
    };
    outcome.Run = engine::RunCalculation(job.Record, outcome.Bay, report, said, noteProgress,
                                         &outcome.Series);
    return outcome;
}

}  // namespace tidewell::model
