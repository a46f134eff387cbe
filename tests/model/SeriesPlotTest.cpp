#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

#include "TestSupport.h"
#include "engine/TimeSeries.h"
#include "model/SeriesPlot.h"

namespace tidewell {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Cells from the head: 17.8 falling to 16, 16 to 17, then three at 17.5; the
// sea at 18, the inflow at 15.
model::FinishedRun HandRun(engine::RunStatus status, double lastDay = 4) {
    std::vector<engine::SeriesRow> rows{{0, {17.8, 16, 17.5, 17.5, 17.5}},
                                        {lastDay / 2, {17, 16.5, 17.5, 17.5, 17.5}},
                                        {lastDay, {16, 17, 17.5, 17.5, 17.5}}};
    return {status, rows, {16.1, 16.6, 17.0, 17.4, 17.8}, 18.0, 15.0};
}

bool AllPointsInRange(const model::SeriesPlot& plot) {
    return std::ranges::all_of(plot.Curves, [&](const model::PlotCurve& curve) {
        return std::ranges::all_of(curve.Points, [&](const model::PlotPoint& p) {
            return p.Day >= plot.Days.Low && p.Day <= plot.Days.High && p.Temp >= plot.Temps.Low &&
                   p.Temp <= plot.Temps.High;
        });
    });
}

// Every run but one that could not be made shows its cells; the message
// says why they are not a full result.
TEST(SeriesPlot, SaysWhyThereIsNoFullResult) {
    const std::string stopped = "計算が不安定になったため、第";
    // clang-format off
    for (const auto& [status, lastDay, message] : {
         std::tuple{engine::RunStatus::Completed, 4., std::string()},
         {engine::RunStatus::Unstable, 3.4, stopped + "4日で停止しました。"},
         {engine::RunStatus::Unstable, 5., stopped + "5日で停止しました。"},
         {engine::RunStatus::Unstable, 0., std::string("計算が不安定になる条件のため、計算しませんでした。")},
         {engine::RunStatus::NotRun, 4.,
          std::string("この条件では計算できませんでした。基本条件を見直してください。")}}) {
        // clang-format on
        const model::SeriesPlot plot = model::PlotOfRun(HandRun(status, lastDay));
        EXPECT_EQ(plot.Note.value_or(Message()).Prompt(), message);
        // An unstable run never settles: it has no steady lines.
        const std::size_t curves = status == engine::RunStatus::NotRun     ? 0u
                                   : status == engine::RunStatus::Unstable ? 7u
                                                                           : 12u;
        EXPECT_EQ(plot.Curves.size(), curves) << message;
        EXPECT_TRUE(AllPointsInRange(plot)) << message;
    }
}

// A value that is not a number, or infinite, leaves out that one point.
TEST(SeriesPlot, LeavesOutNonFiniteValuesOnly) {
    model::FinishedRun run = HandRun(engine::RunStatus::Cancelled);
    run.Rows.push_back({5.0, {17.0, kNaN, -kInf, 1e6, 17.5}});
    run.Steady[2] = kNaN;
    const model::SeriesPlot plot = model::PlotOfRun(run);
    std::vector<std::size_t> counts;
    for (const model::PlotCurve& curve : plot.Curves)
        counts.push_back(curve.Points.size());
    EXPECT_EQ(counts, (std::vector<std::size_t>{4, 3, 3, 4, 4, 2, 2, 2, 2, 0, 2, 2}));
    EXPECT_EQ(plot.Days.High, 5.0);
    EXPECT_TRUE(AllPointsInRange(plot));
}

// The cells from the head, each in its own colour; the sea and the inflow
// flat; the steady states dashed in the colour of their cells.
TEST(SeriesPlot, ShowsTheCellsWithTheirFlatAndSteadyLines) {
    const model::FinishedRun run = HandRun(engine::RunStatus::Completed);
    const model::SeriesPlot plot = model::PlotOfRun(run);
    std::vector<std::string> names;
    std::set<model::Color> cellPens;
    for (const model::PlotCurve& curve : plot.Curves)
        names.push_back(curve.Name.Prompt());
    ASSERT_EQ(names,
              (std::vector<std::string>{"セル1（湾奥）", "セル2", "セル3", "セル4", "セル5（湾口）",
                                        "外海水温", "流入水温", "セル1 定常", "セル2 定常",
                                        "セル3 定常", "セル4 定常", "セル5 定常"}));
    for (std::size_t k = 0; k < engine::kBayCellCount; ++k) {
        const model::PlotCurve &cell = plot.Curves[k], &steady = plot.Curves[k + 7];
        EXPECT_EQ(cell.Points[1], (model::PlotPoint{2, run.Rows[1].Cells[k]}));
        EXPECT_TRUE(steady.Dashed && !cell.Dashed && steady.Pen == cell.Pen);
        EXPECT_EQ(steady.Points,
                  (std::vector<model::PlotPoint>{{0, run.Steady[k]}, {4, run.Steady[k]}}));
        cellPens.insert(cell.Pen);
    }
    EXPECT_EQ(cellPens.size(), 5u);
    // The temperature axis spans the values, 15 to 18, with a small margin.
    EXPECT_TRUE(plot.Temps.Low < 15 && plot.Temps.Low > 14.7 && plot.Temps.High > 18 &&
                plot.Temps.High < 18.3);
    EXPECT_EQ(plot.Curves[5].Points, (std::vector<model::PlotPoint>{{0, 18}, {4, 18}}));
    EXPECT_EQ(plot.Curves[6].Points, (std::vector<model::PlotPoint>{{0, 15}, {4, 15}}));
}

// Cell 1 and the sea line only; on screen a day is 100 pixels and a degree
// 50: the nearest point on screen, or the flat line at the mouse's day.
TEST(SeriesPlot, PicksTheCurvePointUnderTheMouse) {
    model::SeriesPlot plot = model::PlotOfRun(HandRun(engine::RunStatus::Completed));
    plot.Curves = {plot.Curves[0], plot.Curves[5]};
    for (const auto& [spot, text] :
         {std::pair{model::PlotPoint{2.0, 17.0}, "セル1（湾奥）　2.00日　17.00℃"},
          {model::PlotPoint{3.3, 16.4}, "セル1（湾奥）　4.00日　16.00℃"},
          {model::PlotPoint{3.3, 17.9}, "外海水温　3.30日　18.00℃"}}) {
        const std::optional<model::PlotPick> pick = model::NearestPoint(plot, spot, 100, 50);
        EXPECT_TRUE(pick && model::PickText(plot, *pick).Prompt() == text) << text;
    }
}

}  // namespace
}  // namespace tidewell
