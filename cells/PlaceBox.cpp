// Box placement by mode and alignment.
#include "cells/PlaceBox.h"

#include <cmath>

namespace qv {

namespace {

// Half of the free space, rounded towards minus infinity also when the box is larger than the room.
int HalfOf(int freeSpace)
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
        return {static_cast<int>(std::lround(size.cx * fy)), rect.Height()};
    return {rect.Width(), static_cast<int>(std::lround(size.cy * fx))};
}

} // namespace

Rect PlaceBox(const Rect& rect, Size size, const TXLLayout& layout, TXLBoxMode mode)
{
    if (mode == bmStretch)
        return rect;
    if (mode == bmFit)
        size = FittedSize(rect, size);
    int left = rect.left;
    if (layout.HorzAlign == haRight)
        left = rect.right - size.cx;
    else if (layout.HorzAlign == haCenter)
        left = rect.left + HalfOf(rect.Width() - size.cx);
    int top = rect.top;
    if (layout.VertAlign == vaBottom)
        top = rect.bottom - size.cy;
    else if (layout.VertAlign == vaCenter)
        top = rect.top + HalfOf(rect.Height() - size.cy);
    return Rect::FromSize({left, top}, size);
}

} // namespace qv
