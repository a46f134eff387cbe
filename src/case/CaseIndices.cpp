#include "CaseIndices.h"

#include <cmath>

namespace tidewell {

double ChangedSection(const CaseRecord& c) {
    return c.SectionFactor * static_cast<double>(c.MouthSection);
}

double ChangedLoad(const CaseRecord& c) {
    return (c.InflowFactor * c.InflowLoad) * static_cast<double>(c.InflowTempFactor);
}

double ResidenceTime(const CaseRecord& c) {
    return 10000 * c.BayVolume / (0.864 * (c.InflowFactor * c.InflowRate.Value()));
}

double Closedness(const CaseRecord& c) {
    return std::pow(c.BayArea.Value(), 0.5) / (c.SectionFactor * c.MouthLength.Value());
}

double LoadPerVolume(const CaseRecord& c) {
    return (((c.InflowLoad * c.InflowFactor) * static_cast<double>(c.InflowTempFactor)) * 0.864) /
           (10000 * c.BayVolume);
}

}  // namespace tidewell
