#include <gtest/gtest.h>

#include <optional>

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
    CaseRecord single = c;
    single.InflowTempFactor = 0.2f;  // widened, not 0.2
    EXPECT_EQ(ChangedLoad(single), 993.0000147968531);
}

const Message kBayArea{"湾面積の入力制限", "湾面積は1km2以上にしてください。"};
const Message kMeanDepth{"水深の入力制限", "水深は1m以上にしてください"};
const Message kMouthLength{"湾口部長さの入力制限", "湾口部長さは0にしないでください"};
const Message kSeaTemp{"外海水の水温", "数値を入力してください"};
const Message kInflowTemp{"流入水の水温", "数値を入力してください"};
const Message kInflowRate{"流量の入力制限", "流入水の流量は0にしないでください"};
constexpr std::optional<Message> kAccepted;

struct CheckRow {
    const char* Name;
    BasicInput Input;
    const char* Text;
    std::optional<Message> Refusal;
};

class InputCheck : public testing::TestWithParam<CheckRow> {};

TEST_P(InputCheck, AcceptsOrRefusesWithTheFieldsMessage) {
    EXPECT_EQ(CheckInput(DefaultCase(), GetParam().Input, GetParam().Text), GetParam().Refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InputCheck,
    testing::Values(CheckRow{"BayAreaEmpty", BasicInput::BayArea, "", kBayArea},
                    CheckRow{"BayAreaBelowOne", BasicInput::BayArea, "0.5", kBayArea},
                    CheckRow{"BayAreaOne", BasicInput::BayArea, "1", kAccepted},
                    CheckRow{"BayAreaLetters", BasicInput::BayArea, "12abc", kBayArea},
                    CheckRow{"BayAreaGroupedLeadingOne", BasicInput::BayArea, "1,000", kAccepted},
                    CheckRow{"BayAreaGroupedLeadingZero", BasicInput::BayArea, "0,500", kBayArea},
                    CheckRow{"BayAreaBlanksAround", BasicInput::BayArea, " 2000 ", kAccepted},
                    CheckRow{"MeanDepthBelowOne", BasicInput::MeanDepth, ".9", kMeanDepth},
                    CheckRow{"MeanDepthOne", BasicInput::MeanDepth, "1", kAccepted},
                    CheckRow{"MeanDepthLetters", BasicInput::MeanDepth, "x", kMeanDepth},
                    CheckRow{"MouthLengthZero", BasicInput::MouthLength, "0", kMouthLength},
                    CheckRow{"MouthLengthNegative", BasicInput::MouthLength, "-1", kMouthLength},
                    CheckRow{"MouthLengthHalf", BasicInput::MouthLength, "0.5", kAccepted},
                    CheckRow{"SeaTempNegative", BasicInput::SeaTemp, "-2", kSeaTemp},
                    CheckRow{"SeaTempZero", BasicInput::SeaTemp, "0", kAccepted},
                    CheckRow{"SeaTempPoint", BasicInput::SeaTemp, ".", kSeaTemp},
                    CheckRow{"InflowTempNegative", BasicInput::InflowTemp, "-2", kInflowTemp},
                    CheckRow{"InflowTempZero", BasicInput::InflowTemp, "0", kAccepted},
                    CheckRow{"InflowRateZero", BasicInput::InflowRate, "0", kInflowRate},
                    CheckRow{"InflowRateTenth", BasicInput::InflowRate, "0.1", kAccepted},
                    CheckRow{"InflowRateSign", BasicInput::InflowRate, "+", kInflowRate},
                    // Values, and products for any multiplier the lists offer, beyond the
                    // double range.
                    CheckRow{"BayAreaBeyondDouble", BasicInput::BayArea, "1e400", kBayArea},
                    CheckRow{"BayAreaWhoseVolumeOverflowsInCubicMetres", BasicInput::BayArea,
                             "1e305", kBayArea},
                    CheckRow{"BayAreaLargeButFinite", BasicInput::BayArea, "1e20", kAccepted},
                    CheckRow{"InflowRateSoSmallTheResidenceTimeOverflows", BasicInput::InflowRate,
                             "1e-320", kInflowRate},
                    CheckRow{"MouthLengthSoSmallTheClosednessOverflows", BasicInput::MouthLength,
                             "1e-310", kMouthLength},
                    CheckRow{"InflowTempWhoseLoadOverflowsOnlyAtTimesFive", BasicInput::InflowTemp,
                             "1e300", kInflowTemp},
                    CheckRow{"InflowTempWhoseLoadStaysFiniteAtTimesFive", BasicInput::InflowTemp,
                             "1e299", kAccepted},
                    CheckRow{"InflowRateWhoseLoadOverflowsOnlyAtTimesFive", BasicInput::InflowRate,
                             "1e301", kInflowRate},
                    CheckRow{"SeaTempBeyondDouble", BasicInput::SeaTemp, "1e999", kSeaTemp}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ApplyInput, StoresTheTextAsTypedAndWhatFollowsFromIt) {
    CaseRecord c = DefaultCase();
    ApplyInput(c, BasicInput::BayArea, " 2,000 ");
    ASSERT_TRUE(c.BayArea.HoldsText());
    EXPECT_EQ(c.BayArea.TextValue(), " 2,000 ");
    EXPECT_EQ(c.BayArea.Value(), 2000);
    EXPECT_EQ(c.BayVolume, 36);
    ApplyInput(c, BasicInput::MeanDepth, "20");
    EXPECT_EQ(c.MouthDepth, c.MeanDepth);
    EXPECT_EQ(c.MouthDepth.TextValue(), "20");
    EXPECT_EQ(c.MouthSection, 0.14f);
    EXPECT_EQ(c.BayVolume, 40);
}

}  // namespace
}  // namespace tidewell
