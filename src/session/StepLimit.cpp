#include "StepLimit.h"

#include <string>

#include "engine/RunDriver.h"

namespace tidewell::session {

std::optional<Message> StepLimitRefusal(const CaseRecord& record, std::int64_t maxSteps) {
    const std::optional<std::int64_t> steps = engine::PlannedStepCount(record);
    if (!steps || *steps <= maxSteps)
        return std::nullopt;
    return Message{MessageId::StepLimit, {std::to_string(*steps), std::to_string(maxSteps)}};
}

}  // namespace tidewell::session
