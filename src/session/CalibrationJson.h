#pragma once

#include <string>

#include "Calibration.h"

namespace tidewell::session {

// One JSON object: input, value (the input as solved), text (for a basic
// condition), mean, cells, residual, runs, and nearestEntry for a multiplier.
// Without an answer, value, text, mean, cells and residual are null.
std::string CalibrationJson(CalibratedInput input, const Calibration& result);

}  // namespace tidewell::session
