#include <gtest/gtest.h>

#include <bit>
#include <chrono>

#include "EngineFixtures.h"
#include "case/BasicValue.h"
#include "engine/BatchRunner.h"
#include "engine/MultiplierSweep.h"

namespace tidewell {
namespace {

CaseRecord SmallBay(double area) {
    CaseRecord record = DefaultCase();
    record.BayArea = BasicValue(area);
    record.BayVolume = BayVolumeOf(area, record.MeanDepth.Value());
    return record;
}

// Each outcome equals one run of the same case on this thread, bit for bit,
// whatever worker ran it and in whatever order.
TEST(BatchRunner, EveryOutcomeEqualsASingleRunOfItsCase) {
    std::vector<CaseRecord> cases;
    for (const SweepCombination& c : AllCombinations()) {
        if (c.Inflow == 1 || (c.Section + c.InflowTemp + c.Inflow) % 9 != 0)
            continue;  // a spread of the sweep, without its longest runs
        cases.push_back(WithCombination(DefaultCase(), c));
    }
    cases.push_back(SmallBay(20));  // diverges
    cases.push_back(SmallBay(1000));
    ASSERT_GT(cases.size(), 20u);

    const std::vector<BatchOutcome> outcomes = RunBatch(cases, {}, 3);
    ASSERT_EQ(outcomes.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        ModelState model;
        RecordedReport report;
        RecordedMessages messages;
        const RunResult single = RunCalculation(cases[i], model, report, messages);
        SCOPED_TRACE(i);
        EXPECT_EQ(outcomes[i].Run.Status, single.Status);
        EXPECT_EQ(outcomes[i].Run.StepCount, single.StepCount);
        EXPECT_EQ(outcomes[i].TimeStep, model.TimeStep);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(outcomes[i].Mean),
                  std::bit_cast<std::uint64_t>(model.BayMeanConc[kTemperature]));
        for (int k = 1; k <= kBayCellCount; ++k)
            EXPECT_EQ(outcomes[i].Cells[static_cast<std::size_t>(k - 1)],
                      model.CellConc[kTemperature][k]);
        EXPECT_EQ(outcomes[i].Messages, messages.Shown);
    }
    EXPECT_EQ(outcomes[cases.size() - 2].Run.Status, RunStatus::Unstable);
}

// A batch of runs that would take hours ends soon after the progress
// callback asks it to, with every unfinished case marked as cancelled.
TEST(BatchRunner, CancelStopsRunningAndWaitingCases) {
    CaseRecord slow = DefaultCase();
    slow.InflowRate = BasicValue(1e-7);
    slow.InflowLoad = InflowLoadOf(1e-7, slow.InflowTemp.Value());
    const std::vector<CaseRecord> cases(6, slow);
    std::size_t calls = 0;
    const auto started = std::chrono::steady_clock::now();
    const std::vector<BatchOutcome> outcomes = RunBatch(
        cases, [&](std::size_t, std::size_t) { return ++calls < 3; }, 2);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    EXPECT_EQ(calls, 3u);
    for (const BatchOutcome& outcome : outcomes)
        EXPECT_EQ(outcome.Run.Status, RunStatus::Cancelled);
}

TEST(MultiplierSweep, CoversEveryEntryOfEveryListOnce) {
    const std::vector<SweepCombination> all = AllCombinations();
    ASSERT_EQ(all.size(), 7u * 8u * 8u);
    EXPECT_EQ(all[1], (SweepCombination{0, 0, 1}));
    EXPECT_EQ(all.back(), (SweepCombination{6, 7, 7}));
    const CaseRecord last = WithCombination(DefaultCase(), all.back());
    EXPECT_EQ(last.SectionFactor, 2.0);
    EXPECT_EQ(last.InflowTempFactor, 5.0f);
    EXPECT_EQ(last.InflowFactor, 5.0);
}

}  // namespace
}  // namespace tidewell
