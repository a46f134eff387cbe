#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/Message.h"
#include "ui/MainModel.h"

namespace tidewell {

// The model's visible state after a run as one UTF-8 JSON object: fields,
// list selections, frame colours, the five bay cells, time step, calculation
// days, step count, bay mean (null when the run gave no result) and every
// message shown. Control characters are escaped; bytes that are not valid
// UTF-8 (overlong forms and surrogates included) become U+FFFD.
std::string JsonReport(const MainModel& model, std::int64_t stepCount, bool hasResult,
                       const std::vector<Message>& messages);

// A double with 17 significant digits (exact round trip); "null" if not finite.
std::string SeventeenDigits(double value);

// A JSON string literal of the text, escaped as JsonReport escapes.
std::string JsonString(std::string_view text);

}  // namespace tidewell
