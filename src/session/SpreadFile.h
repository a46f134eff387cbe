#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "case/BasicInput.h"
#include "case/Message.h"
#include "engine/Spread.h"

// A file saying how far each basic condition may lie from the case's value:
// JSON keyed by the inputs' names, each {"dist": "uniform" | "normal" |
// "triangular", "percent": p}, p >= 0. An input not named has no spread.
//
//   {"bay-area": {"dist": "uniform", "percent": 10},
//    "inflow-rate": {"dist": "normal", "percent": 20}}
namespace tidewell::session {

using Spreads = std::array<engine::Spread, kBasicInputs.size()>;  // by BasicInput

struct SpreadFileParse {
    std::optional<Spreads> Spread;
    Message Problem;  // why the text cannot be used, when Spread is empty
};

// Refused when the text is not a JSON object, names an input twice or a key
// that is no basic condition, or an entry lacks "dist" or "percent", has
// another member, names another distribution, or gives a percent that is
// not a number, negative or not finite.
SpreadFileParse ParseSpreadFile(std::string_view text);

// The same for a file; the message to show when it cannot be used.
struct SpreadFileRead {
    std::optional<Spreads> Spread;
    std::optional<Message> Refusal;
};
SpreadFileRead ReadSpreadFile(const std::string& path);

}  // namespace tidewell::session
