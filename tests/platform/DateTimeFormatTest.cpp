// Pattern-based date-time formatting: every token, hour/minute disambiguation, 12-hour clock and nesting.
#include "platform/DateTimeFormat.h"

#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TDateTime At(int year, int month, int day, int hour, int minute, int second, int ms)
{
    return *TryEncodeDate(year, month, day) + *TryEncodeTime(hour, minute, second, ms);
}

const TDateTime kAfternoon = At(2003, 5, 7, 13, 4, 5, 67); // a Wednesday
const TDateTime kEarly = At(2003, 11, 23, 0, 9, 8, 5);     // a Sunday, just after midnight
const TDateTime kMidnight = At(2003, 5, 7, 0, 0, 0, 0);

// Day-month-year with dots for both separators, so "/" and ":" are seen to be replaced.
Locale GermanStyle()
{
    Locale l = Locale::ChinaDefault();
    l.DateSeparator = '.';
    l.TimeSeparator = '.';
    l.ShortDateFormat = "dd.MM.yyyy";
    l.LongDateFormat = "dddd, d. MMMM yyyy";
    l.ShortTimeFormat = "hh:nn";
    l.LongTimeFormat = "hh:nn:ss";
    l.ShortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    l.LongMonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    l.ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    l.LongDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    l.TimeAMString = "vorm.";
    l.TimePMString = "nachm.";
    return l;
}

struct DateTimeCase {
    const char* pattern;
    TDateTime value;
    const char* expected;
};

void ExpectAll(const DateTimeCase* begin, const DateTimeCase* end, const Locale& locale)
{
    for (const DateTimeCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(::testing::Message() << "pattern \"" << c->pattern << "\" value " << c->value);
        EXPECT_EQ(FormatDateTime(c->pattern, c->value, locale), c->expected);
    }
}

TEST(FormatDateTime, WritesEveryTokenInTheDefaultLocale)
{
    const DateTimeCase cases[] = {
        {"c", kAfternoon, "2003/5/7 13:04:05"},
        {"c", kMidnight, "2003/5/7"},
        {"", kAfternoon, "2003/5/7 13:04:05"},
        {"d", kAfternoon, "7"},
        {"dd", kAfternoon, "07"},
        {"ddd", kAfternoon, "周三"},
        {"dddd", kEarly, "星期日"},
        {"ddddd", kAfternoon, "2003/5/7"},
        {"dddddd", kAfternoon, "2003年5月7日"},
        {"ddddddd", kAfternoon, "2003年5月7日"},
        {"m", kAfternoon, "5"},
        {"mm", kAfternoon, "05"},
        {"mmm", kEarly, "11月"},
        {"mmmm", kEarly, "十一月"},
        {"mmmmm", kAfternoon, "五月"},
        {"y", kAfternoon, "03"},
        {"yy", kAfternoon, "03"},
        {"yyy", kAfternoon, "2003"},
        {"yyyy", kAfternoon, "2003"},
        {"h", kEarly, "0"},
        {"hh", kEarly, "00"},
        {"h", kAfternoon, "13"},
        {"n", kEarly, "9"},
        {"nn", kEarly, "09"},
        {"s", kEarly, "8"},
        {"ss", kEarly, "08"},
        {"z", kEarly, "5"},
        {"zzz", kEarly, "005"},
        {"t", kAfternoon, "13:04"},
        {"tt", kAfternoon, "13:04:05"},
        {"h:nn am/pm", kAfternoon, "1:04 pm"},
        {"h:nn AM/PM", kEarly, "12:09 AM"},
        {"h Am/pM", kAfternoon, "1 pM"}, // each marker keeps the case of its own letters
        {"h a/p", kEarly, "12 a"},
        {"h A/P", kAfternoon, "1 P"},
        {"h ampm", kAfternoon, "1 下午"},
        {"h AMPM", kEarly, "12 上午"},
        {"yyyy/mm/dd hh:nn:ss", kAfternoon, "2003/05/07 13:04:05"},
        {"YYYY-MM-DD HH:NN", kAfternoon, "2003-05-07 13:04"},
        {"yyyy年m月d日", kAfternoon, "2003年5月7日"},
        {"'d' \"mm\" d", kAfternoon, "d mm 7"},
        {"yyyy-mm-dd hh:nn", -1.25, "1899-12-29 06:00"},
    };
    ExpectAll(std::begin(cases), std::end(cases), Locale::ChinaDefault());
}

TEST(FormatDateTime, WritesEveryTokenInADayMonthYearLocale)
{
    const DateTimeCase cases[] = {
        {"c", kAfternoon, "07.05.2003 13.04.05"},
        {"c", kMidnight, "07.05.2003"},
        {"d/m/yy", kAfternoon, "7.5.03"},
        {"dd/mm/yyyy", kEarly, "23.11.2003"},
        {"ddd dddd", kAfternoon, "Mi Mittwoch"},
        {"ddddd", kEarly, "23.11.2003"},
        {"dddddd", kEarly, "Sonntag, 23. November 2003"},
        {"mmm mmmm", kEarly, "Nov November"},
        {"t", kEarly, "00.09"},
        {"tt", kAfternoon, "13.04.05"},
        {"h:n:s.z", kEarly, "0.9.8.5"},
        {"hh:nn:ss.zzz", kAfternoon, "13.04.05.067"},
        {"h ampm", kAfternoon, "1 nachm."},
        {"h ampm", kEarly, "12 vorm."},
    };
    ExpectAll(std::begin(cases), std::end(cases), GermanStyle());
}

TEST(FormatDateTime, ReadsMAfterAnHourAsMinutes)
{
    const DateTimeCase cases[] = {
        {"h:m", kAfternoon, "13:4"},
        {"hh:mm", kAfternoon, "13:04"},
        {"h 'x' mm", kAfternoon, "13 x 04"}, // literals between keep the hour as the previous token
        {"mm:ss", kAfternoon, "05:05"},      // no hour before: the month
        {"h d m", kAfternoon, "13 7 5"},     // the day token resets
        {"h mmm", kAfternoon, "13 5月"},     // only m and mm turn into minutes
        {"hh am/pm mm", kAfternoon, "01 pm 05"},
    };
    ExpectAll(std::begin(cases), std::end(cases), Locale::ChinaDefault());
}

TEST(FormatDateTime, ChoosesTheTwelveHourClockPerHourToken)
{
    const DateTimeCase cases[] = {
        {"hh am/pm hh", kAfternoon, "01 pm 13"}, // the second hour has no marker after it
        {"hh hh am/pm", kAfternoon, "13 01 pm"}, // the marker belongs to the nearer hour
        {"h 'am/pm'", kAfternoon, "13 am/pm"},   // quoted, not a marker
        {"h:nn a/p", At(2003, 5, 7, 12, 0, 0, 0), "12:00 p"},
    };
    ExpectAll(std::begin(cases), std::end(cases), Locale::ChinaDefault());
}

TEST(FormatDateTime, BoundsSelfReferringLocaleFormats)
{
    Locale looping = Locale::ChinaDefault();
    looping.ShortDateFormat = "<ddddd>";
    looping.LongTimeFormat = "c";
    EXPECT_EQ(FormatDateTime("ddddd", kAfternoon, looping), "<<<<>>>>");
    EXPECT_FALSE(FormatDateTime("c", kAfternoon, looping).empty());
}

} // namespace
} // namespace qv
