// The selection tracker: clicks, drags and Shift-clicks selecting cells, double clicks, and Escape during a drag.
#include "grid/MouseTracker.h"

#include "grid/Pane.h"
#include "sheet/Section.h"

#include <algorithm>

namespace qv {

namespace {

Rect Spanned(Point a, Point b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

} // namespace

void TXLMouseTracker::SelectionTracker(TXLPane& pane, Point p, TXLShiftState shift)
{
    const TXLMouseState phase = m_state;
    const bool doubleClick = phase == TXLMouseState::Pressed && (shift & ssDouble) != 0;
    TXLPane& body = m_owner.Pane(sClient);
    if (phase == TXLMouseState::Pressed) {
        m_paneBefore = {pane.Selection(), pane.Current()};
        m_bodyBefore = {body.Selection(), body.Current()};
    }
    if (m_cancelling) {
        // Escape: as if the button had never gone down, and no click.
        RestoreSelection();
        return;
    }
    Point cell;
    pane.CellAtPoint(p, TXLHitArea::Anywhere, cell);
    cell = pane.AnchorOf(cell);
    IXLEditHost* host = m_owner.EditHost();
    const bool editorTakes = pane.IsCurrentView() && host && host->Active() && host->CellClicked(cell, shift);
    if (!editorTakes) {
        if (phase == TXLMouseState::Pressed && !(shift & ssShift)) {
            pane.SetCurrent(cell, TXLCollapse::Collapse, TXLReveal::None);
            if (pane.IsCurrentView() && (doubleClick || m_owner.HasOption(oPermEdit))) {
                const bool noCell = !pane.Section() || !pane.Section()->FindCell(pane.Current());
                m_owner.SetEditMode(noCell || m_owner.HasOption(oPermEdit) ? TXLEditMode::ArrowsMoveCell
                                                                           : TXLEditMode::ArrowsMoveCaret);
            }
        }
        // Without range selection the current cell follows the mouse; with it the range runs from the current
        // cell to the mouse.
        if (!m_owner.HasOption(oRangeSelect)) {
            if (pane.CanEnterCell(cell))
                pane.SetCurrent(cell, TXLCollapse::Collapse, TXLReveal::None);
            else
                cell = pane.Current();
        }
        pane.Select(Spanned(pane.Current(), cell), pane.Current());
        if (phase == TXLMouseState::ReleasedAfterDrag)
            pane.MakeVisible({cell.x, cell.y, cell.x + 1, cell.y + 1});
    }
    if (doubleClick) {
        CellClick(pane, cell, TXLClickEvent::CellDblClick);
        // The release that follows is no click.
        m_state = TXLMouseState::Released;
    } else if (phase == TXLMouseState::ReleasedAfterDrag || phase == TXLMouseState::Released) {
        CellClick(pane, cell, TXLClickEvent::CellClick);
    }
}

void TXLMouseTracker::RestoreSelection()
{
    TXLPane& body = m_owner.Pane(sClient);
    TXLPane& pane = *m_pane;
    body.SetCurrent(m_bodyBefore.Current, TXLCollapse::Keep, TXLReveal::None);
    body.Select(m_bodyBefore.Selection, body.Current(), &pane);
    if (&pane != &body)
        pane.Select(m_paneBefore.Selection, pane.Current());
}

} // namespace qv
