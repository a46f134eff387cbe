#include "DecimalRounding.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>

namespace tidewell {

double RoundDecimals(double value, int decimals) {
    static constexpr std::array<double, 6> kScale{1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};
    assert(decimals >= 0 && decimals < static_cast<int>(kScale.size()));
    const double scale = kScale[static_cast<std::size_t>(decimals)];
    // nearbyint rounds in the default mode: to nearest, ties to even.
    return std::nearbyint(value * scale) / scale;
}

}  // namespace tidewell
