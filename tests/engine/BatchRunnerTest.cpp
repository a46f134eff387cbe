#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <thread>
#include <tuple>

#include "BayCases.h"
#include "TestSupport.h"
#include "case/BasicValue.h"
#include "engine/BatchRunner.h"
#include "engine/MultiplierSweep.h"

namespace tidewell {
namespace {

using test::BayCase;

// Each outcome equals one run of the same case on this thread, bit for bit,
// whatever worker ran it and in whatever order.
TEST(BatchRunner, EveryOutcomeEqualsASingleRunOfItsCase) {
    const std::vector<engine::SweepCombination> all = engine::AllCombinations();
    ASSERT_EQ(all.size(), 7u * 8u * 8u);
    std::vector<CaseRecord> cases{BayCase(20), BayCase(1000)};  // the first diverges
    for (const engine::SweepCombination& c : all) {
        if (c.Inflow != 1 && (c.Section + c.InflowTemp + c.Inflow) % 9 == 0)
            cases.push_back(
                engine::WithCombination(DefaultCase(), c));  // a spread, without long runs
    }
    cases.push_back(engine::WithCombination(DefaultCase(), all.back()));
    const std::vector<engine::BatchOutcome> outcomes = engine::RunBatch(cases, {}, 3);
    ASSERT_EQ(outcomes.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        engine::ModelState model;
        engine::NoReport report;
        MessageLog messages;
        const engine::RunResult single = engine::RunCalculation(cases[i], model, report, messages);
        const engine::BatchOutcome& o = outcomes[i];
        EXPECT_EQ(std::tuple(o.Run.Status, o.Run.StepCount, o.TimeStep,
                             std::bit_cast<std::uint64_t>(o.Mean), o.Messages),
                  std::tuple(single.Status, single.StepCount, model.TimeStep,
                             std::bit_cast<std::uint64_t>(model.BayMeanConc[engine::kTemperature]),
                             messages.Shown))
            << i;
        EXPECT_TRUE(
            std::equal(o.Cells.begin(), o.Cells.end(), &model.CellConc[engine::kTemperature][1]))
            << i;
    }
    EXPECT_EQ(outcomes[0].Run.Status, engine::RunStatus::Unstable);
}

// A batch of runs that would take hours ends soon after the progress
// callback asks it to, with every unfinished case marked as cancelled.
TEST(BatchRunner, CancelStopsRunningAndWaitingCases) {
    const std::vector<CaseRecord> cases(6, BayCase(1000, 1e-7));
    std::size_t calls = 0;
    const auto started = std::chrono::steady_clock::now();
    const std::vector<engine::BatchOutcome> outcomes = engine::RunBatch(
        cases, [&](std::size_t, std::size_t) { return ++calls < 3; }, 2);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    EXPECT_EQ(calls, 3u);
    for (const engine::BatchOutcome& outcome : outcomes)
        EXPECT_EQ(outcome.Run.Status, engine::RunStatus::Cancelled);
}

// The progress callback runs while the workers go on: one that waits for a
// worker to start the next case sees it start.
TEST(BatchRunner, ProgressRunsWhileWorkersCount) {
    const std::vector<CaseRecord> cases{BayCase(1000, 3),
                                        BayCase(1000)};  // about a second, then short
    std::atomic<bool> secondStarted{false};
    const engine::BatchReports reports = [&](std::size_t index) {
        secondStarted = secondStarted || index == 1;
        return std::unique_ptr<engine::RunReport>();
    };
    std::optional<bool> seen;
    const engine::BatchProgress progress = [&](std::size_t, std::size_t) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!seen && !secondStarted && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        seen = seen.value_or(secondStarted);
        return true;
    };
    engine::RunBatch(cases, progress, 1, reports);
    EXPECT_EQ(seen, true);
}

}  // namespace
}  // namespace tidewell
