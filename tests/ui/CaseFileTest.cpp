#include <fstream>

#include "ModelFixture.h"
#include "ui/CaseFileCommands.h"

namespace fs = std::filesystem;

namespace tidewell {
namespace {

// Typing into fields and picking list entries, in this order.
struct Actions {
    std::vector<std::pair<int, std::string>> Texts;  // field and text
    std::vector<std::pair<int, std::string>> Picks;  // list and entry
};

class CaseFiles : public StartedModel {
  protected:
    void Do(MainModel& model, const Actions& actions) {
        for (const auto& [field, text] : actions.Texts)
            model.SetFieldText(field, text);
        for (const auto& [list, entry] : actions.Picks) {
            const auto& entries = model.List(list).Entries;
            const auto index = std::find(entries.begin(), entries.end(), entry) - entries.begin();
            ASSERT_TRUE(model.SelectListEntry(list, static_cast<int>(index))) << entry;
        }
    }
    // A second window model, started and then used.
    MainModel Other() {
        MainModel other(Messages, Model.ReportPath());
        other.FormLoad();
        Do(other, {{{1, "5000"}, {9, "100"}}, {{2, "2.0"}, {3, "0.2"}}});
        other.Command3_Click();
        Do(other, {{{4, "3"}}, {}});
        return other;
    }
    const std::string Path = (Folder / "bay.tidewell").string();
    const fs::path ExamplePath = fs::path(TIDEWELL_GOLDEN_DIR) / "example.tidewell";
};

struct RoundTripRow {
    const char* Name;
    Actions Done;
};

class CaseRoundTrip : public CaseFiles, public testing::WithParamInterface<RoundTripRow> {};

TEST_P(CaseRoundTrip, OpensWhatWasSavedAsTheSameCaseWhateverCameBefore) {
    Do(Model, GetParam().Done);
    ASSERT_EQ(SaveCase(Model, Path), std::nullopt);
    MainModel used = Other();
    MainModel fresh(Messages, Model.ReportPath());
    fresh.FormLoad();
    ASSERT_EQ(OpenCase(used, Path), std::nullopt);
    ASSERT_EQ(OpenCase(fresh, Path), std::nullopt);

    for (int field = 1; field <= kFieldCount; ++field) {
        if (MainModel::IsEditable(field)) {
            EXPECT_EQ(used.FieldText(field), Model.FieldText(field)) << "Text" << field;
        }
    }
    for (int list = 1; list <= kListCount; ++list) {
        const int picked = Model.List(list).Selected;  // unpicked lists open at "1.0"
        EXPECT_EQ(used.List(list).Selected, picked == kNoSelection ? 0 : picked) << list;
    }
    EXPECT_EQ(used.Record(), Model.Record());
    EXPECT_EQ(SnapshotOf(used), SnapshotOf(fresh));
    EXPECT_EQ(fresh.Record(), Model.Record());
    EXPECT_TRUE(Messages.Shown.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CaseRoundTrip, testing::Values(
    RoundTripRow{"StartUp", {}},
    RoundTripRow{"EditsAndPicks", {{{1, " 2,000 "}, {2, "20.50"}, {8, "1D1"}, {4, " 0.5 "}},
                                   {{1, "0.5"}, {2, "1.2"}, {3, "5.0"}}}},
    RoundTripRow{"DefaultTextTypedAgain", {{{1, "2000"}, {1, " 1000"}, {7, "0"}}, {{2, "1.0"}}}}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST_F(CaseFiles, SavesWhatTheUserEnteredAsTheHandWrittenExample) {
    Do(Model, {{{1, " 2,000 "}, {2, "20.50"}, {7, "1D1"}, {9, "331"}}, {{1, "0.5"}, {3, "5.0"}}});
    ASSERT_EQ(SaveCase(Model, Path), std::nullopt);
    EXPECT_EQ(test::ReadFile(Path), test::ReadFile(ExamplePath));
}

struct RefusedTextRow {
    const char* Name;
    BasicInput Input;
    std::string Text;
    Message FieldRefusal;
};

class RefusedCaseText : public CaseFiles, public testing::WithParamInterface<RefusedTextRow> {};

TEST_P(RefusedCaseText, RefusesTheFileAndLeavesTheModelUntouched) {
    Do(Model, {{{1, "1500"}}, {{3, "2.0"}}});
    const Snapshot before = SnapshotOf(Model);
    const CaseRecord record = Model.Record();
    CaseFile file = CaseOfModel(Model);
    file.Text(GetParam().Input) = GetParam().Text;
    const Message& why = GetParam().FieldRefusal;

    const auto refusal = OpenCase(Model, file, Path);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Title, "ケースを開けません");
    EXPECT_EQ(refusal->Prompt, "ケースファイル「" + Path + "」を開けません。\r「" +
                                   std::string(InputName(GetParam().Input)) + "」の「" +
                                   GetParam().Text + "」を受け付けません（" + why.Title + ": " +
                                   why.Prompt + "）");
    EXPECT_EQ(SnapshotOf(Model), before);
    EXPECT_EQ(Model.Record(), record);
    EXPECT_TRUE(Messages.Shown.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, RefusedCaseText, testing::Values(
    RefusedTextRow{"InflowTempWhoseLoadOverflows", BasicInput::InflowTemp, "1e300",
                   {"流入水の水温", "数値を入力してください"}},
    RefusedTextRow{"InflowRateLetters", BasicInput::InflowRate, "331m3",
                   {"流量の入力制限", "流入水の流量は0にしないでください"}}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST_F(CaseFiles, DoesNotSaveWhileAFieldShowsATextItRefused) {
    { std::ofstream(Path) << "the previous case"; }
    Model.SetFieldText(9, "0");
    ASSERT_EQ(Messages.Shown.size(), 1U);
    const auto failure = SaveCase(Model, Path);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Title, "ケースの保存エラー");
    EXPECT_NE(failure->Prompt.find("「inflow-rate」の「0」を受け付けません"), std::string::npos);
    EXPECT_EQ(test::ReadFile(Path), "the previous case");
    EXPECT_EQ(Messages.Shown.size(), 1U);
}

}  // namespace
}  // namespace tidewell
