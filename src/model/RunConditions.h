#pragma once

#include <array>
#include <string>
#include <vector>

#include "case/BasicInput.h"
#include "case/Message.h"
#include "case/Multipliers.h"

// What a run was made with, as the window showed it: the six basic
// conditions as typed and the three list entries picked. A chart names them
// in its title so that a saved picture says which case it shows.
namespace tidewell::model {

struct RunConditions {
    std::array<std::string, kBasicInputs.size()> Texts;        // in input order
    std::array<std::string, kMultiplierLists.size()> Entries;  // in list order

    bool operator==(const RunConditions&) const = default;
};

// Three lines: "湾面積 1000 km2　平均水深 18 m　湾口部長さ 18 km", the
// temperatures and the inflow rate, then the three multipliers.
std::vector<Message> ConditionLines(const RunConditions& conditions);

}  // namespace tidewell::model
