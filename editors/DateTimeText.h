// The date editor's text: a date-time written with the cell's format and read back by the editor's mode.
#pragma once

#include "platform/DateTime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

struct Locale;

// What the date editor edits, from the format options T and D.
enum class TXLDateTimeMode : uint8_t { DateAndTime, DateOnly, TimeOnly };

// "" for 0; otherwise value by format.
std::string DateTimeText(const std::string& format, TDateTime value, const Locale& locale);

// The text read by mode: a date and time by the locale; a date read free-form plus base's time of day; a time
// plus base's date. base when the text does not read.
TDateTime ParseDateTimeText(std::string_view text, TXLDateTimeMode mode, TDateTime base, const Locale& locale);

} // namespace qv
