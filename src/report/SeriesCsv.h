#pragma once

#include <span>
#include <string>

#include "engine/TimeSeries.h"

namespace tidewell::report {

// A run's time series as CSV in UTF-8: the header `day,cell1,...,cell5`, then a
// row per recorded step with the simulated day and the five bay cells from the
// head, in degC, each to 17 significant digits; lines end with LF.
std::string SeriesCsv(std::span<const engine::SeriesRow> rows);

}  // namespace tidewell::report
