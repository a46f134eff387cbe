#include "RunDuration.h"

#include <chrono>

#include "ModelSetup.h"
#include "TransportStep.h"

namespace tidewell::engine {
namespace {

constexpr int kTimedSteps = 4096;

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
    const auto start = std::chrono::steady_clock::now();
    for (int step = 0; step < kTimedSteps; ++step)
        AdvanceStep(model);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double seconds = elapsed.count();
    return seconds > 0 ? seconds / kTimedSteps : 1e-9;  // a clock too coarse to see them
}

}  // namespace

double SecondsPerStep() {
    static const double measured = MeasureSecondsPerStep();
    return measured;
}

}  // namespace tidewell::engine
