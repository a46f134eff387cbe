#pragma once

#include <string>

namespace tidewell {

// A double to 17 significant digits, enough to read back the same value, with
// a full stop whatever the process locale: 0.1 -> "0.10000000000000001",
// 18 -> "18", 1e-7 -> "9.9999999999999995e-08". For files and the command
// line, not for the window's fields.
std::string SeventeenDigits(double value);

}  // namespace tidewell
