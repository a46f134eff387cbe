#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "TestSupport.h"
#include "case/BasicValue.h"
#include "engine/RunDriver.h"
#include "ui/SeriesPlot.h"

namespace tidewell {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

SeriesRow Row(double day, double cell) {
    return {day, {cell, cell, cell, cell, cell}};
}

FinishedRun HandRun(RunStatus status, std::vector<SeriesRow> rows) {
    return {status, std::move(rows), {16.1, 16.6, 17.0, 17.4, 17.8}, 18.0, 15.0};
}

bool AllPointsInRange(const SeriesPlot& plot) {
    for (const PlotCurve& curve : plot.Curves) {
        for (const PlotPoint& p : curve.Points) {
            if (!(p.Day >= plot.Days.Low && p.Day <= plot.Days.High && p.Temp >= plot.Temps.Low &&
                  p.Temp <= plot.Temps.High))
                return false;
        }
    }
    return true;
}

struct MessageRow {
    const char* Name;
    SeriesPlot Plot;
    std::string Message;
    std::size_t Curves;
};

class PlotMessages : public testing::TestWithParam<MessageRow> {};

TEST_P(PlotMessages, SayWhyThereIsNoFullResult) {
    EXPECT_EQ(GetParam().Plot.Message, GetParam().Message);
    EXPECT_EQ(GetParam().Plot.Curves.size(), GetParam().Curves);
    EXPECT_EQ(GetParam().Plot.DayAxisTitle, "経過日数（日）");
    EXPECT_EQ(GetParam().Plot.TempAxisTitle, "水温（℃）");
    EXPECT_TRUE(AllPointsInRange(GetParam().Plot));
}

const std::vector<SeriesRow> kThreeDays{Row(0, 18), Row(1.5, 17.2), Row(3.4, 16.9)};

INSTANTIATE_TEST_SUITE_P(
    Runs, PlotMessages,
    testing::Values(
        MessageRow{"NoRunYet", PlotOfNoRun(), "計算結果がありません。計算開始を押してください。",
                   0},
        MessageRow{"Completed", PlotOfRun(HandRun(RunStatus::Completed, kThreeDays)), "", 12},
        MessageRow{"UnstableOnTheFourthDay", PlotOfRun(HandRun(RunStatus::Unstable, kThreeDays)),
                   "計算が不安定になったため、第4日で停止しました。", 12},
        MessageRow{"UnstableOnTheFirstDay",
                   PlotOfRun(HandRun(RunStatus::Unstable, {Row(0, 18), Row(0.01, kInf)})),
                   "計算が不安定になったため、第1日で停止しました。", 12},
        MessageRow{"UnstableAtTheEndOfADay",
                   PlotOfRun(HandRun(RunStatus::Unstable, {Row(0, 18), Row(5, 40)})),
                   "計算が不安定になったため、第5日で停止しました。", 12},
        MessageRow{"CannotRun", PlotOfRun(HandRun(RunStatus::NotRun, kThreeDays)),
                   "この条件では計算できませんでした。基本条件を見直してください。", 0},
        MessageRow{"Cancelled", PlotOfRun(HandRun(RunStatus::Cancelled, kThreeDays)),
                   "計算を中止しました。中止までの経過を表示しています。", 12}),
    [](const auto& info) { return std::string(info.param.Name); });

// A value that is not a number, or infinite, leaves out that one point; the
// rest of the curve and the other curves keep theirs.
TEST(SeriesPlot, LeavesOutNonFiniteValuesOnly) {
    FinishedRun run = HandRun(RunStatus::Unstable, kThreeDays);
    run.Rows.push_back({4.0, {17.0, kNaN, -kInf, 1e6, 17.5}});
    run.Steady[2] = kNaN;
    const SeriesPlot plot = PlotOfRun(run);
    std::vector<std::size_t> counts;
    for (const PlotCurve& curve : plot.Curves)
        counts.push_back(curve.Points.size());
    EXPECT_EQ(counts, (std::vector<std::size_t>{4, 3, 3, 4, 4, 2, 2, 2, 2, 0, 2, 2}));
    EXPECT_EQ(plot.Days.High, 4.0);
    EXPECT_TRUE(AllPointsInRange(plot));
}

// A default run: the five cells from the head, every recorded row, ending on
// the model's final cells; the sea and the inflow as flat lines; each cell's
// steady state dashed in the cell's colour.
TEST(SeriesPlot, ShowsADefaultRunWithItsFlatAndSteadyLines) {
    ModelState model;
    NoReport report;
    test::RecordedMessages messages;
    TimeSeries series;
    const RunResult run = RunCalculation(DefaultCase(), model, report, messages, {}, &series);
    ASSERT_EQ(run.Status, RunStatus::Completed);
    const SeriesPlot plot = PlotOfRun(FinishedRunOf(run.Status, series, model));
    ASSERT_EQ(plot.Curves.size(), 12u);
    std::vector<std::string> names;
    std::set<Color> cellPens;
    for (const PlotCurve& curve : plot.Curves)
        names.push_back(curve.Name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"セル1（湾奥）", "セル2", "セル3", "セル4", "セル5（湾口）",
                                        "外海水温", "流入水温", "セル1 定常", "セル2 定常",
                                        "セル3 定常", "セル4 定常", "セル5 定常"}));
    for (int k = 1; k <= kBayCellCount; ++k) {
        const PlotCurve& cell = plot.Curves[static_cast<std::size_t>(k - 1)];
        const PlotCurve& steady = plot.Curves[static_cast<std::size_t>(k + 6)];
        EXPECT_EQ(cell.Points.size(), series.Rows().size());
        EXPECT_EQ(cell.Points.back().Temp, model.CellConc[kTemperature][k]);
        EXPECT_FALSE(cell.Dashed);
        EXPECT_TRUE(steady.Dashed);
        EXPECT_EQ(steady.Pen, cell.Pen);
        // Ten residence times bring each cell close to where it settles.
        EXPECT_NEAR(steady.Points.front().Temp, cell.Points.back().Temp, 0.05);
        cellPens.insert(cell.Pen);
    }
    EXPECT_EQ(cellPens.size(), 5u);
    EXPECT_EQ(plot.Curves[5].Points, (std::vector<PlotPoint>{{0, 18}, {plot.Days.High, 18}}));
    EXPECT_EQ(plot.Curves[6].Points, (std::vector<PlotPoint>{{0, 15}, {plot.Days.High, 15}}));
    EXPECT_EQ(plot.Days.High, series.Rows().back().Day);
    EXPECT_TRUE(AllPointsInRange(plot));
}

