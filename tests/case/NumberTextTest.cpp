#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <tuple>

#include "case/DecimalRounding.h"
#include "case/NumberText.h"
#include "case/NumericText.h"

namespace tidewell {
namespace {

constexpr int kUnrounded = -1;
const double kInfinity = std::numeric_limits<double>::infinity();

// A value, optionally rounded to some decimals first, as a double shows it
// (and the report writes it, with one blank more) and as a single shows it.
struct NumberTextRow {
    const char* Name;
    double Value;
    int Decimals;
    const char* Double;
    const char* Single;  // nullptr: not shown as a single
};

class NumberText : public testing::TestWithParam<NumberTextRow> {};

TEST_P(NumberText, WritesTheDisplayAndReportForms) {
    const NumberTextRow& row = GetParam();
    const double value =
        row.Decimals == kUnrounded ? row.Value : RoundDecimals(row.Value, row.Decimals);
    EXPECT_EQ(DisplayText(value), row.Double);
    EXPECT_EQ(ReportNumber(value), std::string(row.Double) + " ");
    if (row.Single) {
        EXPECT_EQ(DisplayText(static_cast<float>(value)), row.Single);
        EXPECT_EQ(ReportNumber(static_cast<float>(value)), std::string(row.Single) + " ");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberText,
    testing::Values(
        NumberTextRow{"Whole", 1000, kUnrounded, " 1000", " 1000"},
        NumberTextRow{"BelowOneHasNoLeadingZero", 0.126, kUnrounded, " .126", " .126"},
        NumberTextRow{"NegativeZeroIsZero", -0.0, kUnrounded, " 0", " 0"},
        NumberTextRow{"SingleKeepsSevenDigits", 0.12600000202655792, kUnrounded,
                      " .126000002026558", " .126"},
        NumberTextRow{"FifteenDigits", 2.0 / 3.0, kUnrounded, " .666666666666667", " .6666667"},
        NumberTextRow{"LargestPlain", 123456789012345.0, kUnrounded, " 123456789012345",
                      " 1.234568E+14"},
        NumberTextRow{"FifteenDigitsNeedExponent", 1e15, kUnrounded, " 1E+15", nullptr},
        NumberTextRow{"TinyUsesExponent", -2.5e-300, kUnrounded, "-2.5E-300", nullptr},
        NumberTextRow{"CarryIntoNextDigit", 9.9999999999999999e2, kUnrounded, " 1000", nullptr},
        // Rounding: exact halves go to the even neighbour.
        NumberTextRow{"HalfDownToEven", 718.5, 0, " 718", nullptr},
        NumberTextRow{"HalfAtTwoDecimals", 0.125, 2, " .12", nullptr},
        NumberTextRow{"ResidenceTime", 629.4058, 1, " 629.4", nullptr},
        NumberTextRow{"SingleMultiplierInFiveDecimals", 4965 * 1.2000000476837158, 5, " 5958.00024",
                      nullptr},
        NumberTextRow{"InfinityStays", kInfinity, 3, " Infinity", nullptr}),
    [](const auto& info) { return std::string(info.param.Name); });

// Table cells keep every decimal place, whatever the digits, and round as the
// result field rounds.
TEST(FixedDecimalText, WritesEveryPlace) {
    using Row = std::tuple<double, int, std::string>;
    for (const auto& [value, decimals, text] :
         {Row{17.7, 2, "17.70"}, Row{17.0, 2, "17.00"}, Row{0.5, 2, "0.50"}, Row{-3.25, 1, "-3.2"},
          Row{0.125, 2, "0.12"}, Row{17.735, 2, "17.74"}, Row{-0.004, 2, "0.00"},
          Row{629.4058, 0, "629"}, Row{1e20, 1, "100000000000000000000.0"},
          Row{kInfinity, 2, " Infinity"}}) {
        EXPECT_EQ(FixedDecimalText(value, decimals), text) << value;
    }
}

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
        ReadRow{"DoubleSign", "--5", false, kNone, 0},
        ReadRow{"TrailingComma", "1,", false, kNone, 1},
        ReadRow{"FullWidthDigits", "\xEF\xBC\x91\xEF\xBC\x92", false, kNone, 0},
        ReadRow{"BlanksAround", " 1000 ", true, 1000, 1000},
        ReadRow{"GroupSeparators", "1,000", true, 1000, 1},
        ReadRow{"LooseGroups", "1,00", true, 100, 1},
        ReadRow{"CorrectlyRounded", "0.1", true, 0.1, 0.1},
        ReadRow{"NegativeBelowOne", "-.5", true, -0.5, -0.5},
        ReadRow{"Exponent", " 2.5E3 ", true, 2500, 2500},
        ReadRow{"ExponentD", "1D2", true, 100, 100},
        ReadRow{"UnderflowAfterLeadingZeros", "0.000001e-320", true, 0.0, 0.0},
        ReadRow{"UnderflowOfAOne", "1e-400", true, 0.0, 0.0},
        ReadRow{"LargestDouble", "1.7976931348623157e308", true, 1.7976931348623157e308,
                1.7976931348623157e308},
        ReadRow{"JustBeyondLargest", "1.7976931348623159e308", true, kNone, kInfinity},
        ReadRow{"OverflowBySmallMantissa", "0.001e312", true, kNone, kInfinity},
        ReadRow{"ExponentBeyondAnyInteger", "1e99999999999999999999", true, kNone, kInfinity},
        ReadRow{"NegativeExponentBeyondAnyInteger", "-1e-99999999999999999999", true, -0.0, -0.0},
        ReadRow{"ManyDigits", std::string(400, '9') + "e-390", true, 1e10, 1e10},
        ReadRow{"ExponentOfTheLargestInteger", "10e9223372036854775807", true, kNone, kInfinity},
        ReadRow{"NegativeExponentOfTheLargestInteger", "10e-9223372036854775807", true, 0.0, 0.0},
        ReadRow{"LongExponentOfLeadingZeros", "2e" + std::string(30, '0') + "5", true, 2e5, 2e5},
        ReadRow{"LeadingZerosOffsetTheExponent", "0." + std::string(400, '0') + "15e402", true, 15,
                15}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tidewell
