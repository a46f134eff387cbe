#pragma once

#include <array>

#include "ModelState.h"

namespace tidewell::engine {

// Where the bay cells settle, from the set-up's coefficients. With seaward
// flow Q (m3/s) and the exchange E (m3/s) of every face, the balance of cell 1
// is Q Tin - Q T1 + E (T2 - T1) = 0, and of cell j = 2..5
//   Q (T(j-1) - Tj) + E (T(j-1) - Tj) + E (T(j+1) - Tj) = 0,  T6 = Tsea.
// With u = T - Tin, cell 1 gives u1 = r u2, r = E / (E + Q); put into cell j,
// u(j-1) = r uj gives uj = r u(j+1). So Tj = Tin + (Tsea - Tin) r^(6 - j),
// Tin being the multiplied inflow temperature.
std::array<double, kBayCellCount> SteadyState(const ModelState& model);

}  // namespace tidewell::engine
