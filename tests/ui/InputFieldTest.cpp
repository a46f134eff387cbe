#include "ModelFixture.h"

namespace tidewell {
namespace {

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

class Editing : public StartedModel {};

struct EditRow {
    const char* Name;
    int Field;
    const char* Text;
    std::vector<std::pair<int, const char*>> Shown;  // field and its text afterwards
};

class EditExamples : public StartedModel, public testing::WithParamInterface<EditRow> {};

TEST_P(EditExamples, RefreshTheDependentFieldsOnly) {
    Snapshot expected = SnapshotOf(Model);
    expected.Texts[GetParam().Field] = GetParam().Text;
    for (const auto& [field, text] : GetParam().Shown)
        expected.Texts[field] = text;
    Model.SetFieldText(GetParam().Field, GetParam().Text);
    EXPECT_EQ(SnapshotOf(Model), expected);
    EXPECT_TRUE(Messages.Shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, EditExamples,
    testing::Values(
        EditRow{
            "BayArea2000", 1, "2000", {{3, " 36"}, {13, " 1258.8"}, {14, " 6.39"}, {15, " .012"}}},
        EditRow{"MeanDepth20",
                2,
                "20",
                {{3, " 20"}, {5, " 20"}, {6, " .14"}, {11, " .14"}, {13, " 699.3"}, {15, " .021"}}},
        EditRow{"MeanDepthShownAsNumber",
                2,
                "20.50",
                {{3, " 20.5"},
                 {5, " 20.5"},
                 {6, " .1435"},
                 {11, " .1435"},
                 {13, " 716.8"},
                 {15, " .021"}}},
        EditRow{"BlanksAroundAreKeptInTheField",
                1,
                " 2000 ",
                {{3, " 36"}, {13, " 1258.8"}, {14, " 6.39"}, {15, " .012"}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Editing, InflowTemperatureRecolorsOnlyTheInflowFrame) {
    Snapshot expected = SnapshotOf(Model);
    Model.SetFieldText(8, "25");
    expected.Texts[8] = "25";
    expected.Texts[10] = " 8275";
    expected.Texts[12] = " 8275";
    expected.Texts[15] = " .04";
    expected.Frames[kInflowFrame] = Rgb(255, 0, 0);
    EXPECT_EQ(SnapshotOf(Model), expected);
}

TEST_F(Editing, SeaTemperatureRecolorsBayAndSeaFramesButNotTheResult) {
    Snapshot expected = SnapshotOf(Model);
    Model.SetFieldText(7, "3");
    expected.Texts[7] = "3";
    for (int frame : {1, 2, 3, 4, 5, kSeaFrame})
        expected.Frames[frame] = Rgb(0, 64, 255);
    EXPECT_EQ(SnapshotOf(Model), expected);
    EXPECT_EQ(Model.FrameTemperatures()[kInflowFrame], 15.f);
}

struct RefusedRow {
    const char* Name;
    int Field;
    const char* Text;
    const char* Title;
};

class RefusedTexts : public StartedModel, public testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedTexts, ShowTheirMessageAndChangeNothingElse) {
    Snapshot expected = SnapshotOf(Model);
    const CaseRecord record = Model.Record();
    Model.SetFieldText(GetParam().Field, GetParam().Text);
    expected.Texts[GetParam().Field] = GetParam().Text;  // the field keeps what was typed
    EXPECT_EQ(SnapshotOf(Model), expected);
    EXPECT_EQ(Model.Record(), record);
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Shown[0].Title, GetParam().Title);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RefusedTexts,
    testing::Values(RefusedRow{"ClearedBayArea", 1, "", "湾面積の入力制限"},
                    RefusedRow{"BayAreaBelowOne", 1, "0.5", "湾面積の入力制限"},
                    RefusedRow{"DepthWithLetters", 2, "18m", "水深の入力制限"},
                    RefusedRow{"MouthLengthZero", 4, "0", "湾口部長さの入力制限"},
                    RefusedRow{"SeaTempNegative", 7, "-2", "外海水の水温"},
                    RefusedRow{"InflowTempSignAlone", 8, "-", "流入水の水温"},
                    RefusedRow{"InflowRateZero", 9, "0", "流量の入力制限"},
                    RefusedRow{"BayAreaBeyondDoubleRange", 1, "1e309", "湾面積の入力制限"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Editing, RefusesEveryKeystrokeThatStillLeavesARefusedText) {
    Model.SetFieldText(1, "");
    Model.SetFieldText(1, "-");
    Model.SetFieldText(1, "-5");
    Model.SetFieldText(1, "5");
    EXPECT_EQ(Messages.Shown.size(), 3u);
    EXPECT_EQ(Model.FieldText(3), " .09");
    EXPECT_EQ(Model.Record().BayArea.TextValue(), "5");
}

TEST_F(Editing, WritingTheSameTextRunsNoHandler) {
    Model.SetFieldText(1, "");  // refused: message
    Model.SetFieldText(1, "");  // unchanged: nothing
    EXPECT_EQ(Messages.Shown.size(), 1u);
}

TEST_F(Editing, SinglePrecisionMultiplierShowsInTheChangedLoad) {
    Pick(2, "1.2");
    Model.SetFieldText(9, "331.0");  // same load, rounded to 5 decimals now
    EXPECT_EQ(Model.FieldText(12), " 5958.00024");
    Model.SetFieldText(8, "15.0");
    EXPECT_EQ(Model.FieldText(12), " 5958.00024");
    EXPECT_EQ(Model.FrameBackground(kInflowFrame), Rgb(191, 255, 64));  // 15, unmultiplied
}

TEST_F(Editing, PointTwoMultiplierIsHeldInSinglePrecision) {
    Pick(2, "0.2");
    Model.SetFieldText(9, "331.0");
    EXPECT_EQ(Model.FieldText(12), " 993.00001");
}

}  // namespace
}  // namespace tidewell
