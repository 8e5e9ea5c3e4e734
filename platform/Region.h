// Region: a set of pixels kept as disjoint rectangles in a canonical band form, with the set operations clipping needs.
#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <vector>

namespace qv {

// A set of pixels. Stored as horizontal bands, each holding sorted, disjoint, non-touching spans; bands with equal
// spans that touch are merged. The form is unique for a pixel set, so equality of regions is equality of pixels.
// Operations cost O(bands × spans) of both operands, meant for regions of up to a few hundred rectangles.
class Region {
public:
    Region() = default;
    // The pixels of rect (half-open); empty for an empty rect. Implicit: a rectangle is a region.
    Region(const Rect& rect);

    bool IsEmpty() const { return m_bands.empty(); }
    bool Contains(Point p) const;
    // The smallest rectangle holding every pixel; the all-zero rectangle for an empty region.
    Rect Bounds() const;
    // The canonical rectangles: bands from top to bottom, each band's rectangles from left to right.
    std::vector<Rect> Rects() const;
    // The number of pixels.
    std::int64_t Area() const;

    [[nodiscard]] Region Union(const Region& other) const;
    [[nodiscard]] Region Subtract(const Region& other) const;
    [[nodiscard]] Region Intersect(const Region& other) const;
    // Pixels in exactly one of the two.
    [[nodiscard]] Region Xor(const Region& other) const;
    [[nodiscard]] Region Offset(int dx, int dy) const;

    bool operator==(const Region&) const = default;

private:
    struct Span {
        int left;
        int right; // exclusive
        bool operator==(const Span&) const = default;
    };
    struct Band {
        int top;
        int bottom; // exclusive
        std::vector<Span> spans;
        bool operator==(const Band&) const = default;
    };
    enum class Op { Union, Subtract, Intersect, Xor };

    static bool Keeps(Op op, bool inFirst, bool inSecond);
    static std::vector<Span> CombineSpans(const std::vector<Span>& first, const std::vector<Span>& second, Op op);
    static Region Combine(const Region& first, const Region& second, Op op);

    std::vector<Band> m_bands;
};

} // namespace qv
