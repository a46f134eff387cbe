#include <gtest/gtest.h>

#include "case/CaseIndices.h"
#include "case/CaseInput.h"
#include "case/CaseRecord.h"

namespace tidewell {
namespace {

TEST(DefaultCase, HoldsTheBuiltInBayAsNumbers) {
    const CaseRecord c = DefaultCase();
    EXPECT_EQ(c.BayArea.Value(), 1000);
    EXPECT_FALSE(c.BayArea.HoldsText());
    EXPECT_EQ(c.MouthDepth.Value(), 18);
    EXPECT_EQ(c.BayStartTemp.Value(), 18);
    EXPECT_EQ(c.BayVolume, 18.0);  // exactly
    EXPECT_EQ(static_cast<double>(c.MouthSection), 0.12600000202655792);
    EXPECT_EQ(c.InflowLoad, 4965.0);
    EXPECT_EQ(c.InflowTempFactor, 1.f);
}

TEST(CaseIndices, WidenTheSinglePrecisionMultiplier) {
    CaseRecord c = DefaultCase();
    c.InflowTempFactor = 0.2f;
    EXPECT_EQ(ChangedLoad(c), 993.0000147968531);
}

struct RefusalRow {
    const char* Name;
    BasicInput Input;
    const char* Text;
    bool Refused;
};

class InputCheck : public testing::TestWithParam<RefusalRow> {};

TEST_P(InputCheck, AcceptsOrRefusesByTheFieldsRange) {
    const auto refusal = CheckInput(DefaultCase(), GetParam().Input, GetParam().Text);
    EXPECT_EQ(refusal.has_value(), GetParam().Refused) << '"' << GetParam().Text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InputCheck,
    testing::Values(RefusalRow{"BayAreaEmpty", BasicInput::BayArea, "", true},
                    RefusalRow{"BayAreaBelowOne", BasicInput::BayArea, "0.5", true},
                    RefusalRow{"BayAreaOne", BasicInput::BayArea, "1", false},
                    RefusalRow{"BayAreaLetters", BasicInput::BayArea, "12abc", true},
                    RefusalRow{"BayAreaGroupedLeadingOne", BasicInput::BayArea, "1,000", false},
                    RefusalRow{"BayAreaGroupedLeadingZero", BasicInput::BayArea, "0,500", true},
                    RefusalRow{"BayAreaBlanksAround", BasicInput::BayArea, " 2000 ", false},
                    RefusalRow{"MeanDepthBelowOne", BasicInput::MeanDepth, ".9", true},
                    RefusalRow{"MeanDepthOne", BasicInput::MeanDepth, "1", false},
                    RefusalRow{"MouthLengthZero", BasicInput::MouthLength, "0", true},
                    RefusalRow{"MouthLengthNegative", BasicInput::MouthLength, "-1", true},
                    RefusalRow{"MouthLengthHalf", BasicInput::MouthLength, "0.5", false},
                    RefusalRow{"SeaTempNegative", BasicInput::SeaTemp, "-2", true},
                    RefusalRow{"SeaTempZero", BasicInput::SeaTemp, "0", false},
                    RefusalRow{"SeaTempPoint", BasicInput::SeaTemp, ".", true},
                    RefusalRow{"InflowTempNegative", BasicInput::InflowTemp, "-2", true},
                    RefusalRow{"InflowTempZero", BasicInput::InflowTemp, "0", false},
                    RefusalRow{"InflowRateZero", BasicInput::InflowRate, "0", true},
                    RefusalRow{"InflowRateTenth", BasicInput::InflowRate, "0.1", false},
                    RefusalRow{"InflowRateSign", BasicInput::InflowRate, "+", true},
                    // Values and products beyond the double range
                    RefusalRow{"BayAreaBeyondDouble", BasicInput::BayArea, "1e400", true},
                    RefusalRow{"BayAreaWhoseVolumeOverflowsInCubicMetres", BasicInput::BayArea,
                               "1e305", true},
                    RefusalRow{"BayAreaLargeButFinite", BasicInput::BayArea, "1e20", false},
                    RefusalRow{"InflowRateSoSmallTheResidenceTimeOverflows", BasicInput::InflowRate,
                               "1e-320", true},
                    RefusalRow{"MouthLengthSoSmallTheClosednessOverflows", BasicInput::MouthLength,
                               "1e-310", true},
                    RefusalRow{"InflowTempWhoseLoadOverflowsWithAMultiplier",
                               BasicInput::InflowTemp, "1e304", true},
                    RefusalRow{"SeaTempBeyondDouble", BasicInput::SeaTemp, "1e999", true}),
    [](const auto& info) { return std::string(info.param.Name); });

struct MessageRow {
    const char* Name;
    BasicInput Input;
    const char* Title;
    const char* Prompt;
};

class RefusalMessage : public testing::TestWithParam<MessageRow> {};

TEST_P(RefusalMessage, NamesTheFieldsLimit) {
    for (const char* text : {"", "-5", "x", "1e999"}) {
        const auto refusal = CheckInput(DefaultCase(), GetParam().Input, text);
        ASSERT_TRUE(refusal.has_value()) << text;
        EXPECT_EQ(refusal->Title, GetParam().Title);
        EXPECT_EQ(refusal->Prompt, GetParam().Prompt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RefusalMessage,
    testing::Values(
        MessageRow{"BayArea", BasicInput::BayArea, "湾面積の入力制限",
                   "湾面積は1km2以上にしてください。"},
        MessageRow{"MeanDepth", BasicInput::MeanDepth, "水深の入力制限",
                   "水深は1m以上にしてください"},
        MessageRow{"MouthLength", BasicInput::MouthLength, "湾口部長さの入力制限",
                   "湾口部長さは0にしないでください"},
        MessageRow{"SeaTemp", BasicInput::SeaTemp, "外海水の水温", "数値を入力してください"},
        MessageRow{"InflowTemp", BasicInput::InflowTemp, "流入水の水温", "数値を入力してください"},
        MessageRow{"InflowRate", BasicInput::InflowRate, "流量の入力制限",
                   "流入水の流量は0にしないでください"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ApplyInput, StoresTheTextAsTypedAndItsNumber) {
    CaseRecord c = DefaultCase();
    ApplyInput(c, BasicInput::BayArea, " 2,000 ");
    ASSERT_TRUE(c.BayArea.HoldsText());
    EXPECT_EQ(c.BayArea.TextValue(), " 2,000 ");
    EXPECT_EQ(c.BayArea.Value(), 2000);
    EXPECT_EQ(c.BayVolume, 36);
}

TEST(ApplyInput, MeanDepthCarriesTheMouthDepthAndCrossSection) {
    CaseRecord c = DefaultCase();
    ApplyInput(c, BasicInput::MeanDepth, "20");
    EXPECT_EQ(c.MouthDepth, c.MeanDepth);
    EXPECT_EQ(c.MouthDepth.TextValue(), "20");
    EXPECT_EQ(c.MouthSection, 0.14f);
    EXPECT_EQ(c.BayVolume, 20);
}

}  // namespace
}  // namespace tidewell
