// Date arithmetic of the calendar.
#include "editors/CalendarDates.h"

#include <algorithm>
#include <cmath>

namespace qv {

TDateTime DatePart(TDateTime value)
{
    return std::trunc(value);
}

TDateTime TimePart(TDateTime value)
{
    return std::fabs(value - std::trunc(value));
}

TDateTime WithTime(TDateTime date, TDateTime time)
{
    return date < 0 ? date - time : date + time;
}

TDateTime FirstOfMonth(TDateTime value)
{
    const DateParts d = DecodeDate(value);
    return TryEncodeDate(d.Year, d.Month, 1).value_or(0);
}

TDateTime LastOfMonth(TDateTime value)
{
    const DateParts d = DecodeDate(value);
    return TryEncodeDate(d.Year, d.Month, DaysInMonth(d.Year, d.Month)).value_or(0);
}

TDateTime AddMonths(TDateTime value, int months)
{
    const DateParts d = DecodeDate(value);
    const int index = d.Year * 12 + (d.Month - 1) + months;
    const int year = index / 12;
    const int month = index % 12 + 1;
    const auto date = TryEncodeDate(year, month, std::min(d.Day, DaysInMonth(year, month)));
    return date ? WithTime(*date, TimePart(value)) : value;
}

TDateTime GridStart(TDateTime month, int firstDayOfWeek)
{
    const TDateTime first = FirstOfMonth(month);
    const int before = (DayOfWeek(first) - firstDayOfWeek + 7) % 7;
    return first - (before == 0 ? 7 : before);
}

} // namespace qv
