#include "ModelState.h"

namespace tidewell {

void ResetModel(ModelState& m) {
    for (int i = 1; i <= kMaxCells; ++i) {
        for (int j = 1; j <= kMaxCells; ++j) {
            m.FaceArea[i][j] = 0;
            m.FaceDistance[i][j] = 0;
            m.FaceWeight[i][j] = 0;
            if (i <= kMaxNeighbourCells && j <= kMaxNeighbourCells)
                m.Neighbour[i][j] = 0;
            m.FaceDiffusivity[i][j] = 0;
            m.FaceExchange[i][j] = 0;
            m.FaceFlow[i][j] = 0;
        }
    }
    for (int c = 1; c <= kMaxComponents; ++c) {
        for (int n = 1; n <= kMaxCells; ++n) {
            m.CellConc[c][n] = 0;
            m.StepChange[c][n] = 0;
            m.DailyLoad[c][n] = 0;
        }
    }
    m.StepPlan = {};
}

}  // namespace tidewell
