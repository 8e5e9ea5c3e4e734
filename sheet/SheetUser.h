// The interface through which a sheet tells each grid that shows it what changed.
#pragma once

#include "platform/Geometry.h"
#include "sheet/CellTypes.h"

namespace qv {

class TXLCell;
class TXLSheet;

class IXLSheetUser {
public:
    virtual ~IXLSheetUser() = default;

    virtual TXLSheet* GetSheet() = 0;
    // Cells of one sector need repainting (section-local rectangle); flag kInvalidateBorder: only the lines
    // around the rectangle changed.
    virtual void InvalidateCells(TXLSector sector, const Rect& rect, int flag) = 0;
    virtual void InvalidateSector(TXLSector sector) = 0;
    virtual void InvalidateAll() = 0;
    // Margins, print titles, grid lines, hidden printing or scale changed.
    virtual void PageChanged() = 0;
    // Counts (ptClient) or default sizes (of the part) of the axes changed; an empty set means all.
    virtual void SizesChanged(TXLAxes axes, TXLPart part) = 0;
    virtual void ItemsInserted(TXLAxis axis, TXLPart part, int index, int count) = 0;
    virtual void SizeChanged(TXLAxis axis, TXLPart part, int index) = 0;
    // Values or properties of cells in rect changed; nullptr: the sector's base style changed.
    virtual void CellsChanged(TXLSector sector, const Rect* rect) = 0;
    // The sheet is being destroyed; the user drops its reference.
    virtual void SheetDetached() = 0;
    // The cell is being destroyed; the user lets go of anything bound to it.
    virtual void CellRemoved(TXLCell& cell) = 0;
    virtual void UnionsChanged(bool loaded) = 0;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
};

} // namespace qv
