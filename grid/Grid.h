// TXLGrid: the spreadsheet control showing one sheet in four panes, with zoom, scroll bars and linked grids.
#pragma once

#include "grid/GridTypes.h"
#include "grid/HintWindow.h"
#include "grid/MouseTracker.h"
#include "grid/QtTimer.h"
#include "grid/View.h"
#include "sheet/SheetUser.h"

#include <QFrame>

#include <array>
#include <functional>
#include <memory>

class QContextMenuEvent;
class QDragMoveEvent;
class QDropEvent;
class QHelpEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QScrollBar;

namespace qv {

class TXLSheet;

// A frame with a lowered bevel holding the column-title strip, the row-title strip, the corner and the body
// (indexed by TXLSector), and the body's two scroll bars. It keeps the sheet's column widths and row heights
// scaled to Scale in four lists (axis × 2 + part) that the panes read. The sheet is
// referenced, not owned; the grid registers with it as a user and follows its reports.
class TXLGrid : public QFrame, public IXLSheetUser, public IXLPaneOwner, private IXLMouseHost {
public:
    explicit TXLGrid(QWidget* parent = nullptr);
    ~TXLGrid() override;

    TXLSheet* Sheet() const override { return m_sheet; }
    // Detaches from the old sheet, attaches to the new one, lays out and repaints, clears the selections and fires
    // OnSheetChanged (also for nullptr).
    void SetSheet(TXLSheet* sheet);

    // Zoom in percent, at least 25 and at most 500; a change rescales every size, keeps the column and row at the
    // body's top-left corner there, and fires OnScaleChanged.
    int Scale() const override { return m_scale; }
    void SetScale(int scale) override;
    // v × Scale div 100 and v × 100 div Scale, truncating.
    int Scaled(int value) const;
    int Unscaled(int value) const;

    TXLOptions Options() const { return m_options; }
    bool HasOption(TXLOption option) const override { return (m_options & OptionBit(option)) != 0; }
    // Title strips switched on or off realign the panes; line, 3-D title, focus and page-break changes repaint.
    void SetOptions(TXLOptions options);
    TXLScrolls Scrolls() const { return m_scrolls; }
    bool HasScroll(TXLScroll scroll) const override { return (m_scrolls & ScrollBit(scroll)) != 0; }
    void SetScrolls(TXLScrolls scrolls);
    TXLDirection EnterDir() const override { return m_enterDir; }
    void SetEnterDir(TXLDirection direction) { m_enterDir = direction; }
    // The direction of the last navigation key; dDown at first.
    TXLDirection AutoDirection() const override { return m_autoDirection; }
    void SetAutoDirection(TXLDirection direction) override { m_autoDirection = direction; }
    // Enter and Tab: the body's current cell moves in the direction (dAuto: EnterDirection), back with Back.
    void MoveCurrent(TXLDirection direction, TXLTurn turn);

    // The in-cell edit host: the grid's own, made by the factory installed at start-up, or one set here in its
    // place (referenced, and not told when the grid goes). Without one the grid edits nothing.
    IXLEditHost* EditHost() const override { return m_editHost; }
    void SetEditHost(IXLEditHost* host) { m_editHost = host; }
    // Makes the edit host each grid created afterwards owns; the editors install it. The host is made once the
    // panes exist and binds itself to the body.
    using EditHostFactory = std::unique_ptr<IXLEditHost> (*)(TXLGrid& grid);
    static void SetEditHostFactory(EditHostFactory factory);
    // Takes the keyboard focus, as a click on the grid does.
    void TakeFocus();

    // Linked grids scroll together: the horizontal partner follows the body's X, the vertical one its Y, each at
    // its own scale. Linking is mutual; linking to the grid itself means none.
    TXLGrid* HorzLink() const { return m_horzLink; }
    TXLGrid* VertLink() const { return m_vertLink; }
    void SetHorzLink(TXLGrid* grid);
    void SetVertLink(TXLGrid* grid);

    // The grid's own colour, which the panes take while there is no sheet.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // Whether cells with hints show the red marker.
    bool ShowHint() const override { return m_showHint; }
    void SetShowHint(bool on);

    TXLView& View(TXLSector sector) const { return *m_views[sector]; }
    TXLPane& Pane(TXLSector sector) const override;
    // The scaled list of an axis part.
    const TXLSizeList& ScaledList(TXLAxis axis, TXLPart part) const { return m_scaled[axis * 2 + part]; }
    // The body's bar of an axis (axCols: horizontal).
    QScrollBar& ScrollBar(TXLAxis axis) const { return *m_bars[axis]; }

