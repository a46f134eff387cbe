#pragma once

#include <optional>
#include <string_view>

// How far an input may lie from its stated value: a distribution around it
// whose width is a percentage of the value.
namespace tidewell::engine {

enum class SpreadShape { None, Uniform, Normal, Triangular };

struct Spread {
    SpreadShape Shape = SpreadShape::None;
    double Percent = 0.0;  // uniform/triangular: half width; normal: standard deviation

    bool operator==(const Spread&) const = default;
};

// "uniform", "normal", "triangular"; empty for any other name.
std::optional<SpreadShape> SpreadShapeNamed(std::string_view name);
std::string_view SpreadShapeName(SpreadShape shape);

// The value at probability p (0 < p < 1): base x (1 + percent/100 x z), with z
// uniform on [-1, 1], standard normal, or symmetric triangular on [-1, 1].
double SpreadValue(double base, const Spread& spread, double p);

// The ends a one-at-a-time look uses: base x (1 -/+ percent/100), twice that
// for a normal spread (two standard deviations).
double SpreadLow(double base, const Spread& spread);
double SpreadHigh(double base, const Spread& spread);

// The standard normal quantile (inverse CDF), 0 < p < 1; relative error
// about 1e-15 after one Halley step on Acklam's rational approximation.
double NormalQuantile(double p);

}  // namespace tidewell::engine
