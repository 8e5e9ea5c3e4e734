// RecordingCanvas: operation log, fixed text metrics and a software rasteriser for its pixel buffer.
#include "platform/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace qv {

namespace {

constexpr std::uint32_t kInvertMask = 0xFFFFFF;
constexpr int kZeroHeightLineHeight = 12;

// Whether the pen sets the pixel at this step of a line, step 0 being the line's first pixel.
bool PenPatternOn(TPenStyle style, int step)
{
    switch (style) {
    case psSolid:
        return true;
    case psDash: // 6 on, 2 off
        return step % 8 < 6;
    case psDot: // 1 on, 1 off
        return step % 2 == 0;
    case psDashDot: // 6 on, 2 off, 1 on, 2 off
        return step % 11 < 6 || step % 11 == 8;
    case psDashDotDot: // 6 on, 2 off, 1 on, 2 off, 1 on, 2 off
        return step % 14 < 6 || step % 14 == 8 || step % 14 == 11;
    case psClear:
        return false;
    }
    return false;
}

// The ring of the given thickness just inside rect.
Region Outline(const Rect& rect, int thickness)
{
    return Region(rect).Subtract(rect.Inflate(-thickness, -thickness));
}

} // namespace

RecordingCanvas::RecordingCanvas(Size surface, std::uint32_t background)
    : TXLCanvas(surface),
      m_pixels(std::size_t(std::max(0, surface.cx)) * std::size_t(std::max(0, surface.cy)), background)
{
}

int RecordingCanvas::LineHeightFor(int fontHeight)
{
    if (fontHeight == 0) {
        return kZeroHeightLineHeight;
    }
    return std::max(1, fontHeight < 0 ? -fontHeight : fontHeight);
}

int RecordingCanvas::CharWidth(char32_t code, int lineHeight)
{
    return code < 0x1100 ? std::max(1, lineHeight / 2) : lineHeight;
}

TextMetrics RecordingCanvas::GetTextMetrics() const
{
    const int lineHeight = LineHeightFor(Font().Height);
    return {lineHeight, CharWidth(U'x', lineHeight)};
}

int RecordingCanvas::MeasureRun(std::string_view run) const
{
    const int lineHeight = LineHeightFor(Font().Height);
    int width = 0;
    for (std::size_t pos = 0; pos < run.size();) {
        width += CharWidth(NextChar(run, pos), lineHeight);
    }
    return width;
}

CanvasOp& RecordingCanvas::Record(CanvasOpKind kind)
{
    CanvasOp& op = m_ops.emplace_back();
    op.Kind = kind;
    op.Depth = m_depth;
    op.Font = Font();
    op.Pen = Pen();
    op.Brush = Brush();
    op.BkMode = BkMode();
    op.Clip = ClipRegion();
    return op;
}

// ---- Pixels

void RecordingCanvas::Paint(const Region& area, std::uint32_t rgb)
{
    const int width = SurfaceRect().right;
    for (const Rect& r : area.Intersect(ClipRegion()).Rects()) {
        for (int y = r.top; y < r.bottom; ++y) {
            std::fill_n(m_pixels.begin() + std::ptrdiff_t(y) * width + r.left, r.Width(), rgb);
        }
    }
}

void RecordingCanvas::InvertPixel(Point p)
{
    m_pixels[std::size_t(p.y) * std::size_t(SurfaceRect().right) + std::size_t(p.x)] ^= kInvertMask;
}

// A pen of width w covers a w × w square around each pixel of the line.
void RecordingCanvas::PlotPenDot(Point p, std::uint32_t rgb)
{
    const int width = std::max(1, Pen().Width);
    const int before = (width - 1) / 2;
    Paint(Rect{p.x - before, p.y - before, p.x - before + width, p.y - before + width}, rgb);
}

