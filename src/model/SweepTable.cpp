#include "SweepTable.h"

#include <algorithm>

#include "case/DecimalRounding.h"
#include "case/NumberText.h"
#include "case/NumericText.h"

namespace tidewell::model {
namespace {

int EntryCount(MultiplierList list) {
    return static_cast<int>(ListEntries(list).size());
}

std::vector<std::string> HeadersOf(MultiplierList list, const std::vector<int>& order) {
    std::vector<std::string> headers;
    for (int entry : order)
        headers.emplace_back(ListEntries(list)[static_cast<std::size_t>(entry)]);
    return headers;
}

// The entries of a list, as indices, in ascending order of their multipliers
// (the lists start at "1.0").
std::vector<int> EntriesAscending(MultiplierList list) {
    const auto entries = ListEntries(list);
    std::vector<int> order(entries.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::ranges::stable_sort(order, {}, [&entries](int entry) {
        return LeadingNumber(entries[static_cast<std::size_t>(entry)]);
    });
    return order;
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
    SweepCell cell;
    cell.Combination = combination;
    cell.Current = combination == Selected;
    const auto found = std::find(All.begin(), All.end(), combination);
    if (Outcomes.empty() || found == All.end())
        return cell;
    const engine::BatchOutcome& outcome = Outcomes[static_cast<std::size_t>(found - All.begin())];
    switch (outcome.Run.Status) {
        case engine::RunStatus::Completed: {
            cell.Shown = RoundDecimals(outcome.Mean, kSweepDecimals);
            cell.Text = {MessageId::Plain, {FixedDecimalText(*cell.Shown, kSweepDecimals)}};
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

void SweepTable::ColorCells(SweepSlice& slice) const {
    std::optional<double> lowest;
    std::optional<double> highest;
    for (const auto& row : slice.Cells) {
        for (const SweepCell& cell : row) {
            if (!cell.Shown)
                continue;
            lowest = std::min(lowest.value_or(*cell.Shown), *cell.Shown);
            highest = std::max(highest.value_or(*cell.Shown), *cell.Shown);
        }
    }
    if (!lowest)
        return;
    slice.Lowest = FixedDecimalText(*lowest, kSweepDecimals);
    slice.Highest = FixedDecimalText(*highest, kSweepDecimals);
    for (auto& row : slice.Cells) {
        for (SweepCell& cell : row) {
            if (!cell.Shown)
                continue;
            cell.Background = slice.Coloring == SweepColoring::TableRange
                                  ? SpreadColor(Scale, *cell.Shown, *lowest, *highest)
                                  : ColorOf(Scale, *cell.Shown);
            cell.Ink = InkOn(*cell.Background);
        }
    }
}

SweepSlice SweepTable::Slice(MultiplierList held, int heldEntry, SweepColoring coloring) const {
    SweepSlice slice;
    slice.Coloring = coloring;
    slice.Held = held;
    slice.HeldEntry = std::clamp(heldEntry, 0, EntryCount(held) - 1);
    std::vector<MultiplierList> others;
    for (MultiplierList list : kMultiplierLists) {
        if (list != held)
            others.push_back(list);
    }
    slice.Rows = others[0];
    slice.Columns = others[1];
    const std::vector<int> rows = EntriesAscending(slice.Rows);
    const std::vector<int> columns = EntriesAscending(slice.Columns);
    slice.RowHeaders = HeadersOf(slice.Rows, rows);
    slice.ColumnHeaders = HeadersOf(slice.Columns, columns);
    const engine::SweepCombination fixed = engine::SweepCombination{}.With(held, slice.HeldEntry);
    for (int r : rows) {
        std::vector<SweepCell>& row = slice.Cells.emplace_back();
        for (int c : columns)
            row.push_back(CellOf(fixed.With(slice.Rows, r).With(slice.Columns, c)));
    }
    ColorCells(slice);
    return slice;
}

}  // namespace tidewell::model
