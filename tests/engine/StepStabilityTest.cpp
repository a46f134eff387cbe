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

// The largest eigenvalue modulus, whether the eigenvalues are real, complex
// or repeated without a full set of eigenvectors.
TEST(SpectralRadius, IsTheLargestEigenvalueModulus) {
    for (const auto& [matrix, radius] : {std::pair{StepMatrix{{-0.5}}, 0.5},
                                         {StepMatrix{{0.9, 1e6}, {0, 0.9}}, 0.9},
                                         {StepMatrix{{0, -2}, {2, 0}}, 2.0},
                                         {StepMatrix{{0, 1}, {0, 0}}, 0.0},
                                         {StepMatrix{{0.3, 0}, {5, -1.01}}, 1.01}})
        EXPECT_NEAR(SpectralRadius(matrix), radius, 1e-9) << radius;
}

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
