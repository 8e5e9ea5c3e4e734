// TGSMonthList: the month chooser that scrolls over a calendar's title while its button is held.
#pragma once

#include "platform/Canvas.h"
#include "platform/DateTime.h"

#include <QWidget>

namespace qv {

// Seven months, the centre one over the calendar's title, as "mmmm yyyy". A window of its own that takes neither
// activation nor the mouse: the calendar holds the mouse and tells it where it is.
class TGSMonthList final : public QWidget {
public:
    // centre: a date in the month shown in the middle; itemHeight: pixels per month.
    TGSMonthList(TDateTime centre, int itemHeight, const TXLFontData& font);

    TDateTime Centre() const { return m_centre; }
    // The first day of the highlighted month; 0 for none.
    TDateTime Highlighted() const { return m_highlighted; }
    // The month of the row under p (list coordinates); none outside.
    void HighlightAt(QPoint p);
    // months later (earlier when negative); the highlighted row keeps its place.
    void Scroll(int months);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDateTime m_centre;
    TDateTime m_highlighted = 0;
    int m_highlightedRow = -1;
    int m_itemHeight;
    TXLFontData m_font;
};

} // namespace qv
