// Free-form reading of dates and times as typed into a date cell's editor, in the manager's locale.
#pragma once

#include "platform/DateTime.h"

#include <string_view>

namespace qv {

// Numbers and month names in any order: a number of 1000 or more is the year, a month name the month, other
// numbers fill the short date format's order (one above 12 goes to the day unless the year is next); what is
// not given is today's. Two-digit years follow the locale's window. 0 when nothing valid can be read.
TDateTime ParseDate(std::string_view text);

// Hour, minute, second and millisecond in the long time format's order, with an optional morning or afternoon
// marker. An afternoon hour of 12 or less gains 12 and hours wrap past 23 (so "12 PM" is 0:00); minutes and
// seconds above 59 become 0. 0 when nothing valid can be read.
TDateTime ParseTime(std::string_view text);

} // namespace qv
