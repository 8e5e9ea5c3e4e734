// Calendar arithmetic: encoding, decoding, validation and weekdays.
#include "platform/DateTime.h"
#include "platform/DateTimeFormat.h"
#include "platform/Locale.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace qv {
namespace {

struct DateCase {
    int year, month, day;
    double serial;
};

TEST(DateTime, EncodesAndDecodesKnownSerials)
{
    const DateCase cases[] = {
        {1899, 12, 30, 0},    {1899, 12, 31, 1},   {1900, 1, 1, 2},    {1899, 12, 29, -1},
        {2000, 2, 29, 36585}, {2003, 5, 7, 37748}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        ASSERT_TRUE(TryEncodeDate(c.year, c.month, c.day).has_value());
        EXPECT_EQ(*TryEncodeDate(c.year, c.month, c.day), c.serial);
        // A time of day moves a negative value further from the epoch.
        const DateParts p = DecodeDate(c.serial < 0 ? c.serial - 0.25 : c.serial + 0.75);
        EXPECT_EQ(p.Year, c.year);
        EXPECT_EQ(p.Month, c.month);
        EXPECT_EQ(p.Day, c.day);
    }
}

TEST(DateTime, RejectsInvalidDatesAndTimes)
{
    EXPECT_FALSE(TryEncodeDate(2001, 2, 29));
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29));
    EXPECT_FALSE(TryEncodeDate(2003, 13, 1));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1));
    EXPECT_FALSE(TryEncodeDate(10000, 1, 1));
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0));
    EXPECT_FALSE(TryEncodeTime(1, 60, 0, 0));
    EXPECT_FALSE(TryEncodeTime(1, 0, 0, 1000));
}

TEST(DateTime, TimeOfDayOfNegativeValuesIsTheAbsoluteFraction)
{
    const TimeParts t = DecodeTime(-1.25);
    EXPECT_EQ(t.Hour, 6);
    EXPECT_EQ(DecodeDate(-1.25).Day, 29);
    const TimeParts u = DecodeTime(*TryEncodeTime(13, 30, 15, 250));
    EXPECT_EQ(u.Hour, 13);
    EXPECT_EQ(u.Minute, 30);
    EXPECT_EQ(u.Second, 15);
    EXPECT_EQ(u.Millisecond, 250);
}

TEST(DateTime, DayOfWeekCountsFromSunday)
{
    EXPECT_EQ(DayOfWeek(0), 6);                            // 30 December 1899 was a Saturday
    EXPECT_EQ(DayOfWeek(*TryEncodeDate(2026, 12, 10)), 4); // a Thursday
}

// Values no date can show (from a file or a formula) must neither reach an undefined cast nor show a wrong date.
TEST(DateTime, ValuesOutsideTheYearsOneToTenThousandShowNoDate)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double first = *TryEncodeDate(1, 1, 1);
    const double last = *TryEncodeDate(9999, 12, 31) + 0.999;
    struct Case {
        const char* name;
        double value;
        bool representable;
    };
    const Case cases[] = {
        {"NaN", std::nan(""), false},
        {"infinity", inf, false},
        {"minus infinity", -inf, false},
        {"beyond the 64-bit range", 9.3e18, false},
        {"below it", -9.3e18, false},
        {"the day before 1 January 0001", first - 1, false},
        {"the day after 31 December 9999", last + 1, false},
        {"1 January 0001", first, true},
        {"31 December 9999, just before midnight", last, true},
        {"the epoch", 0.0, true},
    };
    const Locale locale = Locale::ChinaDefault();
    for (const Case& c : cases) {
        EXPECT_EQ(IsRepresentable(c.value), c.representable) << c.name;
        const std::string text = FormatDateTime("yyyy/m/d hh:nn", c.value, locale);
        if (c.representable)
            EXPECT_NE(text, kUnrepresentableDateTime) << c.name;
        else
            EXPECT_EQ(text, kUnrepresentableDateTime) << c.name;
        DecodeDate(c.value);
        DecodeTime(c.value);
        EXPECT_GE(DayOfWeek(c.value), 0) << c.name;
    }
    EXPECT_EQ(FormatDateTime("yyyy/m/d", first, locale), "0001/1/1");
}

} // namespace
} // namespace qv
