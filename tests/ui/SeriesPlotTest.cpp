#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "TestSupport.h"
#include "engine/TimeSeries.h"
#include "ui/SeriesPlot.h"

namespace tidewell {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Cells from the head: 17.8 falling to 16, 16 to 17, then three at 17.5; the
// sea at 18, the inflow at 15.
FinishedRun HandRun(RunStatus status, double lastDay = 4) {
    std::vector<SeriesRow> rows{{0, {17.8, 16, 17.5, 17.5, 17.5}},
                                {lastDay / 2, {17, 16.5, 17.5, 17.5, 17.5}},
                                {lastDay, {16, 17, 17.5, 17.5, 17.5}}};
    return {status, rows, {16.1, 16.6, 17.0, 17.4, 17.8}, 18.0, 15.0};
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
    EXPECT_TRUE(AllPointsInRange(GetParam().Plot));
}

const std::string kStopped = "計算が不安定になったため、第";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, PlotMessages, testing::Values(
    MessageRow{"NoRunYet", PlotOfNoRun(), "計算結果がありません。計算開始を押してください。", 0},
    MessageRow{"Completed", PlotOfRun(HandRun(RunStatus::Completed)), "", 12},
    MessageRow{"UnstableInTheFourthDay", PlotOfRun(HandRun(RunStatus::Unstable, 3.4)),
               kStopped + "4日で停止しました。", 12},
    MessageRow{"UnstableBeforeTheFirstStep", PlotOfRun(HandRun(RunStatus::Unstable, 0)),
               "計算が不安定になる条件のため、計算しませんでした。", 12},
    MessageRow{"UnstableInTheFirstDay", PlotOfRun(HandRun(RunStatus::Unstable, 0.01)),
               kStopped + "1日で停止しました。", 12},
    MessageRow{"UnstableAtTheEndOfADay", PlotOfRun(HandRun(RunStatus::Unstable, 5)),
               kStopped + "5日で停止しました。", 12},
    MessageRow{"CannotRun", PlotOfRun(HandRun(RunStatus::NotRun)),
               "この条件では計算できませんでした。基本条件を見直してください。", 0},
    MessageRow{"Cancelled", PlotOfRun(HandRun(RunStatus::Cancelled)),
               "計算を中止しました。中止までの経過を表示しています。", 12}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// A value that is not a number, or infinite, leaves out that one point.
TEST(SeriesPlot, LeavesOutNonFiniteValuesOnly) {
    FinishedRun run = HandRun(RunStatus::Unstable);
    run.Rows.push_back({5.0, {17.0, kNaN, -kInf, 1e6, 17.5}});
    run.Steady[2] = kNaN;
    const SeriesPlot plot = PlotOfRun(run);
    std::vector<std::size_t> counts;
    for (const PlotCurve& curve : plot.Curves)
        counts.push_back(curve.Points.size());
    EXPECT_EQ(counts, (std::vector<std::size_t>{4, 3, 3, 4, 4, 2, 2, 2, 2, 0, 2, 2}));
    EXPECT_EQ(plot.Days.High, 5.0);
    EXPECT_TRUE(AllPointsInRange(plot));
}

// The temperature axis spans the values with a small margin; a flat run
// still gets half a degree around its temperature.
TEST(SeriesPlot, TemperatureAxisHugsTheValues) {
    const AxisRange spread = PlotOfRun(HandRun(RunStatus::Completed)).Temps;  // 15 to 18
    EXPECT_TRUE(spread.Low < 15 && spread.Low > 14.7 && spread.High > 18 && spread.High < 18.3);
    FinishedRun flat{
        RunStatus::Completed, {{0, {17, 17, 17, 17, 17}}}, {17, 17, 17, 17, 17}, 17, 17};
    const AxisRange still = PlotOfRun(flat).Temps;
    EXPECT_NEAR(still.Low + still.High, 34, 1e-12);
    EXPECT_TRUE(still.High - still.Low >= 0.5 && still.High - still.Low < 0.6);
}

// The five cells from the head with every recorded row, each in its own
// colour; the sea and the inflow flat; the steady states dashed in the
// colour of their cells.
TEST(SeriesPlot, ShowsTheCellsWithTheirFlatAndSteadyLines) {
    const FinishedRun run = HandRun(RunStatus::Completed);
    const SeriesPlot plot = PlotOfRun(run);
    std::vector<std::string> names;
    for (const PlotCurve& curve : plot.Curves)
        names.push_back(curve.Name);
    ASSERT_EQ(names,
              (std::vector<std::string>{"セル1（湾奥）", "セル2", "セル3", "セル4", "セル5（湾口）",
                                        "外海水温", "流入水温", "セル1 定常", "セル2 定常",
                                        "セル3 定常", "セル4 定常", "セル5 定常"}));
    std::set<Color> cellPens;
    for (std::size_t k = 0; k < kBayCellCount; ++k) {
        const PlotCurve& cell = plot.Curves[k];
        const PlotCurve& steady = plot.Curves[k + 7];
        std::vector<PlotPoint> points;
        for (const SeriesRow& row : run.Rows)
            points.push_back({row.Day, row.Cells[k]});
        EXPECT_EQ(cell.Points, points);
        EXPECT_TRUE(steady.Dashed && !cell.Dashed && steady.Pen == cell.Pen);
        EXPECT_EQ(steady.Points, (std::vector<PlotPoint>{{0, run.Steady[k]}, {4, run.Steady[k]}}));
        cellPens.insert(cell.Pen);
    }
    EXPECT_EQ(cellPens.size(), 5u);
    EXPECT_EQ(plot.Curves[5].Points, (std::vector<PlotPoint>{{0, 18}, {4, 18}}));
    EXPECT_EQ(plot.Curves[6].Points, (std::vector<PlotPoint>{{0, 15}, {4, 15}}));
}

struct PickRow {
    const char* Name;
    PlotPoint Spot;
    std::string Text;
};

class PointUnderMouse : public testing::TestWithParam<PickRow> {};

// Cell 1 and the sea line only; on screen a day is 100 pixels and a degree 50.
TEST_P(PointUnderMouse, IsTheNearestCurvePointOnScreen) {
    SeriesPlot plot = PlotOfRun(HandRun(RunStatus::Completed));
    plot.Curves = {plot.Curves[0], plot.Curves[5]};
    const std::optional<PlotPick> pick = NearestPoint(plot, GetParam().Spot, 100, 50);
    ASSERT_TRUE(pick.has_value());
    EXPECT_EQ(PickText(plot, *pick), GetParam().Text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Spots, PointUnderMouse, testing::Values(
    PickRow{"OnAPoint", {2.0, 17.0}, "セル1（湾奥）　2.00日　17.00℃"},
    PickRow{"NearerTheLater", {3.3, 16.4}, "セル1（湾奥）　4.00日　16.00℃"},
    PickRow{"FarLeft", {-3.0, 17.0}, "セル1（湾奥）　0.00日　17.80℃"},
    PickRow{"NearTheFlatLine", {3.3, 17.9}, "外海水温　3.30日　18.00℃"},
    PickRow{"PastTheFlatLine", {5.0, 19.0}, "外海水温　4.00日　18.00℃"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace tidewell
