#pragma once

#include <vector>

#include "TestSupport.h"
#include "engine/RunReport.h"

namespace tidewell {

using test::RecordedMessages;

// Remembers what the run driver asked of its report.
class RecordedReport final : public RunReport {
  public:
    void Open() override { Calls.push_back("Open"); }
    void WriteConditions(const CaseRecord&, const ModelState&) override {
        Calls.push_back("WriteConditions");
    }
    void WriteResults(RunStatus status, const ModelState&) override {
        Calls.push_back("WriteResults");
        ResultStatus = status;
    }
    std::optional<std::string> Close() override {
        Calls.push_back("Close");
        return std::nullopt;
    }
    void Discard() override { Calls.push_back("Discard"); }

    std::vector<std::string> Calls;
    RunStatus ResultStatus = RunStatus::NotRun;
};

}  // namespace tidewell
