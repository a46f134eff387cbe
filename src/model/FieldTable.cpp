#include "FieldTable.h"

#include <array>

namespace tidewell::model {
namespace {

using enum Field;

constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {BayArea, BasicInput::BayArea},
    {MeanDepth, BasicInput::MeanDepth},
    {BayVolume, {}},
    {MouthLength, BasicInput::MouthLength},
    {MouthDepth, {}},
    {MouthSection, {}},
    {SeaTemp, BasicInput::SeaTemp},
    {InflowTemp, BasicInput::InflowTemp},
    {InflowRate, BasicInput::InflowRate},
    {InflowLoad, {}},
    {ChangedSection, {}},
    {ChangedLoad, {}},
    {ResidenceTime, {}},
    {Closedness, {}},
    {LoadPerVolume, {}},
    {Result, {}},
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

Field FieldOf(BasicInput input) {
    for (const FieldInfo& info : kFields) {
        if (info.Input == input)
            return info.Id;
    }
    return Field::Result;  // not reached: every input has its field
}

}  // namespace tidewell::model
