// What the window keeps of the last run, its tips and CSV, and the case file bookkeeping.
#include <algorithm>
#include <functional>

#include "ModelFixture.h"
#include "model/ResultTips.h"
#include "session/SavedCase.h"
#include "session/SeriesCsvCommand.h"

namespace tidewell {
namespace {

const std::string kNote("入力が計算後に変更されています。計算開始で再計算してください");

std::string TipOf(const std::vector<Message>& lines) {
    std::string tip;
    for (const Message& line : lines)
        tip += (tip.empty() ? "" : "\n") + line.Prompt();
    return tip;
}

// The cells to three decimals and where they settle to two, one line each;
// a frame's cell as a single shows it.
TEST(ResultTips, GiveTheCellsAndWhereTheySettle) {
    EXPECT_EQ(model::CellTip(3, 17.516242f).Prompt(), "セル3：17.51624℃");
    EXPECT_EQ(TipOf(model::CellsTip({17.5164, 16, 9.9996, 18.0051, 17.2},
                                    {17.514, 16.006, 10, 18.1, 17.199})),
              "セル1 17.516 ℃（定常 17.51 ℃）\nセル2 16.000 ℃（定常 16.01 ℃）\n"
              "セル3 10.000 ℃（定常 10.00 ℃）\nセル4 18.005 ℃（定常 18.10 ℃）\n"
              "セル5 17.200 ℃（定常 17.20 ℃）");
}

TEST_F(StartedModel, KeepsTheSeriesTipsGiveItsCellsCsvNeedsARun) {
    EXPECT_TRUE(
        session::SaveSeriesCsv(Model, (Folder / "s.csv").string()).has_value());  // no run yet
    ASSERT_EQ(Model.Command1_Click().Status, engine::RunStatus::Completed);
    const model::FinishedRun& run = *Model.LastRun();
    std::array<double, engine::kBayCellCount> cells{};
    std::copy_n(&Model.Bay().CellConc[engine::kTemperature][1], engine::kBayCellCount,
                cells.begin());
    EXPECT_EQ(run.Rows.back().Cells, cells);
    EXPECT_TRUE(run.SeaTemp == 18 && run.InflowTemp == 15);  // the chart's flat lines
    EXPECT_EQ(Model.ResultToolTip(), model::CellsTip(cells, run.Steady));
    for (int k = 1; k <= engine::kBayCellCount; ++k)
        EXPECT_EQ(Model.FrameToolTip(k),
                  std::vector{model::CellTip(k, static_cast<float>(cells[k - 1]))});
    EXPECT_EQ(session::SaveSeriesCsv(Model, (Folder / "s.csv").string()), std::nullopt);
    const auto failure = session::SaveSeriesCsv(Model, (Folder / "no/f.csv").string());
    EXPECT_TRUE(failure && failure->Prompt().find("no/f.csv") != std::string::npos);
}

struct AfterRunRow {
    const char* Name;
    std::function<void(model::MainModel&)> Act;
    bool FrameTip;   // the bay frames still show the run's cells
    bool ResultTip;  // the result field still shows the run's result
    bool Stale;      // the inputs changed since
};

class AfterRun : public StartedModel, public testing::WithParamInterface<AfterRunRow> {};

// The tips follow what the frames and the result field still show; a shown
// result goes stale when an accepted input changes after the run.
TEST_P(AfterRun, TipsAndStalenessFollowTheInputs) {
    const AfterRunRow& row = GetParam();
    Model.Command1_Click();
    row.Act(Model);
    EXPECT_EQ(TipOf(Model.FrameToolTip(3)).find("セル3：") != std::string::npos, row.FrameTip);
    EXPECT_EQ(TipOf(Model.ResultToolTip()).find("セル5 ") != std::string::npos, row.ResultTip);
    for (const std::string& tip : {TipOf(Model.FrameToolTip(3)), TipOf(Model.ResultToolTip())})
        EXPECT_EQ(tip.ends_with(kNote), row.Stale) << tip;
    EXPECT_EQ(Model.ResultIsStale(), row.Stale);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Actions, AfterRun, testing::Values(
    AfterRunRow{"NewDepth", [](model::MainModel& m) { m.SetFieldText(model::Field::MeanDepth, "20"); }, true,
                true, true},
    AfterRunRow{"NewSeaTemperatureRecoloursTheFrames",
                [](model::MainModel& m) { m.SetFieldText(model::Field::SeaTemp, "20"); }, false, true, true},
    AfterRunRow{"RefusedEdit", [](model::MainModel& m) { m.SetFieldText(model::Field::BayArea, ""); }, true,
                true, false},
    AfterRunRow{"ListPick", [](model::MainModel& m) { m.SelectListEntry(1, 2); }, true, true, true},
    AfterRunRow{"RunAgain", [](model::MainModel& m) { m.SelectListEntry(1, 2); m.Command1_Click(); },
                true, true, false},
    AfterRunRow{"Restore", [](model::MainModel& m) { m.SelectListEntry(1, 2); m.Command3_Click(); },
                false, false, false},
    AfterRunRow{"UnstableRun", [](model::MainModel& m) { m.SetFieldText(model::Field::BayArea, "20");
                                                  m.Command1_Click(); }, false, false, false}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST(SavedCase, ChangesCountAgainstTheFileTheCaseCameFrom) {
    CaseFile saved, edited, picked;
    saved.Text(BasicInput::BayArea) = picked.Text(BasicInput::BayArea) = " 1000";
    edited.Text(BasicInput::BayArea) = " 1001";
    picked.Entry(MultiplierList::InflowFactor) = "0.5";
    session::SavedCase file;
    file.Remember({}, saved);   // untitled: against the default case
    CaseFile restored = saved;  // デフォルトに戻す picks "1.0", where start-up picks nothing
    restored.Entry(MultiplierList::SectionFactor) = "1.0";
    EXPECT_EQ(std::vector<bool>({file.HasUnsavedChanges(saved), file.HasUnsavedChanges(edited),
                                 file.HasUnsavedChanges(restored)}),
              std::vector<bool>({false, true, false}));
    file.Remember("/tmp/a.b/bay.tidewell", saved);
    EXPECT_EQ(std::vector<bool>({file.HasUnsavedChanges(saved), file.HasUnsavedChanges(edited),
                                 file.HasUnsavedChanges(picked)}),
              std::vector<bool>({false, true, true}));
}

}  // namespace
}  // namespace tidewell
