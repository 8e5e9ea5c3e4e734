// Panes: pixel geometry over the scaled lists, scrolling, invalidation, the selection's pixels and the paint pass.
#include "grid/Pane.h"

#include "grid/SectionPainter.h"
#include "grid/Selection.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"
#include "sheet/Style.h"

#include <algorithm>

namespace qv {

namespace {

constexpr int kSelectionMargin = 10; // selection rectangles are limited to the client area grown by this
constexpr int kLineSizeSlack = 5;    // a size change repaints from this far before the item

} // namespace

TXLPane::TXLPane(IXLPaneOwner& owner, IXLPaneHost& host, TXLSector sector, TXLSizeList& cols, TXLSizeList& rows)
    : m_owner(owner), m_host(host), m_sector(sector), m_selectionObject(std::make_unique<TXLSelection>(*this)),
      m_cols(cols), m_rows(rows)
{
}

TXLPane::~TXLPane() = default;

void TXLPane::SetSection(TXLSection* section)
{
    m_section = section;
}

void TXLPane::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    Invalidate();
}

void TXLPane::SetCtl3D(bool on)
{
    if (on == m_ctl3D)
        return;
    m_ctl3D = on;
    Invalidate();
}

// ---- Geometry

bool TXLPane::CellAtPoint(Point p, TXLHitArea area, Point& cell) const
{
    const Point content = p.Offset(m_origin.x, m_origin.y);
    int x = content.x;
    int y = content.y;
    cell = AnchorOf({m_cols.FindOffset(x), m_rows.FindOffset(y)});
    return area == TXLHitArea::Anywhere ||
           (content.x >= 0 && content.y >= 0 && content.x < m_extent.x && content.y < m_extent.y);
}

bool TXLPane::CellsAtRect(const Rect& r, Rect& range) const
{
    int x = r.left + m_origin.x;
    int y = r.top + m_origin.y;
    const int left = m_cols.FindOffset(x);
    const int top = m_rows.FindOffset(y);
    if (left >= Count(axCols) || top >= Count(axRows))
        return false;
    // The item under the exclusive edge counts only when the edge lies past its start.
    const int rightPixel = r.right + m_origin.x;
    const int bottomPixel = r.bottom + m_origin.y;
    int rightStart = rightPixel;
    int bottomStart = bottomPixel;
    int right = m_cols.FindOffset(rightStart);
    int bottom = m_rows.FindOffset(bottomStart);
    if (rightPixel > rightStart)
        ++right;
    if (bottomPixel > bottomStart)
        ++bottom;
    range = {left, top, right, bottom};
    return ClipToSheet(range);
}

bool TXLPane::CellRectToPixels(const Rect& range, Rect& r, int inset) const
{
    r = {m_cols.GetOffset(range.left) - m_origin.x, m_rows.GetOffset(range.top) - m_origin.y,
         m_cols.GetOffset(range.right) - m_origin.x, m_rows.GetOffset(range.bottom) - m_origin.y};
    if (r.left >= m_extent.x || r.right > m_extent.x || r.top >= m_extent.y || r.bottom > m_extent.y || r.IsEmpty())
        return false;
    if (inset == 1)
        r = {r.left + 1, r.top + 1, r.right - 2, r.bottom - 2};
    else if (inset == 2)
        r = {r.left + 2, r.top + 2, r.right - 3, r.bottom - 3};
    return true;
}

Point TXLPane::ClampCell(Point cell) const
{
    const int cols = Count(axCols);
    const int rows = Count(axRows);
    return {cols == 0 ? 0 : std::clamp(cell.x, 0, cols - 1), rows == 0 ? 0 : std::clamp(cell.y, 0, rows - 1)};
}

bool TXLPane::ClipToSheet(Rect& range) const
{
    range = range.Intersect({0, 0, Count(axCols), Count(axRows)});
    return !range.IsEmpty();
}

