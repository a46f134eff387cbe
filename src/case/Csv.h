#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Message.h"

// Comma-separated values as spreadsheets write them: fields separated by
// commas, records by LF or CR LF, a field in double quotes may hold commas,
// line breaks and doubled quotes.
namespace tidewell {

using CsvRecord = std::vector<std::string>;

// The longest record read, so that a file without line ends cannot take
// all memory.
inline constexpr std::size_t kMaxCsvRecordBytes = std::size_t{1} << 20;

// Reads records one at a time from bytes that arrive in pieces. A leading
// UTF-8 byte-order mark is skipped; a last line without line end is a record
// too; a blank line (nothing, or only spaces, outside quotes) is
// skipped.
class CsvReader {
  public:
    // Fills the buffer with up to `size` bytes; 0 at the end.
    using Source = std::function<std::size_t(char* buffer, std::size_t size)>;
    explicit CsvReader(Source source);

    // The next record; empty at the end of the text or at an error.
    std::optional<CsvRecord> Next();
    // The line the record last returned starts on (from 1).
    int RecordLine() const { return StartLine; }
    // Why reading stopped early, and on which line.
    const std::optional<Message>& Error() const { return Problem; }
    int ErrorLine() const { return ProblemLine; }

  private:
    int Peek();  // the next byte, or -1 at the end
    int Take();

    Source Fill;
    std::vector<char> Buffer;
    std::size_t Begin = 0, End = 0;
    bool Started = false;
    int Line = 1;
    int StartLine = 0;
    std::optional<Message> Problem;
    int ProblemLine = 0;
};

// A source that hands over the bytes of a text (which must outlive it).
CsvReader::Source TextSource(std::string_view text);

struct CsvTable {
    std::vector<CsvRecord> Records;
    std::optional<Message> Error;  // empty when the whole text was read
    int ErrorLine = 0;
};

// Every record of a text, read as CsvReader reads them.
CsvTable ReadCsv(std::string_view text);

// The field as it must be written: quoted when it holds a comma, a quote, a
// line break or blanks at either end.
std::string CsvField(std::string_view field);

}  // namespace tidewell
