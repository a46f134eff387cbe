#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "case/NumericText.h"

namespace tidewell {
namespace {

struct NumericRow {
    const char* Name;
    const char* Text;
    bool Numeric;
};

class NumericTextCheck : public testing::TestWithParam<NumericRow> {};

TEST_P(NumericTextCheck, DecidesWhetherTheWholeTextIsANumber) {
    EXPECT_EQ(IsNumericText(GetParam().Text), GetParam().Numeric) << '"' << GetParam().Text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericTextCheck,
    testing::Values(
        NumericRow{"Empty", "", false}, NumericRow{"BlanksOnly", "   ", false},
        NumericRow{"SignAlone", "-", false}, NumericRow{"PlusAlone", "+", false},
        NumericRow{"PointAlone", ".", false}, NumericRow{"LettersAfterNumber", "12abc", false},
        NumericRow{"ExponentWithoutDigits", "1e", false},
        NumericRow{"ExponentSignWithoutDigits", "1e+", false},
        NumericRow{"TwoPoints", "1.2.3", false}, NumericRow{"InnerBlank", "1 000", false},
        NumericRow{"DoubleSign", "--5", false}, NumericRow{"DoubleComma", "1,,000", false},
        NumericRow{"LeadingComma", ",5", false}, NumericRow{"TrailingComma", "1,", false},
        NumericRow{"CommaInFraction", "1.0,5", false},
        NumericRow{"FullWidthDigits", "\xEF\xBC\x91\xEF\xBC\x92", false},
        NumericRow{"HexPrefix", "0x10", false}, NumericRow{"NotANumberWord", "nan", false},
        NumericRow{"InfinityWord", "inf", false}, NumericRow{"Whole", "1000", true},
        NumericRow{"BlanksAround", " 1000 ", true}, NumericRow{"TabBefore", "\t5", true},
        NumericRow{"GroupSeparators", "1,000", true}, NumericRow{"LooseGroups", "1,00", true},
        NumericRow{"Fraction", "20.50", true}, NumericRow{"NoIntegerPart", ".5", true},
        NumericRow{"NoFractionDigits", "5.", true}, NumericRow{"Negative", "-.5", true},
        NumericRow{"PlusSign", "+5", true}, NumericRow{"Exponent", "2.5E3", true},
        NumericRow{"ExponentWithSign", "1e-5", true}, NumericRow{"ExponentD", "1D2", true},
        NumericRow{"HugeExponent", "1e400", true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(NumericValue, ConvertsTheWholeText) {
    EXPECT_EQ(NumericValue("1,000"), 1000.0);
    EXPECT_EQ(NumericValue(" 2.5E3 "), 2500.0);
    EXPECT_EQ(NumericValue("1D2"), 100.0);
    EXPECT_EQ(NumericValue("-.5"), -0.5);
    EXPECT_EQ(NumericValue("0.1"), 0.1);  // correctly rounded
}

TEST(NumericValue, RefusesTextsBeyondTheDoubleRange) {
    EXPECT_FALSE(NumericValue("1e400").has_value());
    EXPECT_FALSE(NumericValue("-1e309").has_value());
    EXPECT_FALSE(NumericValue("12abc").has_value());
    EXPECT_EQ(NumericValue("1e-400"), 0.0);  // underflow is a value of 0
    EXPECT_NEAR(*NumericValue(std::string(5000, '9') + "e-4990"), 1e10, 1e-5 * 1e10);
}

struct LeadingRow {
    const char* Name;
    const char* Text;
    double Value;
};

class LeadingNumberRead : public testing::TestWithParam<LeadingRow> {};

TEST_P(LeadingNumberRead, ReadsTheLongestNumericBeginning) {
    EXPECT_EQ(LeadingNumber(GetParam().Text), GetParam().Value) << '"' << GetParam().Text << '"';
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberRead,
    testing::Values(
        LeadingRow{"Empty", "", 0}, LeadingRow{"Letters", "abc", 0},
        LeadingRow{"SignAlone", "-", 0}, LeadingRow{"LettersAfterNumber", "12abc", 12},
        LeadingRow{"CommaEndsReading", "1,000", 1}, LeadingRow{"BlanksSkipped", "1 2", 12},
        LeadingRow{"BlankAfterSign", " - 5", -5}, LeadingRow{"TabsAndLineFeeds", "\n\t3", 3},
        LeadingRow{"SecondPointEnds", "1.5.5", 1.5}, LeadingRow{"ExponentWithoutDigits", "1e", 1},
        LeadingRow{"ExponentThenLetters", "1e5x", 1e5}, LeadingRow{"ExponentD", "1d2", 100},
        LeadingRow{"NoIntegerPart", ".5", 0.5}, LeadingRow{"Multiplier", "1.2", 1.2},
        LeadingRow{"ZeroWithHugeExponent", "0e999999", 0},
        LeadingRow{"Overflow", "1e999", kInfinity},
        LeadingRow{"NegativeOverflow", "-1e999", -kInfinity}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tidewell
