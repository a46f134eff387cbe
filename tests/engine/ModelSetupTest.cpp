#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "EngineFixtures.h"
#include "case/CaseInput.h"
#include "engine/ModelSetup.h"

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
    const StepFace seaward = model.StepPlan[1].Faces[0];
    for (int i = 1; i <= kBayCellCount; ++i) {
        const StepPlanCell& cell = model.StepPlan[i];
        ASSERT_EQ(cell.FaceCount, i == 1 ? 1 : 2) << i;
        const StepFace& down = cell.Faces[i == 1 ? 0 : 1];
        EXPECT_TRUE(down.Other == i + 1 && down.Flow == seaward.Flow &&
                    down.Exchange == seaward.Exchange && down.WeightOther == 0 &&
                    down.WeightSelf == 1 && model.CellVolume[i] == model.CellVolume[1])
            << i;
        if (i > 1) {
            const StepFace& up = cell.Faces[0];
            EXPECT_TRUE(up.Other == i - 1 && up.Flow == -seaward.Flow &&
                        up.Exchange == seaward.Exchange && up.WeightOther == 1 &&
                        up.WeightSelf == 0)
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

}  // namespace
}  // namespace tidewell
