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

// Thirteen boxes from the coldest on the left, each labelled at its lower
// threshold, the whole bar outlined.
TEST(Legend, DrawsTheScaleColdestFirst) {
    ColorScale scale;
    BuildColorScale(scale);
    const LegendDrawing drawing = DrawLegend(scale, "IPAPGothic");
    std::vector<Color> boxes;
    std::vector<std::string> texts, labels{"<"};
    double left = -1;
    for (const LegendOp& op : drawing.Ops) {
        if (op.What == LegendOp::Kind::FilledBox) {
            EXPECT_GT(op.X1, left);
            left = op.X1;
            boxes.push_back(op.Paint);
        } else if (op.What == LegendOp::Kind::Label) {
            texts.push_back(op.Text);
        }
    }
    for (int t = 2; t <= 24; t += 2)
        labels.push_back(" " + std::to_string(t) + " ");
    labels.push_back("<  (℃)");
    EXPECT_EQ(boxes,
              std::vector<Color>(scale.ScaleColor.begin() + 1, scale.ScaleColor.begin() + 14));
    EXPECT_EQ(boxes.front(), Rgb(255, 255, 255));
    EXPECT_EQ(boxes.back(), Rgb(255, 0, 0));
    EXPECT_EQ(texts, labels);
    EXPECT_EQ(drawing.Ops.back().What, LegendOp::Kind::BoxOutline);
    EXPECT_EQ(drawing.FontName, "IPAPGothic");
}

}  // namespace
}  // namespace tidewell
