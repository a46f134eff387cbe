#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "RunDriver.h"
#include "case/CaseRecord.h"
#include "case/Message.h"

// Many independent cases at once, on every core. Each case runs exactly as a
// single calculation without a report file, so its numbers are bit-identical
// to one run of the same case.
namespace tidewell {

struct BatchOutcome {
    RunResult Run;                              // status, step count; Cancelled when never run
    double TimeStep = 0.0;                      // minutes
    double CalcDays = 0.0;                      // days
    double Mean = 0.0;                          // BayMeanConc(1); NaN without a result
    std::array<double, kBayCellCount> Cells{};  // final bay cells from the head
    std::vector<Message> Messages;              // what a single run would have shown
};

// Called on the calling thread about ten times a second, and when the last
// case is done, with the cases finished so far; returning false cancels the
// cases not yet finished (they come back Cancelled).
using BatchProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Runs every case on `threads` worker threads (0: one per core) and returns
// their outcomes in the order of `cases`.
std::vector<BatchOutcome> RunBatch(std::span<const CaseRecord> cases,
                                   const BatchProgress& progress = {}, unsigned threads = 0);

// One case on the calling thread, as a worker runs it.
BatchOutcome RunOneCase(const CaseRecord& record, const RunProgress& progress = {});

}  // namespace tidewell
