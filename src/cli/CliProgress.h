#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tidewell::cli {

// The signal (SIGINT or SIGTERM) that asked to cancel the run; 0 for none.
// Set by the handler that WatchCancelSignals installs; lock-free, so the
// handler may store to it and any thread may read it.
extern std::atomic<int> CancelSignal;
static_assert(std::atomic<int>::is_always_lock_free);

// Installs handlers for SIGINT and SIGTERM that only set CancelSignal, so a
// run in progress ends cleanly at its next progress call.
void WatchCancelSignals();

// A one-line progress display on a terminal (steps, percent, time left),
// shown only once a run has taken a second; Finish erases it.
class ProgressLine {
  public:
    // nullptr: shows nothing. `unit` counts what is done instead of steps
    // ("件" for the cases of a batch).
    explicit ProgressLine(std::FILE* terminal, std::string unit = {});
    // The run's progress callback: false once a cancel signal has arrived.
    bool Update(std::int64_t done, std::int64_t total);
    void Finish();

  private:
    using Clock = std::chrono::steady_clock;
    std::FILE* Terminal;
    std::string Unit;
    Clock::time_point Start = Clock::now();
    Clock::time_point LastShown = Start;
    bool Shown = false;
};

}  // namespace tidewell::cli
