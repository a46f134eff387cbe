// The multiplier sweep of the default case (448 runs): on every core through
// the batch runner, and one run after another on one core.
#include <benchmark/benchmark.h>

#include "engine/BatchRunner.h"
#include "engine/MultiplierSweep.h"

namespace {

using namespace tidewell;

std::vector<CaseRecord> DefaultSweep() {
    std::vector<CaseRecord> cases;
    for (const engine::SweepCombination& c : engine::AllCombinations())
        cases.push_back(engine::WithCombination(DefaultCase(), c));
    return cases;
}

void SweepOnAllCores(benchmark::State& state) {
    const std::vector<CaseRecord> cases = DefaultSweep();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::RunBatch(cases).size());
}
BENCHMARK(SweepOnAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();

void SweepOneAfterAnother(benchmark::State& state) {
    const std::vector<CaseRecord> cases = DefaultSweep();
    for (auto _ : state) {
        for (const CaseRecord& record : cases)
            benchmark::DoNotOptimize(engine::RunOneCase(record).Mean);
    }
}
BENCHMARK(SweepOneAfterAnother)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
