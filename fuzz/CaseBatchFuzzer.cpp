// Feeds arbitrary bytes to the CSV reader and the batch table reader: a text
// reads the same whole or in small pieces, a table that reads writes back as
// CSV that reads the same, and a batch that is
// accepted has a cell per column in every row.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzRequire.h"
#include "case/Csv.h"
#include "session/CaseBatch.h"

namespace {

using namespace tidewell;

// A record of one empty field is a blank line, which the reader skips.
bool IsBlankRecord(const CsvRecord& record) {
    return record.size() == 1 && record[0].empty();
}

// The same text handed over in pieces of 1 to 7 bytes reads the same.
void CheckPieces(std::string_view text, const CsvTable& whole) {
    std::size_t piece = 0;
    CsvReader reader([&](char* buffer, std::size_t size) {
        const std::size_t n = std::min({size, text.size(), piece++ % 7 + 1});
        std::copy_n(text.data(), n, buffer);
        text.remove_prefix(n);
        return n;
    });
    std::vector<CsvRecord> records;
    while (std::optional<CsvRecord> record = reader.Next())
        records.push_back(std::move(*record));
    Require(records == whole.Records, "pieces read as the whole text");
    Require(reader.Error() == whole.Error && reader.ErrorLine() == whole.ErrorLine,
            "pieces fail as the whole text");
}

void CheckCsvRoundTrip(std::string_view text) {
    const CsvTable table = ReadCsv(text);
    CheckPieces(text, table);
    Require(!table.Error == (table.ErrorLine == 0), "an error has its line");
    if (table.Error)
        return;
    // A byte-order mark first, so that one the text keeps in its first field
    // is not taken for the mark.
    std::string written = "\xEF\xBB\xBF";
    std::vector<CsvRecord> kept;
    for (const CsvRecord& record : table.Records) {
        if (IsBlankRecord(record))
            continue;
        for (std::size_t k = 0; k < record.size(); ++k)
            written += (k > 0 ? "," : "") + CsvField(record[k]);
        written += '\n';
        kept.push_back(record);
    }
    const CsvTable again = ReadCsv(written);
    Require(!again.Error && again.Records == kept, "a table reads back the same");
}

void CheckBatch(std::string_view text) {
    const session::CaseBatchRead read = session::ParseCaseBatch(text);
    Require(read.Batch.has_value() == !read.Problem, "a batch is refused with a problem");
    if (!read.Batch)
        return;
    for (const CsvRecord& row : read.Batch->Rows)
        Require(row.size() == read.Batch->Columns.size(), "a cell per column");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckCsvRoundTrip(text);
    CheckBatch(text);
    return 0;
}
