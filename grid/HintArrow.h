// The cell hint's arrow and shadow on the body: where the hint window goes, what it covers, and their drawing.
#pragma once

#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace qv {

// A hint window showing for a cell: the arrow's tip at the cell's top-right corner and the window's rectangle,
// both in the pane's pixels.
struct TXLHintArrow {
    Point Tip;
    Rect Window;

    bool operator==(const TXLHintArrow&) const = default;
};

// The hint window's offset from the arrow's tip.
inline constexpr Point kHintWindowOffset{14, -11};

// The tip for a cell's (merged range's) pixel rectangle: one pixel inside its top-right corner.
constexpr Point HintArrowTip(const Rect& cellPixels)
{
    return {cellPixels.right - 1, cellPixels.top + 1};
}

// Where the window's top-left corner goes for a tip.
constexpr Point HintWindowTopLeft(Point tip)
{
    return tip.Offset(kHintWindowOffset.x, kHintWindowOffset.y);
}

// The pixels arrow and shadow may cover: from the tip to the window's top-left, and the window moved by (2, 2).
Rect HintArrowArea(const TXLHintArrow& arrow);

// With a black pen and brush: the line from the window's nearer corner to the tip, a filled head at the tip
// pointing along it, and the window's shadow (moved by (2, 2), its left edge one pixel further right).
void DrawHintArrow(TXLCanvas& canvas, const TXLHintArrow& arrow);

} // namespace qv
