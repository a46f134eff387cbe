// Properties any physically sound result must have, over seeded random bays
// whose mouth keeps the closedness above 0.9.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "EngineFixtures.h"
#include "case/CaseIndices.h"
#include "case/CaseInput.h"
#include "case/Multipliers.h"
#include "case/NumericText.h"
#include "engine/ModelSetup.h"
#include "engine/RunDriver.h"
#include "engine/TransportStep.h"

namespace tidewell {
namespace {

constexpr int kCases = 300;
constexpr double kMaxSteps = 60000;  // keeps the whole suite to a few seconds

struct RandomBay {
    CaseRecord Case;
    double Steps = 0;  // for ten residence times of the effective inflow
};

std::string Text(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

RandomBay DrawBay(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    const auto between = [&](double low, double high) { return low + (high - low) * unit(random); };
    const auto pick = [&](std::span<const std::string_view> entries) {
        return LeadingNumber(entries[random() % entries.size()]);
    };
    for (;;) {
        RandomBay bay{DefaultCase()};
        CaseRecord& c = bay.Case;
        c.SectionFactor = pick(SectionFactorEntries);
        c.InflowFactor = pick(InflowFactorEntries);
        c.InflowTempFactor = static_cast<float>(pick(InflowFactorEntries));
        const double area = std::exp(between(std::log(30.0), std::log(20000.0)));
        ApplyInput(c, BasicInput::BayArea, Text(area));
        ApplyInput(c, BasicInput::MeanDepth, Text(between(1, 60)));
        // closedness sqrt(area) / (factor * length) above 0.9
        ApplyInput(c, BasicInput::MouthLength,
                   Text(between(0.05, 1) * std::sqrt(area) / (0.9 * c.SectionFactor)));
        ApplyInput(c, BasicInput::SeaTemp, Text(between(0, 30)));
        ApplyInput(c, BasicInput::InflowTemp, Text(between(0, 30)));
        ApplyInput(c, BasicInput::InflowRate, Text(between(5, 3000)));
        if (Closedness(c) <= 0.9)
            continue;

        ModelState model;
        RecordedMessages messages;
        if (!SetUpModel(c, model, messages))
            continue;
        bay.Steps =
            std::ceil(10 * model.BayVolumeM3 / model.EffectiveInflow / (60 * model.TimeStep));
        if (bay.Steps <= kMaxSteps)
            return bay;
    }
}

struct Outcome {
    ModelState Model;
    bool Stable = true;
};

// Runs ten residence times of the effective inflow (the calculation itself
// runs ten of the unscaled inflow).
Outcome RunTenResidenceTimes(const RandomBay& bay) {
    Outcome out;
    RecordedMessages messages;
    SetUpModel(bay.Case, out.Model, messages);
    const double sea = out.Model.CellConc[kTemperature][6];
    const double inflow = out.Model.InflowConc[kTemperature];
    for (double step = 0; step < bay.Steps && out.Stable; ++step) {
        UpdateLoads(out.Model);
        AdvanceStep(out.Model);
        for (int i = 1; i <= 5; ++i) {
            const double t = out.Model.CellConc[kTemperature][i];
            out.Stable = out.Stable && std::fabs(t - sea) <= 2 * std::fabs(inflow - sea) + 1;
        }
    }
    ComputeBayMean(out.Model);
    return out;
}

TEST(PhysicalInvariants, HoldForRandomClosedBays) {
    std::mt19937_64 random(20261206);
    int stable = 0;
    for (int n = 0; n < kCases; ++n) {
        const RandomBay bay = DrawBay(random);
        const Outcome out = RunTenResidenceTimes(bay);
        // A run that blows up must be refused by the calculation, not passed off.
        ModelState checked;
        RecordedMessages messages;
        NoReport report;
        const RunStatus status = RunCalculation(bay.Case, checked, report, messages).Status;
        if (!out.Stable) {
            EXPECT_EQ(status, RunStatus::Unstable) << "case " << n;
            continue;
        }
        ++stable;
        const ModelState& m = out.Model;
        const double sea = m.CellConc[kTemperature][6];
        const double inflow = m.InflowConc[kTemperature];
        const double span = std::fabs(sea - inflow);
        const double exchange = m.FaceExchange[1][2];
        const double r = exchange / (exchange + m.EffectiveInflow);
        for (int j = 1; j <= 5; ++j) {
            SCOPED_TRACE(testing::Message() << "case " << n << ", cell " << j);
            const double t = m.CellConc[kTemperature][j];
            // between the sea and the (multiplied) inflow temperature
            EXPECT_GE(t, std::min(sea, inflow) - 1e-5 - 1e-6 * span);
            EXPECT_LE(t, std::max(sea, inflow) + 1e-5 + 1e-6 * span);
            // ordered from the head, nearest the inflow, to the mouth
            const double next = m.CellConc[kTemperature][j + 1];
            EXPECT_GE((next - t) * (sea - inflow), -1e-5 * (span + 1));
            // the chain's steady state; after ten residence times what is left
            // of the start is below e^-10 of the span, plus single-precision noise
            const double steady = inflow + (sea - inflow) * std::pow(r, 6 - j);
            EXPECT_NEAR(t, steady, 1e-4 * span + 1e-5);
        }
    }
    EXPECT_GT(stable, kCases * 3 / 4);
}

TEST(PhysicalInvariants, WarmerInflowNeverCoolsTheBay) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> rise(0.01, 5);
    for (int n = 0; n < 60; ++n) {
        const RandomBay bay = DrawBay(random);
        CaseRecord warmer = bay.Case;
        ApplyInput(warmer, BasicInput::InflowTemp,
                   Text(bay.Case.InflowTemp.Value() + rise(random)));
        ModelState cool;
        ModelState warm;
        RecordedMessages messages;
        NoReport report;
        if (RunCalculation(bay.Case, cool, report, messages).Status != RunStatus::Completed ||
            RunCalculation(warmer, warm, report, messages).Status != RunStatus::Completed) {
            continue;
        }
        EXPECT_GE(warm.BayMeanConc[kTemperature], cool.BayMeanConc[kTemperature]) << "case " << n;
    }
}

}  // namespace
}  // namespace tidewell
