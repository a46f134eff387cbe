#include "StepLimit.h"

#include <string>

#include "engine/RunDriver.h"

namespace tidewell::session {

std::optional<Message> StepLimitRefusal(const CaseRecord& record, std::int64_t maxSteps) {
    const std::optional<std::int64_t> steps = engine::PlannedStepCount(record);
    if (!steps || *steps <= maxSteps)
        return std::nullopt;
    return Message{"計算ステップ数の制限", "計算ステップ数 " + std::to_string(*steps) + " が上限 " +
                                               std::to_string(maxSteps) +
                                               " を超えるため計算しません"};
}

}  // namespace tidewell::session
