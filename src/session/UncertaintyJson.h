#pragma once

#include <string>

#include "Uncertainty.h"
#include "UncertaintySummary.h"

namespace tidewell::session {

// An uncertainty run as one UTF-8 JSON object: samples, seed, counts by
// status, the refusals with their reasons, the bay mean's and each cell's
// percentiles, mean and sd (null without any result), each spread input's
// rank correlation with the bay mean, the tornado and the case's own mean.
// A number that is not finite, or one that does not exist, is null.
std::string UncertaintyJson(const UncertaintyPlan& plan, const UncertaintyRun& run,
                            const UncertaintySummary& summary);

}  // namespace tidewell::session
