#include "Calibration.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

#include "BracketSearch.h"
#include "CalibrationMessages.h"
#include "CaseBatch.h"
#include "case/Multipliers.h"
#include "case/NumericText.h"
#include "engine/BatchRunner.h"

namespace tidewell::session {
namespace {

// The sum of squares is flat to second order at its minimum: below this
// relative width its values no longer tell inputs apart.
constexpr double kFitWidth = 1e-8;
// A root's bracket can shrink to the last bits of the input.
constexpr double kRootWidth = 4e-16;

// One calculation with the input at X.
struct Trial {
    double X = 0.0;
    int ScanPoint = -1;  // its place in the scan; -1 for a refinement's
    CaseRecord Record;
    engine::BatchOutcome Outcome;
    std::optional<Message> Failure;  // why there is no result

    bool Ok() const { return !Failure; }
};

class Calibrator {
  public:
    Calibrator(const CalibrationRequest& request, const CalibrationProgress& progress)
        : Request(request),
          Progress(progress),
          Range(SearchRangeOf(EnteredCase(request.Case).Record.value_or(DefaultCase()),
                              request.Input)),
          Texts{CaptionOf(request.Input), Range.Low, Range.High} {}

    Calibration Solve() {
        Scan();
        if (Stopped)
            return Halted();
        Calibration result = Request.Target.Mean ? SolveMean(*Request.Target.Mean) : SolveCells();
        if (Stopped)
            return Halted();
        return result;
    }

  private:
    // The scan's points, run in parallel.
    void Scan() {
        std::vector<CaseRecord> cases;
        std::vector<std::size_t> trialOfCase;
        for (int k = 0; k <= kScanIntervals; ++k) {
            Trial trial = Prepared(Range.Point(k, kScanIntervals));
            trial.ScanPoint = k;
            if (trial.Ok()) {
                cases.push_back(trial.Record);
                trialOfCase.push_back(Trials.size());
            }
            Trials.push_back(std::move(trial));
        }
        const engine::BatchProgress scanned = [this](std::size_t done, std::size_t) {
            return GoOn(static_cast<int>(done));
        };
        std::vector<engine::BatchOutcome> outcomes = engine::RunBatch(cases, scanned);
        Runs += static_cast<int>(cases.size());
        for (std::size_t i = 0; i < outcomes.size(); ++i)
            Finish(Trials[trialOfCase[i]], std::move(outcomes[i]));
        ScanCount = Trials.size();
    }

    Trial Prepared(double x) const {
        Trial trial;
        trial.X = x;
        TrialCase prepared = TrialCaseOf(Request.Case, Request.Input, x);
        if (prepared.Record)
            trial.Record = *prepared.Record;
        trial.Failure = std::move(prepared.Refusal);
        return trial;
    }

    static void Finish(Trial& trial, engine::BatchOutcome outcome) {
        trial.Outcome = std::move(outcome);
        trial.Failure = NoResultMessage(trial.Outcome);
        if (!trial.Failure && trial.Outcome.Run.Status != engine::RunStatus::Completed)
            trial.Failure = Message{};
    }

    // A refinement's trial, on this thread; its value for the search.
    const Trial& RunAt(double x) {
        Trial trial = Prepared(x);
        if (trial.Ok() && !GoOn(Runs))
            trial.Failure = Message{};  // the search ends here; Solve reports the stop
        if (trial.Ok()) {
            ++Runs;
            Finish(trial, engine::RunOneCase(trial.Record));
        }
        Trials.push_back(std::move(trial));
        return Trials.back();
    }

    TrialValue ValueOfTrials(double (Calibrator::*measure)(const Trial&) const) {
        return [this, measure](double x) -> std::optional<double> {
            const Trial& trial = RunAt(x);
            return trial.Ok() ? std::optional((this->*measure)(trial)) : std::nullopt;
        };
    }

    double MeanMiss(const Trial& trial) const { return trial.Outcome.Mean - *Request.Target.Mean; }

    double SquaredMisses(const Trial& trial) const {
        double sum = 0;
        for (std::size_t k = 0; k < trial.Outcome.Cells.size(); ++k) {
            if (const auto& observed = Request.Target.Cells[k])
                sum += (trial.Outcome.Cells[k] - *observed) * (trial.Outcome.Cells[k] - *observed);
        }
        return sum;
    }

    std::vector<const Trial*> ScannedOk() const {
        std::vector<const Trial*> ok;
        for (std::size_t i = 0; i < ScanCount; ++i) {
            if (Trials[i].Ok())
                ok.push_back(&Trials[i]);
        }
        return ok;
    }

    // The lowest and highest bay mean the scan reached.
    std::pair<double, double> MeanRange(const std::vector<const Trial*>& ok) const {
        const auto [low, high] = std::minmax_element(
            ok.begin(), ok.end(),
            [](const Trial* a, const Trial* b) { return a->Outcome.Mean < b->Outcome.Mean; });
        return {(*low)->Outcome.Mean, (*high)->Outcome.Mean};
    }

