// The calendar: its grid's first day, layout, pixels on the recording canvas, buttons, arrows and month chooser.
#include "editors/Calendar.h"
#include "editors/CalendarDates.h"
#include "editors/CalendarPainter.h"
#include "platform/Locale.h"
#include "platform/RecordingCanvas.h"
#include "sheet/Manager.h"

#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

TDateTime Day(int y, int m, int d)
{
    return *TryEncodeDate(y, m, d);
}

struct GridCase {
    int year, month, firstDayOfWeek;
    TDateTime start;
};

TEST(CalendarDates, TheGridStartsOnTheFirstWeekdayOneToSevenDaysBeforeTheMonth)
{
    const GridCase cases[] = {
        {2024, 3, 1, Day(2024, 2, 26)}, // March 2024 begins on a Friday
        {2024, 4, 1, Day(2024, 3, 25)}, // April 2024 begins on a Monday: a whole week before
        {2024, 4, 0, Day(2024, 3, 31)},
        {2024, 9, 0, Day(2024, 8, 25)}, // begins on a Sunday
    };
    for (const GridCase& c : cases)
        EXPECT_EQ(GridStart(Day(c.year, c.month, 17), c.firstDayOfWeek), c.start) << c.year << "-" << c.month;
}

TEST(CalendarDates, AddMonthsClampsTheDayAndKeepsTheTime)
{
    EXPECT_EQ(AddMonths(Day(2024, 1, 31) + 0.25, 1), Day(2024, 2, 29) + 0.25);
    EXPECT_EQ(AddMonths(Day(2024, 1, 15), -1), Day(2023, 12, 15));
    EXPECT_EQ(LastOfMonth(Day(2023, 2, 3)), Day(2023, 2, 28));
}

TEST(CalendarLayout, PartsFollowTheDigitSize)
{
    const Size digit{6, 11};
    const int buttonWidth = 40;
    const Size size = CalendarAutoSize(digit, buttonWidth, {}, 4);
    EXPECT_EQ(size, (Size{147, 141}));
    const TGSCalendarLayout l = LayOutCalendar({2, 2, size.cx - 2, size.cy - 2}, digit, buttonWidth, {});
    EXPECT_EQ(l.Title, (Rect{2, 2, size.cx - 2, 18}));
    EXPECT_EQ(l.PrevArrow, (Rect{2, 2, 18, 18}));
    EXPECT_EQ(l.NextArrow, (Rect{size.cx - 18, 2, size.cx - 2, 18}));
    EXPECT_EQ(l.Weekdays.left, 2 + 11);
    EXPECT_EQ(l.Days.top, l.Weekdays.bottom + 2);
    EXPECT_EQ(l.Today.Width(), buttonWidth);
    EXPECT_EQ(l.Today.Height(), 18);
    EXPECT_LT(l.Today.right, l.None.left);
    // The arrows win over the title bar.
    EXPECT_EQ(l.HitTest({5, 5}), caPrevArrow);
    EXPECT_EQ(l.HitTest({size.cx / 2, 5}), caTitle);
    EXPECT_EQ(l.HitTest(l.DayCell(41).TopLeft()), caDays);
    EXPECT_EQ(l.DayIndexAt(l.DayCell(9).TopLeft().Offset(1, 1)), 9);
    EXPECT_EQ(l.HitTest(l.None.TopLeft()), caNone);
}

TEST(CalendarLayout, WithoutTitleOrButtonsTheGridFillsTheClient)
{
    const TGSCalendarLayout l = LayOutCalendar({0, 0, 200, 120}, {6, 11}, 40, {csDays});
    EXPECT_TRUE(l.Title.IsEmpty());
    EXPECT_TRUE(l.Today.IsEmpty());
    EXPECT_TRUE(l.Weekdays.IsEmpty());
    EXPECT_EQ(l.Days.top, 0);
    EXPECT_EQ(l.RowHeight, (120 - 1) / 6);
}

