// What a grid hands a cell when the cell draws its value.
#pragma once

#include "platform/Canvas.h"
#include "sheet/CellTypes.h"

namespace qv {

struct TXLDrawInfo {
    TXLCanvas* Canvas = nullptr; // font set, background transparent, clip at the content rectangle
    TXLLayout Layout;
    TXLFontData Font;
    TColor ErrorColor = clRed;
    int Scale = 100;
    bool Reserved = false;
    TXLFrame Frame = frNone;
    TXLCellStyles Styles = 0;
    int Col = 0; // section-local
    int Row = 0;
};

} // namespace qv
