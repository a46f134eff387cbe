#pragma once

#include <functional>
#include <optional>

// One-dimensional searches inside a bracket, for inputs whose every trial is
// a whole calculation: each trial is counted, and a trial without a value
// (a calculation that gave no result) ends the search where it happened.
namespace tidewell::session {

// The value of a trial at x; empty when the trial has none.
using TrialValue = std::function<std::optional<double>(double x)>;

struct SearchPoint {
    double X = 0.0;
    double Value = 0.0;
};

struct SearchEnd {
    SearchPoint Best;              // the best point tried (or given)
    std::optional<double> Failed;  // where a trial had no value; Best is then the best before it
    int Trials = 0;
};

// Brent's method for a root of f between a and b, whose values lie on either
// side of zero. Stops at a point with |f| <= valueTolerance, when the bracket
// is narrower than relativeWidth * |x|, or after maxTrials.
SearchEnd RootBetween(const TrialValue& f, SearchPoint a, SearchPoint b, double valueTolerance,
                      double relativeWidth, int maxTrials);

// Brent's method for a minimum of f in [a, b], starting from the inner point
// `start` whose value is below those at a and b. Stops when the bracket about
// the best point is narrower than about relativeWidth * |x|, or after maxTrials.
SearchEnd MinimumBetween(const TrialValue& f, double a, double b, SearchPoint start,
                         double relativeWidth, int maxTrials);

}  // namespace tidewell::session
