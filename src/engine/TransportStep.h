#pragma once

#include <array>

#include "ModelState.h"

namespace tidewell::engine {

// Per-second load rates of the bay cells from their daily loads.
void UpdateLoads(ModelState& model);

namespace step_detail {

// Rates k1..k4 of the stages, (stage, cell), in value per second. Stage 0
// stands for the absent stage before k1 and stays 0, as does every rate of
// the sea cell.
using StageRates = std::array<std::array<float, kBayCellCount + 2>, 5>;

// One face's share of the rate of cell i, added to `sum`:
//   -F (w_ij Cj + w_ji Ci) - E (Ci - Cj)
// The difference of two single rates is rounded to single, so it is taken in
// single precision directly: the result is the same and the step is shorter.
inline double AddFace(double sum, const StepFace& face, double advective, const double* conc,
                      const float* previous, double h, int i, int j, float rateI) {
    const float rateGap = rateI - previous[j];
    const float diffusive = static_cast<float>(
        face.Exchange * ((conc[i] - conc[j]) + h * static_cast<double>(rateGap)));
    return (sum - advective) - static_cast<double>(diffusive);
}

inline double StageValue(const double* conc, const float* previous, double h, int j) {
    return conc[j] + h * static_cast<double>(previous[j]);
}

}  // namespace step_detail

// Advances every bay cell by one TimeStep with the classical fourth-order
// Runge-Kutta method: seaward advection with upwind face values, diffusive
// exchange between neighbours, the loads; the outer-sea cell stays fixed.
// Inline, so the run driver's loop and the step are compiled as one.

inline void AdvanceStep(ModelState& m) {
    const double dt = 60 * m.TimeStep;
    const double offsets[5] = {0, 0, dt * 0.5, dt * 0.5, dt};
    // The set-up builds the chain 1-2-...-5-sea with upwind faces: cell i > 1
    // faces i - 1 and then i + 1 (cell 1 only 2), a face carries its head-side
    // cell's value (weights 1 and 0), every seaward face the same flow and
    // exchange, every headward face their opposite flow, every cell the same
    // volume. So the rate of cell i,
    //   dC/dt = (sum over faces of [-F (w_ij Cj + w_ji Ci) - E (Ci - Cj)] + L) / V,
    // is computed with those values read once: 1 x C is C exactly and 0 x C
    // is still multiplied, so it is the general formula's result bit for bit.
    const StepFace seaward = m.StepPlan[1].Faces[0];
    const StepFace headward = m.StepPlan[2].Faces[0];
    const double volume = m.CellVolume[1];
    for (int c = 1; c <= m.ComponentCount; ++c) {
        double* conc = m.CellConc[c].data();
        const CellTable<double>& loads = m.LoadRate[c];
        step_detail::StageRates rates{};
        // Within a stage every cell reads only the previous stage's rates, and
        // the cells change only after all four stages.
        for (int s = 1; s <= 4; ++s) {
            const float* previous = rates[s - 1].data();
            const double h = offsets[s];
            for (int i = 1; i <= kBayCellCount; ++i) {
                const double ci = step_detail::StageValue(conc, previous, h, i);
                double sum = 0;
                if (i > 1) {
                    const double cj = step_detail::StageValue(conc, previous, h, i - 1);
                    sum = step_detail::AddFace(sum, headward, headward.Flow * (cj + 0.0 * ci), conc,
                                               previous, h, i, i - 1, previous[i]);
                }
                const double cj = step_detail::StageValue(conc, previous, h, i + 1);
                sum = step_detail::AddFace(sum, seaward, seaward.Flow * (0.0 * cj + ci), conc,
                                           previous, h, i, i + 1, previous[i]);
                rates[s][i] = static_cast<float>((sum + loads[i]) / volume);
            }
        }
        for (int i = 1; i <= kBayCellCount; ++i) {
            const double k =
                2 * static_cast<double>(rates[2][i]) + static_cast<double>(rates[1][i]) +
                2 * static_cast<double>(rates[3][i]) + static_cast<double>(rates[4][i]);
            m.StepChange[c][i] = static_cast<float>(dt * k / 6);
            conc[i] = static_cast<double>(m.StepChange[c][i]) + conc[i];
            if (conc[i] <= 0)
                conc[i] = 0;
        }
    }
}

}  // namespace tidewell::engine
