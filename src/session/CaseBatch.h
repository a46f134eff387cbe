#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "CaseBatchTable.h"
#include "TypedInputs.h"
#include "engine/BatchRunner.h"

// Many cases from one CSV table (CaseBatchTable.h), run on every core. Each
// row is typed and picked into a freshly started model as the command line
// does it (an empty cell keeps the default); the rows the model accepts run
// as a batch, each bit-identical to a single calculation of its case. A row
// with a cell that is not clean UTF-8 (or holds NUL) is refused.
namespace tidewell::session {

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

// Runs the rows; with a report folder, the report of data row N goes to
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

// The report file names given so far, so that rows run in pieces never share
// one.
using UsedReportNames = std::set<std::string>;

// The rows `rows` (a cell per column) of a table with these columns, the first being row
// `firstRow` (from 0) of the table, as RunCaseBatch runs them.
std::vector<CaseRowResult> RunCaseRows(const std::vector<std::string>& columns,
                                       std::span<const CsvRecord> rows, std::size_t firstRow,
                                       const std::string& reportFolder, UsedReportNames& used,
                                       const engine::BatchProgress& progress = {},
                                       unsigned threads = 0);

// A row per input row, in order: name, the given inputs as given (a list
// entry as the entry it picked: "5.0" for "05"), the three
// indices, time-step (minutes), step-count, status, mean, result (as the
// result field shows it), cell1 .. cell5 and message. UTF-8, LF line ends.
std::string CaseBatchCsv(const CaseBatch& batch, const std::vector<CaseRowResult>& results);
// The same a line at a time: the header, then each row's line. A cell that is
// not clean UTF-8 is written cleaned (CleanUtf8), so the file always is.
std::string CaseBatchCsvHeader(const std::vector<std::string>& columns);
std::string CaseBatchCsvRow(const std::vector<std::string>& columns, const CsvRecord& row,
                            const CaseRowResult& result);

// "title: prompt" on one line.
std::string OneLine(const Message& message);
// Why a run has no result, as OneLine gives it; empty for a result.
std::string FailureOf(const engine::BatchOutcome& outcome);

}  // namespace tidewell::session
