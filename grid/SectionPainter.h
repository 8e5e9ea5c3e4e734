// The section painter: draws the cells of one pane's section under a dirty rectangle onto a canvas.
#pragma once

#include "platform/Canvas.h"
#include "sheet/CellTypes.h"
#include "sheet/ProZeroSList.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

class TXLCell;
class TXLSection;
class TXLUnion;

// What a pane hands the painter for one paint pass. Pixels are pane pixels; Range is half-open.
struct TXLPaintContext {
    TXLCanvas* Canvas = nullptr;
    const TXLSection* Section = nullptr;
    const TXLSizeList* Cols = nullptr; // the pane's scaled lists
    const TXLSizeList* Rows = nullptr;
    Rect PaintRect; // the dirty pixels; every drawing is clipped to them
    Rect Range;     // the cells under PaintRect
    Point TopLeft;  // the pixel of Range's top-left cell
    struct MergedRange {
        const TXLUnion* Union;
        Rect Pixels; // the whole range's pixels, origin applied
    };
    std::vector<MergedRange> Unions; // the merged ranges meeting PaintRect
    int Scale = 100;
    bool VertLines = true;
    bool HorzLines = true;
    bool ShowHint = false;
    bool BorderLines = false; // the body draws the cells' stored border lines
    // The frame a position is drawn with; unset: the section's frame layer.
    std::function<TXLFrame(Point)> FrameOf;
    // Fills what the clip leaves of a rectangle with the pane's colour or background picture.
    std::function<void(TXLCanvas&, const Rect&)> PaintBackground;
};

// Cell colours (covering the grid-line pixels on all four sides), background, grid lines (only when the lines
// colour differs from the base colour and Scale is above 25; merged ranges are not crossed), merged ranges once,
// then the remaining cells row by row with their frames and diagonals, and last the body's border lines. Columns
// and rows of size 0 are skipped; only the cells of Range are visited.
void PaintSection(const TXLPaintContext& context);

// The full display text of the number-class cell at p (section-local, drawn in pixels with frame at scale) when
// the painter shows "#"s in its place for want of width, for the cell's hint; nullopt for a cell that shows its
// own text, a text cell or no cell. Measures with canvas's fonts; canvas's state is kept.
std::optional<std::string> FilledCellText(TXLCanvas& canvas, const TXLSection& section, Point p, const Rect& pixels,
                                          TXLFrame frame, int scale);

// The font a cell draws with: its own, else its provider's; reading it creates no font object.
const TXLFontData& FontOf(TXLCell& cell);

// A font height (0: the default size) as cells draw it at scale percent.
int ScaledFontHeight(int height, int scale);

// The edge and BF_ flags a frame style draws with, and the content rectangle it leaves of a cell rectangle.
struct TXLFrameEdge {
    unsigned Edge = 0; // 0 for frNone
    unsigned Flags = 0;
};
TXLFrameEdge FrameEdge(TXLFrame frame);
Rect ContentRect(const Rect& cell, TXLFrame frame);

} // namespace qv
