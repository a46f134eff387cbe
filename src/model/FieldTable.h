#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "case/CaseInput.h"

// The window's sixteen text fields by name, and the one table that says which
// of them the user types into and which case input each of those sets (its
// names and limits are the case's input table).
namespace tidewell::model {

// Numbered as the window's controls Text1 .. Text16.
enum class Field {
    BayArea = 1,
    MeanDepth = 2,
    BayVolume = 3,
    MouthLength = 4,
    MouthDepth = 5,
    MouthSection = 6,
    SeaTemp = 7,
    InflowTemp = 8,
    InflowRate = 9,
    InflowLoad = 10,
    ChangedSection = 11,
    ChangedLoad = 12,
    ResidenceTime = 13,
    Closedness = 14,
    LoadPerVolume = 15,
    Result = 16,
};

inline constexpr int kFieldCount = 16;

struct FieldInfo {
    Field Id;
    std::optional<BasicInput> Input;  // set for the fields the user types into
};

// All sixteen fields, in number order.
std::span<const FieldInfo> FieldTable();

const FieldInfo& InfoOf(Field field);
bool IsEditable(Field field);

constexpr int NumberOf(Field field) {
    return static_cast<int>(field);
}
// The field numbered n (1 .. 16); empty for any other number.
std::optional<Field> FieldNumbered(int n);
// The field the user types the input into.
Field FieldOf(BasicInput input);

}  // namespace tidewell::model