Point TXLPane::AnchorOf(Point cell) const
{
    if (m_section)
        if (const TXLUnion* merged = m_section->UnionAt(cell, TXLAnchorRule::Include))
            cell = merged->GetRect().TopLeft();
    return ClampCell(cell);
}

Rect TXLPane::ExpandByUnions(Rect range) const
{
    return m_section ? m_section->ExpandToUnions(range) : range;
}

bool TXLPane::CanEnterCell(Point cell) const
{
    if (!m_section || cell.x < 0 || cell.y < 0 || cell.x >= Count(axCols) || cell.y >= Count(axRows))
        return false;
    if (m_cols.GetValue(cell.x) <= 0 || m_rows.GetValue(cell.y) <= 0 ||
        m_section->UnionAt(cell, TXLAnchorRule::Exclude))
        return false;
    const int32_t styles = m_section->GetLayerValue(kLayerStyles, cell.x, cell.y);
    return (styles & (CellStyleBit(csHidden) | CellStyleBit(csProtect))) == 0;
}

// ---- Invalidation

void TXLPane::UpdateRect(const Rect& r)
{
    const Rect visible = r.Intersect(ClientRect());
    if (HasWindow() && !visible.IsEmpty())
        m_host.InvalidateRegion(Region(visible));
}

void TXLPane::UpdateRegion(const Region& region)
{
    const Region visible = region.Intersect(ClientRect());
    if (!HasWindow() || visible.IsEmpty())
        return;
    m_host.InvalidateRegion(visible);
}

void TXLPane::InvalidateRange(Rect range, TXLUnionExpand expand, TXLInvalidateMode mode)
{
    if (!HasWindow())
        return;
    if (expand == TXLUnionExpand::ByUnions)
        range = ExpandByUnions(range);
    Rect cells;
    if (!CellRectToPixels(range, cells, 0) || cells.Intersect(ClientRect()).IsEmpty())
        return;
    // The inner rectangle is the cells inset by 2 on the left and top and by 3 on the right and bottom; the modes
    // are worked out from the cells' own rectangle, so that cells too small for an inner rectangle still repaint.
    const Rect inner{cells.left + 2, cells.top + 2, cells.right - 3, cells.bottom - 3};
    switch (mode) {
    case imRing:
        UpdateRegion(Region(inner.Inflate(4, 4)).Subtract(inner));
        break;
    case imGrown:
        UpdateRect({cells.left - 1, cells.top - 1, cells.right, cells.bottom});
        break;
    default:
        UpdateRect(inner);
        break;
    }
}

void TXLPane::Invalidate()
{
    if (IsLocked()) {
        m_repaintPending = true;
        return;
    }
    if (HasWindow())
        m_host.InvalidateAll();
    m_repaintPending = false;
}

void TXLPane::BeginUpdate()
{
    if (m_updateCount++ == 0)
        m_repaintPending = false;
}

void TXLPane::EndUpdate()
{
    if (m_updateCount == 0 || --m_updateCount > 0)
        return;
    UpdateScrollBars(true);
    if (m_repaintPending)
        Invalidate();
}

// ---- Scrolling

bool TXLPane::SetOrigin(Point p)
{
    if (p == m_origin)
        return false;
    if (HasWindow()) {
        // The host moves the pixels (and child windows) and repaints only the strip uncovered.
        m_host.ScrollContent(m_origin.x - p.x, m_origin.y - p.y);
        if (!IsBody())
            m_host.InvalidateAll();
    }
    if (m_hintArrow) {
        // The arrow stays on its cell.
        const Point by{m_origin.x - p.x, m_origin.y - p.y};
        SetHintArrow({m_hintArrow->Tip.Offset(by.x, by.y), m_hintArrow->Window.Offset(by.x, by.y)});
    }
    m_origin = p;
    UpdateScrollBars(false);
    for (TXLAxis axis : {axCols, axRows}) {
        TXLPane* linked = m_linked[axis];
        if (!linked)
            continue;
        Point follow = linked->Origin();
        Along(follow, axis) = Along(p, axis);
        linked->SetOrigin(follow);
    }
    if (IsBody())
        m_owner.BodyOriginChanged(p);
    return true;
}

