#pragma once

#include <cstdint>
#include <vector>

namespace tidewell::engine {

// Seconds one time step takes on this machine. Until a run has gone about a
// second, the median of several short timings of the default case (set-up
// excluded), taken on the first call: one timing alone can be many times
// off (a cold cache, a core changing speed, another process taking its
// turn). After that, the pace of the latest such run, which knows the load
// the machine is under. Callers estimate a run's duration as steps x seconds
// per step, for example to ask before a long run. Safe from any thread.
double SecondsPerStep();

// A run's pace so far; from about a second on, it becomes the time per step.
void NoteRunPace(std::int64_t steps, double seconds);

// Runs that have gone this long tell the pace better than any timing.
inline constexpr double kPaceAfterSeconds = 1.0;

// The middle of the samples (the mean of the two middle ones for an even
// count); 0 for none.
double Median(std::vector<double> samples);

}  // namespace tidewell::engine
