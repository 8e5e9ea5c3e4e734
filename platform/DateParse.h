// Text to date and time in the locale's order and separators, with its two-digit-year rule.
#pragma once

#include "platform/DateTime.h"

#include <optional>
#include <string_view>

namespace qv {

struct Locale;

// Up to three numbers joined by the date separator, in the order of the short date format; with two numbers
// the year is the current one. Years written with one or two digits fall in the locale's century window.
std::optional<TDateTime> TryStrToDate(std::string_view text, const Locale& locale);
// Hour and minute, optional seconds and milliseconds (after the decimal separator), joined by the time
// separator, with an optional morning or afternoon marker before or after.
std::optional<TDateTime> TryStrToTime(std::string_view text, const Locale& locale);
// A date, optionally followed by blanks and a time; or a time alone.
std::optional<TDateTime> TryStrToDateTime(std::string_view text, const Locale& locale);

// The same, raising EConvertError "'<text>' is not a valid date" (time, date and time).
TDateTime StrToDate(std::string_view text, const Locale& locale);
TDateTime StrToTime(std::string_view text, const Locale& locale);
TDateTime StrToDateTime(std::string_view text, const Locale& locale);

// The locale's century window applied to a year written with at most two digits.
int ExpandTwoDigitYear(int year, const Locale& locale, int currentYear);

} // namespace qv
