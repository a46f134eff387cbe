#include "BasicInput.h"

#include <cstddef>

namespace tidewell {
namespace {

using enum BasicInput;

constexpr std::array<InputInfo, kBasicInputs.size()> kInputs{{
    {BayArea, "bay-area", MessageId::BayAreaCaption, "km2", "km2", "bay area", 1, true},
    {MeanDepth, "mean-depth", MessageId::MeanDepthCaption, "m", "m", "mean depth", 1, true},
    {MouthLength, "mouth-length", MessageId::MouthLengthCaption, "km", "km", "bay-mouth length", 0,
     false},
    {SeaTemp, "sea-temp", MessageId::SeaTempCaption, "degC", "℃", "outer-sea temperature", 0, true},
    {InflowTemp, "inflow-temp", MessageId::InflowTempCaption, "degC", "℃", "inflow temperature", 0,
     true},
    {InflowRate, "inflow-rate", MessageId::InflowRateCaption, "m3/s", "m3/s", "inflow rate", 0,
     false},
}};

constexpr bool InInputOrder() {
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        if (kInputs[i].Id != kBasicInputs[i])
            return false;
    }
    return true;
}
static_assert(InInputOrder());

}  // namespace

std::span<const InputInfo> InputTable() {
    return kInputs;
}

const InputInfo& InfoOf(BasicInput input) {
    return kInputs[static_cast<std::size_t>(input)];
}

std::string_view InputName(BasicInput input) {
    return InfoOf(input).Name;
}

std::optional<BasicInput> InputNamed(std::string_view name) {
    for (const InputInfo& info : kInputs) {
        if (info.Name == name)
            return info.Id;
    }
    return std::nullopt;
}

}  // namespace tidewell
