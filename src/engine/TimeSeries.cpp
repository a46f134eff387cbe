#include "TimeSeries.h"

#include <algorithm>

namespace tidewell::engine {

// With n steps, the kept inner steps are the multiples of the stride below n:
// a stride of ceil((n - 1) / kInnerRows) keeps at most kInnerRows of them.
void TimeSeries::Plan(std::int64_t stepCount, double timeStepMinutes) {
    StepCount = std::max<std::int64_t>(0, stepCount);
    TimeStep = timeStepMinutes;
    Stride = std::max<std::int64_t>(1, (StepCount - 1 + kInnerRows - 1) / kInnerRows);
    NextStep = 0;
    LastStep = -1;
    Kept.clear();
    Kept.reserve(static_cast<std::size_t>(std::min(StepCount, kInnerRows) + 3));
}

void TimeSeries::Record(std::int64_t step, const ModelState& model) {
    SeriesRow row;
    row.Day = static_cast<double>(step) * TimeStep / 1440;
    for (int k = 1; k <= kBayCellCount; ++k)
        row.Cells[static_cast<std::size_t>(k - 1)] = model.CellConc[kTemperature][k];
    Kept.push_back(row);
    LastStep = step;
    NextStep = std::min(step + Stride, StepCount);
    if (step == StepCount)
        NextStep = -1;
}

}  // namespace tidewell::engine
