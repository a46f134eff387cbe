#pragma once

#include <optional>
#include <string>

#include "model/MainModel.h"

namespace tidewell::session {

// Whether the last run left a series to save.
bool HasSeriesToSave(const model::MainModel& model);

// Writes the last run's series as CSV, safely (the previous file stays intact
// on failure). Empty on success; otherwise the message to show: there is no
// run yet, or the file names the path and the reason it could not be written.
std::optional<Message> SaveSeriesCsv(const model::MainModel& model, const std::string& path);

}  // namespace tidewell::session