// March 2024 drawn on the recording canvas with Monday first, today on 14 March, 5 March selected.
struct MarchPicture {
    MarchPicture(TGSCalendarStyles styles = {}) : canvas({160, 180})
    {
        look.Styles = styles;
        const Size size = CalendarAutoSize({6, 11}, 40, styles, 4);
        bounds = {0, 0, size.cx, size.cy};
        look.Layout = LayOutCalendar(bounds.Inflate(-2, -2), {6, 11}, 40, styles);
        look.Month = Day(2024, 3, 1);
        look.GridStart = GridStart(look.Month, 1);
        look.Date = Day(2024, 3, 5) + 0.5;
        look.Today = Day(2024, 3, 14);
        look.MonthInfo = {0, (1u << 9) | (1u << 19), 1u << 0};
        look.DayNames = &locale;
        PaintCalendar(canvas, bounds, look);
    }
    // The day texts drawn, in order.
    std::vector<CanvasOp> DayRuns() const
    {
        std::vector<CanvasOp> runs;
        for (const CanvasOp& op : canvas.OpsOfKind(CanvasOpKind::DrawText))
            if (look.Layout.Days.Contains(op.Bounds.TopLeft().Offset(2, 0)))
                runs.push_back(op);
        return runs;
    }
    Locale locale = Locale::ChinaDefault();
    TGSCalendarLook look;
    Rect bounds;
    RecordingCanvas canvas;
};

TEST(CalendarPainter, MarchWithMondayFirstBeginsOnTheTwentySixthOfFebruaryWithBoldDaysOfEachMonth)
{
    const MarchPicture picture;
    const std::vector<CanvasOp> days = picture.DayRuns();
    ASSERT_EQ(days.size(), 42u);
    EXPECT_EQ(days[0].Text, "26");
    EXPECT_EQ(days[0].Font.Color, clBtnShadow);
    EXPECT_EQ(days[4].Text, "1");
    EXPECT_EQ(days[4].Font.Color, picture.look.Font.Color);
    EXPECT_EQ(days[41].Text, "7");
    for (int i = 0; i < 42; ++i) {
        const bool bold = i == 4 + 9 || i == 4 + 19 || i == 35; // 10 and 20 March, 1 April
        EXPECT_EQ((days[std::size_t(i)].Font.Style & fsBold) != 0, bold) << i;
        EXPECT_EQ(days[std::size_t(i)].Flags & DT_RIGHT, DT_RIGHT);
    }
}

TEST(CalendarPainter, TheSelectedDayIsInTheSelectionColoursAndTodayIsFramedInDarkRed)
{
    const MarchPicture picture;
    const Rect selected = picture.look.Layout.DayCell(4 + 4);
    EXPECT_TRUE(picture.canvas.WasFilled({selected.left + 1, selected.top + 1}, clHighlight));
    EXPECT_EQ(picture.DayRuns()[8].Font.Color, clHighlightText);
    const Rect today = picture.look.Layout.DayCell(4 + 13);
    const std::uint32_t darkRed = picture.canvas.ResolveColor(kTodayFrame);
    EXPECT_EQ(picture.canvas.PixelAt(today.TopLeft()), darkRed);
    EXPECT_EQ(picture.canvas.PixelAt({today.right - 1, today.bottom - 1}), darkRed);
    EXPECT_NE(picture.canvas.PixelAt({today.left + 3, today.top + 3}), darkRed);
}

TEST(CalendarPainter, WithoutRestDaysOnlyTheMonthsOwnDaysAreDrawn)
{
    const MarchPicture picture(TGSCalendarStyles{}.Without(csRestDays));
    const std::vector<CanvasOp> days = picture.DayRuns();
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(days.front().Text, "1");
}

