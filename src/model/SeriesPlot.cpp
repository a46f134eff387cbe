#include "SeriesPlot.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "engine/SteadyState.h"

namespace tidewell::model {
namespace {

const Message kDayAxisTitle{MessageId::DayAxis, {}};
const Message kTempAxisTitle{MessageId::TempAxis, {}};
const Message kNoRun{MessageId::ChartNoRun, {}};
const Message kNotRun{MessageId::ChartNotRun, {}};
const Message kCancelled{MessageId::ChartCancelled, {}};

const std::array<Message, engine::kBayCellCount> kCellNames = {
    Message{MessageId::HeadCell, {}}, Message{MessageId::Cell, {"2"}},
    Message{MessageId::Cell, {"3"}}, Message{MessageId::Cell, {"4"}},
    Message{MessageId::MouthCell, {}}};
// Five hues that stay apart for colour-blind readers too, from the head of
// the bay to its mouth; the sea and the inflow in darker tones.
constexpr std::array<Color, engine::kBayCellCount> kCellPens = {
    Rgb(213, 94, 0), Rgb(230, 159, 0), Rgb(0, 158, 115), Rgb(86, 180, 233), Rgb(204, 121, 167)};
constexpr Color kSeaPen = Rgb(0, 90, 160);
constexpr Color kInflowPen = Rgb(110, 70, 30);

// The day of the run's N-th day in which the run stopped: day 0.4 is the 1st.
long long StopDayNumber(double day) {
    return std::max(1LL, static_cast<long long>(std::ceil(day)));
}

// A run whose step amplifies its cells is stopped before the first step.
Message UnstableNote(double stopDay) {
    if (stopDay <= 0)
        return {MessageId::ChartNotStarted, {}};
    return {MessageId::ChartStopped, {std::to_string(StopDayNumber(stopDay))}};
}

PlotCurve FlatLine(Message name, CurveKind kind, Color pen, double temp, double lastDay) {
    PlotCurve curve{std::move(name), kind, pen, kind == CurveKind::Steady, true, {}};
    if (std::isfinite(temp))
        curve.Points = {{0.0, temp}, {lastDay, temp}};
    return curve;
}

// The rows' days and one cell's temperatures, leaving out every non-finite pair.
std::vector<PlotPoint> CellPoints(const std::vector<engine::SeriesRow>& rows, std::size_t cell) {
    std::vector<PlotPoint> points;
    points.reserve(rows.size());
    for (const engine::SeriesRow& row : rows) {
        if (std::isfinite(row.Day) && std::isfinite(row.Cells[cell]))
            points.push_back({row.Day, row.Cells[cell]});
    }
    return points;
}

// Spans every plotted value with a margin of a twentieth of the spread on
// each side; a spread under half a degree is widened to half a degree.
AxisRange TempRange(const std::vector<PlotCurve>& curves) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const PlotCurve& curve : curves) {
        for (const PlotPoint& p : curve.Points) {
            low = std::min(low, p.Temp);
            high = std::max(high, p.Temp);
        }
    }
    if (low > high)
        return {};
    const double minimumSpread = 0.5;
    if (high - low < minimumSpread) {
        const double middle = low / 2 + high / 2;
        low = middle - minimumSpread / 2;
        high = middle + minimumSpread / 2;
    }
    const double margin = (high - low) / 20;
    return {low - margin, high + margin};
}

double LastDay(const std::vector<engine::SeriesRow>& rows) {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (std::isfinite(row->Day))
            return row->Day;
    }
    return 0.0;
}

std::optional<Message> NoteOf(engine::RunStatus status, double lastDay) {
    switch (status) {
        case engine::RunStatus::Completed:
            return std::nullopt;
        case engine::RunStatus::Unstable:
            return UnstableNote(lastDay);
        case engine::RunStatus::Cancelled:
            return kCancelled;
        case engine::RunStatus::NotRun:
            break;
    }
    return kNotRun;
}

// Fixed two decimals with a full stop whatever the locale.
std::string TwoDecimals(double value) {
    char text[400];  // room for the largest double in fixed notation
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return std::string(text, end.ptr);
}

}  // namespace

SeriesPlot PlotOfNoRun() {
    return {kDayAxisTitle, kTempAxisTitle, {}, {}, {}, kNoRun, {}};
}

