// The calculate and restore-defaults commands.
#include "MainModel.h"
#include "ResultTips.h"
#include "UnstableMessage.h"
#include "case/DecimalRounding.h"
#include "case/NumberText.h"

namespace tidewell::model {
namespace {

const std::string kUnstableText = "計算不安定";
const std::string kNoResultText = "計算できません";
const Message kCancelled{"計算中止", "計算を中止しました。\r結果とレポートファイルは前のままです"};

Message CompletionMessage(const std::string& result) {
    return {"計算終了です！", "計算結果(湾内平均水温)\r" + result + "(℃)"};
}

Message ReportFailure(const std::string& path, const std::string& reason) {
    return {"レポート出力エラー",
            "レポートファイル「" + path + "」を書き込めませんでした。\r" + reason};
}

const Message kBusy{"計算中",
                    "計算中は条件を変更できません。\r計算が終わるか中止してから操作してください"};
const Message kStopAndClose{"計算中", "計算中です。\r計算を中止して閉じますか？"};

Message LongRunQuestion(double seconds) {
    return {"計算時間の確認",
            "計算に" + DurationWords(seconds) + "かかる見込みです。\r実行しますか？"};
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
        Finished = FinishedRunOf(run.Status, Recording, CurrentBay);
        ++FinishedRuns;
    }
    RunInProgress = false;
    ShowRunResult(run);
    if (run.ReportError)
        Messages.Show(ReportFailure(ReportFilePath, *run.ReportError));
    return run;
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
            ShowDisplay(Field::Result, kUnstableText);
            Messages.Show(UnstableMessage(run.Scale));
            break;
        case engine::RunStatus::Cancelled:
            Messages.Show(kCancelled);
            break;
        case engine::RunStatus::NotRun:
            ShowDisplay(Field::Result, kNoResultText);  // the run has said why
            break;
    }
}

std::string MainModel::FrameToolTip(int frame) const {
    const bool bay = frame >= 1 && frame <= kBayFrameCount;
    const std::string tip =
        bay && FramesShowRun ? CellTip(frame, CurrentFrameTemperatures[frame]) : std::string();
    return WithStaleNote(tip, bay && Stale);
}

std::string MainModel::ResultToolTip() const {
    const bool result = ShowsResult && Finished &&
                        Finished->Status == engine::RunStatus::Completed && !Finished->Rows.empty();
    return WithStaleNote(result ? CellsTip(Finished->Rows.back().Cells, Finished->Steady) : "",
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
