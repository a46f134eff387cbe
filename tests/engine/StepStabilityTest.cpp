#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "case/CaseInput.h"
#include "engine/ModelSetup.h"
#include "engine/StepStability.h"
#include "engine/TransportStep.h"

namespace tidewell {
namespace {

// The largest eigenvalue modulus, whether the eigenvalues are real, complex
// or repeated without a full set of eigenvectors.
TEST(SpectralRadius, IsTheLargestEigenvalueModulus) {
    for (const auto& [matrix, radius] : {std::pair{engine::StepMatrix{{-0.5}}, 0.5},
                                         {engine::StepMatrix{{0.9, 1e6}, {0, 0.9}}, 0.9},
                                         {engine::StepMatrix{{0, -2}, {2, 0}}, 2.0},
                                         {engine::StepMatrix{{0, 1}, {0, 0}}, 0.0},
                                         {engine::StepMatrix{{0.3, 0}, {5, -1.01}}, 1.01}})
        EXPECT_NEAR(engine::SpectralRadius(matrix), radius, 1e-9) << radius;
}

// The matrix is the step itself: moving one cell by 1 degree moves the cells
// after one step by that cell's column.
TEST(StepAmplification, IsWhatOneStepDoesToAChangeOfOneCell) {
    for (const char* area : {"20", "50"}) {
        CaseRecord c = DefaultCase();
        ApplyInput(c, BasicInput::BayArea, area);
        engine::ModelState base;
        MessageLog messages;
        engine::ResetModel(base);
        ASSERT_TRUE(engine::SetUpModel(c, base, messages));
        engine::UpdateLoads(base);
        const engine::StepMatrix a = engine::StepAmplification(base);
        engine::ModelState stepped = base;
        engine::AdvanceStep(stepped);
        for (int k = 1; k <= 5; ++k) {
            engine::ModelState moved = base;
            moved.CellConc[engine::kTemperature][k] += 1;
            engine::AdvanceStep(moved);
            for (int i = 1; i <= 5; ++i) {
                const double change = moved.CellConc[engine::kTemperature][i] -
                                      stepped.CellConc[engine::kTemperature][i];
                EXPECT_NEAR(change, a[i - 1][k - 1], 1e-5 * (1 + std::fabs(change)))
                    << area << " km2, cell " << i << " after moving cell " << k;
            }
        }
    }
}

}  // namespace
}  // namespace tidewell
