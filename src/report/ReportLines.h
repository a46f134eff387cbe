#pragma once

#include <string>
#include <vector>

#include "case/CaseRecord.h"
#include "engine/ModelState.h"
#include "engine/RunReport.h"

// The lines of the report, in UTF-8 and without line ends.
namespace tidewell::report {

// Lines 1 to 23: title, conditions of the case and of the model, indices.
std::vector<std::string> ConditionLines(const CaseRecord& record, const engine::ModelState& model);

// Lines 24 to 26: the bay mean temperature of a completed run.
std::vector<std::string> ResultLines(const engine::ModelState& model);

}  // namespace tidewell::report
