#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ModelState.h"
#include "RunReport.h"
#include "TimeSeries.h"
#include "case/CaseRecord.h"
#include "case/Message.h"

namespace tidewell::engine {

// Called every few thousand steps with the steps done and the step count;
// returning false cancels the run.
using RunProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// Which time scale of one segment set the time step (the shorter one).
enum class StepScale { Diffusion, Advection };

struct RunResult {
    RunStatus Status = RunStatus::NotRun;
    std::int64_t StepCount = 0;
    std::int64_t StepsDone = 0;
    StepScale Scale = StepScale::Diffusion;  // what to change when the run is unstable
    std::optional<Message> ReportError;      // why the report could not be written
};

// One complete calculation of the case: report opened, model cleared and set
// up, conditions written, the time loop over ten residence times, the bay mean
// computed, results written, report closed. Messages (the flow-limit warning,
// a case that cannot be run) go to `messages`.
// A run whose step would grow its own disturbance into the shown result (see
// StepStability.h) is unstable before its first step; one whose cells stop
// being finite, or whose amplifying step takes a cell below the floor at
// 0 degC, is unstable where that happens. A stable step is never refused for
// where it ends. Nothing else stops a run early but `progress`. An unstable
// or cancelled run leaves the previous report as it was. With a `series`,
// the run also records its cells over time.
RunResult RunCalculation(const CaseRecord& record, ModelState& model, RunReport& report,
                         MessageSink& messages, const RunProgress& progress = {},
                         TimeSeries* series = nullptr);

// The number of steps a run of the case would take, from the set-up alone (no
// step is run, no message is shown); empty when the case cannot be run.
std::optional<std::int64_t> PlannedStepCount(const CaseRecord& record);

// Number of steps: Int(60 * (24 * CalcDays) / TimeStep + 0.5), half up.
double StepCountOf(double calcDays, double timeStep);

// Mean of the bay cells, each counted once, per component.
void ComputeBayMean(ModelState& model);

}  // namespace tidewell::engine
