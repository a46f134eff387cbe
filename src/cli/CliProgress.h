#pragma once

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>

namespace tidewell {

// The signal (SIGINT or SIGTERM) that asked to cancel the run; 0 for none.
// Set by the handler that WatchCancelSignals installs.
extern volatile std::sig_atomic_t CancelSignal;

// Installs handlers for SIGINT and SIGTERM that only set CancelSignal, so a
// run in progress ends cleanly at its next progress call.
void WatchCancelSignals();

// A one-line progress display on a terminal (steps, percent, time left),
// shown only once a run has taken a second; Finish erases it.
class ProgressLine {
  public:
    explicit ProgressLine(std::FILE* terminal);  // nullptr: shows nothing
    // The run's progress callback: false once a cancel signal has arrived.
    bool Update(std::int64_t done, std::int64_t total);
    void Finish();

  private:
    using Clock = std::chrono::steady_clock;
    std::FILE* Terminal;
    Clock::time_point Start;
    Clock::time_point LastShown;
    bool Shown = false;
};

}  // namespace tidewell
