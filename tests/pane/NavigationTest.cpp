// Moving the current cell and the selection on panes without a window: stepping, Enter, Shift extension, the
// title strips and the body following each other, and the selection object taking the first cell's format.
#include "PaneFixture.h"
#include "grid/Selection.h"
#include "sheet/ProRange.h"
#include "support/RecordingEditHost.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

void Press(Panes& grid, TXLKey key, TXLShiftState shift = 0)
{
    grid.Body().KeyDown({key, shift});
}

void Enter(Panes& grid, TXLShiftState shift = 0)
{
    char32_t key = kCharEnter;
    grid.Body().KeyPress(key, shift);
    EXPECT_EQ(key, 0u) << "Enter is consumed";
}

void Protect(Panes& grid, int col, int row)
{
    grid.sheet.GetCell(col, row).SetStyles(CellStyleBit(csProtect));
}

struct EdgeCase {
    TXLKey key;
    TXLOptions options;
    Point from;
    Point expected;
};

class ArrowAtTheEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(ArrowAtTheEdge, StaysOrWrapsOntoTheNextLine)
{
    Panes grid; // 8 × 40
    grid.options |= GetParam().options;
    grid.Body().SetCurrent(GetParam().from, TXLCollapse::Collapse, TXLReveal::None);
    Press(grid, GetParam().key);
    EXPECT_EQ(grid.Body().Current(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Navigation, ArrowAtTheEdge,
    ::testing::Values(EdgeCase{TXLKey::Down, 0, {2, 39}, {2, 39}},                   // no wrapping: stays
                      EdgeCase{TXLKey::Down, OptionBit(oWrapKeys), {2, 39}, {3, 0}}, // the next column's top
                      EdgeCase{TXLKey::Down, OptionBit(oWrapKeys), {7, 39}, {0, 0}}, // the last column: the first
                      EdgeCase{TXLKey::Right, OptionBit(oWrapKeys), {7, 5}, {0, 6}}, // the next row's start
                      EdgeCase{TXLKey::Left, OptionBit(oWrapKeys), {0, 5}, {7, 4}},  // the row before's end
                      EdgeCase{TXLKey::Up, OptionBit(oWrapKeys), {0, 0}, {7, 39}})); // round to the last cell

TEST(Navigation, EnterCyclesThroughASelectedRangeAndShiftEnterGoesBack)
{
    Panes grid;
    TXLPane& body = grid.Body();
    body.SetCurrent({1, 1}, TXLCollapse::Collapse, TXLReveal::None);
    body.Select({1, 1, 3, 3}, body.Current());
    std::vector<Point> visited;
    for (int i = 0; i < 4; ++i) {
        Enter(grid);
        visited.push_back(body.Current());
    }
    EXPECT_EQ(visited, (std::vector<Point>{{1, 2}, {2, 1}, {2, 2}, {1, 1}})) << "down the columns, wrapping";
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 3, 3})) << "the range stays";
    visited.clear();
    for (int i = 0; i < 4; ++i) {
        Enter(grid, ssShift);
        visited.push_back(body.Current());
    }
    EXPECT_EQ(visited, (std::vector<Point>{{2, 2}, {2, 1}, {1, 2}, {1, 1}}));
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 3, 3}));
}

TEST(Navigation, EnterFollowsTheLastNavigationKeyUnlessEnterDirIsSet)
{
    Panes grid;
    TXLPane& body = grid.Body();
    body.SetCurrent({3, 3}, TXLCollapse::Collapse, TXLReveal::None);
    Enter(grid);
    EXPECT_EQ(body.Current(), (Point{3, 4})) << "down at first";
    Press(grid, TXLKey::Left);
    EXPECT_EQ(grid.autoDirection, dLeft);
    Enter(grid);
    EXPECT_EQ(body.Current(), (Point{1, 4})) << "Left, then Enter: left again";
    Enter(grid, ssShift);
    EXPECT_EQ(body.Current(), (Point{2, 4})) << "Shift turns it round";
    grid.enterDir = dRight;
    Enter(grid);
    EXPECT_EQ(body.Current(), (Point{3, 4}));
}

