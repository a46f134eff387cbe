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

std::string CellName(int cell) {
    return "セル" + std::to_string(cell);
}

}  // namespace

std::string CellTip(int cell, float temp) {
    std::string number = DisplayText(temp);
    if (number.starts_with(' '))
        number.erase(0, 1);
    return CellName(cell) + "：" + number + "℃";
}

std::string CellsTip(const std::array<double, engine::kBayCellCount>& cells,
                     const std::array<double, engine::kBayCellCount>& steady) {
    std::string tip;
    for (std::size_t k = 0; k < engine::kBayCellCount; ++k) {
        if (k > 0)
            tip += '\n';
        tip += CellName(static_cast<int>(k) + 1) + " " + Fixed(cells[k], 3) + " ℃（定常 " +
               Fixed(steady[k], 2) + " ℃）";
    }
    return tip;
}

std::string WithStaleNote(std::string tip, bool stale) {
    if (!stale)
        return tip;
    if (!tip.empty())
        tip += '\n';
    return tip += kStaleNote;
}

}  // namespace tidewell::model
