// Speed of the engine: one default-case run without the report file, and one
// time step. The default run takes 12623 steps.
#include <benchmark/benchmark.h>

#include "case/CaseRecord.h"
#include "engine/ModelSetup.h"
#include "engine/RunDriver.h"
#include "engine/TransportStep.h"

namespace {

using namespace tidewell;

class SilentMessages final : public MessageSink {
  public:
    void Show(const Message&) override {}
};

void DefaultRun(benchmark::State& state) {
    const CaseRecord record = DefaultCase();
    engine::ModelState model;
    engine::NoReport report;
    SilentMessages messages;
    for (auto _ : state) {
        const engine::RunResult result = engine::RunCalculation(record, model, report, messages);
        benchmark::DoNotOptimize(result.StepsDone);
        benchmark::DoNotOptimize(model.BayMeanConc[engine::kTemperature]);
    }
    state.counters["ns_per_step"] = benchmark::Counter(
        12623, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(DefaultRun)->Unit(benchmark::kMicrosecond);

void OneStep(benchmark::State& state) {
    engine::ModelState model;
    SilentMessages messages;
    engine::ResetModel(model);
    engine::SetUpModel(DefaultCase(), model, messages);
    engine::UpdateLoads(model);
    for (auto _ : state) {
        engine::AdvanceStep(model);
        benchmark::DoNotOptimize(model.CellConc[engine::kTemperature][1]);
    }
}
BENCHMARK(OneStep);

// The yardstick: the same arithmetic as one step, written as a plain loop over
// the hard-coded chain of five cells and the sea, with no tables at all.
struct PlainChain {
    double Conc[7];
    double Volume, Flow, Exchange, Load, Dt;
};

void PlainStep(PlainChain& p) {
    float rates[5][7] = {};
    const double offsets[5] = {0, 0, p.Dt * 0.5, p.Dt * 0.5, p.Dt};
    for (int s = 1; s <= 4; ++s) {
        const double h = offsets[s];
        for (int i = 1; i <= 5; ++i) {
            const double rateI = rates[s - 1][i];
            const double ci = p.Conc[i] + h * rateI;
            double sum = 0;
            for (int j = i - 1; j <= i + 1; j += 2) {
                if (j < 1)
                    continue;
                const double rateJ = rates[s - 1][j];
                const double cj = p.Conc[j] + h * rateJ;
                const double a =
                    j > i ? p.Flow * (0.0 * cj + 1.0 * ci) : -p.Flow * (1.0 * cj + 0.0 * ci);
                const float gap = static_cast<float>(rateI - rateJ);
                const float d = static_cast<float>(
                    p.Exchange * ((p.Conc[i] - p.Conc[j]) + h * static_cast<double>(gap)));
                sum = (sum - a) - static_cast<double>(d);
            }
            rates[s][i] = static_cast<float>((sum + (i == 1 ? p.Load : 0.0)) / p.Volume);
        }
    }
    for (int i = 1; i <= 5; ++i) {
        const double k = 2.0 * rates[2][i] + rates[1][i] + 2.0 * rates[3][i] + rates[4][i];
        p.Conc[i] = static_cast<double>(static_cast<float>(p.Dt * k / 6)) + p.Conc[i];
        if (p.Conc[i] <= 0)
            p.Conc[i] = 0;
    }
}

void PlainLoopStep(benchmark::State& state) {
    engine::ModelState model;
    SilentMessages messages;
    engine::SetUpModel(DefaultCase(), model, messages);
    engine::UpdateLoads(model);
    PlainChain chain{{},
                     model.CellVolume[1],
                     model.EffectiveInflow,
                     static_cast<double>(model.FaceExchange[1][2]),
                     model.LoadRate[1][1],
                     60 * model.TimeStep};
    for (int n = 0; n <= 6; ++n)
        chain.Conc[n] = model.CellConc[engine::kTemperature][n];
    for (auto _ : state) {
        PlainStep(chain);
        benchmark::DoNotOptimize(chain.Conc[1]);
    }
}
BENCHMARK(PlainLoopStep);

}  // namespace

BENCHMARK_MAIN();
