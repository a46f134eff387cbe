#pragma once

#include <optional>
#include <string>

#include "ModelState.h"
#include "case/CaseRecord.h"
#include "case/Message.h"

namespace tidewell::engine {

enum class RunStatus {
    Completed,  // the bay mean is in BayMeanConc(1)
    Unstable,   // the explicit step blew up; there is no result
    Cancelled,  // the user stopped the run
    NotRun,     // the case gives no usable time step or step count
};

// Where a run writes its report. The run driver calls Open, then
// WriteConditions after the set-up, WriteResults after a completed time loop
// and Close; or Discard when the run ends without a result. A report replaces the
// previous one only when Close succeeds.
class RunReport {
  public:
    virtual ~RunReport() = default;
    virtual void Open() = 0;
    virtual void WriteConditions(const CaseRecord& record, const ModelState& model) = 0;
    virtual void WriteResults(const ModelState& model) = 0;
    // Empty on success; otherwise why the report could not be written.
    virtual std::optional<Message> Close() = 0;
    virtual void Discard() = 0;
};

// A report that goes nowhere, for callers that only want the numbers.
class NoReport final : public RunReport {
  public:
    void Open() override {}
    void WriteConditions(const CaseRecord&, const ModelState&) override {}
    void WriteResults(const ModelState&) override {}
    std::optional<Message> Close() override { return std::nullopt; }
    void Discard() override {}
};

}  // namespace tidewell::engine
