// Checks the run's stability test against plain stepping: random cases (bay
// areas 20-2000 km2, inflows 1-40000 m3/s, every multiplier), each stepped
// without any check, then compared with what the test predicts before the
// first step. Usage: tidewell_stability_scan [cases] [seed] [step cap]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
#include <string>

#include "case/CaseInput.h"
#include "case/CaseRecord.h"
#include "case/Multipliers.h"
#include "case/NumberText.h"
#include "case/NumericText.h"
#include "engine/ModelSetup.h"
#include "engine/RunDriver.h"
#include "engine/StepStability.h"
#include "engine/TransportStep.h"

namespace {

using namespace tidewell;

class SilentMessages final : public MessageSink {
  public:
    void Show(const Message&) override {}
};

struct Outcome {
    double Radius = 0;
    bool Settled = false;  // plain stepping ends finite and inside the range
    double Excursion = 0;  // how far the end state lies outside the range
    bool Capped = false;
    bool Predicted = false;  // the test says "unstable" before the first step
    bool RadiusAbove1 = false;
    bool RunFlagged = false;  // the run driver's verdict
    bool SameCells = true;    // a completed run matches the plain stepping bit for bit
    bool AdvectionSetsStep = false;
    double Mean = 0;
};

double Pick(std::mt19937_64& random, std::span<const std::string_view> entries) {
    std::uniform_int_distribution<size_t> index(0, entries.size() - 1);
    return LeadingNumber(std::string(entries[index(random)]));
}

Outcome Check(const CaseRecord& record, std::int64_t cap) {
    Outcome out;
    engine::ModelState model;
    SilentMessages messages;
    engine::ResetModel(model);
    engine::SetUpModel(record, model, messages);
    engine::UpdateLoads(model);
    out.AdvectionSetsStep = model.AdvectionSetsStep;
    out.Radius = engine::SpectralRadius(engine::StepAmplification(model));
    out.RadiusAbove1 = out.Radius > 1;
    std::int64_t steps =
        static_cast<std::int64_t>(engine::StepCountOf(model.CalcDays, model.TimeStep));
    out.Predicted = engine::StepBlowsUp(model, steps);
    if (steps > cap) {
        steps = cap;
        out.Capped = true;
    }
    for (std::int64_t n = 0; n < steps; ++n)
        engine::AdvanceStep(model);
    const double sea = record.SeaTemp.Value();
    const double inflow = model.InflowConc[engine::kTemperature];
    out.Settled = true;
    for (int i = 1; i <= 5; ++i) {
        const double t = model.CellConc[engine::kTemperature][i];
        if (!std::isfinite(t)) {
            out.Settled = false;
            out.Excursion = INFINITY;
            continue;
        }
        const double beyond = std::max(std::min(sea, inflow) - t, t - std::max(sea, inflow));
        out.Excursion = std::max(out.Excursion, beyond);
    }
    if (out.Excursion > engine::EndRangeTolerance(sea, inflow))
        out.Settled = false;
    if (!out.Capped) {
        engine::ModelState guarded;
        engine::NoReport report;
        const engine::RunResult run = engine::RunCalculation(record, guarded, report, messages);
        out.RunFlagged = run.Status == engine::RunStatus::Unstable;
        if (run.Status == engine::RunStatus::Completed) {
            for (int i = 1; i <= 5; ++i)
                out.SameCells = out.SameCells && guarded.CellConc[engine::kTemperature][i] ==
                                                     model.CellConc[engine::kTemperature][i];
            out.Mean = guarded.BayMeanConc[engine::kTemperature];
        }
    } else {
        out.RunFlagged = out.Predicted || !out.Settled;
    }
    return out;
}

double RadiusOf(const CaseRecord& record) {
    engine::ModelState model;
    SilentMessages messages;
    engine::ResetModel(model);
    engine::SetUpModel(record, model, messages);
    return engine::SpectralRadius(engine::StepAmplification(model));
}

// The unstable message's advice, each change on its own: a shorter bay mouth
// (half), a larger bay (double) and, when advection sets the step, a larger
// inflow (double); when diffusion does, a smaller one (half) is not advised.
bool AdviceHelps(const CaseRecord& record, bool advection, double radius) {
    CaseRecord shorter = record;
    ApplyInput(shorter, BasicInput::MouthLength, DisplayText(record.MouthLength.Value() / 2));
    CaseRecord larger = record;
    ApplyInput(larger, BasicInput::BayArea, DisplayText(record.BayArea.Value() * 2));
    bool helps = RadiusOf(shorter) < radius && RadiusOf(larger) < radius;
    if (advection) {
        CaseRecord faster = record;
        ApplyInput(faster, BasicInput::InflowRate, DisplayText(record.InflowRate.Value() * 2));
        helps = helps && RadiusOf(faster) < radius;
    }
    return helps;
}

}  // namespace