    // Rebuilds the scaled lists of the axes (an empty set: both) from the sheet and gives the panes their extents.
    void UpdateSizes(TXLAxes axes);
    // Locks and unlocks the four panes; repaints asked for meanwhile happen once at the end.
    void BeginUpdate() override;
    void EndUpdate() override;
    // A wheel event over the grid, a pane or a scroll bar: scrolling or Ctrl+zoom; accepted whenever there is a
    // sheet.
    void HandleWheel(QWheelEvent& event);
    // Places the four panes: the title strips as large as the corner's extent (zero when switched off), the body
    // in the rest less its scroll bars.
    void AlignPanes() override;

    std::function<void(TXLGrid&)> OnSheetChanged;
    std::function<void(TXLGrid&)> OnScaleChanged;
    std::function<void(TXLGrid&)> OnSelChanged; // the body's selection changed
    std::function<void(TXLGrid&)> OnCurChanged; // the body's current cell changed
    std::function<void(TXLGrid&)> OnChange;     // the selected cells were changed through the body's selection object
    std::function<void(TXLGrid&)> OnEditModeChanged; // the editor opened or closed, or its arrow mode changed
    // After the body's own handling of a key; the key press event gets what the body left of the character (its
    // handling may set it to 0, consuming it).
    std::function<void(TXLGrid&, QKeyEvent&)> OnKeyDown;
    std::function<void(TXLGrid&, char32_t& key)> OnKeyPress;
    // A cell of a pane clicked or double-clicked (the cell in that pane's section), after the cell's own Click or
    // DblClick and before the sheet's event; a column or row boundary double-clicked, the item in sheet
    // coordinates (titles negative) as (index, 0) or (0, index).
    std::function<void(TXLGrid&, Point)> OnCellClick;
    std::function<void(TXLGrid&, Point)> OnCellDblClick;
    std::function<void(TXLGrid&, Point)> OnColDblClick;
    std::function<void(TXLGrid&, Point)> OnRowDblClick;
    // Mouse actions in any pane, after the grid's own handling: the pane is the sender, the point in the grid's
    // coordinates. OnClick follows a left release, OnDblClick a left double click.
    using MouseHandler = std::function<void(TXLView& pane, const QMouseEvent& event, QPoint gridPoint)>;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseMove;
    MouseHandler OnMouseUp;
    MouseHandler OnClick;
    MouseHandler OnDblClick;
    // Drag and drop over a pane, the point in the grid's coordinates: a handler that accepts the move takes the
    // drop. Without handlers the panes refuse drops.
    std::function<void(TXLView& pane, QDragMoveEvent& event, QPoint gridPoint)> OnDragOver;
    std::function<void(TXLView& pane, QDropEvent& event, QPoint gridPoint)> OnDragDrop;

    // The mouse state and trackers.
    TXLMouseTracker& Mouse() { return m_mouse; }
    // The panes' mouse, context-menu and drag-and-drop events.
    void PaneMousePress(TXLView& pane, QMouseEvent& event, TXLShiftState extra);
    void PaneMouseMove(TXLView& pane, QMouseEvent& event);
    void PaneMouseRelease(TXLView& pane, QMouseEvent& event);
    // Accepted (and so no menu) where the right button's release would open none.
    void PaneContextMenu(TXLView& pane, QContextMenuEvent& event);
    // A tool-tip request over a pane: the hint of the cell under the mouse, plain in the title panes, in the
    // body's own window with an arrow to the cell; none while the mouse is not idle.
    void PaneToolTip(TXLView& pane, QHelpEvent& event);
    // The mouse left a pane: its hint is forgotten and a hint showing goes, as the platform's hints do.
    void PaneLeft(TXLView& pane);
    // The body's hint window while it shows, else nullptr.
    const TXLHintWindow* HintWindow() const
    {
        return m_hintWindow && m_hintWindow->isVisible() ? m_hintWindow.get() : nullptr;
    }
    void PaneDragMove(TXLView& pane, QDragMoveEvent& event);
    void PaneDrop(TXLView& pane, QDropEvent& event);

    // IXLSheetUser: the reactions to the sheet's reports.
    TXLSheet* GetSheet() override { return m_sheet; }
    void InvalidateCells(TXLSector sector, const Rect& rect, int flag) override;
    void InvalidateSector(TXLSector sector) override;
    void InvalidateAll() override;
    void PageChanged() override;
    void SizesChanged(TXLAxes axes, TXLPart part) override;
    void ItemsInserted(TXLAxis axis, TXLPart part, int index, int count) override;
    void SizeChanged(TXLAxis axis, TXLPart part, int index) override;
    void CellsChanged(TXLSector sector, const Rect* rect) override;
    void SheetDetached() override;
    void CellRemoved(TXLCell& cell) override;
    void UnionsChanged(bool loaded) override;

