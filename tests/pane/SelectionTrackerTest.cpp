// The selection tracker on panes without a window: clicks, drags, Shift-clicks, double clicks, the edit host's
// claim on a click, the column titles, Escape, auto-scroll and the right button.
#include "MouseFixture.h"
#include "cells/BooleanCell.h"
#include "sheet/ProRange.h"
#include "support/RecordingEditHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv::test {
namespace {

using Clicks = std::vector<std::pair<TXLClickEvent, Point>>;

// Body pixels of cells: columns of 60, rows of 15.
constexpr Point At(int col, int row)
{
    return {col * 60 + 30, row * 15 + 7};
}

TEST(SelectionTracker, AClickMakesTheCellCurrentAndClicksItOnRelease)
{
    MouseGrid grid;
    grid.Press(sClient, At(2, 2));
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Pressed);
    EXPECT_TRUE(grid.clicks.empty()) << "the click comes with the release";
    grid.Release(sClient, At(2, 2));
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Idle);
    EXPECT_EQ(grid.Body().Current(), (Point{2, 2}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{2, 2, 3, 3}));
    EXPECT_EQ(grid.clicks, (Clicks{{TXLClickEvent::CellClick, {2, 2}}}));
    EXPECT_FALSE(grid.timer.running);
}

TEST(SelectionTracker, ADragSelectsFromThePressToTheMouseAndClicksOnlyTheLastCell)
{
    MouseGrid grid;
    grid.Press(sClient, At(1, 1));
    grid.Move(sClient, At(2, 3));
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Dragging);
    grid.Move(sClient, At(3, 4));
    EXPECT_EQ(grid.Body().Selection(), (Rect{1, 1, 4, 5}));
    // Back over the start the range shrinks again.
    grid.Move(sClient, At(0, 0));
    EXPECT_EQ(grid.Body().Selection(), (Rect{0, 0, 2, 2}));
    grid.Release(sClient, At(0, 0));
    EXPECT_EQ(grid.Body().Current(), (Point{1, 1}));
    EXPECT_EQ(grid.clicks, (Clicks{{TXLClickEvent::CellClick, {0, 0}}}));
}

TEST(SelectionTracker, AShiftClickSelectsFromTheCurrentCell)
{
    MouseGrid grid;
    grid.Body().SetCurrent({1, 1}, TXLCollapse::Collapse, TXLReveal::None);
    grid.Click(sClient, At(3, 4), ssShift);
    EXPECT_EQ(grid.Body().Current(), (Point{1, 1}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{1, 1, 4, 5}));
}

TEST(SelectionTracker, WithoutRangeSelectTheCurrentCellFollowsTheMouse)
{
    MouseGrid grid;
    grid.options &= ~OptionBit(oRangeSelect);
    grid.Press(sClient, At(1, 1));
    grid.Move(sClient, At(3, 4));
    EXPECT_EQ(grid.Body().Current(), (Point{3, 4}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{3, 4, 4, 5}));
    // A Shift-click selects no range either.
    grid.Release(sClient, At(3, 4));
    grid.Click(sClient, At(5, 6), ssShift);
    EXPECT_EQ(grid.Body().Selection(), (Rect{5, 6, 6, 7}));
}

TEST(SelectionTracker, AMergedRangeIsSelectedWhole)
{
    MouseGrid grid;
    TXLRange(grid.sheet.Section(sClient), {2, 2, 4, 4}).Merge(false);
    grid.Click(sClient, At(3, 3));
    EXPECT_EQ(grid.Body().Current(), (Point{2, 2}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{2, 2, 4, 4}));
    EXPECT_EQ(grid.clicks, (Clicks{{TXLClickEvent::CellClick, {2, 2}}}));
}

TEST(SelectionTracker, ADoubleClickReachesTheCellAndTheEventsButNoSecondClick)
{
    MouseGrid grid;
    RecordingEditHost host(grid.Body());
    grid.editHost = &host;
    auto& checkBox = static_cast<TXLCBoolean&>(grid.sheet.Section(sClient).ReplaceCell({2, 2}, &TXLCBoolean::Class()));
    std::vector<Point> sheetDoubleClicks;
    grid.sheet.OnCellDblClick = [&](TXLSheet&, Point cell) { sheetDoubleClicks.push_back(cell); };
    grid.Click(sClient, At(2, 2));
    grid.Press(sClient, At(2, 2), ssDouble);
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Idle) << "a double click ends at once";
    grid.Release(sClient, At(2, 2));
    EXPECT_TRUE(checkBox.GetAsBoolean()) << "the check box toggled";
    EXPECT_EQ(sheetDoubleClicks, (std::vector<Point>{{2, 2}}));
    EXPECT_EQ(grid.clicks, (Clicks{{TXLClickEvent::CellClick, {2, 2}}, {TXLClickEvent::CellDblClick, {2, 2}}}));
    // On a cell with a cell object the editor opens with the arrows moving the caret.
    const auto mode = std::find(host.calls.begin(), host.calls.end(), "arrows move the caret");
    ASSERT_TRUE(mode != host.calls.end());
    ASSERT_TRUE(mode + 1 != host.calls.end());
    EXPECT_EQ(*(mode + 1), "editing on");
}

