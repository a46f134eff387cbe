#include "RunJob.h"

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
    outcome.Run =
        engine::RunCalculation(job.Record, outcome.Bay, report, said, progress, &outcome.Series);
    return outcome;
}

}  // namespace tidewell::model
