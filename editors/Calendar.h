// TGSCalendar: the self-drawn month calendar with its arrows, month chooser, day grid and Today and None buttons.
#pragma once

#include "editors/CalendarPainter.h"
#include "editors/MonthList.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace qv {

// Sizes itself to its font and styles. Starts with all styles, Empty, showing the current month.
class TGSCalendar : public QWidget {
public:
    explicit TGSCalendar(QWidget* parent = nullptr);
    ~TGSCalendar() override;

    TDateTime Date() const { return m_date; }
    // Shows X's month (today's for 0) and fires OnChange when the day changes; the time of day is kept as given.
    void SetDate(TDateTime x);
    bool Empty() const { return m_date > -1 && m_date < 1; }
    // Empty: Date 0. Not empty: today with the time of day Date already holds.
    void SetEmpty(bool empty);
    // The first day of the displayed month.
    TDateTime Month() const { return m_month; }
    // The first date of the day grid.
    TDateTime GridStart() const { return m_gridStart; }
    void ShowMonth(TDateTime x);

    TGSCalendarStyles Styles() const { return m_styles; }
    void SetStyles(TGSCalendarStyles styles);
    // Empty means "Today" and "None".
    const std::string& TextToday() const { return m_textToday; }
    void SetTextToday(const std::string& text);
    const std::string& TextNone() const { return m_textNone; }
    void SetTextNone(const std::string& text);

    // The picture as it would be painted now.
    TGSCalendarLook Look() const;
    TGSCalendarLayout Layout() const;
    // The open month chooser while the button is held on the title; null otherwise.
    TGSMonthList* MonthList() const { return m_monthList.get(); }
    // One 50-millisecond tick of the held button's repeat; the timer calls it.
    void RepeatTick();

    std::function<void()> OnChange;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    // The bold days of a month (1 to 12): bit d-1 set means day d.
    std::function<uint32_t(int year, int month)> OnGetMonthInfo;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Rect ClientRect() const;
    void Measure();
    void Track(QPoint p);
    void StepMonthList();
    void OpenMonthList();
    void SelectDayAt(QPoint p);
    uint32_t MonthInfo(TDateTime month) const;
    void Fire(const std::function<void()>& event) const;

    TDateTime m_date = 0;
    TDateTime m_month = 0;
    TDateTime m_gridStart = 0;
    TGSCalendarStyles m_styles;
    std::string m_textToday;
    std::string m_textNone;
    TXLFontData m_font;
    Size m_digit{6, 11};
    int m_buttonWidth = 0;
    TGSCalendarArea m_hover = caNothing;
    TGSCalendarArea m_pressed = caNothing;
    Rect m_pressedRect;
    QPoint m_mouse;
    int m_repeats = 0;     // ticks since the press
    int m_scrollDelay = 0; // ticks until the month chooser scrolls again
    QTimer m_timer;
    std::unique_ptr<TGSMonthList> m_monthList;
};

} // namespace qv
