// Calendar arithmetic of date-time values (proleptic Gregorian, years 1 to 9999).
#include "platform/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace qv {

namespace {

// Days from 1 January 0001 to 30 December 1899.
constexpr int kDateDelta = 693594;
constexpr double kMsPerDay = 86400000.0;

int DaysBeforeYear(int year)
{
    const int y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

// Whole days of a representable value, counting from 1 January 0001 as day 1.
long long AbsoluteDay(TDateTime value)
{
    return static_cast<long long>(std::trunc(value)) + kDateDelta;
}

} // namespace

bool IsRepresentable(TDateTime value)
{
    // Checked on the double first: a cast of a value beyond the 64-bit range is undefined.
    if (!std::isfinite(value) || std::fabs(value) > 4.0e6)
        return false;
    const long long day = AbsoluteDay(value);
    return day >= 1 && day <= DaysBeforeYear(10000);
}

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int millisecond)
{
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 && millisecond >= 0 &&
           millisecond < 1000;
}

std::optional<TDateTime> TryEncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    int days = DaysBeforeYear(year) + day;
    for (int m = 1; m < month; ++m)
        days += DaysInMonth(year, m);
    return static_cast<TDateTime>(days - kDateDelta);
}

std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int millisecond)
{
    if (!IsValidTime(hour, minute, second, millisecond))
        return std::nullopt;
    const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return ms / kMsPerDay;
}

DateParts DecodeDate(TDateTime value)
{
    if (!IsRepresentable(value))
        return {};
    long long n = AbsoluteDay(value);
    // Walk down 400-, 100-, 4- and 1-year cycles from day 0 = 1 January 0001.
    long long d = n - 1;
    int year = 1;
    year += static_cast<int>(d / 146097) * 400;
    d %= 146097;
    long long c = d / 36524;
    if (c == 4)
        c = 3;
    year += static_cast<int>(c) * 100;
    d -= c * 36524;
    year += static_cast<int>(d / 1461) * 4;
    d %= 1461;
    long long y = d / 365;
    if (y == 4)
        y = 3;
    year += static_cast<int>(y);
    d -= y * 365;
    int month = 1;
    while (d >= DaysInMonth(year, month)) {
        d -= DaysInMonth(year, month);
        ++month;
    }
    return {year, month, static_cast<int>(d) + 1};
}

TimeParts DecodeTime(TDateTime value)
{
    if (!IsRepresentable(value))
        return {};
    double fraction = std::fabs(value - std::trunc(value));
    long long ms = std::llround(fraction * kMsPerDay);
    if (ms >= static_cast<long long>(kMsPerDay))
        ms = static_cast<long long>(kMsPerDay) - 1;
    TimeParts t;
    t.Millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    t.Second = static_cast<int>(ms % 60);
    ms /= 60;
    t.Minute = static_cast<int>(ms % 60);
    t.Hour = static_cast<int>(ms / 60);
    return t;
}

int DayOfWeek(TDateTime value)
{
    // Day 1 (1 January 0001) was a Monday.
    if (!IsRepresentable(value))
        return 6;
    long long n = AbsoluteDay(value);
    return static_cast<int>(((n % 7) + 7) % 7);
}

TDateTime Today()
{
    return std::trunc(Now());
}

TDateTime Now()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    const TDateTime date = *TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return date + *TryEncodeTime(local.tm_hour, local.tm_min, local.tm_sec, ms);
}

} // namespace qv
