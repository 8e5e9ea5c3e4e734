// Reading numbers typed in the locale's notation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct Locale;

// An exactly scanned decimal: value = Digits (an integer without leading zeros, "" for 0) x 10^Exponent.
struct ScannedNumber {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

// Grammar: blanks, optional sign, digits with at most one decimal separator (at least one digit in all),
// optional exponent E|e [sign] digits, blanks. nullopt for anything else.
std::optional<ScannedNumber> ScanDecimalNumber(std::string_view text, const Locale& locale);

// nullopt when the text does not read as a number or is beyond the range of a double.
std::optional<double> TryStrToFloat(std::string_view text, const Locale& locale);
// EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text, const Locale& locale);
[[noreturn]] void ThrowNotAFloat(std::string_view text);

// Rounded to the nearest integer, halves to even; EInvalidOp for NaN or beyond the 32-bit range.
int32_t RoundToInt32(double value);

} // namespace qv
