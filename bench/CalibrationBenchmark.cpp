// Solving the default case for the inflow multiplier that gives a bay mean of
// 17.5 degC: the scan on every core, then the refinement one run at a time.
// The goal is well under half a second; the counter gives the runs it took.
#include <benchmark/benchmark.h>

#include "session/Calibration.h"

namespace {

using namespace tidewell;

void SolveInflowFactorForMean(benchmark::State& state) {
    const session::CalibrationRequest request{{}, MultiplierList::InflowFactor, {17.5, {}}};
    int runs = 0;
    for (auto _ : state) {
        const session::Calibration solved = session::Calibrate(request);
        runs = solved.Runs;
        benchmark::DoNotOptimize(solved.Value);
    }
    state.counters["runs"] = runs;
}
BENCHMARK(SolveInflowFactorForMean)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
