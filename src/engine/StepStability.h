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

// What is known about a run before its first step.
struct StabilityVerdict {
    bool Unstable = false;  // the run cannot give a result: do not start it
    // The step amplifies some pattern (spectral radius above 1), yet the run's
    // own disturbance is too small to grow into the shown result. The run
    // must then watch for the floor at 0 degC: a cell it lifts means the
    // pattern has grown after all.
    bool Amplifies = false;
};

// The verdict for the set-up model (loads updated) over `steps` steps. The
// cells start at the outer-sea temperature, a distance d0 from where they
// settle; each step adds rounding of at most about 2^-24 of the temperatures
// (single-precision rates). With radius rho, d0 grows to d0 rho^N by the end
// and the rounding to eps (rho^N - 1)/(rho - 1). A step with rho <= 1 never
// amplifies; one with rho > 1 makes the run unstable when that end
// disturbance could move the result shown to 2 decimals. A start that the
// step leaves bit for bit as it is has nothing to grow.
StabilityVerdict JudgeStability(const ModelState& model, std::int64_t steps);

}  // namespace tidewell::engine
