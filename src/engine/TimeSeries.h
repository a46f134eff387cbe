#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ModelState.h"

namespace tidewell::engine {

// One recorded moment of a run: the simulated day and the bay cells from the
// head, exactly as the model held them after that step.
struct SeriesRow {
    double Day = 0.0;
    std::array<double, kBayCellCount> Cells{};

    bool operator==(const SeriesRow&) const = default;
};

// The temperatures of a run over time: the start, at most kInnerRows evenly
// spaced steps, and the last step (every step of a shorter run). The rows are
// reserved before the first step, so recording allocates nothing per step.
class TimeSeries {
  public:
    static constexpr std::int64_t kInnerRows = 2000;

    // Called by the run driver before the first step; forgets earlier rows.
    void Plan(std::int64_t stepCount, double timeStepMinutes);
    // Records the state after `step` steps when that step is one to keep.
    void Offer(std::int64_t step, const ModelState& model) {
        if (step == NextStep)
            Record(step, model);
    }

    // Called when the run stops early (it became unstable): keeps the last
    // state reached, so the series shows where it was stopped.
    void StopAt(std::int64_t step, const ModelState& model) {
        if (step != LastStep)
            Record(step, model);
    }

    const std::vector<SeriesRow>& Rows() const { return Kept; }

  private:
    void Record(std::int64_t step, const ModelState& model);

    std::int64_t StepCount = 0;
    std::int64_t Stride = 1;
    std::int64_t NextStep = 0;
    std::int64_t LastStep = -1;
    double TimeStep = 0.0;
    std::vector<SeriesRow> Kept;
};

}  // namespace tidewell::engine
