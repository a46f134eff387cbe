#include "PlotView.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace tidewell::model {
namespace {

AxisRange Between(double a, double b, const AxisRange& within) {
    return {std::clamp(std::min(a, b), within.Low, within.High),
            std::clamp(std::max(a, b), within.Low, within.High)};
}

AxisRange Doubled(const AxisRange& range, const AxisRange& whole) {
    const double span = 2 * (range.High - range.Low);
    if (!(span < whole.High - whole.Low))
        return whole;
    const double low = std::clamp(range.Low - span / 4, whole.Low, whole.High - span);
    return {low, low + span};
}

bool Inside(PlotPoint p, const PlotView& view) {
    return p.Day >= view.Days.Low && p.Day <= view.Days.High && p.Temp >= view.Temps.Low &&
           p.Temp <= view.Temps.High;
}

// Liang-Barsky: the part of the segment from p to q inside the view, its
// ends exactly p and q where those are inside.
std::optional<std::pair<PlotPoint, PlotPoint>> ClipSegment(PlotPoint p, PlotPoint q,
                                                           const PlotView& view) {
    const double dx = q.Day - p.Day;
    const double dy = q.Temp - p.Temp;
    double enter = 0.0;
    double leave = 1.0;
    // Each border as (how fast the segment moves out through it, how far inside p is).
    const std::pair<double, double> borders[] = {{-dx, p.Day - view.Days.Low},
                                                 {dx, view.Days.High - p.Day},
                                                 {-dy, p.Temp - view.Temps.Low},
                                                 {dy, view.Temps.High - p.Temp}};
    for (const auto& [outward, room] : borders) {
        if (outward == 0) {
            if (room < 0)
                return std::nullopt;
            continue;
        }
        const double t = room / outward;
        if (outward < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    const auto at = [&](double t) {
        return PlotPoint{std::clamp(p.Day + t * dx, view.Days.Low, view.Days.High),
                         std::clamp(p.Temp + t * dy, view.Temps.Low, view.Temps.High)};
    };
    return std::pair{enter == 0 ? p : at(enter), leave == 1 ? q : at(leave)};
}

// How far p lies from the segment from a to b, x and y in the given units.
double DistanceToSegment(PlotPoint p, PlotPoint a, PlotPoint b, double dayUnit, double tempUnit) {
    const double px = (p.Day - a.Day) / dayUnit, py = (p.Temp - a.Temp) / tempUnit;
    const double bx = (b.Day - a.Day) / dayUnit, by = (b.Temp - a.Temp) / tempUnit;
    const double length2 = bx * bx + by * by;
    const double t = length2 > 0 ? std::clamp((px * bx + py * by) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(px - t * bx, py - t * by);
}

}  // namespace

PlotView WholeView(const SeriesPlot& plot) {
    return {plot.Days, plot.Temps};
}

PlotView ZoomedIn(const PlotView& current, PlotPoint corner, PlotPoint opposite) {
    const PlotView asked{Between(corner.Day, opposite.Day, current.Days),
                         Between(corner.Temp, opposite.Temp, current.Temps)};
    if (!(asked.Days.High > asked.Days.Low) || !(asked.Temps.High > asked.Temps.Low))
        return current;
    return asked;
}

PlotView ZoomedOut(const PlotView& current, const PlotView& whole) {
    return {Doubled(current.Days, whole.Days), Doubled(current.Temps, whole.Temps)};
}

std::vector<std::vector<PlotPoint>> ClipToView(const std::vector<PlotPoint>& points,
                                               const PlotView& view) {
    std::vector<std::vector<PlotPoint>> pieces;
    if (points.size() == 1 && Inside(points.front(), view))
        pieces.push_back(points);
    for (std::size_t n = 1; n < points.size(); ++n) {
        const auto part = ClipSegment(points[n - 1], points[n], view);
        if (!part)
            continue;
        // A segment that starts where the last piece ends continues it.
        if (pieces.empty() || !(pieces.back().back() == part->first))
            pieces.push_back({part->first});
        pieces.back().push_back(part->second);
    }
    return pieces;
}

std::vector<PlotPoint> Simplified(const std::vector<PlotPoint>& points, const PlotView& view,
                                  double tolerance) {
    if (points.size() < 3)
        return points;
    const double dayUnit = view.Days.High - view.Days.Low;
    const double tempUnit = view.Temps.High - view.Temps.Low;
    std::vector<bool> kept(points.size(), false);
    kept.front() = kept.back() = true;
    // Spans still to look at, as (first, last) indices; no recursion, so a
    // long run cannot exhaust the stack.
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, points.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        double farthest = -1;
        std::size_t at = first;
        for (std::size_t n = first + 1; n < last; ++n) {
            const double d =
                DistanceToSegment(points[n], points[first], points[last], dayUnit, tempUnit);
            if (d > farthest) {
                farthest = d;
                at = n;
            }
        }
        if (farthest > tolerance) {
            kept[at] = true;
            spans.push_back({first, at});
            spans.push_back({at, last});
        }
    }
    std::vector<PlotPoint> simple;
    for (std::size_t n = 0; n < points.size(); ++n) {
        if (kept[n])
            simple.push_back(points[n]);
    }
    return simple;
}

std::vector<std::vector<PlotPoint>> DrawnPieces(const std::vector<PlotPoint>& points,
                                                const PlotView& view) {
    // Half a pixel of a plot 2000 pixels wide or high.
    const double tolerance = 0.5 / 2000;
    std::vector<std::vector<PlotPoint>> pieces = ClipToView(points, view);
    for (std::vector<PlotPoint>& piece : pieces)
        piece = Simplified(piece, view, tolerance);
    return pieces;
}

}  // namespace tidewell::model
