// The grid's mouse state machine: the pane's button and move events, choosing the tracker, TrackMouse, the
// right button, Escape and auto-scroll.
#include "grid/MouseTracker.h"

#include "grid/Pane.h"
#include "sheet/Cell.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <utility>

namespace qv {

TXLMouseTracker::TXLMouseTracker(IXLPaneOwner& owner, IXLMouseHost& host) : m_owner(owner), m_host(host) {}

void TXLMouseTracker::MouseDown(TXLPane& pane, TXLMouseButton button, TXLShiftState shift, Point p)
{
    if (button == TXLMouseButton::Right) {
        // A right click on a cell outside the selection acts on that cell: it becomes current.
        Point cell;
        if (pane.Section() && pane.CellAtPoint(p, TXLHitArea::Content, cell) && !pane.Selection().Contains(cell))
            pane.SetCurrent(cell, TXLCollapse::Collapse, TXLReveal::None);
        return;
    }
    if (button != TXLMouseButton::Left || m_state != TXLMouseState::Idle)
        return;
    // The press may come without a move to the point first (a program's, or a window just shown).
    ChooseTracker(pane, p);
    TrackMouse(pane, TXLMouseState::Pressed, shift, p);
}

TXLCursor TXLMouseTracker::MouseMove(TXLPane& pane, TXLShiftState shift, Point p)
{
    if (HoldsLayout()) {
        TrackMouse(pane, TXLMouseState::Dragging, shift, p);
    } else if (m_state == TXLMouseState::Idle) {
        if (m_owner.ShowHint())
            FollowHint(pane, p);
        return ChooseTracker(pane, p);
    }
    if (m_tracker == TXLTracker::Sizing)
        return m_sizing.Axis == axCols ? TXLCursor::ColSizing : TXLCursor::RowSizing;
    return TXLCursor::Default;
}

void TXLMouseTracker::MouseUp(TXLPane& pane, TXLMouseButton button, TXLShiftState shift, Point p)
{
    if (button == TXLMouseButton::Left && HoldsLayout())
        TrackMouse(pane, TXLMouseState::ReleasedAfterDrag, shift, p);
}

bool TXLMouseTracker::RightUpOpensMenu(const TXLPane& pane, Point p) const
{
    return p.x < pane.Extent().x && p.y < pane.Extent().y;
}

bool TXLMouseTracker::Cancel()
{
    if (m_state == TXLMouseState::Idle || !m_pane)
        return false;
    m_cancelling = true;
    TrackMouse(*m_pane, TXLMouseState::Released, 0, {0, 0});
    m_cancelling = false;
    return true;
}

TXLCursor TXLMouseTracker::ChooseTracker(const TXLPane& pane, Point p)
{
    m_tracker = TXLTracker::None;
    const TXLSheet* sheet = m_owner.Sheet();
    if (!sheet || sheet->ReadOnly)
        return TXLCursor::Default;
    const TXLHit hit = pane.HitTest(p);
    switch (hit.Kind) {
    case TXLHitKind::ColBoundary:
    case TXLHitKind::RowBoundary: {
        const TXLAxis axis = hit.Kind == TXLHitKind::ColBoundary ? axCols : axRows;
        if (!m_owner.HasOption(axis == axCols ? oColSizing : oRowSizing))
            return TXLCursor::Default;
        m_tracker = TXLTracker::Sizing;
        m_sizing.Axis = axis;
        m_sizing.Index = hit.Index;
        // The column-title strip and the body show the client columns, the row-title strip and the body the
        // client rows.
        const bool client = pane.IsBody() || pane.Sector() == TitleStrip(axis);
        m_sizing.Part = client ? ptClient : ptTitles;
        return axis == axCols ? TXLCursor::ColSizing : TXLCursor::RowSizing;
    }
    case TXLHitKind::Cell:
        if (pane.CanEnterCell(hit.Cell))
            m_tracker = TXLTracker::Selection;
        return TXLCursor::Default;
    default:
        return TXLCursor::Default;
    }
}

void TXLMouseTracker::TrackMouse(TXLPane& pane, TXLMouseState phase, TXLShiftState shift, Point p)
{
    if (m_tracker == TXLTracker::None)
        return;
    m_wasDragging = m_state == TXLMouseState::Dragging;
    if (phase == TXLMouseState::ReleasedAfterDrag || phase == TXLMouseState::Released) {
        m_host.AutoScrollTimer().Stop();
        m_scrolling = nullptr;
        if (phase == TXLMouseState::ReleasedAfterDrag && !m_wasDragging)
            phase = TXLMouseState::Released;
    }
    if (phase == TXLMouseState::Pressed)
        m_pane = &pane;
    m_state = phase;
    if (m_tracker == TXLTracker::Selection)
        SelectionTracker(pane, p, shift);
    else
        SizingTracker(pane, p, shift);
    if (m_state == TXLMouseState::ReleasedAfterDrag || m_state == TXLMouseState::Released) {
        m_state = TXLMouseState::Idle;
        m_pane = nullptr;
    } else if (m_state == TXLMouseState::Dragging && m_tracker == TXLTracker::Selection && !m_scrolling) {
        m_scrolling = &pane;
        m_host.AutoScrollTimer().Start(kAutoScrollInterval);
    }
}

void TXLMouseTracker::AutoScrollTick()
{
    if (!m_scrolling || m_state != TXLMouseState::Dragging)
        return;
    TXLPane& pane = *m_scrolling;
    TXLPane& body = m_owner.Pane(sClient);
    const Point mouse = m_host.CursorPos(pane);
    const Size client = pane.ClientSize();
    Point origin = body.Origin();
    // Each strip scrolls along its own axis only.
    if (pane.IsBody() || pane.Sector() == sCols) {
        if (mouse.x < 0)
            origin.x = body.ScrollPosFor(axCols, scLineUp, 0);
        else if (mouse.x >= client.cx)
            origin.x = body.ScrollPosFor(axCols, scLineDown, 0);
    }
    if (pane.IsBody() || pane.Sector() == sRows) {
        if (mouse.y < 0)
            origin.y = body.ScrollPosFor(axRows, scLineUp, 0);
        else if (mouse.y >= client.cy)
            origin.y = body.ScrollPosFor(axRows, scLineDown, 0);
    }
    body.SetOrigin(origin);
    m_host.UpdatePanes();
    m_host.SendMouseMove(pane, mouse);
}

void TXLMouseTracker::FollowHint(TXLPane& pane, Point p)
{
    std::string text = pane.HintTextAt(p);
    if (text != pane.Hint() || text.empty()) {
        m_host.CancelHint();
        pane.SetHint(std::move(text));
    }
}

TXLHintRequest TXLMouseTracker::HintRequest(const TXLPane& pane, Point p) const
{
    TXLHintRequest request;
    if (m_state != TXLMouseState::Idle || pane.Hint().empty())
        return request;
    request.Text = pane.Hint();
    request.HideAfter = kHintHideAfter;
    request.Kind = TXLHintKind::Plain;
    Point cell;
    Rect pixels;
    if (!pane.IsBody() || !pane.Section() || !pane.CellAtPoint(p, TXLHitArea::Content, cell))
        return request;
    if (!pane.CellRectToPixels(pane.ExpandByUnions({cell.x, cell.y, cell.x + 1, cell.y + 1}), pixels, 0))
        return request;
    request.Kind = TXLHintKind::Arrow;
    request.Tip = HintArrowTip(pixels);
    request.WindowTopLeft = HintWindowTopLeft(request.Tip);
    return request;
}

void TXLMouseTracker::CellClick(const TXLPane& pane, Point cell, TXLClickEvent event)
{
    TXLSection* section = pane.Section();
    if (!section)
        return;
    if (TXLCell* clicked = section->FindCell(cell)) {
        if (event == TXLClickEvent::CellDblClick)
            clicked->DblClick();
        else
            clicked->Click();
    }
    m_host.FireClick(event, pane, cell);
    if (TXLSheet* sheet = m_owner.Sheet()) {
        const auto& handler = event == TXLClickEvent::CellDblClick ? sheet->OnCellDblClick : sheet->OnCellClick;
        if (handler)
            handler(*sheet, cell);
    }
}

int TXLMouseTracker::Scaled(int value) const
{
    const int scale = m_owner.Scale();
    return scale == 100 ? value : static_cast<int>(int64_t{value} * scale / 100);
}

int TXLMouseTracker::Unscaled(int value) const
{
    const int scale = m_owner.Scale();
    return scale == 100 ? value : static_cast<int>(int64_t{value} * 100 / scale);
}

} // namespace qv
