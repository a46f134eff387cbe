#include "ModelFixture.h"
#include "session/CaseFileCommands.h"

namespace tidewell {
namespace {

class CaseFiles : public StartedModel {
  protected:
    const std::string Path = (Folder / "bay.tidewell").string();
};

// Whatever a window showed before, opening a saved case shows what was saved:
// first the start-up case, then edits and picks on top of it.
TEST_F(CaseFiles, OpenWhatWasSavedAsTheSameCaseWhateverCameBefore) {
    for (const Entries& steps :
         {Entries{},
          Entries{
              {1, " 2,000 "}, {2, "20.50"}, {8, "1D1"}, {4, " 0.5 "}, {-1, "0.5"}, {-3, "5.0"}}}) {
        Enter(Model, steps);
        ASSERT_EQ(session::SaveCase(Model, Path), std::nullopt);
        model::MainModel used(Messages, Model.ReportPath()), fresh(Messages, Model.ReportPath());
        used.FormLoad();
        fresh.FormLoad();
        Enter(used, {{1, "5000"}, {9, "100"}, {-2, "2.0"}, {-3, "0.2"}});
        ASSERT_EQ(session::OpenCase(used, Path), std::nullopt);
        ASSERT_EQ(session::OpenCase(fresh, Path), std::nullopt);
        for (BasicInput input : kBasicInputs) {
            const model::Field field = model::FieldOf(input);
            EXPECT_EQ(used.FieldText(field), Model.FieldText(field)) << InputName(input);
        }
        EXPECT_EQ(SnapshotOf(used), SnapshotOf(fresh));
        EXPECT_EQ(used.Record(), Model.Record());
    }
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(CaseFiles, SavesWhatTheUserEnteredAsTheHandWrittenExample) {
    Enter(Model, {{1, " 2,000 "}, {2, "20.50"}, {7, "1D1"}, {9, "331"}, {-1, "0.5"}, {-3, "5.0"}});
    ASSERT_EQ(session::SaveCase(Model, Path), std::nullopt);
    EXPECT_EQ(test::ReadFile(Path), test::ReadFile(TIDEWELL_GOLDEN_DIR "/example.tidewell"));
}

// A file whose text a field would refuse is refused whole, naming the text
// and the field's own reason; the window keeps what it showed.
TEST_F(CaseFiles, RefusesATextTheFieldWouldRefuseAndLeavesTheModelUntouched) {
    Enter(Model, {{1, "1500"}, {-3, "2.0"}});
    const Snapshot before = SnapshotOf(Model);
    const CaseRecord record = Model.Record();
    for (const auto& [input, text, why] :
         {std::tuple{BasicInput::InflowTemp, "1e300",
                     "流入水の水温: 流入水水温の値から計算される量が大きすぎて扱えません。\r"
                     "値を見直してください"},
          {BasicInput::InflowRate, "331m3", "流量の入力制限: 流入水の流量は0にしないでください"}}) {
        CaseFile file = session::CaseOfModel(Model);
        file.Text(input) = text;
        EXPECT_EQ(test::WordsOf({*session::OpenCase(Model, file, Path)}),
                  (std::vector<test::Words>{
                      {"ケースを開けません", "ケースファイル「" + Path + "」を開けません。\r「" +
                                                 std::string(InputName(input)) + "」の「" + text +
                                                 "」を受け付けません（" + why + "）"}}));
    }
    EXPECT_EQ(SnapshotOf(Model), before);
    EXPECT_EQ(Model.Record(), record);
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(CaseFiles, DoesNotSaveWhileAFieldShowsATextItRefused) {
    test::WriteFile(Path, "the previous case");
    Model.SetFieldText(9, "0");
    const auto failure = session::SaveCase(Model, Path);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->Prompt().find("「inflow-rate」の「0」を受け付けません"), std::string::npos);
    EXPECT_EQ(test::ReadFile(Path), "the previous case");
    EXPECT_EQ(Messages.Shown.size(), 1U);
}

}  // namespace
}  // namespace tidewell
