// TXLView: the window of one of the grid's four panes; the pane's logic lives in TXLPane.
#pragma once

#include "grid/Pane.h"

#include <QWidget>

namespace qv {

class TXLGrid;

// A child window of the grid that is the host of its pane: it turns the pane's repaint, scroll and size requests
// into Qt calls and its paint events into the pane's paint pass.
class TXLView final : public QWidget, private IXLPaneHost, public TXLPane {
public:
    // cols and rows are the grid's scaled lists this pane shows; they outlive it.
    TXLView(TXLGrid& grid, TXLSector sector, TXLSizeList& cols, TXLSizeList& rows);
    ~TXLView() override;

    TXLGrid& Grid() const { return m_grid; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The grid's wheel, also for events sent to the pane by a program (Qt passes only the user's on).
    void wheelEvent(QWheelEvent* event) override;
    // The mouse, the context menu and drag and drop go to the grid, which tracks them for all four panes.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The mouse left: the pane's hint goes.
    void leaveEvent(QEvent* event) override;
    // Tool-tip requests become the cell hints.
    bool event(QEvent* event) override;

private:
    // IXLPaneHost
    Size WindowSize() const override { return {width(), height()}; }
    bool IsShowing() const override { return isVisible(); }
    void InvalidateRegion(const Region& region) override;
    void InvalidateAll() override { update(); }
    void ScrollContent(int dx, int dy) override { scroll(dx, dy); }
    void ScrollContent(int dx, int dy, const Rect& clip) override;
    void ResizeClient(Size size) override { resize(size.cx, size.cy); }

    TXLGrid& m_grid;
};

} // namespace qv
