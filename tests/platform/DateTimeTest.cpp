// Calendar arithmetic: encoding, decoding, validation and weekdays.
#include "platform/DateTime.h"

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

} // namespace
} // namespace qv
