#pragma once

// Number texts that may use a comma or a point, and the numbers of the record. The decimal
// separator is the user's, passed in; nothing here reads the C library's locale.

#include <optional>
#include <string>
#include <string_view>

namespace logger {

// Every comma and every point becomes `separator`; other characters stay.
std::string NormalizeDecimalSeparator(std::string_view text, char separator);

// A decimal number with `separator` as its decimal separator: blanks around it, a sign, digits
// with at most one separator, and an exponent ("1,5E3"). Nothing for any other text, including
// an empty one, a point where the separator is a comma, thousands separators, INF and NAN.
std::optional<double> TextToFloat(std::string_view text, char separator);

// NormalizeDecimalSeparator, then TextToFloat; `fallback` when that fails.
double TextToFloatDef(std::string_view text, double fallback, char separator);

// The decimals setting of a recorded value that means six significant digits.
inline constexpr int kAutoDecimals = 7;

// A recorded value: with 0 .. 6 decimals in fixed notation (no padding, no thousands separators),
// with kAutoDecimals in general notation with six significant digits, trailing zeros dropped
// ("1.5e+07" where an exponent is needed). The decimal separator is `separator`.
std::string formatRecordNumber(double value, int decimals, char separator);

}  // namespace logger
