#include "TransportStep.h"

namespace tidewell::engine {

void UpdateLoads(ModelState& m) {
    for (int c = 1; c <= m.ComponentCount; ++c) {
        const double kept = 1 - static_cast<double>(m.LoadReductionPercent[c]) / 100;
        for (int n = 1; n <= m.BayBoxCount; ++n) {
            const float daily = static_cast<float>(kept * m.DailyLoad[c][n]);
            m.LoadRate[c][n] = (1000 * static_cast<double>(daily)) / 86400;
        }
    }
}

}  // namespace tidewell::engine
