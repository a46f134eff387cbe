#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "case/NumberText.h"

namespace tidewell {
namespace {

struct DoubleTextRow {
    const char* Name;
    double Value;
    const char* Text;
};

class DoubleDisplayText : public testing::TestWithParam<DoubleTextRow> {};

TEST_P(DoubleDisplayText, WritesTheDisplayForm) {
    EXPECT_EQ(DisplayText(GetParam().Value), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, DoubleDisplayText,
    testing::Values(
        DoubleTextRow{"WholeNumber", 1000, " 1000"}, DoubleTextRow{"OneDecimal", 629.4, " 629.4"},
        DoubleTextRow{"BelowOneHasNoLeadingZero", 0.126, " .126"},
        DoubleTextRow{"NegativeBelowOne", -0.5, "-.5"}, DoubleTextRow{"Zero", 0.0, " 0"},
        DoubleTextRow{"NegativeZeroIsZero", -0.0, " 0"}, DoubleTextRow{"NegativeWhole", -2, "-2"},
        DoubleTextRow{"FifteenSignificantDigits", 2.0 / 3.0, " .666666666666667"},
        DoubleTextRow{"RoundsToFifteenDigits", 1234567.891234567, " 1234567.89123457"},
        DoubleTextRow{"UnroundedChangedLoad", 1191.6000473499298, " 1191.60004734993"},
        DoubleTextRow{"LargestPlain", 123456789012345.0, " 123456789012345"},
        DoubleTextRow{"HugeUsesExponent", 1e15, " 1E+15"},
        DoubleTextRow{"HugeMantissaKeepsDigits", 1.5e20, " 1.5E+20"},
        DoubleTextRow{"SmallestFiveDecimalIsPlain", 0.00001, " .00001"},
        DoubleTextRow{"TinyUsesExponent", 0.000001, " 1E-06"},
        DoubleTextRow{"NegativeTiny", -2.5e-300, "-2.5E-300"},
        DoubleTextRow{"RoundingCarriesIntoNextDigit", 9.9999999999999999e2, " 1000"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct FloatTextRow {
    const char* Name;
    float Value;
    const char* Text;
};

class FloatDisplayText : public testing::TestWithParam<FloatTextRow> {};

TEST_P(FloatDisplayText, WritesSevenSignificantDigits) {
    EXPECT_EQ(DisplayText(GetParam().Value), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, FloatDisplayText,
                         testing::Values(FloatTextRow{"DefaultCrossSection", 0.126f, " .126"},
                                         FloatTextRow{"MultiplierOnePointTwo", 1.2f, " 1.2"},
                                         FloatTextRow{"MultiplierPointTwo", 0.2f, " .2"},
                                         FloatTextRow{"CrossSectionOfTwentyMetres", 0.14f, " .14"},
                                         FloatTextRow{"EightDigitsNeedExponent", 12345678.f,
                                                      " 1.234568E+07"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ReportNumber, AddsOneBlankAfterTheDisplayForm) {
    EXPECT_EQ(ReportNumber(1000.0), " 1000 ");
    EXPECT_EQ(ReportNumber(0.126f), " .126 ");
    EXPECT_EQ(ReportNumber(-0.5), "-.5 ");
}

struct RoundingRow {
    const char* Name;
    double Value;
    int Decimals;
    double Expected;
};

class DecimalRounding : public testing::TestWithParam<RoundingRow> {};

TEST_P(DecimalRounding, RoundsHalvesToEven) {
    EXPECT_EQ(RoundDecimals(GetParam().Value, GetParam().Decimals), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DecimalRounding,
    testing::Values(RoundingRow{"HalfDownToEven", 718.5, 0, 718},
                    RoundingRow{"HalfUpToEven", 719.5, 0, 720},
                    RoundingRow{"ExactHalfAtTwoDecimals", 0.125, 2, 0.12},
                    RoundingRow{"ExactHalfUpAtTwoDecimals", 0.375, 2, 0.38},
                    RoundingRow{"ResidenceTime", 629.40580, 1, 629.4},
                    RoundingRow{"SinglePrecisionShowsInFiveDecimals", 4965 * 1.2000000476837158, 5,
                                5958.00024},
                    RoundingRow{"PointTwoMultiplier", 993.0000147968531, 5, 993.00001},
                    RoundingRow{"NegativeHalf", -2.5, 0, -2},
                    RoundingRow{"InfinityStays", std::numeric_limits<double>::infinity(), 3,
                                std::numeric_limits<double>::infinity()}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tidewell
