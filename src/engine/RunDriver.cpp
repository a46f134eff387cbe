#include "RunDriver.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ModelSetup.h"
#include "StepStability.h"
#include "TransportStep.h"

namespace tidewell::engine {
namespace {

constexpr std::int64_t kProgressInterval = 4096;  // steps between progress calls
// Largest step count that a double still counts exactly.
constexpr double kMaxStepCount = 9007199254740992.0;  // 2^53

const Message kZeroTimeStep{MessageId::ZeroTimeStep, {}};
const Message kTooManySteps{MessageId::TooManySteps, {}};
const Message kOutOfRange{MessageId::OutOfRange, {}};

bool ModelIsFinite(const ModelState& m) {
    if (!std::isfinite(m.TimeStep) || !std::isfinite(m.CalcDays) ||
        !std::isfinite(m.EddyDiffusivity)) {
        return false;
    }
    for (int i = 1; i <= m.BayBoxCount; ++i) {
        if (!std::isfinite(m.CellVolume[i]) || !std::isfinite(m.LoadRate[kTemperature][i])) {
            return false;
        }
        for (int f = 0; f < m.StepPlan[i].FaceCount; ++f) {
            const StepFace& face = m.StepPlan[i].Faces[f];
            if (!std::isfinite(face.Flow) || !std::isfinite(face.Exchange))
                return false;
        }
    }
    return true;
}

// In an amplifying run, whether the floor at 0 degC has just lifted a cell
// that the step took below it: a pattern grown large enough to reach the
// floor, which would otherwise hold the cells in range while they diverge.
bool FloorLifted(const ModelState& m, const CellTable<double>& before) {
    for (int i = 1; i <= m.BayBoxCount; ++i) {
        if (m.CellConc[kTemperature][i] == 0 &&
            static_cast<double>(m.StepChange[kTemperature][i]) + before[i] < 0)
            return true;
    }
    return false;
}

bool CellsAreFinite(const ModelState& m) {
    for (int i = 1; i <= m.BayBoxCount; ++i) {
        if (!std::isfinite(m.CellConc[kTemperature][i]))
            return false;
    }
    return true;
}

// The set-up and the checks before the first step: the step count, or the
// message that says why the case cannot be run (nullptr when the set-up has
// said it already).
struct Prepared {
    std::int64_t StepCount = 0;
    const Message* Refusal = nullptr;
    bool Ready = false;
};

Prepared Prepare(const CaseRecord& record, ModelState& model, MessageSink& messages) {
    Prepared p;
    ResetModel(model);
    if (!SetUpModel(record, model, messages))
        return p;
    // The loads do not change during a run: computed once, here, where they
    // can also be checked, instead of again before every step.
    UpdateLoads(model);
    if (!ModelIsFinite(model)) {
        p.Refusal = &kOutOfRange;
        return p;
    }
    if (model.TimeStep == 0) {
        p.Refusal = &kZeroTimeStep;
        return p;
    }
    const double stepCount = StepCountOf(model.CalcDays, model.TimeStep);
    if (!(stepCount <= kMaxStepCount)) {
        p.Refusal = &kTooManySteps;
        return p;
    }
    p.StepCount = std::max<std::int64_t>(0, static_cast<std::int64_t>(stepCount));
    p.Ready = true;
    return p;
}

class SilentMessages final : public MessageSink {
  public:
    void Show(const Message&) override {}
};

RunResult EndWithout(RunReport& report, MessageSink& messages, const Message* why,
                     RunResult result) {
    if (why != nullptr)
        messages.Show(*why);
    report.Discard();
    return result;
}

}  // namespace

double StepCountOf(double calcDays, double timeStep) {
    return std::floor(60 * (24 * calcDays) / timeStep + 0.5);
}

void ComputeBayMean(ModelState& m) {
    for (int c = 1; c <= m.ComponentCount; ++c) {
        double sum = 0;
        int count = 0;
        for (int n = 1; n <= m.BayBoxCount; ++n) {
            ++count;
            sum = m.CellConc[c][n] + sum;
        }
        m.BayMeanConc[c] = sum / count;
    }
}

std::optional<std::int64_t> PlannedStepCount(const CaseRecord& record) {
    ModelState model;
    SilentMessages silent;
    const Prepared p = Prepare(record, model, silent);
    if (!p.Ready)
        return std::nullopt;
    return p.StepCount;
}

RunResult RunCalculation(const CaseRecord& record, ModelState& model, RunReport& report,
                         MessageSink& messages, const RunProgress& progress, TimeSeries* series) {
    RunResult result;
    report.Open();
    const Prepared prepared = Prepare(record, model, messages);
    if (!prepared.Ready)
        return EndWithout(report, messages, prepared.Refusal, result);

    report.WriteConditions(record, model);
    result.StepCount = prepared.StepCount;
    result.Scale = model.AdvectionSetsStep ? StepScale::Advection : StepScale::Diffusion;
    const StabilityVerdict verdict = JudgeStability(model, result.StepCount);
    result.Status = verdict.Unstable ? RunStatus::Unstable : RunStatus::Completed;
    if (series != nullptr) {
        series->Plan(result.StepCount, model.TimeStep);
        series->Offer(0, model);
    }
    CellTable<double> before{};
    for (std::int64_t step = 0; result.Status == RunStatus::Completed && step < result.StepCount;
         ++step) {
        if (step % kProgressInterval == 0) {
            if (progress && !progress(step, result.StepCount)) {
                result.Status = RunStatus::Cancelled;
                return EndWithout(report, messages, nullptr, result);
            }
            // A value that is not finite stays so: the run can stop here.
            if (!CellsAreFinite(model)) {
                result.Status = RunStatus::Unstable;
                break;
            }
        }
        if (verdict.Amplifies)
            before = model.CellConc[kTemperature];
        AdvanceStep(model);
        result.StepsDone = step + 1;
        if (series != nullptr)
            series->Offer(result.StepsDone, model);
        if (verdict.Amplifies && FloorLifted(model, before)) {
            result.Status = RunStatus::Unstable;
            break;
        }
    }
    if (result.Status == RunStatus::Completed && !CellsAreFinite(model))
        result.Status = RunStatus::Unstable;
    if (series != nullptr && result.Status == RunStatus::Unstable)
        series->StopAt(result.StepsDone, model);
    if (result.Status != RunStatus::Completed) {
        // No result: the previous report stays as it was.
        model.BayMeanConc[kTemperature] = std::numeric_limits<double>::quiet_NaN();
        return EndWithout(report, messages, nullptr, result);
    }
    ComputeBayMean(model);
    report.WriteResults(model);
    result.ReportError = report.Close();
    return result;
}

}  // namespace tidewell::engine
