#include <gtest/gtest.h>

#include <cmath>

#include "EngineFixtures.h"
#include "case/CaseInput.h"
#include "case/DecimalRounding.h"
#include "engine/RunDriver.h"

namespace tidewell {
namespace {

struct Run {
    RunResult Result;
    ModelState Model;
    RecordedMessages Messages;
    RecordedReport Report;
};

std::unique_ptr<Run> Calculate(const CaseRecord& c, const RunProgress& progress = {}) {
    auto run = std::make_unique<Run>();
    run->Result = RunCalculation(c, run->Model, run->Report, run->Messages, progress);
    return run;
}

CaseRecord WithInput(BasicInput input, const char* text) {
    CaseRecord c = DefaultCase();
    ApplyInput(c, input, text);
    return c;
}

TEST(RunCalculation, DefaultCaseReachesTheKnownBayTemperatures) {
    const auto run = Calculate(DefaultCase());
    ASSERT_EQ(run->Result.Status, RunStatus::Completed);
    EXPECT_EQ(run->Model.TimeStep, 718);
    EXPECT_EQ(run->Model.CalcDays, 6294);
    EXPECT_EQ(run->Result.StepCount, 12623);
    EXPECT_EQ(run->Result.StepsDone, 12623);
    const double expected[] = {0, 17.516, 17.606, 17.700, 17.796, 17.896};
    for (int cell = 1; cell <= 5; ++cell) {
        EXPECT_NEAR(run->Model.CellConc[kTemperature][cell], expected[cell], 0.0005) << cell;
    }
    EXPECT_EQ(run->Model.CellConc[kTemperature][6], 18);
    EXPECT_EQ(RoundDecimals(run->Model.BayMeanConc[kTemperature], 2), 17.70);
    EXPECT_EQ(run->Report.Calls,
              (std::vector<std::string>{"Open", "WriteConditions", "WriteResults", "Close"}));
}

struct StableRow {
    const char* Name;
    BasicInput Input;
    const char* Text;
    double TimeStep;
    std::int64_t StepCount;  // 0: not checked
    double Mean;             // to two decimals
};

class StableRuns : public testing::TestWithParam<StableRow> {};

TEST_P(StableRuns, GiveTheBayMeanToTwoDecimals) {
    const auto run = Calculate(WithInput(GetParam().Input, GetParam().Text));
    ASSERT_EQ(run->Result.Status, RunStatus::Completed);
    EXPECT_EQ(run->Model.TimeStep, GetParam().TimeStep);
    if (GetParam().StepCount != 0) {
        EXPECT_EQ(run->Result.StepCount, GetParam().StepCount);
    }
    EXPECT_EQ(RoundDecimals(run->Model.BayMeanConc[kTemperature], 2), GetParam().Mean);
}

INSTANTIATE_TEST_SUITE_P(
    Bays, StableRuns,
    testing::Values(StableRow{"SmallestStableBay", BasicInput::BayArea, "24", 207, 0, 17.48},
                    StableRow{"FiftySquareKilometres", BasicInput::BayArea, "50", 265, 1712, 17.53},
                    StableRow{"HugeBayWithCappedLength", BasicInput::BayArea, "100000", 2456, 0,
                              17.83}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RunCalculation, InflowAtSeaTemperatureKeepsTheBayAtThatTemperature) {
    const auto run = Calculate(WithInput(BasicInput::InflowTemp, "18"));
    ASSERT_EQ(run->Result.Status, RunStatus::Completed);
    for (int cell = 1; cell <= 6; ++cell) {
        EXPECT_NEAR(run->Model.CellConc[kTemperature][cell], 18, 5e-7) << cell;
    }
}

TEST(RunCalculation, NarrowMouthWarnsOnceAndStillRuns) {
    CaseRecord c = DefaultCase();
    c.MouthSection = 0.0001f;  // 100 m2
    const auto run = Calculate(c);
    EXPECT_EQ(run->Messages.Shown.size(), 1u);
    EXPECT_EQ(run->Model.TimeStep, 32);
    EXPECT_EQ(run->Result.Status, RunStatus::Completed);
}

TEST(RunCalculation, SecondRunDoesNotDependOnTheFirst) {
    ModelState model;
    RecordedMessages messages;
    NoReport report;
    RunCalculation(WithInput(BasicInput::BayArea, "50"), model, report, messages);
    RunCalculation(DefaultCase(), model, report, messages);
    const auto fresh = Calculate(DefaultCase());
    for (int cell = 1; cell <= 6; ++cell) {
        EXPECT_EQ(model.CellConc[kTemperature][cell], fresh->Model.CellConc[kTemperature][cell]);
    }
    EXPECT_EQ(model.BayMeanConc[kTemperature], fresh->Model.BayMeanConc[kTemperature]);
}

TEST(StepCountOf, RoundsHalfUp) {
    EXPECT_EQ(StepCountOf(1, 576), 3);  // 1440 / 576 = 2.5
    EXPECT_EQ(StepCountOf(6294, 718), 12623);
    EXPECT_EQ(StepCountOf(0, 718), 0);
}

TEST(ComputeBayMean, AveragesTheFiveBayCellsOnly) {
    ModelState model;
    model.ComponentCount = 1;
    model.BayBoxCount = 5;
    const double cells[] = {0, 1, 2, 3, 4, 5, 1000};
    for (int n = 1; n <= 6; ++n)
        model.CellConc[kTemperature][n] = cells[n];
    ComputeBayMean(model);
    EXPECT_EQ(model.BayMeanConc[kTemperature], 3);
}

// Runs that cannot give a result say why and leave no report behind.
struct FailedRow {
    const char* Name;
    CaseRecord Case;
    RunStatus Status;
    const char* FirstLineOfMessage;  // nullptr: no message from the engine
};

CaseRecord BayOf(const char* area) {
    return WithInput(BasicInput::BayArea, area);
}

CaseRecord WithMouthSection(float section) {
    CaseRecord c = DefaultCase();
    c.MouthSection = section;
    return c;
}

CaseRecord HugeSlowBay(const char* inflowRate) {
    CaseRecord c = DefaultCase();
    ApplyInput(c, BasicInput::BayArea, "1e6");
    ApplyInput(c, BasicInput::MeanDepth, "1e6");
    ApplyInput(c, BasicInput::InflowRate, inflowRate);
    return c;
}

class FailedRuns : public testing::TestWithParam<FailedRow> {};

TEST_P(FailedRuns, EndWithoutAResult) {
    const auto run = Calculate(GetParam().Case);
    EXPECT_EQ(run->Result.Status, GetParam().Status);
    if (GetParam().FirstLineOfMessage != nullptr) {
        ASSERT_FALSE(run->Messages.Shown.empty());
        EXPECT_EQ(run->Messages.Shown.back().Prompt.substr(
                      0, run->Messages.Shown.back().Prompt.find('\r')),
                  GetParam().FirstLineOfMessage);
    }
    EXPECT_NE(run->Report.Calls.back(), "WriteConditions");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedRuns,
    testing::Values(
        FailedRow{"MouthWiderThanTheBayBlowsUp", BayOf("22"), RunStatus::Unstable, nullptr},
        FailedRow{"TinyBayBlowsUp", BayOf("1"), RunStatus::Unstable, nullptr},
        FailedRow{"NoCrossSection", WithMouthSection(0), RunStatus::NotRun,
                  "湾口部断面積が0になるため計算できません。"},
        FailedRow{"TimeStepRoundsToZero", WithMouthSection(1e-12f), RunStatus::NotRun,
                  "時間ステップが0分になるため計算できません。"},
        FailedRow{"StepCountTooLargeToCount", HugeSlowBay("1e-6"), RunStatus::NotRun,
                  "計算ステップ数が多すぎるため計算できません。"},
        FailedRow{"CalculationTimeBeyondSinglePrecision", HugeSlowBay("1e-30"), RunStatus::NotRun,
                  "条件の値が大きすぎるか小さすぎるため計算できません。"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RunCalculation, UnstableRunWritesItsReportWithoutAMean) {
    const auto run = Calculate(BayOf("20"));
    ASSERT_EQ(run->Result.Status, RunStatus::Unstable);
    EXPECT_LT(run->Result.StepsDone, run->Result.StepCount);
    EXPECT_EQ(run->Report.ResultStatus, RunStatus::Unstable);
    EXPECT_EQ(run->Report.Calls.back(), "Close");
    EXPECT_TRUE(std::isnan(run->Model.BayMeanConc[kTemperature]));
}

TEST(RunCalculation, UnfinishedRunsDiscardTheirReport) {
    EXPECT_EQ(Calculate(WithMouthSection(0))->Report.Calls,
              (std::vector<std::string>{"Open", "Discard"}));
}

TEST(RunCalculation, ProgressSeesTheStepsAndCanCancel) {
    std::vector<std::int64_t> seen;
    const auto cancelAfterTwoReports = [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(total, 12623);
        seen.push_back(done);
        return seen.size() < 3;
    };
    const auto run = Calculate(DefaultCase(), cancelAfterTwoReports);
    EXPECT_EQ(run->Result.Status, RunStatus::Cancelled);
    EXPECT_EQ(seen, (std::vector<std::int64_t>{0, 4096, 8192}));
    EXPECT_EQ(run->Result.StepsDone, 8192);
    EXPECT_EQ(run->Report.Calls.back(), "Discard");
}

}  // namespace
}  // namespace tidewell
