// Pattern-based date-time formatting: "yyyy/m/d", "hh:nn:ss am/pm", "c" and the like.
#pragma once

#include "platform/DateTime.h"

#include <string>

namespace qv {

struct Locale;

// Choices: a run of a letter longer than its longest token takes that token ("hhh" = "hh", "zz" = "z");
// each "c" is a token of its own; the 12-hour scan skips quoted text; "c" omits the time when it is 0:00:00.000
// to the millisecond; locale formats nest at most four deep, deeper ones write nothing.

// Formats `value` by `pattern` (tokens in either letter case; empty = "c"). Text other than tokens, UTF-8
// included, is copied byte for byte. Cost linear in the pattern and the locale formats it expands.
std::string FormatDateTime(const std::string& pattern, TDateTime value, const Locale& locale);
// What FormatDateTime gives for a value that is not representable (not finite, or outside the years 1 to 9999):
// no date at all rather than a wrong one.
inline constexpr const char* kUnrepresentableDateTime = "#####";

} // namespace qv
