#pragma once

#include <array>
#include <cstdint>

#include "SchematicFrames.h"

// Thirteen color levels in steps of 2 degC, from white (below 2) through
// blue, cyan, green and yellow to red (24 and more), and the frame colors
// picked from them.
namespace tidewell::model {

// red + 256 * green + 65536 * blue, each channel 0 to 255
using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
    return static_cast<Color>(red + 256 * green + 65536 * blue);
}
constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

inline constexpr int kScaleTableSize = 21;

struct ColorScale {
    std::int16_t ScaleLevelCount = 0;                 // 0 until built
    std::array<double, kScaleTableSize> ScaleTemp{};  // thresholds, degC
    std::array<Color, kScaleTableSize> ScaleColor{};  // level k = 1 .. ScaleLevelCount
    std::array<double, kScaleTableSize> RampRed{};
    std::array<double, kScaleTableSize> RampGreen{};
    std::array<std::int32_t, kScaleTableSize> RampBlue{};
    Color OutlineColor = 0;
    Color LabelDotColor = 0;

    bool operator==(const ColorScale&) const = default;
};

void BuildColorScale(ColorScale& scale);
void BuildColorRamp(ColorScale& scale);

// Sets `color` to the level of FrameTemp(index): the last threshold that the
// temperature reaches wins, and a temperature below the first threshold gets
// level 1. Before the scale is built a temperature of 0 or more leaves
// `color` unchanged and a negative one gives black.
void PickFrameColor(const ColorScale& scale, const FrameTemps& frameTemp, int index, Color& color);

// The scale's level colours spread over the values of one table instead of
// 2 degC each: the range from `lowest` to `highest` is cut into as many equal
// bands as the scale has levels, so `lowest` gets level 1, `highest` the last
// level, and a narrow table still shows its differences. A table of one value
// (no range) is all the middle level. `value` is finite and within the range.
Color SpreadColor(const ColorScale& scale, double value, double lowest, double highest);

// Black or white, whichever contrasts more with `background` (ratio of the
// sRGB relative luminances plus 0.05): of the scale's levels only the dark
// blue of 2 to 4 degC takes white.
Color InkOn(Color background);

}  // namespace tidewell::model
