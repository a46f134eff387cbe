#include "RunDriver.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ModelSetup.h"
#include "TransportStep.h"

namespace tidewell {
namespace {

constexpr std::int64_t kProgressInterval = 4096;  // steps between progress calls
// Largest step count that a double still counts exactly.
constexpr double kMaxStepCount = 9007199254740992.0;  // 2^53

const Message kZeroTimeStep{"計算できません",
                            "時間ステップが0分になるため計算できません。\r"
                            "流入水流量を小さくするか湾口部断面積を大きくしてください"};
const Message kTooManySteps{"計算できません",
                            "計算ステップ数が多すぎるため計算できません。\r"
                            "湾面積・水深を小さくするか流入水流量を大きくしてください"};
const Message kOutOfRange{"計算できません",
                          "条件の値が大きすぎるか小さすぎるため計算できません。\r"
                          "基本条件を見直してください"};

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

// A stable run keeps every bay cell between the outer-sea and the inflow
// temperature; an explicit step that blows up leaves that range within a few
// steps. The tolerance covers the single-precision rates of a stable run.
class StabilityGuard {
  public:
    StabilityGuard(const ModelState& m, double seaTemp) {
        const double inflowTemp = m.InflowConc[kTemperature];
        const double span = std::fabs(seaTemp - inflowTemp);
        const double tolerance = 0.01 + 0.01 * span;
        Lowest = std::min(seaTemp, inflowTemp) - tolerance;
        Highest = std::max(seaTemp, inflowTemp) + tolerance;
    }

    bool Holds(const ModelState& m) const {
        for (int i = 1; i <= m.BayBoxCount; ++i) {
            const double t = m.CellConc[kTemperature][i];
            if (!(t >= Lowest && t <= Highest))
                return false;  // also catches NaN
        }
        return true;
    }

  private:
    double Lowest;
    double Highest;
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

RunResult RunCalculation(const CaseRecord& record, ModelState& model, RunReport& report,
                         MessageSink& messages, const RunProgress& progress, TimeSeries* series) {
    RunResult result;
    report.Open();
    ResetModel(model);
    if (!SetUpModel(record, model, messages))
        return EndWithout(report, messages, nullptr, result);
    // The loads do not change during a run: computed once, here, where they
    // can also be checked, instead of again before every step.
    UpdateLoads(model);
    if (!ModelIsFinite(model))
        return EndWithout(report, messages, &kOutOfRange, result);
    if (model.TimeStep == 0)
        return EndWithout(report, messages, &kZeroTimeStep, result);
    const double stepCount = StepCountOf(model.CalcDays, model.TimeStep);
    if (!(stepCount <= kMaxStepCount))
        return EndWithout(report, messages, &kTooManySteps, result);

    report.WriteConditions(record, model);
    result.StepCount = std::max<std::int64_t>(0, static_cast<std::int64_t>(stepCount));
    result.Status = RunStatus::Completed;
    const StabilityGuard guard(model, record.SeaTemp.Value());
    if (series != nullptr) {
        series->Plan(result.StepCount, model.TimeStep);
        series->Offer(0, model);
    }
    for (std::int64_t step = 0; step < result.StepCount; ++step) {
        if (progress && step % kProgressInterval == 0 && !progress(step, result.StepCount)) {
            result.Status = RunStatus::Cancelled;
            return EndWithout(report, messages, nullptr, result);
        }
        AdvanceStep(model);
        result.StepsDone = step + 1;
        if (series != nullptr)
            series->Offer(step + 1, model);
        if (!guard.Holds(model)) {
            result.Status = RunStatus::Unstable;
            if (series != nullptr)
                series->StopAt(result.StepsDone, model);
            break;
        }
    }
    if (result.Status == RunStatus::Completed) {
        ComputeBayMean(model);
    } else {
        model.BayMeanConc[kTemperature] = std::numeric_limits<double>::quiet_NaN();
    }
    report.WriteResults(result.Status, model);
    result.ReportError = report.Close();
    return result;
}

}  // namespace tidewell
