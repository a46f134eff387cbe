#pragma once

#include "ModelState.h"
#include "case/CaseRecord.h"
#include "case/Message.h"

namespace tidewell::engine {

// Turns the case into a ready model: grid, SI units, length scale, eddy
// diffusivity, the bay-mouth velocity check (a warning only), time step,
// calculation time, face coefficients, initial state and the inflow load.
// Returns false, after telling the user why, when the bay mouth's
// cross-section is 0 and the model has no time step.
bool SetUpModel(const CaseRecord& record, ModelState& model, MessageSink& messages);

// Face coefficients of the uniform channel (called by SetUpModel, in order).
void BuildGeometry(ModelState& model);
void BuildFlows(ModelState& model);
void BuildExchange(ModelState& model);
// Collects each bay cell's faces, in order of the cell on the other side, for the step.
void BuildStepPlan(ModelState& model);

}  // namespace tidewell::engine