// A bay far too small for its river blows up: the chart shows the run up to
// where it stopped, with finite values only.
TEST(SeriesPlot, ShowsAnUnstableRunUpToItsStop) {
    CaseRecord record = DefaultCase();
    record.BayArea = BasicValue(20.0);
    record.BayVolume = BayVolumeOf(20, record.MeanDepth.Value());
    ModelState model;
    NoReport report;
    test::RecordedMessages messages;
    TimeSeries series;
    const RunResult run = RunCalculation(record, model, report, messages, {}, &series);
    ASSERT_EQ(run.Status, RunStatus::Unstable);
    const SeriesPlot plot = PlotOfRun(FinishedRunOf(run.Status, series, model));
    EXPECT_EQ(plot.Message.rfind("計算が不安定になったため、第", 0), 0u);
    ASSERT_EQ(plot.Curves.size(), 12u);
    EXPECT_EQ(plot.Days.High, series.Rows().back().Day);
    for (const PlotCurve& curve : plot.Curves) {
        for (const PlotPoint& p : curve.Points)
            EXPECT_TRUE(std::isfinite(p.Temp)) << curve.Name;
    }
}

struct PickRow {
    const char* Name;
    PlotPoint Spot;
    std::string Text;
};

class PointUnderMouse : public testing::TestWithParam<PickRow> {};

// Curves: cell 1 falls from 17.8 to 16 over four days; the sea is flat at 18.
// On screen a day is 100 pixels and a degree 50.
TEST_P(PointUnderMouse, IsTheNearestCurvePointOnScreen) {
    FinishedRun run = HandRun(RunStatus::Completed,
                              {Row(0, 17.8), Row(1, 17.5), Row(2, 17), Row(3, 16.5), Row(4, 16)});
    const SeriesPlot full = PlotOfRun(run);
    SeriesPlot plot = full;
    plot.Curves = {full.Curves[0], full.Curves[5]};
    const std::optional<PlotPick> pick = NearestPoint(plot, GetParam().Spot, 100, 50);
    ASSERT_TRUE(pick.has_value());
    EXPECT_EQ(PickText(plot, *pick), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Spots, PointUnderMouse,
    testing::Values(
        PickRow{"OnARecordedPoint", {2.0, 17.0}, "セル1（湾奥）　2.00日　17.00℃"},
        PickRow{"BetweenPointsNearerTheLater", {2.6, 16.7}, "セル1（湾奥）　3.00日　16.50℃"},
        PickRow{"FarLeftOfTheFirstDay", {-3.0, 17.0}, "セル1（湾奥）　0.00日　17.80℃"},
        PickRow{"PastTheLastDay", {9.0, 15.0}, "セル1（湾奥）　4.00日　16.00℃"},
        PickRow{"NearTheFlatSeaLine", {3.3, 17.9}, "外海水温　3.30日　18.00℃"},
        PickRow{"AboveTheSeaLinePastItsEnd", {5.0, 19.0}, "外海水温　4.00日　18.00℃"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SeriesPlot, NothingToPickWithoutCurves) {
    EXPECT_FALSE(NearestPoint(PlotOfNoRun(), {1, 1}, 1, 1).has_value());
}

}  // namespace
}  // namespace tidewell
