#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "TestSupport.h"
#include "engine/TimeSeries.h"
#include "model/AxisTicks.h"
#include "model/PlotView.h"
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
    return {status, rows, {16.1, 16.6, 17.0, 17.4, 17.8}, 18.0, 15.0, std::nullopt};
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
    // A bay where nothing moves (all at 17.5) gets half a degree about its value, plus the margin.
    model::FinishedRun still = run;
    still.Rows = {{0, {17.5, 17.5, 17.5, 17.5, 17.5}}, {4, {17.5, 17.5, 17.5, 17.5, 17.5}}};
    still.Steady = {17.5, 17.5, 17.5, 17.5, 17.5};
    still.SeaTemp = still.InflowTemp = 17.5;
    const model::AxisRange flat = model::PlotOfRun(still).Temps;
    EXPECT_TRUE(std::abs(flat.Low - 17.225) < 1e-9 && std::abs(flat.High - 17.775) < 1e-9);
}

// Cell 1 and the sea line only; on screen a day is 100 pixels and a degree
// 50: the nearest point shown, or the flat line at the mouse's day. The last
// rows zoom to days 0 to 3.5 and 15.5 to 17.5 degrees: points outside are not picked.
TEST(SeriesPlot, PicksTheCurvePointUnderTheMouse) {
    model::SeriesPlot plot = model::PlotOfRun(HandRun(engine::RunStatus::Completed));
    plot.Curves = {plot.Curves[0], plot.Curves[5]};
    const model::AxisRange all{-100, 100};
    for (const auto& [spot, days, temps, text] :
         {std::tuple{model::PlotPoint{2.0, 17.0}, all, all, "セル1（湾奥）　2.00日　17.00℃"},
          {model::PlotPoint{3.3, 16.4}, all, all, "セル1（湾奥）　4.00日　16.00℃"},
          {model::PlotPoint{3.3, 17.9}, all, all, "外海水温　3.30日　18.00℃"},
          {model::PlotPoint{3.4, 16.4}, {0, 3.5}, {15.5, 17.5}, "セル1（湾奥）　2.00日　17.00℃"},
          {model::PlotPoint{3.3, 17.45},
           {0, 3.5},
           {15.5, 17.5},
           "セル1（湾奥）　2.00日　17.00℃"}}) {
        const std::optional<model::PlotPick> pick =
            model::NearestPoint(plot, spot, 100, 50, days, temps);
        EXPECT_TRUE(pick && model::PickText(plot, *pick).Prompt() == text) << text;
    }
}

// The title names the run's basic conditions as typed, without the blank a
// number text starts with, and the entries picked.
TEST(SeriesPlot, TitlesTheRunWithItsConditions) {
    model::FinishedRun run = HandRun(engine::RunStatus::Completed);
    EXPECT_TRUE(model::PlotOfRun(run).Title.empty());
    run.Conditions = {{" 1000", " 18", "18.5", " 7", "-1", " 4965"}, {"0.5", "1.2", "5.0"}};
    std::vector<std::string> lines;
    for (const Message& line : model::PlotOfRun(run).Title)
        lines.push_back(line.Prompt());
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "湾面積 1000 km2　平均水深 18 m　湾口部長さ 18.5 km",
                         "外海水水温 7 ℃　流入水水温 -1 ℃　流入水流量 4965 m3/s",
                         "湾口部断面積の倍率 0.5　流入水水温の倍率 1.2　流入水流量の倍率 5.0"}));
}

// Each row: an axis range; the round step that fits it into at most eight
// intervals, its first tick and the decimals its labels need.
TEST(AxisTicks, StepsByOneTwoOrFiveTimesAPowerOfTen) {
    // clang-format off
    for (const auto& [low, high, step, first, decimals] : {
         std::tuple{0.0, 4720.0, 1000.0, 0.0, 0},
         {6.392, 10.48, 1.0, 7.0, 0},
         {0.1 + 0.2, 0.7, 0.05, 0.3, 2},    // a hair above 0.3
         {-7.3, -2.1, 1.0, -7.0, 0},
         {-0.4, 1.2, 0.2, -0.4, 1},
         {17.70001, 17.70004, 5e-6, 17.70001, 6},
         {-3e12, 5e13, 1e13, 0.0, 0},
         {2.0, 2.0, 1.0, 2.0, 0}}) {       // no span: any step will do
        // clang-format on
        const model::AxisTicks ticks = model::TicksOf({low, high}, 8);
        EXPECT_DOUBLE_EQ(ticks.Step, step) << low << " " << high;
        EXPECT_NEAR(ticks.First, first, step * 1e-9) << low << " " << high;
        EXPECT_EQ(ticks.Decimals, decimals) << low << " " << high;
        EXPECT_FALSE(std::signbit(ticks.First) && ticks.First == 0) << "a -0 label";
    }
}

