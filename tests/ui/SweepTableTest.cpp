#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "case/DecimalRounding.h"
#include "case/NumberText.h"
#include "ui/SweepTable.h"

namespace tidewell {
namespace {

constexpr Color kYellow = Rgb(255, 255, 0);  // 16 to below 18 degC

const SweepCell& At(const SweepSlice& slice, int row, int column) {
    return slice.Cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

struct CellRow {
    const char* Name;
    RunStatus Status;
    double Mean;
    std::string Text;
    std::optional<Color> Background;
};

class CellText : public testing::TestWithParam<CellRow> {};

// A result shows as the result field shows it, coloured by the value shown;
// any other outcome is named in words, without a colour.
TEST_P(CellText, ShowsTheOutcome) {
    SweepTable table(DefaultCase(), {});
    std::vector<BatchOutcome> outcomes(table.Combinations().size());
    outcomes[0].Run.Status = GetParam().Status;
    outcomes[0].Mean = GetParam().Mean;
    ASSERT_TRUE(table.SetOutcomes(std::move(outcomes)));
    const SweepCell cell = At(table.Slice(MultiplierList::InflowTempFactor, 0), 0, 0);
    EXPECT_EQ(cell.Text, GetParam().Text);
    EXPECT_EQ(cell.Background, GetParam().Background);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CellText,
    testing::Values(CellRow{"Result", RunStatus::Completed, 17.7038, " 17.7", kYellow},
                    CellRow{"ColouredAsShown", RunStatus::Completed, 23.996, " 24", Rgb(255, 0, 0)},
                    CellRow{"Unstable", RunStatus::Unstable, NAN, "不安定", std::nullopt},
                    CellRow{"CannotRun", RunStatus::NotRun, NAN, "計算不可", std::nullopt},
                    CellRow{"Cancelled", RunStatus::Cancelled, NAN, "未計算", std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

// Cells read the outcome of their own combination, in every slice.
TEST(SweepTable, EveryShownCellIsASingleRunOfItsCombination) {
    SweepTable table(DefaultCase(), CombinationOfSelections(-1, -1, -1));
    const std::vector<SweepCombination> sample{{0, 0, 0}, {1, 3, 2}, {6, 7, 4}, {3, 0, 7}};
    std::vector<BatchOutcome> outcomes(table.Combinations().size());
    for (std::size_t i = 0; i < outcomes.size(); ++i) {  // the others cancelled
        outcomes[i].Run.Status = RunStatus::Cancelled;
        if (std::ranges::find(sample, table.Combinations()[i]) != sample.end())
            outcomes[i] = RunOneCase(table.Cases()[i]);
    }
    ASSERT_TRUE(table.SetOutcomes(std::move(outcomes)));
    for (const SweepCombination& c : sample) {
        const BatchOutcome single = RunOneCase(WithCombination(DefaultCase(), c));
        const std::string expected = DisplayText(RoundDecimals(single.Mean, 2));
        EXPECT_EQ(
            At(table.Slice(MultiplierList::InflowTempFactor, c.InflowTemp), c.Section, c.Inflow)
                .Text,
            expected);
        EXPECT_EQ(
            At(table.Slice(MultiplierList::SectionFactor, c.Section), c.InflowTemp, c.Inflow).Text,
            expected);
    }
    const SweepCell start = At(table.Slice(MultiplierList::InflowFactor, 0), 0, 0);
    EXPECT_EQ(start.Text, " 17.7");
    EXPECT_EQ(start.Background, kYellow);
    int current = 0;  // the only outlined cell of its slices
    for (int entry = 0; entry < 8; ++entry) {
        for (const auto& row : table.Slice(MultiplierList::InflowTempFactor, entry).Cells)
            current += static_cast<int>(std::count_if(
                row.begin(), row.end(), [](const SweepCell& cell) { return cell.Current; }));
    }
    EXPECT_EQ(current, 1);
    EXPECT_TRUE(start.Current);
    EXPECT_FALSE(table.SetOutcomes(std::vector<BatchOutcome>(447)));  // not this sweep's
}

}  // namespace
}  // namespace tidewell
