// Checks the run's stability verdict against plain stepping. Two sets of
// cases: random ones (bay areas 20-2000 km2, inflows 1-40000 m3/s, every
// multiplier, some temperatures drawn too) and ones chosen near the limit,
// whose step changes a disturbance by a factor between e^-5 and e^50 over the
// run (small bays, any depth and mouth, a third with a boundary at 0 degC).
// For each, the run driver's verdict is compared with the reference: stepping
// without any check for twenty times the run's steps, or for as long as a
// stable step needs to shrink a disturbance e^30-fold, settles (every cell
// finite and within 0.005 degC of the analytic steady state) or not. A
// completed run must also equal plain stepping over its steps bit for bit.
// Usage: tidewell_stability_scan [random cases] [near-limit cases] [seed] [step cap]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
#include <string>

#include "case/CaseInput.h"
#include "case/CaseRecord.h"
#include "case/DecimalRounding.h"
#include "case/Multipliers.h"
#include "case/NumericText.h"
#include "engine/ModelSetup.h"
#include "engine/RunDriver.h"
#include "engine/SteadyState.h"
#include "engine/StepStability.h"
#include "engine/TransportStep.h"

namespace {

using namespace tidewell;

class SilentMessages final : public MessageSink {
  public:
    void Show(const Message&) override {}
};

constexpr int kReferenceFactor = 20;
constexpr double kReferenceDecay = 30;    // ln of the shrinking a stable step must reach
constexpr double kSettledWithin = 0.005;  // degC

struct Outcome {
    bool Runs = false;     // the case can be set up and stepped within the cap
    double LogGrowth = 0;  // N ln(radius)
    bool Settles = false;  // the reference
    bool Flagged = false;  // the run driver's verdict
    bool SameCells = true;
    bool ShownAsSettled = true;  // a completed run's shown mean is the steady state's
    double Mean = 0;
};

double Pick(std::mt19937_64& random, std::span<const std::string_view> entries) {
    std::uniform_int_distribution<size_t> index(0, entries.size() - 1);
    return LeadingNumber(std::string(entries[index(random)]));
}

bool SetUp(const CaseRecord& record, engine::ModelState& model) {
    SilentMessages messages;
    engine::ResetModel(model);
    if (!engine::SetUpModel(record, model, messages) || model.TimeStep == 0)
        return false;
    engine::UpdateLoads(model);
    return true;
}

std::int64_t StepsOf(const engine::ModelState& model) {
    return static_cast<std::int64_t>(engine::StepCountOf(model.CalcDays, model.TimeStep));
}

double LogGrowthOf(const CaseRecord& record, std::int64_t cap) {
    engine::ModelState model;
    if (!SetUp(record, model) || StepsOf(model) > cap)
        return NAN;
    return static_cast<double>(StepsOf(model)) *
           std::log(engine::SpectralRadius(engine::StepAmplification(model)));
}

Outcome Check(const CaseRecord& record, std::int64_t cap) {
    Outcome out;
    engine::ModelState model;
    if (!SetUp(record, model))
        return out;
    const std::int64_t steps = StepsOf(model);
    if (steps > cap || steps <= 0)
        return out;
    out.Runs = true;
    const double logRadius = std::log(engine::SpectralRadius(engine::StepAmplification(model)));
    out.LogGrowth = static_cast<double>(steps) * logRadius;
    // A slowly shrinking step settles in more than twenty runs' steps.
    std::int64_t referenceSteps = kReferenceFactor * steps;
    if (logRadius < 0)
        referenceSteps = std::max(
            referenceSteps, static_cast<std::int64_t>(std::min(kReferenceDecay / -logRadius,
                                                               kReferenceFactor * 50.0 * cap)));
    const auto steady = engine::SteadyState(model);
    double steadyMean = 0;
    for (double t : steady)
        steadyMean += t / 5;

    for (std::int64_t n = 0; n < steps; ++n)
        engine::AdvanceStep(model);
    engine::ModelState plain = model;
    for (std::int64_t n = steps; n < referenceSteps; ++n)
        engine::AdvanceStep(model);
    out.Settles = true;
    for (int i = 1; i <= 5; ++i) {
        const double t = model.CellConc[engine::kTemperature][i];
        out.Settles =
            out.Settles && std::fabs(t - steady[static_cast<size_t>(i - 1)]) <= kSettledWithin;
    }

    engine::ModelState guarded;
    SilentMessages messages;
    engine::NoReport report;
    const engine::RunResult run = engine::RunCalculation(record, guarded, report, messages);
    out.Flagged = run.Status == engine::RunStatus::Unstable;
    if (run.Status == engine::RunStatus::Completed) {
        for (int i = 1; i <= 5; ++i)
            out.SameCells = out.SameCells && guarded.CellConc[engine::kTemperature][i] ==
                                                 plain.CellConc[engine::kTemperature][i];
        out.Mean = guarded.BayMeanConc[engine::kTemperature];
        out.ShownAsSettled = RoundDecimals(out.Mean, 2) == RoundDecimals(steadyMean, 2);
    }
    return out;
}

void Type(CaseRecord& record, BasicInput input, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    ApplyInput(record, input, text);
}

CaseRecord RandomCase(std::mt19937_64& random) {
    std::uniform_real_distribution<double> logArea(std::log(20.0), std::log(2000.0));
    std::uniform_real_distribution<double> logInflow(std::log(1.0), std::log(40000.0));
    std::uniform_real_distribution<double> temp(0, 30);
    CaseRecord record = DefaultCase();
    Type(record, BasicInput::BayArea, std::exp(logArea(random)));
    Type(record, BasicInput::InflowRate, std::exp(logInflow(random)));
    if (random() % 2 == 0) {
        Type(record, BasicInput::SeaTemp, temp(random));
        Type(record, BasicInput::InflowTemp, temp(random));
    }
    record.SectionFactor = Pick(random, ListEntries(MultiplierList::SectionFactor));
    record.InflowTempFactor =
        static_cast<float>(Pick(random, ListEntries(MultiplierList::InflowFactor)));
    record.InflowFactor = Pick(random, ListEntries(MultiplierList::InflowFactor));
    return record;
}

// A case whose step changes a disturbance by e^-5 to e^50 over the run.
CaseRecord NearLimitCase(std::mt19937_64& random, std::int64_t cap, int& draws) {
    std::uniform_real_distribution<double> logArea(std::log(2.0), std::log(500.0));
    std::uniform_real_distribution<double> logDepth(std::log(1.0), std::log(80.0));
    std::uniform_real_distribution<double> mouth(1, 30);
    std::uniform_real_distribution<double> logInflow(std::log(1.0), std::log(40000.0));
    std::uniform_real_distribution<double> temp(0, 30);
    for (;;) {
        ++draws;
        CaseRecord record = DefaultCase();
        Type(record, BasicInput::BayArea, std::exp(logArea(random)));
        Type(record, BasicInput::MeanDepth, std::exp(logDepth(random)));
        Type(record, BasicInput::MouthLength, mouth(random));
        Type(record, BasicInput::InflowRate, std::exp(logInflow(random)));
        const int zeroes = static_cast<int>(random() % 6);  // 0: sea at 0, 1: inflow, 2: both
        Type(record, BasicInput::SeaTemp, zeroes == 0 || zeroes == 2 ? 0.0 : temp(random));
        Type(record, BasicInput::InflowTemp, zeroes == 1 || zeroes == 2 ? 0.0 : temp(random));
        record.SectionFactor = Pick(random, ListEntries(MultiplierList::SectionFactor));
        record.InflowTempFactor =
            static_cast<float>(Pick(random, ListEntries(MultiplierList::InflowFactor)));
        record.InflowFactor = Pick(random, ListEntries(MultiplierList::InflowFactor));
        const double growth = LogGrowthOf(record, cap);
        if (growth >= -5 && growth <= 50)
            return record;
    }
}

struct Tally {
    int Cases = 0, Settle = 0, Diverge = 0, FlaggedSettling = 0, PassedDiverging = 0, SameCells = 0,
        Completed = 0, ShownAsSettled = 0, AmplifyingPassed = 0;

