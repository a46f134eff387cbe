#include "SeriesCsv.h"

#include "case/FullPrecisionText.h"

namespace tidewell::report {

std::string SeriesCsv(std::span<const engine::SeriesRow> rows) {
    std::string csv = "day,cell1,cell2,cell3,cell4,cell5\n";
    for (const engine::SeriesRow& row : rows) {
        csv += SeventeenDigits(row.Day);
        for (double cell : row.Cells)
            csv.append(1, ',').append(SeventeenDigits(cell));
        csv += "\n";
    }
    return csv;
}

}  // namespace tidewell::report