TEST(SelectionTracker, ADoubleClickOnACellWithoutObjectOpensTheEditorWithTheArrowsMovingTheCell)
{
    MouseGrid grid;
    RecordingEditHost host(grid.Body());
    grid.editHost = &host;
    grid.Press(sClient, At(4, 4), ssDouble);
    const auto mode = std::find(host.calls.begin(), host.calls.end(), "arrows move the cell");
    ASSERT_TRUE(mode != host.calls.end());
    ASSERT_TRUE(mode + 1 != host.calls.end());
    EXPECT_EQ(*(mode + 1), "editing on");
}

TEST(SelectionTracker, WithPermEditASingleClickOpensTheEditorWithTheArrowsMovingTheCell)
{
    MouseGrid grid;
    RecordingEditHost host(grid.Body());
    grid.editHost = &host;
    grid.options |= OptionBit(oPermEdit);
    grid.sheet.GetCell(3, 3); // a cell object: without oPermEdit a double click would move the caret
    grid.Press(sClient, At(3, 3));
    const auto mode = std::find(host.calls.begin(), host.calls.end(), "arrows move the cell");
    ASSERT_TRUE(mode != host.calls.end());
    ASSERT_TRUE(mode + 1 != host.calls.end());
    EXPECT_EQ(*(mode + 1), "editing on");
}

