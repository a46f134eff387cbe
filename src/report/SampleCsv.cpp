#include "SampleCsv.h"

#include "CsvColumns.h"
#include "case/Csv.h"
#include "case/FullPrecisionText.h"

namespace tidewell::report {

std::string SampleCsv(std::span<const SampleLine> lines) {
    std::string csv = "sample";
    for (BasicInput input : kBasicInputs)
        csv.append(1, ',').append(InputName(input));
    csv += ",status,mean," + CellColumns() + ",message\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const SampleLine& line = lines[i];
        csv += std::to_string(i + 1);
        for (BasicInput input : kBasicInputs)
            csv.append(1, ',').append(CsvField(line.Case->Text(input)));
        csv.append(1, ',').append(line.Status).append(1, ',');
        if (line.Result != nullptr)
            csv += SeventeenDigits(line.Result->Mean);
        if (line.Result != nullptr) {
            for (double cell : line.Result->Cells)
                csv += "," + SeventeenDigits(cell);
        } else {
            csv.append(engine::kBayCellCount, ',');
        }
        csv += "," + CsvField(line.Message) + "\n";
    }
    return csv;
}

}  // namespace tidewell::report
