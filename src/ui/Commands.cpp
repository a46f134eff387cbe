// The calculate and restore-defaults commands.
#include "MainModel.h"
#include "case/DecimalRounding.h"
#include "case/NumberText.h"

namespace tidewell {
namespace {

const std::string kUnstableText = "計算不安定";
const Message kUnstable{"計算が不安定です",
                        "計算が不安定になり、水温を求められませんでした。\r"
                        "湾口部長さを短くするか、湾面積を大きくしてください"};
const Message kCancelled{"計算中止", "計算を中止しました。\r結果とレポートファイルは前のままです"};

Message CompletionMessage(const std::string& result) {
    return {"計算終了です！", "計算結果(湾内平均水温)\r" + result + "(℃)"};
}

Message ReportFailure(const std::string& path, const std::string& reason) {
    return {"レポート出力エラー",
            "レポートファイル「" + path + "」を書き込めませんでした。\r" + reason};
}

}  // namespace

RunResult MainModel::Command1_Click() {
    const RunResult run = RunCalculation(Case, Bay, Report, Messages, Progress);
    switch (run.Status) {
        case RunStatus::Completed: {
            const double rounded = RoundDecimals(Bay.BayMeanConc[kTemperature], 2);
            ShowDisplay(16, DisplayText(rounded));
            for (int k = 1; k <= 5; ++k) {
                FrameTemp[k] = static_cast<float>(Bay.CellConc[kTemperature][k]);
                ColorFrame(k);
            }
            Messages.Show(CompletionMessage(DisplayText(rounded)));
            break;
        }
        case RunStatus::Unstable:
            ShowDisplay(16, kUnstableText);
            Messages.Show(kUnstable);
            break;
        case RunStatus::Cancelled:
            Messages.Show(kCancelled);
            break;
        case RunStatus::NotRun:
            break;  // the run has said why
    }
    if (run.ReportError)
        Messages.Show(ReportFailure(Report.Path(), *run.ReportError));
    return run;
}

void MainModel::Command3_Click() {
    for (int list = 1; list <= kListCount; ++list)
        SelectListEntry(list, 0);
    LoadDefaultCase();
    BuildColorScale(Colors);
    ColorAllFrames();
    LegendPicture = DrawLegend(Colors, WindowFontName);
}

}  // namespace tidewell
