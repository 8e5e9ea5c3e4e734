// TXLPane: one of the grid's four panes, without its window: geometry, scrolling, invalidation, selection state
// and the paint pass.
#pragma once

#include "grid/EditHost.h"
#include "grid/GridTypes.h"
#include "grid/HintArrow.h"
#include "grid/Keys.h"
#include "grid/PaneHost.h"
#include "platform/Canvas.h"
#include "sheet/CellTypes.h"
#include "sheet/ProZeroSList.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qv {

class TXLSection;
class TXLSelection;

// The column and row under a pane's top-left corner, and how far into them (of their sizes) the origin lies.
struct TXLTopLeft {
    Point Item;
    Point Within;
    Point ItemSize;
};

// What a pane point lies on for the mouse: a column or row boundary that can be dragged (Index: the item whose end
// it is), a cell (Cell: its merged range's anchor), or nothing.
enum class TXLHitKind : uint8_t { Nothing, ColBoundary, RowBoundary, Cell };
struct TXLHit {
    TXLHitKind Kind = TXLHitKind::Nothing;
    int Index = 0;
    Point Cell;
};

// The section of one sector as the grid shows it. Coordinates are pane pixels unless said otherwise; cells are
// section-local; ranges are half-open cell rectangles. The pane reads its sizes from two of the grid's scaled
// lists and never computes sizes itself. It draws, scrolls and sizes only through its host; "with a window" means
// the host is showing: a hidden pane only keeps the stored values.
class TXLPane {
public:
    // owner, host and the scaled lists cols and rows are referenced and outlive the pane; the host is only stored
    // here, so a window may pass itself before it is built.
    TXLPane(IXLPaneOwner& owner, IXLPaneHost& host, TXLSector sector, TXLSizeList& cols, TXLSizeList& rows);
    TXLPane(const TXLPane&) = delete;
    TXLPane& operator=(const TXLPane&) = delete;
    virtual ~TXLPane();

    IXLPaneOwner& Owner() const { return m_owner; }
    TXLSector Sector() const { return m_sector; }
    bool IsBody() const { return m_sector == sClient; }
    // nullptr while the grid has no sheet.
    TXLSection* Section() const { return m_section; }
    void SetSection(TXLSection* section);
    // The range proxy over the selection; owned by the pane.
    TXLSelection& SelectionObject() const { return *m_selectionObject; }
    const TXLSizeList& ColList() const { return m_cols; }
    const TXLSizeList& RowList() const { return m_rows; }
    // The list of an axis (axCols: column widths, axRows: row heights).
    const TXLSizeList& List(TXLAxis axis) const { return axis == axCols ? m_cols : m_rows; }