TEST(Navigation, EndAndHomeLandOnTheLastAndFirstEnterableColumn)
{
    Panes grid;
    grid.lists[1].SetValue(7, 0); // the last column has width 0
    Protect(grid, 0, 5);
    TXLPane& body = grid.Body();
    body.SetCurrent({2, 5}, TXLCollapse::Collapse, TXLReveal::None);
    Press(grid, TXLKey::End);
    EXPECT_EQ(body.Current(), (Point{6, 5}));
    Press(grid, TXLKey::Home);
    EXPECT_EQ(body.Current(), (Point{1, 5})) << "the protected first column is skipped";
}

TEST(Navigation, PageDownOntoAProtectedCellSearchesBackUp)
{
    Panes grid; // 20 rows of 15 pixels to the page
    Protect(grid, 0, 20);
    Protect(grid, 0, 19);
    Press(grid, TXLKey::PageDown);
    EXPECT_EQ(grid.Body().Current(), (Point{0, 18}));
    Press(grid, TXLKey::PageUp);
    EXPECT_EQ(grid.Body().Current(), (Point{0, 0}));
}

TEST(Navigation, ArrowsSkipHiddenItemsAndCrossMergedRangesKeepingTheColumn)
{
    Panes grid;
    grid.lists[1].SetValue(2, 0); // column 2 hidden
    grid.lists[3].SetValue(3, 0); // row 3 hidden
    TXLRange(grid.sheet.Section(sClient), {1, 5, 4, 8}).Merge(false);
    TXLPane& body = grid.Body();
    body.SetCurrent({1, 0}, TXLCollapse::Collapse, TXLReveal::None);
    Press(grid, TXLKey::Right);
    EXPECT_EQ(body.Current(), (Point{3, 0}));
    body.SetCurrent({0, 2}, TXLCollapse::Collapse, TXLReveal::None);
    Press(grid, TXLKey::Down);
    EXPECT_EQ(body.Current(), (Point{0, 4}));

    body.SetCurrent({3, 4}, TXLCollapse::Collapse, TXLReveal::None);
    Press(grid, TXLKey::Down);
    EXPECT_EQ(body.Current(), (Point{1, 5})) << "the merged range's anchor";
    EXPECT_EQ(body.Cursor(), (Point{3, 5})) << "the cursor keeps its column";
    EXPECT_EQ(body.Selection(), (Rect{1, 5, 4, 8}));
    Press(grid, TXLKey::Down);
    EXPECT_EQ(body.Current(), (Point{3, 8})) << "over the range as a whole, in the same column";
    Press(grid, TXLKey::Up);
    Press(grid, TXLKey::Up);
    EXPECT_EQ(body.Current(), (Point{3, 4}));
}

struct CtrlCase {
    TXLKey key;
    TXLShiftState shift;
    Point from;
    Point origin;
    Point expected;
    Point expectedOrigin;
};

class NavigationKey : public ::testing::TestWithParam<CtrlCase> {};

TEST_P(NavigationKey, MovesTheCurrentCellAndTheOrigin)
{
    Panes grid; // 8 × 40 cells of 60 × 15 in a 400 × 300 body: the origin goes up to (80, 300)
    const CtrlCase& c = GetParam();
    grid.Body().SetCurrent(c.from, TXLCollapse::Collapse, TXLReveal::None);
    grid.Body().SetOrigin(c.origin);
    Press(grid, c.key, c.shift);
    EXPECT_EQ(grid.Body().Current(), c.expected);
    EXPECT_EQ(grid.Body().Origin(), c.expectedOrigin);
}

INSTANTIATE_TEST_SUITE_P(Navigation, NavigationKey,
                         ::testing::Values(CtrlCase{TXLKey::End, ssCtrl, {3, 10}, {0, 0}, {7, 39}, {80, 300}},
                                           CtrlCase{TXLKey::Home, ssCtrl, {3, 10}, {60, 45}, {0, 0}, {0, 0}},
                                           CtrlCase{TXLKey::PageDown, ssCtrl, {3, 10}, {60, 45}, {3, 39}, {60, 300}},
                                           CtrlCase{TXLKey::PageUp, ssCtrl, {3, 30}, {60, 300}, {3, 0}, {60, 0}},
                                           CtrlCase{TXLKey::Down, ssCtrl, {3, 10}, {0, 0}, {3, 11}, {0, 15}},
                                           CtrlCase{TXLKey::Right, ssCtrl, {1, 10}, {0, 0}, {2, 10}, {60, 0}},
                                           CtrlCase{TXLKey::End, 0, {3, 10}, {0, 0}, {7, 10}, {80, 0}},
                                           CtrlCase{TXLKey::Down, ssAlt, {3, 10}, {0, 0}, {3, 10}, {0, 0}}));

