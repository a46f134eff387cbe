#include <gtest/gtest.h>

#include <cmath>

#include "session/BracketSearch.h"

namespace tidewell {
namespace {

using session::SearchPoint;

TEST(BracketSearch, FindsARootWithinTheValueTolerance) {
    const auto f = [](double x) { return std::optional(x * x * x - 2); };
    const session::SearchEnd end = session::RootBetween(f, {0, -2}, {2, 6}, 1e-9, 1e-15, 40);
    EXPECT_NEAR(end.Best.X, std::cbrt(2.0), 1e-9);
    EXPECT_LE(std::fabs(end.Best.Value), 1e-9);
    EXPECT_LT(end.Trials, 15);
    EXPECT_FALSE(end.Failed);
}

TEST(BracketSearch, FindsAMinimumToTheRelativeWidth) {
    const auto f = [](double x) { return std::optional(std::exp(x) - 3 * x); };  // min at ln 3
    const session::SearchEnd end = session::MinimumBetween(f, 0, 3, {1, *f(1)}, 1e-8, 40);
    EXPECT_NEAR(end.Best.X, std::log(3.0), 1e-7);
    EXPECT_LT(end.Trials, 30);
}

TEST(BracketSearch, StopsWhereATrialHasNoValueOrTheTrialsRunOut) {
    const auto none = [](double) { return std::optional<double>(); };
    const session::SearchEnd failed = session::RootBetween(none, {0, -1}, {1, 1}, 1e-9, 1e-15, 40);
    ASSERT_TRUE(failed.Failed);
    EXPECT_GT(*failed.Failed, 0);
    EXPECT_LT(*failed.Failed, 1);
    EXPECT_EQ(failed.Trials, 1);
    const auto f = [](double x) { return std::optional((x - 0.3) * (x - 0.3)); };
    const session::SearchEnd cut =
        session::MinimumBetween(f, 0, 1, SearchPoint{0.5, 0.04}, 1e-12, 3);
    EXPECT_EQ(cut.Trials, 3);
    EXPECT_LE(cut.Best.Value, 0.04);
}

}  // namespace
}  // namespace tidewell
