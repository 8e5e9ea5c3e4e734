// The calendar's layout and hit test.
#include "editors/CalendarLayout.h"

#include <algorithm>

namespace qv {

namespace {

bool HasTitle(TGSCalendarStyles styles)
{
    return styles.Has(csYear) || styles.Has(csMonth);
}

bool HasButtons(TGSCalendarStyles styles)
{
    return styles.Has(csToday) || styles.Has(csNone);
}

// A w × h rectangle centred in area.
Rect Centred(const Rect& area, int w, int h)
{
    const int left = area.left + (area.Width() - w) / 2;
    const int top = area.top + (area.Height() - h) / 2;
    return {left, top, left + w, top + h};
}

} // namespace

Rect TGSCalendarLayout::AreaRect(TGSCalendarArea area) const
{
    switch (area) {
    case caTitle:
        return Title;
    case caPrevArrow:
        return PrevArrow;
    case caNextArrow:
        return NextArrow;
    case caDays:
        return Days;
    case caWeekdays:
        return Weekdays;
    case caNothing:
        return {};
    case caToday:
        return Today;
    case caNone:
        return None;
    }
    return {};
}

TGSCalendarArea TGSCalendarLayout::HitTest(Point p) const
{
    for (int area = caNone; area >= caTitle; --area)
        if (AreaRect(TGSCalendarArea(area)).Contains(p))
            return TGSCalendarArea(area);
    return caNothing;
}

int TGSCalendarLayout::DayIndexAt(Point p) const
{
    if (!Days.Contains(p) || ColWidth <= 0 || RowHeight <= 0)
        return -1;
    return (p.y - Days.top) / RowHeight * 7 + (p.x - Days.left) / ColWidth;
}

Rect TGSCalendarLayout::DayCell(int index) const
{
    const int left = Days.left + index % 7 * ColWidth;
    const int top = Days.top + index / 7 * RowHeight;
    return {left, top, left + ColWidth, top + RowHeight};
}

Rect TGSCalendarLayout::WeekdayCell(int column) const
{
    const int left = Weekdays.left + column * ColWidth;
    return {left, Weekdays.top, left + ColWidth, Weekdays.bottom};
}

TGSCalendarLayout LayOutCalendar(const Rect& client, Size digit, int buttonWidth, TGSCalendarStyles styles)
{
    const int w = digit.cx;
    const int h = digit.cy;
    TGSCalendarLayout layout;
    Rect rest = client;
    if (HasTitle(styles)) {
        layout.Title = {client.left, client.top, client.right, client.top + h + 5};
        if (styles.Has(csArrows)) {
            layout.PrevArrow = {client.left, client.top, client.left + h + 5, client.top + h + 5};
            layout.NextArrow = {client.right - (h + 5), client.top, client.right, client.top + h + 5};
        }
        rest.top = layout.Title.bottom;
    }
    rest.left += 2 * w - 1;
    rest.right -= 2 * w + 1;
    if (HasButtons(styles)) {
        layout.ButtonRow = {rest.left, rest.bottom - (h + 18), rest.right, rest.bottom};
        rest.bottom = layout.ButtonRow.top;
        const int buttonHeight = h + 7;
        if (styles.Has(csToday) && styles.Has(csNone)) {
            const int middle = (layout.ButtonRow.left + layout.ButtonRow.right) / 2;
            Rect left = layout.ButtonRow;
            Rect right = layout.ButtonRow;
            left.right = middle - 2;
            right.left = middle + 3;
            layout.Today = Centred(left, buttonWidth, buttonHeight);
            layout.None = Centred(right, buttonWidth, buttonHeight);
        } else {
            const Rect button = Centred(layout.ButtonRow, buttonWidth, buttonHeight);
            (styles.Has(csToday) ? layout.Today : layout.None) = button;
        }
    }
    if (styles.Has(csDays)) {
        const int rows = styles.Has(csDaysOfWeek) ? 7 : 6;
        layout.ColWidth = std::max(0, rest.Width() / 7);
        layout.RowHeight = std::max(0, (rest.Height() - (rows - 5)) / rows);
        int top = rest.top;
        if (styles.Has(csDaysOfWeek)) {
            layout.Weekdays = {rest.left, top, rest.left + 7 * layout.ColWidth, top + layout.RowHeight};
            top = layout.Weekdays.bottom + 2;
        }
        layout.Days = {rest.left, top, rest.left + 7 * layout.ColWidth, top + 6 * layout.RowHeight};
    }
    return layout;
}

Size CalendarAutoSize(Size digit, int buttonWidth, TGSCalendarStyles styles, int borders)
{
    const int w = digit.cx;
    const int h = digit.cy;
    int inner = 14 * w + 35;
    if (styles.Has(csToday) && styles.Has(csNone))
        inner = std::max(inner, 2 * buttonWidth + 5);
    else if (HasButtons(styles))
        inner = std::max(inner, buttonWidth);
    int height = borders;
    if (HasTitle(styles))
        height += h + 5;
    if (styles.Has(csDays))
        height += styles.Has(csDaysOfWeek) ? 7 * h + 16 : 6 * h + 13;
    if (HasButtons(styles))
        height += h + 17;
    return {inner + 4 * w + borders, height};
}

} // namespace qv
