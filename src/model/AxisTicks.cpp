#include "AxisTicks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tidewell::model {

double NiceStep(double span, int maxIntervals) {
    if (!(span > 0) || !std::isfinite(span) || maxIntervals < 1)
        return 1.0;
    const double least = span / maxIntervals;
    double power = std::pow(10.0, std::floor(std::log10(least)));
    for (;;) {
        for (const double mantissa : std::array{1.0, 2.0, 5.0}) {
            const double step = mantissa * power;
            if (span / step <= maxIntervals)
                return step;
        }
        power *= 10;
    }
}

AxisTicks TicksOf(const AxisRange& range, int maxIntervals) {
    AxisTicks ticks;
    ticks.Step = NiceStep(range.High - range.Low, maxIntervals);
    // A low end a rounding error above a tick still starts at that tick.
    const double index = std::ceil(range.Low / ticks.Step - 1e-9);
    ticks.First = index * ticks.Step + 0.0;  // + 0.0: no "-0" label
    ticks.Decimals = std::max(0, static_cast<int>(-std::floor(std::log10(ticks.Step))));
    return ticks;
}

}  // namespace tidewell::model
