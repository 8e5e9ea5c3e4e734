// TXLMouseTracker: the grid's mouse handling without a toolkit: the mouse state, choosing a tracker, the
// selection and sizing trackers, auto-scroll and the right button.
#pragma once

#include "grid/GridTypes.h"
#include "grid/Keys.h"
#include "grid/MouseHost.h"
#include "grid/PaneHost.h"

#include <array>
#include <string>

namespace qv {

class TXLPane;

// How a pane's hint shows: not at all, in the plain hint window, or in the body's window with an arrow to the cell.
enum class TXLHintKind : uint8_t { None, Plain, Arrow };

// A hint about to show over a pane point: the text, and for an arrow the tip and the window's top-left corner in
// the pane's pixels. HideAfter is the time-out in milliseconds.
struct TXLHintRequest {
    TXLHintKind Kind = TXLHintKind::None;
    std::string Text;
    Point Tip;
    Point WindowTopLeft;
    int HideAfter = 0;
};

// What the sizing tracker drags: the item Index of the part Part on Axis, starting at content pixel Start of its
// scaled list. Sizes are scaled pixels.
struct TXLSizing {
    TXLAxis Axis = axCols;
    TXLPart Part = ptClient;
    int Index = 0;
    int Start = 0;
    int SizeAtStart = 0;
    int LastSize = 0; // the size last drawn
    int NewSize = 0;  // the size following the mouse
};

// One per grid; the grid's widgets hand it their mouse events in pane pixels. owner and host are referenced and
// outlive it.
class TXLMouseTracker {
public:
    // Ticks of the auto-scroll timer while dragging.
    static constexpr int kAutoScrollInterval = 40;
    // No item is dragged smaller than this (unscaled pixels).
    static constexpr int kMinDragSize = 5;

    TXLMouseTracker(IXLPaneOwner& owner, IXLMouseHost& host);
    TXLMouseTracker(const TXLMouseTracker&) = delete;
    TXLMouseTracker& operator=(const TXLMouseTracker&) = delete;

    TXLMouseState State() const { return m_state; }
    TXLTracker Tracker() const { return m_tracker; }
    const TXLSizing& Sizing() const { return m_sizing; }
    // Auto-scroll is on: the timer ticks for a selection drag.
    bool IsAutoScrolling() const { return m_scrolling != nullptr; }
    // A button is down or dragging: the grid keeps its layout meanwhile.
    bool HoldsLayout() const { return m_state == TXLMouseState::Pressed || m_state == TXLMouseState::Dragging; }

    // A button pressed over the pane at p (shift: modifiers, buttons, ssDouble for a double click). The right
    // button first moves the current cell onto a cell outside the selection; the left one starts the tracker
    // chosen for p.
    void MouseDown(TXLPane& pane, TXLMouseButton button, TXLShiftState shift, Point p);
    // While a button is down the tracker follows; while idle the tracker for p is chosen, and its cursor returned.
    TXLCursor MouseMove(TXLPane& pane, TXLShiftState shift, Point p);
    // The left button released: the tracker finishes.
    void MouseUp(TXLPane& pane, TXLMouseButton button, TXLShiftState shift, Point p);
    // Whether a right button released at p opens the pop-up menu: only below the pane's extent on both axes.
    bool RightUpOpensMenu(const TXLPane& pane, Point p) const;
    // Escape: a press or drag in progress is cancelled (phase 4). False when the mouse was idle.
    bool Cancel();

    // The tracker for a press at p and the cursor that says so: sizing over a boundary of the title panes (with
    // oColSizing or oRowSizing), selecting over a cell that can be entered, else none. Without a sheet or on a
    // read-only sheet none.
    TXLCursor ChooseTracker(const TXLPane& pane, Point p);
    // Runs the chosen tracker for a phase: Pressed, Dragging, ReleasedAfterDrag or Released (without a drag, or
    // cancelled). A release without a drag becomes Released; afterwards the state is idle again. Dragging starts
    // the auto-scroll timer for the pane, a release stops it.
    void TrackMouse(TXLPane& pane, TXLMouseState phase, TXLShiftState shift, Point p);
    // The hint about to show at p: none while the mouse is not idle or the pane has no hint; the plain window in
    // the title panes and outside the content; the arrow window on a cell of the body.
    TXLHintRequest HintRequest(const TXLPane& pane, Point p) const;
    // Shown hints stay this long (milliseconds).
    static constexpr int kHintHideAfter = 144000;
    // One tick of auto-scroll: the body scrolls a line toward the mouse on the axes the pane scrolls along where
    // the mouse lies outside the pane, the panes repaint, and a mouse move at the mouse replays the drag.
    void AutoScrollTick();

private:
    // An idle mouse over a pane with hints on: the pane's hint follows the cell under it.
    void FollowHint(TXLPane& pane, Point p);
    void SelectionTracker(TXLPane& pane, Point p, TXLShiftState shift);
    void SizingTracker(TXLPane& pane, Point p, TXLShiftState shift);
    // Phase 2 of the sizing tracker: the size following the mouse, limited and checked by the sheet.
    int DraggedSize(const TXLPane& pane, Point p) const;
    // Shows the size in the pane showing the list (live) and the body's line; the old size is the one shown.
    void DrawSizingLine(TXLPane& pane, int oldSize, int newSize);
    // Alt: the same size for the pane's selected whole columns (rows).
    void SizeSelection(const TXLPane& pane);
    // The two panes showing a list: its title pane first, then the other.
    std::array<TXLPane*, 2> PanesOf(TXLAxis axis, TXLPart part) const;
    int SheetIndex(TXLAxis axis, TXLPart part, int index) const;
    int Scaled(int value) const;
    int Unscaled(int value) const;
    // The clicked cell's Click (DblClick), then the grid's and the sheet's events.
    void CellClick(const TXLPane& pane, Point cell, TXLClickEvent event);
    // Escape during a selection drag: the body and the pane as they were before the press.
    void RestoreSelection();

    IXLPaneOwner& m_owner;
    IXLMouseHost& m_host;
    TXLMouseState m_state = TXLMouseState::Idle;
    TXLTracker m_tracker = TXLTracker::None;
    TXLPane* m_pane = nullptr;      // the pane the button went down in
    TXLPane* m_scrolling = nullptr; // the pane auto-scroll serves
    bool m_wasDragging = false;     // the state was Dragging when the current phase began
    bool m_cancelling = false;      // the phase is Escape's
    TXLSizing m_sizing;
    // The selection tracker's pane and the body before the press, for Escape.
    struct Snapshot {
        Rect Selection;
        Point Current;
    };
    Snapshot m_paneBefore;
    Snapshot m_bodyBefore;
};

} // namespace qv
