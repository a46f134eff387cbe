#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TypedInputs.h"
#include "case/Csv.h"
#include "engine/BatchRunner.h"

// Many cases from one CSV table, run on every core. The header names the
// columns as the command line names its options ("bay-area", ...,
// "inflow-factor"; any of them, in any order) plus an optional "name". Each
// row is typed and picked into a freshly started model as the command line
// does it (an empty cell keeps the default); the rows the model accepts run
// as a batch, each bit-identical to a single calculation of its case.
namespace tidewell::session {

struct CaseBatch {
    std::vector<std::string> Columns;  // as the header gives them
    std::vector<CsvRecord> Rows;       // a cell per column
};

struct CaseBatchRead {
    std::optional<CaseBatch> Batch;
    std::string Problem;  // why the table cannot be used, when Batch is empty
};

// Refused for a CSV error (with its line), a missing header, a column that is
// no input (named), a column given twice, or a row with another cell count.
CaseBatchRead ParseCaseBatch(std::string_view text);
// The same for a file; the problem then names the file.
CaseBatchRead ReadCaseBatch(const std::string& path);
// The same checks for a table given as columns and rows (from a data frame).
CaseBatchRead CheckCaseBatch(CaseBatch batch);

struct CaseRowResult {
    bool Refused = false;
    engine::BatchOutcome Outcome;                          // of the run (for a row not refused)
    std::string ResidenceTime, Closedness, LoadPerVolume;  // Text13 .. Text15
    std::string Message;     // why a row has no result, or its report failed
    std::string ReportPath;  // empty without one
    bool ReportFailed = false;

    bool HasResult() const {
        return !Refused && Outcome.Run.Status == engine::RunStatus::Completed;
    }
};

// Why a run has no result: the unstable message, or the last one it showed;
// empty for a result or a cancelled run.
std::optional<Message> NoResultMessage(const engine::BatchOutcome& outcome);

// Runs the rows; with a report folder, the report of row N (from 1) goes to
// NAME.txt there, or rowN.txt when the name is empty, ".", "..", holds a '/'
// or was used by an earlier row; when an earlier row took rowN.txt as well,
// to the first free rowN-2.txt, rowN-3.txt, ... No two rows write one file.
// The rows run on `threads` worker threads (0: one per core); the results
// do not depend on it.
std::vector<CaseRowResult> RunCaseBatch(const CaseBatch& batch, const std::string& reportFolder,
                                        const engine::BatchProgress& progress = {},
                                        unsigned threads = 0);

// What a row's result columns hold, from the indices to the message; an empty
// number is a value that row does not have.
struct CaseRowColumns {
    std::string ResidenceTime, Closedness, LoadPerVolume;
    std::optional<double> TimeStep;  // minutes
    std::optional<std::int64_t> StepCount;
    std::string Status;  // result, unstable, cannot-run, refused
    std::optional<double> Mean;
    std::string Result;  // as the result field shows it
    std::array<std::optional<double>, engine::kBayCellCount> Cells;
    std::string Message;
};
CaseRowColumns RowColumns(const CaseRowResult& result);

// A row per input row, in order: name, the given inputs as given, the three
// indices, time-step (minutes), step-count, status, mean, result (as the
// result field shows it), cell1 .. cell5 and message. UTF-8, LF line ends.
std::string CaseBatchCsv(const CaseBatch& batch, const std::vector<CaseRowResult>& results);

// "title: prompt" on one line.
std::string OneLine(const Message& message);
// Why a run has no result, as OneLine gives it; empty for a result.
std::string FailureOf(const engine::BatchOutcome& outcome);

}  // namespace tidewell::session
