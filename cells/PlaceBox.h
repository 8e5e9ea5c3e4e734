// Placing a box of a given size inside a cell rectangle: at its natural size, fitted, or stretched.
#pragma once

#include "platform/Geometry.h"
#include "sheet/CellTypes.h"

namespace qv {

// How a box takes its place in a rectangle.
enum TXLBoxMode : uint8_t {
    bmNatural, // the box keeps its size and is aligned by the layout
    bmFit,     // scaled to fit keeping its proportions, then aligned
    bmStretch, // the whole rectangle, no alignment
};

// A picture's wrap mode chooses its box mode: clip keeps the size, ellipsis fits, word wrap stretches.
constexpr TXLBoxMode BoxModeOf(TXLWrapMode wrap)
{
    return wrap == wmEllipsis ? bmFit : wrap == wmWrapWords ? bmStretch : bmNatural;
}

// The box inside rect (half-open). For bmNatural and bmFit the layout's alignments place it; centring gives half
// the free space rounded down. A size with no width or height fits as an empty box.
Rect PlaceBox(const Rect& rect, Size size, const TXLLayout& layout, TXLBoxMode mode);

} // namespace qv
