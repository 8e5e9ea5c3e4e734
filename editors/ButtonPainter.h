// How the edit host's button looks: edges and glyphs on a canvas, so that tests can read its pixels.
#pragma once

#include "editors/EditorControl.h"
#include "platform/Canvas.h"

namespace qv {

struct TXLButtonLook {
    TXLEditStyle Style = esNormal;
    bool Flat = false;    // the host has no 3-D border: one ring instead of two
    bool Pressed = false; // held down with the mouse
    Point Mouse;          // the last mouse point while held, client coordinates
    int FontHeight = 11;  // the button font's character height in pixels; glyphs are drawn to it
    TColor Color = clBtnFace;
};

// The parts a spinner is split into: the upper half (rounded down) and the lower half.
Rect SpinnerUpper(const Rect& client);
Rect SpinnerLower(const Rect& client);

// Draws the button over client: nothing for esNormal; otherwise each part with a raised edge (sunken while held
// with the mouse over it) and its glyph, which moves right and down by a pixel or two while pressed: up and down
// triangles on a spinner, a down triangle over a bar for a drop-down, three dots for a plain button.
void PaintEditButton(TXLCanvas& canvas, const Rect& client, const TXLButtonLook& look);

} // namespace qv
