#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "case/NumericText.h"

namespace tidewell {
namespace {

const double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::optional<double> kNone;

// What the three readers make of one text: is the whole text a number, the
// value it spells (none when it is not one or lies beyond the double range),
// and its leading number.
struct ReadRow {
    const char* Name;
    std::string Text;
    bool Numeric;
    std::optional<double> Value;
    double Leading;
};

class NumberReaders : public testing::TestWithParam<ReadRow> {};

TEST_P(NumberReaders, ReadTheText) {
    const ReadRow& row = GetParam();
    EXPECT_EQ(IsNumericText(row.Text), row.Numeric);
    EXPECT_EQ(NumericValue(row.Text), row.Value);
    EXPECT_EQ(LeadingNumber(row.Text), row.Leading);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberReaders,
    testing::Values(
        ReadRow{"Empty", "", false, kNone, 0}, ReadRow{"SignAlone", "-", false, kNone, 0},
        ReadRow{"LettersAfterNumber", "12abc", false, kNone, 12},
        ReadRow{"ExponentThenLetters", "1e5x", false, kNone, 1e5},
        ReadRow{"TwoPoints", "1.5.5", false, kNone, 1.5},
        ReadRow{"BlankAfterSign", " - 5", false, kNone, -5},
        ReadRow{"LineFeedBefore", "\n3", false, kNone, 3}, ReadRow{"TabBefore", "\t5", true, 5, 5},
        ReadRow{"DoubleSign", "--5", false, kNone, 0},
        ReadRow{"TrailingComma", "1,", false, kNone, 1},
        ReadRow{"FullWidthDigits", "\xEF\xBC\x91\xEF\xBC\x92", false, kNone, 0},
        ReadRow{"InfinityWord", "inf", false, kNone, 0},
        ReadRow{"BlanksAround", " 1000 ", true, 1000, 1000},
        ReadRow{"GroupSeparators", "1,000", true, 1000, 1},
        ReadRow{"LooseGroups", "1,00", true, 100, 1},
        ReadRow{"CorrectlyRounded", "0.1", true, 0.1, 0.1},
        ReadRow{"NegativeBelowOne", "-.5", true, -0.5, -0.5},
        ReadRow{"Exponent", " 2.5E3 ", true, 2500, 2500},
        ReadRow{"ExponentD", "1D2", true, 100, 100},
        ReadRow{"UnderflowAfterLeadingZeros", "0.000001e-320", true, 0.0, 0.0},
        ReadRow{"LargestDouble", "1.7976931348623157e308", true, 1.7976931348623157e308,
                1.7976931348623157e308},
        ReadRow{"JustBeyondLargest", "1.7976931348623159e308", true, kNone, kInfinity},
        ReadRow{"OverflowBySmallMantissa", "0.001e312", true, kNone, kInfinity},
        ReadRow{"ExponentBeyondAnyInteger", "1e99999999999999999999", true, kNone, kInfinity},
        ReadRow{"NegativeExponentBeyondAnyInteger", "-1e-99999999999999999999", true, -0.0, -0.0},
        ReadRow{"ManyDigits", std::string(400, '9') + "e-390", true, 1e10, 1e10}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tidewell
