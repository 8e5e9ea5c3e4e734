// Text to date and time in the default and in a day-month-year locale.
#include "platform/DateParse.h"
#include "platform/Errors.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

Locale DayMonthYear()
{
    Locale l = Locale::ChinaDefault();
    l.ShortDateFormat = "dd.MM.yyyy";
    l.DateSeparator = '.';
    l.DecimalSeparator = ',';
    l.LongTimeFormat = "hh:nn:ss";
    l.TimeAMString = "AM";
    l.TimePMString = "PM";
    return l;
}

double Date(int y, int m, int d)
{
    return *TryEncodeDate(y, m, d);
}

double Time(int h, int n, int s = 0, int z = 0)
{
    return *TryEncodeTime(h, n, s, z);
}

int ThisYear()
{
    return DecodeDate(Today()).Year;
}

TEST(DateParse, DatesInTheLocaleOrder)
{
    const Locale dmy = DayMonthYear();
    struct Case {
        const char* text;
        const Locale* locale;
        std::optional<double> value;
    } cases[] = {
        {"2003/5/7", &Locale::ChinaDefault(), Date(2003, 5, 7)},
        {" 2003/05/07 ", &Locale::ChinaDefault(), Date(2003, 5, 7)},
        {"5/7", &Locale::ChinaDefault(), Date(ThisYear(), 5, 7)},
        {"7.5.2003", &dmy, Date(2003, 5, 7)},
        {"31.12.2003", &dmy, Date(2003, 12, 31)},
        {"7.5", &dmy, Date(ThisYear(), 5, 7)},
        {"31.2.2003", &dmy, std::nullopt},
        {"7/5/2003", &dmy, std::nullopt},
        {"2003", &Locale::ChinaDefault(), std::nullopt},
        {"2003/5/7/1", &Locale::ChinaDefault(), std::nullopt},
        {"2003/5/", &Locale::ChinaDefault(), std::nullopt},
        {"abc", &Locale::ChinaDefault(), std::nullopt},
        {"", &Locale::ChinaDefault(), std::nullopt},
        {"99999999999/1/1", &Locale::ChinaDefault(), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TryStrToDate(c.text, *c.locale), c.value);
    }
}

TEST(DateParse, TwoDigitYearsFallInTheCenturyWindow)
{
    Locale l = DayMonthYear();
    l.TwoDigitYearCenturyWindow = 50;
    // With 2026 as the current year the window is 1976..2075.
    EXPECT_EQ(ExpandTwoDigitYear(75, l, 2026), 2075);
    EXPECT_EQ(ExpandTwoDigitYear(76, l, 2026), 1976);
    EXPECT_EQ(ExpandTwoDigitYear(3, l, 2026), 2003);
    l.TwoDigitYearCenturyWindow = 0;
    EXPECT_EQ(ExpandTwoDigitYear(99, l, 2026), 2099);
    const int expanded = ExpandTwoDigitYear(3, DayMonthYear(), ThisYear());
    EXPECT_EQ(TryStrToDate("7.5.03", DayMonthYear()), Date(expanded, 5, 7));
    // Three digits are taken as written.
    EXPECT_EQ(TryStrToDate("7.5.099", DayMonthYear()), Date(99, 5, 7));
}

TEST(DateParse, TimesWithSecondsMillisecondsAndMarkers)
{
    const Locale dmy = DayMonthYear();
    struct Case {
        const char* text;
        const Locale* locale;
        std::optional<double> value;
    } cases[] = {
        {"13:30", &dmy, Time(13, 30)},
        {"1:30:15", &dmy, Time(1, 30, 15)},
        {"1:30:15,250", &dmy, Time(1, 30, 15, 250)},
        {"1:30 pm", &dmy, Time(13, 30)},
        {"PM 1:30", &dmy, Time(13, 30)},
        {"12:00 AM", &dmy, Time(0, 0)},
        {"12:00 PM", &dmy, Time(12, 0)},
        {"下午 3:05", &Locale::ChinaDefault(), Time(15, 5)},
        {"3:05上午", &Locale::ChinaDefault(), Time(3, 5)},
        {"13:30 PM", &dmy, std::nullopt},
        {"25:00", &dmy, std::nullopt},
        {"12", &dmy, std::nullopt},
        {"1:60", &dmy, std::nullopt},
        {"1:30 xx", &dmy, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TryStrToTime(c.text, *c.locale), c.value);
    }
}

TEST(DateParse, DateAndTimeTogetherOrAlone)
{
    const Locale& zh = Locale::ChinaDefault();
    EXPECT_EQ(TryStrToDateTime("2003/5/7 13:30", zh), Date(2003, 5, 7) + Time(13, 30));
    EXPECT_EQ(TryStrToDateTime("2003/5/7", zh), Date(2003, 5, 7));
    EXPECT_EQ(TryStrToDateTime("13:30", zh), Time(13, 30));
    EXPECT_EQ(TryStrToDateTime("2003/5/7 junk", zh), std::nullopt);
    try {
        StrToDateTime("junk", zh);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'junk' is not a valid date and time");
    }
    EXPECT_THROW(StrToDate("13:30", zh), EConvertError);
    EXPECT_THROW(StrToTime("2003/5/7", zh), EConvertError);
}

} // namespace
} // namespace qv
