#pragma once

#include <array>
#include <cstdint>

// The bay model: a chain of cells from the head of the bay (cell 1, where the
// inflow enters) to the outer sea, and every table the engine keeps. Tables
// are 1-based in use; index 0 exists and is never used.
namespace tidewell::engine {

inline constexpr int kMaxCells = 12;
inline constexpr int kMaxComponents = 10;
inline constexpr int kMaxNeighbourCells = 6;
inline constexpr int kTemperature = 1;   // component 1 is the water temperature
inline constexpr int kBayCellCount = 5;  // cells 1..5; cell 6 is the outer sea

template <typename T>
using CellTable = std::array<T, kMaxCells + 1>;
template <typename T>
using FaceTable = std::array<std::array<T, kMaxCells + 1>, kMaxCells + 1>;  // (i, j)
template <typename T>
using ComponentCellTable = std::array<CellTable<T>, kMaxComponents + 1>;  // (c, n)
template <typename T>
using ComponentTable = std::array<T, kMaxComponents + 1>;

// One face of a bay cell as the step reads it: the cell on the other side and
// the face coefficients, widened once to double (exactly) so the inner loop
// touches neither empty entries nor conversions.
struct StepFace {
    int Other = 0;
    double Flow = 0.0;         // FaceFlow(i, j)
    double WeightOther = 0.0;  // FaceWeight(i, j)
    double WeightSelf = 0.0;   // FaceWeight(j, i)
    double Exchange = 0.0;     // FaceExchange(i, j)
};

struct StepPlanCell {
    int FaceCount = 0;
    std::array<StepFace, kMaxNeighbourCells> Faces{};
};

struct ModelState {
    // Grid
    int BayBoxCount = 0;
    int SeaBoxCount = 0;
    int CellCount = 0;
    int ComponentCount = 0;
    std::array<std::int16_t, kMaxNeighbourCells + 1> NeighbourCount{};
    std::array<std::array<int, kMaxNeighbourCells + 1>, kMaxNeighbourCells + 1> Neighbour{};

    // Faces, (i, j) = the face of cell i towards cell j
    FaceTable<double> FaceArea{};        // m2; 0 where i and j are not neighbours
    FaceTable<double> FaceDistance{};    // m, from the centre of i to the face
    FaceTable<float> FaceWeight{};       // weight of j's value in the face value
    FaceTable<float> FaceDiffusivity{};  // cm2/s
    FaceTable<double> FaceFlow{};        // m3/s from i into j
    FaceTable<float> FaceExchange{};     // m3/s, symmetric

    // Cells and components
    CellTable<double> CellVolume{};          // m3; the sea cell has none
    ComponentCellTable<double> CellConc{};   // the state; degC for component 1
    ComponentCellTable<float> StepChange{};  // change in the last step
    ComponentTable<double> InflowConc{};     // value in the inflowing water
    ComponentTable<float> LoadReductionPercent{};
    ComponentCellTable<double> DailyLoad{};  // thousands of (value m3) per day
    ComponentCellTable<double> LoadRate{};   // (value m3) per second
    ComponentTable<double> BayMeanConc{};

    // Scales of the set-up (SI units unless stated)
    double BayVolumeM3 = 0.0;
    double BayAreaM2 = 0.0;
    double MouthSectionM2 = 0.0;
    double BayLength = 0.0;
    double HeadSideLength = 0.0;
    float SeaSideLength = 0.f;
    double EffectiveInflow = 0.0;
    float EddyDiffusivity = 0.f;  // cm2/s
    double MouthVelocity = 0.0;
    double TimeStep = 0.0;           // minutes, whole
    bool AdvectionSetsStep = false;  // the advection time was the shorter scale
    double CalcDays = 0.0;           // days, whole

    // The faces of each bay cell, derived from the face tables by the set-up.
    std::array<StepPlanCell, kMaxCells + 1> StepPlan{};
};

// Back to a model that has never run: nothing of a previous run reaches the next one.
void ResetModel(ModelState& model);

}  // namespace tidewell::engine
