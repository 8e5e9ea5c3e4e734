// The hint arrow's geometry and drawing.
#include "grid/HintArrow.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace qv {

namespace {

// The head, pointing along +x with its point at the origin.
constexpr Point kHead[] = {{0, 0}, {-6, -3}, {-6, 3}};

Rect Spanned(Point a, Point b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

Rect Shadow(const Rect& window)
{
    return {window.left + 3, window.top + 2, window.right + 2, window.bottom + 2};
}

} // namespace

Rect HintArrowArea(const TXLHintArrow& arrow)
{
    const Rect line = Spanned(arrow.Tip, arrow.Window.TopLeft()).Inflate(6, 6);
    const Rect moved{arrow.Window.left + 2, arrow.Window.top + 2, arrow.Window.right + 2, arrow.Window.bottom + 2};
    return line.Union(moved);
}

void DrawHintArrow(TXLCanvas& canvas, const TXLHintArrow& arrow)
{
    const Rect& w = arrow.Window;
    const Point tip = arrow.Tip;
    const Point start{tip.x > w.right ? w.right : w.left, tip.y > w.bottom ? w.bottom : w.top};
    canvas.SaveState();
    canvas.SetPen({clBlack, 1, psSolid});
    canvas.SetBrush({clBlack, bsSolid});
    canvas.MoveTo(start);
    canvas.LineTo(tip);
    const int dx = tip.x - start.x;
    const int dy = tip.y - start.y;
    // A vertical line points straight up or down.
    const double angle = dx == 0 ? (dy < 0 ? -std::numbers::pi / 2 : std::numbers::pi / 2) : std::atan2(dy, dx);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    std::vector<Point> head;
    for (const Point& p : kHead)
        head.push_back({tip.x + static_cast<int>(std::lround(p.x * c - p.y * s)),
                        tip.y + static_cast<int>(std::lround(p.x * s + p.y * c))});
    canvas.Polygon(head);
    canvas.FillRect(Shadow(w));
    canvas.RestoreState();
}

} // namespace qv
