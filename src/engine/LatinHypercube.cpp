#include "LatinHypercube.h"

#include <numeric>
#include <utility>

#include "CounterRandom.h"

namespace tidewell::engine {
namespace {

// Streams 2d shuffle dimension d, streams 2d + 1 place the points.
std::uint64_t ShuffleStream(std::size_t dimension) {
    return 2 * static_cast<std::uint64_t>(dimension);
}

}  // namespace

LatinHypercube::LatinHypercube(std::size_t inputs, std::size_t samples, std::uint64_t seed)
    : SampleCount(samples), Seed(seed), Strata(inputs) {
    for (std::size_t d = 0; d < inputs; ++d) {
        std::vector<std::size_t>& order = Strata[d];
        order.resize(samples);
        std::iota(order.begin(), order.end(), std::size_t{0});
        // Fisher-Yates from the top, draw k deciding the place of element k.
        for (std::size_t k = samples; k > 1; --k) {
            const std::size_t j = CounterBelow(k, Seed, ShuffleStream(d), k - 1);
            std::swap(order[k - 1], order[j]);
        }
    }
}

std::size_t LatinHypercube::Stratum(std::size_t dimension, std::size_t sample) const {
    return Strata[dimension][sample];
}

double LatinHypercube::Probability(std::size_t dimension, std::size_t sample) const {
    const double inside = CounterUniform(Seed, ShuffleStream(dimension) + 1, sample);
    return (static_cast<double>(Stratum(dimension, sample)) + inside) /
           static_cast<double>(SampleCount);
}

}  // namespace tidewell::engine
