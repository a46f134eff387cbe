#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "engine/LatinHypercube.h"
#include "engine/SampleStatistics.h"
#include "engine/Spread.h"

namespace tidewell::engine {
namespace {

// Every stratum of every input is hit exactly once, each point lies inside
// its stratum, and the draw depends on the seed alone.
TEST(LatinHypercube, HitsEachStratumOncePerInput) {
    constexpr std::size_t kInputs = 6, kSamples = 997;
    const LatinHypercube plan(kInputs, kSamples, 42);
    for (std::size_t d = 0; d < kInputs; ++d) {
        std::set<std::size_t> hit;
        for (std::size_t i = 0; i < kSamples; ++i) {
            const std::size_t stratum = plan.Stratum(d, i);
            hit.insert(stratum);
            const double p = plan.Probability(d, i);
            EXPECT_GT(p * kSamples, static_cast<double>(stratum));
            EXPECT_LT(p * kSamples, static_cast<double>(stratum + 1));
        }
        EXPECT_EQ(hit.size(), kSamples) << "input " << d;
    }
    const LatinHypercube again(kInputs, kSamples, 42), other(kInputs, kSamples, 43);
    int moved = 0;
    for (std::size_t i = 0; i < kSamples; ++i) {
        EXPECT_EQ(again.Probability(3, i), plan.Probability(3, i));
        moved += other.Stratum(3, i) != plan.Stratum(3, i);
    }
    EXPECT_GT(moved, 900);
    // Two inputs are shuffled independently, not in step.
    int same = 0;
    for (std::size_t i = 0; i < kSamples; ++i)
        same += plan.Stratum(0, i) == plan.Stratum(1, i);
    EXPECT_LT(same, 10);
}

TEST(NormalQuantile, MatchesTabulatedValues) {
    for (const auto& [p, z] : {std::pair{0.5, 0.0},
                               {0.975, 1.959963984540054},
                               {0.025, -1.959963984540054},
                               {0.8413447460685429, 1.0},
                               {1e-10, -6.361340902404056},
                               {0.999, 3.090232306167813}})
        EXPECT_NEAR(NormalQuantile(p), z, 1e-12 * (1 + std::abs(z))) << p;
}

TEST(SpreadValue, ScalesTheBaseByTheShapesQuantile) {
    const Spread uniform{SpreadShape::Uniform, 10}, normal{SpreadShape::Normal, 20},
        triangular{SpreadShape::Triangular, 50};
    EXPECT_DOUBLE_EQ(SpreadValue(1000, uniform, 0.25), 950);
    EXPECT_DOUBLE_EQ(SpreadValue(1000, triangular, 0.5), 1000);
    EXPECT_DOUBLE_EQ(SpreadValue(1000, triangular, 0.125), 750);  // -1 + sqrt(0.25)
    EXPECT_NEAR(SpreadValue(100, normal, 0.975), 100 * (1 + 0.2 * 1.959963984540054), 1e-9);
    EXPECT_EQ(SpreadValue(18, Spread{}, 0.9), 18);
    EXPECT_DOUBLE_EQ(SpreadLow(331, normal), 331 * 0.6);  // two standard deviations
    EXPECT_DOUBLE_EQ(SpreadHigh(331, uniform), 331 * 1.1);
    EXPECT_EQ(SpreadShapeNamed("triangular"), SpreadShape::Triangular);
    EXPECT_EQ(SpreadShapeNamed("gauss"), std::nullopt);
}

TEST(Summarise, InterpolatesPercentilesBetweenSortedValues) {
    std::vector<double> values;
    for (int v = 101; v >= 1; --v)
        values.push_back(v);
    const Distribution d = Summarise(values);
    EXPECT_EQ(d.P5, 6);
    EXPECT_EQ(d.P25, 26);
    EXPECT_EQ(d.P50, 51);
    EXPECT_EQ(d.P95, 96);
    EXPECT_EQ(d.Mean, 51);
    const Distribution small = Summarise({2, 4, 4, 4, 5, 5, 7, 9});
    EXPECT_DOUBLE_EQ(small.Sd, std::sqrt(32.0 / 7.0));
    EXPECT_DOUBLE_EQ(small.P25, 4);
    EXPECT_DOUBLE_EQ(small.P75, 5.5);  // rank 5.25 between 5 and 7
    EXPECT_EQ(Summarise({17.5}).Sd, 0);
}

TEST(RankCorrelation, CorrelatesRanksWithTiesAveraged) {
    const std::vector<double> x{1, 2, 2, 3}, y{1, 3, 2, 4};
    EXPECT_DOUBLE_EQ(RankCorrelation(x, y), 4.5 / std::sqrt(22.5));
    const std::vector<double> up{1, 5, 9, 100}, cubes{1, 125, 729, 1e6}, down{4, 3, 2, 1};
    EXPECT_DOUBLE_EQ(RankCorrelation(up, cubes), 1.0);
    EXPECT_DOUBLE_EQ(RankCorrelation(up, down), -1.0);
    EXPECT_TRUE(std::isnan(RankCorrelation(up, std::vector<double>{7, 7, 7, 7})));
}

}  // namespace
}  // namespace tidewell::engine
