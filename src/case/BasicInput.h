#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "MessageId.h"

namespace tidewell {

// The six basic conditions the user types, in the order of their fields.
enum class BasicInput { BayArea, MeanDepth, MouthLength, SeaTemp, InflowTemp, InflowRate };

inline constexpr std::array<BasicInput, 6> kBasicInputs{
    BasicInput::BayArea, BasicInput::MeanDepth,  BasicInput::MouthLength,
    BasicInput::SeaTemp, BasicInput::InflowTemp, BasicInput::InflowRate};

struct InputInfo {
    BasicInput Id;
    // The one name outside the window: the command-line option, the CSV
    // column of a batch, the key in a case file.
    std::string_view Name;
    MessageId Caption;             // its window label, without the unit
    std::string_view Unit;         // as the command line's help writes it
    std::string_view ShownUnit;    // as the window writes it ("℃" for "degC")
    std::string_view Description;  // in English, for the command line's help
    double Limit;                  // the smallest leading number a text may have ...
    bool LimitAccepted;            // ... itself accepted, or only what lies above it
};

// All six, in field order.
std::span<const InputInfo> InputTable();
const InputInfo& InfoOf(BasicInput input);
std::string_view InputName(BasicInput input);
// The input named `name`; empty for any other name.
std::optional<BasicInput> InputNamed(std::string_view name);

}  // namespace tidewell
