// The decimal digits of a double at a given number of significant digits: the common ground of number formatting.
#pragma once

#include <string>

namespace qv {

struct Locale;

// Value = 0.d1d2d3... x 10^Exponent; Digits holds no leading or trailing zeros and is empty for zero.
struct DecimalDigits {
    bool Negative = false;
    bool NotANumber = false;
    bool Infinite = false;
    std::string Digits;
    int Exponent = 0;

    bool IsZero() const { return Digits.empty() && !NotANumber && !Infinite; }
};

// Rounds to `significant` digits (1..17), ties as the C library's correctly rounded conversion gives them.
DecimalDigits ToDecimalDigits(double value, int significant = 15);

// Rounds the digits to `decimals` places after the point, halves away from zero; may empty the digits.
void RoundDecimalPlaces(DecimalDigits& d, int decimals);

// The general number format: up to 15 significant digits, scientific when the exponent is above 15 or below -3
// ("1E20", "1.5E-5"); "NAN", "INF", "-INF" for the special values.
std::string FloatToStrGeneral(double value, const Locale& locale);

} // namespace qv
