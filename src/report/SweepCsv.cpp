#include "SweepCsv.h"

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
    std::string csv =
        "section-factor,inflow-temp-factor,inflow-factor,status,mean,cell1,cell2,cell3,cell4,"
        "cell5\n";
    const auto entry = [](MultiplierList list, int index) {
        return std::string(ListEntries(list)[static_cast<std::size_t>(index)]);
    };
    for (std::size_t i = 0; i < combinations.size() && i < outcomes.size(); ++i) {
        const engine::SweepCombination& c = combinations[i];
        const engine::BatchOutcome& outcome = outcomes[i];
        csv += entry(MultiplierList::SectionFactor, c.Section) + "," +
               entry(MultiplierList::InflowTempFactor, c.InflowTemp) + "," +
               entry(MultiplierList::InflowFactor, c.Inflow) + "," + StatusWord(outcome.Run.Status);
        const bool hasResult = outcome.Run.Status == engine::RunStatus::Completed;
        csv.append(1, ',').append(hasResult ? SeventeenDigits(outcome.Mean) : std::string());
        for (double cell : outcome.Cells)
            csv.append(1, ',').append(hasResult ? SeventeenDigits(cell) : std::string());
        csv += "\n";
    }
    return csv;
}

}  // namespace tidewell::report