// Bresenham's line from `from` up to but not including `to`.
void RecordingCanvas::PaintLine(Point from, Point to)
{
    const std::uint32_t rgb = ResolveColor(Pen().Color);
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Point p = from;
    for (int step = 0; p != to; ++step) {
        if (PenPatternOn(Pen().Style, step)) {
            PlotPenDot(p, rgb);
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

void RecordingCanvas::PaintPolyline(const std::vector<Point>& points)
{
    if (Pen().Style == psClear) {
        return;
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        PaintLine(points[i - 1], points[i]);
    }
}

// Pixels whose centre lies inside the polygon by the even-odd rule.
void RecordingCanvas::PaintPolygonInside(const std::vector<Point>& points, std::uint32_t rgb)
{
    if (points.size() < 3) {
        return;
    }
    const auto [minY, maxY] =
        std::minmax_element(points.begin(), points.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
    for (int y = minY->y; y < maxY->y; ++y) {
        const double centre = y + 0.5;
        std::vector<double> crossings;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i];
            const Point b = points[(i + 1) % points.size()];
            if ((a.y <= centre) != (b.y <= centre)) {
                crossings.push_back(a.x + (centre - a.y) * (b.x - a.x) / double(b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int first = int(std::ceil(crossings[i] - 0.5));
            const int last = int(std::ceil(crossings[i + 1] - 0.5));
            Paint(Rect{first, y, last, y + 1}, rgb);
        }
    }
}

std::uint32_t RecordingCanvas::PixelAt(Point p) const
{
    if (!SurfaceRect().Contains(p)) {
        throw std::out_of_range("pixel outside the recording canvas");
    }
    return m_pixels[std::size_t(p.y) * std::size_t(SurfaceRect().right) + std::size_t(p.x)];
}

Region RecordingCanvas::PixelsOfColor(std::uint32_t rgb) const
{
    Region result;
    const Rect surface = SurfaceRect();
    for (int y = 0; y < surface.bottom; ++y) {
        Region row;
        for (int x = 0; x < surface.right;) {
            if (PixelAt({x, y}) != rgb) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < surface.right && PixelAt({x, y}) == rgb) {
                ++x;
            }
            row = row.Union(Rect{start, y, x, y + 1});
        }
        result = result.Union(row);
    }
    return result;
}

// ---- Operations

void RecordingCanvas::FillRect(const Rect& rect)
{
    Record(CanvasOpKind::FillRect).Bounds = rect;
    if (Brush().Style == bsSolid) {
        Paint(rect, ResolveColor(Brush().Color));
    }
}

void RecordingCanvas::Rectangle(const Rect& rect)
{
    Record(CanvasOpKind::Rectangle).Bounds = rect;
    const int penWidth = Pen().Style == psClear ? 0 : std::max(1, Pen().Width);
    if (penWidth > 0) {
        Paint(Outline(rect, penWidth), ResolveColor(Pen().Color));
    }
    if (Brush().Style == bsSolid) {
        Paint(rect.Inflate(-penWidth, -penWidth), ResolveColor(Brush().Color));
    }
}

void RecordingCanvas::Polyline(const std::vector<Point>& points)
{
    Record(CanvasOpKind::Polyline).Lines = {points};
    PaintPolyline(points);
}

void RecordingCanvas::PolyPolyline(const std::vector<std::vector<Point>>& lines)
{
    Record(CanvasOpKind::PolyPolyline).Lines = lines;
    for (const std::vector<Point>& points : lines) {
        PaintPolyline(points);
    }
}

void RecordingCanvas::Polygon(const std::vector<Point>& points)
{
    Record(CanvasOpKind::Polygon).Lines = {points};
    if (Brush().Style == bsSolid) {
        PaintPolygonInside(points, ResolveColor(Brush().Color));
    }
    if (!points.empty()) {
        std::vector<Point> closed = points;
        closed.push_back(points.front());
        PaintPolyline(closed);
    }
}

void RecordingCanvas::DrawEdge(Rect& rect, unsigned edge, unsigned flags)
{
    CanvasOp& op = Record(CanvasOpKind::DrawEdge);
    op.Bounds = rect;
    op.Edge = edge;
    op.Flags = flags;
    ++m_depth;
    TXLCanvas::DrawEdge(rect, edge, flags);
    --m_depth;
}

void RecordingCanvas::DrawFocusRect(const Rect& rect)
{
    Record(CanvasOpKind::FocusRect).Bounds = rect;
    for (const Rect& r : Outline(rect, 1).Intersect(ClipRegion()).Rects()) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (((x + y) & 1) == 0) {
                    InvertPixel({x, y});
                }
            }
        }
    }
}

void RecordingCanvas::InvertRegion(const Region& region)
{
    Record(CanvasOpKind::InvertRegion).Area = region;
    for (const Rect& r : region.Intersect(ClipRegion()).Rects()) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                InvertPixel({x, y});
            }
        }
    }
}

void RecordingCanvas::StretchDraw(const Rect& rect, const TXLGraphicData& graphic)
{
    CanvasOp& op = Record(CanvasOpKind::StretchDraw);
    op.Bounds = rect;
    op.GraphicClass = graphic.ClassName;
}

int RecordingCanvas::DrawText(const std::string& text, Rect& rect, unsigned flags)
{
    CanvasOp& op = Record(CanvasOpKind::DrawText);
    op.Bounds = rect;
    op.Text = text;
    op.Flags = flags;
    ++m_depth;
    const int height = TXLCanvas::DrawText(text, rect, flags);
    --m_depth;
    return height;
}

void RecordingCanvas::DrawRun(Point topLeft, std::string_view run)
{
    const Rect box = Rect::FromSize(topLeft, {MeasureRun(run), GetTextMetrics().Height});
    CanvasOp& op = Record(CanvasOpKind::TextRun);
    op.Bounds = box;
    op.Text = run;
    if (BkMode() == bkOpaque && Brush().Style == bsSolid) {
        Paint(box, ResolveColor(Brush().Color));
    }
}

// ---- Queries

std::vector<CanvasOp> RecordingCanvas::OpsOfKind(CanvasOpKind kind) const
{
    std::vector<CanvasOp> result;
    std::copy_if(m_ops.begin(), m_ops.end(), std::back_inserter(result),
                 [kind](const CanvasOp& op) { return op.Kind == kind; });
    return result;
}

namespace {

bool FillReached(const CanvasOp& op, Point p)
{
    return op.Kind == CanvasOpKind::FillRect && op.Brush.Style == bsSolid && op.Bounds.Contains(p) &&
           op.Clip.Contains(p);
}

} // namespace

bool RecordingCanvas::WasFilled(Point p, TColor color) const
{
    return std::any_of(m_ops.begin(), m_ops.end(),
                       [&](const CanvasOp& op) { return FillReached(op, p) && op.Brush.Color == color; });
}

std::optional<TColor> RecordingCanvas::LastFillColorAt(Point p) const
{
    const auto last =
        std::find_if(m_ops.rbegin(), m_ops.rend(), [&](const CanvasOp& op) { return FillReached(op, p); });
    if (last == m_ops.rend()) {
        return std::nullopt;
    }
    return last->Brush.Color;
}

} // namespace qv
