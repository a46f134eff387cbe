#include "StepStability.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "SteadyState.h"
#include "TransportStep.h"

namespace tidewell::engine {
namespace {

// Rounding in forming A and its powers; a radius this close to 1 neither
// grows nor decays noticeably within any run.
constexpr double kRadiusSlack = 1e-9;
// Relative rounding of a single-precision rate, carried into the cells.
constexpr double kRateRounding = 0x1p-24;
// The largest end disturbance (degC) an amplifying run may carry and still
// give its result: a fifth of half the last digit shown (2 decimals).
constexpr double kShownResultSlack = 0.001;

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

namespace {

// Whether one step from the start leaves every bay cell bit for bit as it
// is: then every step does, and nothing, not even rounding, can grow.
bool StartIsFixed(const ModelState& model) {
    ModelState stepped = model;
    AdvanceStep(stepped);
    for (int i = 1; i <= model.BayBoxCount; ++i) {
        if (stepped.CellConc[kTemperature][i] != model.CellConc[kTemperature][i])
            return false;
    }
    return true;
}

// Largest distance of a bay cell's start from where it settles.
double StartDisturbance(const ModelState& model) {
    const std::array<double, kBayCellCount> settled = SteadyState(model);
    double largest = 0;
    for (int i = 1; i <= model.BayBoxCount; ++i) {
        largest = std::max(largest, std::fabs(model.CellConc[kTemperature][i] -
                                              settled[static_cast<std::size_t>(i - 1)]));
    }
    return largest;
}

// d0 rho^N + eps (rho^N - 1) / (rho - 1), for rho > 1.
double EndDisturbance(double start, double perStep, double radius, std::int64_t steps) {
    const double logRadius = std::log(radius);
    const double logGrowth = static_cast<double>(steps) * logRadius;
    const double growth = std::exp(logGrowth);
    const double accumulated = std::expm1(logGrowth) / std::expm1(logRadius);
    return start * growth + perStep * accumulated;
}

}  // namespace

StabilityVerdict JudgeStability(const ModelState& model, std::int64_t steps) {
    StabilityVerdict verdict;
    const double radius = SpectralRadius(StepAmplification(model));
    if (radius <= 1 + kRadiusSlack || steps <= 0)
        return verdict;
    const double start = StartDisturbance(model);
    if (start == 0 && StartIsFixed(model))
        return verdict;
    const double seaTemp = model.CellConc[kTemperature][model.BayBoxCount + 1];
    const double inflowTemp = model.InflowConc[kTemperature];
    const double perStep = kRateRounding * std::max(std::fabs(seaTemp), std::fabs(inflowTemp));
    const double end = EndDisturbance(start, perStep, radius, steps);
    verdict.Unstable = !(end <= kShownResultSlack);
    verdict.Amplifies = !verdict.Unstable;
    return verdict;
}

}  // namespace tidewell::engine
