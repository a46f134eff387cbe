#include "ModelFixture.h"

namespace tidewell {
namespace {

constexpr Color kLevelFor18 = Rgb(255, 191, 0);
constexpr Color kLevelFor15 = Rgb(191, 255, 64);

class StartUp : public StartedModel {};

TEST_F(StartUp, ShowsTheDefaultCaseInEveryField) {
    const char* expected[kFieldCount + 1] = {"",      " 1000",  " 18",   " 18",   " 7",    " 18",
                                             " .126", " 18",    " 15",   " 331",  " 4965", " .126",
                                             " 4965", " 629.4", " 4.52", " .024", " 18"};
    for (int field = 1; field <= kFieldCount; ++field) {
        EXPECT_EQ(Model.FieldText(field), expected[field]) << "Text" << field;
    }
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(StartUp, FillsTheListsWithoutSelectingAnything) {
    EXPECT_EQ(Model.List(1).Entries,
              (std::vector<std::string>{"1.0", "0.2", "0.5", "0.8", "1.2", "1.5", "2.0"}));
    const std::vector<std::string> inflow{"1.0", "0.2", "0.5", "0.8", "1.2", "1.5", "2.0", "5.0"};
    EXPECT_EQ(Model.List(2).Entries, inflow);
    EXPECT_EQ(Model.List(3).Entries, inflow);
    for (int list = 1; list <= kListCount; ++list)
        EXPECT_EQ(Model.List(list).Selected, kNoSelection);
}

TEST_F(StartUp, ColoursTheFramesForTheSeaAndInflowTemperatures) {
    for (int frame : {1, 2, 3, 4, 5, kSeaFrame})
        EXPECT_EQ(Model.FrameBackground(frame), kLevelFor18);
    EXPECT_EQ(Model.FrameBackground(kInflowFrame), kLevelFor15);
}

TEST_F(StartUp, LeavesTheBasicConditionsHoldingTheTextsTheFieldsShow) {
    const CaseRecord& c = Model.Record();
    const std::pair<const BasicValue*, const char*> held[] = {
        {&c.BayArea, " 1000"},  {&c.MeanDepth, " 18"},  {&c.MouthDepth, " 18"},
        {&c.MouthLength, " 7"}, {&c.SeaTemp, " 18"},    {&c.BayStartTemp, " 18"},
        {&c.InflowTemp, " 15"}, {&c.InflowRate, " 331"}};
    for (const auto& [value, text] : held) {
        ASSERT_TRUE(value->HoldsText()) << text;
        EXPECT_EQ(value->TextValue(), text);
    }
    EXPECT_EQ(static_cast<double>(c.MouthSection), 0.12600000202655792);
}

TEST_F(StartUp, DrawsTheLegend) {
    EXPECT_EQ(Model.Legend().Ops.size(), 13u + 14u + 1u);  // boxes, labels, outline
}

TEST(BeforeStartUp, FieldsShowTheirOwnNames) {
    RecordedMessages messages;
    MainModel model(messages);
    EXPECT_EQ(model.FieldText(1), "Text1");
    EXPECT_EQ(model.FieldText(16), "Text16");
    EXPECT_EQ(model.FrameBackground(kInflowFrame), Rgb(255, 128, 0));
}

}  // namespace
}  // namespace tidewell
