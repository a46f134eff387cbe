#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <tuple>

#include "EngineFixtures.h"
#include "case/CaseInput.h"
#include "engine/ModelSetup.h"
#include "engine/StepStability.h"
#include "engine/TransportStep.h"

namespace tidewell {
namespace {

// The inflow rate text for a mouth velocity of exactly 1 m/s (or the next
// double above) through a cross-section of `section` km2.
std::string OneMetrePerSecond(float section, bool above) {
    const double m2 = 1.0 * (static_cast<double>(section) * 1000000);
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", above ? std::nextafter(m2, 2 * m2) : m2);
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
    bool Warns;       // the flow-limit warning
};

class SetUpCases : public testing::TestWithParam<SetUpRow> {};

TEST_P(SetUpCases, ChooseTheTimeStepAndWarnAboveOneMetrePerSecond) {
    const SetUpRow& row = GetParam();
    CaseRecord c = DefaultCase();
    ApplyInput(c, BasicInput::BayArea, row.BayArea);
    if (row.MouthSection != 0)
        c.MouthSection = row.MouthSection;
    if (!row.InflowRate.empty())
        ApplyInput(c, BasicInput::InflowRate, row.InflowRate);
    ModelState model;
    RecordedMessages messages;
    ASSERT_TRUE(SetUpModel(c, model, messages));
    EXPECT_EQ(model.TimeStep, row.TimeStep);
    if (row.CalcDays >= 0) {
        EXPECT_EQ(model.CalcDays, row.CalcDays);
    }
    EXPECT_EQ(model.AdvectionSetsStep, row.Advection);
    const Message warning{"流量等の入力制限",
                          "流入水流量を小さくするか湾口部断面積を大きくしてください"};
    EXPECT_EQ(messages.Shown, row.Warns ? std::vector<Message>{warning} : std::vector<Message>{});
    // The step reads one seaward and one headward face and one volume for all cells.
    const StepFace sea = model.StepPlan[1].Faces[0];
    for (int i = 1; i <= kBayCellCount; ++i) {
        const StepPlanCell& cell = model.StepPlan[i];
        const StepFace& down = cell.Faces[static_cast<std::size_t>(cell.FaceCount - 1)];
        const StepFace& up = cell.Faces[0];
        EXPECT_EQ(cell.FaceCount, i == 1 ? 1 : 2);
        EXPECT_EQ(std::tuple(down.Other, down.Flow, down.Exchange, down.WeightOther,
                             down.WeightSelf, model.CellVolume[i]),
                  std::tuple(i + 1, sea.Flow, sea.Exchange, 0.0, 1.0, model.CellVolume[1]))
            << i;
        if (i > 1) {
            EXPECT_EQ(std::tuple(up.Other, up.Flow, up.Exchange, up.WeightOther, up.WeightSelf),
                      std::tuple(i - 1, -sea.Flow, sea.Exchange, 1.0, 0.0))
                << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bays, SetUpCases,
    testing::Values(SetUpRow{"DefaultBay", " 1000", 0, "", 718, 6294, false, false},
                    SetUpRow{"OneSquareKilometre", "1", 0, "", 72, 6, false, false},
                    SetUpRow{"LengthCappedAt200km", "100000", 0, "", 2456, -1, false, false},
                    // 100 m2 of mouth: 3.31 m/s, advection (1910.7 s) sets the step
                    SetUpRow{"NarrowMouth", "1000", 0.0001f, "", 32, 6294, true, true},
                    // 6324.6 s to cross a segment at 1 m/s
                    SetUpRow{"ExactlyOneMetrePerSecond", "1000", 0.0003f,
                             OneMetrePerSecond(0.0003f, false), 105, -1, true, false},
                    SetUpRow{"JustAboveOneMetrePerSecond", "1000", 0.0003f,
                             OneMetrePerSecond(0.0003f, true), 105, -1, true, true}),
    [](const auto& info) { return std::string(info.param.Name); });

struct RadiusRow {
    const char* Name;
    StepMatrix Matrix;
    double Radius;
};

class Radii : public testing::TestWithParam<RadiusRow> {};

TEST_P(Radii, AreTheLargestEigenvalueModulus) {
    EXPECT_NEAR(SpectralRadius(GetParam().Matrix), GetParam().Radius, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Matrices, Radii,
                         testing::Values(RadiusRow{"Scalar", {{-0.5}}, 0.5},
                                         RadiusRow{
                                             "DefectiveJordanBlock", {{0.9, 1e6}, {0, 0.9}}, 0.9},
                                         RadiusRow{"ComplexPair", {{0, -2}, {2, 0}}, 2},
                                         RadiusRow{"Nilpotent", {{0, 1}, {0, 0}}, 0},
                                         RadiusRow{"LargerOfTwo", {{0.3, 0}, {5, -1.01}}, 1.01}),
                         [](const auto& info) { return std::string(info.param.Name); });

// The matrix is the step itself: moving one cell by 1 degree moves the cells
// after one step by that cell's column.
TEST(StepAmplification, IsWhatOneStepDoesToAChangeOfOneCell) {
    for (const char* area : {"1000", "20", "50"}) {
        CaseRecord c = DefaultCase();
        ApplyInput(c, BasicInput::BayArea, area);
        ModelState base;
        RecordedMessages messages;
        ResetModel(base);
        ASSERT_TRUE(SetUpModel(c, base, messages));
        UpdateLoads(base);
        const StepMatrix a = StepAmplification(base);
        ModelState stepped = base;
        AdvanceStep(stepped);
        for (int k = 1; k <= 5; ++k) {
            ModelState moved = base;
            moved.CellConc[kTemperature][k] += 1;
            AdvanceStep(moved);
            for (int i = 1; i <= 5; ++i) {
                const double change =
                    moved.CellConc[kTemperature][i] - stepped.CellConc[kTemperature][i];
                EXPECT_NEAR(change, a[i - 1][k - 1], 1e-5 * (1 + std::fabs(change)))
                    << area << " km2, cell " << i << " after moving cell " << k;
            }
        }
    }
}

}  // namespace
}  // namespace tidewell