// Regression: the first byte of "周日" is not a character, and the first character is "周" every day.
TEST(CalendarPainter, TheWeekdayRowShowsTheShortestNamesFromTheFirstDayOfTheWeek)
{
    const MarchPicture picture;
    std::vector<std::string> names;
    for (const CanvasOp& op : picture.canvas.OpsOfKind(CanvasOpKind::DrawText))
        if (picture.look.Layout.Weekdays.Contains(op.Bounds.TopLeft().Offset(2, 0)))
            names.push_back(op.Text);
    EXPECT_EQ(names, (std::vector<std::string>{"一", "二", "三", "四", "五", "六", "日"}));
    EXPECT_EQ(Locale::UnitedStates().ShortestDayNames[0], "S");
}

TEST(CalendarPainter, TheTitleShowsMonthAndYear)
{
    MarchPicture picture;
    picture.locale = Locale::UnitedStates();
    picture.canvas.ClearOps();
    PaintCalendar(picture.canvas, picture.bounds, picture.look);
    EXPECT_EQ(picture.canvas.OpsOfKind(CanvasOpKind::DrawText).front().Text, "March 2024");
}

// A shown calendar in the US locale with Monday first.
struct ShownCalendar {
    ShownCalendar()
    {
        Locale l = Locale::UnitedStates();
        l.FirstDayOfWeek = 1;
        XLManager().Desktop().SetLocale(l);
        calendar.show();
        calendar.SetDate(Day(2024, 3, 5) + 0.75);
        calendar.OnClick = [this] { ++clicks; };
        calendar.OnChange = [this] { ++changes; };
    }
    ~ShownCalendar() { XLManager().Desktop().SetLocale(saved); }
    QPoint Centre(const Rect& r) const { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    void Click(TGSCalendarArea area)
    {
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, Centre(calendar.Layout().AreaRect(area)));
    }

    Locale saved = XLManager().Desktop().GetLocale();
    TGSCalendar calendar;
    int clicks = 0;
    int changes = 0;
};

TEST(Calendar, NoneEmptiesTheDateAndTodayGivesTodayWithTheFormerTimeOfDay)
{
    ShownCalendar c;
    c.Click(caToday);
    EXPECT_EQ(c.calendar.Date(), Today() + 0.75);
    EXPECT_EQ(c.clicks, 1);
    c.Click(caNone);
    EXPECT_TRUE(c.calendar.Empty());
    EXPECT_EQ(c.clicks, 2);
    c.Click(caToday);
    EXPECT_EQ(c.calendar.Date(), Today()); // None left midnight
}

TEST(Calendar, ACaptionSetToTheOtherCaptionsValueStillChanges)
{
    ShownCalendar c;
    c.calendar.SetTextNone("Clear");
    c.calendar.SetTextToday("Clear");
    EXPECT_EQ(c.calendar.Look().TodayCaption, "Clear");
    c.calendar.SetTextToday("");
    EXPECT_EQ(c.calendar.Look().TodayCaption, "Today");
}

TEST(Calendar, HoldingTheNextArrowStepsAtOnceThenAtTheAcceleratedTicks)
{
    ShownCalendar c;
    const QPoint arrow = c.Centre(c.calendar.Layout().NextArrow);
    QTest::mousePress(&c.calendar, Qt::LeftButton, {}, arrow);
    EXPECT_EQ(c.calendar.Month(), Day(2024, 4, 1));
    std::vector<int> steps;
    for (int tick = 1; tick <= 26; ++tick) {
        const TDateTime before = c.calendar.Month();
        c.calendar.RepeatTick();
        if (c.calendar.Month() != before)
            steps.push_back(tick);
    }
    EXPECT_EQ(steps, (std::vector<int>{5, 10, 15, 20, 22, 24, 26}));
    // Off the arrow the ticks step nothing.
    QTest::mouseMove(&c.calendar, c.Centre(c.calendar.Layout().Days));
    const TDateTime held = c.calendar.Month();
    for (int tick = 0; tick < 10; ++tick)
        c.calendar.RepeatTick();
    EXPECT_EQ(c.calendar.Month(), held);
    QTest::mouseRelease(&c.calendar, Qt::LeftButton, {}, c.Centre(c.calendar.Layout().Days));
    EXPECT_EQ(c.clicks, 0);
}