int main(int argc, char** argv) {
    const int cases = argc > 1 ? std::atoi(argv[1]) : 3000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    const std::int64_t cap = argc > 3 ? std::atoll(argv[3]) : 2000000;
    const bool verbose = std::getenv("SCAN_VERBOSE") != nullptr;
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> logArea(std::log(20.0), std::log(2000.0));
    std::uniform_real_distribution<double> logInflow(std::log(1.0), std::log(40000.0));

    int adviceHelps[2] = {}, adviceCases[2] = {};
    int settled = 0, diverged = 0, radiusAgree = 0, predicted = 0, predictedSettled = 0, capped = 0,
        runAgree = 0, sameCells = 0;
    double smallestUnstableRadius = INFINITY, largestStableRadius = 0, worstExcursion = 0;
    for (int k = 0; k < cases; ++k) {
        CaseRecord record = DefaultCase();
        char text[64];
        std::snprintf(text, sizeof text, "%.6g", std::exp(logArea(random)));
        const std::string area = text;
        ApplyInput(record, BasicInput::BayArea, area);
        std::snprintf(text, sizeof text, "%.6g", std::exp(logInflow(random)));
        const std::string inflow = text;
        ApplyInput(record, BasicInput::InflowRate, inflow);
        record.SectionFactor = Pick(random, ListEntries(MultiplierList::SectionFactor));
        record.InflowTempFactor =
            static_cast<float>(Pick(random, ListEntries(MultiplierList::InflowTempFactor)));
        record.InflowFactor = Pick(random, ListEntries(MultiplierList::InflowFactor));
        const Outcome out = Check(record, cap);
        capped += out.Capped;
        (out.Settled ? settled : diverged) += 1;
        radiusAgree += out.RadiusAbove1 == !out.Settled;
        predicted += out.Predicted;
        predictedSettled += out.Predicted && out.Settled;
        if (!out.Settled) {
            const int regime = out.AdvectionSetsStep ? 1 : 0;
            ++adviceCases[regime];
            adviceHelps[regime] += AdviceHelps(record, out.AdvectionSetsStep, out.Radius);
        }
        runAgree += out.RunFlagged == !out.Settled;
        sameCells += out.SameCells;
        if (out.Settled) {
            largestStableRadius = std::max(largestStableRadius, out.Radius);
            worstExcursion = std::max(worstExcursion, out.Excursion);
        } else {
            smallestUnstableRadius = std::min(smallestUnstableRadius, out.Radius);
        }
        if (verbose || out.RunFlagged == out.Settled || out.RadiusAbove1 == out.Settled) {
            std::printf(
                "%s area %s inflow %s sf %.1f tf %.1f if %.1f radius %.12f %s %s "
                "excursion %.3g mean %.17g%s\n",
                out.RunFlagged == out.Settled     ? "DISAGREE"
                : out.RadiusAbove1 == out.Settled ? "radius-only"
                                                  : "case",
                area.c_str(), inflow.c_str(), record.SectionFactor,
                static_cast<double>(record.InflowTempFactor), record.InflowFactor, out.Radius,
                out.Settled ? "settles" : "diverges",
                out.AdvectionSetsStep ? "advection" : "diffusion", out.Excursion, out.Mean,
                out.Capped ? " (capped)" : "");
        }
    }
    std::printf("cases %d (seed %u, step cap %lld, %d capped): settled %d, diverged %d\n", cases,
                seed, static_cast<long long>(cap), capped, settled, diverged);
    std::printf(
        "flagged before the first step: %d, of which settle: %d; radius above 1 agrees "
        "with plain stepping: %d/%d; run verdict agrees: %d/%d; completed runs equal to "
        "plain stepping: %d/%d\n",
        predicted, predictedSettled, radiusAgree, cases, runAgree, cases, sameCells, cases);
    std::printf(
        "advice for diverging cases (radius lowered by the advised change, by halving "
        "or doubling): advection-set step %d/%d, diffusion-set step %d/%d\n",
        adviceHelps[1], adviceCases[1], adviceHelps[0], adviceCases[0]);
    std::printf(
        "largest radius of a settling case %.12f; smallest radius of a diverging case "
        "%.12f; worst end excursion of a settling case %.3g degC\n",
        largestStableRadius, smallestUnstableRadius, worstExcursion);
    return predictedSettled == 0 && runAgree == cases && sameCells == cases ? 0 : 1;
}
