// Pixel geometry: points, sizes and half-open rectangles as constexpr value types.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

namespace qv {

// a + b brought back into the int range: for coordinates that a program or a file may push past it.
constexpr int ClampedSum(int64_t a, int64_t b)
{
    return static_cast<int>(std::clamp<int64_t>(a + b, INT_MIN, INT_MAX));
}

struct Point {
    int x = 0;
    int y = 0;

    [[nodiscard]] constexpr Point Offset(int dx, int dy) const { return {x + dx, y + dy}; }
    constexpr bool operator==(const Point&) const = default;
};

struct Size {
    int cx = 0;
    int cy = 0;

    constexpr bool operator==(const Size&) const = default;
};

// Pixels [left, right) × [top, bottom): right and bottom are exclusive. Empty when either extent is 0 or less.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // The rectangle of the given size whose top-left pixel is origin.
    static constexpr Rect FromSize(Point origin, Size size)
    {
        return {origin.x, origin.y, origin.x + size.cx, origin.y + size.cy};
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr Size GetSize() const { return {Width(), Height()}; }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    // True when the two share at least one pixel.
    constexpr bool Intersects(const Rect& other) const { return !Intersect(other).IsEmpty(); }

    // The common pixels; the all-zero rectangle when there are none.
    [[nodiscard]] constexpr Rect Intersect(const Rect& other) const
    {
        const Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                     std::min(bottom, other.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }

    // The bounding rectangle of both; an empty operand does not count.
    [[nodiscard]] constexpr Rect Union(const Rect& other) const
    {
        if (other.IsEmpty()) {
            return IsEmpty() ? Rect{} : *this;
        }
        if (IsEmpty()) {
            return other;
        }
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }

    // A copy moved by (dx, dy).
    [[nodiscard]] constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }

    // A copy grown by dx on the left and right and dy on the top and bottom; negative values shrink it.
    [[nodiscard]] constexpr Rect Inflate(int dx, int dy) const
    {
        return {left - dx, top - dy, right + dx, bottom + dy};
    }

    constexpr bool operator==(const Rect&) const = default;
};

} // namespace qv
