#pragma once

#include <string>
#include <vector>

#include "ColorScale.h"

// The color legend under the schematic, as a list of drawing operations in
// the inner panel's units (twips, x right, y down). The window only renders
// the list, in order.
namespace tidewell::model {

struct LegendOp {
    enum class Kind { FilledBox, BoxOutline, Label };
    Kind What = Kind::Label;
    double X1 = 0, Y1 = 0;  // a box's corner, or a label's top-left
    double X2 = 0, Y2 = 0;  // a box's opposite corner
    Color Paint = 0;        // fill or outline; a label's dot
    std::string Text;       // a label's text

    bool operator==(const LegendOp&) const = default;
};

struct LegendDrawing {
    int LineWidth = 0;  // pixels, solid lines
    std::string FontName;
    std::vector<LegendOp> Ops;

    bool operator==(const LegendDrawing&) const = default;
};

// Thirteen boxes, one per level, coldest on the left, the thresholds written
// over the box borders, a black outline round the bar.
LegendDrawing DrawLegend(const ColorScale& scale, const std::string& windowFontName);

}  // namespace tidewell::model