TEST(Navigation, ShiftArrowsExtendOverAMergedRangeAsAWhole)
{
    Panes grid;
    TXLRange(grid.sheet.Section(sClient), {2, 1, 4, 3}).Merge(false);
    TXLPane& body = grid.Body();
    body.SetCurrent({1, 1}, TXLCollapse::Collapse, TXLReveal::None);
    Press(grid, TXLKey::Right, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 4, 3})) << "widened to the merged range";
    Press(grid, TXLKey::Right, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 5, 3})) << "the step inside the range is passed over";
    Press(grid, TXLKey::Left, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 4, 3}));
    Press(grid, TXLKey::Left, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 2, 3})) << "out of the range in one press";
    EXPECT_EQ(body.Current(), (Point{1, 1}));
    EXPECT_EQ(grid.autoDirection, dLeft);
}

TEST(Navigation, ShiftExtendsToTheLeftAndBackFromTheCurrentCell)
{
    Panes grid;
    TXLPane& body = grid.Body();
    body.SetCurrent({4, 4}, TXLCollapse::Collapse, TXLReveal::None);
    Press(grid, TXLKey::Left, ssShift);
    Press(grid, TXLKey::Left, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{2, 4, 5, 5}));
    Press(grid, TXLKey::Right, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{3, 4, 5, 5})) << "the left edge moves back";
    Press(grid, TXLKey::End, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{4, 4, 8, 5}));
    Press(grid, TXLKey::Home, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{0, 4, 5, 5}));
}

TEST(Navigation, WithRowSelectTheBodySelectsWholeRows)
{
    Panes grid;
    grid.options |= OptionBit(oRowSelect);
    TXLPane& body = grid.Body();
    body.SetCurrent({3, 4}, TXLCollapse::Collapse, TXLReveal::None);
    EXPECT_EQ(body.Selection(), (Rect{0, 4, 8, 5}));
    Press(grid, TXLKey::Down, ssShift);
    EXPECT_EQ(body.Selection(), (Rect{0, 4, 8, 6}));
}

TEST(Navigation, EnterWhereNoCellCanBeEnteredReleasesTheEditorUnlessPermanent)
{
    Panes grid;
    RecordingEditHost host(grid.Body());
    grid.editHost = &host;
    grid.Body().SetCurrent({2, 39}, TXLCollapse::Collapse, TXLReveal::None);
    host.calls.clear();
    Enter(grid);
    EXPECT_EQ(grid.Body().Current(), (Point{2, 39}));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"release"}));
    grid.options |= OptionBit(oPermEdit);
    host.calls.clear();
    Enter(grid);
    EXPECT_TRUE(host.calls.empty());
}

TEST(Navigation, MovingTheCurrentCellStoresTheEditAndReopensOnlyWithPermEdit)
{
    Panes grid;
    RecordingEditHost host(grid.Body());
    grid.editHost = &host;
    grid.Body().PrepareEdit({0, 0});
    ASSERT_TRUE(grid.Body().IsEditing());
    Press(grid, TXLKey::Down);
    EXPECT_FALSE(grid.Body().IsEditing());
    grid.options |= OptionBit(oPermEdit);
    Press(grid, TXLKey::Down);
    ASSERT_TRUE(grid.Body().IsEditing());
    EXPECT_EQ(host.cell, grid.sheet.Section(sClient).FindCell({0, 2})) << "open on the new current cell";
}

