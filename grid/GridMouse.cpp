// The grid's mouse: Qt's mouse, context-menu and drag-and-drop events of the panes handed to the mouse tracker,
// and what the tracker asks of the grid.
#include "grid/Grid.h"

#include "grid/QtGeometry.h"
#include "grid/QtKeys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace qv {

namespace {

TXLMouseButton ToMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return TXLMouseButton::Right;
    case Qt::MiddleButton:
        return TXLMouseButton::Middle;
    default:
        return TXLMouseButton::Left;
    }
}

// The modifiers and the buttons held (for a press, with the one pressed).
TXLShiftState ToMouseShift(const QMouseEvent& event)
{
    TXLShiftState shift = ToShiftState(event.modifiers());
    const Qt::MouseButtons buttons = event.buttons() | event.button();
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

Qt::CursorShape ToCursorShape(TXLCursor cursor)
{
    switch (cursor) {
    case TXLCursor::ColSizing:
        return Qt::SplitHCursor;
    case TXLCursor::RowSizing:
        return Qt::SplitVCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

QPoint TXLGrid::ToGrid(const TXLView& pane, QPoint p) const
{
    return p + pane.pos();
}

void TXLGrid::TakeFocus()
{
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
}

void TXLGrid::FocusGrid()
{
    const QWidget* focused = QApplication::focusWidget();
    if (focused && (focused == this || isAncestorOf(focused)))
        return;
    if (isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
}

void TXLGrid::PaneMousePress(TXLView& pane, QMouseEvent& event, TXLShiftState extra)
{
    m_lastGlobalMouse = event.globalPosition().toPoint();
    FocusGrid();
    const QPoint p = event.position().toPoint();
    m_mouse.MouseDown(pane, ToMouseButton(event.button()), ToMouseShift(event) | extra, ToPoint(p));
    if (OnMouseDown)
        OnMouseDown(pane, event, ToGrid(pane, p));
    if ((extra & ssDouble) && event.button() == Qt::LeftButton && OnDblClick)
        OnDblClick(pane, event, ToGrid(pane, p));
}

void TXLGrid::PaneMouseMove(TXLView& pane, QMouseEvent& event)
{
    m_lastGlobalMouse = event.globalPosition().toPoint();
    const QPoint p = event.position().toPoint();
    const TXLCursor cursor = m_mouse.MouseMove(pane, ToMouseShift(event), ToPoint(p));
    if (m_mouse.State() == TXLMouseState::Idle)
        pane.setCursor(ToCursorShape(cursor));
    if (OnMouseMove)
        OnMouseMove(pane, event, ToGrid(pane, p));
}

void TXLGrid::PaneMouseRelease(TXLView& pane, QMouseEvent& event)
{
    m_lastGlobalMouse = event.globalPosition().toPoint();
    const QPoint p = event.position().toPoint();
    m_mouse.MouseUp(pane, ToMouseButton(event.button()), ToMouseShift(event), ToPoint(p));
    if (OnMouseUp)
        OnMouseUp(pane, event, ToGrid(pane, p));
    if (event.button() == Qt::LeftButton && OnClick)
        OnClick(pane, event, ToGrid(pane, p));
}

void TXLGrid::PaneContextMenu(TXLView& pane, QContextMenuEvent& event)
{
    // Ignored, the event goes on to the grid and its menu; a release beyond the content opens none.
    if (event.reason() == QContextMenuEvent::Mouse && !m_mouse.RightUpOpensMenu(pane, ToPoint(event.pos())))
        event.accept();
    else
        event.ignore();
}

void TXLGrid::PaneToolTip(TXLView& pane, QHelpEvent& event)
{
    const TXLHintRequest request = m_mouse.HintRequest(pane, ToPoint(event.pos()));
    const QString text = QString::fromStdString(request.Text);
    switch (request.Kind) {
    case TXLHintKind::None:
        CancelHint();
        event.ignore();
        return;
    case TXLHintKind::Plain:
        QToolTip::showText(event.globalPos(), text, &pane, QRect(), request.HideAfter);
        break;
    case TXLHintKind::Arrow: {
        if (!m_hintWindow)
            m_hintWindow = std::make_unique<TXLHintWindow>([this] { HintHidden(); });
        QToolTip::hideText();
        const QPoint topLeft(request.WindowTopLeft.x, request.WindowTopLeft.y);
        m_hintWindow->ShowAt(text, font(), pane.mapToGlobal(topLeft));
        const QRect window(pane.mapFromGlobal(m_hintWindow->pos()), m_hintWindow->size());
        pane.SetHintArrow(
            {{request.Tip.x, request.Tip.y},
             {window.left(), window.top(), window.left() + window.width(), window.top() + window.height()}});
        m_hintTimer.Start(request.HideAfter);
        break;
    }
    }
    event.accept();
}

void TXLGrid::PaneLeft(TXLView& pane)
{
    pane.SetHint({});
    CancelHint();
}

void TXLGrid::CancelHint()
{
    m_hintTimer.Stop();
    QToolTip::hideText();
    if (m_hintWindow)
        m_hintWindow->hide();
}

void TXLGrid::HintHidden()
{
    View(sClient).ClearHintArrow();
}

void TXLGrid::MoveHintWindow()
{
    const TXLView& body = View(sClient);
    if (!m_hintWindow || !m_hintWindow->isVisible() || !body.HintArrow())
        return;
    const Rect& window = body.HintArrow()->Window;
    m_hintWindow->move(body.mapToGlobal(QPoint(window.left, window.top)));
}

void TXLGrid::PaneDragMove(TXLView& pane, QDragMoveEvent& event)
{
    event.ignore();
    if (OnDragOver)
        OnDragOver(pane, event, ToGrid(pane, event.position().toPoint()));
}

void TXLGrid::PaneDrop(TXLView& pane, QDropEvent& event)
{
    event.ignore();
    if (OnDragDrop)
        OnDragDrop(pane, event, ToGrid(pane, event.position().toPoint()));
}

Point TXLGrid::CursorPos(const TXLPane& pane) const
{
    return ToPoint(View(pane.Sector()).mapFromGlobal(m_lastGlobalMouse));
}

Rect TXLGrid::GridClientRect(const TXLPane& pane) const
{
    const QRect inside = contentsRect().translated(-View(pane.Sector()).pos());
    return {inside.left(), inside.top(), inside.left() + inside.width(), inside.top() + inside.height()};
}

void TXLGrid::SizeCommitted()
{
    AlignPanes();
    PageBreaksChanged();
}

void TXLGrid::UpdatePanes()
{
    for (TXLSector sector : {sCols, sRows, sTitle, sClient})
        if (View(sector).isVisible())
            View(sector).repaint();
}

void TXLGrid::SendMouseMove(TXLPane& pane, Point p)
{
    TXLView& view = View(pane.Sector());
    const QPointF local(p.x, p.y);
    QMouseEvent move(QEvent::MouseMove, local, view.mapToGlobal(local), Qt::NoButton, QApplication::mouseButtons(),
                     QApplication::keyboardModifiers());
    QApplication::sendEvent(&view, &move);
}

void TXLGrid::FireClick(TXLClickEvent event, const TXLPane&, Point cell)
{
    const std::function<void(TXLGrid&, Point)>* handler = nullptr;
    switch (event) {
    case TXLClickEvent::CellClick:
        handler = &OnCellClick;
        break;
    case TXLClickEvent::CellDblClick:
        handler = &OnCellDblClick;
        break;
    case TXLClickEvent::ColDblClick:
        handler = &OnColDblClick;
        break;
    case TXLClickEvent::RowDblClick:
        handler = &OnRowDblClick;
        break;
    }
    if (handler && *handler)
        (*handler)(*this, cell);
}

} // namespace qv
