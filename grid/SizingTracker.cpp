// The sizing tracker: a column or row boundary dragged in the titles, live there and as a line in the body until
// the release stores it in the sheet.
#include "grid/MouseTracker.h"

#include "grid/Pane.h"
#include "sheet/Sheet.h"

#include <algorithm>

namespace qv {

void TXLMouseTracker::SizingTracker(TXLPane& pane, Point p, TXLShiftState shift)
{
    TXLSizing& s = m_sizing;
    TXLSizeList& list = m_host.SizingList(s.Axis, s.Part);
    TXLPane& body = m_owner.Pane(sClient);
    const TXLMouseState phase = m_state;
    const bool released = phase == TXLMouseState::ReleasedAfterDrag || phase == TXLMouseState::Released;
    if (phase == TXLMouseState::Pressed) {
        m_owner.SetEditMode(TXLEditMode::Closed);
        s.Start = list.GetOffset(s.Index);
        s.SizeAtStart = s.LastSize = s.NewSize = list.GetValue(s.Index);
        if (shift & ssDouble) {
            m_state = TXLMouseState::Released;
            const int index = SheetIndex(s.Axis, s.Part, s.Index);
            m_host.FireClick(s.Axis == axCols ? TXLClickEvent::ColDblClick : TXLClickEvent::RowDblClick, pane,
                             s.Axis == axCols ? Point{index, 0} : Point{0, index});
            return;
        }
    } else if (phase == TXLMouseState::Dragging) {
        s.NewSize = DraggedSize(pane, p);
        if (s.NewSize == s.LastSize)
            return;
    }
    // The body has shown only the line so far; on release it takes the size the strip already shows.
    if (s.Part == ptClient && phase != TXLMouseState::Pressed) {
        body.SetTrackingFrame({});
        if (phase == TXLMouseState::ReleasedAfterDrag)
            body.LineSizeChanged(s.Axis, s.Start, s.LastSize, s.SizeAtStart);
    }
    if (phase == TXLMouseState::ReleasedAfterDrag) {
        if (TXLSheet* sheet = m_owner.Sheet())
            sheet->StoreSize(s.Axis, s.Part, s.Index, Unscaled(s.NewSize), m_host.SheetUser());
        m_host.SizeCommitted();
    } else if (phase == TXLMouseState::Released) {
        s.NewSize = s.SizeAtStart;
    }
    list.SetValue(s.Index, s.NewSize);
    if (phase != TXLMouseState::ReleasedAfterDrag) {
        const std::array<TXLPane*, 2> panes = PanesOf(s.Axis, s.Part);
        DrawSizingLine(*panes[0], s.LastSize, s.NewSize);
        if (!(panes[1]->IsBody() && phase == TXLMouseState::Released))
            DrawSizingLine(*panes[1], s.LastSize, s.NewSize);
    }
    if (phase == TXLMouseState::ReleasedAfterDrag && (shift & ssAlt))
        SizeSelection(pane);
    if (released && m_owner.HasOption(oPermEdit))
        if (IXLEditHost* host = m_owner.EditHost())
            host->SetEditing(true);
    s.LastSize = s.NewSize;
}

int TXLMouseTracker::DraggedSize(const TXLPane& pane, Point p) const
{
    const TXLSizing& s = m_sizing;
    const Rect grid = m_host.GridClientRect(pane);
    const bool alongCols = s.Axis == axCols;
    const int mouse = alongCols ? p.x : p.y;
    // Dragged out of the grid, the item shows its old size, which a release there keeps.
    if (alongCols ? mouse < grid.left || mouse >= grid.right : mouse < grid.top || mouse >= grid.bottom)
        return s.SizeAtStart;
    const int origin = alongCols ? pane.Origin().x : pane.Origin().y;
    int size = std::max(kMinDragSize, Unscaled(mouse + origin - s.Start));
    if (TXLSheet* sheet = m_owner.Sheet())
        size = sheet->CheckSize(SheetIndex(s.Axis, s.Part, s.Index), s.Axis, size);
    return Scaled(size);
}

void TXLMouseTracker::DrawSizingLine(TXLPane& pane, int oldSize, int newSize)
{
    const TXLSizing& s = m_sizing;
    if (!pane.IsBody()) {
        // The strip resizes live.
        pane.LineSizeChanged(s.Axis, s.Start, newSize, oldSize);
        return;
    }
    // A frame one pixel outside the body on three sides: its two visible edges are the item's start and the
    // dragged end.
    const Size client = pane.ClientSize();
    if (s.Axis == axCols) {
        const int start = s.Start - pane.Origin().x;
        pane.SetTrackingFrame({start - 1, -1, start + newSize, client.cy + 1});
    } else {
        const int start = s.Start - pane.Origin().y;
        pane.SetTrackingFrame({-1, start - 1, client.cx + 1, start + newSize});
    }
}

void TXLMouseTracker::SizeSelection(const TXLPane& pane)
{
    const TXLSizing& s = m_sizing;
    const Rect selection = pane.Selection();
    if (pane.IsCurrentView() || selection.IsEmpty())
        return;
    const bool wholeItems = s.Axis == axCols ? selection.top == 0 && selection.bottom == pane.RowList().Count()
                                             : selection.left == 0 && selection.right == pane.ColList().Count();
    TXLSheet* sheet = m_owner.Sheet();
    if (!wholeItems || !sheet)
        return;
    const int first = s.Axis == axCols ? selection.left : selection.top;
    const int last = s.Axis == axCols ? selection.right : selection.bottom;
    for (TXLSector sector : {sCols, sRows, sTitle, sClient})
        m_owner.Pane(sector).BeginUpdate();
    for (int index = first; index < last; ++index)
        sheet->SetSize(SheetIndex(s.Axis, s.Part, index), s.Axis, Unscaled(s.NewSize));
    for (TXLSector sector : {sCols, sRows, sTitle, sClient})
        m_owner.Pane(sector).EndUpdate();
}

std::array<TXLPane*, 2> TXLMouseTracker::PanesOf(TXLAxis axis, TXLPart part) const
{
    if (part == ptClient)
        return {&m_owner.Pane(TitleStrip(axis)), &m_owner.Pane(sClient)};
    return {&m_owner.Pane(TitleStrip(Across(axis))), &m_owner.Pane(sTitle)};
}

int TXLMouseTracker::SheetIndex(TXLAxis axis, TXLPart part, int index) const
{
    if (part == ptClient)
        return index;
    const TXLSheet* sheet = m_owner.Sheet();
    return index - (sheet ? (axis == axCols ? sheet->TitleCols() : sheet->TitleRows()) : 0);
}

} // namespace qv
