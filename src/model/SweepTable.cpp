#include "SweepTable.h"

#include <algorithm>

#include "case/DecimalRounding.h"
#include "case/NumberText.h"

namespace tidewell::model {
namespace {

int EntryCount(MultiplierList list) {
    return static_cast<int>(ListEntries(list).size());
}

std::vector<std::string> HeadersOf(MultiplierList list) {
    const auto entries = ListEntries(list);
    return {entries.begin(), entries.end()};
}

// The colour of a shown mean: the scale's level of the value in the cell,
// narrowed to single precision as a frame's temperature is.
Color ColorOf(const ColorScale& scale, double shownMean) {
    FrameTemps temps{};
    temps[1] = static_cast<float>(shownMean);
    Color color = 0;
    PickFrameColor(scale, temps, 1, color);
    return color;
}

}  // namespace

engine::SweepCombination CombinationOfSelections(int section, int inflowTemp, int inflow) {
    return {std::max(0, section), std::max(0, inflowTemp), std::max(0, inflow)};
}

SweepTable::SweepTable(const CaseRecord& base, engine::SweepCombination current)
    : Base(base), Selected(current), All(engine::AllCombinations()) {
    BuildColorScale(Scale);
}

std::vector<CaseRecord> SweepTable::Cases() const {
    return engine::SweepCases(Base, All);
}

bool SweepTable::SetOutcomes(std::vector<engine::BatchOutcome> outcomes) {
    if (outcomes.size() != All.size())
        return false;
    Outcomes = std::move(outcomes);
    return true;
}

SweepCell SweepTable::CellOf(const engine::SweepCombination& combination) const {
    SweepCell cell{combination, {}, std::nullopt, combination == Selected};
    const auto found = std::find(All.begin(), All.end(), combination);
    if (Outcomes.empty() || found == All.end())
        return cell;
    const engine::BatchOutcome& outcome = Outcomes[static_cast<std::size_t>(found - All.begin())];
    switch (outcome.Run.Status) {
        case engine::RunStatus::Completed: {
            const double shown = RoundDecimals(outcome.Mean, 2);
            cell.Text = {MessageId::Plain, {DisplayText(shown)}};
            cell.Background = ColorOf(Scale, shown);
            break;
        }
        case engine::RunStatus::Unstable:
            cell.Text = {MessageId::SweepUnstable, {}};
            break;
        case engine::RunStatus::NotRun:
            cell.Text = {MessageId::SweepNotRun, {}};
            break;
        case engine::RunStatus::Cancelled:
            cell.Text = {MessageId::SweepCancelled, {}};
            break;
    }
    return cell;
}

SweepSlice SweepTable::Slice(MultiplierList held, int heldEntry) const {
    SweepSlice slice;
    slice.Held = held;
    slice.HeldEntry = std::clamp(heldEntry, 0, EntryCount(held) - 1);
    std::vector<MultiplierList> others;
    for (MultiplierList list : kMultiplierLists) {
        if (list != held)
            others.push_back(list);
    }
    slice.Rows = others[0];
    slice.Columns = others[1];
    slice.RowHeaders = HeadersOf(slice.Rows);
    slice.ColumnHeaders = HeadersOf(slice.Columns);
    const engine::SweepCombination fixed = engine::SweepCombination{}.With(held, slice.HeldEntry);
    for (int r = 0; r < EntryCount(slice.Rows); ++r) {
        std::vector<SweepCell>& row = slice.Cells.emplace_back();
        for (int c = 0; c < EntryCount(slice.Columns); ++c)
            row.push_back(CellOf(fixed.With(slice.Rows, r).With(slice.Columns, c)));
    }
    return slice;
}

}  // namespace tidewell::model