    void Add(const Outcome& out) {
        ++Cases;
        (out.Settles ? Settle : Diverge) += 1;
        FlaggedSettling += out.Flagged && out.Settles;
        PassedDiverging += !out.Flagged && !out.Settles;
        SameCells += !out.Flagged && out.SameCells;
        Completed += !out.Flagged;
        ShownAsSettled += !out.Flagged && out.ShownAsSettled;
        AmplifyingPassed += !out.Flagged && out.LogGrowth > 0;
    }

    void Print(const char* name) const {
        std::printf(
            "%s: %d cases; reference settles %d, does not %d; refused yet settles %d; passed "
            "yet does not settle %d; completed %d (bit-identical to plain stepping %d, shown "
            "mean equal to the steady state's %d, radius above 1 %d)\n",
            name, Cases, Settle, Diverge, FlaggedSettling, PassedDiverging, Completed, SameCells,
            ShownAsSettled, AmplifyingPassed);
    }
};

void Report(const CaseRecord& record, const Outcome& out, bool verbose) {
    const bool disagree = out.Flagged == out.Settles;
    if (!verbose && !disagree)
        return;
    std::printf(
        "%s area %.6g depth %.6g mouth %.6g sea %.6g inflow-temp %.6g inflow %.6g sf %.1f tf "
        "%.1f if %.1f growth e^%.3f %s %s mean %.17g\n",
        disagree ? "DISAGREE" : "case", record.BayArea.Value(), record.MeanDepth.Value(),
        record.MouthLength.Value(), record.SeaTemp.Value(), record.InflowTemp.Value(),
        record.InflowRate.Value(), record.SectionFactor,
        static_cast<double>(record.InflowTempFactor), record.InflowFactor, out.LogGrowth,
        out.Settles ? "settles" : "does-not-settle", out.Flagged ? "refused" : "passed", out.Mean);
}

}  // namespace

