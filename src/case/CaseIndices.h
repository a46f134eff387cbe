#pragma once

#include "CaseRecord.h"

// The changed values and water-quality indices of a case, unrounded. The
// window, the report and the input checks all use these.
namespace tidewell {

// Bay-mouth cross-section after the multiplier (km2).
double ChangedSection(const CaseRecord& c);
// Inflow load after both inflow multipliers (degC m3/s).
double ChangedLoad(const CaseRecord& c);
// Residence time (days): 10000 / 0.864 = 1e9 m3 per km3 / 86400 s per day.
double ResidenceTime(const CaseRecord& c);
// Closedness: sqrt(bay area) over the changed mouth length.
double Closedness(const CaseRecord& c);
// Changed inflow load per bay volume: degC m3/s over m3, times 86400 s a day,
// is degC/day, the warming the inflow alone would give the bay in a day.
double LoadPerVolume(const CaseRecord& c);

}  // namespace tidewell
