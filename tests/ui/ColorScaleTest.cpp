#include <gtest/gtest.h>

#include "ui/ColorScale.h"
#include "ui/LegendDrawing.h"

namespace tidewell {
namespace {

Color ColorFor(const ColorScale& scale, float temperature, Color start = 12345) {
    FrameTemps temps{};
    temps[3] = temperature;
    Color color = start;
    PickFrameColor(scale, temps, 3, color);
    return color;
}

struct LevelRow {
    const char* Name;
    float Temperature;
    Color Expected;
};

class ColorLevels : public testing::TestWithParam<LevelRow> {};

TEST_P(ColorLevels, MapTemperaturesToTheirLevel) {
    ColorScale scale;
    BuildColorScale(scale);
    EXPECT_EQ(ColorFor(scale, GetParam().Temperature), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, ColorLevels,
                         testing::Values(LevelRow{"BelowFirstThreshold", 1.99f, Rgb(255, 255, 255)},
                                         LevelRow{"Negative", -3.f, Rgb(255, 255, 255)},
                                         LevelRow{"ThresholdBelongsToTheLevelAbove", 2.f,
                                                  Rgb(0, 64, 255)},
                                         LevelRow{"Level3", 5.f, Rgb(0, 128, 255)},
                                         LevelRow{"Level4", 7.f, Rgb(0, 191, 255)},
                                         LevelRow{"Level5", 9.f, Rgb(0, 255, 255)},
                                         LevelRow{"Level6", 11.f, Rgb(64, 255, 191)},
                                         LevelRow{"Level7", 13.f, Rgb(128, 255, 128)},
                                         LevelRow{"DefaultInflow", 15.f, Rgb(191, 255, 64)},
                                         LevelRow{"DefaultResult", 17.7f, Rgb(255, 255, 0)},
                                         LevelRow{"DefaultSea", 18.f, Rgb(255, 191, 0)},
                                         LevelRow{"Level11", 21.f, Rgb(255, 128, 0)},
                                         LevelRow{"JustBelowTheLast", 23.99f, Rgb(255, 64, 0)},
                                         LevelRow{"LastThreshold", 24.f, Rgb(255, 0, 0)},
                                         LevelRow{"FarAbove", 100.f, Rgb(255, 0, 0)}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ColorScale, RampChannelsRoundHalvesToEven) {
    ColorScale scale;
    BuildColorScale(scale);
    EXPECT_EQ(scale.RampGreen[2], 63.75);
    EXPECT_EQ(scale.RampGreen[3], 127.5);
    EXPECT_EQ(GreenOf(scale.ScaleColor[3]), 128);
    EXPECT_EQ(scale.RampBlue[6], 191);
    EXPECT_EQ(scale.ScaleTemp[12], 24);
    EXPECT_EQ(scale.LabelDotColor, Rgb(192, 192, 192));
}

TEST(ColorScale, BuildingTwiceGivesTheSameScale) {
    ColorScale once;
    BuildColorScale(once);
    ColorScale twice = once;
    BuildColorScale(twice);
    EXPECT_EQ(once, twice);
}

TEST(ColorScale, BeforeBuildingKeepsTheColorForWarmAndGivesBlackForFrost) {
    const ColorScale unbuilt;
    EXPECT_EQ(ColorFor(unbuilt, 18.f), 12345u);
    EXPECT_EQ(ColorFor(unbuilt, 0.f), 12345u);
    EXPECT_EQ(ColorFor(unbuilt, -1.f), 0u);
}

class Legend : public testing::Test {
  protected:
    void SetUp() override {
        BuildColorScale(Scale);
        Drawing = DrawLegend(Scale, "IPAPGothic");
        for (const LegendOp& op : Drawing.Ops) {
            if (op.What == LegendOp::Kind::FilledBox)
                Boxes.push_back(op);
            if (op.What == LegendOp::Kind::Label)
                Labels.push_back(op);
        }
    }
    ColorScale Scale;
    LegendDrawing Drawing;
    std::vector<LegendOp> Boxes;
    std::vector<LegendOp> Labels;
};

TEST_F(Legend, DrawsThirteenBoxesColdestOnTheLeft) {
    ASSERT_EQ(Boxes.size(), 13u);
    EXPECT_NEAR(Boxes.front().X1, 1029.32, 0.005);
    EXPECT_NEAR(Boxes.front().X2, 1378.25, 0.005);
    EXPECT_NEAR(Boxes.back().X1, 5216.40, 0.005);
    EXPECT_NEAR(Boxes.back().X2, 5565.32, 0.005);
    for (size_t i = 0; i < Boxes.size(); ++i) {
        EXPECT_NEAR(Boxes[i].Y1, 5584.95, 1e-9);
        EXPECT_NEAR(Boxes[i].Y2, 5755.05, 1e-9);
        EXPECT_EQ(Boxes[i].Paint, Scale.ScaleColor[i + 1]);
    }
}

TEST_F(Legend, WritesTheThresholdsOverTheBoxBorders) {
    ASSERT_EQ(Labels.size(), 14u);
    EXPECT_EQ(Labels[0].Text, "<");
    EXPECT_NEAR(Labels[0].X1, 1038.05, 0.005);
    const double thresholdX[] = {1264.85, 1613.77, 1962.69, 2311.62, 2660.54, 3009.46,
                                 3358.38, 3707.31, 4056.23, 4405.15, 4754.08, 5103.00};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(Labels[i + 1].Text, " " + std::to_string(2 * (i + 1)) + " ");
        EXPECT_NEAR(Labels[i + 1].X1, thresholdX[i], 0.005);
    }
    EXPECT_EQ(Labels[13].Text, "<  (℃)");
    EXPECT_NEAR(Labels[13].X1, 5499.90, 0.005);
    for (const LegendOp& label : Labels) {
        EXPECT_NEAR(label.Y1, 5358.15, 1e-9);
        EXPECT_EQ(label.Paint, Rgb(192, 192, 192));
    }
}

TEST_F(Legend, OutlinesTheWholeBarLast) {
    const LegendOp& outline = Drawing.Ops.back();
    EXPECT_EQ(outline.What, LegendOp::Kind::BoxOutline);
    EXPECT_NEAR(outline.X1, 1029.32, 0.005);
    EXPECT_NEAR(outline.X2, 5565.32, 0.005);
    EXPECT_EQ(outline.Paint, Rgb(0, 0, 0));
    EXPECT_EQ(Drawing.LineWidth, 2);
    EXPECT_EQ(Drawing.FontName, "IPAPGothic");
}

}  // namespace
}  // namespace tidewell
