#include "StepStability.h"

#include <cmath>
#include <limits>

namespace tidewell::engine {
namespace {

// Rounding in forming A and its powers; a radius this close to 1 neither
// grows nor decays noticeably within any run.
constexpr double kRadiusSlack = 1e-9;
// ln(10^20): growth that turns a rounding error of 10^-15 into 10^5.
constexpr double kBlowUpLog = 46.0517;

StepMatrix Product(const StepMatrix& a, const StepMatrix& b) {
    const size_t n = a.size();
    StepMatrix p(n, std::vector<double>(n, 0.0));
    for (size_t i = 0; i < n; ++i) {
        for (size_t k = 0; k < n; ++k) {
            for (size_t j = 0; j < n; ++j)
                p[i][j] += a[i][k] * b[k][j];
        }
    }
    return p;
}

double MaxRowSum(const StepMatrix& a) {
    double largest = 0;
    for (const std::vector<double>& row : a) {
        double sum = 0;
        for (const double value : row)
            sum += std::fabs(value);
        largest = std::max(largest, sum);
    }
    return largest;
}

}  // namespace

StepMatrix RateMatrix(const ModelState& m) {
    const int n = m.BayBoxCount;
    StepMatrix j(static_cast<size_t>(n), std::vector<double>(static_cast<size_t>(n), 0.0));
    for (int i = 1; i <= n; ++i) {
        if (m.CellVolume[i] == 0)
            continue;
        const StepPlanCell& cell = m.StepPlan[i];
        for (int f = 0; f < cell.FaceCount; ++f) {
            const StepFace& face = cell.Faces[f];
            // Outflow F (w_ij Cj + w_ji Ci) and exchange E (Ci - Cj), over V.
            const double onSelf = -(face.Flow * face.WeightSelf) - face.Exchange;
            const double onOther = -(face.Flow * face.WeightOther) + face.Exchange;
            j[i - 1][i - 1] += onSelf / m.CellVolume[i];
            if (face.Other <= n)  // the outer sea is held fixed
                j[i - 1][face.Other - 1] += onOther / m.CellVolume[i];
        }
    }
    return j;
}

StepMatrix StepAmplification(const ModelState& m) {
    StepMatrix z = RateMatrix(m);
    const double dt = 60 * m.TimeStep;
    for (std::vector<double>& row : z) {
        for (double& value : row)
            value *= dt;
    }
    // Horner: 1 + z (1 + z/2 (1 + z/3 (1 + z/4))).
    const size_t n = z.size();
    StepMatrix a(n, std::vector<double>(n, 0.0));
    for (size_t i = 0; i < n; ++i)
        a[i][i] = 1;
    for (const double divisor : {4.0, 3.0, 2.0, 1.0}) {
        a = Product(z, a);
        for (size_t i = 0; i < n; ++i) {
            for (double& value : a[i])
                value /= divisor;
            a[i][i] += 1;
        }
    }
    return a;
}

double SpectralRadius(const StepMatrix& matrix) {
    StepMatrix power = matrix;
    double logScale = 0;  // power = A^(2^k) / exp(logScale)
    double exponent = 1;  // 2^k
    for (int k = 0; k < 60; ++k) {
        const double norm = MaxRowSum(power);
        if (!std::isfinite(norm))
            return std::numeric_limits<double>::infinity();
        if (norm == 0)
            return 0;
        for (std::vector<double>& row : power) {
            for (double& value : row)
                value /= norm;
        }
        logScale += std::log(norm);
        power = Product(power, power);
        logScale *= 2;
        exponent *= 2;
    }
    const double norm = MaxRowSum(power);
    if (norm == 0)
        return 0;
    return std::exp((logScale + std::log(norm)) / exponent);
}

bool StepBlowsUp(const ModelState& model, std::int64_t steps) {
    const double radius = SpectralRadius(StepAmplification(model));
    if (!(radius <= 1 + kRadiusSlack))
        return static_cast<double>(steps) * std::log(radius) > kBlowUpLog;
    return false;
}

double EndRangeTolerance(double seaTemp, double inflowTemp) {
    return 1e-5 * (1 + std::max(std::fabs(seaTemp), std::fabs(inflowTemp)));
}

}  // namespace tidewell::engine
