#include "SweepCsv.h"

#include "case/FullPrecisionText.h"

namespace tidewell {

const char* StatusWord(RunStatus status) {
    switch (status) {
        case RunStatus::Completed:
            return "result";
        case RunStatus::Unstable:
            return "unstable";
        case RunStatus::NotRun:
            return "cannot-run";
        case RunStatus::Cancelled:
            return "cancelled";
    }
    return "cannot-run";
}

std::string SweepCsv(std::span<const SweepCombination> combinations,
                     std::span<const BatchOutcome> outcomes) {
    std::string csv =
        "section-factor,inflow-temp-factor,inflow-factor,status,mean,cell1,cell2,cell3,cell4,"
        "cell5\n";
    const auto entry = [](MultiplierList list, int index) {
        return std::string(ListEntries(list)[static_cast<std::size_t>(index)]);
    };
    for (std::size_t i = 0; i < combinations.size() && i < outcomes.size(); ++i) {
        const SweepCombination& c = combinations[i];
        const BatchOutcome& outcome = outcomes[i];
        csv += entry(MultiplierList::SectionFactor, c.Section) + "," +
               entry(MultiplierList::InflowTempFactor, c.InflowTemp) + "," +
               entry(MultiplierList::InflowFactor, c.Inflow) + "," + StatusWord(outcome.Run.Status);
        const bool hasResult = outcome.Run.Status == RunStatus::Completed;
        csv.append(1, ',').append(hasResult ? SeventeenDigits(outcome.Mean) : std::string());
        for (double cell : outcome.Cells)
            csv.append(1, ',').append(hasResult ? SeventeenDigits(cell) : std::string());
        csv += "\n";
    }
    return csv;
}

}  // namespace tidewell
