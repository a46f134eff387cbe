#pragma once

#include <span>
#include <string>

#include "engine/BatchRunner.h"
#include "engine/MultiplierSweep.h"

namespace tidewell::report {

// The word a batch or sweep file gives a run's status: result, unstable,
// cannot-run (or cancelled, for a run that was stopped).
const char* StatusWord(engine::RunStatus status);

// The multiplier sweep as CSV in UTF-8, a row per combination: the three list
// entries, the status, and the mean and five bay cells to 17 significant
// digits (empty without a result); lines end with LF.
std::string SweepCsv(std::span<const engine::SweepCombination> combinations,
                     std::span<const engine::BatchOutcome> outcomes);

}  // namespace tidewell::report
