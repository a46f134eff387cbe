#include "RunEstimate.h"

#include <cmath>
#include <cstdio>

#include "engine/RunDriver.h"
#include "engine/RunDuration.h"

namespace tidewell::model {
namespace {

std::string WithGroups(std::int64_t n) {
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        const size_t left = digits.size() - i;
        if (i > 0 && left % 3 == 0 && digits[i - 1] != '-')
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

std::optional<double> RunEstimate::Seconds() const {
    if (!Steps)
        return std::nullopt;
    return static_cast<double>(*Steps) * SecondsPerStep;
}

RunEstimate EstimateRun(const CaseRecord& record) {
    const std::optional<std::int64_t> steps = engine::PlannedStepCount(record);
    if (!steps)
        return {};
    return {*steps, engine::SecondsPerStep()};
}

Message DurationWords(double seconds) {
    struct Unit {
        std::int64_t Seconds;
        MessageId Alone;     // "約3時間"
        MessageId WithNext;  // "約3時間20分"
    };
    using enum MessageId;
    static constexpr Unit kUnits[] = {{86400, AboutDays, AboutDaysHours},
                                      {3600, AboutHours, AboutHoursMinutes},
                                      {60, AboutMinutes, AboutMinutesSeconds},
                                      {1, AboutSeconds, AboutSeconds}};
    // The largest unit the duration reaches, once rounded to the unit below it.
    for (size_t u = 0; u + 1 < std::size(kUnits); ++u) {
        const Unit& big = kUnits[u];
        const Unit& small = kUnits[u + 1];
        const std::int64_t inSmall = std::llround(seconds / static_cast<double>(small.Seconds));
        const std::int64_t perBig = big.Seconds / small.Seconds;
        if (inSmall < perBig)
            continue;
        if (inSmall % perBig == 0)
            return {big.Alone, {std::to_string(inSmall / perBig)}};
        return {big.WithNext, {std::to_string(inSmall / perBig), std::to_string(inSmall % perBig)}};
    }
    return {AboutSeconds, {std::to_string(std::llround(seconds))}};
}

Message ProgressText(std::int64_t done, std::int64_t total, double elapsedSeconds) {
    const double share =
        total > 0
            ? std::floor(1000.0 * static_cast<double>(done) / static_cast<double>(total)) / 10.0
            : 0.0;
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.1f", share);
    Message text{MessageId::Progress, {WithGroups(done), WithGroups(total), percent}};
    if (done <= 0 || elapsedSeconds <= 0) {
        text.Args.emplace_back(Message{MessageId::EstimatingTimeLeft, {}});
        return text;
    }
    const double left =
        elapsedSeconds * static_cast<double>(total - done) / static_cast<double>(done);
    text.Args.emplace_back(Message{MessageId::TimeLeft, {DurationWords(left)}});
    return text;
}

}  // namespace tidewell::model
