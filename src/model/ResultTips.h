#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/ModelState.h"

// The tooltips that give a run's numbers behind its colours and its rounded
// result: a bay frame's final temperature, and the five cells with where each
// settles for the result field.
namespace tidewell::model {

inline constexpr std::string_view kStaleNote =
    "入力が計算後に変更されています。計算開始で再計算してください";

// "セル1：17.51624℃", the frame's temperature to 7 significant digits.
std::string CellTip(int cell, float temp);

// One line per cell from the head: "セル1 17.516 ℃（定常 17.52 ℃）".
std::string CellsTip(const std::array<double, engine::kBayCellCount>& cells,
                     const std::array<double, engine::kBayCellCount>& steady);

// The tip with the stale note on a line of its own after it, when stale.
std::string WithStaleNote(std::string tip, bool stale);

}  // namespace tidewell::model
