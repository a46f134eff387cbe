#include "ColorScale.h"

#include <algorithm>
#include <cmath>

namespace tidewell::model {
namespace {

// A channel's share of the relative luminance, undoing the sRGB gamma.
double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Rounds a channel to a whole number, halves to the even neighbour.
int RoundChannel(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

void BuildColorScale(ColorScale& s) {
    s.ScaleTemp[0] = 0;
    s.ScaleLevelCount = 13;
    for (int i = 1; i <= s.ScaleLevelCount - 1; ++i)
        s.ScaleTemp[i] = s.ScaleTemp[i - 1] + 2;
    BuildColorRamp(s);
    for (int k = 1; k <= s.ScaleLevelCount; ++k) {
        s.ScaleColor[k] =
            Rgb(RoundChannel(s.RampRed[k]), RoundChannel(s.RampGreen[k]), s.RampBlue[k]);
    }
    s.OutlineColor = Rgb(0, 0, 0);
    s.LabelDotColor = Rgb(192, 192, 192);
}

void BuildColorRamp(ColorScale& s) {
    s.RampRed[1] = 255;
    s.RampGreen[1] = 255;
    s.RampBlue[1] = 255;

    // The steps above level 1 form three ramps: blue to cyan, cyan to yellow
    // (which takes any remainder), yellow to red. With the scale's twelve
    // steps each is a quarter of 255, exact in binary, so no channel passes 0.
    const int steps = s.ScaleLevelCount - 1;
    const int third = steps / 3;
    const int rest = steps % 3;
    const int middle = rest + third;
    const int end1 = third;
    const int end2 = middle + end1;

    double r = 0;
    double g = 0;
    double b = 255;
    for (int k = 2; k <= s.ScaleLevelCount; ++k) {
        const int d = k - 1;
        if (d <= end1) {
            g = g + 255.0 / third;
        } else if (d <= end2) {
            r = r + 255.0 / middle;
            b = b - 255.0 / middle;
        } else {
            g = g - 255.0 / third;
        }
        s.RampRed[k] = r;
        s.RampGreen[k] = g;
        s.RampBlue[k] = RoundChannel(b);
    }
}

void PickFrameColor(const ColorScale& s, const FrameTemps& frameTemp, int index, Color& color) {
    const double t = static_cast<double>(frameTemp[index]);
    for (int i = 1; i <= s.ScaleLevelCount - 1; ++i) {
        if (t >= s.ScaleTemp[i])
            color = s.ScaleColor[i + 1];
    }
    if (t < s.ScaleTemp[1])
        color = s.ScaleColor[1];
}

Color SpreadColor(const ColorScale& s, double value, double lowest, double highest) {
    const int levels = s.ScaleLevelCount;
    if (levels < 1)
        return 0;
    if (!(highest > lowest))
        return s.ScaleColor[static_cast<std::size_t>((levels + 1) / 2)];
    const double share = std::clamp((value - lowest) / (highest - lowest), 0.0, 1.0);
    // The top band is closed: the highest value belongs to the last level.
    const int level = std::min(levels, 1 + static_cast<int>(std::floor(share * levels)));
    return s.ScaleColor[static_cast<std::size_t>(level)];
}

Color InkOn(Color background) {
    const double luminance = 0.2126 * Linear(RedOf(background)) +
                             0.7152 * Linear(GreenOf(background)) +
                             0.0722 * Linear(BlueOf(background));
    const double onBlack = (luminance + 0.05) / 0.05;
    const double onWhite = 1.05 / (luminance + 0.05);
    return onWhite > onBlack ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
}

}  // namespace tidewell::model
