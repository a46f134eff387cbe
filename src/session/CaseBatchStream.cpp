#include "CaseBatchStream.h"

#include <vector>

#include "CaseBatch.h"
#include "case/SafeFile.h"

namespace tidewell::session {
namespace {

CsvReader::Source FileSource(ReadableFile& file) {
    return [&file](char* buffer, std::size_t size) { return file.Read(buffer, size); };
}

// A read failure in the middle of the file ends the table like a problem in it.
std::optional<Message> ProblemOf(const CaseBatchReader& reader, const ReadableFile& file) {
    return file.Problem() ? file.Problem() : reader.Problem();
}

}  // namespace

StreamedBatch StreamCaseBatch(const std::string& path, const std::string& reportFolder,
                              const BatchOutput& output, const engine::BatchProgress& progress,
                              unsigned threads, std::size_t pieceRows) {
    StreamedBatch streamed;
    const auto refuse = [&](const Message& problem) {
        streamed.Problem = Message{MessageId::BatchTableRefused, {path, problem}};
        return streamed;
    };
    ReadableFile file(path);
    if (file.Problem())
        return refuse(*file.Problem());
    // A file that can be read twice is checked whole first, and its rows
    // counted; a pipe is read once.
    std::optional<std::size_t> total;
    if (file.Rewind()) {
        CaseBatchReader check(FileSource(file));
        std::size_t rows = 0;
        while (check.NextRow())
            ++rows;
        if (const std::optional<Message> problem = ProblemOf(check, file))
            return refuse(*problem);
        file.Rewind();  // a file that went back once goes back again
        total = rows;
    }
    CaseBatchReader reader(FileSource(file));
    if (const std::optional<Message> problem = ProblemOf(reader, file))
        return refuse(*problem);
    const std::vector<std::string>& columns = reader.Columns();
    if (!output(CaseBatchCsvHeader(columns))) {
        streamed.Stopped = true;
        return streamed;
    }
    UsedReportNames used;
    std::vector<CsvRecord> piece;
    for (bool more = true; more && !streamed.Stopped;) {
        piece.clear();
        while (piece.size() < pieceRows) {
            std::optional<CsvRecord> row = reader.NextRow();
            if (!row) {
                more = false;
                break;
            }
            piece.push_back(std::move(*row));
        }
        if (const std::optional<Message> problem = ProblemOf(reader, file))
            return refuse(*problem);  // the file changed since it was checked
        if (piece.empty())
            break;
        const std::size_t before = streamed.Rows;
        const std::vector<CaseRowResult> results = RunCaseRows(
            columns, piece, before, reportFolder, used,
            [&](std::size_t done, std::size_t) {
                return !progress || progress(before + done, total.value_or(before + done));
            },
            threads);
        for (std::size_t r = 0; r < results.size(); ++r) {
            const CaseRowResult& result = results[r];
            if (!result.Refused && result.Outcome.Run.Status == engine::RunStatus::Cancelled) {
                streamed.Stopped = true;
                break;
            }
            if (!output(CaseBatchCsvRow(columns, piece[r], result))) {
                streamed.Stopped = true;
                break;
            }
            ++streamed.Rows;
            streamed.AllResults = streamed.AllResults && result.HasResult();
            streamed.ReportFailed = streamed.ReportFailed || result.ReportFailed;
        }
    }
    return streamed;
}

}  // namespace tidewell::session
