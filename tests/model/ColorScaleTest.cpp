#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

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

// Spread over a table's own range the levels cut it into thirteen equal bands:
// the ends get the first and last colour however narrow the range, and a
// table without a range gets one colour instead of a division by zero.
TEST(ColorLevels, SpreadOverATablesRange) {
    model::ColorScale scale;
    model::BuildColorScale(scale);
    const model::Color white = model::Rgb(255, 255, 255), red = model::Rgb(255, 0, 0),
                       green = model::Rgb(128, 255, 128);
    using Row = std::tuple<double, double, double, model::Color>;  // value, lowest, highest
    for (const auto& [value, lowest, highest, expected] :
         {Row{17.4, 17.4, 17.9, white}, Row{17.9, 17.4, 17.9, red}, Row{17.43, 17.4, 17.9, white},
          Row{17.44, 17.4, 17.9, model::Rgb(0, 64, 255)}, Row{17.65, 17.4, 17.9, green},
          Row{17.89, 17.4, 17.9, red}, Row{2.0, 2.0, 28.0, white}, Row{27.0, 2.0, 28.0, red},
          Row{15.0, 2.0, 28.0, green}, Row{17.7, 17.7, 17.7, green}}) {
        EXPECT_EQ(model::SpreadColor(scale, value, lowest, highest), expected)
            << value << " in " << lowest << ".." << highest;
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
