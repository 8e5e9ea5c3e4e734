// The date editor's reading of its text by mode, and the button it asks for.
#include "editors/DateTimeEdit.h"
#include "editors/DateTimeText.h"
#include "platform/Locale.h"
#include "sheet/Manager.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

TDateTime Day(int y, int m, int d)
{
    return *TryEncodeDate(y, m, d);
}

constexpr TDateTime kHalfPastTwo = 14.5 / 24;

// The manager's locale reading dates day first, for the test's duration.
struct DayMonthYear {
    DayMonthYear()
    {
        Locale l = Locale::ChinaDefault();
        l.ShortDateFormat = "d/M/yyyy";
        XLManager().Desktop().SetLocale(l);
    }
    ~DayMonthYear() { XLManager().Desktop().SetLocale(saved); }
    Locale saved = XLManager().Desktop().GetLocale();
};

struct ParseCase {
    const char* text;
    TXLDateTimeMode mode;
    TDateTime expected;
};

TEST(DateTimeText, EachModeKeepsTheOtherHalfAndUnreadableTextKeepsTheBase)
{
    const DayMonthYear locale;
    const TDateTime base = Day(2024, 6, 5) + kHalfPastTwo;
    const ParseCase cases[] = {
        {"7 5 2003", TXLDateTimeMode::DateOnly, Day(2003, 5, 7) + kHalfPastTwo},
        {"nonsense", TXLDateTimeMode::DateOnly, base},
        {"9:15", TXLDateTimeMode::TimeOnly, Day(2024, 6, 5) + 9.25 / 24},
        {"0:00", TXLDateTimeMode::TimeOnly, Day(2024, 6, 5)},
        {"nonsense", TXLDateTimeMode::TimeOnly, base},
        {"7/5/2003 9:15", TXLDateTimeMode::DateAndTime, Day(2003, 5, 7) + 9.25 / 24},
        {"7/5/2003 x", TXLDateTimeMode::DateAndTime, base},
    };
    for (const ParseCase& c : cases)
        EXPECT_DOUBLE_EQ(ParseDateTimeText(c.text, c.mode, base, XLManager().Desktop().GetLocale()), c.expected) << c.text;
    EXPECT_EQ(DateTimeText("yyyy-mm-dd", 0, XLManager().Desktop().GetLocale()), "");
}

} // namespace
} // namespace qv::test