TEST(Calendar, KeysMoveTheDateAndEnterClicks)
{
    ShownCalendar c;
    struct KeyCase {
        Qt::Key key;
        TDateTime expected;
    };
    const KeyCase cases[] = {
        {Qt::Key_Right, Day(2024, 3, 6) + 0.75},
        {Qt::Key_Down, Day(2024, 3, 13) + 0.75},
        {Qt::Key_PageDown, Day(2024, 4, 13) + 0.75},
        {Qt::Key_End, Day(2024, 4, 30)},
        {Qt::Key_Home, Day(2024, 4, 1)},
    };
    for (const KeyCase& k : cases) {
        QTest::keyClick(&c.calendar, k.key);
        EXPECT_EQ(c.calendar.Date(), k.expected) << k.key;
    }
    QTest::keyClick(&c.calendar, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(c.calendar.Date(), Day(2024, 4, 1));
    QTest::keyClick(&c.calendar, Qt::Key_Return);
    EXPECT_EQ(c.clicks, 1);
}

TEST(Calendar, ClickingADaySelectsItKeepingTheTime)
{
    ShownCalendar c;
    const Rect cell = c.calendar.Layout().DayCell(10); // Monday 26 February first
    QTest::mouseClick(&c.calendar, Qt::LeftButton, {}, c.Centre(cell));
    EXPECT_EQ(c.calendar.Date(), Day(2024, 3, 7) + 0.75);
    EXPECT_EQ(c.clicks, 1);
    EXPECT_EQ(c.changes, 1);
}

TEST(MonthList, HighlightsTheRowUnderThePointAndScrollsKeepingTheRow)
{
    TGSMonthList list(Day(2024, 3, 20), 13, TXLFontData{});
    list.resize(100, 7 * 13 + 2);
    list.HighlightAt({50, 1 + 13 * 3 + 2});
    EXPECT_EQ(list.Highlighted(), Day(2024, 3, 1));
    list.HighlightAt({50, 1 + 2});
    EXPECT_EQ(list.Highlighted(), Day(2023, 12, 1));
    list.Scroll(-1);
    EXPECT_EQ(list.Centre(), Day(2024, 2, 1));
    EXPECT_EQ(list.Highlighted(), Day(2023, 11, 1));
    list.HighlightAt({50, 200});
    EXPECT_EQ(list.Highlighted(), 0);
}

TEST(Calendar, HoldingTheTitleOpensTheMonthListWhichScrollsTowardsTheMouseAndShowsTheMonthReleasedOn)
{
    ShownCalendar c;
    const QPoint title = c.Centre(c.calendar.Layout().Title);
    QTest::mousePress(&c.calendar, Qt::LeftButton, {}, title);
    ASSERT_NE(c.calendar.MonthList(), nullptr);
    EXPECT_EQ(c.calendar.MonthList()->Highlighted(), Day(2024, 3, 1));
    // Far below the list: a scroll at every tick.
    const QPoint below = c.calendar.mapFromGlobal(c.calendar.MonthList()->mapToGlobal(QPoint(20, 0))) + QPoint(0, 200);
    QTest::mouseMove(&c.calendar, below);
    c.calendar.RepeatTick();
    c.calendar.RepeatTick();
    EXPECT_EQ(c.calendar.MonthList()->Centre(), Day(2024, 5, 1));
    QTest::mouseMove(&c.calendar, title);
    QTest::mouseRelease(&c.calendar, Qt::LeftButton, {}, title);
    EXPECT_EQ(c.calendar.MonthList(), nullptr);
    EXPECT_EQ(c.calendar.Month(), Day(2024, 5, 1));
    EXPECT_EQ(c.calendar.Date(), Day(2024, 3, 5) + 0.75);
}

} // namespace
} // namespace qv::test