    // The message of the first scan point without a result after `from`.
    Message FailedAfter(double from) const {
        for (std::size_t i = 0; i < ScanCount; ++i) {
            if (!Trials[i].Ok() && Trials[i].X > from)
                return Texts.Failed(Trials[i].X, *Trials[i].Failure);
        }
        return Texts.Failed(from, std::nullopt);
    }

    // When the answer lies beyond the scan's first or last point with a
    // result (`end`), the scan points past it without one are why it was not
    // found: the message of the nearest of them.
    std::optional<Message> FailureBeyond(const Trial& end,
                                         const std::vector<const Trial*>& ok) const {
        const bool first = &end == ok.front();
        if (!first && &end != ok.back())
            return std::nullopt;
        std::optional<Message> nearest;
        for (std::size_t i = 0; i < ScanCount; ++i) {
            const Trial& trial = Trials[i];
            if (!trial.Ok() && (first ? trial.X < end.X : trial.X > end.X) && (first || !nearest))
                nearest = Texts.Failed(trial.X, *trial.Failure);
        }
        return nearest;
    }

    Calibration SolveMean(double target) {
        const std::vector<const Trial*> ok = ScannedOk();
        if (ok.empty())
            return Refused(CalibrationStatus::TrialFailed,
                           Texts.Failed(Trials.front().X, *Trials.front().Failure));
        const auto [low, high] = MeanRange(ok);
        if (target < low - kMeanTolerance || target > high + kMeanTolerance) {
            const Trial& nearEnd =
                std::fabs(MeanMiss(*ok.front())) < std::fabs(MeanMiss(*ok.back())) ? *ok.front()
                                                                                   : *ok.back();
            if (const std::optional<Message> failed = FailureBeyond(nearEnd, ok))
                return Refused(CalibrationStatus::TrialFailed, *failed);
            return Refused(CalibrationStatus::Unreachable, Texts.OutOfReach(target, low, high));
        }
        if (high - low < kMeanTolerance)
            return Refused(CalibrationStatus::NotUnique, Texts.Unchanging(low, high));
        // Neighbours in the scan whose means lie on either side of the target.
        std::vector<std::pair<const Trial*, const Trial*>> brackets;
        for (std::size_t i = 1; i < ok.size(); ++i) {
            if ((MeanMiss(*ok[i - 1]) <= 0) != (MeanMiss(*ok[i]) <= 0))
                brackets.emplace_back(ok[i - 1], ok[i]);
        }
        if (brackets.empty()) {
            // Within the tolerance of the reached range but never crossed.
            const auto closest = std::min_element(ok.begin(), ok.end(), [&](auto* a, auto* b) {
                return std::fabs(MeanMiss(*a)) < std::fabs(MeanMiss(*b));
            });
            return Solved(**closest);
        }
        if (brackets.size() > 1) {
            std::vector<double> near;
            for (const auto& [left, right] : brackets)
                near.push_back(0.5 * (left->X + right->X));
            return Refused(CalibrationStatus::NotUnique, Texts.Several(near));
        }
        const auto [left, right] = brackets.front();
        if (right->ScanPoint - left->ScanPoint != 1)
            return Refused(CalibrationStatus::TrialFailed, FailedAfter(left->X));
        const SearchEnd end =
            RootBetween(ValueOfTrials(&Calibrator::MeanMiss), {left->X, MeanMiss(*left)},
                        {right->X, MeanMiss(*right)}, kMeanTolerance, kRootWidth, RefineBudget());
        if (end.Failed)
            return Refused(CalibrationStatus::TrialFailed,
                           Texts.Failed(Trials.back().X, *Trials.back().Failure));
        const Trial& best = TrialAt(end.Best.X);
        if (std::fabs(MeanMiss(best)) > kMeanTolerance)
            return Refused(CalibrationStatus::Unreachable, Texts.Jump(best.X, target));
        return Solved(best);
    }

