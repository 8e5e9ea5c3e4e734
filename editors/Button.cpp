// The edit button: its width, its press and repeat, and its painting through the canvas.
#include "editors/Button.h"

#include "editors/AutoRepeat.h"
#include "grid/QtCanvas.h"
#include "grid/QtGeometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv {

namespace {

constexpr int kButtonHeight = 17;

} // namespace

TXLButton::TXLButton(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    m_repeatTimer.setInterval(kRepeatIntervalMs);
    QObject::connect(&m_repeatTimer, &QTimer::timeout, this, [this] { RepeatTick(); });
    resize(0, kButtonHeight);
    UpdateWidth();
}

int TXLButton::ButtonWidth() const
{
    return m_style == esNormal ? 0 : fontMetrics().horizontalAdvance(QLatin1Char('M')) + 6;
}

void TXLButton::UpdateWidth()
{
    setFixedWidth(ButtonWidth());
}

void TXLButton::SetStyle(TXLEditStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    SetPressed(false);
    UpdateWidth();
    update();
}

void TXLButton::SetFlat(bool flat)
{
    if (flat == m_flat)
        return;
    m_flat = flat;
    update();
}

void TXLButton::SetPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    if (!pressed) {
        m_repeatTimer.stop();
    } else if (m_style == esSpinner) {
        m_repeats = 0;
        m_repeatTimer.start();
        Click();
    }
    update();
}

void TXLButton::RepeatTick()
{
    ++m_repeats;
    if (RepeatStepDue(m_repeats, kSpinnerEveryTickFrom))
        Click();
}

void TXLButton::Click()
{
    if (OnClick)
        OnClick();
}

void TXLButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_mouse = event->position().toPoint();
    m_lowerHalf = m_mouse.y() > height() / 2;
    SetPressed(true);
}

void TXLButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // No double clicks: the second press is a press like the first.
    mousePressEvent(event);
}

void TXLButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    const TXLButtonLook before = Look();
    m_mouse = event->position().toPoint();
    const TXLButtonLook after = Look();
    const Rect client{0, 0, width(), height()};
    // Repaint only when the point moved into or out of a part.
    auto partOf = [&](const TXLButtonLook& look) {
        if (!client.Contains(look.Mouse))
            return 0;
        return m_style == esSpinner && SpinnerLower(client).Contains(look.Mouse) ? 2 : 1;
    };
    if (partOf(before) != partOf(after))
        update();
}

void TXLButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    SetPressed(false);
    // A spinner's clicks came while it was held.
    if (inside && m_style != esSpinner)
        Click();
}

void TXLButton::hideEvent(QHideEvent* event)
{
    SetPressed(false);
    QWidget::hideEvent(event);
}

void TXLButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        UpdateWidth();
    else if (event->type() == QEvent::EnabledChange && !isEnabled())
        SetPressed(false);
    QWidget::changeEvent(event);
}

bool TXLButton::event(QEvent* event)
{
    if (event->type() == QEvent::UngrabMouse || event->type() == QEvent::WindowDeactivate)
        SetPressed(false);
    return QWidget::event(event);
}

TXLButtonLook TXLButton::Look() const
{
    TXLButtonLook look;
    look.Style = m_style;
    look.Flat = m_flat;
    look.Pressed = m_pressed;
    look.Mouse = ToPoint(m_mouse);
    look.FontHeight = QFontMetrics(font()).height();
    return look;
}

void TXLButton::paintEvent(QPaintEvent*)
{
    if (m_style == esNormal)
        return;
    QPainter painter(this);
    TXLQtCanvas canvas(painter, {width(), height()}, PaletteFromQt(palette()));
    PaintEditButton(canvas, {0, 0, width(), height()}, Look());
}

} // namespace qv
