#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/RunDriver.h"
#include "ui/RunEstimate.h"

namespace tidewell {
namespace {

struct WordsRow {
    const char* Name;
    std::int64_t Done, Total;  // Done < 0: the duration of Seconds in words
    double Seconds;
    const char* Text;
};

class Words : public testing::TestWithParam<WordsRow> {};

// Durations read as their two largest units; the progress line gives the
// steps, the share done (never rounded up) and the time left.
TEST_P(Words, SayHowLongAndHowFar) {
    const WordsRow& row = GetParam();
    EXPECT_EQ(
        row.Done < 0 ? DurationWords(row.Seconds) : ProgressText(row.Done, row.Total, row.Seconds),
        row.Text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, Words, testing::Values(
    WordsRow{"Seconds", -1, 0, 12.4, "約12秒"},
    WordsRow{"AlmostAMinute", -1, 0, 59.6, "約1分"},
    WordsRow{"MinutesAndSeconds", -1, 0, 75.4, "約1分15秒"},
    WordsRow{"WholeHours", -1, 0, 7210, "約2時間"},
    WordsRow{"DaysAndHours", -1, 0, 3 * 86400 + 5 * 3600 + 100, "約3日5時間"},
    WordsRow{"AtTheStart", 0, 1000, 0,
             "計算中です　0 / 1,000 ステップ（0.0%）\r残り時間を見積もっています"},
    WordsRow{"QuarterDone", 2500000, 10000000, 60,
             "計算中です　2,500,000 / 10,000,000 ステップ（25.0%）\r残り約3分"},
    WordsRow{"OneStepRunDone", 1, 1, 1, "計算中です　1 / 1 ステップ（100.0%）\r残り約0秒"},
    WordsRow{"NeverRoundedUpToTheEnd", 99999, 100000, 99999,
             "計算中です　99,999 / 100,000 ステップ（99.9%）\r残り約1秒"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST(RunEstimate, CountsTheStepsTheRunTakesOrNoneWhenItCannotRun) {
    CaseRecord record = DefaultCase();
    const RunEstimate estimate = EstimateRun(record);
    ModelState model;
    NoReport report;
    test::RecordedMessages messages;
    const RunResult run = RunCalculation(record, model, report, messages);
    ASSERT_TRUE(estimate.Steps.has_value());
    EXPECT_EQ(*estimate.Steps, run.StepCount);
    EXPECT_GT(estimate.SecondsPerStep, 0.0);
    EXPECT_LT(estimate.SecondsPerStep, 0.01);
    EXPECT_EQ(estimate.Seconds(), static_cast<double>(run.StepCount) * estimate.SecondsPerStep);
    record.MouthSection = 0.f;
    EXPECT_FALSE(EstimateRun(record).Seconds().has_value());
}

}  // namespace
}  // namespace tidewell