    Calibration SolveCells() {
        const std::vector<const Trial*> ok = ScannedOk();
        if (ok.empty())
            return Refused(CalibrationStatus::TrialFailed,
                           Texts.Failed(Trials.front().X, *Trials.front().Failure));
        const auto [low, high] = MeanRange(ok);
        if (high - low < kMeanTolerance)
            return Refused(CalibrationStatus::NotUnique, Texts.Unchanging(low, high));
        // Inner scan points lower than both neighbours.
        std::vector<std::size_t> dips;
        for (std::size_t i = 1; i + 1 < ok.size(); ++i) {
            if (SquaredMisses(*ok[i]) <= SquaredMisses(*ok[i - 1]) &&
                SquaredMisses(*ok[i]) < SquaredMisses(*ok[i + 1]))
                dips.push_back(i);
        }
        if (dips.size() > 1) {
            std::vector<double> near;
            for (std::size_t i : dips)
                near.push_back(ok[i]->X);
            return Refused(CalibrationStatus::NotUnique, Texts.Several(near));
        }
        if (dips.empty()) {
            const auto best = std::min_element(ok.begin(), ok.end(), [&](auto* a, auto* b) {
                return SquaredMisses(*a) < SquaredMisses(*b);
            });
            if (const std::optional<Message> failed = FailureBeyond(**best, ok))
                return Refused(CalibrationStatus::TrialFailed, *failed);
            return Refused(CalibrationStatus::Unreachable, Texts.FitAtEnd((*best)->X, low, high));
        }
        const std::size_t i = dips.front();
        if (ok[i + 1]->ScanPoint - ok[i - 1]->ScanPoint != 2)
            return Refused(CalibrationStatus::TrialFailed, FailedAfter(ok[i - 1]->X));
        const SearchEnd end =
            MinimumBetween(ValueOfTrials(&Calibrator::SquaredMisses), ok[i - 1]->X, ok[i + 1]->X,
                           {ok[i]->X, SquaredMisses(*ok[i])}, kFitWidth, RefineBudget());
        if (end.Failed)
            return Refused(CalibrationStatus::TrialFailed,
                           Texts.Failed(Trials.back().X, *Trials.back().Failure));
        return Solved(TrialAt(end.Best.X));
    }

    // False once the caller has asked to stop.
    bool GoOn(int runs) {
        if (!Stopped && Progress && !Progress(runs))
            Stopped = true;
        return !Stopped;
    }

    // Leaves a run for a multiplier's nearest entry.
    int RefineBudget() const { return std::max(0, kMostRuns - Runs - 1); }

    const Trial& TrialAt(double x) const {
        return *std::find_if(Trials.begin(), Trials.end(),
                             [x](const Trial& trial) { return trial.X == x && trial.Ok(); });
    }

    double Residual(const Trial& trial) const {
        if (Request.Target.Mean)
            return std::fabs(MeanMiss(trial));
        const auto observed =
            std::count_if(Request.Target.Cells.begin(), Request.Target.Cells.end(),
                          [](const auto& cell) { return cell.has_value(); });
        return std::sqrt(SquaredMisses(trial) / static_cast<double>(observed));
    }

    Calibration Solved(const Trial& trial) {
        Calibration solved;
        solved.Status = CalibrationStatus::Solved;
        solved.Value = InputValueOf(trial.Record, Request.Input);
        solved.Mean = trial.Outcome.Mean;
        solved.Cells = trial.Outcome.Cells;
        solved.Residual = Residual(trial);
        if (const auto* basic = std::get_if<BasicInput>(&Request.Input))
            solved.Text = TextToType(Request.Case, *basic, solved.Value);
        else
            solved.Nearest = NearestOf(std::get<MultiplierList>(Request.Input), solved.Value);
        solved.Runs = Runs;
        return solved;
    }

    NearestEntry NearestOf(MultiplierList list, double value) {
        const auto entries = ListEntries(list);
        const auto nearest = std::min_element(entries.begin(), entries.end(), [&](auto a, auto b) {
            return std::fabs(LeadingNumber(a) - value) < std::fabs(LeadingNumber(b) - value);
        });
        NearestEntry entry{std::string(*nearest), std::nullopt};
        TypedInputs picked = Request.Case;
        picked.Picks[list] = entry.Entry;
        if (const TrialCase prepared = EnteredCase(picked); prepared.Record && GoOn(Runs)) {
            ++Runs;
            const engine::BatchOutcome outcome = engine::RunOneCase(*prepared.Record);
            if (outcome.Run.Status == engine::RunStatus::Completed)
                entry.Mean = outcome.Mean;
        }
        return entry;
    }

    Calibration Halted() const {
        Calibration halted;
        halted.Status = CalibrationStatus::Stopped;
        halted.Runs = Runs;
        return halted;
    }

    Calibration Refused(CalibrationStatus status, Message why) const {
        Calibration refused;
        refused.Status = status;
        refused.Problem = std::move(why);
        refused.Runs = Runs;
        return refused;
    }

    const CalibrationRequest& Request;
    const CalibrationProgress& Progress;
    const SearchRange Range;
    const CalibrationMessages Texts;
    // The scan's points in order, then each refinement's; a deque, so that
    // the searches' references stay valid as trials are added.
    std::deque<Trial> Trials;
    std::size_t ScanCount = 0;
    int Runs = 0;
    bool Stopped = false;
};

}  // namespace

Calibration Calibrate(const CalibrationRequest& request, const CalibrationProgress& progress) {
    return Calibrator(request, progress).Solve();
}

}  // namespace tidewell::session
