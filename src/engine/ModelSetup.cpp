#include "ModelSetup.h"

#include <cmath>

#include "case/DecimalRounding.h"

namespace tidewell::engine {
namespace {

constexpr double kMaxBayLength = 200000;     // m
constexpr double kMouthVelocityLimit = 1.0;  // m/s
constexpr int kSegments = 5;

const Message kFlowLimitWarning{MessageId::FlowLimit, {}};
const Message kNoMouthSection{MessageId::NoMouthSection, {}};

// The chain 1-2-3-4-5-6: five bay cells from the head, then the outer sea.
void BuildGrid(ModelState& m) {
    m.BayBoxCount = 5;
    m.SeaBoxCount = 1;
    m.CellCount = m.BayBoxCount + m.SeaBoxCount;
    for (int n = 1; n <= m.CellCount; ++n) {
        int count = 0;
        if (n > 1)
            m.Neighbour[n][++count] = n - 1;
        if (n < m.CellCount)
            m.Neighbour[n][++count] = n + 1;
        m.NeighbourCount[n] = static_cast<std::int16_t>(count);
    }
}

void SetScales(const CaseRecord& c, ModelState& m) {
    m.BayVolumeM3 = c.VolumeFactor * (1000000000 * c.BayVolume);
    m.BayAreaM2 = 1000000 * c.BayArea.Value();
    m.MouthSectionM2 = c.SectionFactor * (static_cast<double>(c.MouthSection) * 1000000);
    m.BayLength = std::pow(m.BayAreaM2, 0.5);
    if (m.BayLength > kMaxBayLength)
        m.BayLength = kMaxBayLength;
    m.HeadSideLength = 0 * m.BayLength;
    m.SeaSideLength = static_cast<float>(1.0 * m.BayLength);
    m.EffectiveInflow = c.InflowFactor * c.InflowRate.Value();
    // Four-thirds law with the length in centimetres, in cm2/s.
    m.EddyDiffusivity = static_cast<float>(0.01 * std::pow(100 * m.BayLength, 4.0 / 3.0));
}

// The step is the shorter of the times the mouth velocity and the eddy
// diffusion need to cross one segment, in whole minutes.
void SetTimeStep(ModelState& m) {
    const double segment = m.BayLength / kSegments;
    double advectionTime = 0;
    if (m.MouthVelocity != 0)
        advectionTime = segment / m.MouthVelocity;
    const double diffusionTime =
        0.5 * (segment * segment) / (static_cast<double>(m.EddyDiffusivity) / 10000);
    m.TimeStep = diffusionTime / 60;
    m.AdvectionSetsStep = m.MouthVelocity != 0 && advectionTime < diffusionTime;
    if (m.AdvectionSetsStep)
        m.TimeStep = advectionTime / 60;
    m.TimeStep = RoundDecimals(m.TimeStep, 0);
}

// Ten residence times at the unscaled inflow rate, in whole days.
void SetCalcDays(const CaseRecord& c, ModelState& m) {
    m.CalcDays = 0;
    const double inflowRate = c.InflowRate.Value();
    if (inflowRate != 0) {
        const float residenceDays = static_cast<float>(m.BayVolumeM3 / inflowRate / 86400);
        m.CalcDays = 10 * static_cast<double>(residenceDays);
    }
    m.CalcDays = RoundDecimals(m.CalcDays, 0);
}

void SetInitialState(const CaseRecord& c, ModelState& m) {
    m.ComponentCount = 1;
    for (int n = 1; n <= m.CellCount; ++n)
        m.CellConc[kTemperature][n] = c.SeaTemp.Value();
    m.LoadReductionPercent[kTemperature] = 0;
    m.InflowConc[kTemperature] = static_cast<double>(c.InflowTempFactor) * c.InflowTemp.Value();
    // 86.4 = 86400 s per day / 1000: the head cell's load in thousands per day.
    m.DailyLoad[kTemperature][1] = 86.4 * (m.EffectiveInflow * m.InflowConc[kTemperature]);
}

}  // namespace

bool SetUpModel(const CaseRecord& record, ModelState& model, MessageSink& messages) {
    BuildGrid(model);
    SetScales(record, model);
    if (model.MouthSectionM2 == 0) {
        messages.Show(kNoMouthSection);
        return false;
    }
    model.MouthVelocity = model.EffectiveInflow / model.MouthSectionM2;
    if (model.MouthVelocity > kMouthVelocityLimit)
        messages.Show(kFlowLimitWarning);
    SetTimeStep(model);
    SetCalcDays(record, model);
    BuildGeometry(model);
    BuildFlows(model);
    BuildExchange(model);
    BuildStepPlan(model);
    SetInitialState(record, model);
    return true;
}

}  // namespace tidewell::engine
