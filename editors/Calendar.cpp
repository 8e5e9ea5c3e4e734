// The calendar widget: dates, mouse, keys and the repeat, painted through the canvas.
#include "editors/Calendar.h"

#include "editors/AutoRepeat.h"
#include "editors/CalendarDates.h"
#include "grid/QtCanvas.h"
#include "grid/QtGeometry.h"
#include "sheet/Manager.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

TXLFontData FontDataFor(const QFont& font)
{
    TXLFontData data;
    data.Name = font.family().toStdString();
    data.Height = font.pixelSize() > 0 ? -font.pixelSize() : -int(std::lround(font.pointSizeF() * 96 / 72));
    data.Style = (font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0);
    return data;
}

} // namespace

TGSCalendar::TGSCalendar(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    m_timer.setInterval(kRepeatIntervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { RepeatTick(); });
    ShowMonth(Today());
    Measure();
}

TGSCalendar::~TGSCalendar() = default;

void TGSCalendar::SetDate(TDateTime x)
{
    const bool changed = DatePart(x) != DatePart(m_date);
    m_date = x;
    if (changed) {
        ShowMonth(DatePart(x) == 0 ? Today() : x);
        Fire(OnChange);
        update();
    }
}

void TGSCalendar::SetEmpty(bool empty)
{
    SetDate(empty ? 0 : WithTime(Today(), TimePart(m_date)));
}

void TGSCalendar::ShowMonth(TDateTime x)
{
    const TDateTime month = FirstOfMonth(x);
    if (month == m_month)
        return;
    m_month = month;
    m_gridStart = qv::GridStart(month, XLManager().Desktop().GetLocale().FirstDayOfWeek);
    update();
}

void TGSCalendar::SetStyles(TGSCalendarStyles styles)
{
    m_styles = styles;
    Measure();
}

void TGSCalendar::SetTextToday(const std::string& text)
{
    m_textToday = text;
    Measure();
}

void TGSCalendar::SetTextNone(const std::string& text)
{
    m_textNone = text;
    Measure();
}

Rect TGSCalendar::ClientRect() const
{
    return Rect{0, 0, width(), height()}.Inflate(-kCalendarBevel, -kCalendarBevel);
}

TGSCalendarLayout TGSCalendar::Layout() const
{
    return LayOutCalendar(ClientRect(), m_digit, m_buttonWidth, m_styles);
}

void TGSCalendar::Measure()
{
    m_font = FontDataFor(font());
    TXLQtImageCanvas canvas({1, 1});
    canvas.SetFont(m_font);
    const Size digit = canvas.TextExtent("0");
    m_digit = {digit.cx, digit.cy};
    const TGSCalendarLook captions = Look();
    m_buttonWidth =
        std::max(canvas.TextExtent(captions.TodayCaption).cx, canvas.TextExtent(captions.NoneCaption).cx) + 17;
    const Size size = CalendarAutoSize(m_digit, m_buttonWidth, m_styles, 2 * kCalendarBevel);
    setFixedSize(size.cx, size.cy);
    update();
}

uint32_t TGSCalendar::MonthInfo(TDateTime month) const
{
    if (!OnGetMonthInfo)
        return 0;
    const DateParts d = DecodeDate(month);
    return OnGetMonthInfo(d.Year, d.Month);
}

TGSCalendarLook TGSCalendar::Look() const
{
    TGSCalendarLook look;
    look.Layout = Layout();
    look.Styles = m_styles;
    look.Font = m_font;
    look.Month = m_month;
    look.GridStart = m_gridStart;
    look.Date = m_date;
    look.Today = Today();
    look.MonthInfo[1] = MonthInfo(m_month);
    if (m_styles.Has(csRestDays)) {
        look.MonthInfo[0] = MonthInfo(AddMonths(m_month, -1));
        look.MonthInfo[2] = MonthInfo(AddMonths(m_month, 1));
    }
    look.TodayCaption = m_textToday.empty() ? "Today" : m_textToday;
    look.NoneCaption = m_textNone.empty() ? "None" : m_textNone;
    look.Pressed = m_pressed;
    look.MouseOverPressed = m_pressed == m_hover;
    look.DayNames = &XLManager().Desktop().GetLocale();
    return look;
}

void TGSCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TXLQtCanvas canvas(painter, {width(), height()}, PaletteFromQt(palette()));
    PaintCalendar(canvas, {0, 0, width(), height()}, Look());
}

void TGSCalendar::Fire(const std::function<void()>& event) const
{
    if (event)
        event();
}

void TGSCalendar::Track(QPoint p)
{
    m_mouse = p;
    const TGSCalendarArea area = rect().contains(p) ? Layout().HitTest(ToPoint(p)) : caNothing;
    if (area == m_hover)
        return;
    const bool concernsPressed = m_pressed != caNothing && (area == m_pressed || m_hover == m_pressed);
    m_hover = area;
    if (concernsPressed)
        update(ToQRect(m_pressedRect));
}

