// The date editor in its host: the drop-down button by the options, a retyped date keeping the time, and a day
// clicked in the dropped-down calendar.
#include "EditingGrid.h"

#include "cells/DateTimeCell.h"
#include "editors/DateTimeEdit.h"
#include "platform/DateTime.h"

#include <QTimer>

namespace qv::test {
namespace {

constexpr TDateTime kHalfPastTwo = 14.5 / 24;

struct DateCell : EditingGrid {
    TXLDateTimeEdit& Open(const std::string& format, TDateTime value)
    {
        TXLCell& cell = Make({1, 1}, TXLCDateTime::Class());
        cell.SetFormat(format);
        cell.SetAsDateTime(value);
        GoTo({1, 1});
        Key(Qt::Key_F2);
        auto* edit = dynamic_cast<TXLDateTimeEdit*>(Host().Control());
        EXPECT_NE(edit, nullptr);
        return *edit;
    }
    TDateTime Stored() { return Client().GetCell({1, 1}).GetAsDateTime(); }
};

TEST(DateEditor, OptionCAsksForADropDownButtonUnlessTheEditorIsTimeOnly)
{
    const std::pair<const char*, TXLEditStyle> cases[] = {
        {"yyyy-mm-dd|c", esDropDown}, {"yyyy-mm-dd|dc", esDropDown}, {"hh:nn|ct", esNormal}, {"yyyy-mm-dd", esNormal}};
    for (const auto& [format, style] : cases) {
        DateCell g;
        g.Open(format, *TryEncodeDate(2024, 6, 5));
        EXPECT_EQ(g.Host().Button().Style(), style) << format;
    }
}

TEST(DateEditor, ARetypedDateKeepsTheTimeOfDayAndUnreadableTextKeepsTheCell)
{
    DateCell g;
    const TDateTime june5 = *TryEncodeDate(2024, 6, 5) + kHalfPastTwo;
    TXLDateTimeEdit& edit = g.Open("yyyy-mm-dd|d", june5);
    edit.selectAll();
    g.Type(QStringLiteral("2003 5 7"));
    g.Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(g.Stored(), *TryEncodeDate(2003, 5, 7) + kHalfPastTwo);

    g.GoTo({1, 1});
    g.Key(Qt::Key_F2);
    auto* again = dynamic_cast<TXLDateTimeEdit*>(g.Host().Control());
    ASSERT_NE(again, nullptr);
    again->selectAll();
    g.Type(QStringLiteral("xyz"));
    g.Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(g.Stored(), *TryEncodeDate(2003, 5, 7) + kHalfPastTwo);
}

TEST(DateEditor, ADayClickedInTheDroppedDownCalendarIsTakenAndClosesIt)
{
    DateCell g;
    TXLDateTimeEdit& edit = g.Open("yyyy/mm/dd|c", *TryEncodeDate(2024, 3, 14));
    TGSCalendar& calendar = edit.Calendar();
    bool clicked = false;
    // Inside the popup's own loop: the 20th of March, in the grid's fourth row.
    QTimer::singleShot(100, [&] {
        const TDateTime target = *TryEncodeDate(2024, 3, 20);
        const Rect day = calendar.Layout().DayCell(int(target - calendar.GridStart()));
        QTest::mouseClick(&calendar, Qt::LeftButton, Qt::NoModifier,
                          QPoint((day.left + day.right) / 2, (day.top + day.bottom) / 2));
        clicked = true;
    });
    TXLButton& button = g.Host().Button();
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(button.width() / 2, button.height() / 2));
    ASSERT_TRUE(clicked);
    EXPECT_FALSE(calendar.isVisible());
    EXPECT_EQ(edit.text(), QStringLiteral("2024/03/20"));
    g.Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(g.Stored(), *TryEncodeDate(2024, 3, 20));
}

} // namespace
} // namespace qv::test