    // Content size in pixels (the sums of the two lists) and the content pixel shown at the top-left corner.
    Point Extent() const { return m_extent; }
    Point Origin() const { return m_origin; }
    Size ClientSize() const { return m_host.WindowSize(); }
    int ClientSize(TXLAxis axis) const { return axis == axCols ? ClientSize().cx : ClientSize().cy; }
    // The pane's colour: its section's base style colour, or the grid's without a sheet.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // The 3-D look shapes the body's selection frame; switching it repaints the pane.
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool on);
    // The body is the pane the edit host serves, and so the current pane.
    bool IsCurrentView() const { return IsBody(); }

    // ---- Geometry

    // The cell under p (plus the origin; negative coordinates give 0), replaced by its merged range's anchor. True
    // for Anywhere, or when the pixel lies inside the extent.
    bool CellAtPoint(Point p, TXLHitArea area, Point& cell) const;
    // The cells under the pixel rectangle r, clipped to the sheet; false when its top-left lies beyond the counts.
    bool CellsAtRect(const Rect& r, Rect& range) const;
    // The pixel rectangle of a cell range. True only when it lies within the extent and is not empty; inset 1 moves
    // the left and top edges in by 1 and the right and bottom by 2, inset 2 by 2 and 3.
    bool CellRectToPixels(const Rect& range, Rect& r, int inset) const;
    // Each coordinate into 0..count - 1 (0 for a count of 0).
    Point ClampCell(Point cell) const;
    // Intersects with the sheet's counts; false when nothing remains.
    bool ClipToSheet(Rect& range) const;
    // The top-left cell of the merged range holding the cell, clamped.
    Point AnchorOf(Point cell) const;
    // The range united with every merged range it meets, until it grows no more.
    Rect ExpandByUnions(Rect range) const;
    // Inside the counts, on a column and row of non-zero size, not covered by a merged range other than as its
    // anchor, and neither hidden nor protected.
    bool CanEnterCell(Point cell) const;

    // ---- Invalidation and the update lock

    // Repaints the pixels of a cell range (inset 2, clipped to the client area) as the mode says; only with a window.
    void InvalidateRange(Rect range, TXLUnionExpand expand, TXLInvalidateMode mode);
    // The whole pane; while locked only remembered.
    void Invalidate();
    // Nesting; the outermost EndUpdate updates the scroll bars and performs a remembered Invalidate.
    void BeginUpdate();
    void EndUpdate();
    bool IsLocked() const { return m_updateCount > 0; }

    // ---- Scrolling

    // Moves the content so that p is at the top-left corner: the window content is scrolled and only the uncovered
    // strip repainted (a title pane repaints itself whole). Linked panes and, for the body, linked grids follow.
    // False when p is the origin already.
    bool SetOrigin(Point p);
    // p limited to the content (never negative, the client filled where the extent allows); applied with SetOrigin.
    // True when the origin moved.
    bool ClampOrigin(Point p);
    // A new content size; only the strips in which the visible content changed are repainted.
    void SetExtent(Point extent);
    // Scrolls the least that shows the range, leaving no partial item at the leading edge.
    void MakeVisible(const Rect& range);
    // What lies at the top-left corner, and the origin that puts it there again after the sizes were rescaled
    // (the same items, the same fraction into them), clamped.
    TXLTopLeft TopLeft() const;
    void ShowAtTopLeft(const TXLTopLeft& topLeft);
    // The origin coordinate a scroll request leads to, within 0..extent - client size.
    int ScrollPosFor(TXLAxis axis, TXLScrollCode code, int value) const;
    // Body only: range, page and position of the grid's scroll bars, showing a bar when the content exceeds the
    // client. With clamp, the origin is clamped first.
    void UpdateScrollBars(bool clamp);
    // An item starting at content pixel start changed from oldSize to newSize on the axis: the content after it
    // moves, the pane repaints from the item on, and a title pane takes its new extent as its size.
    void LineSizeChanged(TXLAxis axis, int start, int newSize, int oldSize);
    // The pane that follows this pane's origin on the axis (or nullptr).
    void SetLinkedPane(TXLAxis axis, TXLPane* pane) { m_linked[axis] = pane; }

    // ---- The current cell and the selection

    // Right and bottom exclusive, section-local; empty when nothing is selected.
    Rect Selection() const { return m_selection; }
    // Always the top-left cell of its merged range. In a title strip: the body's current column (column titles)
    // or row (row titles).
    Point Current() const { return m_current; }
    // The cell keyboard navigation moves; it may lie inside a merged range, keeping its column (row) there.
    Point Cursor() const { return m_cursor; }
    // The cell (clamped, then anchored) becomes current if it can be entered: the body's title strips follow its
    // column and row; with Collapse (or without oRangeSelect) the selection becomes the cell; the edit host lets
    // go of the edited cell and, with oPermEdit, opens on the new one; MakeVisible scrolls to it.
    void SetCurrent(Point cell, TXLCollapse collapse, TXLReveal reveal);
    // The range, widened (whole rows with oRowSelect in the body, whole columns or rows in the title panes) and
    // clipped to the sheet, becomes the selection; the selection object takes the first cell's formatting. A title
    // pane's new selection selects the same columns (rows) in the body, a new body selection clears the title
    // panes' other than source. oldCurrent is the current cell the displayed selection was drawn with.
    void Select(Rect range, Point oldCurrent, const TXLPane* source = nullptr);
    // Nothing selected; the current cell stays.
    void ResetSelection();
    // Cells a program wrote through the selection object were merged or cleared: the selection repaints and the
    // grid hears OnSelChanged.
    void SelectedCellsRewritten();
    // After the counts shrank: the current cell (anchored) and the cursor back inside the sheet.
    void ClampCurrent();
    // Moves cell one step in the direction (over a merged range as a whole) and on until a cell that can be
    // entered, within the selection (always wrapping) or the section (wrapping with oWrapKeys). False, with cell
    // unchanged, at the edge or when no cell qualifies; costs at most one visit of each cell of the bounds.
    bool StepCell(Point& cell, TXLDirection direction, TXLStepBounds bounds) const;
    // Enter and Tab: the cursor steps in the direction (dAuto: the grid's EnterDirection; Back: the opposite),
    // inside a selected range (which stays) or else over the section, and the current cell follows. Where no
    // cell can be entered the edit host closes, unless oPermEdit.
    void MoveCurrent(TXLDirection direction, TXLTurn turn);
    // Shift with a navigation key: the selection runs from the current cell to a corner that the key moves
    // (Home, End, the arrows; other keys do nothing), skipping items of size 0 and steps inside merged ranges.
    void ExtendSelection(TXLKey key);
    // Whether the cell can be edited in place: the sheet and the grid not read-only, the cell not csReadOnly, its
    // class with an editor registered, and the cell enterable.
    bool CanEditCell(Point cell) const;
    // Opens the edit host on the cell (created if missing) when it can be edited; otherwise closes the host's
    // editor if it serves this pane.
    void PrepareEdit(Point cell);
    // The edit host is open on this pane.
    bool IsEditing() const;

    // ---- Keyboard (the current pane's handling; the grid raises its own events afterwards)

    // The key map: Shift extends the selection (oRangeSelect), Alt does nothing, the navigation keys move the
    // cursor and the current cell (with Ctrl also the origin), Tab moves as Enter does, F2 opens the editor with
    // the arrows moving the caret.
    void KeyDown(const TXLKeyStroke& stroke);
    // A character: Enter moves the current cell in the enter direction (back with Shift), Escape cancels the
    // edit; both are consumed (key becomes 0). Others go to the current cell's KeyPress (creating the cell).
    void KeyPress(char32_t& key, TXLShiftState shift);
    // A character typed: Backspace or a code from 32 on starts editing with it where the cell can be edited,
    // else it goes to KeyPress. Returns what is left of it for the grid's own key press event (0 when consumed).
    char32_t TypeCharacter(char32_t key, TXLShiftState shift);
    // An input method's message: its composition start opens the editor as a typed character does and is handed
    // to the editor's StartWithKey, the later messages go to the editor while it is active.
    void InputMethod(const TXLTypedInput& input);

    // The pixels shown inverted for a selection: in a title strip the range's rectangle; in the body a frame (with
    // the 3-D look: 3 pixels outside the inner rectangle, a 1-pixel gap, then the inside), without the current cell
    // when oDrawFocus or oPermEdit is on.
    Region SelectionRegion(const Rect& range, Point current) const;

    // ---- The mouse

    // What lies under p. A boundary is hit within 3 pixels of an item's start (the item before's) or end (that
    // item's), moved back over items of size 0, in title panes only, never below index 0 and not where the next
    // cell across it is covered by a merged range starting before it. Outside the extent or without a section:
    // nothing.
    TXLHit HitTest(Point p) const;
    // The sizing tracker's focus frame in the body, drawn by exclusive-or over everything; an empty rectangle
    // removes it. Only its outline is repainted.
    void SetTrackingFrame(const Rect& frame);
    Rect TrackingFrame() const { return m_trackingFrame; }

    // The hint of the cell under p: its own, or with csExtHint the sheet's OnGetCellHint, or else the full text of
    // a figure shown as "#"s for want of width (measured on the manager's canvas); empty outside the content or
    // without a section.
    std::string HintTextAt(Point p) const;
    // The hint the pane shows now (what the mouse last rested on).
    const std::string& Hint() const { return m_hint; }
    void SetHint(std::string text) { m_hint = std::move(text); }
    // The arrow and shadow of the hint window showing for a cell; they move with the content while scrolling.
    // Setting and clearing repaint what they cover.
    const std::optional<TXLHintArrow>& HintArrow() const { return m_hintArrow; }
    void SetHintArrow(const TXLHintArrow& arrow);
    void ClearHintArrow();

    // ---- Painting

    // The paint pass over the canvas for the dirty rectangle: cells, lines, page breaks and the selection. The
    // window's paint event only wraps its painter in a canvas and calls this.
    void Paint(TXLCanvas& canvas, const Rect& paintRect) const;
    // The sheet's background picture, in the body only, when it has a size.
    const TXLGraphicData* BackgroundGraphic() const;
    // Body: the printable area's outline and the page-break lines across cellPixels. The breaks are computed on
    // the first paint after ForgetPageBreaks.
    void DrawPageBreaks(TXLCanvas& canvas, const Rect& cellPixels) const;
    // The sheet's sizes, page or printer changed: the next paint computes the page breaks again.
    void ForgetPageBreaks() { m_pageBreaks.reset(); }

