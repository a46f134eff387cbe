#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Latin hypercube sampling: for each input, the N samples fall one in each
// of N equal-probability strata, in an order shuffled independently per
// input, at a random point inside their stratum.
namespace tidewell::engine {

class LatinHypercube {
  public:
    // `inputs` dimensions of `samples` points each (samples >= 1).
    LatinHypercube(std::size_t inputs, std::size_t samples, std::uint64_t seed);

    // The stratum (0 .. samples - 1) of sample i in dimension d.
    std::size_t Stratum(std::size_t dimension, std::size_t sample) const;
    // Sample i's probability in dimension d, strictly inside its stratum.
    double Probability(std::size_t dimension, std::size_t sample) const;

    std::size_t Samples() const { return SampleCount; }

  private:
    std::size_t SampleCount;
    std::uint64_t Seed;
    std::vector<std::vector<std::size_t>> Strata;  // per dimension, per sample
};

}  // namespace tidewell::engine
