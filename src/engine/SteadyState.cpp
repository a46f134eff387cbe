#include "SteadyState.h"

#include <cmath>

namespace tidewell::engine {

std::array<double, kBayCellCount> SteadyState(const ModelState& m) {
    const double inflowTemp = m.InflowConc[kTemperature];
    const double seaTemp = m.CellConc[kTemperature][kBayCellCount + 1];
    const double flow = m.EffectiveInflow;
    const double exchange = static_cast<double>(m.FaceExchange[1][2]);
    std::array<double, kBayCellCount> cells{};
    for (int j = 1; j <= kBayCellCount; ++j) {
        // Without flow nothing enters and the bay keeps the sea's temperature.
        const double r = flow == 0 ? 1.0 : exchange / (exchange + flow);
        cells[static_cast<std::size_t>(j - 1)] =
            inflowTemp + (seaTemp - inflowTemp) * std::pow(r, kBayCellCount + 1 - j);
    }
    return cells;
}

}  // namespace tidewell::engine
