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

// Whether a normalised text whose value lies beyond the double range is
// beyond the largest double rather than below the smallest: its leading
// significant digit stands at a place value of 1 or more once the exponent
// is applied.
bool BeyondLargest(std::string_view normalised) {
    const size_t exponentMark = std::min(normalised.find('e'), normalised.size());
    const std::string_view mantissa = normalised.substr(0, exponentMark);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t leading = mantissa.find_first_of("123456789");
    const auto place =
        static_cast<long long>(point) - static_cast<long long>(leading) - (leading < point ? 1 : 0);
    long long exponent = 0;
    if (exponentMark < normalised.size()) {
        std::string_view digits = normalised.substr(exponentMark + 1);
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (read.ec == std::errc::result_out_of_range) {
            constexpr long long kFar = std::numeric_limits<long long>::max() / 2;
            exponent = digits.front() == '-' ? -kFar : kFar;
        }
    }
    return place + exponent >= 0;
}

// Converts "[+-]digits[.digits][e[+-]digits]" (already normalised) to the
// correctly rounded double, independent of the process locale. Overflow gives
// +/-HUGE_VAL and underflow +/-0, as strtod does.
double ParseNormalised(std::string_view normalised) {
    const bool negative = normalised.front() == '-';
    if (normalised.front() == '+' || negative)
        normalised.remove_prefix(1);  // from_chars reads a minus only; the sign is applied below
    double magnitude = 0.0;
    const auto read = std::from_chars(normalised.data(), normalised.data() + normalised.size(),
                                      magnitude, std::chars_format::general);
    if (read.ec == std::errc::result_out_of_range)
        magnitude = BeyondLargest(normalised) ? HUGE_VAL : 0.0;
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
