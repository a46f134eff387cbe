#include <gtest/gtest.h>

#include <limits>

#include "case/DecimalRounding.h"
#include "case/NumberText.h"

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

}  // namespace
}  // namespace tidewell
