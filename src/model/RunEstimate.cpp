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

std::string DurationWords(double seconds) {
    struct Unit {
        std::int64_t Seconds;
        const char* Name;
    };
    static constexpr Unit kUnits[] = {{86400, "日"}, {3600, "時間"}, {60, "分"}, {1, "秒"}};
    // The largest unit the duration reaches, once rounded to the unit below it.
    for (size_t u = 0; u + 1 < std::size(kUnits); ++u) {
        const Unit& big = kUnits[u];
        const Unit& small = kUnits[u + 1];
        const std::int64_t inSmall = std::llround(seconds / static_cast<double>(small.Seconds));
        const std::int64_t perBig = big.Seconds / small.Seconds;
        if (inSmall < perBig)
            continue;
        std::string words = "約" + std::to_string(inSmall / perBig) + big.Name;
        if (inSmall % perBig != 0)
            words += std::to_string(inSmall % perBig) + small.Name;
        return words;
    }
    return "約" + std::to_string(std::llround(seconds)) + "秒";
}

std::string ProgressText(std::int64_t done, std::int64_t total, double elapsedSeconds) {
    const double share =
        total > 0
            ? std::floor(1000.0 * static_cast<double>(done) / static_cast<double>(total)) / 10.0
            : 0.0;
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.1f", share);
    std::string text = "計算中です　" + WithGroups(done) + " / " + WithGroups(total) +
                       " ステップ（" + percent + "%）\r";
    if (done <= 0 || elapsedSeconds <= 0)
        return text + "残り時間を見積もっています";
    const double left =
        elapsedSeconds * static_cast<double>(total - done) / static_cast<double>(done);
    return text + "残り" + DurationWords(left);
}

}  // namespace tidewell::model
