#pragma once

namespace tidewell {

// Rounds to `decimals` places (0 to 5): x * 10^n in double, to the nearest
// whole number with exact halves to the even neighbour, then / 10^n.
double RoundDecimals(double value, int decimals);

}  // namespace tidewell
