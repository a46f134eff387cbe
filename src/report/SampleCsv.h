#pragma once

#include <span>
#include <string>
#include <string_view>

#include "case/CaseFile.h"
#include "engine/BatchRunner.h"

namespace tidewell::report {

// One sampled case as its row shows it.
struct SampleLine {
    const CaseFile* Case = nullptr;                // its six texts as typed
    std::string_view Status;                       // result, unstable, cannot-run, refused
    const engine::BatchOutcome* Result = nullptr;  // null without a result
    std::string Message;                           // why there is none, "title: prompt"
};

// The samples of an uncertainty run as CSV in UTF-8, a row per sample in
// order: its number from 1, the six basic conditions as typed (under their
// input names), the status, the mean and five bay cells to 17 significant
// digits (empty without a result) and the message; lines end with LF.
std::string SampleCsv(std::span<const SampleLine> lines);

}  // namespace tidewell::report
