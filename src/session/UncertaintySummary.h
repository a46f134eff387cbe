#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Uncertainty.h"
#include "engine/ModelState.h"
#include "engine/SampleStatistics.h"

// What the samples of an uncertainty run say together.
namespace tidewell::session {

struct StatusCounts {
    std::size_t Result = 0, Unstable = 0, CannotRun = 0, Refused = 0;
};

struct RefusalCount {
    Message Reason;  // the field's refusal
    std::size_t Count = 0;
};

struct UncertaintySummary {
    StatusCounts Counts;
    std::vector<RefusalCount> Refusals;  // each reason once, in the order first met
    // Over the samples with a result; empty when none has one.
    std::optional<engine::Distribution> Mean;
    std::array<engine::Distribution, engine::kBayCellCount> Cells{};
    // Spearman's rho of each spread input's sampled value with the bay mean,
    // in field order; NaN when either side does not vary.
    std::vector<std::pair<BasicInput, double>> RankCorrelation;
};

UncertaintySummary SummariseUncertainty(const UncertaintyRun& run, const Spreads& spreads);

// "result", "unstable", "cannot-run", "refused" (or "cancelled").
std::string_view SampleStatusWord(const SampledCase& sample);

// A row per sample, in order (report::SampleCsv).
std::string SamplesCsv(const UncertaintyRun& run);

}  // namespace tidewell::session
