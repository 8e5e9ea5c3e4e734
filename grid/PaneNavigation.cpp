// The pane's current cell and selection: entering and editing cells, stepping, extending, and the title strips
// and the body following each other.
#include "grid/Pane.h"

#include "grid/Selection.h"
#include "sheet/Manager.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"
#include "sheet/Style.h"

#include <algorithm>

namespace qv {

namespace {

bool IsSingleRange(const TXLSection& section, const Rect& range)
{
    return (range.Width() == 1 && range.Height() == 1) || section.IsUnionRect(range);
}

} // namespace

Rect TXLPane::CellRange(Point cell) const
{
    if (m_section)
        if (const TXLUnion* merged = m_section->UnionAt(cell, TXLAnchorRule::Include))
            return merged->GetRect();
    return {cell.x, cell.y, cell.x + 1, cell.y + 1};
}

bool TXLPane::CanEditCell(Point cell) const
{
    const TXLSheet* sheet = m_owner.Sheet();
    if (!sheet || sheet->ReadOnly || m_owner.HasOption(oReadOnly) || !CanEnterCell(cell))
        return false;
    if (m_section->GetLayerValue(kLayerStyles, cell.x, cell.y) & CellStyleBit(csReadOnly))
        return false;
    return XLManager().EditorCount(m_section->GetCellClass(cell)) > 0;
}

void TXLPane::PrepareEdit(Point cell)
{
    IXLEditHost* host = m_owner.EditHost();
    if (!host)
        return;
    if (CanEditCell(cell))
        host->EditCell(this, &m_section->GetCell(cell));
    else if (host->Pane() == this)
        host->SetEditing(false);
}

bool TXLPane::IsEditing() const
{
    const IXLEditHost* host = m_owner.EditHost();
    return host && host->Pane() == this && host->Active();
}

void TXLPane::SetCurrent(Point cell, TXLCollapse collapse, TXLReveal reveal)
{
    if (!m_section)
        return;
    cell = AnchorOf(ClampCell(cell));
    if (cell == m_current || !CanEnterCell(cell))
        return;
    const Point old = m_current;
    m_current = cell;
    m_cursor = cell;
    if (IsBody()) {
        m_owner.Pane(sCols).m_current.x = cell.x;
        m_owner.Pane(sRows).m_current.y = cell.y;
    }
    const bool keep = collapse == TXLCollapse::Keep && m_owner.HasOption(oRangeSelect);
    Select(keep ? m_selection : CellRange(cell), old);
    // Leaving a cell stores its edit; with oPermEdit the editor opens again on the new one.
    if (IXLEditHost* host = m_owner.EditHost()) {
        host->EditCell(this, nullptr);
        host->SetEditing(m_owner.HasOption(oPermEdit));
    }
    if (reveal == TXLReveal::MakeVisible)
        MakeVisible(CellRange(m_current));
    if (IsCurrentView())
        m_owner.CurrentChanged();
}

Rect TXLPane::WidenInTitles(Rect range) const
{
    const TXLPane& body = m_owner.Pane(sClient);
    // Whole columns (rows) and the merged ranges of the strip and of the body across them, until stable: a
    // range in one can reach further columns in the other.
    for (;;) {
        Rect widened = range;
        if (m_sector == sRows || m_sector == sTitle) {
            widened.left = 0;
            widened.right = Count(axCols);
        }
        if (m_sector == sCols || m_sector == sTitle) {
            widened.top = 0;
            widened.bottom = Count(axRows);
        }
        if (m_sector == sCols) {
            widened = ExpandByUnions(widened);
            const Rect inBody = body.ExpandByUnions({widened.left, 0, widened.right, body.Count(axRows)});
            widened.left = inBody.left;
            widened.right = inBody.right;
        } else if (m_sector == sRows) {
            widened = ExpandByUnions(widened);
            const Rect inBody = body.ExpandByUnions({0, widened.top, body.Count(axCols), widened.bottom});
            widened.top = inBody.top;
            widened.bottom = inBody.bottom;
        }
        if (widened == range)
            return range;
        range = widened;
    }
}

void TXLPane::Select(Rect range, Point oldCurrent, const TXLPane* source)
{
    if (!m_section)
        return;
    if (!range.IsEmpty()) {
        if (IsBody() && m_owner.HasOption(oRowSelect)) {
            range.left = 0;
            range.right = Count(axCols);
        } else if (!IsCurrentView()) {
            range = WidenInTitles(range);
        }
    }
    range = ExpandByUnions(range);
    if (!ClipToSheet(range))
        range = {};
    const bool changed = !range.IsEmpty() && range != m_selection;
    SwapSelection(range, oldCurrent);
    if (!changed)
        return;
    // A program writing through the selection object keeps what it set there.
    if (!m_selectionObject->IsBusy()) {
        TXLCell* first = m_section->FindCell(range.TopLeft());
        m_selectionObject->TakeOver(first ? static_cast<TXLPersistent&>(*first) : m_section->BaseStyle());
    }
    if (IsCurrentView())
        m_owner.SelectionChanged();
    PropagateSelection(source);
}

void TXLPane::PropagateSelection(const TXLPane* source)
{
    if (IsCurrentView()) {
        for (TXLSector sector : {sCols, sRows, sTitle}) {
            TXLPane& title = m_owner.Pane(sector);
            if (&title != source)
                title.ResetSelection();
        }
        return;
    }
    if (source && source != this)
        return;
    TXLPane& body = m_owner.Pane(sClient);
    if (!body.m_section)
        return;
    // The same columns (rows) in the body, everything from the corner; the body's current cell moves into them
    // at its top-left visible cell.
    Rect target{0, 0, body.Count(axCols), body.Count(axRows)};
    Point cell;
    body.CellAtPoint({0, 0}, TXLHitArea::Anywhere, cell);
    if (m_sector == sCols) {
        target.left = m_selection.left;
        target.right = m_selection.right;
        cell.x = m_current.x;
    } else if (m_sector == sRows) {
        target.top = m_selection.top;
        target.bottom = m_selection.bottom;
        cell.y = m_current.y;
    }
    const bool outside = !target.Contains(body.Current());
    if (outside)
        body.SetCurrent(cell, TXLCollapse::Keep, TXLReveal::MakeVisible);
    body.Select(target, body.Current(), this);
    if (outside && !body.CanEnterCell(cell) && body.StepCell(cell, dRight, TXLStepBounds::Selection))
        body.SetCurrent(cell, TXLCollapse::Keep, TXLReveal::MakeVisible);
}

void TXLPane::ResetSelection()
{
    SwapSelection({}, m_current);
}

void TXLPane::SelectedCellsRewritten()
{
    if (HasWindow())
        UpdateRegion(SelectionRegion(m_selection, m_current));
    if (IsCurrentView())
        m_owner.SelectionChanged();
}

void TXLPane::ClampCurrent()
{
    const Point current = AnchorOf(ClampCell(m_current));
    m_cursor = ClampCell(m_cursor);
    if (current == m_current)
        return;
    m_current = current;
    if (IsBody()) {
        m_owner.Pane(sCols).m_current.x = current.x;
        m_owner.Pane(sRows).m_current.y = current.y;
    }
    if (IsCurrentView())
        m_owner.CurrentChanged();
}

// Only the pixels whose inversion differs between the two selections are repainted; the paint pass inverts the
// selection afresh, so the result is the exclusive-or of the two regions applied to the screen.
void TXLPane::SwapSelection(const Rect& range, Point oldCurrent)
{
    if (HasWindow()) {
        UpdateRegion(SelectionRegion(m_selection, oldCurrent).Xor(SelectionRegion(range, m_current)));
        if (IsBody() && IsCurrentView() && m_owner.HasOption(oTitle3D)) {
            m_owner.Pane(sCols).InvalidateTitleMarks(m_selection, range);
            m_owner.Pane(sRows).InvalidateTitleMarks(m_selection, range);
        }
    }
    m_selection = range;
}

void TXLPane::InvalidateTitleMarks(const Rect& oldRange, const Rect& newRange)
{
    const auto widen = [this](Rect r) -> Rect {
        if (r.IsEmpty())
            return {};
        if (m_sector == sCols) {
            r.top = 0;
            r.bottom = Count(axRows);
        } else {
            r.left = 0;
            r.right = Count(axCols);
        }
        return ClipToSheet(r) ? ExpandByUnions(r) : Rect{};
    };
    for (const Rect& changed : Region(widen(oldRange)).Xor(widen(newRange)).Rects())
        InvalidateRange(changed, TXLUnionExpand::ByUnions, imGrown);
}

// ---- Stepping

bool TXLPane::OneStep(Point& p, TXLDirection direction, const Rect& bounds, bool wrap) const
{
    // A merged range is left as a whole: first to its edge in the direction of travel.
    if (const TXLUnion* merged = m_section->UnionAt(p, TXLAnchorRule::Include)) {
        const Rect& r = merged->GetRect();
        if (direction == dRight)
            p.x = r.right - 1;
        else if (direction == dDown)
            p.y = r.bottom - 1;
        else if (direction == dLeft)
            p.x = r.left;
        else if (direction == dUp)
            p.y = r.top;
        p = ClampCell(p);
    }
    const int first = direction == dRight || direction == dLeft ? bounds.left : bounds.top;
    const int last = direction == dRight || direction == dLeft ? bounds.right - 1 : bounds.bottom - 1;
    const int crossFirst = direction == dRight || direction == dLeft ? bounds.top : bounds.left;
    const int crossLast = direction == dRight || direction == dLeft ? bounds.bottom - 1 : bounds.right - 1;
    const TXLAxis along = direction == dRight || direction == dLeft ? axCols : axRows;
    int& c = Along(p, along);
    int& cross = Along(p, Across(along));
    switch (direction) {
    case dRight:
    case dDown:
        if (c < last) {
            ++c;
            return true;
        }
        if (!wrap)
            return false;
        c = first;
        cross = cross < crossLast ? cross + 1 : crossFirst;
        return true;
    case dLeft:
    case dUp:
        if (c > first) {
            --c;
            return true;
        }
        if (!wrap)
            return false;
        c = last;
        cross = cross > crossFirst ? cross - 1 : crossLast;
        return true;
    default:
        return false;
    }
}

bool TXLPane::StepCell(Point& cell, TXLDirection direction, TXLStepBounds bounds) const
{
    if (!m_section)
        return false;
    Rect area{0, 0, Count(axCols), Count(axRows)};
    bool wrap = m_owner.HasOption(oWrapKeys);
    if (bounds == TXLStepBounds::Selection && !m_selection.IsEmpty() && !IsSingleRange(*m_section, m_selection)) {
        area = m_selection;
        wrap = true;
    }
    if (area.IsEmpty())
        return false;
    Point p = ClampCell(cell);
    p = {std::clamp(p.x, area.left, area.right - 1), std::clamp(p.y, area.top, area.bottom - 1)};
    // Wrapping cycles through the bounds: after as many steps as they have cells every reachable one was seen.
    const int64_t limit = int64_t{area.Width()} * area.Height();
    for (int64_t visits = 0; visits <= limit; ++visits) {
        if (!OneStep(p, direction, area, wrap))
            return false;
        if (CanEnterCell(AnchorOf(p))) {
            cell = p;
            return true;
        }
    }
    return false;
}

void TXLPane::MoveCurrent(TXLDirection direction, TXLTurn turn)
{
    if (!m_owner.Sheet() || !m_section)
        return;
    Point cell = m_cursor;
    const bool single = m_selection.IsEmpty() || IsSingleRange(*m_section, m_selection);
    if (direction == dAuto)
        direction = m_owner.EnterDirection();
    if (turn == TXLTurn::Back)
        direction = Opposite(direction);
    if (StepCell(cell, direction, single ? TXLStepBounds::Section : TXLStepBounds::Selection)) {
        SetCurrent(cell, single ? TXLCollapse::Collapse : TXLCollapse::Keep, TXLReveal::MakeVisible);
        if (AnchorOf(cell) == m_current)
            m_cursor = cell;
    } else if (!m_owner.HasOption(oPermEdit)) {
        if (IXLEditHost* host = m_owner.EditHost())
            host->EditCell(nullptr, nullptr);
    }
}

void TXLPane::ExtendSelection(TXLKey key)
{
    if (!m_section || Count(axCols) == 0 || Count(axRows) == 0)
        return;
    TXLDirection direction = dNone;
    switch (key) {
    case TXLKey::Left:
        direction = dLeft;
        break;
    case TXLKey::Right:
        direction = dRight;
        break;
    case TXLKey::Up:
        direction = dUp;
        break;
    case TXLKey::Down:
        direction = dDown;
        break;
    case TXLKey::Home:
    case TXLKey::End:
        break;
    default:
        return;
    }
    Rect anchor = CellRange(m_current);
    const Rect selection = m_selection.IsEmpty() ? anchor : m_selection;
    // The corner in exclusive coordinates: the selection's far edge from the anchor; a selection reaching past
    // the anchor on both sides makes the anchor as wide (high) as itself.
    const auto cornerStart = [](int selFirst, int selEnd, int& anchorFirst, int& anchorEnd) {
        if (selFirst < anchorFirst && selEnd > anchorEnd) {
            anchorFirst = selFirst;
            anchorEnd = selEnd;
            return selEnd;
        }
        return selFirst < anchorFirst ? selFirst + 1 : selEnd;
    };
    Point corner{cornerStart(selection.left, selection.right, anchor.left, anchor.right),
                 cornerStart(selection.top, selection.bottom, anchor.top, anchor.bottom)};
    // One column (row) on, over items of size 0; false at the sheet's edge.
    const auto stepCorner = [this, &corner](TXLAxis axis, int delta) {
        const TXLSizeList& list = List(axis);
        int item = Along(corner, axis) - 1 + delta;
        while (item >= 0 && item < list.Count() && list.GetValue(item) == 0)
            item += delta;
        if (item < 0 || item >= list.Count())
            return false;
        Along(corner, axis) = item + 1;
        return true;
    };
    const auto moveCorner = [&] {
        switch (key) {
        case TXLKey::Home:
            if (corner.x == 1)
                return false;
            corner.x = 1;
            return true;
        case TXLKey::End:
            if (corner.x == Count(axCols))
                return false;
            corner.x = Count(axCols);
            return true;
        case TXLKey::Left:
            return stepCorner(axCols, -1);
        case TXLKey::Right:
            return stepCorner(axCols, 1);
        case TXLKey::Up:
            return stepCorner(axRows, -1);
        default:
            return stepCorner(axRows, 1);
        }
    };
    // A step that stays inside a merged range changes nothing: on until the selection changes.
    Rect result = selection;
    while (moveCorner()) {
        result = ExpandByUnions(anchor.Union({corner.x - 1, corner.y - 1, corner.x, corner.y}));
        if (result != selection)
            break;
    }
    if (direction != dNone)
        m_owner.SetAutoDirection(direction);
    Select(result, m_current);
    MakeVisible({corner.x - 1, corner.y - 1, corner.x, corner.y});
}

} // namespace qv