void TGSCalendar::SelectDayAt(QPoint p)
{
    const int index = Layout().DayIndexAt(ToPoint(p));
    if (index < 0)
        return;
    const TDateTime day = m_gridStart + index;
    if (day == DatePart(m_date))
        return;
    // Keeps the month shown until the release, so the grid does not move under the mouse.
    const TDateTime month = m_month;
    SetDate(WithTime(day, TimePart(m_date)));
    m_month = 0;
    ShowMonth(month);
}

void TGSCalendar::OpenMonthList()
{
    const int itemHeight = m_digit.cy + 2;
    const int w = m_digit.cx;
    m_monthList = std::make_unique<TGSMonthList>(m_month, itemHeight, m_font);
    m_monthList->resize(width() - 4 * (w + 2), 7 * itemHeight + 2);
    m_monthList->move(mapToGlobal(QPoint(2 * (w + 2), 2 - 3 * itemHeight)));
    m_monthList->show();
    m_monthList->HighlightAt(m_monthList->mapFromGlobal(mapToGlobal(m_mouse)));
}

void TGSCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    Track(event->position().toPoint());
    m_pressed = m_hover;
    m_pressedRect = Layout().AreaRect(m_pressed);
    switch (m_pressed) {
    case caTitle:
        OpenMonthList();
        [[fallthrough]];
    case caPrevArrow:
    case caNextArrow:
        m_repeats = 0;
        m_scrollDelay = 0;
        RepeatTick();
        m_timer.start();
        break;
    case caDays:
        SelectDayAt(m_mouse);
        break;
    default:
        break;
    }
    update();
}

void TGSCalendar::mouseMoveEvent(QMouseEvent* event)
{
    Track(event->position().toPoint());
    if (m_monthList)
        m_monthList->HighlightAt(m_monthList->mapFromGlobal(mapToGlobal(m_mouse)));
    else if (m_pressed == caDays && m_hover == caDays)
        SelectDayAt(m_mouse);
}

void TGSCalendar::RepeatTick()
{
    if (m_pressed == caPrevArrow || m_pressed == caNextArrow) {
        if (m_hover == m_pressed && RepeatStepDue(m_repeats, kCalendarEveryTickFrom))
            ShowMonth(AddMonths(m_month, m_pressed == caPrevArrow ? -1 : 1));
    } else if (m_monthList) {
        StepMonthList();
    }
    ++m_repeats;
}

void TGSCalendar::StepMonthList()
{
    if (m_scrollDelay > 0) {
        --m_scrollDelay;
        return;
    }
    const QPoint p = m_monthList->mapFromGlobal(mapToGlobal(m_mouse));
    int distance = 0;
    if (p.y() < 0) {
        distance = -p.y();
        m_monthList->Scroll(-1);
    } else if (p.y() >= m_monthList->height()) {
        distance = p.y() - m_monthList->height() + 1;
        m_monthList->Scroll(1);
    } else {
        return;
    }
    m_scrollDelay = std::max(0, 5 - distance / 10);
}

void TGSCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    Track(event->position().toPoint());
    const TGSCalendarArea pressed = m_pressed;
    if (m_monthList && m_monthList->Highlighted() != 0) {
        const TDateTime month = m_monthList->Highlighted();
        if (m_styles.Has(csDays)) {
            ShowMonth(month);
        } else {
            const DateParts d = DecodeDate(m_date == 0 ? Today() : m_date);
            const DateParts target = DecodeDate(month);
            const TDateTime day = month + std::min(d.Day, DaysInMonth(target.Year, target.Month)) - 1;
            SetDate(WithTime(day, TimePart(m_date)));
            Fire(OnClick);
        }
    }
    m_pressed = caNothing;
    m_pressedRect = {};
    m_timer.stop();
    m_monthList.reset();
    update();
    if (pressed != m_hover || (pressed != caDays && pressed != caToday && pressed != caNone))
        return;
    if (pressed == caDays)
        ShowMonth(m_date == 0 ? Today() : m_date);
    else
        SetEmpty(pressed == caNone);
    Fire(OnClick);
}

void TGSCalendar::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton && (m_hover == caDays || m_hover == caToday || m_hover == caNone))
        Fire(OnDblClick);
}

void TGSCalendar::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const TDateTime base = Empty() ? WithTime(Today(), TimePart(m_date)) : m_date;
    const bool days = m_styles.Has(csDays);
    const bool months = m_styles.Has(csMonth);
    switch (event->key()) {
    case Qt::Key_End:
        if (days)
            SetDate(LastOfMonth(base));
        break;
    case Qt::Key_Home:
        if (days)
            SetDate(FirstOfMonth(base));
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!days)
            break;
        const int step = event->key() == Qt::Key_Left    ? -1
                         : event->key() == Qt::Key_Right ? 1
                         : event->key() == Qt::Key_Up    ? -7
                                                         : 7;
        SetDate(WithTime(DatePart(base) + step, TimePart(base)));
        break;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (months)
            SetDate(AddMonths(base, event->key() == Qt::Key_PageUp ? -1 : 1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Fire(OnClick);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TGSCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        Measure();
    QWidget::changeEvent(event);
}

} // namespace qv