TEST(SelectionTracker, AnOpenEditorTakingTheClickKeepsTheCurrentCell)
{
    MouseGrid grid;
    RecordingEditHost host(grid.Body());
    grid.editHost = &host;
    grid.Body().SetCurrent({1, 1}, TXLCollapse::Collapse, TXLReveal::None);
    host.cell = &grid.sheet.GetCell(1, 1);
    host.takesClicks = true;
    grid.Click(sClient, At(3, 4));
    EXPECT_EQ(grid.Body().Current(), (Point{1, 1}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(host.clicked, (std::vector<Point>{{3, 4}, {3, 4}})) << "offered the press and the release";
    EXPECT_EQ(grid.clicks, (Clicks{{TXLClickEvent::CellClick, {3, 4}}}));
    // Refused, the click moves the current cell.
    host.takesClicks = false;
    grid.Click(sClient, At(3, 4));
    EXPECT_EQ(grid.Body().Current(), (Point{3, 4}));
}

TEST(SelectionTracker, EscapeDuringADragRestoresTheSelectionAndTheCurrentCellAndClicksNothing)
{
    MouseGrid grid;
    RecordingEditHost host(grid.Body());
    grid.editHost = &host;
    grid.Body().SetCurrent({1, 1}, TXLCollapse::Collapse, TXLReveal::None);
    grid.Body().Select({1, 1, 3, 2}, grid.Body().Current());
    host.cell = &grid.sheet.GetCell(1, 1);
    grid.Press(sClient, At(4, 4));
    grid.Move(sClient, At(6, 8));
    ASSERT_EQ(grid.Body().Selection(), (Rect{4, 4, 7, 9}));
    EXPECT_TRUE(grid.mouse.Cancel());
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Idle);
    EXPECT_EQ(grid.Body().Current(), (Point{1, 1}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{1, 1, 3, 2}));
    EXPECT_TRUE(grid.clicks.empty());
    EXPECT_FALSE(grid.timer.running);
    EXPECT_FALSE(host.Active()) << "the edit the press closed stays closed";
    // The release that follows finds nothing to finish.
    grid.Release(sClient, At(6, 8));
    EXPECT_TRUE(grid.clicks.empty());
    EXPECT_FALSE(grid.mouse.Cancel()) << "idle: Escape is left to the keys";
}

TEST(SelectionTracker, AColumnTitleClickSelectsTheColumnAndMovesTheCurrentCellToTheTopVisibleRow)
{
    MouseGrid grid;
    grid.Body().SetOrigin({0, 150}); // row 10 at the top
    grid.Body().SetCurrent({1, 12}, TXLCollapse::Collapse, TXLReveal::None);
    grid.Click(sCols, {2 * 60 + 30, 10});
    EXPECT_EQ(grid.Body().Selection(), (Rect{2, 0, 3, 40}));
    EXPECT_EQ(grid.Body().Current(), (Point{2, 10}));
    EXPECT_EQ(grid.Pane(sCols).Selection(), (Rect{2, 0, 3, 1}));
    // A current cell inside the clicked column stays.
    grid.Body().SetCurrent({3, 12}, TXLCollapse::Collapse, TXLReveal::None);
    grid.Click(sCols, {3 * 60 + 30, 10});
    EXPECT_EQ(grid.Body().Current(), (Point{3, 12}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{3, 0, 4, 40}));
}

TEST(SelectionTracker, NoTrackerWithoutASheetOrOnAReadOnlySheet)
{
    MouseGrid grid;
    grid.sheet.ReadOnly = true;
    grid.Click(sClient, At(3, 3));
    EXPECT_EQ(grid.Body().Current(), (Point{0, 0}));
    EXPECT_TRUE(grid.clicks.empty());
    EXPECT_EQ(grid.mouse.Tracker(), TXLTracker::None);
}

struct AutoScrollCase {
    const char* what;
    TXLSector sector;
    Point press;
    Point mouse;  // pane pixels, outside the pane
    Point origin; // the body's after one tick
};

class AutoScroll : public ::testing::TestWithParam<AutoScrollCase> {};

TEST_P(AutoScroll, TicksScrollTheBodyALineAlongThePanesAxesAndReplayTheMove)
{
    const AutoScrollCase& c = GetParam();
    MouseGrid grid(20, 40); // room to scroll: the content 1200 × 600
    grid.Body().SetOrigin({120, 150});
    grid.Press(c.sector, c.press);
    grid.Move(c.sector, c.mouse);
    EXPECT_TRUE(grid.timer.running);
    EXPECT_EQ(grid.timer.interval, 40);
    grid.mouse.AutoScrollTick();
    EXPECT_EQ(grid.Body().Origin(), c.origin) << c.what;
    EXPECT_EQ(grid.paneUpdates, 1);
    grid.Release(c.sector, c.mouse);
    EXPECT_FALSE(grid.timer.running);
    // The release scrolls the cell under the mouse into view; a late tick scrolls no further.
    const Point released = grid.Body().Origin();
    grid.mouse.AutoScrollTick();
    EXPECT_EQ(grid.Body().Origin(), released);
    EXPECT_EQ(grid.paneUpdates, 1);
}

INSTANTIATE_TEST_SUITE_P(
    SelectionTracker, AutoScroll,
    ::testing::Values(AutoScrollCase{"body, below", sClient, {30, 30}, {30, 310}, {120, 165}},
                      AutoScrollCase{"body, left and above", sClient, {30, 30}, {-5, -5}, {60, 135}},
                      AutoScrollCase{"column titles only sideways", sCols, {30, 10}, {405, 50}, {180, 150}},
                      AutoScrollCase{"row titles only up and down", sRows, {20, 37}, {-10, 301}, {120, 165}}));

TEST(SelectionTracker, TheReplayedMoveAfterATickWidensTheSelection)
{
    MouseGrid grid;
    grid.Press(sClient, At(2, 2));
    grid.Move(sClient, {150, 310});
    ASSERT_EQ(grid.Body().Selection(), (Rect{2, 2, 3, 21}));
    grid.mouse.AutoScrollTick();
    EXPECT_EQ(grid.Body().Selection(), (Rect{2, 2, 3, 22})) << "the row under the mouse after one line";
}

TEST(SelectionTracker, TheRightButtonMovesTheCurrentCellOnlyFromOutsideTheSelection)
{
    MouseGrid grid(3, 5); // the body's content 180 × 75
    TXLPane& body = grid.Body();
    body.SetCurrent({0, 0}, TXLCollapse::Collapse, TXLReveal::None);
    body.Select({0, 0, 2, 3}, body.Current());
    grid.mouse.MouseDown(body, TXLMouseButton::Right, ssRight, At(1, 2));
    EXPECT_EQ(body.Current(), (Point{0, 0}));
    EXPECT_EQ(body.Selection(), (Rect{0, 0, 2, 3}));
    grid.mouse.MouseDown(body, TXLMouseButton::Right, ssRight, At(2, 4));
    EXPECT_EQ(body.Current(), (Point{2, 4}));
    EXPECT_EQ(body.Selection(), (Rect{2, 4, 3, 5}));
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Idle) << "the right button tracks nothing";
    // The pop-up menu opens only below the content's extent.
    EXPECT_TRUE(grid.mouse.RightUpOpensMenu(body, {179, 74}));
    EXPECT_FALSE(grid.mouse.RightUpOpensMenu(body, {180, 10}));
    EXPECT_FALSE(grid.mouse.RightUpOpensMenu(body, {10, 75}));
}

} // namespace
} // namespace qv::test
