#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/Csv.h"
#include "case/Message.h"

// The CSV table of a batch. The header names the columns as the command line
// names its options ("bay-area", ..., "inflow-factor"; any of them, in any
// order) plus an optional "name"; every row has a cell per column.
namespace tidewell::session {

struct CaseBatch {
    std::vector<std::string> Columns;  // as the header gives them
    std::vector<CsvRecord> Rows;       // a cell per column
};

// Reads a table a row at a time, so that a table of any length needs only
// the memory of one row. The table cannot be used (Problem) for a CSV error,
// a missing header, a column that is no input (named), a column given twice,
// or a row with another cell count. Rows are counted one way everywhere:
// data row N is the Nth row after the header (blank lines are no rows), the
// row a batch writes as its Nth and names rowN.txt; a problem in a row names
// it so, with the file line beside it, as a quoted cell may span lines.
class CaseBatchReader {
  public:
    explicit CaseBatchReader(CsvReader::Source source);

    const std::vector<std::string>& Columns() const { return Header; }
    // The next row; empty at the end of the table or at a problem.
    std::optional<CsvRecord> NextRow();
    const std::optional<Message>& Problem() const { return Why; }

  private:
    CsvReader Csv;
    std::vector<std::string> Header;
    std::size_t RowsRead = 0;
    std::optional<Message> Why;
};

struct CaseBatchRead {
    std::optional<CaseBatch> Batch;
    std::optional<Message> Problem;  // why the table cannot be used, when Batch is empty
};

// The whole table of a text at once.
CaseBatchRead ParseCaseBatch(std::string_view text);
// The same checks for a table given as columns and rows (a data frame's),
// which has no file lines to name.
CaseBatchRead CheckCaseBatch(CaseBatch batch);

// Whether every byte of the text belongs to a UTF-8 character other than NUL.
bool IsCleanUtf8(std::string_view text);
// The text with each byte that breaks UTF-8, and each NUL, replaced by U+FFFD.
std::string CleanUtf8(std::string_view text);

}  // namespace tidewell::session
