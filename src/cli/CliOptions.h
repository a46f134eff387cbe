#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/ReportFile.h"
#include "session/Calibration.h"
#include "session/TypedInputs.h"

namespace tidewell::cli {

// What the command line asks for: texts typed into the six input fields and
// entries picked in the three lists, applied in that order, then calculate.
struct CliOptions {
    session::TypedInputs Inputs;                          // the last of an option given twice
    std::string ReportPath = report::kDefaultReportPath;  // "-": standard output; "": none
    std::optional<std::int64_t> MaxSteps;                 // refuse a longer run
    std::string SeriesPath;                               // the run's series as CSV ("-": stdout)
    std::string SweepPath;                                // every multiplier combination instead
    std::string CasePath;                                 // a case to open before the options
    std::string SaveCasePath;                             // where to save the case as given
    std::string BatchPath;                                // a table of cases instead of one
    std::string OutPath;       // the batch's results (default "-") or the samples (default none)
    std::string ReportFolder;  // a report per batch row
    std::string SpreadPath;    // an uncertainty run instead
    std::size_t Samples = 1000;
    std::uint64_t Seed = 1;
    unsigned Threads = 0;  // for the sweep, a batch, the samples; 0: one per core
    std::optional<session::CalibratedInput> SolveFor;  // instead of one calculation
    session::CalibrationTarget Target;                 // what --solve-for matches
    bool Json = false;
    bool Help = false;
    bool Version = false;
};

struct CliParse {
    std::optional<CliOptions> Options;
    std::string Error;  // when Options is empty
};

// Also refuses options that cannot go together: two of them writing to
// standard output, or --batch with a single case's options.
CliParse ParseCliOptions(const std::vector<std::string>& arguments);

std::string CliUsage();

}  // namespace tidewell::cli
