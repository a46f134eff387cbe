#pragma once

#include "case/Message.h"
#include "engine/RunDriver.h"

namespace tidewell::model {

// The message of a run that became unstable, with the advice that fits the
// time scale that set its step.
Message UnstableMessage(engine::StepScale scale);

}  // namespace tidewell::model
