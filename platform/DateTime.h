// Date-time values: a double counting days since 30 December 1899, its fraction the time of day.
#pragma once

#include <optional>

namespace qv {

using TDateTime = double;

struct DateParts {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
};

struct TimeParts {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);           // month 1..12
bool IsValidDate(int year, int month, int day); // years 1..9999
bool IsValidTime(int hour, int minute, int second, int millisecond);

// nullopt when the parts do not form a valid date or time.
std::optional<TDateTime> TryEncodeDate(int year, int month, int day);
std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int millisecond);

// Whether the value is finite and its day lies in the years 1 to 9999, the only ones a date-time can show.
bool IsRepresentable(TDateTime value);

// Negative values count back from the epoch; their time of day is the absolute fraction. A value that is not
// representable decodes as the default parts (30 December 1899, midnight, a Saturday): callers that show it ask
// IsRepresentable first.
DateParts DecodeDate(TDateTime value);
TimeParts DecodeTime(TDateTime value);
int DayOfWeek(TDateTime value); // 0 = Sunday ... 6 = Saturday

TDateTime Today(); // local date, time 0
TDateTime Now();   // local date and time, to the millisecond

} // namespace qv
