#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "case/DecimalRounding.h"
#include "case/NumberText.h"
#include "model/SweepTable.h"

namespace tidewell {
namespace {

constexpr model::Color kYellow = model::Rgb(255, 255, 0);  // 16 to below 18 degC

model::SweepCell At(const model::SweepTable& table, MultiplierList list, int entry, int row,
                    int column) {
    return table.Slice(list, entry)
        .Cells.at(static_cast<std::size_t>(row))
        .at(static_cast<std::size_t>(column));
}

// A result shows as the result field shows it, coloured by the value shown;
// any other outcome is named in words, without a colour.
TEST(SweepTable, CellsShowTheOutcome) {
    using Row = std::tuple<engine::RunStatus, double, std::string, std::optional<model::Color>>;
    for (const auto& [status, mean, text, background] :
         {Row{engine::RunStatus::Completed, 17.7038, " 17.7", kYellow},
          Row{engine::RunStatus::Completed, 23.996, " 24", model::Rgb(255, 0, 0)},
          Row{engine::RunStatus::Unstable, NAN, "不安定", std::nullopt},
          Row{engine::RunStatus::NotRun, NAN, "計算不可", std::nullopt},
          Row{engine::RunStatus::Cancelled, NAN, "未計算", std::nullopt}}) {
        model::SweepTable table(DefaultCase(), {});
        std::vector<engine::BatchOutcome> outcomes(table.Combinations().size());
        outcomes[0].Run.Status = status;
        outcomes[0].Mean = mean;
        ASSERT_TRUE(table.SetOutcomes(std::move(outcomes)));
        const model::SweepCell cell = At(table, MultiplierList::InflowTempFactor, 0, 0, 0);
        EXPECT_TRUE(cell.Text.Prompt() == text && cell.Background == background) << text;
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
        const std::string single = DisplayText(RoundDecimals(mean, 2));
        EXPECT_EQ(At(table, MultiplierList::InflowTempFactor, c.InflowTemp, c.Section, c.Inflow)
                      .Text.Prompt(),
                  single);
        EXPECT_EQ(At(table, MultiplierList::SectionFactor, c.Section, c.InflowTemp, c.Inflow)
                      .Text.Prompt(),
                  single);
    }
    const model::SweepCell start = At(table, MultiplierList::InflowFactor, 0, 0, 0);
    EXPECT_TRUE(start.Text.Prompt() == " 17.7" && start.Background == kYellow && start.Current);
    EXPECT_FALSE(At(table, MultiplierList::InflowFactor, 0, 0, 1).Current);
    EXPECT_FALSE(table.SetOutcomes(std::vector<engine::BatchOutcome>(447)));  // not this sweep's
}

}  // namespace
}  // namespace tidewell
