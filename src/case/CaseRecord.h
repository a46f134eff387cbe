#pragma once

#include <string_view>

#include "BasicValue.h"

namespace tidewell {

inline constexpr std::string_view TitleLine =
    " 閉鎖性海域水温計算 by 簡易計算モデル Tidewell_Ver110";

// One bay as the user describes it. Units: km2, m, km, degC, m3/s.
struct CaseRecord {
    BasicValue BayArea;
    BasicValue MeanDepth;
    BasicValue MouthLength;
    BasicValue MouthDepth;  // follows the mean depth
    BasicValue SeaTemp;
    BasicValue BayStartTemp;  // copy of SeaTemp; the bay frames' colour before a run
    BasicValue InflowTemp;
    BasicValue InflowRate;

    double BayVolume = 0.0;    // km3
    float MouthSection = 0.f;  // km2, held in single precision on purpose
    double InflowLoad = 0.0;   // degC m3/s

    double SectionFactor = 1.0;
    double InflowFactor = 1.0;
    float InflowTempFactor = 1.f;
    double VolumeFactor = 1.0;

    bool operator==(const CaseRecord&) const = default;
};

// The built-in case: a 1000 km2 bay, 18 m deep, a 7 km mouth, sea at 18 degC,
// a river of 331 m3/s at 15 degC, every multiplier 1. All values are numbers.
CaseRecord DefaultCase();

// Derived quantities, in the order of operations the results depend on.
double BayVolumeOf(double bayArea, double meanDepth);
float MouthSectionOf(double mouthLength, double mouthDepth);
double InflowLoadOf(double inflowRate, double inflowTemp);

}  // namespace tidewell
