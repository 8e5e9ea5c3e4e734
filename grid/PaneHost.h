// What a pane asks of its surroundings: the window it draws in and the grid it belongs to.
#pragma once

#include "grid/EditHost.h"
#include "grid/GridTypes.h"
#include "platform/Geometry.h"
#include "platform/Region.h"
#include "sheet/CellTypes.h"

namespace qv {

class TXLPane;
class TXLSheet;

// The window showing a pane, in pane pixels. Qt's widget implements it; tests record the calls.
class IXLPaneHost {
public:
    virtual Size WindowSize() const = 0;
    // Whether the window is shown; a hidden pane only keeps its stored values.
    virtual bool IsShowing() const = 0;
    // Marks pixels for repainting (already clipped to the client area).
    virtual void InvalidateRegion(const Region& region) = 0;
    virtual void InvalidateAll() = 0;
    // Moves the pixels shown (the whole client, or only those inside clip) by (dx, dy) and repaints what the move
    // uncovered.
    virtual void ScrollContent(int dx, int dy) = 0;
    virtual void ScrollContent(int dx, int dy, const Rect& clip) = 0;
    // A title pane takes its content's size.
    virtual void ResizeClient(Size size) = 0;

protected:
    ~IXLPaneHost() = default;
};

// A scroll bar as the body sets it: positions 0..Maximum, a page of Page pixels.
struct TXLScrollBarState {
    int Maximum = 0;
    int Page = 1;
    int Position = 0;
    bool Shown = false;
};

// The grid holding four panes: its options and sheet, the other panes, its scroll bars and its events.
class IXLPaneOwner {
public:
    virtual TXLSheet* Sheet() const = 0;
    virtual int Scale() const = 0;
    // Zoom in percent (kept within 25..500): every size is rescaled.
    virtual void SetScale(int scale) = 0;
    virtual bool HasOption(TXLOption option) const = 0;
    virtual bool HasScroll(TXLScroll scroll) const = 0;
    virtual bool ShowHint() const = 0;
    virtual TXLPane& Pane(TXLSector sector) const = 0;
    // The in-cell edit host, referenced; nullptr for a grid that edits nothing.
    virtual IXLEditHost* EditHost() const = 0;
    // The direction of Enter and Tab; dAuto means the direction of the last navigation key (AutoDirection).
    virtual TXLDirection EnterDir() const = 0;
    virtual TXLDirection AutoDirection() const = 0;
    virtual void SetAutoDirection(TXLDirection direction) = 0;
    TXLDirection EnterDirection() const { return EnterDir() == dAuto ? AutoDirection() : EnterDir(); }
    // Closes the editor, or opens it on the current cell with the arrow keys moving the cell or the caret.
    void SetEditMode(TXLEditMode mode)
    {
        if (IXLEditHost* host = EditHost()) {
            host->SetArrowMode(mode == TXLEditMode::ArrowsMoveCell);
            host->SetEditing(mode != TXLEditMode::Closed);
        }
    }
    // Sets the body's bar of an axis; true when the bar was shown or hidden by it.
    virtual bool SetScrollBar(TXLAxis axis, const TXLScrollBarState& state) = 0;
    // Lays the panes out again (a scroll bar came or went).
    virtual void AlignPanes() = 0;
    // The body's origin changed: linked grids follow.
    virtual void BodyOriginChanged(Point origin) = 0;
    // The body's current cell, selection, or selected cells (through the selection proxy) changed.
    virtual void CurrentChanged() = 0;
    virtual void SelectionChanged() = 0;
    virtual void SelectedCellsChanged() = 0;

protected:
    ~IXLPaneOwner() = default;
};

} // namespace qv