    // The body's origin changed: linked grids follow.
    void BodyOriginChanged(Point origin) override;
    bool SetScrollBar(TXLAxis axis, const TXLScrollBarState& state) override;
    void CurrentChanged() override;
    void SelectionChanged() override;
    void SelectedCellsChanged() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Tab reaches the key map instead of moving the focus while oTabKeys is on.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // A composition the focus left is over.
    void focusOutEvent(QFocusEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void wheelEvent(QWheelEvent* event) override;
    // The scroll bars' wheel goes the grid's way.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TXLSizeList& MutableList(TXLAxis axis, TXLPart part) { return m_scaled[axis * 2 + part]; }
    // The two panes that show the list (axis, part).
    std::array<TXLView*, 2> PanesOf(TXLAxis axis, TXLPart part) const;
    void PageBreaksChanged();
    void ReapplySelections();
    void SetLink(TXLGrid* TXLGrid::*link, TXLGrid* grid);
    // A body origin as linked grids share it at any scale: per axis the client item at the origin and how far into
    // it at scale 100. Pixels would drift apart, each item's size being scaled and rounded on its own.
    struct TXLLinkPosition {
        Point Item;
        Point Within;
    };
    TXLLinkPosition LinkPositionOf(Point origin) const;
    // Passes the body's origin to the partners; their answers are ignored.
    void SendOriginToLinks(TXLGrid* only, TXLAxes axes);
    // A partner's body takes the position at this grid's sizes and scale on the axes given.
    void FollowLink(const TXLLinkPosition& position, TXLAxes axes);
    void ApplyScrollBarLook();
    void ScrollBarAction(TXLAxis axis, int action);
    void ScrollBarReleased(TXLAxis axis);
    // A dialog's default button takes Enter unless the current cell can be edited.
    bool FormTakesEnter() const;
    QPoint ToGrid(const TXLView& pane, QPoint p) const;
    // Takes the focus for a click unless it or one of its children has it.
    void FocusGrid();

    // IXLMouseHost
    IXLTimer& AutoScrollTimer() override { return m_autoScroll; }
    Point CursorPos(const TXLPane& pane) const override;
    Rect GridClientRect(const TXLPane& pane) const override;
    TXLSizeList& SizingList(TXLAxis axis, TXLPart part) override { return MutableList(axis, part); }
    const IXLSheetUser* SheetUser() const override { return this; }
    void SizeCommitted() override;
    void UpdatePanes() override;
    void SendMouseMove(TXLPane& pane, Point p) override;
    void FireClick(TXLClickEvent event, const TXLPane& pane, Point cell) override;
    void CancelHint() override;
    // The body's hint window was hidden: its arrow and shadow go.
    void HintHidden();
    // The window follows its arrow when the body scrolls.
    void MoveHintWindow();

    TXLSheet* m_sheet = nullptr;
    int m_scale = 100;
    std::array<TXLSizeList, 4> m_scaled;
    TXLOptions m_options = kDefaultOptions;
    TXLScrolls m_scrolls = kDefaultScrolls;
    TXLDirection m_autoDirection = dDown;
    TXLDirection m_enterDir = dAuto;
    TXLGrid* m_horzLink = nullptr;
    TXLGrid* m_vertLink = nullptr;
    bool m_followingLinks = false; // passing the body's origin on; an echo from a partner is ignored
    bool m_destroying = false;
    TColor m_color = clBtnFace;
    bool m_showHint = false;
    TXLMouseTracker m_mouse{*this, *this};
    TXLQtTimer m_autoScroll{[this] { m_mouse.AutoScrollTick(); }};
    QPoint m_lastGlobalMouse; // where the last mouse event over a pane happened, in screen coordinates
    std::unique_ptr<IXLEditHost> m_ownEditHost;
    IXLEditHost* m_editHost = nullptr;
    bool m_composing = false; // an input method is composing text
    std::array<std::unique_ptr<QScrollBar>, 2> m_bars;
    std::array<std::unique_ptr<TXLView>, 4> m_views;
    TXLQtTimer m_hintTimer{[this] { CancelHint(); }};
    // After the views: hidden as it is destroyed, it clears the body's arrow.
    std::unique_ptr<TXLHintWindow> m_hintWindow;
};

} // namespace qv
