// ParseDate and ParseTime in a day-month-year locale.
#include "cells/DateTextParse.h"
#include "CellTestSheet.h"
#include "sheet/Manager.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::Date;
using test::Time;

class DayMonthYearLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        Locale dmy = Locale::ChinaDefault();
        dmy.ShortDateFormat = "dd/MM/yyyy";
        dmy.DateSeparator = '/';
        dmy.LongTimeFormat = "hh:mm:ss.zzz";
        dmy.ShortMonthNames[4] = "Maj"; // a month name only this locale knows
        XLManager().Desktop().SetLocale(dmy);
    }
    void TearDown() override { XLManager().Desktop().SetLocale(Locale::ChinaDefault()); }
};

TEST_F(DayMonthYearLocale, ParseDate)
{
    const DateParts today = DecodeDate(Today());
    struct Case {
        std::string text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"7 May 2003", Date(2003, 5, 7)},
        {"31 5 2003", Date(2003, 5, 31)},
        {"May 7", Date(today.Year, 5, 7)},
        // A number of 1000 or more is the year wherever it stands; the others follow the locale order.
        {"2003-5-7", Date(2003, 7, 5)},
        // 31 goes to the day, overwriting 12; the month stays today's.
        {"12 31 2003", TryEncodeDate(2003, today.Month, 31).value_or(0)},
        {"7 maj 2003", Date(2003, 5, 7)},       // the locale's own month name, any letter case
        {"7 五月 2003", Date(2003, 5, 7)},      // the system locale's long month name
        {"7 SEPTEMBER 2003", Date(2003, 9, 7)}, // US English long name
        {"7.5.03", Date(2003, 5, 7)},           // a short year falls in the locale's window
        {"  8/6/1999  ", Date(1999, 6, 8)},
        {"31 2 2003", 0},
        {"", 0},
        {"   ", 0},
        {"no digits", Date(today.Year, today.Month, today.Day)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDate(c.text), c.expected) << c.text;
}

TEST_F(DayMonthYearLocale, ParseTime)
{
    struct Case {
        std::string text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"1:30 pm", Time(13, 30)},
        {"PM 1:30", Time(13, 30)},
        {"12 pm", 0}, // 24 wraps to 0:00
        {"12 am", Time(12, 0)},
        {"25:70", Time(1, 0)}, // the hour wraps, a minute above 59 becomes 0
        {"9.05.07", Time(9, 5, 7)},
        {"10:20:75", Time(10, 20, 0)},
        {"1:2:3:4567", Time(1, 2, 3, 456)}, // milliseconds shrink by tens until below 1000
        {"下午 3:00", Time(15, 0)},
        {"3 p", Time(15, 0)},
        {"", 0},
        {"nothing", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ParseTime(c.text), c.expected) << c.text;
}

TEST(ParseDate, FollowsTheDefaultYearMonthDayOrder)
{
    EXPECT_EQ(ParseDate("3 5 7"), test::Date(2003, 5, 7));
    EXPECT_EQ(ParseDate("2003年5月7日"), test::Date(2003, 5, 7));
}

TEST(ParseTime, ANumberBeyondTheLongTimeFormatsPartsIsIgnored)
{
    // The default long time format "H:mm:ss" has no milliseconds.
    EXPECT_DOUBLE_EQ(ParseTime("1:2:3:4567"), test::Time(1, 2, 3));
}

} // namespace
} // namespace qv