bool TXLPane::ClampOrigin(Point p)
{
    for (TXLAxis axis : {axCols, axRows}) {
        int& c = Along(p, axis);
        const int extent = Along(m_extent, axis);
        const int client = ClientSize(axis);
        c = std::max(c, 0);
        if (extent < c + client)
            c = client < extent ? extent - client : 0;
    }
    return p != m_origin && SetOrigin(p);
}

void TXLPane::SetExtent(Point extent)
{
    if (IsLocked()) {
        m_extent = extent;
        UpdateScrollBars(true);
        return;
    }
    if (extent == m_extent)
        return;
    if (!HasWindow()) {
        m_extent = extent;
        return;
    }
    const Rect before = Rect{0, 0, m_extent.x - m_origin.x, m_extent.y - m_origin.y}.Intersect(ClientRect());
    m_extent = extent;
    UpdateScrollBars(true);
    const Rect after = Rect{0, 0, m_extent.x - m_origin.x, m_extent.y - m_origin.y}.Intersect(ClientRect());
    UpdateRegion(Region(before).Xor(after));
}

void TXLPane::MakeVisible(const Rect& range)
{
    Rect r;
    if (!CellRectToPixels(range, r, 0))
        return;
    Point origin = m_origin;
    const Point start = r.TopLeft();
    const Point end{r.right, r.bottom};
    for (TXLAxis axis : {axCols, axRows}) {
        if (Along(start, axis) <= 0)
            Along(origin, axis) += Along(start, axis);
        else if (Along(end, axis) > ClientSize(axis))
            Along(origin, axis) += Along(end, axis) - ClientSize(axis);
    }
    if (origin == m_origin)
        return;
    // No partial item before the range at the leading edge.
    for (TXLAxis axis : {axCols, axRows}) {
        const TXLSizeList& list = List(axis);
        int itemStart = Along(origin, axis);
        const int item = list.FindOffset(itemStart);
        const int first = axis == axCols ? range.left : range.top;
        if (item < first && itemStart < Along(origin, axis))
            Along(origin, axis) = itemStart + list.GetValue(item);
    }
    ClampOrigin(origin);
}

TXLTopLeft TXLPane::TopLeft() const
{
    TXLTopLeft topLeft;
    for (TXLAxis axis : {axCols, axRows}) {
        int start = Along(m_origin, axis);
        const int item = List(axis).FindOffset(start);
        Along(topLeft.Item, axis) = item;
        Along(topLeft.Within, axis) = Along(m_origin, axis) - start;
        Along(topLeft.ItemSize, axis) = List(axis).GetValue(item);
    }
    return topLeft;
}

void TXLPane::ShowAtTopLeft(const TXLTopLeft& topLeft)
{
    Point origin;
    for (TXLAxis axis : {axCols, axRows}) {
        const int item = Along(topLeft.Item, axis);
        const int oldSize = Along(topLeft.ItemSize, axis);
        const int64_t within =
            oldSize > 0 ? int64_t{Along(topLeft.Within, axis)} * List(axis).GetValue(item) / oldSize : 0;
        Along(origin, axis) = List(axis).GetOffset(item) + static_cast<int>(within);
    }
    ClampOrigin(origin);
}

int TXLPane::ScrollPosFor(TXLAxis axis, TXLScrollCode code, int value) const
{
    const TXLSizeList& list = List(axis);
    const int client = ClientSize(axis);
    const int origin = Along(m_origin, axis);
    const int extent = Along(m_extent, axis);
    const bool tracking = m_owner.HasScroll(sTracking);
    const auto snap = [&](int pixel) {
        list.FindOffset(pixel);
        return pixel;
    };
    const auto lineDown = [&] {
        int start = origin;
        int item = list.FindOffset(start);
        while (item + 1 < list.Count() && list.GetValue(item) == 0)
            ++item;
        return start + list.GetValue(item);
    };
    int result = origin;
    switch (code) {
    case scLineUp:
        result = snap(origin - 1);
        break;
    case scLineDown:
        result = lineDown();
        break;
    case scPageUp:
        result = snap(origin - client);
        break;
    case scPageDown:
        result = snap(origin + client);
        if (result <= origin)
            result = lineDown();
        break;
    case scThumbPosition:
        result = tracking ? value : snap(value);
        break;
    case scThumbTrack:
        result = tracking ? value : origin;
        break;
    case scTop:
        result = 0;
        break;
    case scBottom:
        result = extent - client;
        break;
    }
    return std::max(0, std::min(result, extent - client));
}

