// Geometry of a uniform channel: five equal segments along the bay's length
// scale, each face with the cross-section of the bay mouth.
#include "ModelSetup.h"

namespace tidewell::engine {
namespace {

// Visits every face (n, p) of the neighbour table, once from each side.
template <typename Visit>
void ForEveryFace(const ModelState& m, Visit visit) {
    for (int n = 1; n <= m.CellCount; ++n) {
        for (int k = 1; k <= m.NeighbourCount[n]; ++k)
            visit(n, m.Neighbour[n][k]);
    }
}

// Visits every pair (s, t), s < t, that may share a face.
template <typename Visit>
void ForEveryPair(const ModelState& m, Visit visit) {
    for (int s = 1; s <= m.BayBoxCount; ++s) {
        for (int t = s + 1; t <= m.CellCount; ++t)
            visit(s, t);
    }
}

// The distances from the centres of s and t to their shared face, and their
// sum, the distance between the centres (0 when they share no face).
struct PairDistances {
    double FromS;
    float FromT;
    double Between;
};

PairDistances DistancesOf(const ModelState& m, int s, int t) {
    const double a = m.FaceDistance[s][t];
    const float b = static_cast<float>(m.FaceDistance[t][s]);
    return {a, b, static_cast<double>(b) + a};
}

}  // namespace

void BuildGeometry(ModelState& m) {
    for (int n = 1; n <= m.BayBoxCount; ++n)
        m.CellVolume[n] = m.BayVolumeM3 / 5;
    ForEveryFace(m, [&](int n, int p) { m.FaceArea[n][p] = m.MouthSectionM2; });

    // Seen from a cell, its seaward face lies at its centre and its head-side
    // face one segment away, so a face carries the head-side (upwind) value.
    const double headSide = m.HeadSideLength / 5;
    const float seaSide = static_cast<float>(static_cast<double>(m.SeaSideLength) / 5);
    ForEveryFace(m, [&](int n, int p) {
        m.FaceDistance[n][p] = n <= p ? headSide : static_cast<double>(seaSide);
    });

    ForEveryPair(m, [&](int s, int t) {
        const PairDistances d = DistancesOf(m, s, t);
        if (d.Between == 0)
            return;
        m.FaceWeight[s][t] = static_cast<float>(d.FromS / d.Between);
        m.FaceWeight[t][s] = static_cast<float>(static_cast<double>(d.FromT) / d.Between);
    });
}

void BuildFlows(ModelState& m) {
    // The whole inflow passes seaward through every face.
    ForEveryFace(m, [&](int n, int p) {
        m.FaceFlow[n][p] = p > n ? m.EffectiveInflow : -1 * m.EffectiveInflow;
    });
}

void BuildExchange(ModelState& m) {
    ForEveryFace(m, [&](int n, int p) { m.FaceDiffusivity[n][p] = m.EddyDiffusivity; });
    ForEveryPair(m, [&](int s, int t) {
        const double d = DistancesOf(m, s, t).Between;
        if (d == 0)
            return;
        // cm2/s * m2 / m / 10000 = m3/s
        m.FaceExchange[s][t] = static_cast<float>(static_cast<double>(m.FaceDiffusivity[s][t]) *
                                                  (m.FaceArea[s][t] / d) / 10000);
        m.FaceExchange[t][s] = m.FaceExchange[s][t];
    });
}

void BuildStepPlan(ModelState& m) {
    for (int i = 1; i <= m.BayBoxCount; ++i) {
        StepPlanCell& cell = m.StepPlan[i];
        cell.FaceCount = 0;
        for (int j = 1; j <= m.CellCount; ++j) {
            if (m.FaceArea[i][j] == 0)
                continue;
            cell.Faces[cell.FaceCount++] = StepFace{
                j,
                m.FaceFlow[i][j],
                static_cast<double>(m.FaceWeight[i][j]),
                static_cast<double>(m.FaceWeight[j][i]),
                static_cast<double>(m.FaceExchange[i][j]),
            };
        }
    }
}

}  // namespace tidewell::engine
