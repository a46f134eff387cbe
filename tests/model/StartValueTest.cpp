#include <gtest/gtest.h>

#include <functional>

#include "ModelFixture.h"
#include "session/CaseFileCommands.h"

namespace tidewell {
namespace {

struct StartValueRow {
    const char* Name;
    std::function<void(model::MainModel&)> Act;
    bool StartValue;  // the result field still shows the start temperature
};

class ResultField : public StartedModel, public testing::WithParamInterface<StartValueRow> {};

// Until a run of the case on screen, the result field holds the start
// temperature: marked, with a tip that says so, its text unchanged.
TEST_P(ResultField, IsMarkedAsTheStartValueUntilTheFirstRun) {
    GetParam().Act(Model);
    const bool start = GetParam().StartValue;
    EXPECT_EQ(Model.ResultIsStartValue(), start);
    const Message note{MessageId::StartValueNote, {}};
    EXPECT_EQ(Model.ResultToolTip() == std::vector<Message>{note}, start);
    EXPECT_EQ(Model.FieldText(model::Field::Result) == " 18", start);
}

void Run(model::MainModel& model) {
    model.Command1_Click();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Actions, ResultField, testing::Values(
    StartValueRow{"AtStartUp", [](model::MainModel&) {}, true},
    StartValueRow{"AfterAnEditBeforeAnyRun",
                  [](model::MainModel& m) { m.SetFieldText(model::Field::MeanDepth, "20"); }, true},
    StartValueRow{"AfterACancelledRun", [](model::MainModel& m) {
                      m.SetRunProgress([](std::int64_t, std::int64_t) { return false; });
                      Run(m); }, true},
    StartValueRow{"AfterARun", Run, false},
    StartValueRow{"AfterAnUnstableRun", [](model::MainModel& m) {
                      m.SetFieldText(model::Field::BayArea, "20"); Run(m); }, false},
    StartValueRow{"AfterRestoringARun", [](model::MainModel& m) { Run(m); m.Command3_Click(); }, true},
    StartValueRow{"AfterOpeningACaseOverARun", [](model::MainModel& m) {
                      Run(m);
                      CaseFile file = session::CaseOfModel(m);
                      file.Text(BasicInput::BayArea) = "500";
                      ASSERT_FALSE(session::OpenCase(m, file, "bay.tidewell")); }, true}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace tidewell
