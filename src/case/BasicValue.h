#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tidewell {

// A basic condition holds either a number (as the built-in case stores it) or
// the text of its input field exactly as typed (as an accepted edit stores it).
// Arithmetic always uses the number; the report prints a text as typed.
class BasicValue {
  public:
    BasicValue() = default;
    BasicValue(double number) : Number(number) {}  // NOLINT: a number is a value
    BasicValue(std::string text, double spelledNumber)
        : Number(spelledNumber), Text(std::move(text)) {}

    double Value() const { return Number; }
    bool HoldsText() const { return Text.has_value(); }
    const std::string& TextValue() const { return *Text; }

    bool operator==(const BasicValue&) const = default;

  private:
    double Number = 0.0;
    std::optional<std::string> Text;
};

}  // namespace tidewell
