#include <map>

#include "ModelFixture.h"

namespace tidewell {
namespace {

constexpr model::Color kRed = model::Rgb(255, 0, 0);           // 24 degC and more
constexpr model::Color kOrange = model::Rgb(255, 191, 0);      // 18 to 20
constexpr model::Color kIceBlue = model::Rgb(0, 64, 255);      // 2 to 4
constexpr model::Color kLeafGreen = model::Rgb(191, 255, 64);  // 14 to 16

struct ActionRow {
    const char* Name;
    Entries Steps;
    std::map<int, std::string> Texts = {};    // field number -> text afterwards, where it changes
    std::map<int, model::Color> Frames = {};  // frame -> colour afterwards, where it changes
    std::map<int, int> Selected = {};         // list -> selected entry, where it changes
    std::string RefusedTitle = {};            // the refusal's title, if the action is refused
};

class Actions : public StartedModel, public testing::WithParamInterface<ActionRow> {};

TEST_P(Actions, ChangeWhatDependsOnThemAndNothingElse) {
    const ActionRow& row = GetParam();
    Snapshot expected = SnapshotOf(Model);
    const CaseRecord before = Model.Record();
    for (const auto& [field, text] : row.Texts)
        expected.Texts[field] = text;
    for (const auto& [frame, color] : row.Frames)
        expected.Frames[frame] = color;
    for (const auto& [list, entry] : row.Selected)
        expected.Selected[list] = entry;
    Enter(Model, row.Steps);
    EXPECT_EQ(SnapshotOf(Model), expected);
    EXPECT_FALSE(Model.ResultIsStale());  // nothing was calculated yet
    if (row.RefusedTitle.empty()) {
        EXPECT_TRUE(Messages.Shown.empty());
        EXPECT_EQ(Model.RefusedField(), std::nullopt);
        return;
    }
    EXPECT_EQ(Model.Record(), before);
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0].Title(), row.RefusedTitle);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Model, Actions, testing::Values(
    ActionRow{"BlanksAroundAreKeptInTheField", {{1, " 2000 "}},
              {{1, " 2000 "}, {3, " 36"}, {13, " 1258.8"}, {14, " 6.39"}, {15, " .012"}}},
    ActionRow{"MeanDepthShownAsNumber", {{2, "20.50"}},
              {{2, "20.50"}, {3, " 20.5"}, {5, " 20.5"}, {6, " .1435"}, {11, " .1435"},
               {13, " 716.8"}, {15, " .021"}}},
    ActionRow{"SeaTempRecolorsBayAndSeaNotTheResult", {{7, "3"}}, {{7, "3"}},
              {{1, kIceBlue}, {2, kIceBlue}, {3, kIceBlue}, {4, kIceBlue}, {5, kIceBlue},
               {7, kIceBlue}}},
    ActionRow{"InflowTempRecolorsTheInflow", {{8, "25"}},
              {{8, "25"}, {10, " 8275"}, {12, " 8275"}, {15, " .04"}}, {{model::kInflowFrame, kRed}}},
    ActionRow{"SectionHalf", {{-1, "0.5"}}, {{11, " .063"}, {14, " 9.04"}}, {}, {{1, 2}}},
    ActionRow{"InflowRateAfterTemperatureShowsTheLoadUnrounded", {{-2, "1.2"}, {-3, "0.2"}},
              {{12, " 1191.60004734993"}, {13, " 3147"}, {15, " .006"}},
              {{model::kInflowFrame, kOrange}}, {{2, 4}, {3, 1}}},
    // The entered temperature colours the inflow, unmultiplied.
    ActionRow{"EditAfterSinglePrecisionPickRoundsToFive", {{-2, "1.2"}, {8, "15.0"}},
              {{8, "15.0"}, {12, " 5958.00024"}, {15, " .029"}}, {{model::kInflowFrame, kLeafGreen}},
              {{2, 4}}},
    ActionRow{"ClearedBayArea", {{1, ""}}, {{1, ""}}, {}, {}, "湾面積の入力制限"},
    ActionRow{"InflowRateZero", {{9, "0"}}, {{9, "0"}}, {}, {}, "流量の入力制限"},
    ActionRow{"StopsAtTheFirstRefusal", {{2, "18m"}, {1, "2000"}}, {{2, "18m"}}, {}, {},
              "水深の入力制限"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

// Typing a text the field already shows runs nothing.
TEST_F(StartedModel, RefusesEveryKeystrokeThatStillLeavesARefusedText) {
    for (const char* typed : {"", "-", "-5", "-5", "5"})
        Model.SetFieldText(model::Field::BayArea, typed);
    EXPECT_EQ(Messages.Shown.size(), 3u);
    EXPECT_EQ(Model.FieldText(model::Field::BayVolume), " .09");
    EXPECT_EQ(Model.RefusedField(), std::nullopt);
}

}  // namespace
}  // namespace tidewell