void TXLPane::UpdateScrollBars(bool clamp)
{
    if (!IsBody() || !HasWindow() || m_updatingBars)
        return;
    if (clamp && ClampOrigin(m_origin))
        return;
    if (!m_owner.HasScroll(sHorizontal) && !m_owner.HasScroll(sVertical) && !m_owner.HasScroll(sTracking))
        return;
    m_updatingBars = true;
    const Size initial = ClientSize();
    // A bar that appears or disappears changes the client size, and so perhaps the other bar: once more then.
    for (int pass = 0; pass < 2; ++pass) {
        const Size before = ClientSize();
        bool barsChanged = false;
        for (TXLAxis axis : {axRows, axCols}) {
            const int extent = Along(m_extent, axis);
            const int client = ClientSize(axis);
            const TXLScrollBarState state{std::max(0, extent - client), std::max(1, client), Along(m_origin, axis),
                                          m_owner.HasScroll(axis == axCols ? sHorizontal : sVertical) &&
                                              extent > client};
            barsChanged = m_owner.SetScrollBar(axis, state) || barsChanged;
        }
        if (!barsChanged)
            break;
        m_owner.AlignPanes();
        if (ClientSize() == before)
            break;
    }
    m_updatingBars = false;
    // A grown client may now show space past the content.
    if (ClientSize() != initial)
        ClampOrigin(m_origin);
}

void TXLPane::LineSizeChanged(TXLAxis axis, int start, int newSize, int oldSize)
{
    const int diff = newSize - oldSize;
    Along(m_extent, axis) += diff;
    const int origin = Along(m_origin, axis);
    const int client = ClientSize(axis);
    const int larger = std::max(newSize, oldSize);
    if (start + larger <= origin) {
        // Wholly before the visible part: the content shown stays where it is, under a moved origin. Each pane
        // showing the list is told, so the linked panes are not moved along, and linked grids see no scrolling.
        Along(m_origin, axis) += diff;
        UpdateScrollBars(false);
        if (BackgroundGraphic())
            Invalidate();
    } else if (HasWindow() && diff != 0) {
        const int oldEnd = start + oldSize - origin;
        const int contentEnd = std::max(client, Along(m_extent, axis) - diff - origin) + kLineSizeSlack;
        if (oldEnd < contentEnd) {
            const Size size = ClientSize();
            const Rect moving =
                axis == axCols ? Rect{oldEnd, 0, contentEnd, size.cy} : Rect{0, oldEnd, size.cx, contentEnd};
            const Rect inside = moving.Intersect(ClientRect());
            if (!inside.IsEmpty())
                m_host.ScrollContent(axis == axCols ? diff : 0, axis == axRows ? diff : 0, inside);
        }
        // The item itself is repainted (the rest of the content was moved); a picture does not move with it.
        if (start + larger > origin - kLineSizeSlack && start < origin + client + kLineSizeSlack) {
            if (BackgroundGraphic() || IsLocked()) {
                Invalidate();
            } else {
                const int from = start - origin - kLineSizeSlack;
                const int to = start + larger - origin + kLineSizeSlack;
                UpdateRect(axis == axCols ? Rect{from, 0, to, ClientSize().cy} : Rect{0, from, ClientSize().cx, to});
            }
        }
    }
    // Merged ranges across the item change their pixels as a whole.
    if (m_section && HasWindow()) {
        for (const auto& merged : m_section->Unions()) {
            const Rect& cells = merged->GetRect();
            const int first = List(axis).GetOffset(axis == axCols ? cells.left : cells.top);
            const int last = List(axis).GetOffset(axis == axCols ? cells.right : cells.bottom);
            if (first > start + larger || last < start)
                continue;
            if (IsLocked()) {
                Invalidate();
                break;
            }
            InvalidateRange(cells, TXLUnionExpand::None, imGrown);
        }
    }
    if (!IsLocked())
        UpdateScrollBars(true);
    if (!ClientRect().IsEmpty()) {
        if (m_sector == sRows || m_sector == sTitle)
            m_host.ResizeClient({m_extent.x, ClientSize().cy});
        if (m_sector == sCols || m_sector == sTitle)
            m_host.ResizeClient({ClientSize().cx, m_extent.y});
    }
}

