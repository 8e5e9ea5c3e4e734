// How a month calendar looks: its title, arrows, weekday row, days and buttons on a canvas.
#pragma once

#include "editors/CalendarLayout.h"
#include "platform/Canvas.h"
#include "platform/DateTime.h"

#include <array>
#include <cstdint>
#include <string>

namespace qv {

struct Locale;

// Everything a calendar's picture depends on.
struct TGSCalendarLook {
    TGSCalendarLayout Layout;
    TGSCalendarStyles Styles;
    TXLFontData Font;
    TColor Color = clWindow;
    TDateTime Month = 0;     // the first day of the displayed month
    TDateTime GridStart = 0; // the first date of the day grid
    TDateTime Date = 0;      // the selected date; 0 for none
    TDateTime Today = 0;
    // The bold days of the previous, the displayed and the next month: bit d-1 set means day d.
    std::array<uint32_t, 3> MonthInfo{};
    std::string TodayCaption = "Today";
    std::string NoneCaption = "None";
    // A button is drawn sunken while it is the pressed area with the mouse over it.
    TGSCalendarArea Pressed = caNothing;
    bool MouseOverPressed = false;
    const Locale* DayNames = nullptr; // shortest day names and first day of the week; required
};

// The colour that frames today.
inline constexpr TColor kTodayFrame = clMaroon;

// Paints the whole of bounds: a lowered bevel (2 pixels) round the client rectangle the layout was made for.
void PaintCalendar(TXLCanvas& canvas, const Rect& bounds, const TGSCalendarLook& look);

// The bevel round a calendar: 2 pixels on every side.
inline constexpr int kCalendarBevel = 2;

} // namespace qv
