#include "UnstableMessage.h"

namespace tidewell::model {

// What makes the step stable depends on which time scale set it: with the
// diffusion time, a narrower mouth or a larger bay; with the advection time
// (a large inflow), a narrower mouth or a still larger inflow, which shortens
// the step. A smaller inflow would lengthen that step and make it worse.
Message UnstableMessage(engine::StepScale scale) {
    return {scale == engine::StepScale::Advection ? MessageId::UnstableRaiseInflow
                                                  : MessageId::UnstableEnlargeBay,
            {}};
}
}  // namespace tidewell::model
