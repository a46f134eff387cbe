#include "Spread.h"

#include <cmath>
#include <numbers>

namespace tidewell::engine {
namespace {

double AcklamQuantile(double p) {
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,
                                   -2.759285104469687e+02, 1.383577518672690e+02,
                                   -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02,
                                   -1.556989798598866e+02, 6.680131188771972e+01,
                                   -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01,
                                   -2.400758277161838e+00, -2.549732539343734e+00,
                                   4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01,
                                   2.445134137142996e+00, 3.754408661907416e+00};
    constexpr double kLow = 0.02425;
    if (p < kLow || p > 1.0 - kLow) {
        const double q = std::sqrt(-2.0 * std::log(p < kLow ? p : 1.0 - p));
        const double z = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
                         ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1.0);
        return p < kLow ? z : -z;
    }
    const double q = p - 0.5;
    const double r = q * q;
    return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
           (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1.0);
}

double TriangularQuantile(double p) {
    return p < 0.5 ? -1.0 + std::sqrt(2.0 * p) : 1.0 - std::sqrt(2.0 * (1.0 - p));
}

double Standardised(SpreadShape shape, double p) {
    switch (shape) {
        case SpreadShape::None:
            return 0.0;
        case SpreadShape::Uniform:
            return 2.0 * p - 1.0;
        case SpreadShape::Normal:
            return NormalQuantile(p);
        case SpreadShape::Triangular:
            return TriangularQuantile(p);
    }
    return 0.0;
}

double EndWidth(const Spread& spread) {
    if (spread.Shape == SpreadShape::None)
        return 0.0;
    return (spread.Shape == SpreadShape::Normal ? 2.0 : 1.0) * spread.Percent / 100.0;
}

}  // namespace

std::optional<SpreadShape> SpreadShapeNamed(std::string_view name) {
    for (SpreadShape shape : {SpreadShape::Uniform, SpreadShape::Normal, SpreadShape::Triangular})
        if (SpreadShapeName(shape) == name)
            return shape;
    return std::nullopt;
}

std::string_view SpreadShapeName(SpreadShape shape) {
    switch (shape) {
        case SpreadShape::None:
            return "none";
        case SpreadShape::Uniform:
            return "uniform";
        case SpreadShape::Normal:
            return "normal";
        case SpreadShape::Triangular:
            return "triangular";
    }
    return "none";
}

double NormalQuantile(double p) {
    const double z = AcklamQuantile(p);
    // One Halley step against the exact CDF, 0.5 erfc(-z / sqrt 2).
    const double e = 0.5 * std::erfc(-z / std::numbers::sqrt2) - p;
    const double u = e * std::sqrt(2.0 * std::numbers::pi) * std::exp(z * z / 2.0);
    return z - u / (1.0 + z * u / 2.0);
}

double SpreadValue(double base, const Spread& spread, double p) {
    return base * (1.0 + spread.Percent / 100.0 * Standardised(spread.Shape, p));
}

double SpreadLow(double base, const Spread& spread) {
    return base * (1.0 - EndWidth(spread));
}

double SpreadHigh(double base, const Spread& spread) {
    return base * (1.0 + EndWidth(spread));
}

}  // namespace tidewell::engine
