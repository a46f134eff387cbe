#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case/Message.h"

// Why a calibration gives no answer, as the user reads it: the input by its
// caption and its search range.
namespace tidewell::session {

struct CalibrationMessages {
    Message Caption;   // "湾面積", "流入水流量の倍率"
    double Low = 0.0;  // the search range
    double High = 0.0;

    // The target lies outside the means the scan reached.
    Message OutOfReach(double target, double lowestMean, double highestMean) const;
    // The cells fit best at an end of the range.
    Message FitAtEnd(double x, double lowestMean, double highestMean) const;
    // The mean hardly moves over the whole range.
    Message Unchanging(double lowestMean, double highestMean) const;
    // Several inputs in the range meet the target, near each of `near`.
    Message Several(const std::vector<double>& near) const;
    // The calculation with the input at x gives no result, for `why`.
    Message Failed(double x, const std::optional<Message>& why) const;
    // The mean jumps past the target at x.
    Message Jump(double x, double target) const;
};

}  // namespace tidewell::session
