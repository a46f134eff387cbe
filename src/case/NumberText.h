#pragma once

#include <string>

// The one number-to-text form of the program. Every field, message and report
// number goes through these functions.
namespace tidewell {

// Display text form: a blank before zero and positive values, a minus sign
// before negative ones, at most 15 significant digits (7 for a float), no
// trailing zeros or point, no zero before the point below 1:
// 1000 -> " 1000", 0.126 -> " .126", -0.5 -> "-.5". Magnitudes from 1e15
// (1e7 for a float) and below 1e-5 use an exponent: " 1.5E+20", " 1E-07".
std::string DisplayText(double value);
std::string DisplayText(float value);

// Report number form: the display text form followed by one blank.
std::string ReportNumber(double value);
std::string ReportNumber(float value);

// Fixed-decimals form, for columns of numbers that line up: the value rounded
// to `decimals` places (0 to 5) as RoundDecimals rounds it, every place
// written, a zero before the point, a minus sign only before a value that is
// still below zero after rounding: 17.7 -> "17.70", 0.5 -> "0.50",
// -0.004 -> "0.00" (two decimals). Not-a-number and infinities keep the
// display text form.
std::string FixedDecimalText(double value, int decimals);

}  // namespace tidewell
