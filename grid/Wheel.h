// The mouse wheel over a grid: the zoom of Ctrl+wheel and the lines a notch scrolls.
#pragma once

#include "grid/GridTypes.h"
#include "grid/Keys.h"

namespace qv {

class IXLPaneOwner;

// Ctrl+wheel zooms only within this range.
inline constexpr int kMaxWheelScale = 200;

// The scale one Ctrl+wheel event leads to: a positive delta adds 25 from 100 on and 15 below, any other
// subtracts 25 above 100 and 15 at or below; the result within 25..200.
int WheelZoom(int scale, int delta);
// The lines one wheel event scrolls the body, at least 1: (delta div 2) div rowDefHeight (at scale 100,
// truncated), plus one. Up for a positive delta.
int WheelLines(int delta, int rowDefHeight);
// The grid's wheel: nothing without a sheet or while the sizing tracker is chosen; with exactly Ctrl (and
// without oFixScale) the zoom, else the body scrolls by lines. True (handled) whenever there is a sheet.
bool MouseWheel(IXLPaneOwner& grid, int delta, TXLShiftState shift, TXLTracker tracker);

} // namespace qv