protected:
    // The window was sized or shown: the body's scroll bars follow.
    void ClientChanged(TXLClientChange change);

private:
    bool HasWindow() const { return m_host.IsShowing(); }
    Rect ClientRect() const { return Rect::FromSize({0, 0}, ClientSize()); }
    int Count(TXLAxis axis) const { return List(axis).Count(); }
    void UpdateRect(const Rect& r);
    void UpdateRegion(const Region& region);
    void SwapSelection(const Rect& range, Point oldCurrent);
    // The current cell's rectangle: its merged range, or the cell itself.
    Rect CellRange(Point cell) const;
    // Step 4 of Select: the body follows a title pane's selection, or the title panes give up theirs.
    void PropagateSelection(const TXLPane* source);
    // Widens a title pane's range to whole columns (rows) and to the merged ranges of this pane and the body.
    Rect WidenInTitles(Rect range) const;
    // The boundary hit at content coordinate pos on the axis, inside item (starting at itemStart), in the row or
    // column across; false when there is none.
    bool BoundaryAt(TXLAxis axis, int pos, int item, int itemStart, int across, int& index) const;
    // One step of StepCell within bounds; false at their edge without wrap.
    bool OneStep(Point& cell, TXLDirection direction, const Rect& bounds, bool wrap) const;
    // The origin with one coordinate replaced, applied with ClampOrigin.
    void ScrollTo(TXLAxis axis, int coordinate);
    void InvalidateTitleMarks(const Rect& oldRange, const Rect& newRange);
    void PaintBackground(TXLCanvas& canvas, const Rect& rect) const;
    void PaintPass(TXLCanvas& canvas, const Rect& paintRect, const Rect& range, const Rect& pixels) const;

    IXLPaneOwner& m_owner;
    IXLPaneHost& m_host;
    TXLSector m_sector;
    TXLSection* m_section = nullptr;
    std::unique_ptr<TXLSelection> m_selectionObject;
    std::array<TXLPane*, 2> m_linked{nullptr, nullptr};
    struct PageBreaks {
        std::vector<int> cols;
        std::vector<int> rows;
    };
    mutable std::optional<PageBreaks> m_pageBreaks; // the sheet's, kept between paints
    int m_updateCount = 0;
    TXLSizeList& m_cols;
    TXLSizeList& m_rows;
    Point m_extent;
    Point m_origin;
    Rect m_selection;
    Rect m_trackingFrame;
    std::string m_hint;
    std::optional<TXLHintArrow> m_hintArrow;
    Point m_cursor;
    Point m_current;
    bool m_repaintPending = false;
    TColor m_color = clBtnFace;
    bool m_ctl3D = true;
    bool m_updatingBars = false;
};

} // namespace qv
