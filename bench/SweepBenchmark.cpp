// The multiplier sweep of the default case (448 runs): on every core through
// the batch runner, and one run after another on one core.
#include <benchmark/benchmark.h>

#include "engine/BatchRunner.h"
#include "engine/MultiplierSweep.h"

namespace {

using namespace tidewell;

std::vector<CaseRecord> DefaultSweep() {
    std::vector<CaseRecord> cases;
    for (const SweepCombination& c : AllCombinations())
        cases.push_back(WithCombination(DefaultCase(), c));
    return cases;
}

void SweepOnAllCores(benchmark::State& state) {
    const std::vector<CaseRecord> cases = DefaultSweep();
    for (auto _ : state)
        benchmark::DoNotOptimize(RunBatch(cases).size());
}
BENCHMARK(SweepOnAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();

void SweepOneAfterAnother(benchmark::State& state) {
    const std::vector<CaseRecord> cases = DefaultSweep();
    for (auto _ : state) {
        for (const CaseRecord& record : cases)
            benchmark::DoNotOptimize(RunOneCase(record).Mean);
    }
}
BENCHMARK(SweepOneAfterAnother)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
