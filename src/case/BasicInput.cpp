#include "BasicInput.h"

#include <cstddef>

namespace tidewell {
namespace {

using enum BasicInput;

constexpr std::array<InputInfo, kBasicInputs.size()> kInputs{{
    {BayArea, "bay-area", "湾面積", "km2", "bay area", 1, true},
    {MeanDepth, "mean-depth", "平均水深", "m", "mean depth", 1, true},
    {MouthLength, "mouth-length", "湾口部長さ", "km", "bay-mouth length", 0, false},
    {SeaTemp, "sea-temp", "外海水水温", "degC", "outer-sea temperature", 0, true},
    {InflowTemp, "inflow-temp", "流入水水温", "degC", "inflow temperature", 0, true},
    {InflowRate, "inflow-rate", "流入水流量", "m3/s", "inflow rate", 0, false},
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
