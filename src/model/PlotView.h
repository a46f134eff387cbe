#pragma once

#include <vector>

#include "SeriesPlot.h"

// The part of a chart on screen: the whole run, or a rectangle the user
// zoomed into. Zooming out never goes past the whole run, and the curves are
// cut to what is shown so that nothing is drawn outside the plot.
namespace tidewell::model {

struct PlotView {
    AxisRange Days;
    AxisRange Temps;

    bool operator==(const PlotView&) const = default;
};

PlotView WholeView(const SeriesPlot& plot);
// The rectangle asked for, in data units (its corners in any order), cut to
// the current view; the view stays as it is for a rectangle without width or
// height there.
PlotView ZoomedIn(const PlotView& current, PlotPoint corner, PlotPoint opposite);
// Twice the width and height about the same centre, shifted back inside the
// whole run, and no wider than it.
PlotView ZoomedOut(const PlotView& current, const PlotView& whole);

// The parts of a polyline inside the view, ends cut where the line crosses
// its border: one piece for each stretch that stays inside.
std::vector<std::vector<PlotPoint>> ClipToView(const std::vector<PlotPoint>& points,
                                               const PlotView& view);
// The fewest of the points (the ends always among them) whose polyline lies
// within `tolerance` of every point left out, measured as a share of the
// view's width and height (Ramer-Douglas-Peucker).
std::vector<PlotPoint> Simplified(const std::vector<PlotPoint>& points, const PlotView& view,
                                  double tolerance);
// What a chart draws of a curve: its pieces in the view, with no more points
// than a plot up to 2000 pixels wide and high can tell apart.
std::vector<std::vector<PlotPoint>> DrawnPieces(const std::vector<PlotPoint>& points,
                                                const PlotView& view);

}  // namespace tidewell::model
