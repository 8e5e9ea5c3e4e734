// Small types of the grid control: options, scroll-bar settings, directions, scroll codes, invalidation modes and
// the switches of its operations.
#pragma once

#include <cstdint>

namespace qv {

// Zoom in percent.
inline constexpr int kMinScale = 25;
inline constexpr int kMaxScale = 500;

enum TXLOption : uint8_t {
    oTitleCols,   // the column-title strip is shown
    oTitleRows,   // the row-title strip is shown
    oVertLines,   // vertical grid lines
    oHorzLines,   // horizontal grid lines
    oColSizing,   // column widths can be dragged in the titles
    oRowSizing,   // row heights can be dragged
    oDrawFocus,   // the current cell is left out of the inverted selection
    oTitle3D,     // titles of the selected columns and rows are drawn raised
    oEdit3D,      // the in-cell editor has a 3-D border
    oPermEdit,    // the editor stays open while the current cell moves
    oPageBreak,   // print page breaks are drawn in the body
    oReadOnly,    // no cell can be edited in place
    oRowSelect,   // body selections span whole rows
    oRangeSelect, // ranges can be selected by dragging and Shift with navigation keys
    oTabKeys,     // Tab moves the current cell
    oWrapKeys,    // moving past the last column or row continues on the next
    oFixScale,    // Ctrl with the wheel does not zoom
};
using TXLOptions = uint32_t;
constexpr TXLOptions OptionBit(TXLOption option)
{
    return TXLOptions{1} << option;
}
inline constexpr TXLOptions kDefaultOptions = OptionBit(oTitleCols) | OptionBit(oTitleRows) | OptionBit(oVertLines) |
                                              OptionBit(oHorzLines) | OptionBit(oDrawFocus) | OptionBit(oTitle3D) |
                                              OptionBit(oRangeSelect);

enum TXLScroll : uint8_t {
    sHorizontal, // the body shows a horizontal scroll bar
    sVertical,   // and a vertical one
    sTracking,   // dragging a thumb scrolls live
    sFlat,       // the bars look flat
};
using TXLScrolls = uint8_t;
constexpr TXLScrolls ScrollBit(TXLScroll scroll)
{
    return static_cast<TXLScrolls>(1u << scroll);
}
inline constexpr TXLScrolls kDefaultScrolls = ScrollBit(sHorizontal) | ScrollBit(sVertical) | ScrollBit(sTracking);

enum TXLDirection : uint8_t { dNone, dRight, dDown, dLeft, dUp, dAuto };

constexpr TXLDirection Opposite(TXLDirection direction)
{
    switch (direction) {
    case dRight:
        return dLeft;
    case dDown:
        return dUp;
    case dLeft:
        return dRight;
    case dUp:
        return dDown;
    default:
        return dNone;
    }
}

// What a scroll request asks for (ScrollPosFor).
enum TXLScrollCode : uint8_t {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scThumbPosition, // the thumb was dropped at a position
    scThumbTrack,    // the thumb is being dragged
    scTop,
    scBottom,
};

// How InvalidateRange turns the cells' inner rectangle (inset 2) into the area it repaints.
enum TXLInvalidateMode : uint8_t {
    imGrown, // the rectangle grown by 3 pixels: the cells with their grid lines
    imRing,  // the 4-pixel ring around it: only the lines and frames around the cells changed
    imExact, // the rectangle itself
};

// Whether a range of cells is first widened to whole merged ranges.
enum class TXLUnionExpand : uint8_t { None, ByUnions };

// Whether CellAtPoint answers for points beyond the content.
enum class TXLHitArea : uint8_t { Content, Anywhere };

// SetCurrent: whether the selection collapses to the new current cell, and whether the cell is scrolled into view.
enum class TXLCollapse : uint8_t { Keep, Collapse };
enum class TXLReveal : uint8_t { None, MakeVisible };
// The mouse tracking of a grid: idle, a button down, dragging, released after a drag, released without one or
// cancelled.
enum class TXLMouseState : uint8_t { Idle, Pressed, Dragging, ReleasedAfterDrag, Released };
// StepCell: inside the selected range, wrapping there (when it is more than one cell or merged range), or over
// the whole section.
enum class TXLStepBounds : uint8_t { Section, Selection };
// MoveCurrent: the direction as given, or turned round (Shift with Enter or Tab).
enum class TXLTurn : uint8_t { Forward, Back };
// SetEditMode: the editor closed, open with the arrow keys moving the current cell, or open with them moving the
// caret (F2).
enum class TXLEditMode : uint8_t { Closed, ArrowsMoveCell, ArrowsMoveCaret };
// The mouse tracker chosen for the next button press.
enum class TXLTracker : uint8_t { None, Selection, Sizing };
// What happened to a pane's window.
enum class TXLClientChange : uint8_t { Resized, Shown };

} // namespace qv
