#include "TransportStep.h"

namespace tidewell {
namespace {

// Rates k1..k4 of the stages, (stage, cell), in value per second. Stage 0
// stands for the absent stage before k1 and stays 0, as does every rate of
// the sea cell.
using StageRates = std::array<CellTable<float>, 5>;

// Rate of change of bay cell i, from the previous stage's rates at an offset
// of h seconds:
//   dC/dt = (sum over faces of [-F (w_ij Cj + w_ji Ci) - E (Ci - Cj)] + L) / V
// The difference of two single rates is rounded to single, so it is taken in
// single precision directly: the result is the same and the step is shorter.
float StageRate(const StepPlanCell& cell, const CellTable<double>& conc, const float* previous,
                double h, int i, double loadRate, double volume) {
    const float rateI = previous[i];
    const double ci = conc[i] + h * static_cast<double>(rateI);
    double sum = 0;
    for (int f = 0; f < cell.FaceCount; ++f) {
        const StepFace& face = cell.Faces[f];
        const int j = face.Other;
        const float rateJ = previous[j];
        const double cj = conc[j] + h * static_cast<double>(rateJ);
        const double advective = face.Flow * (face.WeightOther * cj + face.WeightSelf * ci);
        const float rateGap = rateI - rateJ;
        const float diffusive = static_cast<float>(
            face.Exchange * ((conc[i] - conc[j]) + h * static_cast<double>(rateGap)));
        sum = (sum - advective) - static_cast<double>(diffusive);
    }
    return static_cast<float>((sum + loadRate) / volume);
}

}  // namespace

void UpdateLoads(ModelState& m) {
    for (int c = 1; c <= m.ComponentCount; ++c) {
        const double kept = 1 - static_cast<double>(m.LoadReductionPercent[c]) / 100;
        for (int n = 1; n <= m.BayBoxCount; ++n) {
            const float daily = static_cast<float>(kept * m.DailyLoad[c][n]);
            m.LoadRate[c][n] = (1000 * static_cast<double>(daily)) / 86400;
        }
    }
}

void AdvanceStep(ModelState& m) {
    const double dt = 60 * m.TimeStep;
    const double offsets[5] = {0, 0, dt * 0.5, dt * 0.5, dt};
    for (int c = 1; c <= m.ComponentCount; ++c) {
        CellTable<double>& conc = m.CellConc[c];
        StageRates rates{};
        // Within a stage every cell reads only the previous stage's rates, and
        // the cells change only after all four stages.
        for (int s = 1; s <= 4; ++s) {
            for (int i = 1; i <= m.BayBoxCount; ++i) {
                if (m.CellVolume[i] == 0)
                    continue;
                rates[s][i] = StageRate(m.StepPlan[i], conc, rates[s - 1].data(), offsets[s], i,
                                        m.LoadRate[c][i], m.CellVolume[i]);
            }
        }
        for (int i = 1; i <= m.BayBoxCount; ++i) {
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
