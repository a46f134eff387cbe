#include "LegendDrawing.h"

#include "case/NumberText.h"

namespace tidewell::model {

LegendDrawing DrawLegend(const ColorScale& scale, const std::string& windowFontName) {
    const double u = 5.67;  // about 0.1 mm in twips
    LegendDrawing drawing;
    drawing.LineWidth = 2;
    drawing.FontName = windowFontName;
    const std::string unitText = "(℃)";

    const int levels = scale.ScaleLevelCount;
    const double x0 = (u * 20) + (u * 100);
    const double y0 = (u * 60) + (u * 925);
    const double boxWidth = u * (800.0 / levels);
    const double boxHeight = u * 30;
    const double top = y0;
    const double bottom = y0 + boxHeight;

    const auto label = [&](double x, double y, std::string text) {
        drawing.Ops.push_back(
            {LegendOp::Kind::Label, x, y, 0, 0, scale.LabelDotColor, std::move(text)});
    };
    double x = x0;
    double right = x0;
    for (int i = 1; i <= levels; ++i) {
        x = x + boxWidth;  // a running sum, as the bar has always been drawn
        right = x + boxWidth;
        drawing.Ops.push_back(
            {LegendOp::Kind::FilledBox, x, top, right, bottom, scale.ScaleColor[i], {}});
        const double lx = right - u * 20;
        const double ly = bottom - u * 70;
        if (i == 1)
            label(lx - u * 40, ly, "<");
        if (i < levels) {
            label(lx, ly, ReportNumber(scale.ScaleTemp[i]));
        } else {
            label((lx - boxWidth) + u * 70, ly, "<  " + unitText);
        }
    }
    drawing.Ops.push_back(
        {LegendOp::Kind::BoxOutline, x0 + boxWidth, top, right, bottom, scale.OutlineColor, {}});
    return drawing;
}

}  // namespace tidewell::model
