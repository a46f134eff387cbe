#pragma once

#include <cstdint>
#include <optional>

#include "case/CaseRecord.h"
#include "case/Message.h"

namespace tidewell::session {

// Why a run of the case is not started when it would take more than
// `maxSteps` steps; empty when it fits (or cannot be planned: the run itself
// then says why).
std::optional<Message> StepLimitRefusal(const CaseRecord& record, std::int64_t maxSteps);

}  // namespace tidewell::session
