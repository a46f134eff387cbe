#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "case/CaseInput.h"
#include "engine/ModelSetup.h"
#include "engine/StepStability.h"
#include "engine/TransportStep.h"

namespace tidewell {
namespace {

using test::RecordedMessages;

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
    for (const char* area : {"20", "50"}) {
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
