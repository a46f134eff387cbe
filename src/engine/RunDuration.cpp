#include "RunDuration.h"

#include <algorithm>
#include <atomic>
#include <chrono>

#include "ModelSetup.h"
#include "TransportStep.h"

namespace tidewell::engine {
namespace {

constexpr int kSamples = 9;
constexpr int kStepsPerSample = 1024;

class SilentMessages final : public MessageSink {
  public:
    void Show(const Message&) override {}
};

double MeasureSecondsPerStep() {
    ModelState model;
    SilentMessages silent;
    ResetModel(model);
    SetUpModel(DefaultCase(), model, silent);
    UpdateLoads(model);
    std::vector<double> samples;
    for (int sample = 0; sample < kSamples; ++sample) {
        const auto start = std::chrono::steady_clock::now();
        for (int step = 0; step < kStepsPerSample; ++step)
            AdvanceStep(model);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        samples.push_back(elapsed.count() / kStepsPerSample);
    }
    const double median = Median(std::move(samples));
    return median > 0 ? median : 1e-9;  // a clock too coarse to see them
}

// 0 until a run has gone long enough.
std::atomic<double> RunPace{0.0};

}  // namespace

double Median(std::vector<double> samples) {
    if (samples.empty())
        return 0.0;
    const std::size_t middle = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + static_cast<long>(middle), samples.end());
    if (samples.size() % 2 == 1)
        return samples[middle];
    const double upper = samples[middle];
    const double lower =
        *std::max_element(samples.begin(), samples.begin() + static_cast<long>(middle));
    return (lower + upper) / 2;
}

double SecondsPerStep() {
    const double pace = RunPace.load();
    if (pace > 0)
        return pace;
    static const double measured = MeasureSecondsPerStep();
    return measured;
}

void NoteRunPace(std::int64_t steps, double seconds) {
    if (steps > 0 && seconds >= kPaceAfterSeconds)
        RunPace.store(seconds / static_cast<double>(steps));
}

}  // namespace tidewell::engine
