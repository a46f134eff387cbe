#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "RunDriver.h"
#include "case/CaseRecord.h"
#include "case/Message.h"

// Many independent cases at once, on every core. Each case runs exactly as a
// single calculation (with its report or none), so its numbers are bit-identical
// to one run of the same case.
namespace tidewell::engine {

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

// The report of the case at `index`, made on the worker thread that runs it;
// a null report (or no maker) writes none. Whether it could be written is in
// the outcome's Run.ReportError.
using BatchReports = std::function<std::unique_ptr<RunReport>(std::size_t index)>;

// Runs every case on `threads` worker threads (0: one per core) and returns
// their outcomes in the order of `cases`.
std::vector<BatchOutcome> RunBatch(std::span<const CaseRecord> cases,
                                   const BatchProgress& progress = {}, unsigned threads = 0,
                                   const BatchReports& reports = {});

// One case on the calling thread, as a worker runs it; without a report, none
// is written.
BatchOutcome RunOneCase(const CaseRecord& record, const RunProgress& progress = {},
                        RunReport* report = nullptr);

}  // namespace tidewell::engine
