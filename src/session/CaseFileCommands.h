#pragma once

#include <optional>
#include <string>

#include "TypedInputs.h"
#include "case/CaseFile.h"
#include "model/MainModel.h"

// Opening and saving a case file from the window's model. Opening does what a
// user would do by hand: restore the defaults, type each text into its field
// (every field's handler runs, even for a text the field already shows, so
// each basic condition holds its text as typed), then pick each list's entry
// (a list without one stays at the restored "1.0"). The model must have
// started up (FormLoad).
namespace tidewell::session {

// The six editable fields' texts and the three lists' picked entries.
CaseFile CaseOfModel(const model::MainModel& model);
// The same as inputs to enter into another model.
TypedInputs InputsOfModel(const model::MainModel& model);

// Empty when the file is open in the model. Otherwise the message to show:
// it names the file and the first problem (the file's own, or a text that its
// field refuses, with the field's refusal, or that a calculation is running),
// and the model is untouched.
std::optional<Message> OpenCase(model::MainModel& model, const std::string& path);
std::optional<Message> OpenCase(model::MainModel& model, const CaseFile& file,
                                const std::string& path);

// Writes the model's case to the file, safely. Refused, with the file left
// as it was, while a field shows a text it refused: that file could not be
// opened again.
std::optional<Message> SaveCase(const model::MainModel& model, const std::string& path);

}  // namespace tidewell::session
