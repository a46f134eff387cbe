// The default run while recording its time series, against DefaultRun.
#include <benchmark/benchmark.h>

#include "engine/RunDriver.h"
#include "engine/TimeSeries.h"

namespace {

using namespace tidewell;

class SilentSink final : public MessageSink {
  public:
    void Show(const Message&) override {}
};

void DefaultRunRecording(benchmark::State& state) {
    const CaseRecord record = DefaultCase();
    engine::ModelState model;
    engine::NoReport report;
    SilentSink messages;
    engine::TimeSeries series;
    for (auto _ : state) {
        const engine::RunResult result =
            engine::RunCalculation(record, model, report, messages, {}, &series);
        benchmark::DoNotOptimize(result.StepsDone);
        benchmark::DoNotOptimize(series.Rows().back().Cells[0]);
    }
}
BENCHMARK(DefaultRunRecording)->Unit(benchmark::kMicrosecond);

}  // namespace
