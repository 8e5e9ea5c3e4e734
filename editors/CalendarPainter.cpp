// Painting the calendar on a canvas.
#include "editors/CalendarPainter.h"

#include "editors/CalendarDates.h"
#include "platform/DateTimeFormat.h"
#include "platform/Locale.h"

#include <algorithm>
#include <string>

namespace qv {

namespace {

// A filled triangle pointing left or right, centred in r.
void PaintArrow(TXLCanvas& canvas, const Rect& r, int direction)
{
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    const int half = std::max(2, r.Height() / 4);
    canvas.SetPen({clBtnText});
    canvas.SetBrush({clBtnText});
    const int tip = cx + direction * half / 2;
    const int base = cx - direction * half / 2;
    canvas.Polygon({{tip, cy}, {base, cy - half}, {base, cy + half}});
}

void PaintTitle(TXLCanvas& canvas, const TGSCalendarLook& look)
{
    const TGSCalendarLayout& l = look.Layout;
    Rect title = l.Title;
    canvas.DrawEdge(title, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    if (look.Styles.Has(csArrows)) {
        PaintArrow(canvas, l.PrevArrow, -1);
        PaintArrow(canvas, l.NextArrow, 1);
    }
    std::string text = FormatDateTime("mmmm", look.Month, *look.DayNames);
    if (look.Styles.Has(csYear))
        text += FormatDateTime(" yyyy", look.Month, *look.DayNames);
    canvas.SetBkMode(bkTransparent);
    canvas.SetFont(look.Font);
    canvas.DrawText(text, title, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintButton(TXLCanvas& canvas, Rect r, const std::string& caption, bool sunken)
{
    canvas.DrawEdge(r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    if (sunken)
        r = r.Offset(2, 2);
    TXLFontData font = canvas.Font();
    font.Color = clBtnText;
    canvas.SetFont(font);
    canvas.SetBkMode(bkTransparent);
    canvas.DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintWeekdays(TXLCanvas& canvas, const TGSCalendarLook& look)
{
    const TGSCalendarLayout& l = look.Layout;
    canvas.SetFont(look.Font);
    canvas.SetBkMode(bkTransparent);
    for (int column = 0; column < 7; ++column) {
        Rect cell = l.WeekdayCell(column);
        const int day = (look.DayNames->FirstDayOfWeek + column) % 7;
        canvas.DrawText(look.DayNames->ShortestDayNames[std::size_t(day)], cell,
                        DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    canvas.SetPen({clBtnShadow});
    canvas.MoveTo({l.Weekdays.left, l.Weekdays.bottom});
    canvas.LineTo({l.Weekdays.right, l.Weekdays.bottom});
}

void PaintDays(TXLCanvas& canvas, const TGSCalendarLook& look)
{
    const TGSCalendarLayout& l = look.Layout;
    const int shownMonth = DecodeDate(look.Month).Month;
    for (int index = 0; index < kGridDays; ++index) {
        const TDateTime day = look.GridStart + index;
        const DateParts parts = DecodeDate(day);
        // 0 the previous month, 1 the displayed one, 2 the next.
        const int which = parts.Month == shownMonth ? 1 : index < 7 ? 0 : 2;
        if (which != 1 && !look.Styles.Has(csRestDays))
            continue;
        const Rect cell = l.DayCell(index);
        TXLFontData font = look.Font;
        font.Color = which == 1 ? look.Font.Color : clBtnShadow;
        if ((look.MonthInfo[std::size_t(which)] >> (parts.Day - 1)) & 1u)
            font.Style |= fsBold;
        // In the selection's colours: white on the button face vanishes on a light palette.
        if (look.Date != 0 && day == DatePart(look.Date)) {
            canvas.SetBrush({clHighlight});
            canvas.FillRect(cell);
            font.Color = clHighlightText;
        }
        if (day == look.Today) {
            canvas.SetPen({kTodayFrame});
            canvas.SetBrush({clWhite, bsClear});
            canvas.Rectangle(cell);
        }
        canvas.SetFont(font);
        canvas.SetBkMode(bkTransparent);
        Rect text = cell.Inflate(-2, 0);
        canvas.DrawText(std::to_string(parts.Day), text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

} // namespace

void PaintCalendar(TXLCanvas& canvas, const Rect& bounds, const TGSCalendarLook& look)
{
    TXLCanvasStateSaver saver(canvas);
    Rect client = bounds;
    canvas.DrawEdge(client, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    canvas.SetBrush({look.Color});
    canvas.FillRect(client);
    canvas.IntersectClipRect(client);
    const TGSCalendarLayout& l = look.Layout;
    canvas.SetFont(look.Font);
    if (!l.Title.IsEmpty())
        PaintTitle(canvas, look);
    if (look.Styles.Has(csDays)) {
        if (look.Styles.Has(csDaysOfWeek))
            PaintWeekdays(canvas, look);
        PaintDays(canvas, look);
    }
    if (!l.ButtonRow.IsEmpty()) {
        canvas.SetPen({clBtnShadow});
        canvas.MoveTo({l.ButtonRow.left, l.ButtonRow.top});
        canvas.LineTo({l.ButtonRow.right, l.ButtonRow.top});
        canvas.SetFont(look.Font);
        if (!l.Today.IsEmpty())
            PaintButton(canvas, l.Today, look.TodayCaption, look.Pressed == caToday && look.MouseOverPressed);
        if (!l.None.IsEmpty())
            PaintButton(canvas, l.None, look.NoneCaption, look.Pressed == caNone && look.MouseOverPressed);
    }
}

} // namespace qv
