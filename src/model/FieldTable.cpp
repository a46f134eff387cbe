#include "FieldTable.h"

#include <array>

namespace tidewell::model {
namespace {

using enum Field;

constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {BayArea, BasicInput::BayArea, "bay-area"},
    {MeanDepth, BasicInput::MeanDepth, "mean-depth"},
    {BayVolume, {}, {}},
    {MouthLength, BasicInput::MouthLength, "mouth-length"},
    {MouthDepth, {}, {}},
    {MouthSection, {}, {}},
    {SeaTemp, BasicInput::SeaTemp, "sea-temp"},
    {InflowTemp, BasicInput::InflowTemp, "inflow-temp"},
    {InflowRate, BasicInput::InflowRate, "inflow-rate"},
    {InflowLoad, {}, {}},
    {ChangedSection, {}, {}},
    {ChangedLoad, {}, {}},
    {ResidenceTime, {}, {}},
    {Closedness, {}, {}},
    {LoadPerVolume, {}, {}},
    {Result, {}, {}},
}};

// The table is indexed by field number; a misplaced row would pair a field
// with another field's input.
constexpr bool InNumberOrder() {
    for (int n = 1; n <= kFieldCount; ++n) {
        if (NumberOf(kFields[static_cast<size_t>(n - 1)].Id) != n)
            return false;
    }
    return true;
}
static_assert(InNumberOrder());

}  // namespace

std::span<const FieldInfo> FieldTable() {
    return kFields;
}

const FieldInfo& InfoOf(Field field) {
    return kFields[static_cast<size_t>(NumberOf(field) - 1)];
}

bool IsEditable(Field field) {
    return InfoOf(field).Input.has_value();
}

std::optional<Field> FieldNumbered(int n) {
    if (n < 1 || n > kFieldCount)
        return std::nullopt;
    return kFields[static_cast<size_t>(n - 1)].Id;
}

std::optional<Field> FieldWithOption(std::string_view option) {
    for (const FieldInfo& info : kFields) {
        if (!option.empty() && info.Option == option)
            return info.Id;
    }
    return std::nullopt;
}

}  // namespace tidewell::model
