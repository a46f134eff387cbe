#include "SeriesCsv.h"

#include "CsvColumns.h"
#include "case/FullPrecisionText.h"

namespace tidewell::report {

std::string SeriesCsv(std::span<const engine::SeriesRow> rows) {
    std::string csv = "day," + CellColumns() + "\n";
    for (const engine::SeriesRow& row : rows) {
        csv += SeventeenDigits(row.Day);
        for (double cell : row.Cells)
            csv.append(1, ',').append(SeventeenDigits(cell));
        csv += "\n";
    }
    return csv;
}

}  // namespace tidewell::report
