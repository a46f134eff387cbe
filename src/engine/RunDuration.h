#pragma once

namespace tidewell::engine {

// Seconds one time step takes on this machine: measured on the first call by
// timing a few thousand steps of the default case (set-up excluded), then
// kept for the life of the process. Callers estimate a run's duration as
// steps x seconds per step, for example to ask before a long run.
double SecondsPerStep();

}  // namespace tidewell::engine
