#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ColorScale.h"
#include "RunConditions.h"
#include "case/Message.h"
#include "engine/ModelState.h"
#include "engine/RunReport.h"
#include "engine/TimeSeries.h"

// The time-series chart of a run as data: which curves to draw, in which
// colour and line style, the axis titles and ranges, and the message shown
// instead of (or above) the curves. The Qt chart window only draws this.
namespace tidewell::model {

struct PlotPoint {
    double Day = 0.0;   // days since the start of the run
    double Temp = 0.0;  // degC

    bool operator==(const PlotPoint&) const = default;
};

enum class CurveKind { Cell, Sea, Inflow, Steady };

struct PlotCurve {
    Message Name;
    CurveKind Kind = CurveKind::Cell;
    Color Pen = 0;
    bool Dashed = false;
    // A flat line holds one temperature over the whole run (its two points
    // are the start and the last day shown).
    bool Flat = false;
    std::vector<PlotPoint> Points;  // finite values only, in order of day
};

struct AxisRange {
    double Low = 0.0;
    double High = 1.0;

    bool operator==(const AxisRange&) const = default;
};

struct SeriesPlot {
    Message DayAxisTitle;
    Message TempAxisTitle;
    std::vector<PlotCurve> Curves;  // empty when there is nothing to plot
    AxisRange Days;
    AxisRange Temps;
    std::optional<Message> Note;  // none for a completed run
    std::vector<Message> Title;   // the run's conditions, a line each; none before a run
};

// What a finished calculation leaves for the chart.
struct FinishedRun {
    engine::RunStatus Status = engine::RunStatus::NotRun;
    std::vector<engine::SeriesRow> Rows;
    std::array<double, engine::kBayCellCount> Steady{};  // where each cell settles, degC
    double SeaTemp = 0.0;
    double InflowTemp = 0.0;  // with its multiplier
    std::optional<RunConditions> Conditions;
};

// The chart before any calculation.
SeriesPlot PlotOfNoRun();
SeriesPlot PlotOfRun(const FinishedRun& run);
// The run's series with the steady state, sea and multiplied inflow
// temperatures taken from the model it ran on.
FinishedRun FinishedRunOf(engine::RunStatus status, const engine::TimeSeries& series,
                          const engine::ModelState& model, RunConditions conditions);

// The curve point nearest to a spot of the chart among those shown (within
// `days` and `temps`), measured on screen: the scales turn a day and a degree
// into pixels. On a flat line the point is the one at the spot's day.
struct PlotPick {
    std::size_t Curve = 0;
    PlotPoint Point;
};
std::optional<PlotPick> NearestPoint(const SeriesPlot& plot, PlotPoint spot, double pixelsPerDay,
                                     double pixelsPerDegree, AxisRange days, AxisRange temps);
// "セル1（湾奥）　12.35日　17.45℃"
Message PickText(const SeriesPlot& plot, const PlotPick& pick);

}  // namespace tidewell::model
