#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "case/Message.h"
#include "engine/BatchRunner.h"

// A batch table of any length run as a stream: rows are read, run and
// written a few thousand at a time, so memory does not grow with the table.
namespace tidewell::session {

// Takes the next piece of the results CSV; false when it could not be
// written, which stops the batch.
using BatchOutput = std::function<bool(std::string_view piece)>;

struct StreamedBatch {
    // Why the table cannot be used (naming the file). When the table can be
    // read again from its start, it is checked whole before a row runs and
    // nothing is written; otherwise rows before the problem may have been.
    std::optional<Message> Problem;
    std::size_t Rows = 0;       // rows written
    bool AllResults = true;     // every row written has a result
    bool ReportFailed = false;  // a row's report could not be written
    bool Stopped = false;       // cancelled by the progress, or the output failed
};

// Rows per piece: enough to keep every core busy, few enough to keep memory
// small.
inline constexpr std::size_t kBatchPieceRows = 4096;

// Runs the table in the file as RunCaseBatch does and hands its results CSV,
// the same bytes CaseBatchCsv gives, to `output` in order. Progress counts
// rows of the whole table.
StreamedBatch StreamCaseBatch(const std::string& path, const std::string& reportFolder,
                              const BatchOutput& output, const engine::BatchProgress& progress = {},
                              unsigned threads = 0, std::size_t pieceRows = kBatchPieceRows);

}  // namespace tidewell::session
