#include "SweepCsv.h"

#include "CsvColumns.h"
#include "case/FullPrecisionText.h"

namespace tidewell::report {

const char* StatusWord(engine::RunStatus status) {
    switch (status) {
        case engine::RunStatus::Completed:
            return "result";
        case engine::RunStatus::Unstable:
            return "unstable";
        case engine::RunStatus::NotRun:
            return "cannot-run";
        case engine::RunStatus::Cancelled:
            return "cancelled";
    }
    return "cannot-run";
}

std::string SweepCsv(std::span<const engine::SweepCombination> combinations,
                     std::span<const engine::BatchOutcome> outcomes) {
    std::string csv;
    for (MultiplierList list : kMultiplierLists)
        csv.append(ListName(list)).append(1, ',');
    csv += "status,mean," + CellColumns() + "\n";
    for (std::size_t i = 0; i < combinations.size() && i < outcomes.size(); ++i) {
        const engine::BatchOutcome& outcome = outcomes[i];
        for (MultiplierList list : kMultiplierLists) {
            const auto entry = static_cast<std::size_t>(combinations[i].Entry(list));
            csv.append(ListEntries(list)[entry]).append(1, ',');
        }
        csv += StatusWord(outcome.Run.Status);
        const bool hasResult = outcome.Run.Status == engine::RunStatus::Completed;
        csv.append(1, ',').append(hasResult ? SeventeenDigits(outcome.Mean) : std::string());
        for (double cell : outcome.Cells)
            csv.append(1, ',').append(hasResult ? SeventeenDigits(cell) : std::string());
        csv += "\n";
    }
    return csv;
}

}  // namespace tidewell::report
