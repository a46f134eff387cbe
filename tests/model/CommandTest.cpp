#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "model/RunEstimate.h"
#include "session/CaseFileCommands.h"

namespace tidewell {
namespace {

// The result field shows the bay mean to two decimals; the bay frames take
// its colour.
TEST_F(StartedModel, CalculateShowsTheBayMeanAndColorsTheBayFrames) {
    for (const auto& [area, inflow, shown, color] :  // yellow: 16 to 18 degC, leaf green 14 to 16
         {std::tuple{"1000", "331", " 17.7", model::Rgb(255, 255, 0)},
          {"50", "20000", " 15.17", model::Rgb(191, 255, 64)}}) {
        Model.SetFieldText(model::Field::BayArea, area);
        Model.SetFieldText(model::Field::InflowRate, inflow);
        Snapshot expected = SnapshotOf(Model);
        Messages.Shown.clear();
        EXPECT_EQ(Model.Command1_Click().Status, engine::RunStatus::Completed);
        expected.Texts[model::NumberOf(model::Field::Result)] = shown;
        for (int frame = 1; frame <= model::kBayFrameCount; ++frame)
            expected.Frames[frame] = color;
        EXPECT_EQ(SnapshotOf(Model), expected);
        EXPECT_EQ(
            test::WordsOf(Messages.Shown),
            (std::vector<test::Words>{
                {"計算終了です！", std::string("計算結果(湾内平均水温)\r") + shown + "(℃)"}}));
        EXPECT_FALSE(ReportBytes().empty());
    }
}

struct NoResultRow {
    const char* Name;
    model::Field Input;
    const char* Text;
    engine::RunStatus Status;
    const char* Shown;  // the result field afterwards; empty: as it was
    const char* Title;
};

class RunsWithoutTemperature : public StartedModel,
                               public testing::WithParamInterface<NoResultRow> {};

// The frames stay; the result field says why in words, unless the run was
// cancelled, which leaves the earlier (now stale) result. A run without a
// result leaves the earlier report as it was.
TEST_P(RunsWithoutTemperature, LeaveTheFramesAndSayWhy) {
    const NoResultRow& row = GetParam();
    Model.Command1_Click();
    const std::string report = ReportBytes();
    Model.SetFieldText(row.Input, row.Text);
    Snapshot expected = SnapshotOf(Model);
    Messages.Shown.clear();
    const bool cancel = row.Status == engine::RunStatus::Cancelled;
    Model.SetRunProgress([cancel](std::int64_t, std::int64_t) { return !cancel; });
    EXPECT_EQ(Model.Command1_Click().Status, row.Status);
    if (*row.Shown != '\0')
        expected.Texts[model::NumberOf(model::Field::Result)] = row.Shown;
    EXPECT_EQ(SnapshotOf(Model), expected);
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0].Title(), row.Title);
    EXPECT_EQ(Model.ResultIsStale(), cancel);
    EXPECT_EQ(ReportBytes(), report);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RunsWithoutTemperature, testing::Values(
    NoResultRow{"Unstable", model::Field::BayArea, "20", engine::RunStatus::Unstable, "計算不安定",
                "計算が不安定です"},
    NoResultRow{"NoCrossSection", model::Field::MouthLength, "1e-50", engine::RunStatus::NotRun,
                "計算できません", "計算できません"},
    NoResultRow{"Cancelled", model::Field::BayArea, "50", engine::RunStatus::Cancelled, "", "計算中止"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// Between a prepared run and its finish nothing changes the case it runs on;
// the finished run shows what one calculation of that case shows, and the
// model takes changes again.
TEST_F(StartedModel, RefusesChangesWhileARunIsGoing) {
    const std::optional<model::RunJob> job = Model.PrepareRun();
    ASSERT_TRUE(job && Model.Running());
    const Snapshot before = SnapshotOf(Model);
    Model.SetFieldText(model::Field::BayArea, "2000");
    EXPECT_FALSE(Model.SelectListEntry(1, 2));
    Model.Command3_Click();
    EXPECT_FALSE(Model.PrepareRun());
    const auto opened = session::OpenCase(Model, CaseFile{}, "bay.tidewell");
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->Title(), "計算中");
    EXPECT_EQ(SnapshotOf(Model), before);
    EXPECT_EQ(Model.FinishRun(model::ExecuteRun(*job)).Status, engine::RunStatus::Completed);
    EXPECT_EQ(Model.FieldText(model::Field::Result), " 17.7");
    EXPECT_FALSE(Model.Running() || Model.ChangeRefusal());
    EXPECT_TRUE(Model.SelectListEntry(1, 2));
}

class RefusedTextOnScreen : public StartedModel,
                            public testing::WithParamInterface<model::Field> {};

// The run would use the last accepted value, which the screen no longer
// shows: it stops with the field's own message until the text is corrected.
TEST_P(RefusedTextOnScreen, StopsTheRunWithTheFieldsOwnMessage) {
    Model.SetFieldText(model::Field::MouthLength, "0");  // an earlier refusal, since corrected
    Model.SetFieldText(model::Field::MouthLength, "10");
    Model.SetFieldText(GetParam(), "-1x");
    ASSERT_EQ(Messages.Shown.size(), 2u);
    const Snapshot before = SnapshotOf(Model);
    EXPECT_EQ(Model.Command1_Click().Status, engine::RunStatus::NotRun);
    EXPECT_EQ(Model.RefusedField(), GetParam());
    ASSERT_EQ(Messages.Shown.size(), 3u);
    EXPECT_EQ(Messages.Shown[2], Messages.Shown[1]);
    EXPECT_EQ(SnapshotOf(Model), before);
    EXPECT_FALSE(std::filesystem::exists(Model.ReportPath()));
    Model.SetFieldText(GetParam(), "30");
    EXPECT_EQ(Model.RefusedField(), std::nullopt);
    EXPECT_NE(Model.Command1_Click().Status, engine::RunStatus::NotRun);
}

INSTANTIATE_TEST_SUITE_P(Fields, RefusedTextOnScreen,
                         testing::Values(model::Field::BayArea, model::Field::MeanDepth,
                                         model::Field::MouthLength, model::Field::SeaTemp,
                                         model::Field::InflowTemp, model::Field::InflowRate));

struct LongRunRow {
    const char* Name;
    double Seconds;  // negative: not known
    bool Answer;
    const char* Question;  // empty when none is asked
};

class LongRuns : public StartedModel, public testing::WithParamInterface<LongRunRow> {};

TEST_P(LongRuns, AskFirstAndRunOnlyOnYes) {
    const LongRunRow& row = GetParam();
    Model.SetRunEstimator([&](const CaseRecord&) {
        return row.Seconds < 0 ? model::RunEstimate{} : model::RunEstimate{1, row.Seconds};
    });
    Messages.Answer = row.Answer;
    Model.Command1_Click();
    const std::vector<test::Words> asked{{"計算時間の確認", row.Question}};
    EXPECT_EQ(test::WordsOf(Messages.Asked), *row.Question ? asked : std::vector<test::Words>{});
    const bool runs = row.Answer || !*row.Question;
    EXPECT_EQ(std::filesystem::exists(Model.ReportPath()), runs);
    EXPECT_EQ(Model.FieldText(model::Field::Result) != " 18", runs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Estimates, LongRuns, testing::Values(
    LongRunRow{"UnknownRunsWithoutAsking", -1e9, false, ""},
    LongRunRow{"TenSecondsRunWithoutAsking", 10, false, ""},
    LongRunRow{"JustOverTenSecondsAsks", 10.2, false, "計算に約10秒かかる見込みです。\r実行しますか？"},
    LongRunRow{"HoursDeclined", 12000, false, "計算に約3時間20分かかる見込みです。\r実行しますか？"},
    LongRunRow{"MinuteAccepted", 75, true, "計算に約1分15秒かかる見込みです。\r実行しますか？"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// The progress line gives the steps, the share done (never rounded up) and
// the time left.
TEST(RunWords, SayHowFar) {
    EXPECT_EQ(model::ProgressText(2500000, 10000000, 60).Prompt(),
              "計算中です　2,500,000 / 10,000,000 ステップ（25.0%）\r残り約3分");
    EXPECT_EQ(model::ProgressText(99999, 100000, 99999).Prompt(),
              "計算中です　99,999 / 100,000 ステップ（99.9%）\r残り約1秒");
}

}  // namespace
}  // namespace tidewell
