// Date arithmetic of the calendar: date and time halves, months, and the first day of a month's grid.
#pragma once

#include "platform/DateTime.h"

namespace qv {

// The whole days of value (towards zero) and its time of day (never negative).
TDateTime DatePart(TDateTime value);
TDateTime TimePart(TDateTime value);
// The day of date with the time of day of time; before the epoch the time counts away from it, as stored.
TDateTime WithTime(TDateTime date, TDateTime time);

// The first (last) day of value's month, at midnight.
TDateTime FirstOfMonth(TDateTime value);
TDateTime LastOfMonth(TDateTime value);
// months later (earlier when negative): the same day, clamped to the month's length, the time of day kept.
TDateTime AddMonths(TDateTime value, int months);

// The first date of the 6 × 7 grid showing month's month: the first day of the week (0 = Sunday) that lies one
// to seven days before the month's first day.
TDateTime GridStart(TDateTime month, int firstDayOfWeek);

} // namespace qv