int main(int argc, char** argv) {
    const int randomCases = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int nearCases = argc > 2 ? std::atoi(argv[2]) : 300;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1;
    const std::int64_t cap = argc > 4 ? std::atoll(argv[4]) : 200000;
    const bool verbose = std::getenv("SCAN_VERBOSE") != nullptr;
    std::mt19937_64 random(seed);

    Tally randomTally, nearTally;
    int skipped = 0;
    while (randomTally.Cases < randomCases) {
        const CaseRecord record = RandomCase(random);
        const Outcome out = Check(record, cap);
        if (!out.Runs) {
            ++skipped;
            continue;
        }
        randomTally.Add(out);
        Report(record, out, verbose);
    }
    int draws = 0;
    while (nearTally.Cases < nearCases) {
        const CaseRecord record = NearLimitCase(random, cap, draws);
        const Outcome out = Check(record, cap);
        if (!out.Runs)
            continue;
        nearTally.Add(out);
        Report(record, out, verbose);
    }
    std::printf(
        "seed %u, step cap %lld (random cases over it drawn again: %d), reference %dx "
        "the run's steps or e^-%.0f for a stable step, near-limit cases from %d draws\n",
        seed, static_cast<long long>(cap), skipped, kReferenceFactor, kReferenceDecay, draws);
    randomTally.Print("random");
    nearTally.Print("near the limit");
    const bool sound = randomTally.PassedDiverging + nearTally.PassedDiverging == 0 &&
                       randomTally.SameCells == randomTally.Completed &&
                       nearTally.SameCells == nearTally.Completed;
    return sound ? 0 : 1;
}
