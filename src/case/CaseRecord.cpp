#include "CaseRecord.h"

namespace tidewell {

double BayVolumeOf(double bayArea, double meanDepth) {
    return (bayArea * meanDepth) * 0.001;
}

float MouthSectionOf(double mouthLength, double mouthDepth) {
    return static_cast<float>((mouthLength * mouthDepth) * 0.001);
}

double InflowLoadOf(double inflowRate, double inflowTemp) {
    return inflowRate * inflowTemp;
}

CaseRecord DefaultCase() {
    constexpr double kBayAreaDefault = 1000;
    constexpr double kMeanDepthDefault = 18;
    constexpr double kMouthLengthDefault = 7;
    constexpr double kMouthDepthDefault = kMeanDepthDefault;
    constexpr double kSeaTemp = 18;
    constexpr double kInflowRateDefault = 331;
    constexpr double kInflowTempDefault = 15;

    CaseRecord c;
    c.BayArea = kBayAreaDefault;
    c.MeanDepth = kMeanDepthDefault;
    c.BayVolume = BayVolumeOf(c.BayArea.Value(), c.MeanDepth.Value());
    c.MouthLength = kMouthLengthDefault;
    c.MouthDepth = kMouthDepthDefault;
    c.MouthSection = MouthSectionOf(c.MouthLength.Value(), c.MouthDepth.Value());
    c.SeaTemp = kSeaTemp;
    c.BayStartTemp = c.SeaTemp;
    c.InflowRate = kInflowRateDefault;
    c.InflowTemp = kInflowTempDefault;
    c.InflowLoad = InflowLoadOf(c.InflowRate.Value(), c.InflowTemp.Value());
    c.VolumeFactor = 1.0;
    c.SectionFactor = 1.0;
    c.InflowFactor = 1.0;
    c.InflowTempFactor = 1.f;
    return c;
}

}  // namespace tidewell
