#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "EngineFixtures.h"
#include "case/CaseInput.h"
#include "engine/ModelSetup.h"

namespace tidewell {
namespace {

class DefaultSetUp : public testing::Test {
  protected:
    void SetUp() override {
        ResetModel(Model);
        ASSERT_TRUE(SetUpModel(DefaultCase(), Model, Messages));
    }
    ModelState Model;
    RecordedMessages Messages;
};

TEST_F(DefaultSetUp, DerivesTheScalesOfTheBay) {
    EXPECT_NEAR(Model.BayLength, 31622.78, 0.005);
    EXPECT_EQ(Model.MouthSectionM2, 126000.00202655792);
    EXPECT_NEAR(Model.MouthVelocity, 0.00263, 0.000005);
    EXPECT_EQ(Model.EddyDiffusivity, 4641589.f);
    EXPECT_EQ(Model.TimeStep, 718);
    EXPECT_EQ(Model.CalcDays, 6294);
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(DefaultSetUp, GivesEveryFaceTheCoefficientsOfAUniformChannel) {
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Model.CellVolume[n], 3600000000.0);
        EXPECT_EQ(Model.FaceArea[n][n + 1], 126000.00202655792);
        EXPECT_EQ(Model.FaceArea[n + 1][n], 126000.00202655792);
        EXPECT_EQ(Model.FaceDistance[n][n + 1], 0);
        EXPECT_EQ(Model.FaceDistance[n + 1][n], static_cast<double>(6324.5557f));
        EXPECT_EQ(Model.FaceWeight[n][n + 1], 0.f);
        EXPECT_EQ(Model.FaceWeight[n + 1][n], 1.f);
        EXPECT_EQ(Model.FaceFlow[n][n + 1], 331);
        EXPECT_EQ(Model.FaceFlow[n + 1][n], -331);
        EXPECT_NEAR(Model.FaceExchange[n][n + 1], 9247.136, 0.001);
        EXPECT_EQ(Model.FaceExchange[n + 1][n], Model.FaceExchange[n][n + 1]);
    }
    EXPECT_EQ(Model.CellVolume[6], 0);
}

TEST_F(DefaultSetUp, StartsEveryCellAtTheSeaTemperatureWithTheLoadInTheHeadCell) {
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(Model.CellConc[kTemperature][n], 18);
    EXPECT_EQ(Model.InflowConc[kTemperature], 15);
    EXPECT_EQ(Model.DailyLoad[kTemperature][1], 86.4 * (331 * 15.0));
    EXPECT_EQ(Model.DailyLoad[kTemperature][2], 0);
}

// Inflow rate text for a mouth velocity of exactly `velocity` (or the next
// double above) through a cross-section of `section` km2.
std::string InflowFor(float section, bool above) {
    const double m2 = 1.0 * (static_cast<double>(section) * 1000000);
    const double rate = above ? std::nextafter(m2, 2 * m2) : m2;
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", rate);
    return text;
}

struct SetUpRow {
    const char* Name;
    const char* BayArea;
    float MouthSection;      // km2; 0 keeps the case's own
    std::string InflowRate;  // empty keeps the case's own
    double TimeStep;
    double CalcDays;  // -1: not checked
    bool Advection;   // the advection time set the step
    size_t Warnings;
};

class SetUpCases : public testing::TestWithParam<SetUpRow> {};

TEST_P(SetUpCases, ChoosesTheTimeStepAndCalculationTime) {
    CaseRecord c = DefaultCase();
    ApplyInput(c, BasicInput::BayArea, GetParam().BayArea);
    if (GetParam().MouthSection != 0)
        c.MouthSection = GetParam().MouthSection;
    if (!GetParam().InflowRate.empty())
        ApplyInput(c, BasicInput::InflowRate, GetParam().InflowRate);
    ModelState model;
    RecordedMessages messages;
    ASSERT_TRUE(SetUpModel(c, model, messages));
    EXPECT_EQ(model.TimeStep, GetParam().TimeStep);
    if (GetParam().CalcDays >= 0) {
        EXPECT_EQ(model.CalcDays, GetParam().CalcDays);
    }
    EXPECT_EQ(model.AdvectionSetsStep, GetParam().Advection);
    EXPECT_EQ(messages.Shown.size(), GetParam().Warnings);
}

INSTANTIATE_TEST_SUITE_P(
    Bays, SetUpCases,
    testing::Values(SetUpRow{"OneSquareKilometre", "1", 0, "", 72, 6, false, 0},
                    SetUpRow{"FiftySquareKilometres", "50", 0, "", 265, -1, false, 0},
                    SetUpRow{"LengthCappedAt200km", "100000", 0, "", 2456, -1, false, 0},
                    // 100 m2 of mouth: 3.31 m/s, advection (1910.7 s) sets the step
                    SetUpRow{"NarrowMouthWarnsAndStepsByAdvection", "1000", 0.0001f, "", 32, 6294,
                             true, 1},
                    // 6324.6 s to cross a segment at 1 m/s
                    SetUpRow{"ExactlyOneMetrePerSecondGivesNoWarning", "1000", 0.0003f,
                             InflowFor(0.0003f, false), 105, -1, true, 0},
                    SetUpRow{"JustAboveOneMetrePerSecondWarns", "1000", 0.0003f,
                             InflowFor(0.0003f, true), 105, -1, true, 1}),
    [](const auto& info) { return std::string(info.param.Name); });
TEST(SetUpModel, FlowLimitWarningNamesWhatToChange) {
    CaseRecord c = DefaultCase();
    c.MouthSection = 0.0001f;
    ModelState model;
    RecordedMessages messages;
    ASSERT_TRUE(SetUpModel(c, model, messages));
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(
        messages.Shown[0],
        (Message{"流量等の入力制限", "流入水流量を小さくするか湾口部断面積を大きくしてください"}));
    EXPECT_NEAR(model.MouthVelocity, 3.31, 0.0001);
}

}  // namespace
}  // namespace tidewell
