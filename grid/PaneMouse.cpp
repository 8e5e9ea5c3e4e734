// The pane's part of the mouse handling: the hit test that chooses a tracker, the sizing tracker's frame, and the
// cell hints' text and arrow.
#include "grid/Pane.h"

#include "grid/SectionPainter.h"
#include "sheet/Manager.h"
#include "sheet/Section.h"

namespace qv {

namespace {

// Where a boundary can be grabbed: this many pixels on either side of an item's edge.
constexpr int kBoundaryReach = 3;

Region Outline(const Rect& r)
{
    return Region(r).Subtract(Region(r.Inflate(-1, -1)));
}

} // namespace

TXLHit TXLPane::HitTest(Point p) const
{
    TXLHit hit;
    if (!m_section)
        return hit;
    const Point content = p.Offset(m_origin.x, m_origin.y);
    if (content.x < 0 || content.y < 0 || content.x >= m_extent.x || content.y >= m_extent.y)
        return hit;
    int colStart = content.x;
    const int col = m_cols.FindOffset(colStart);
    int rowStart = content.y;
    const int row = m_rows.FindOffset(rowStart);
    // The body never offers sizing: its boundaries are dragged in the titles.
    if (!IsBody()) {
        if (BoundaryAt(axCols, content.x, col, colStart, row, hit.Index)) {
            hit.Kind = TXLHitKind::ColBoundary;
            return hit;
        }
        if (BoundaryAt(axRows, content.y, row, rowStart, col, hit.Index)) {
            hit.Kind = TXLHitKind::RowBoundary;
            return hit;
        }
    }
    hit.Kind = TXLHitKind::Cell;
    hit.Cell = AnchorOf({col, row});
    return hit;
}

bool TXLPane::BoundaryAt(TXLAxis axis, int pos, int item, int itemStart, int across, int& index) const
{
    const TXLSizeList& list = List(axis);
    int boundary = 0;
    if (pos - itemStart < kBoundaryReach)
        boundary = item - 1;
    else if (itemStart + list.GetValue(item) - pos < kBoundaryReach)
        boundary = item;
    else
        return false;
    // A boundary after hidden items belongs to the last item one can see.
    while (boundary >= 0 && list.GetValue(boundary) == 0)
        --boundary;
    if (boundary < 0)
        return false;
    // Inside a merged range there is no boundary to drag.
    const int next = boundary + 1;
    if (next < Count(axis)) {
        const Point nextCell = axis == axCols ? Point{next, across} : Point{across, next};
        const Point anchor = AnchorOf(nextCell);
        if (Along(anchor, axis) < next)
            return false;
    }
    index = boundary;
    return true;
}

void TXLPane::SetTrackingFrame(const Rect& frame)
{
    if (frame == m_trackingFrame)
        return;
    if (!m_trackingFrame.IsEmpty())
        UpdateRegion(Outline(m_trackingFrame));
    m_trackingFrame = frame;
    if (!m_trackingFrame.IsEmpty())
        UpdateRegion(Outline(m_trackingFrame));
}

std::string TXLPane::HintTextAt(Point p) const
{
    Point cell;
    if (!m_section || !CellAtPoint(p, TXLHitArea::Content, cell))
        return {};
    std::string hint = m_section->GetHintAt(cell);
    Rect pixels;
    if (!hint.empty() || !CellRectToPixels(ExpandByUnions({cell.x, cell.y, cell.x + 1, cell.y + 1}), pixels, 0))
        return hint;
    // A figure shown as "#"s for want of width shows in full while the mouse rests on it; the stored hint (and so
    // the file) stays as it was.
    const auto frame = static_cast<TXLFrame>(m_section->GetLayerValue(kLayerFrame, cell.x, cell.y));
    return FilledCellText(XLManager().Devices().MeasureCanvas(), *m_section, cell, pixels, frame, m_owner.Scale())
        .value_or(std::string());
}

void TXLPane::SetHintArrow(const TXLHintArrow& arrow)
{
    if (m_hintArrow == arrow)
        return;
    ClearHintArrow();
    m_hintArrow = arrow;
    UpdateRect(HintArrowArea(arrow));
}

void TXLPane::ClearHintArrow()
{
    if (!m_hintArrow)
        return;
    UpdateRect(HintArrowArea(*m_hintArrow));
    m_hintArrow.reset();
}

} // namespace qv
