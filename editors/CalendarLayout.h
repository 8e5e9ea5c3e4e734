// Where the parts of a month calendar lie, and which part a point hits; free of any window system.
#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <initializer_list>

namespace qv {

// The parts a calendar can show.
enum TGSCalendarStyle : uint8_t { csYear, csMonth, csArrows, csDays, csDaysOfWeek, csRestDays, csToday, csNone };

// A set of TGSCalendarStyle; all eight by default.
class TGSCalendarStyles {
public:
    constexpr TGSCalendarStyles() = default;
    constexpr TGSCalendarStyles(std::initializer_list<TGSCalendarStyle> styles) : m_bits(0)
    {
        for (TGSCalendarStyle s : styles)
            m_bits |= Bit(s);
    }
    constexpr bool Has(TGSCalendarStyle s) const { return (m_bits & Bit(s)) != 0; }
    [[nodiscard]] constexpr TGSCalendarStyles Without(TGSCalendarStyle s) const
    {
        TGSCalendarStyles r = *this;
        r.m_bits &= ~Bit(s);
        return r;
    }
    constexpr bool operator==(const TGSCalendarStyles&) const = default;

private:
    static constexpr unsigned Bit(TGSCalendarStyle s) { return 1u << unsigned(s); }
    unsigned m_bits = 0xFF;
};

// The calendar's areas; the hit test tries them from caNone down to caTitle, so the arrows win over the title.
enum TGSCalendarArea : uint8_t { caTitle, caPrevArrow, caNextArrow, caDays, caWeekdays, caNothing, caToday, caNone };

inline constexpr int kGridDays = 42; // 6 weeks

// The parts' rectangles in client coordinates; a part not shown has an empty rectangle.
struct TGSCalendarLayout {
    Rect Title;
    Rect PrevArrow;
    Rect NextArrow;
    Rect Weekdays;  // the weekday row, 7 columns
    Rect Days;      // 6 rows of 7 columns
    Rect ButtonRow; // the strip holding Today and None
    Rect Today;
    Rect None;
    int ColWidth = 0;
    int RowHeight = 0;

    Rect AreaRect(TGSCalendarArea area) const;
    TGSCalendarArea HitTest(Point p) const;
    // The grid index [0, 42) of the day under p; -1 outside the day grid.
    int DayIndexAt(Point p) const;
    // The cell of grid index [0, 42), or of weekday column [0, 7) on the weekday row with WeekdayCell.
    Rect DayCell(int index) const;
    Rect WeekdayCell(int column) const;
};

// digit: the size of "0" in the calendar's font; buttonWidth: the wider caption plus 17.
TGSCalendarLayout LayOutCalendar(const Rect& client, Size digit, int buttonWidth, TGSCalendarStyles styles);
// The size that shows every part: the client's plus borders (both sides together).
Size CalendarAutoSize(Size digit, int buttonWidth, TGSCalendarStyles styles, int borders);

} // namespace qv
