#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "model/MainModel.h"

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

    void Enter(model::MainModel& model, const Entries& steps) {
        for (const auto& [number, text] : steps) {
            if (number > 0) {
                model.SetFieldText(number, text);
                continue;
            }
            const auto& entries = model.List(-number).Entries;
            const auto found = std::find(entries.begin(), entries.end(), text);
            ASSERT_NE(found, entries.end()) << "no entry " << text << " in List" << -number;
            ASSERT_TRUE(model.SelectListEntry(-number, static_cast<int>(found - entries.begin())));
        }
    }
    std::string ReportBytes() const { return test::ReadFile(Model.ReportPath()); }

    test::TemporaryFolder Scratch;
    const std::filesystem::path& Folder = Scratch.Path();
    test::RecordedMessages Messages;
    model::MainModel Model{Messages, (Folder / "Tidewell_OUT.txt").string()};
};

}  // namespace tidewell
