#pragma once

#include <array>

#include "ModelState.h"

namespace tidewell {

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

// Rate of change of bay cell i, from the previous stage's rates at an offset
// of h seconds:
//   dC/dt = (sum over faces of [-F (w_ij Cj + w_ji Ci) - E (Ci - Cj)] + L) / V
// The set-up builds the chain 1-2-...-5-sea with upwind faces: cell i > 1
// faces i - 1 and then i + 1 (cell 1 only 2), and a face carries its
// head-side cell's value (weights 1 and 0). Those are known here: 1 x C is C
// exactly and 0 x C is still multiplied, so the rate is the one of the
// general formula, with one product and the face lookups fewer.
inline float StageRate(const StepPlanCell& cell, const double* conc, const float* previous,
                       double h, int i, double loadRate, double volume) {
    const double ci = StageValue(conc, previous, h, i);
    double sum = 0;
    if (i > 1) {
        const double cj = StageValue(conc, previous, h, i - 1);
        const double advective = cell.Faces[0].Flow * (cj + 0.0 * ci);
        sum = AddFace(sum, cell.Faces[0], advective, conc, previous, h, i, i - 1, previous[i]);
    }
    const StepFace& seaward = cell.Faces[i > 1 ? 1 : 0];
    const double cj = StageValue(conc, previous, h, i + 1);
    const double advective = seaward.Flow * (0.0 * cj + ci);
    sum = AddFace(sum, seaward, advective, conc, previous, h, i, i + 1, previous[i]);
    return static_cast<float>((sum + loadRate) / volume);
}

}  // namespace step_detail

// Advances every bay cell by one TimeStep with the classical fourth-order
// Runge-Kutta method: seaward advection with upwind face values, diffusive
// exchange between neighbours, the loads; the outer-sea cell stays fixed.
// Inline, so the run driver's loop and the step are compiled as one.

inline void AdvanceStep(ModelState& m) {
    const double dt = 60 * m.TimeStep;
    const double offsets[5] = {0, 0, dt * 0.5, dt * 0.5, dt};
    for (int c = 1; c <= m.ComponentCount; ++c) {
        double* conc = m.CellConc[c].data();
        step_detail::StageRates rates{};
        // Within a stage every cell reads only the previous stage's rates, and
        // the cells change only after all four stages.
        for (int s = 1; s <= 4; ++s) {
            for (int i = 1; i <= kBayCellCount; ++i) {
                rates[s][i] =
                    step_detail::StageRate(m.StepPlan[i], conc, rates[s - 1].data(), offsets[s], i,
                                           m.LoadRate[c][i], m.CellVolume[i]);
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

}  // namespace tidewell
