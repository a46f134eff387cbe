#pragma once

#include <array>

// The schematic's seven frames: 1 to 5 the bay frames from the head, 6 the
// inflow frame, 7 the outer-sea frame (index 0 is unused).
namespace tidewell::model {

inline constexpr int kFrameCount = 7;
inline constexpr int kBayFrameCount = 5;
inline constexpr int kInflowFrame = 6;
inline constexpr int kSeaFrame = 7;

// The temperature each frame shows, degC.
using FrameTemps = std::array<float, kFrameCount + 1>;

}  // namespace tidewell::model
