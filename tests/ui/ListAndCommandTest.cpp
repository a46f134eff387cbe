#include <fstream>
#include <sstream>

#include "ModelFixture.h"

namespace tidewell {
namespace {

class Lists : public StartedModel {};

TEST_F(Lists, InflowRateFiveTimesShowsTheUnroundedLoadAndIndices) {
    Snapshot expected = SnapshotOf(Model);
    Pick(3, "5.0");
    expected.Selected[3] = 7;
    expected.Texts[12] = " 24825";
    expected.Texts[13] = " 125.9";
    expected.Texts[15] = " .119";
    EXPECT_EQ(SnapshotOf(Model), expected);  // Text10 keeps the basic load
}

TEST_F(Lists, InflowTemperatureMultiplierRoundsToThreeDecimalsAndColorsTheInflow) {
    Pick(2, "1.2");
    EXPECT_EQ(Model.FieldText(12), " 5958");
    EXPECT_EQ(Model.FieldText(15), " .029");
    EXPECT_EQ(Model.FrameTemperatures()[kInflowFrame], 18.f);
    EXPECT_EQ(Model.FrameBackground(kInflowFrame), Rgb(255, 191, 0));
    Pick(3, "0.2");
    EXPECT_EQ(Model.FieldText(12), " 1191.60004734993");
}

TEST_F(Lists, CrossSectionMultiplierLeavesTheBasicCrossSection) {
    Pick(1, "0.5");
    EXPECT_EQ(Model.FieldText(11), " .063");
    EXPECT_EQ(Model.FieldText(14), " 9.04");
    EXPECT_EQ(Model.FieldText(6), " .126");
}

TEST_F(Lists, RefuseAnIndexOutsideTheList) {
    const Snapshot before = SnapshotOf(Model);
    EXPECT_FALSE(Model.SelectListEntry(1, 7));  // List1 has no 5.0
    EXPECT_FALSE(Model.SelectListEntry(2, -1));
    EXPECT_EQ(SnapshotOf(Model), before);
}

class Commands : public StartedModel {
  protected:
    std::string ReportBytes() const {
        std::ifstream in(Model.ReportPath(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
};

TEST_F(Commands, CalculateShowsTheBayMeanAndColorsTheBayFrames) {
    Snapshot expected = SnapshotOf(Model);
    const RunResult run = Model.Command1_Click();
    EXPECT_EQ(run.Status, RunStatus::Completed);
    expected.Texts[16] = " 17.7";
    for (int frame = 1; frame <= 5; ++frame)
        expected.Frames[frame] = Rgb(255, 255, 0);
    EXPECT_EQ(SnapshotOf(Model), expected);
    for (int frame = 1; frame <= 5; ++frame) {
        EXPECT_EQ(Model.FrameTemperatures()[frame],
                  static_cast<float>(Model.Bay().CellConc[kTemperature][frame]));
    }
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0], (Message{"計算終了です！", "計算結果(湾内平均水温)\r 17.7(℃)"}));
    EXPECT_EQ(ReportBytes().size() > 0, true);
}

TEST_F(Commands, UnstableCaseShowsNoTemperatureAndSaysWhy) {
    Model.SetFieldText(1, "20");
    const Snapshot before = SnapshotOf(Model);
    EXPECT_EQ(Model.Command1_Click().Status, RunStatus::Unstable);
    EXPECT_EQ(Model.FieldText(16), "計算不安定");
    for (int frame = 1; frame <= kFrameCount; ++frame) {
        EXPECT_EQ(Model.FrameBackground(frame), before.Frames[frame]);
    }
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0].Title, "計算が不安定です");
    EXPECT_NE(Messages.Shown[0].Prompt.find("湾口部長さを短く"), std::string::npos);
    EXPECT_NE(ReportBytes().find("\x8C\x76\x8E\x5A"), std::string::npos);  // 計算 in the report
}

TEST_F(Commands, ReportFailureIsNamedAndTheResultStillShown) {
    MainModel blocked(Messages, Folder.string());  // the report path is a folder
    blocked.FormLoad();
    EXPECT_EQ(blocked.Command1_Click().ReportError.has_value(), true);
    EXPECT_EQ(blocked.FieldText(16), " 17.7");
    ASSERT_EQ(Messages.Shown.size(), 2u);
    EXPECT_EQ(Messages.Shown[1].Title, "レポート出力エラー");
    EXPECT_NE(Messages.Shown[1].Prompt.find(Folder.string()), std::string::npos);
}

TEST_F(Commands, CancelledRunLeavesResultFramesAndReportAsTheyWere) {
    Model.Command1_Click();
    const std::string report = ReportBytes();
    Model.SetFieldText(1, "50");
    const Snapshot before = SnapshotOf(Model);
    Messages.Shown.clear();
    Model.SetRunProgress([](std::int64_t, std::int64_t) { return false; });
    EXPECT_EQ(Model.Command1_Click().Status, RunStatus::Cancelled);
    EXPECT_EQ(SnapshotOf(Model), before);
    EXPECT_EQ(ReportBytes(), report);
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0].Title, "計算中止");
}

TEST_F(Commands, RestoreAfterARunBringsBackTheStartUpState) {
    MainModel fresh(Messages);
    fresh.FormLoad();
    Pick(1, "0.5");
    Pick(3, "2.0");
    Model.SetFieldText(1, "500");
    Model.SetFieldText(7, "25");
    Model.Command1_Click();
    Model.Command3_Click();
    Snapshot expected = SnapshotOf(fresh);
    expected.Selected = {0, 0, 0, 0};
    EXPECT_EQ(SnapshotOf(Model), expected);
    EXPECT_EQ(Model.FieldText(16), " 18");
    EXPECT_EQ(Model.Legend(), fresh.Legend());
    EXPECT_EQ(Model.Scale(), fresh.Scale());
}

TEST_F(Commands, SecondRestoreChangesNothing) {
    Model.Command3_Click();
    const Snapshot once = SnapshotOf(Model);
    const CaseRecord record = Model.Record();
    const size_t messages = Messages.Shown.size();
    Model.Command3_Click();
    EXPECT_EQ(SnapshotOf(Model), once);
    EXPECT_EQ(Model.Record(), record);
    EXPECT_EQ(Messages.Shown.size(), messages);
}

TEST_F(Commands, RestoreTurnsOnlyTheEditedFieldsBackIntoTexts) {
    Model.Command3_Click();  // every basic condition is back to a number...
    Model.SetFieldText(1, "500");
    Model.Command3_Click();  // ...but an edited field's handler stores its text again
    EXPECT_TRUE(Model.Record().BayArea.HoldsText());
    EXPECT_FALSE(Model.Record().MeanDepth.HoldsText());
    EXPECT_FALSE(Model.Record().SeaTemp.HoldsText());
}

}  // namespace
}  // namespace tidewell
