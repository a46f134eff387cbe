#include "NumericText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace tidewell {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}
bool IsExponentMark(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Exponents beyond this lie far outside the double range for any mantissa a
// text can hold: reading saturates there instead of overflowing.
constexpr long long kFarExponent = 1LL << 60;

long long SaturatedExponent(std::string_view digits) {
    bool negative = false;
    if (!digits.empty() && IsSign(digits.front())) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    long long exponent = 0;
    for (const char c : digits)
        exponent = exponent >= kFarExponent / 10 ? kFarExponent : exponent * 10 + (c - '0');
    return negative ? -exponent : exponent;
}

// Converts "[+-]digits[.digits][e[+-]digits]" (already normalised) to the
// correctly rounded double, independent of the process locale. Overflow gives
// +/-HUGE_VAL and underflow +/-0, as strtod does. The text is rewritten as
// "0.DDDe<E>" with its significant digits D, so that the exponent handed to
// the conversion is small whatever the length of the typed one.
double ParseNormalised(std::string_view normalised) {
    const bool negative = normalised.front() == '-';
    if (normalised.front() == '+' || negative)
        normalised.remove_prefix(1);
    const size_t exponentMark = std::min(normalised.find('e'), normalised.size());
    const std::string_view mantissa = normalised.substr(0, exponentMark);
    const long long exponent = exponentMark < normalised.size()
                                   ? SaturatedExponent(normalised.substr(exponentMark + 1))
                                   : 0;
    std::string digits;
    long long integerDigits = 0;
    bool seenPoint = false;
    for (const char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (!digits.empty() || c != '0') {
            digits.push_back(c);
            integerDigits += seenPoint ? 0 : 1;
        } else if (seenPoint) {
            --integerDigits;  // a zero between the point and the first significant digit
        }
    }
    double magnitude = 0.0;
    if (!digits.empty()) {
        // value = 0.D x 10^scale; beyond about 10^+-400 no double is near.
        const long long scale = std::clamp(integerDigits + exponent, -1000LL, 1000LL);
        const std::string text = "0." + digits + "e" + std::to_string(scale);
        const auto read = std::from_chars(text.data(), text.data() + text.size(), magnitude,
                                          std::chars_format::general);
        if (read.ec == std::errc::result_out_of_range)
            magnitude = scale > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

// Reads a whole numeric text into normalised form; false if it is not one.
bool NormaliseNumericText(std::string_view text, std::string& normalised) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    text = text.substr(begin, end - begin);

    size_t i = 0;
    normalised.clear();
    if (i < text.size() && IsSign(text[i]))
        normalised.push_back(text[i++]);
    bool anyDigit = false;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            normalised.push_back(text[i++]);
            anyDigit = true;
        } else if (text[i] == ',' && anyDigit && i + 1 < text.size() && IsDigit(text[i + 1])) {
            ++i;  // a group separator stands between two digits
        } else {
            break;
        }
    }
    if (i < text.size() && text[i] == '.') {
        normalised.push_back(text[i++]);
        while (i < text.size() && IsDigit(text[i])) {
            normalised.push_back(text[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return false;
    if (i < text.size() && IsExponentMark(text[i])) {
        normalised.push_back('e');
        ++i;
        if (i < text.size() && IsSign(text[i]))
            normalised.push_back(text[i++]);
        bool exponentDigit = false;
        while (i < text.size() && IsDigit(text[i])) {
            normalised.push_back(text[i++]);
            exponentDigit = true;
        }
        if (!exponentDigit)
            return false;
    }
    return i == text.size();
}

}  // namespace

bool IsNumericText(std::string_view text) {
    std::string normalised;
    return NormaliseNumericText(text, normalised);
}

std::optional<double> NumericValue(std::string_view text) {
    std::string normalised;
    if (!NormaliseNumericText(text, normalised))
        return std::nullopt;
    const double value = ParseNormalised(normalised);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

double LeadingNumber(std::string_view text) {
    // Characters that are skipped wherever they stand.
    const auto skipped = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    size_t i = 0;
    const auto next = [&]() -> int {
        while (i < text.size() && skipped(text[i]))
            ++i;
        return i < text.size() ? static_cast<unsigned char>(text[i]) : -1;
    };

    std::string normalised;
    if (int c = next(); c == '+' || c == '-') {
        normalised.push_back(static_cast<char>(c));
        ++i;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (int c = next(); c != -1; c = next()) {
        if (IsDigit(static_cast<char>(c))) {
            anyDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        normalised.push_back(static_cast<char>(c));
        ++i;
    }
    if (!anyDigit)
        return 0.0;

    if (int c = next(); c != -1 && IsExponentMark(static_cast<char>(c))) {
        ++i;
        std::string exponent = "e";
        if (int s = next(); s == '+' || s == '-') {
            exponent.push_back(static_cast<char>(s));
            ++i;
        }
        bool exponentDigit = false;
        for (int d = next(); d != -1 && IsDigit(static_cast<char>(d)); d = next()) {
            exponent.push_back(static_cast<char>(d));
            exponentDigit = true;
            ++i;
        }
        if (exponentDigit)
            normalised += exponent;
    }
    return ParseNormalised(normalised);
}

}  // namespace tidewell
