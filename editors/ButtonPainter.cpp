// The edit button's edges and glyphs.
#include "editors/ButtonPainter.h"

#include <algorithm>

namespace qv {

namespace {

enum class Glyph : uint8_t { Up, Down, DropDown, Dots };

// The glyph fills a square of the font's height, centred in the part.
void DrawGlyph(TXLCanvas& canvas, const Rect& part, Glyph glyph, int size)
{
    const int cx = (part.left + part.right) / 2;
    const int cy = (part.top + part.bottom) / 2;
    const int half = std::max(2, size / 4); // half the triangle's base; its height
    canvas.SetPen({clBlack, 1, psClear});
    canvas.SetBrush({clBlack, bsSolid});
    switch (glyph) {
    case Glyph::Up:
        canvas.Polygon({{cx - half, cy + half / 2 + 1}, {cx + half + 1, cy + half / 2 + 1}, {cx, cy - half / 2 - 1}});
        break;
    case Glyph::Down:
        canvas.Polygon({{cx - half, cy - half / 2}, {cx + half + 1, cy - half / 2}, {cx, cy + half / 2 + 2}});
        break;
    case Glyph::DropDown: {
        const int top = cy - half;
        canvas.Polygon({{cx - half, top}, {cx + half + 1, top}, {cx, top + half + 2}});
        canvas.FillRect({cx - half, top + half + 3, cx + half + 1, top + half + 4});
        break;
    }
    case Glyph::Dots:
        for (int dx : {-half, 0, half})
            canvas.FillRect({cx + dx - 1, cy, cx + dx + 1, cy + 2});
        break;
    }
}

void PaintPart(TXLCanvas& canvas, Rect part, Glyph glyph, bool pressed, const TXLButtonLook& look, int size)
{
    const int width = part.Width();
    const int height = part.Height();
    Rect edge = part;
    if (pressed)
        canvas.DrawEdge(edge, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE | (look.Flat ? 0u : BF_FLAT));
    else
        canvas.DrawEdge(edge, look.Flat ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    if (pressed) {
        part.left += width % 2 + 1;
        part.top += height % 2 + 1;
    }
    DrawGlyph(canvas, part, glyph, size);
}

} // namespace

Rect SpinnerUpper(const Rect& client)
{
    return {client.left, client.top, client.right, client.bottom / 2};
}

Rect SpinnerLower(const Rect& client)
{
    return {client.left, client.bottom - client.bottom / 2, client.right, client.bottom};
}

void PaintEditButton(TXLCanvas& canvas, const Rect& client, const TXLButtonLook& look)
{
    if (look.Style == esNormal)
        return;
    canvas.SetBrush({look.Color, bsSolid});
    const bool pressedLook = look.Pressed && client.Contains(look.Mouse);
    int size = look.FontHeight;
    switch (look.Style) {
    case esSpinner: {
        size = std::min(size, client.bottom / 2 - 3);
        const Rect upper = SpinnerUpper(client);
        const Rect lower = SpinnerLower(client);
        PaintPart(canvas, upper, Glyph::Up, pressedLook && upper.Contains(look.Mouse), look, size);
        canvas.SetBrush({look.Color, bsSolid});
        PaintPart(canvas, lower, Glyph::Down, pressedLook && lower.Contains(look.Mouse), look, size);
        break;
    }
    case esButton:
        PaintPart(canvas, client, Glyph::Dots, pressedLook, look, size);
        break;
    case esDropDown:
        PaintPart(canvas, client, Glyph::DropDown, pressedLook, look, size);
        break;
    case esNormal:
        break;
    }
}

} // namespace qv
