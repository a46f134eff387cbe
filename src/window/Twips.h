#pragma once

#include <cmath>

// The window is laid out in twips (1/1440 inch); widgets take pixels at the
// screen's logical resolution: px = twips * dpi / 1440.
namespace tidewell::window {

inline constexpr double kTwipsPerInch = 1440.0;

inline double TwipsToPixelsF(double twips, int dpi) {
    return twips * dpi / kTwipsPerInch;
}

inline int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(TwipsToPixelsF(twips, dpi)));
}

}  // namespace tidewell::window
