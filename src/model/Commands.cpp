// The calculate and restore-defaults commands.
#include "MainModel.h"
#include "ResultTips.h"
#include "UnstableMessage.h"
#include "case/DecimalRounding.h"
#include "case/NumberText.h"

namespace tidewell::model {
namespace {

const Message kUnstableWord{MessageId::ResultUnstable, {}};
const Message kNoResultWord{MessageId::ResultCannotRun, {}};
const Message kCancelled{MessageId::Cancelled, {}};

Message CompletionMessage(const std::string& result) {
    return {MessageId::Completed, {result}};
}

Message ReportFailure(const std::string& path, const Message& reason) {
    return {MessageId::ReportWriteFailed, {path, reason}};
}

const Message kBusy{MessageId::RunBusy, {}};
const Message kStopAndClose{MessageId::StopRunAndClose, {}};

Message LongRunQuestion(double seconds) {
    return {MessageId::LongRunQuestion, {DurationWords(seconds)}};
}

}  // namespace

// A run must use what the screen shows, and a long one only when the user
// agrees to wait.
bool MainModel::FieldsAccepted() {
    if (const auto field = RefusedField()) {
        Messages.Show(*Refusals[NumberOf(*field)]);
        return false;
    }
    return true;
}

bool MainModel::MayRun() {
    if (!FieldsAccepted())
        return false;
    const std::optional<double> seconds =
        Estimator ? Estimator(CurrentRecord).Seconds() : std::nullopt;
    if (seconds && *seconds > kAskBeforeRunSeconds)
        return Messages.Ask(LongRunQuestion(*seconds));
    return true;
}

engine::RunResult MainModel::Command1_Click() {
    const std::optional<RunJob> job = PrepareRun();
    if (!job)
        return {};
    return FinishRun(ExecuteRun(*job, Progress));
}

std::optional<RunJob> MainModel::PrepareRun() {
    if (RunInProgress || !MayRun())
        return std::nullopt;
    RunInProgress = true;
    return RunJob{CurrentRecord, ReportFilePath};
}

// The run's own messages (the flow-limit warning, why it cannot run) come
// first, as they came during the run; the result is in place before the
// message that announces it.
engine::RunResult MainModel::FinishRun(RunOutcome outcome) {
    for (const Message& said : outcome.Said)
        Messages.Show(said);
    CurrentBay = outcome.Bay;
    Recording = std::move(outcome.Series);
    const engine::RunResult& run = outcome.Run;
    if (run.Status != engine::RunStatus::Cancelled) {
        Finished = FinishedRunOf(run.Status, Recording, CurrentBay, ShownConditions());
        ++FinishedRuns;
    }
    RunInProgress = false;
    ShowRunResult(run);
    if (run.ReportError)
        Messages.Show(ReportFailure(ReportFilePath, *run.ReportError));
    return run;
}

// Read when a run finishes: nothing can be typed or picked while it runs.
RunConditions MainModel::ShownConditions() const {
    RunConditions shown;
    for (std::size_t n = 0; n < kBasicInputs.size(); ++n)
        shown.Texts[n] = FieldText(FieldOf(kBasicInputs[n]));
    for (std::size_t n = 0; n < kMultiplierLists.size(); ++n) {
        // Before the first pick a list holds the default multiplier, its top entry.
        const ListBox& box = Lists[static_cast<std::size_t>(ListNumber(kMultiplierLists[n]))];
        shown.Entries[n] = box.Entries.at(static_cast<std::size_t>(std::max(box.Selected, 0)));
    }
    return shown;
}

std::optional<Message> MainModel::ChangeRefusal() const {
    return RunInProgress ? std::optional(kBusy) : std::nullopt;
}

bool MainModel::AskToStopRunAndClose() {
    return Messages.Ask(kStopAndClose);
}

// A cancelled run leaves everything as it was; any other run replaces the
// result field, even when it has no temperature to show.
void MainModel::ShowRunResult(const engine::RunResult& run) {
    if (run.Status != engine::RunStatus::Cancelled) {
        ShowsResult = true;
        Stale = false;
        FramesShowRun = run.Status == engine::RunStatus::Completed;
    }
    switch (run.Status) {
        case engine::RunStatus::Completed: {
            const double rounded = RoundDecimals(CurrentBay.BayMeanConc[engine::kTemperature], 2);
            ShowDisplay(Field::Result, DisplayText(rounded));
            for (int k = 1; k <= kBayFrameCount; ++k) {
                CurrentFrameTemperatures[k] =
                    static_cast<float>(CurrentBay.CellConc[engine::kTemperature][k]);
                ColorFrame(k);
            }
            Messages.Show(CompletionMessage(DisplayText(rounded)));
            break;
        }
        case engine::RunStatus::Unstable:
            ShowDisplay(Field::Result, kUnstableWord.Prompt());
            Messages.Show(UnstableMessage(run.Scale));
            break;
        case engine::RunStatus::Cancelled:
            Messages.Show(kCancelled);
            break;
        case engine::RunStatus::NotRun:
            ShowDisplay(Field::Result, kNoResultWord.Prompt());  // the run has said why
            break;
    }
}

std::optional<MessageId> MainModel::FieldWord(int n) const {
    if (n != NumberOf(Field::Result))
        return std::nullopt;
    for (const Message& word : {kUnstableWord, kNoResultWord}) {
        if (Texts[n] == word.Prompt())
            return word.Id;
    }
    return std::nullopt;
}

std::vector<Message> MainModel::FrameToolTip(int frame) const {
    const bool bay = frame >= 1 && frame <= kBayFrameCount;
    std::vector<Message> tip;
    if (bay && FramesShowRun)
        tip.push_back(CellTip(frame, CurrentFrameTemperatures[frame]));
    return WithStaleNote(std::move(tip), bay && Stale);
}

std::vector<Message> MainModel::ResultToolTip() const {
    if (ResultIsStartValue())
        return {StartValueNote()};
    const bool result = ShowsResult && Finished &&
                        Finished->Status == engine::RunStatus::Completed && !Finished->Rows.empty();
    return WithStaleNote(
        result ? CellsTip(Finished->Rows.back().Cells, Finished->Steady) : std::vector<Message>(),
        Stale);
}

void MainModel::Command3_Click() {
    if (RunInProgress)
        return;
    for (int list = 1; list <= kListCount; ++list)
        SelectListEntry(list, 0);
    ShowDefaultCase();
}

}  // namespace tidewell::model
