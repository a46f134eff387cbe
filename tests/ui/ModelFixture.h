#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "ui/MainModel.h"

namespace tidewell {

using test::RecordedMessages;

// Everything the window shows, for comparing before and after an action.
struct Snapshot {
    std::array<std::string, kFieldCount + 1> Texts;
    std::array<int, kListCount + 1> Selected{};
    std::array<Color, kFrameCount + 1> Frames{};

    bool operator==(const Snapshot&) const = default;
};

inline Snapshot SnapshotOf(const MainModel& model) {
    Snapshot s;
    for (int f = 1; f <= kFieldCount; ++f)
        s.Texts[f] = model.FieldText(f);
    for (int l = 1; l <= kListCount; ++l)
        s.Selected[l] = model.List(l).Selected;
    for (int f = 1; f <= kFrameCount; ++f)
        s.Frames[f] = model.FrameBackground(f);
    return s;
}

// A started window model whose report goes to a private temporary folder.
class StartedModel : public testing::Test {
  protected:
    StartedModel() { Model.FormLoad(); }

    int IndexOf(int list, const std::string& entry) const {
        const auto& entries = Model.List(list).Entries;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (entries[i] == entry)
                return static_cast<int>(i);
        }
        ADD_FAILURE() << "no entry " << entry << " in List" << list;
        return kNoSelection;
    }
    void Pick(int list, const std::string& entry) {
        ASSERT_TRUE(Model.SelectListEntry(list, IndexOf(list, entry)));
    }

    test::TemporaryFolder Scratch;
    const std::filesystem::path& Folder = Scratch.Path();
    RecordedMessages Messages;
    MainModel Model{Messages, (Folder / "Tidewell_OUT.txt").string()};
};

}  // namespace tidewell
