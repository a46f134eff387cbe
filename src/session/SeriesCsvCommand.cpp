#include "SeriesCsvCommand.h"

#include "case/SafeFile.h"
#include "report/SeriesCsv.h"

namespace tidewell::session {

bool HasSeriesToSave(const model::MainModel& model) {
    return model.LastRun() && !model.LastRun()->Rows.empty();
}

std::optional<Message> SaveSeriesCsv(const model::MainModel& model, const std::string& path) {
    if (!HasSeriesToSave(model))
        return Message{MessageId::NoResultToSave, {}};
    if (const auto reason = WriteFileSafely(path, report::SeriesCsv(model.LastRun()->Rows)))
        return Message{MessageId::CsvWriteFailed, {path, *reason}};
    return std::nullopt;
}

}  // namespace tidewell::session
