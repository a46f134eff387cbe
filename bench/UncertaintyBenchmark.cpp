// 1000 samples of the default case with all six basic conditions spread
// +-10 % uniform: on every core, and on one worker thread.
#include <benchmark/benchmark.h>

#include "case/MessageLog.h"
#include "session/CaseFileCommands.h"
#include "session/Uncertainty.h"

namespace {

using namespace tidewell;

void Samples(benchmark::State& state, unsigned threads) {
    MessageLog messages;
    model::MainModel model(messages, "");
    model.FormLoad();
    const CaseFile theCase = session::CaseOfModel(model);
    session::UncertaintyPlan plan{.Samples = 1000, .Threads = threads};
    plan.Spread.fill({engine::SpreadShape::Uniform, 10.0});
    for (auto _ : state)
        benchmark::DoNotOptimize(session::RunUncertainty(theCase, plan).Samples.size());
}

void SamplesOnAllCores(benchmark::State& state) {
    Samples(state, 0);
}
BENCHMARK(SamplesOnAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();

void SamplesOnOneThread(benchmark::State& state) {
    Samples(state, 1);
}
BENCHMARK(SamplesOnOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
