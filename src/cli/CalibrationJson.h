#pragma once

#include <string>

#include "session/Calibration.h"

namespace tidewell::cli {

// One JSON object: input, value (the input as solved), text (for a basic
// condition), mean, cells, residual, runs, and nearestEntry for a multiplier.
// Without an answer, value, text, mean, cells and residual are null.
std::string CalibrationJson(session::CalibratedInput input, const session::Calibration& result);

}  // namespace tidewell::cli
