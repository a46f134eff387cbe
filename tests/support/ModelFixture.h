#pragma once

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/MainModel.h"
#include "session/TypedInputs.h"

namespace tidewell {

struct Snapshot {  // everything the window shows
    std::array<std::string, model::kFieldCount + 1> Texts;
    std::array<int, model::kListCount + 1> Selected{};
    std::array<model::Color, model::kFrameCount + 1> Frames{};
    bool operator==(const Snapshot&) const = default;
};

inline Snapshot SnapshotOf(const model::MainModel& model) {
    Snapshot s;
    for (int f = 1; f <= model::kFieldCount; ++f)
        s.Texts[f] = model.FieldText(f);
    for (int l = 1; l <= model::kListCount; ++l)
        s.Selected[l] = model.List(l).Selected;
    for (int f = 1; f <= model::kFrameCount; ++f)
        s.Frames[f] = model.FrameBackground(f);
    return s;
}

// What the user does, in order: a field number and the text typed into it,
// or minus a list number and the entry picked from it.
using Entries = std::vector<std::pair<int, std::string>>;

// A started window model, its report in a private folder, its runs estimated short.
class StartedModel : public testing::Test {
  protected:
    StartedModel() {
        Model.SetRunEstimator([](const CaseRecord&) { return model::RunEstimate{1000, 1e-6}; });
        Model.FormLoad();
    }

    // Enters the steps as a user would, up to the first one refused; the
    // model must show its messages through Messages.
    void Enter(model::MainModel& model, const Entries& steps) {
        std::vector<session::InputStep> typed;
        for (const auto& [number, text] : steps) {
            if (number > 0)
                typed.push_back({*model::InfoOf(*model::FieldNumbered(number)).Input, text});
            else
                typed.push_back({*ListNumbered(-number), text});
        }
        const auto refusal = session::EnterInputs(model, Messages, typed);
        ASSERT_TRUE(!refusal || refusal->FieldRefusal) << "no entry " << refusal->Step.Text;
    }
    std::string ReportBytes() const { return test::ReadFile(Model.ReportPath()); }

    test::TemporaryFolder Scratch;
    const std::filesystem::path& Folder = Scratch.Path();
    MessageLog Messages;
    model::MainModel Model{Messages, (Folder / "Tidewell_OUT.txt").string()};
};

}  // namespace tidewell