// ---- Selection display

Region TXLPane::SelectionRegion(const Rect& range, Point current) const
{
    if (range.IsEmpty())
        return {};
    const Rect limit = ClientRect().Inflate(kSelectionMargin, kSelectionMargin);
    Rect r;
    if (!IsCurrentView())
        return CellRectToPixels(range, r, 0) ? Region(r.Intersect(limit)) : Region();
    if (!CellRectToPixels(range, r, 1))
        return {};
    r = r.Intersect(limit);
    if (r.IsEmpty())
        return {};
    Region region(r);
    if (m_ctl3D) {
        // A 3-pixel frame outside r, a 1-pixel gap just inside it, then the inside.
        region = Region(r.Inflate(3, 3).Intersect(limit)).Subtract(r).Union(r.Inflate(-1, -1));
    }
    if ((m_owner.HasOption(oDrawFocus) || m_owner.HasOption(oPermEdit)) && range.Contains(current) && m_section) {
        Rect focus;
        if (CellRectToPixels(CellRange(current), focus, 2))
            region = region.Xor(focus.Intersect(limit));
    }
    return region;
}

// ---- Painting

const TXLGraphicData* TXLPane::BackgroundGraphic() const
{
    if (!IsBody() || !m_owner.Sheet())
        return nullptr;
    const TXLGraphicData& graphic = m_owner.Sheet()->Background();
    return graphic.IsEmpty() ? nullptr : &graphic;
}

void TXLPane::PaintBackground(TXLCanvas& canvas, const Rect& rect) const
{
    const TXLGraphicData* graphic = BackgroundGraphic();
    if (!graphic || graphic->Transparent) {
        canvas.SetBrush({m_color, bsSolid});
        canvas.FillRect(rect);
    }
    if (!graphic)
        return;
    // Tiles sit at multiples of the picture's size in content pixels, so they scroll with the cells.
    canvas.TileDraw(rect, {-m_origin.x, -m_origin.y}, *graphic);
}

void TXLPane::DrawPageBreaks(TXLCanvas& canvas, const Rect& cellPixels) const
{
    const TXLSheet* sheet = m_owner.Sheet();
    if (!sheet)
        return;
    if (!m_pageBreaks) {
        m_pageBreaks.emplace();
        sheet->GetPageBreaks(m_pageBreaks->cols, m_pageBreaks->rows);
    }
    const std::vector<int>& colBreaks = m_pageBreaks->cols;
    const std::vector<int>& rowBreaks = m_pageBreaks->rows;
    if (colBreaks.empty() || rowBreaks.empty())
        return;
    const auto x = [&](int index) { return m_cols.GetOffset(index) - m_origin.x; };
    const auto y = [&](int index) { return m_rows.GetOffset(index) - m_origin.y; };
    const int lastX = x(colBreaks.back()) - 1;
    const int lastY = y(rowBreaks.back()) - 1;
    canvas.SetPen({clBlue, 3, psSolid});
    canvas.Polyline({{0, lastY}, {lastX, lastY}, {lastX, 0}});
    canvas.SetPen({clBlue, 1, psSolid});
    std::vector<std::vector<Point>> lines;
    for (std::size_t i = 0; i + 1 < colBreaks.size(); ++i)
        lines.push_back({{x(colBreaks[i]) - 1, cellPixels.top}, {x(colBreaks[i]) - 1, cellPixels.bottom}});
    for (std::size_t i = 0; i + 1 < rowBreaks.size(); ++i)
        lines.push_back({{cellPixels.left, y(rowBreaks[i]) - 1}, {cellPixels.right, y(rowBreaks[i]) - 1}});
    if (!lines.empty())
        canvas.PolyPolyline(lines);
}

