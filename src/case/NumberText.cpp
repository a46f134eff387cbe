#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "DecimalRounding.h"

namespace tidewell {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;
// Below this decimal exponent a plain form would need more than four zeros
// after the point; 5-decimal results (down to 1e-5) always stay plain.
constexpr int kSmallestPlainExponent = -5;

struct DecimalDigits {
    std::string Digits;  // significant digits, no trailing zeros, at least one
    int Exponent = 0;    // value = 0.d1d2d3... * 10^(Exponent + 1)
};

// Rounds |value| to `significant` digits (correctly rounded by the C library).
DecimalDigits ToDecimalDigits(double magnitude, int significant) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*e", significant - 1, magnitude);
    const std::string_view text(buffer.data());
    const auto ePos = text.find('e');
    DecimalDigits result;
    for (char c : text.substr(0, ePos)) {
        // Skips the decimal separator, whatever the process locale made it.
        if (c >= '0' && c <= '9')
            result.Digits.push_back(c);
    }
    result.Exponent = std::atoi(buffer.data() + ePos + 1);
    while (result.Digits.size() > 1 && result.Digits.back() == '0')
        result.Digits.pop_back();
    return result;
}

std::string PlainForm(const DecimalDigits& d) {
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // "." + std::string(...).
    std::string text;
    if (d.Exponent < 0) {
        text.push_back('.');
        text.append(static_cast<size_t>(-d.Exponent - 1), '0');
        return text.append(d.Digits);
    }
    const auto integerDigits = static_cast<size_t>(d.Exponent) + 1;
    if (d.Digits.size() <= integerDigits)
        return text.append(d.Digits).append(integerDigits - d.Digits.size(), '0');
    return text.append(d.Digits, 0, integerDigits).append(1, '.').append(d.Digits, integerDigits);
}

std::string ExponentForm(const DecimalDigits& d) {
    std::string text = d.Digits.substr(0, 1);
    if (d.Digits.size() > 1)
        text.append(1, '.').append(d.Digits, 1);
    std::array<char, 16> exponent{};
    std::snprintf(exponent.data(), exponent.size(), "E%c%02d", d.Exponent < 0 ? '-' : '+',
                  std::abs(d.Exponent));
    return text + exponent.data();
}

std::string FormatSignificant(double value, int significant) {
    if (std::isnan(value))
        return " NaN";
    if (std::isinf(value))
        return value > 0 ? " Infinity" : "-Infinity";
    if (value == 0)
        return " 0";  // also -0
    const DecimalDigits d = ToDecimalDigits(std::fabs(value), significant);
    const bool plain = d.Exponent >= kSmallestPlainExponent && d.Exponent < significant;
    std::string text(1, value < 0 ? '-' : ' ');
    return text.append(plain ? PlainForm(d) : ExponentForm(d));
}

}  // namespace

std::string DisplayText(double value) {
    return FormatSignificant(value, kDoubleDigits);
}

std::string DisplayText(float value) {
    return FormatSignificant(static_cast<double>(value), kFloatDigits);
}

std::string ReportNumber(double value) {
    return DisplayText(value) + " ";
}

std::string ReportNumber(float value) {
    return DisplayText(value) + " ";
}

std::string FixedDecimalText(double value, int decimals) {
    if (!std::isfinite(value))
        return DisplayText(value);
    // + 0.0 turns a negative zero, which would print as "-0.00", into zero.
    const double rounded = RoundDecimals(value, decimals) + 0.0;
    // to_chars ignores the process locale, which Qt sets from the user's.
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return {buffer.data(), end};
}

}  // namespace tidewell
