#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "session/RestoreCommand.h"

namespace tidewell {
namespace {

struct RestoreRow {
    const char* Name;
    Entries Typed;  // before the restore, after a run
    bool Answer;
    bool Asks;
    bool Restores;
};

class RestoreCommand : public StartedModel, public testing::WithParamInterface<RestoreRow> {};

// Restoring discards every input: a case that differs from the default asks
// first, and "no" leaves everything as it was; the default case itself is
// restored without a question.
TEST_P(RestoreCommand, AsksBeforeDiscardingACaseThatDiffersFromTheDefault) {
    const RestoreRow& row = GetParam();
    MessageLog freshMessages;
    model::MainModel fresh(freshMessages, Model.ReportPath());
    fresh.FormLoad();
    fresh.Command3_Click();

    Model.Command1_Click();
    Enter(Model, row.Typed);
    const Snapshot before = SnapshotOf(Model);
    Messages.Answer = row.Answer;
    EXPECT_EQ(session::RestoreDefaults(Model, Messages), row.Restores);
    EXPECT_EQ(Messages.Asked,
              row.Asks ? std::vector<Message>{session::RestoreQuestion()} : std::vector<Message>{});
    EXPECT_EQ(SnapshotOf(Model), row.Restores ? SnapshotOf(fresh) : before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RestoreCommand, testing::Values(
    RestoreRow{"TypedTextYes", {{1, "500"}}, true, true, true},
    RestoreRow{"TypedTextNo", {{1, "500"}}, false, true, false},
    RestoreRow{"PickedEntryNo", {{-3, "0.5"}}, false, true, false},
    RestoreRow{"RefusedTextYes", {{4, "0"}}, true, true, true},
    RestoreRow{"DefaultCase", {}, false, false, true},
    RestoreRow{"TypedBackToTheDefault", {{1, "500"}, {1, " 1000"}, {-1, "1.0"}}, false, false, true}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST_F(StartedModel, RestoreAsksNothingAndKeepsTheCaseWhileARunIsGoing) {
    Model.SetFieldText(model::Field::BayArea, "500");
    const std::optional<model::RunJob> job = Model.PrepareRun();
    ASSERT_TRUE(job);
    Messages.Answer = true;
    EXPECT_FALSE(session::RestoreDefaults(Model, Messages));
    EXPECT_TRUE(Messages.Asked.empty());
    EXPECT_EQ(Model.FieldText(model::Field::BayArea), "500");
    Model.FinishRun(model::ExecuteRun(*job));
}

}  // namespace
}  // namespace tidewell
