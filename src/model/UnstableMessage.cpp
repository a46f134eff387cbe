#include "UnstableMessage.h"

namespace tidewell::model {

// What makes the step stable depends on which time scale set it: with the
// diffusion time, a narrower mouth or a larger bay; with the advection time
// (a large inflow), a narrower mouth or a still larger inflow, which shortens
// the step. A smaller inflow would lengthen that step and make it worse.
Message UnstableMessage(engine::StepScale scale) {
    const std::string advice = scale == engine::StepScale::Advection
                                   ? "湾口部長さを短くするか、流入水流量を大きくしてください"
                                   : "湾口部長さを短くするか、湾面積を大きくしてください";
    return {"計算が不安定です", "計算が不安定になり、水温を求められませんでした。\r" + advice};
}
}  // namespace tidewell::model
