#pragma once

#include <optional>
#include <string_view>

// Reading numbers from what the user typed. The locale's separators are the
// full stop for decimals and the comma for groups (as in the Japanese locale);
// only ASCII characters form numbers.
namespace tidewell {

// True when the whole text, blanks and tabs around it allowed, is a number:
// an optional sign, digits with optional group commas between digits, at most
// one decimal point, an optional exponent (E or D, optional sign, digits).
// "", "-", ".", "1e", "12abc", "1 000" are not numbers; "1,000" and " 2.5E3 " are.
bool IsNumericText(std::string_view text);

// The value a numeric text spells ("1,000" -> 1000), correctly rounded.
// Empty when the text is not numeric or its value lies beyond the double range.
std::optional<double> NumericValue(std::string_view text);

// The value of the longest numeric beginning of the text. Blanks, tabs and
// line feeds are skipped wherever they stand; then a sign, digits, one full
// stop and an exponent (E or D) are read up to the first character that does
// not fit. 0 when nothing is read; +/-infinity when the value overflows.
// "12abc" -> 12, "1,000" -> 1, "1 2" -> 12.
double LeadingNumber(std::string_view text);

}  // namespace tidewell
