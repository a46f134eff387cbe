#pragma once

#include <string>
#include <vector>

#include "case/CaseRecord.h"
#include "case/Message.h"
#include "engine/ModelState.h"
#include "engine/RunDriver.h"
#include "engine/TimeSeries.h"

// A calculation taken out of the window model, so it can run on another
// thread: the model prepares a job (its own copy of the case and where the
// report goes), ExecuteRun runs it without touching the model, and the model
// finishes it by showing the outcome.
namespace tidewell::model {

struct RunJob {
    CaseRecord Record;
    std::string ReportPath;
};

struct RunOutcome {
    engine::RunResult Run;
    engine::ModelState Bay;     // the state the run ended in
    engine::TimeSeries Series;  // the cells over time
    std::vector<Message> Said;  // the run's own messages, in order, shown when it is finished
};

// The engine run with its report, on any thread: it reads nothing but the job
// and calls `progress` from the calling thread.
RunOutcome ExecuteRun(const RunJob& job, const engine::RunProgress& progress = {});

}  // namespace tidewell::model
