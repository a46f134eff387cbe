#include "SeriesCsvCommand.h"

#include "case/SafeFile.h"
#include "report/SeriesCsv.h"

namespace tidewell::session {

bool HasSeriesToSave(const model::MainModel& model) {
    return model.LastRun() && !model.LastRun()->Rows.empty();
}

std::optional<Message> SaveSeriesCsv(const model::MainModel& model, const std::string& path) {
    if (!HasSeriesToSave(model))
        return Message{"CSV出力", "保存する計算結果がありません。\r先に計算開始を押してください"};
    if (const auto reason = WriteFileSafely(path, report::SeriesCsv(model.LastRun()->Rows)))
        return Message{"CSV出力エラー",
                       "ファイル「" + path + "」を書き込めませんでした。\r" + *reason};
    return std::nullopt;
}

}  // namespace tidewell::session
