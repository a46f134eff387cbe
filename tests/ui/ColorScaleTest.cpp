#include <gtest/gtest.h>

#include "ui/ColorScale.h"
#include "ui/LegendDrawing.h"

namespace tidewell {
namespace {

struct LevelRow {
    const char* Name;
    float Temperature;
    Color Expected;
};

class ColorLevels : public testing::TestWithParam<LevelRow> {};

// Each threshold belongs to the level above it; the ramp's halves round to even.
TEST_P(ColorLevels, MapTemperaturesToTheirLevel) {
    ColorScale scale;
    BuildColorScale(scale);
    FrameTemps temps{};
    temps[3] = GetParam().Temperature;
    Color color = 12345;
    PickFrameColor(scale, temps, 3, color);
    EXPECT_EQ(color, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, ColorLevels,
                         testing::Values(LevelRow{"BelowFirstThreshold", 1.99f, Rgb(255, 255, 255)},
                                         LevelRow{"FirstThreshold", 2.f, Rgb(0, 64, 255)},
                                         LevelRow{"Level3", 5.f, Rgb(0, 128, 255)},
                                         LevelRow{"Level7", 13.f, Rgb(128, 255, 128)},
                                         LevelRow{"DefaultInflow", 15.f, Rgb(191, 255, 64)},
                                         LevelRow{"DefaultResult", 17.7f, Rgb(255, 255, 0)},
                                         LevelRow{"DefaultSea", 18.f, Rgb(255, 191, 0)},
                                         LevelRow{"Level11", 21.f, Rgb(255, 128, 0)},
                                         LevelRow{"JustBelowTheLast", 23.99f, Rgb(255, 64, 0)},
                                         LevelRow{"LastThreshold", 24.f, Rgb(255, 0, 0)}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Thirteen boxes coldest on the left, the thresholds in grey over the box
// borders, the whole bar outlined last.
TEST(Legend, DrawsTheScaleAsABarOfBoxes) {
    ColorScale scale;
    BuildColorScale(scale);
    const LegendDrawing drawing = DrawLegend(scale, "IPAPGothic");
    std::vector<LegendOp> boxes, labels;
    for (const LegendOp& op : drawing.Ops)
        (op.What == LegendOp::Kind::FilledBox ? boxes : labels).push_back(op);
    ASSERT_EQ(boxes.size(), 13u);
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_NEAR(boxes[i].X1, 1029.32 + 348.923 * static_cast<double>(i), 0.01) << i;
        EXPECT_NEAR(boxes[i].X2 - boxes[i].X1, 348.93, 0.01) << i;
        EXPECT_NEAR(boxes[i].Y1, 5584.95, 1e-9);
        EXPECT_NEAR(boxes[i].Y2, 5755.05, 1e-9);
        EXPECT_EQ(boxes[i].Paint, scale.ScaleColor[i + 1]);
    }
    const LegendOp outline = labels.back();
    labels.pop_back();
    ASSERT_EQ(labels.size(), 14u);
    EXPECT_EQ(labels.front().Text, "<");
    EXPECT_NEAR(labels.front().X1, 1038.05, 0.005);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(labels[i].Text, " " + std::to_string(2 * i) + " ");
        EXPECT_NEAR(labels[i].X1, 1264.85 + 348.923 * (i - 1), 0.01) << i;
    }
    EXPECT_EQ(labels.back().Text, "<  (℃)");
    EXPECT_NEAR(labels.back().X1, 5499.90, 0.005);
    for (const LegendOp& label : labels) {
        EXPECT_NEAR(label.Y1, 5358.15, 1e-9);
        EXPECT_EQ(label.Paint, Rgb(192, 192, 192));
    }
    EXPECT_EQ(outline.What, LegendOp::Kind::BoxOutline);
    EXPECT_NEAR(outline.X1, 1029.32, 0.005);
    EXPECT_NEAR(outline.X2, 5565.32, 0.005);
    EXPECT_EQ(outline.Paint, Rgb(0, 0, 0));
    EXPECT_EQ(drawing.LineWidth, 2);
    EXPECT_EQ(drawing.FontName, "IPAPGothic");
}

}  // namespace
}  // namespace tidewell
