#include <gtest/gtest.h>

#include <optional>

#include "case/CaseInput.h"
#include "case/CaseRecord.h"

namespace tidewell {
namespace {

using Words = std::pair<std::string, std::string>;  // a message's Japanese title and prompt
const Words kBayArea{"湾面積の入力制限", "湾面積は1km2以上にしてください。"};
const Words kMeanDepth{"水深の入力制限", "水深は1m以上にしてください"};
const Words kMouthLength{"湾口部長さの入力制限", "湾口部長さは0にしないでください"};
const Words kSeaTemp{"外海水の水温", "数値を入力してください"};
const Words kInflowTemp{"流入水の水温", "数値を入力してください"};
const Words kInflowRate{"流量の入力制限", "流入水の流量は0にしないでください"};
const std::optional<Words> kAccepted;
// A text whose own number is fine but whose consequences overflow says so.
Words TooLarge(const Words& field, const std::string& caption) {
    return {field.first,
            caption + "の値から計算される量が大きすぎて扱えません。\r値を見直してください"};
}

struct CheckRow {
    const char* Name;
    BasicInput Input;
    const char* Text;
    std::optional<Words> Refusal;
};

class InputCheck : public testing::TestWithParam<CheckRow> {};

TEST_P(InputCheck, AcceptsOrRefusesWithTheFieldsMessage) {
    const auto refusal = CheckInput(DefaultCase(), GetParam().Input, GetParam().Text);
    EXPECT_EQ(refusal ? std::optional(Words{refusal->Title(), refusal->Prompt()}) : std::nullopt,
              GetParam().Refusal);
}

using enum BasicInput;

// Values, and products for any multiplier the lists offer (the inflow lists
// go to 5.0), beyond the double range are refused.
INSTANTIATE_TEST_SUITE_P(
    Texts, InputCheck,
    testing::Values(
        CheckRow{"BayAreaEmpty", BayArea, "", kBayArea},
        CheckRow{"BayAreaGroupedLeadingZero", BayArea, "0,500", kBayArea},
        CheckRow{"InflowRateSign", InflowRate, "+", kInflowRate},
        CheckRow{"BayAreaBeyondDouble", BayArea, "1e400", kBayArea},
        CheckRow{"BayAreaWhoseVolumeOverflowsInCubicMetres", BayArea, "1e305",
                 TooLarge(kBayArea, "湾面積")},
        CheckRow{"InflowRateSoSmallTheResidenceTimeOverflows", InflowRate, "1e-320",
                 TooLarge(kInflowRate, "流入水流量")},
        CheckRow{"MouthLengthSoSmallTheClosednessOverflows", MouthLength, "1e-310",
                 TooLarge(kMouthLength, "湾口部長さ")},
        // 158.1 / length (the section x 0.2) times 100 is just below the largest double.
        CheckRow{"MouthLengthAtTheClosednessLimit", MouthLength, "8.84e-305", kAccepted},
        CheckRow{"InflowTempWhoseLoadOverflowsOnlyAtTimesFive", InflowTemp, "1e300",
                 TooLarge(kInflowTemp, "流入水水温")},
        CheckRow{"InflowTempWhoseLoadStaysFiniteAtTimesFive", InflowTemp, "1e299", kAccepted},
        CheckRow{"InflowRateWhoseLoadOverflowsOnlyAtTimesFive", InflowRate, "1e301",
                 TooLarge(kInflowRate, "流入水流量")}),
    [](const auto& info) { return std::string(info.param.Name); });

struct LimitRow {
    BasicInput Input;
    const char* Below;   // the largest text just below the limit: refused
    const char* Lowest;  // the smallest text the field accepts
    Words Refusal;
};

// Written from the fields' messages: area and depth at least 1, the mouth and
// the inflow rate above 0, the temperatures 0 degC or more.
TEST(InputCheck, EachFieldRefusesJustBelowItsLimitAndAcceptsItsLowest) {
    const LimitRow kLimits[] = {
        {BayArea, "0.999", "1", kBayArea},         {MeanDepth, "0.999", "1", kMeanDepth},
        {MouthLength, "0", "0.001", kMouthLength}, {SeaTemp, "-0.001", "0", kSeaTemp},
        {InflowTemp, "-0.001", "0", kInflowTemp},  {InflowRate, "0", "0.001", kInflowRate}};
    for (const LimitRow& row : kLimits) {
        const auto refusal = CheckInput(DefaultCase(), row.Input, row.Below);
        const Words words = refusal ? Words{refusal->Title(), refusal->Prompt()} : Words();
        EXPECT_EQ(words, row.Refusal) << row.Below;
        EXPECT_EQ(CheckInput(DefaultCase(), row.Input, row.Lowest), std::nullopt) << row.Lowest;
    }
}

// The bay's volume in cubic metres overflows before its area in square metres
// does when the bay is deep.
TEST(InputCheck, RefusesADeepBayWhoseVolumeInCubicMetresOverflows) {
    CaseRecord deep = DefaultCase();
    ApplyInput(deep, MeanDepth, "1e10");
    ApplyInput(deep, InflowRate, "1e10");
    const std::optional<Message> refusal = CheckInput(deep, BayArea, "1e295");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Id, MessageId::DerivedTooLarge);
    EXPECT_EQ(CheckInput(deep, BayArea, "1e292"), std::nullopt);
}

}  // namespace
}  // namespace tidewell
