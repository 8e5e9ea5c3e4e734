// Mouse test fixture: the four test panes with a mouse tracker, a timer stepped by hand and the grid's click
// events recorded; the mouse is given in the grid's coordinates and handed to the pane under test.
#pragma once

#include "PaneFixture.h"
#include "grid/MouseTracker.h"

#include <utility>
#include <vector>

namespace qv::test {

// A timer that only remembers whether it runs: the test ticks it.
struct SteppedTimer final : IXLTimer {
    void Start(int intervalMs) override
    {
        running = true;
        interval = intervalMs;
    }
    void Stop() override { running = false; }
    bool IsRunning() const override { return running; }

    bool running = false;
    int interval = 0;
};

// The panes laid out as the grid lays them out: the corner at (0, 0), the column titles at (40, 0), the row
// titles at (0, 20), the body at (40, 20); the grid's client area 440 × 320.
struct MouseGrid : Panes, IXLMouseHost {
    explicit MouseGrid(int cols = 8, int rows = 40) : Panes(cols, rows) {}

    static Point Position(TXLSector sector)
    {
        switch (sector) {
        case sCols:
            return {40, 0};
        case sRows:
            return {0, 20};
        case sTitle:
            return {0, 0};
        default:
            return {40, 20};
        }
    }
    static Point InPane(TXLSector sector, Point grid)
    {
        const Point at = Position(sector);
        return {grid.x - at.x, grid.y - at.y};
    }

    // The mouse at pane point p of the sector.
    void Press(TXLSector sector, Point p, TXLShiftState shift = 0)
    {
        MoveTo(sector, p);
        mouse.MouseDown(Pane(sector), TXLMouseButton::Left, shift | ssLeft, p);
    }
    TXLCursor Move(TXLSector sector, Point p, TXLShiftState shift = 0)
    {
        MoveTo(sector, p);
        return mouse.MouseMove(Pane(sector), shift | ssLeft, p);
    }
    void Release(TXLSector sector, Point p, TXLShiftState shift = 0)
    {
        MoveTo(sector, p);
        mouse.MouseUp(Pane(sector), TXLMouseButton::Left, shift, p);
    }
    void Click(TXLSector sector, Point p, TXLShiftState shift = 0)
    {
        Press(sector, p, shift);
        Release(sector, p, shift);
    }
    void MoveTo(TXLSector sector, Point p)
    {
        const Point at = Position(sector);
        cursor = {p.x + at.x, p.y + at.y};
    }

    bool ShowHint() const override { return showHint; }
    IXLTimer& AutoScrollTimer() override { return timer; }
    Point CursorPos(const TXLPane& pane) const override { return InPane(pane.Sector(), cursor); }
    Rect GridClientRect(const TXLPane& pane) const override
    {
        const Point at = Position(pane.Sector());
        return {-at.x, -at.y, 440 - at.x, 320 - at.y};
    }
    TXLSizeList& SizingList(TXLAxis axis, TXLPart part) override { return lists[axis * 2 + part]; }
    const IXLSheetUser* SheetUser() const override { return nullptr; }
    void SizeCommitted() override { events.push_back("size committed"); }
    void UpdatePanes() override { ++paneUpdates; }
    void SendMouseMove(TXLPane& pane, Point p) override { mouse.MouseMove(pane, ssLeft, p); }
    void FireClick(TXLClickEvent event, const TXLPane&, Point cell) override { clicks.push_back({event, cell}); }
    void CancelHint() override { ++hintsCancelled; }

    SteppedTimer timer;
    TXLMouseTracker mouse{*this, *this};
    Point cursor; // grid coordinates
    int paneUpdates = 0;
    int hintsCancelled = 0;
    bool showHint = false;
    std::vector<std::pair<TXLClickEvent, Point>> clicks;
};

} // namespace qv::test
