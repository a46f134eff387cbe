#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/RunDriver.h"
#include "ui/RunEstimate.h"

namespace tidewell {
namespace {

struct DurationRow {
    const char* Name;
    double Seconds;
    const char* Words;
};

class Durations : public testing::TestWithParam<DurationRow> {};

TEST_P(Durations, ReadAsTheirTwoLargestUnits) {
    EXPECT_EQ(DurationWords(GetParam().Seconds), GetParam().Words);
}

INSTANTIATE_TEST_SUITE_P(Words, Durations,
                         testing::Values(DurationRow{"Seconds", 12.4, "約12秒"},
                                         DurationRow{"AlmostAMinute", 59.6, "約1分"},
                                         DurationRow{"MinutesAndSeconds", 75.4, "約1分15秒"},
                                         DurationRow{"HoursAndMinutes", 12000, "約3時間20分"},
                                         DurationRow{"WholeHours", 7210, "約2時間"},
                                         DurationRow{"AlmostAnHour", 3599.8, "約1時間"},
                                         DurationRow{"DaysAndHours", 3 * 86400 + 5 * 3600 + 100,
                                                     "約3日5時間"}),
                         [](const auto& info) { return std::string(info.param.Name); });

struct ProgressRow {
    const char* Name;
    std::int64_t Done, Total;
    double Elapsed;
    const char* Text;
};

class Progress : public testing::TestWithParam<ProgressRow> {};

TEST_P(Progress, ShowsStepsShareAndTimeLeft) {
    EXPECT_EQ(ProgressText(GetParam().Done, GetParam().Total, GetParam().Elapsed), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Progress,
    testing::Values(
        ProgressRow{"AtTheStart", 0, 1000, 0,
                    "計算中です　0 / 1,000 ステップ（0.0%）\r残り時間を見積もっています"},
        ProgressRow{"QuarterDone", 2500000, 10000000, 60,
                    "計算中です　2,500,000 / 10,000,000 ステップ（25.0%）\r残り約3分"},
        ProgressRow{"NeverRoundedUpToTheEnd", 99999, 100000, 99999,
                    "計算中です　99,999 / 100,000 ステップ（99.9%）\r残り約1秒"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RunEstimate, CountsTheStepsTheRunTakes) {
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
}

TEST(RunEstimate, HasNoStepCountForACaseThatCannotRun) {
    CaseRecord record = DefaultCase();
    record.MouthSection = 0.f;
    EXPECT_FALSE(EstimateRun(record).Steps.has_value());
    EXPECT_FALSE(EstimateRun(record).Seconds().has_value());
}

}  // namespace
}  // namespace tidewell
