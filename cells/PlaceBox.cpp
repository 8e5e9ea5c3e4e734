// Box placement by mode and alignment.
#include "cells/PlaceBox.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace qv {

namespace {

// Picture sizes come from image headers and rectangles from the sheet: their sums are taken in 64 bits and
// brought back into the int range, so that a huge picture is placed far away instead of overflowing.
int ToInt(double value)
{
    return value >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(std::lround(std::max(value, 0.0)));
}

// Half of the free space, rounded towards minus infinity also when the box is larger than the room.
int64_t HalfOf(int64_t freeSpace)
{
    return freeSpace >= 0 ? freeSpace / 2 : -((1 - freeSpace) / 2);
}

Size FittedSize(const Rect& rect, Size size)
{
    if (size.cx <= 0 || size.cy <= 0)
        return {0, 0};
    const double fx = static_cast<double>(rect.Width()) / size.cx;
    const double fy = static_cast<double>(rect.Height()) / size.cy;
    if (fx > fy)
        return {ToInt(size.cx * fy), rect.Height()};
    return {rect.Width(), ToInt(size.cy * fx)};
}

} // namespace

Rect PlaceBox(const Rect& rect, Size size, const TXLLayout& layout, TXLBoxMode mode)
{
    if (mode == bmStretch)
        return rect;
    if (mode == bmFit)
        size = FittedSize(rect, size);
    int64_t left = rect.left;
    if (layout.HorzAlign == haRight)
        left = int64_t{rect.right} - size.cx;
    else if (layout.HorzAlign == haCenter)
        left = rect.left + HalfOf(int64_t{rect.right} - rect.left - size.cx);
    int64_t top = rect.top;
    if (layout.VertAlign == vaBottom)
        top = int64_t{rect.bottom} - size.cy;
    else if (layout.VertAlign == vaCenter)
        top = rect.top + HalfOf(int64_t{rect.bottom} - rect.top - size.cy);
    return {ClampedSum(left, 0), ClampedSum(top, 0), ClampedSum(left, size.cx), ClampedSum(top, size.cy)};
}

} // namespace qv
