#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets write them: fields separated by
// commas, records by LF or CR LF, a field in double quotes may hold commas,
// line breaks and doubled quotes.
namespace tidewell {

using CsvRecord = std::vector<std::string>;

struct CsvTable {
    std::vector<CsvRecord> Records;
    std::string Error;  // empty when the whole text was read
    int ErrorLine = 0;
};

// Reads every record; a leading UTF-8 byte-order mark is skipped and a last
// line without line end is a record too; blank lines are skipped.
CsvTable ReadCsv(std::string_view text);

// The field as it must be written: quoted when it holds a comma, a quote, a
// line break or blanks at either end.
std::string CsvField(std::string_view field);

}  // namespace tidewell
