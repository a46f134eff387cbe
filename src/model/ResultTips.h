#pragma once

#include <array>
#include <string>
#include <vector>

#include "case/Message.h"
#include "engine/ModelState.h"

// The tooltips that give a run's numbers behind its colours and its rounded
// result: a bay frame's final temperature, and the five cells with where each
// settles for the result field.
namespace tidewell::model {

// "セル1：17.51624℃", the frame's temperature to 7 significant digits.
Message CellTip(int cell, float temp);

// One line per cell from the head: "セル1 17.516 ℃（定常 17.52 ℃）".
std::vector<Message> CellsTip(const std::array<double, engine::kBayCellCount>& cells,
                              const std::array<double, engine::kBayCellCount>& steady);

// Says that the result field shows the bay's start temperature, not a result.
Message StartValueNote();

// The tip with the stale note as a line of its own after it, when stale.
std::vector<Message> WithStaleNote(std::vector<Message> tip, bool stale);

}  // namespace tidewell::model
