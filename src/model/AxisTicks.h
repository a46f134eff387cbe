#pragma once

#include "SeriesPlot.h"

// Where an axis puts its ticks: at whole multiples of a round step (1, 2 or
// 5 times a power of ten), so the labels read 0 / 1000 / 2000 days rather
// than 1573 / 3147 / 4720.
namespace tidewell::model {

struct AxisTicks {
    double Step = 1.0;
    double First = 0.0;  // the lowest multiple of Step inside the range
    int Decimals = 0;    // what a label needs to tell two ticks apart
};

// The smallest round step that puts at most `maxIntervals` steps in `span`;
// 1 for a span that is not a positive finite number.
double NiceStep(double span, int maxIntervals);
AxisTicks TicksOf(const AxisRange& range, int maxIntervals);

}  // namespace tidewell::model
