#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "case/Message.h"
#include "model/MainModel.h"

namespace tidewell::cli {

// The model's visible state after a run as one UTF-8 JSON object: fields,
// list selections, frame colours, the five bay cells, time step, calculation
// days, step count, bay mean (null when the run gave no result), every
// message shown and where the bay cells settle (null without a set-up). Control characters are
// escaped; bytes that are not valid UTF-8 (overlong forms and surrogates included) become U+FFFD.
std::string JsonReport(const model::MainModel& model, std::int64_t stepCount, bool hasResult,
                       const std::vector<Message>& messages,
                       const std::optional<std::array<double, engine::kBayCellCount>>& steady);

}  // namespace tidewell::cli
