// What the grid's mouse tracking asks of its surroundings: a timer, the mouse position, the grid's area and lists,
// and the grid's click events.
#pragma once

#include "platform/Geometry.h"
#include "sheet/CellTypes.h"
#include "sheet/ProZeroSList.h"

#include <cstdint>

namespace qv {

class IXLSheetUser;
class TXLPane;

// The mouse button of a press or release.
enum class TXLMouseButton : uint8_t { Left, Right, Middle };

// The cursor a pane shows over a point: the default, or the horizontal or vertical split over a boundary.
enum class TXLCursor : uint8_t { Default, ColSizing, RowSizing };

// The grid's events of a click: on a cell (the cell in its pane's section), or a double click on a column or row
// boundary (the item in sheet coordinates, titles negative).
enum class TXLClickEvent : uint8_t { CellClick, CellDblClick, ColDblClick, RowDblClick };

// A repeating timer; its ticks reach whoever started it through the host that owns it.
class IXLTimer {
public:
    // Starts or restarts it with ticks every intervalMs milliseconds.
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;

protected:
    ~IXLTimer() = default;
};

class IXLMouseHost {
public:
    // The auto-scroll timer, owned by the host, which passes its ticks to TXLMouseTracker::AutoScrollTick.
    virtual IXLTimer& AutoScrollTimer() = 0;
    // Where the mouse is now, in the pane's pixels (also outside it).
    virtual Point CursorPos(const TXLPane& pane) const = 0;
    // The grid's client area in the pane's pixels.
    virtual Rect GridClientRect(const TXLPane& pane) const = 0;
    // The grid's scaled list of an axis part, which the sizing tracker changes while a boundary is dragged.
    virtual TXLSizeList& SizingList(TXLAxis axis, TXLPart part) = 0;
    // The grid as its sheet's user: a size it committed itself is reported to the other users only.
    virtual const IXLSheetUser* SheetUser() const = 0;
    // A size was committed to the sheet: the panes are laid out again and page breaks repainted.
    virtual void SizeCommitted() = 0;
    // Paints what is pending in the four panes now.
    virtual void UpdatePanes() = 0;
    // A mouse move to p (pane pixels, current modifiers) reaching the pane as the platform's would.
    virtual void SendMouseMove(TXLPane& pane, Point p) = 0;
    virtual void FireClick(TXLClickEvent event, const TXLPane& pane, Point cell) = 0;
    // The mouse moved onto another hint (or none): a hint pending or showing goes.
    virtual void CancelHint() = 0;

protected:
    ~IXLMouseHost() = default;
};

} // namespace qv
