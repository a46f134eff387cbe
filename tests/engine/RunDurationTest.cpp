#include <gtest/gtest.h>

#include "engine/RunDuration.h"

namespace tidewell::engine {
namespace {

// A single slow or fast timing does not move the estimate.
TEST(RunDuration, MedianIgnoresOutliers) {
    EXPECT_EQ(Median({}), 0.0);
    EXPECT_EQ(Median({3e-7, 9e-6, 2e-7, 1e-9, 2.5e-7}), 2.5e-7);
    EXPECT_EQ(Median({4.0, 1.0, 100.0, 2.0}), 3.0);
}

// A run that has gone about a second sets the pace; a shorter one does not.
TEST(RunDuration, LongRunsSetThePace) {
    const double measured = SecondsPerStep();
    EXPECT_GT(measured, 0.0);
    NoteRunPace(1000, 0.9 * kPaceAfterSeconds);
    EXPECT_EQ(SecondsPerStep(), measured);
    NoteRunPace(1000, 2.0);
    EXPECT_EQ(SecondsPerStep(), 0.002);
    NoteRunPace(4000, 2.0);
    EXPECT_EQ(SecondsPerStep(), 0.0005);
}

}  // namespace
}  // namespace tidewell::engine
