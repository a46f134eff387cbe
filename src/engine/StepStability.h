#pragma once

#include <cstdint>
#include <vector>

#include "ModelState.h"

namespace tidewell::engine {

// The time step is linear in the bay cells: C(n + 1) = A C(n) + b, with A
// fixed for a run by the face coefficients and the time step (the floor at 0
// and the single-precision roundings aside). A is the classical Runge-Kutta
// polynomial 1 + z + z^2/2 + z^3/6 + z^4/24 of z = TimeStep x J, where J is
// the matrix of the cells' rates of change. The run settles when the spectral
// radius of A is at most 1 and blows up when it is above 1.
using StepMatrix = std::vector<std::vector<double>>;  // (row, column), bay cells from 0

// J of the set-up model: d(rate of cell i)/d(value of cell j), per second.
StepMatrix RateMatrix(const ModelState& model);

// A of the set-up model.
StepMatrix StepAmplification(const ModelState& model);

// The spectral radius of a square matrix, from the norms of its powers
// A^(2^k) up to k = 60 (scaled to stay in range), so that neither a
// defective eigenvalue nor a complex pair upsets it. Infinite when an entry
// is not finite.
double SpectralRadius(const StepMatrix& matrix);

// True when the step of the set-up model amplifies some pattern of the bay
// cells (spectral radius above 1) so much over `steps` steps (by more than
// 10^20) that even a rounding error grows far beyond any temperature: the run
// cannot settle. A smaller growth is left to the check of the end state.
bool StepBlowsUp(const ModelState& model, std::int64_t steps);

// How far a settled run's cells may lie outside the range between the outer-
// sea and the inflow temperature: the single-precision rates of the step.
double EndRangeTolerance(double seaTemp, double inflowTemp);

}  // namespace tidewell::engine
