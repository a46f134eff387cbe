#include <gtest/gtest.h>

#include <cmath>

#include "model/ColorScale.h"
#include "model/LegendDrawing.h"

namespace tidewell {
namespace {

// Each threshold belongs to the level above it; the ramp's halves round to even.
TEST(ColorLevels, MapTemperaturesToTheirLevel) {
    model::ColorScale scale;
    model::BuildColorScale(scale);
    // clang-format off
    for (const auto& [temperature, expected] :
         {std::pair{1.99f, model::Rgb(255, 255, 255)}, {2.f, model::Rgb(0, 64, 255)}, {13.f, model::Rgb(128, 255, 128)},
          {17.7f, model::Rgb(255, 255, 0)}, {18.f, model::Rgb(255, 191, 0)}, {23.99f, model::Rgb(255, 64, 0)},
          {24.f, model::Rgb(255, 0, 0)}}) {  // clang-format on
        model::FrameTemps temps{};
        temps[3] = temperature;
        model::Color color = 12345;
        model::PickFrameColor(scale, temps, 3, color);
        EXPECT_EQ(color, expected) << temperature;
    }
}

// Thirteen boxes, coldest first, each labelled at its lower threshold; the bar outlined.
TEST(Legend, DrawsTheScaleColdestFirst) {
    model::ColorScale scale;
    model::BuildColorScale(scale);
    const model::LegendDrawing drawing = model::DrawLegend(scale, "IPAPGothic");
    std::vector<model::LegendOp> boxes;
    std::vector<std::string> texts, labels{"<"};
    for (const model::LegendOp& op : drawing.Ops) {
        if (op.What == model::LegendOp::Kind::FilledBox)
            boxes.push_back(op);
        else if (op.What == model::LegendOp::Kind::Label)
            texts.push_back(op.Text);
    }
    for (int t = 2; t <= 24; t += 2)
        labels.push_back(" " + std::to_string(t) + " ");
    labels.push_back("<  (℃)");
    ASSERT_EQ(boxes.size(), 13u);
    EXPECT_TRUE(boxes.front().Paint == model::Rgb(255, 255, 255) &&
                boxes.back().Paint == model::Rgb(255, 0, 0));
    // A bar: each box starts where the one before ends and is at least a
    // quarter as tall as it is wide.
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const model::LegendOp& box = boxes[i];
        EXPECT_GT(std::fabs(box.Y2 - box.Y1), std::fabs(box.X2 - box.X1) / 4) << i;
        EXPECT_TRUE(i == 0 || std::fabs(box.X1 - boxes[i - 1].X2) < 1) << i;
    }
    EXPECT_EQ(texts, labels);
    EXPECT_EQ(drawing.Ops.back().What, model::LegendOp::Kind::BoxOutline);
}

}  // namespace
}  // namespace tidewell
