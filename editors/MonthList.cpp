// The month chooser: rows, highlighting, scrolling and painting.
#include "editors/MonthList.h"

#include "editors/CalendarDates.h"
#include "grid/QtCanvas.h"
#include "platform/DateTimeFormat.h"
#include "sheet/Manager.h"

namespace qv {

namespace {

constexpr int kRows = 7;
constexpr int kCentreRow = 3;

} // namespace

TGSMonthList::TGSMonthList(TDateTime centre, int itemHeight, const TXLFontData& font)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint), m_centre(FirstOfMonth(centre)), m_itemHeight(itemHeight),
      m_font(font)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGSMonthList::HighlightAt(QPoint p)
{
    const QRect items(1, 1, width() - 2, kRows * m_itemHeight);
    const int row = items.contains(p) ? (p.y() - 1) / m_itemHeight : -1;
    if (row == m_highlightedRow)
        return;
    m_highlightedRow = row;
    m_highlighted = row < 0 ? 0 : AddMonths(m_centre, row - kCentreRow);
    update();
}

void TGSMonthList::Scroll(int months)
{
    m_centre = AddMonths(m_centre, months);
    if (m_highlightedRow >= 0)
        m_highlighted = AddMonths(m_centre, m_highlightedRow - kCentreRow);
    update();
}

void TGSMonthList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TXLQtCanvas canvas(painter, {width(), height()}, PaletteFromQt(palette()));
    canvas.SetPen({clWindowFrame});
    canvas.SetBrush({clWindow});
    canvas.Rectangle({0, 0, width(), height()});
    canvas.SetBkMode(bkTransparent);
    for (int row = 0; row < kRows; ++row) {
        Rect item{1, 1 + row * m_itemHeight, width() - 1, 1 + (row + 1) * m_itemHeight};
        TXLFontData font = m_font;
        if (row == m_highlightedRow) {
            canvas.SetBrush({m_font.Color});
            canvas.FillRect(item);
            font.Color = clWindow;
        }
        canvas.SetFont(font);
        const TDateTime month = AddMonths(m_centre, row - kCentreRow);
        canvas.DrawText(FormatDateTime("mmmm yyyy", month, XLManager().Desktop().GetLocale()), item,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

} // namespace qv