void TXLPane::Paint(TXLCanvas& canvas, const Rect& paintRect) const
{
    const Region paintRegion(paintRect);
    canvas.SetClipRegion(paintRegion);
    Rect range;
    Rect pixels;
    if (!m_section || !CellsAtRect(paintRect, range) || !CellRectToPixels(range, pixels, 0)) {
        PaintBackground(canvas, paintRect);
    } else {
        PaintPass(canvas, paintRect, range, pixels);
    }
    canvas.SetClipRegion(paintRegion);
    canvas.InvertRegion(SelectionRegion(m_selection, m_current));
    if (!m_trackingFrame.IsEmpty())
        canvas.DrawFocusRect(m_trackingFrame);
    if (m_hintArrow)
        DrawHintArrow(canvas, *m_hintArrow);
}

void TXLPane::PaintPass(TXLCanvas& canvas, const Rect& paintRect, const Rect& range, const Rect& pixels) const
{
    TXLPaintContext context;
    context.Canvas = &canvas;
    context.Section = m_section;
    context.Cols = &m_cols;
    context.Rows = &m_rows;
    context.PaintRect = paintRect;
    context.Range = range;
    context.TopLeft = pixels.TopLeft();
    context.Scale = m_owner.Scale();
    context.VertLines = m_owner.HasOption(oVertLines);
    context.HorzLines = m_owner.HasOption(oHorzLines);
    context.ShowHint = m_owner.ShowHint();
    context.BorderLines = IsBody();
    context.PaintBackground = [this](TXLCanvas& c, const Rect& r) { PaintBackground(c, r); };
    // A range reaching into the painted pixels has cells among those painted.
    for (TXLUnion* merged : m_section->UnionsIntersecting(range)) {
        const Rect& cells = merged->GetRect();
        const Rect mergedPixels{m_cols.GetOffset(cells.left) - m_origin.x, m_rows.GetOffset(cells.top) - m_origin.y,
                                m_cols.GetOffset(cells.right) - m_origin.x,
                                m_rows.GetOffset(cells.bottom) - m_origin.y};
        if (mergedPixels.Intersects(paintRect))
            context.Unions.push_back({merged, mergedPixels});
    }
    // Title strips show the body's selected columns (rows) raised.
    Rect raised;
    if (!IsCurrentView() && (m_sector == sCols || m_sector == sRows) && m_owner.HasOption(oTitle3D)) {
        const Rect bodySelection = m_owner.Pane(sClient).Selection();
        if (!bodySelection.IsEmpty()) {
            raised = m_sector == sCols ? Rect{bodySelection.left, 0, bodySelection.right, Count(axRows)}
                                       : Rect{0, bodySelection.top, Count(axCols), bodySelection.bottom};
            raised = ExpandByUnions(raised);
        }
    }
    if (!raised.IsEmpty()) {
        const TXLSection* section = m_section;
        context.FrameOf = [raised, section](Point p) {
            return raised.Contains(p) ? frDeepUp : static_cast<TXLFrame>(section->GetLayerValue(kLayerFrame, p.x, p.y));
        };
    }
    PaintSection(context);
    if (IsBody() && m_owner.HasOption(oPageBreak))
        DrawPageBreaks(canvas, pixels);
}

void TXLPane::ClientChanged(TXLClientChange change)
{
    if (IsBody() && (change == TXLClientChange::Shown || !IsLocked()))
        UpdateScrollBars(true);
}

} // namespace qv
