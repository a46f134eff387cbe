#include "TransportStep.h"

namespace tidewell {
namespace {

// Rates k1..k4 of the stages, in value per second; stage 0 stands for the
// absent stage before k1 and stays 0, as does every rate of the sea cell.
using StageRates = std::array<std::array<float, 5>, kMaxCells + 1>;

// Rate of change of bay cell i at stage `stage`, from the previous stage's
// rates at offset h seconds:
//   dC/dt = (sum over faces of [-F (w_ij Cj + w_ji Ci) - E (Ci - Cj)] + L) / V
float StageRate(const ModelState& m, const CellTable<double>& conc, const StageRates& rates,
                double loadRate, int i, int previous, double h) {
    const StepPlanCell& cell = m.StepPlan[i];
    const double rateI = static_cast<double>(rates[i][previous]);
    const double ci = conc[i] + h * rateI;
    double sum = 0;
    for (int f = 0; f < cell.FaceCount; ++f) {
        const StepFace& face = cell.Faces[f];
        const int j = face.Other;
        const double rateJ = static_cast<double>(rates[j][previous]);
        const double cj = conc[j] + h * rateJ;
        const double advective = face.Flow * (face.WeightOther * cj + face.WeightSelf * ci);
        const float rateGap = static_cast<float>(rateI - rateJ);
        const float diffusive = static_cast<float>(
            face.Exchange * ((conc[i] - conc[j]) + h * static_cast<double>(rateGap)));
        sum = (sum - advective) - static_cast<double>(diffusive);
    }
    return static_cast<float>((sum + loadRate) / m.CellVolume[i]);
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
    StageRates rates{};
    for (int c = 1; c <= m.ComponentCount; ++c) {
        CellTable<double>& conc = m.CellConc[c];
        for (int s = 1; s <= 4; ++s) {
            for (int i = 1; i <= m.BayBoxCount; ++i) {
                if (m.CellVolume[i] == 0) continue;
                rates[i][s] = StageRate(m, conc, rates, m.LoadRate[c][i], i, s - 1, offsets[s]);
            }
        }
        for (int i = 1; i <= m.BayBoxCount; ++i) {
            const double k = 2 * static_cast<double>(rates[i][2]) +
                             static_cast<double>(rates[i][1]) +
                             2 * static_cast<double>(rates[i][3]) +
                             static_cast<double>(rates[i][4]);
            m.StepChange[c][i] = static_cast<float>(dt * k / 6);
            conc[i] = static_cast<double>(m.StepChange[c][i]) + conc[i];
            if (conc[i] <= 0) conc[i] = 0;
        }
    }
}

}  // namespace tidewell
