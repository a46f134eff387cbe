#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "case/CaseRecord.h"
#include "case/Message.h"

// How long a calculation will take, known before it starts: its step count
// and this machine's time per step.
namespace tidewell::model {

struct RunEstimate {
    std::optional<std::int64_t> Steps;  // empty when the case cannot be run
    double SecondsPerStep = 0.0;

    std::optional<double> Seconds() const;
};

using RunEstimator = std::function<RunEstimate(const CaseRecord&)>;

// The step count from the model's set-up and the time per step measured once
// on this machine.
RunEstimate EstimateRun(const CaseRecord& record);

// Runs expected to take longer than this ask first.
inline constexpr double kAskBeforeRunSeconds = 10.0;

// "約3時間20分": the duration rounded to its two largest units (seconds,
// minutes, hours, days), the smaller one left out when it is 0.
Message DurationWords(double seconds);

// What a run's progress shows: the steps done of all, the share done to one
// decimal (never rounded up to 100.0 before the end) and the time left,
// estimated from the time spent so far.
Message ProgressText(std::int64_t done, std::int64_t total, double elapsedSeconds);

}  // namespace tidewell::model