// The whole run is 0 to 100 days and 10 to 20 degC. Each row: the view
// before, what the user did, the view after.
TEST(PlotView, ZoomsInsideTheWholeRunOnly) {
    const model::PlotView whole{{0, 100}, {10, 20}};
    const model::PlotView part{{10, 30}, {12, 18}};
    using Corners = std::optional<std::pair<model::PlotPoint, model::PlotPoint>>;
    // clang-format off
    for (const auto& [before, corners, after] : {
         std::tuple{whole, Corners{{{30, 12}, {10, 18}}}, part},
         {part, Corners{{{25, 15}, {90, 30}}}, model::PlotView{{25, 30}, {15, 18}}},
         {part, Corners{{{20, 13}, {20, 17}}}, part},       // no width: a click
         {part, Corners{}, model::PlotView{{0, 40}, {10, 20}}},
         {model::PlotView{{90, 100}, {10, 11}}, Corners{}, model::PlotView{{80, 100}, {10, 12}}},
         {whole, Corners{}, whole}}) {
        // clang-format on
        const model::PlotView shown = corners
                                          ? model::ZoomedIn(before, corners->first, corners->second)
                                          : model::ZoomedOut(before, whole);
        EXPECT_EQ(shown, after) << before.Days.Low << " " << before.Days.High;
    }
    model::PlotView view{{50, 50.001}, {15, 15.001}};
    for (int n = 0; n < 40; ++n)
        view = model::ZoomedOut(view, whole);
    EXPECT_EQ(view, whole);
}

// Up to day 10 and up to day 30 the line rises by one degree a day, between
// them it falls; the view is days 5 to 25, 0 to 6 degC. Each row: the line,
// the pieces of it drawn.
TEST(PlotView, CutsLinesAtTheBorderOfTheView) {
    const model::PlotView view{{5, 25}, {0, 6}};
    using Line = std::vector<model::PlotPoint>;
    // clang-format off
    for (const auto& [line, pieces] : {
         std::pair{Line{{0, 0}, {10, 10}, {20, 0}, {30, 10}},
                   std::vector<Line>{{{5, 5}, {6, 6}}, {{14, 6}, {20, 0}, {25, 5}}}},
         {Line{{6, 1}, {7, 2}, {8, 3}}, {{{6, 1}, {7, 2}, {8, 3}}}},
         {Line{{6, 1}}, {{{6, 1}}}},
         {Line{{0, 7}, {30, 7}}, {}},
         {Line{{0, 2}, {30, 2}}, {{{5, 2}, {25, 2}}}}}) {
        // clang-format on
        const std::vector<Line> cut = model::ClipToView(line, view);
        ASSERT_EQ(cut.size(), pieces.size()) << line.size();
        for (std::size_t n = 0; n < cut.size(); ++n) {
            ASSERT_EQ(cut[n].size(), pieces[n].size());
            for (std::size_t k = 0; k < cut[n].size(); ++k) {
                EXPECT_NEAR(cut[n][k].Day, pieces[n][k].Day, 1e-12);
                EXPECT_NEAR(cut[n][k].Temp, pieces[n][k].Temp, 1e-12);
            }
        }
    }
}

// A line of 1001 points: it rises to day 600 and falls after, bends by a
// fraction of a pixel at day 300 (1.5e-4 of the view off the line through
// its neighbours) and, falling, wiggles by 3.5e-5 of the view. The ends and
// both bends are what shows.
TEST(PlotView, DrawsOnlyThePointsThatShow) {
    const auto rising = [](int day) { return day / 100.0 + std::max(0, day - 300) * 1.4e-5; };
    std::vector<model::PlotPoint> line;
    for (int day = 0; day <= 1000; ++day) {
        const double temp = day <= 600 ? rising(day) : rising(600) - (day - 600) / 100.0;
        line.push_back({double(day), temp + (day > 600 ? day % 2 * 5e-4 : 0)});
    }
    const std::vector<model::PlotPoint> drawn = model::Simplified(line, {{0, 1000}, {0, 10}}, 1e-4);
    EXPECT_EQ(drawn, (std::vector<model::PlotPoint>{line[0], line[300], line[600], line[1000]}));
}

}  // namespace
}  // namespace tidewell
