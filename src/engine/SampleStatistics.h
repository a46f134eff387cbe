#pragma once

#include <span>
#include <vector>

// Summaries of a set of sampled results.
namespace tidewell::engine {

struct Distribution {
    double P5 = 0.0, P25 = 0.0, P50 = 0.0, P75 = 0.0, P95 = 0.0;
    double Mean = 0.0;
    double Sd = 0.0;  // sample standard deviation (n - 1); 0 for one value
};

// Percentiles by linear interpolation between the sorted values (the value
// at rank (n - 1) p), mean and standard deviation. `values` not empty.
Distribution Summarise(std::vector<double> values);

// The value at rank (n - 1) p of sorted values.
double Percentile(std::span<const double> sorted, double p);

// Spearman's rank correlation: Pearson's correlation of the ranks, ties
// given their mean rank. NaN when either side does not vary (or n < 2).
double RankCorrelation(std::span<const double> x, std::span<const double> y);

}  // namespace tidewell::engine