TEST(Navigation, TitleStripsSelectWholeColumnsAndRowsAndTheBodyFollows)
{
    Panes grid;
    TXLPane& body = grid.Body();
    body.SetOrigin({0, 45}); // row 3 at the top
    grid.Pane(sCols).SetCurrent({4, 0}, TXLCollapse::Collapse, TXLReveal::None);
    EXPECT_EQ(grid.Pane(sCols).Selection(), (Rect{4, 0, 5, 1}));
    EXPECT_EQ(body.Selection(), (Rect{4, 0, 5, 40})) << "the whole column in the body";
    EXPECT_EQ(body.Current(), (Point{4, 3})) << "into the column at the top visible row";

    body.SetCurrent({4, 10}, TXLCollapse::Collapse, TXLReveal::None);
    EXPECT_TRUE(grid.Pane(sCols).Selection().IsEmpty()) << "a body selection clears the strips'";
    grid.Pane(sCols).Select({4, 0, 5, 1}, grid.Pane(sCols).Current());
    EXPECT_EQ(body.Current(), (Point{4, 10})) << "already in the column: it stays";

    Protect(grid, 0, 6);
    grid.Pane(sRows).SetCurrent({0, 6}, TXLCollapse::Collapse, TXLReveal::None);
    EXPECT_EQ(body.Selection(), (Rect{0, 6, 8, 7}));
    EXPECT_EQ(body.Current(), (Point{1, 6})) << "the protected target cell: the next one right";
    EXPECT_TRUE(grid.Pane(sCols).Selection().IsEmpty()) << "the other strip lets go";

    grid.Pane(sTitle).Select({0, 0, 1, 1}, {0, 0});
    EXPECT_EQ(body.Selection(), (Rect{0, 0, 8, 40})) << "the corner selects everything";
}

TEST(Navigation, AColumnTitleSelectionWidensWithTheBodysMergedRanges)
{
    Panes grid;
    TXLRange(grid.sheet.Section(sClient), {2, 5, 4, 6}).Merge(false);
    grid.Pane(sCols).SetCurrent({3, 0}, TXLCollapse::Collapse, TXLReveal::None);
    EXPECT_EQ(grid.Pane(sCols).Selection(), (Rect{2, 0, 4, 1}));
    EXPECT_EQ(grid.Body().Selection(), (Rect{2, 0, 4, 40}));
}

TEST(Navigation, TheSelectionObjectTakesTheFirstCellsFontWithoutWritingAnything)
{
    Panes grid;
    grid.sheet.GetCell(2, 3).Font().SetStyle(fsBold);
    grid.sheet.GetCell(3, 3);
    grid.sheet.SetModified(false);
    TXLPane& body = grid.Body();
    TXLSelection& selection = body.SelectionObject();
    body.Select({2, 3, 4, 4}, body.Current());
    EXPECT_EQ(selection.Font().Style(), fsBold);
    EXPECT_FALSE(grid.sheet.Modified()) << "selecting changes no cell";

    // Only the members changed through the proxy reach the cells: the plain cell stays plain.
    selection.Font().SetColor(clRed);
    EXPECT_EQ(grid.sheet.GetCell(3, 3).Font().Color(), clRed);
    EXPECT_EQ(grid.sheet.GetCell(3, 3).Font().Style(), 0u);
    EXPECT_EQ(grid.sheet.GetCell(2, 3).Font().Style(), fsBold);

    body.Select({5, 5, 6, 6}, body.Current());
    EXPECT_EQ(selection.Font().Style(), 0u) << "a missing cell: the base style's font";
}

TEST(Navigation, MergingOrClearingThroughTheSelectionRepaintsItAndTellsTheGrid)
{
    Panes grid;
    TXLPane& body = grid.Body();
    body.Select({1, 1, 3, 3}, body.Current());
    grid.events.clear();
    grid.Host(sClient).invalidated = {};
    EXPECT_TRUE(body.SelectionObject().Merge(false));
    EXPECT_TRUE(grid.sheet.Section(sClient).IsUnionRect({1, 1, 3, 3}));
    EXPECT_EQ(grid.events, (std::vector<std::string>{"selection"}));
    EXPECT_TRUE(grid.Host(sClient).invalidated.Contains({100, 25})) << "inside the selection";
    grid.events.clear();
    EXPECT_TRUE(body.SelectionObject().ClearRange(2));
    ASSERT_FALSE(grid.events.empty());
    EXPECT_EQ(grid.events.front(), "cells") << "the colour and lines reset: OnChange";
    EXPECT_EQ(grid.events.back(), "selection");
}

} // namespace
} // namespace qv::test
