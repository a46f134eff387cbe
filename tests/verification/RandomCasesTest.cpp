// A check over random cases that needs no table of expected numbers: the steady
// state is where a long run ends.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>

#include "engine/RunDriver.h"
#include "engine/SteadyState.h"
#include "engine/TransportStep.h"
#include "session/TypedInputs.h"

namespace tidewell {
namespace {

constexpr int kCaseCount = 40;
constexpr int kLongerRun = 20;           // times the planned step count
constexpr double kSettledWithin = 1e-6;  // °C

std::string Text(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return text;
}

// Cases spread over the inputs' usual ranges, typed as a user would; the same
// ones on every run of the test.
std::vector<CaseRecord> RandomCases() {
    std::mt19937 random(20261207);
    const auto between = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    std::vector<CaseRecord> cases;
    while (cases.size() < kCaseCount) {
        session::TypedInputs inputs;
        inputs.Set("bay-area", Text(between(30, 3000)));
        inputs.Set("mean-depth", Text(between(2, 40)));
        inputs.Set("mouth-length", Text(between(1, 25)));
        inputs.Set("sea-temp", Text(between(0, 30)));
        inputs.Set("inflow-temp", Text(between(0, 30)));
        inputs.Set("inflow-rate", Text(between(20, 3000)));
        MessageLog log;
        model::MainModel model(log, "");
        model.FormLoad();
        if (!session::ApplyInputs(model, log, inputs))
            cases.push_back(model.Record());
    }
    return cases;
}

// Run 20 times longer than planned, a stable case ends where the steady state
// says it settles.
TEST(RandomCases, StableRunsSettleAtTheSteadyState) {
    int stable = 0;
    for (const CaseRecord& record : RandomCases()) {
        engine::ModelState bay;
        engine::NoReport report;
        MessageLog log;
        const engine::RunResult run = engine::RunCalculation(record, bay, report, log);
        if (run.Status != engine::RunStatus::Completed)
            continue;
        ++stable;
        const auto steady = engine::SteadyState(bay);
        for (std::int64_t step = run.StepCount; step < kLongerRun * run.StepCount; ++step)
            engine::AdvanceStep(bay);
        for (int cell = 1; cell <= engine::kBayCellCount; ++cell) {
            EXPECT_NEAR(bay.CellConc[engine::kTemperature][cell], steady[cell - 1], kSettledWithin)
                << "cell " << cell << ", " << run.StepCount << " steps, area "
                << record.BayArea.Value();
        }
    }
    EXPECT_GE(stable, kCaseCount / 2);  // the check has enough cases to mean something
}

}  // namespace
}  // namespace tidewell
