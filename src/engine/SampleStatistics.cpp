#include "SampleStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace tidewell::engine {
namespace {

std::vector<double> Ranks(std::span<const double> values) {
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    std::vector<double> ranks(values.size());
    for (std::size_t first = 0; first < order.size();) {
        std::size_t last = first;
        while (last + 1 < order.size() && values[order[last + 1]] == values[order[first]])
            ++last;
        const double mean = (static_cast<double>(first) + static_cast<double>(last)) / 2.0 + 1.0;
        for (std::size_t k = first; k <= last; ++k)
            ranks[order[k]] = mean;
        first = last + 1;
    }
    return ranks;
}

double Mean(std::span<const double> values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

}  // namespace

double Percentile(std::span<const double> sorted, double p) {
    const double rank = p * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    if (below + 1 >= sorted.size())
        return sorted.back();
    const double share = rank - static_cast<double>(below);
    return sorted[below] + share * (sorted[below + 1] - sorted[below]);
}

Distribution Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    Distribution d;
    d.P5 = Percentile(values, 0.05);
    d.P25 = Percentile(values, 0.25);
    d.P50 = Percentile(values, 0.50);
    d.P75 = Percentile(values, 0.75);
    d.P95 = Percentile(values, 0.95);
    d.Mean = Mean(values);
    if (values.size() > 1) {
        double squares = 0.0;
        for (double v : values)
            squares += (v - d.Mean) * (v - d.Mean);
        d.Sd = std::sqrt(squares / static_cast<double>(values.size() - 1));
    }
    return d;
}

double RankCorrelation(std::span<const double> x, std::span<const double> y) {
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    if (x.size() != y.size() || x.size() < 2)
        return kNone;
    const std::vector<double> rx = Ranks(x), ry = Ranks(y);
    const double mx = Mean(rx), my = Mean(ry);
    double sxy = 0.0, sxx = 0.0, syy = 0.0;
    for (std::size_t i = 0; i < rx.size(); ++i) {
        sxy += (rx[i] - mx) * (ry[i] - my);
        sxx += (rx[i] - mx) * (rx[i] - mx);
        syy += (ry[i] - my) * (ry[i] - my);
    }
    if (sxx == 0.0 || syy == 0.0)
        return kNone;
    return sxy / std::sqrt(sxx * syy);
}

}  // namespace tidewell::engine
