#pragma once

#include <array>
#include <string_view>

namespace tidewell {

// The six basic conditions the user types, in the order of their fields.
enum class BasicInput { BayArea, MeanDepth, MouthLength, SeaTemp, InflowTemp, InflowRate };

inline constexpr std::array<BasicInput, 6> kBasicInputs{
    BasicInput::BayArea, BasicInput::MeanDepth,  BasicInput::MouthLength,
    BasicInput::SeaTemp, BasicInput::InflowTemp, BasicInput::InflowRate};

// The one name of each basic condition outside the window: the command-line
// option, the key in a case file ("bay-area", "mean-depth", ...).
std::string_view InputName(BasicInput input);

}  // namespace tidewell
