#pragma once

#include <string>
#include <vector>

#include "case/Message.h"
#include "ui/MainModel.h"

namespace tidewell {

// The model's visible state after a run as one UTF-8 JSON object: fields,
// list selections, frame colours, bay cells, time step, calculation days,
// step count, bay mean and every message shown.
std::string JsonReport(const MainModel& model, std::int64_t stepCount,
                       const std::vector<Message>& messages);

// A double with 17 significant digits (exact round trip); "null" if not finite.
std::string SeventeenDigits(double value);

// A JSON string literal; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

}  // namespace tidewell
