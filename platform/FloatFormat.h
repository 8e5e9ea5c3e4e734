// Pattern-based number formatting: "#,##0.00", "0.00E+00", "0;(0);-" and the like.
#pragma once

#include <string>

namespace qv {

struct Locale;

// Choices: a zero section shows the number 0 (not the unrounded value); with no integer placeholder the
// integer digits stand just before the point (or the exponent); the point is shown only with at least one decimal
// digit; a second "." and every "," are dropped; thousands separators are off in scientific notation; "E" not
// followed by a sign and a "0" is a literal, and after the exponent every character is a literal.

// Formats `value` by `pattern`: up to three sections (positive;negative;zero) split at ";" outside quotes.
// Digits come from the value at 15 significant digits, rounded half away from zero. An empty pattern, an empty
// chosen section, NaN and infinity give FloatToStrGeneral. Cost linear in the pattern.
std::string FormatFloat(const std::string& pattern, double value, const Locale& locale);

} // namespace qv
