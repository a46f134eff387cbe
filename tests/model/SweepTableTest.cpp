#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

#include "case/DecimalRounding.h"
#include "case/NumberText.h"
#include "model/SweepTable.h"

namespace tidewell {
namespace {

constexpr model::Color kYellow = model::Rgb(255, 255, 0);  // 16 to below 18 degC
constexpr model::Color kWhite = model::Rgb(255, 255, 255);
constexpr model::Color kRed = model::Rgb(255, 0, 0);

// The cell that shows `combination` in a slice; fails the test when none does.
model::SweepCell CellShowing(const model::SweepSlice& slice,
                             const engine::SweepCombination& combination) {
    for (const auto& row : slice.Cells) {
        for (const model::SweepCell& cell : row) {
            if (cell.Combination == combination)
                return cell;
        }
    }
    ADD_FAILURE() << "no cell shows " << combination.Section << combination.InflowTemp
                  << combination.Inflow;
    return {};
}

// Every combination completed with the mean `meanOf` gives it.
void SetMeans(model::SweepTable& table,
              const std::function<double(const engine::SweepCombination&)>& meanOf) {
    std::vector<engine::BatchOutcome> outcomes(table.Combinations().size());
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        outcomes[i].Run.Status = engine::RunStatus::Completed;
        outcomes[i].Mean = meanOf(table.Combinations()[i]);
    }
    ASSERT_TRUE(table.SetOutcomes(std::move(outcomes)));
}

// A result shows to two decimals, every place written, coloured by the value
// shown; any other outcome is named in words, without a colour.
TEST(SweepTable, CellsShowTheOutcome) {
    using Row = std::tuple<engine::RunStatus, double, std::string, std::optional<model::Color>>;
    for (const auto& [status, mean, text, background] :
         {Row{engine::RunStatus::Completed, 17.7038, "17.70", kYellow},
          Row{engine::RunStatus::Completed, 17.0, "17.00", kYellow},
          Row{engine::RunStatus::Completed, 23.996, "24.00", kRed},
          Row{engine::RunStatus::Unstable, NAN, "不安定", std::nullopt},
          Row{engine::RunStatus::NotRun, NAN, "計算不可", std::nullopt},
          Row{engine::RunStatus::Cancelled, NAN, "未計算", std::nullopt}}) {
        model::SweepTable table(DefaultCase(), {});
        std::vector<engine::BatchOutcome> outcomes(table.Combinations().size());
        outcomes[0].Run.Status = status;
        outcomes[0].Mean = mean;
        ASSERT_TRUE(table.SetOutcomes(std::move(outcomes)));
        const model::SweepCell cell =
            CellShowing(table.Slice(MultiplierList::InflowTempFactor, 0), {0, 0, 0});
        EXPECT_TRUE(cell.Text.Prompt() == text && cell.Background == background) << text;
    }
}

// Rows and columns run from the smallest multiplier to the largest, though
// every list starts at "1.0", and each cell holds the combination its row
// and column headers name, so a pick takes what the cell shows.
TEST(SweepTable, RowsAndColumnsAscend) {
    const std::vector<std::string> section{"0.2", "0.5", "0.8", "1.0", "1.2", "1.5", "2.0"};
    const std::vector<std::string> inflow{"0.2", "0.5", "0.8", "1.0", "1.2", "1.5", "2.0", "5.0"};
    const model::SweepTable table(DefaultCase(), {});
    for (MultiplierList held : kMultiplierLists) {
        const model::SweepSlice slice = table.Slice(held, 2);
        EXPECT_EQ(slice.RowHeaders, slice.Rows == MultiplierList::SectionFactor ? section : inflow);
        EXPECT_EQ(slice.ColumnHeaders, inflow);
        for (std::size_t r = 0; r < slice.Cells.size(); ++r) {
            for (std::size_t c = 0; c < slice.Cells[r].size(); ++c) {
                const engine::SweepCombination& shown = slice.Cells[r][c].Combination;
                EXPECT_EQ(
                    ListEntries(slice.Rows)[static_cast<std::size_t>(shown.Entry(slice.Rows))],
                    slice.RowHeaders[r]);
                EXPECT_EQ(ListEntries(
                              slice.Columns)[static_cast<std::size_t>(shown.Entry(slice.Columns))],
                          slice.ColumnHeaders[c]);
                EXPECT_EQ(shown.Entry(held), 2);
            }
        }
    }
}

// Cells read the outcome of their own combination, in every slice.
TEST(SweepTable, EveryShownCellIsASingleRunOfItsCombination) {
    model::SweepTable table(DefaultCase(), model::CombinationOfSelections(-1, -1, -1));
    const std::vector<engine::SweepCombination> sample{{0, 0, 0}, {1, 3, 2}, {6, 7, 4}, {3, 0, 7}};
    std::vector<engine::BatchOutcome> outcomes(table.Combinations().size());
    for (std::size_t i = 0; i < outcomes.size(); ++i) {  // the others cancelled
        outcomes[i].Run.Status = engine::RunStatus::Cancelled;
        if (std::ranges::find(sample, table.Combinations()[i]) != sample.end())
            outcomes[i] = engine::RunOneCase(table.Cases()[i]);
    }
    ASSERT_TRUE(table.SetOutcomes(std::move(outcomes)));
    for (const engine::SweepCombination& c : sample) {
        const double mean = engine::RunOneCase(engine::WithCombination(DefaultCase(), c)).Mean;
        const std::string single = FixedDecimalText(RoundDecimals(mean, 2), 2);
        for (MultiplierList held : kMultiplierLists)
            EXPECT_EQ(CellShowing(table.Slice(held, c.Entry(held)), c).Text.Prompt(), single);
    }
    const model::SweepSlice slice = table.Slice(MultiplierList::InflowFactor, 0);
    const model::SweepCell start = CellShowing(slice, {0, 0, 0});
    EXPECT_TRUE(start.Text.Prompt() == "17.70" && start.Background == kYellow && start.Current);
    std::size_t current = 0;
    for (const auto& row : slice.Cells)
        current += static_cast<std::size_t>(std::ranges::count_if(row, &model::SweepCell::Current));
    EXPECT_EQ(current, 1u);
    EXPECT_FALSE(table.SetOutcomes(std::vector<engine::BatchOutcome>(447)));  // not this sweep's
}

// A narrow table (17.40 to 17.90) is one yellow on the window's scale; spread
// over its own range, its coldest cell is the scale's first colour and its
// warmest the last, wherever they sit; text on the dark blue band is white.
TEST(SweepTable, ColorsSpreadOverTheTablesOwnRange) {
    model::SweepTable table(DefaultCase(), {});
    // Coldest at the lists' first entries ("1.0", inside the table), warmest
    // at their last; the held list does not change the mean.
    SetMeans(table, [](const engine::SweepCombination& c) {
        return 17.4 + 0.5 * (c.Section + c.Inflow) / 13.0;
    });
    const model::SweepSlice window = table.Slice(MultiplierList::InflowTempFactor, 3);
    const model::SweepSlice own =
        table.Slice(MultiplierList::InflowTempFactor, 3, model::SweepColoring::TableRange);
    std::set<model::Color> windowColors;
    std::set<model::Color> ownColors;
    for (std::size_t r = 0; r < own.Cells.size(); ++r) {
        for (std::size_t c = 0; c < own.Cells[r].size(); ++c) {
            windowColors.insert(window.Cells[r][c].Background.value_or(0));
            ownColors.insert(own.Cells[r][c].Background.value_or(0));
            EXPECT_EQ(own.Cells[r][c].Text.Prompt(), window.Cells[r][c].Text.Prompt());
        }
    }
    EXPECT_EQ(windowColors, std::set<model::Color>{kYellow});
    EXPECT_GE(ownColors.size(), 10u);
    EXPECT_EQ(CellShowing(own, {0, 3, 0}).Background, kWhite);
    EXPECT_EQ(CellShowing(own, {6, 3, 7}).Background, kRed);
    const model::SweepCell darkBlue = CellShowing(own, {1, 3, 0});  // 17.44: the second band
    EXPECT_TRUE(darkBlue.Background == model::Rgb(0, 64, 255) && darkBlue.Ink == kWhite);
    EXPECT_EQ(CellShowing(own, {6, 3, 7}).Ink, model::Rgb(0, 0, 0));
    EXPECT_TRUE(own.Lowest == "17.40" && own.Highest == "17.90") << own.Lowest << own.Highest;
}

}  // namespace
}  // namespace tidewell
