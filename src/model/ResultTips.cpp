#include "ResultTips.h"

#include <charconv>

#include "case/NumberText.h"

namespace tidewell::model {
namespace {

// Fixed decimals with a full stop whatever the locale.
std::string Fixed(double value, int decimals) {
    char text[400];  // room for the largest double in fixed notation
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, end.ptr);
}

}  // namespace

Message CellTip(int cell, float temp) {
    std::string number = DisplayText(temp);
    if (number.starts_with(' '))
        number.erase(0, 1);
    return {MessageId::CellTip, {std::to_string(cell), number}};
}

std::vector<Message> CellsTip(const std::array<double, engine::kBayCellCount>& cells,
                              const std::array<double, engine::kBayCellCount>& steady) {
    std::vector<Message> tip;
    for (std::size_t k = 0; k < engine::kBayCellCount; ++k)
        tip.push_back({MessageId::CellSteadyTip,
                       {std::to_string(k + 1), Fixed(cells[k], 3), Fixed(steady[k], 2)}});
    return tip;
}

Message StartValueNote() {
    return {MessageId::StartValueNote, {}};
}

std::vector<Message> WithStaleNote(std::vector<Message> tip, bool stale) {
    if (stale)
        tip.push_back({MessageId::StaleNote, {}});
    return tip;
}

}  // namespace tidewell::model
