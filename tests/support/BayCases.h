#pragma once

#include "case/BasicValue.h"
#include "case/CaseRecord.h"

// Cases that differ from the default in the bay's area and inflow, with the
// record's derived values kept consistent.
namespace tidewell::test {

inline CaseRecord BayCase(double area, double inflowRate = 331) {
    CaseRecord record = DefaultCase();
    record.BayArea = BasicValue(area);
    record.BayVolume = BayVolumeOf(area, record.MeanDepth.Value());
    record.InflowRate = BasicValue(inflowRate);
    record.InflowLoad = InflowLoadOf(inflowRate, record.InflowTemp.Value());
    return record;
}

}  // namespace tidewell::test
