#include <gtest/gtest.h>

#include <cmath>

#include "case/BasicValue.h"
#include "case/NumberText.h"
#include "ui/SweepTable.h"

namespace tidewell {
namespace {

constexpr Color kYellow = Rgb(255, 255, 0);  // 16 to below 18 degC
constexpr Color kRed = Rgb(255, 0, 0);       // 24 degC and more

// Outcomes for every combination, each as a cancelled run except those given.
std::vector<BatchOutcome> OutcomesWith(const SweepTable& table,
                                       const std::vector<SweepCombination>& run) {
    std::vector<BatchOutcome> outcomes(table.Combinations().size());
    const std::vector<CaseRecord> cases = table.Cases();
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        outcomes[i].Run.Status = RunStatus::Cancelled;
        if (std::find(run.begin(), run.end(), table.Combinations()[i]) != run.end())
            outcomes[i] = RunOneCase(cases[i]);
    }
    return outcomes;
}

struct OrientationRow {
    const char* Name;
    MultiplierList Held;
    int HeldEntry;
    MultiplierList Rows;
    MultiplierList Columns;
    std::size_t RowCount;
    std::size_t ColumnCount;
};

class SliceOrientation : public testing::TestWithParam<OrientationRow> {};

// The held list drops out; the first of the other two gives the rows.
TEST_P(SliceOrientation, SpansTheOtherTwoListsInListOrder) {
    const OrientationRow& row = GetParam();
    const SweepSlice slice = SweepTable(DefaultCase(), {}).Slice(row.Held, row.HeldEntry);
    EXPECT_EQ(slice.Rows, row.Rows);
    EXPECT_EQ(slice.Columns, row.Columns);
    ASSERT_EQ(slice.Cells.size(), row.RowCount);
    ASSERT_EQ(slice.RowHeaders.size(), row.RowCount);
    ASSERT_EQ(slice.ColumnHeaders.size(), row.ColumnCount);
    EXPECT_EQ(slice.ColumnHeaders.back(), row.ColumnCount == 8 ? "5.0" : "2.0");
    for (int r = 0; r < static_cast<int>(row.RowCount); ++r) {
        ASSERT_EQ(slice.Cells[static_cast<std::size_t>(r)].size(), row.ColumnCount);
        for (int c = 0; c < static_cast<int>(row.ColumnCount); ++c) {
            const SweepCombination& combination =
                slice.Cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)].Combination;
            EXPECT_EQ(EntryOf(combination, row.Held), row.HeldEntry);
            EXPECT_EQ(EntryOf(combination, row.Rows), r);
            EXPECT_EQ(EntryOf(combination, row.Columns), c);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    HeldLists, SliceOrientation,
    testing::Values(OrientationRow{"InflowTemp", MultiplierList::InflowTemp, 7,
                                   MultiplierList::Section, MultiplierList::Inflow, 7, 8},
                    OrientationRow{"Section", MultiplierList::Section, 6,
                                   MultiplierList::InflowTemp, MultiplierList::Inflow, 8, 8},
                    OrientationRow{"Inflow", MultiplierList::Inflow, 1, MultiplierList::Section,
                                   MultiplierList::InflowTemp, 7, 8}),
    [](const auto& info) { return std::string(info.param.Name); });

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
    const SweepCell cell = table.Slice(MultiplierList::InflowTemp, 0).Cells[0][0];
    EXPECT_EQ(cell.Text, GetParam().Text);
    EXPECT_EQ(cell.Background, GetParam().Background);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CellText,
    testing::Values(CellRow{"Result", RunStatus::Completed, 17.7038, " 17.7", kYellow},
                    CellRow{"ColouredAsShown", RunStatus::Completed, 23.996, " 24", kRed},
                    CellRow{"Unstable", RunStatus::Unstable, NAN, "不安定", std::nullopt},
                    CellRow{"CannotRun", RunStatus::NotRun, NAN, "計算不可", std::nullopt},
                    CellRow{"Cancelled", RunStatus::Cancelled, NAN, "未計算", std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

// Cells read the outcome of their own combination, in every slice.
TEST(SweepTable, EveryShownCellIsASingleRunOfItsCombination) {
    SweepTable table(DefaultCase(), CombinationOfSelections(-1, -1, -1));
    const std::vector<SweepCombination> sample{{0, 0, 0}, {1, 3, 2}, {6, 7, 4}, {3, 0, 7}};
    ASSERT_TRUE(table.SetOutcomes(OutcomesWith(table, sample)));
    for (const SweepCombination& c : sample) {
        const BatchOutcome single = RunOneCase(WithCombination(DefaultCase(), c));
        ASSERT_EQ(single.Run.Status, RunStatus::Completed);
        const std::string expected = DisplayText(RoundDecimals(single.Mean, 2));
        EXPECT_EQ(
            table.Slice(MultiplierList::InflowTemp, c.InflowTemp)
                .Cells[static_cast<std::size_t>(c.Section)][static_cast<std::size_t>(c.Inflow)]
                .Text,
            expected);
        EXPECT_EQ(
            table.Slice(MultiplierList::Section, c.Section)
                .Cells[static_cast<std::size_t>(c.InflowTemp)][static_cast<std::size_t>(c.Inflow)]
                .Text,
            expected);
    }
    const SweepCell start = table.Slice(MultiplierList::Inflow, 0).Cells[0][0];
    EXPECT_EQ(start.Text, " 17.7");
    EXPECT_EQ(start.Background, kYellow);
    EXPECT_TRUE(start.Current);
}

// A bay of 20 km2 is too small for the default river: it blows up.
TEST(SweepTable, MarksAnUnstableCombination) {
    CaseRecord small = DefaultCase();
    small.BayArea = BasicValue(20.0);
    small.BayVolume = BayVolumeOf(20, small.MeanDepth.Value());
    SweepTable table(small, {});
    ASSERT_TRUE(table.SetOutcomes(OutcomesWith(table, {{0, 0, 0}})));
    const SweepCell cell = table.Slice(MultiplierList::InflowTemp, 0).Cells[0][0];
    EXPECT_EQ(cell.Text, "不安定");
    EXPECT_FALSE(cell.Background.has_value());
}

TEST(SweepTable, OutlinesOnlyTheCurrentCombination) {
    const SweepTable table(DefaultCase(), CombinationOfSelections(2, 3, 4));
    for (int entry : {0, 3}) {
        const SweepSlice slice = table.Slice(MultiplierList::InflowTemp, entry);
        std::vector<SweepCombination> current;
        for (const auto& row : slice.Cells) {
            for (const SweepCell& cell : row) {
                if (cell.Current)
                    current.push_back(cell.Combination);
            }
        }
        const std::vector<SweepCombination> expected =
            entry == 3 ? std::vector<SweepCombination>{{2, 3, 4}} : std::vector<SweepCombination>{};
        EXPECT_EQ(current, expected);
    }
    EXPECT_EQ(CombinationOfSelections(-1, 3, -1), (SweepCombination{0, 3, 0}));
}

TEST(SweepTable, RefusesOutcomesOfAnotherSweep) {
    SweepTable table(DefaultCase(), {});
    EXPECT_FALSE(table.SetOutcomes(std::vector<BatchOutcome>(447)));
    EXPECT_FALSE(table.HasOutcomes());
    EXPECT_EQ(table.Slice(MultiplierList::InflowTemp, 0).Cells[0][0].Text, "");
}

}  // namespace
}  // namespace tidewell
