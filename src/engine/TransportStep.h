#pragma once

#include "ModelState.h"

namespace tidewell {

// Per-second load rates of the bay cells from their daily loads.
void UpdateLoads(ModelState& model);

// Advances every bay cell by one TimeStep with the classical fourth-order
// Runge-Kutta method: seaward advection with upwind face values, diffusive
// exchange between neighbours, the loads; the outer-sea cell stays fixed.
void AdvanceStep(ModelState& model);

}  // namespace tidewell
