#include "BasicInput.h"

#include <cstddef>

namespace tidewell {
namespace {

// Indexed by BasicInput.
constexpr std::array<std::string_view, kBasicInputs.size()> kNames{
    "bay-area", "mean-depth", "mouth-length", "sea-temp", "inflow-temp", "inflow-rate"};

}  // namespace

std::string_view InputName(BasicInput input) {
    return kNames[static_cast<std::size_t>(input)];
}

}  // namespace tidewell