SeriesPlot PlotOfRun(const FinishedRun& run) {
    const double lastDay = LastDay(run.Rows);
    SeriesPlot plot{kDayAxisTitle, kTempAxisTitle, {}, {}, {}, NoteOf(run.Status, lastDay), {}};
    if (run.Conditions)
        plot.Title = ConditionLines(*run.Conditions);
    if (run.Status == engine::RunStatus::NotRun || run.Rows.empty())
        return plot;
    for (std::size_t k = 0; k < engine::kBayCellCount; ++k) {
        plot.Curves.push_back(PlotCurve{kCellNames[k], CurveKind::Cell, kCellPens[k], false, false,
                                        CellPoints(run.Rows, k)});
    }
    plot.Curves.push_back(
        FlatLine({MessageId::SeaCurve, {}}, CurveKind::Sea, kSeaPen, run.SeaTemp, lastDay));
    plot.Curves.push_back(FlatLine({MessageId::InflowCurve, {}}, CurveKind::Inflow, kInflowPen,
                                   run.InflowTemp, lastDay));
    // An unstable step never settles: no steady lines for it.
    for (std::size_t k = 0; run.Status != engine::RunStatus::Unstable && k < engine::kBayCellCount;
         ++k) {
        plot.Curves.push_back(FlatLine({MessageId::SteadyCell, {std::to_string(k + 1)}},
                                       CurveKind::Steady, kCellPens[k], run.Steady[k], lastDay));
    }
    plot.Days = {0.0, lastDay > 0 ? lastDay : 1.0};
    plot.Temps = TempRange(plot.Curves);
    return plot;
}

FinishedRun FinishedRunOf(engine::RunStatus status, const engine::TimeSeries& series,
                          const engine::ModelState& model, RunConditions conditions) {
    FinishedRun run;
    run.Status = status;
    run.Conditions = std::move(conditions);
    if (status == engine::RunStatus::NotRun)
        return run;  // the set-up may not have finished
    run.Rows = series.Rows();
    run.Steady = engine::SteadyState(model);
    run.SeaTemp = model.CellConc[engine::kTemperature][engine::kBayCellCount + 1];
    run.InflowTemp = model.InflowConc[engine::kTemperature];
    return run;
}

std::optional<PlotPick> NearestPoint(const SeriesPlot& plot, PlotPoint spot, double pixelsPerDay,
                                     double pixelsPerDegree, AxisRange days, AxisRange temps) {
    std::optional<PlotPick> nearest;
    double best = std::numeric_limits<double>::infinity();
    const auto consider = [&](std::size_t curve, PlotPoint p) {
        if (p.Day < days.Low || p.Day > days.High || p.Temp < temps.Low || p.Temp > temps.High)
            return;
        const double dx = (p.Day - spot.Day) * pixelsPerDay;
        const double dy = (p.Temp - spot.Temp) * pixelsPerDegree;
        const double distance = std::hypot(dx, dy);
        if (distance < best) {
            best = distance;
            nearest = PlotPick{curve, p};
        }
    };
    for (std::size_t c = 0; c < plot.Curves.size(); ++c) {
        const std::vector<PlotPoint>& points = plot.Curves[c].Points;
        if (points.empty())
            continue;
        if (plot.Curves[c].Flat) {
            const double day = std::clamp(std::clamp(spot.Day, days.Low, days.High),
                                          points.front().Day, points.back().Day);
            consider(c, {day, points.front().Temp});
            continue;
        }
        // The points are in order of day: only those near the spot's day can win.
        const auto after =
            std::lower_bound(points.begin(), points.end(), spot.Day,
                             [](const PlotPoint& p, double day) { return p.Day < day; });
        const auto first = after - std::min<std::ptrdiff_t>(after - points.begin(), 1);
        for (auto p = first; p != points.end(); ++p) {
            if ((p->Day - spot.Day) * pixelsPerDay > best)
                break;
            consider(c, *p);
        }
        for (auto p = first; p != points.begin();) {
            --p;
            if ((spot.Day - p->Day) * pixelsPerDay > best)
                break;
            consider(c, *p);
        }
    }
    return nearest;
}

Message PickText(const SeriesPlot& plot, const PlotPick& pick) {
    return {MessageId::ChartPick,
            {plot.Curves.at(pick.Curve).Name, TwoDecimals(pick.Point.Day),
             TwoDecimals(pick.Point.Temp)}};
}

}  // namespace tidewell::model
