// Panes without a window: geometry, scrolling and selection, with the host's and the grid's calls recorded.
#include "PaneFixture.h"
#include "grid/SectionPainter.h"
#include "sheet/ProRange.h"

#include <gtest/gtest.h>

#include <limits>

namespace qv::test {
namespace {

TEST(PaneGeometry, CellsAndPixelsFollowTheOrigin)
{
    Panes grid;
    grid.Body().SetOrigin({30, 10});
    Point cell;
    EXPECT_TRUE(grid.Body().CellAtPoint({30, 5}, TXLHitArea::Content, cell));
    EXPECT_EQ(cell, (Point{1, 1}));
    Rect pixels;
    ASSERT_TRUE(grid.Body().CellRectToPixels({1, 1, 3, 2}, pixels, 0));
    EXPECT_EQ(pixels, (Rect{30, 5, 150, 20}));
    ASSERT_TRUE(grid.Body().CellRectToPixels({1, 1, 3, 2}, pixels, 2));
    EXPECT_EQ(pixels, (Rect{32, 7, 147, 17}));
    EXPECT_FALSE(grid.Body().CellRectToPixels({7, 0, 9, 1}, pixels, 0)) << "beyond the extent";
    Rect range;
    ASSERT_TRUE(grid.Body().CellsAtRect({0, 0, 400, 300}, range));
    EXPECT_EQ(range, (Rect{0, 0, 8, 21}));
}

TEST(PaneScrolling, TheBodyScrollsItsWindowAndTheStripsFollow)
{
    Panes grid;
    EXPECT_TRUE(grid.Body().SetOrigin({60, 45}));
    EXPECT_EQ(grid.Host(sClient).scrolls, (std::vector<Point>{{-60, -45}}));
    EXPECT_EQ(grid.Pane(sCols).Origin(), (Point{60, 0})) << "the column strip follows horizontally";
    EXPECT_EQ(grid.Pane(sRows).Origin(), (Point{0, 45})) << "the row strip follows vertically";
    EXPECT_TRUE(grid.Host(sCols).invalidated.Contains({0, 0})) << "a title strip repaints whole";
    EXPECT_EQ(grid.bodyOrigins, (std::vector<Point>{{60, 45}}));
    EXPECT_FALSE(grid.Body().SetOrigin({60, 45})) << "the origin already";
}

TEST(PaneScrolling, ClampedOriginsAndScrollBars)
{
    Panes grid; // extent 480 x 600 in a 400 x 300 client
    EXPECT_TRUE(grid.Body().ClampOrigin({1000, -5}));
    EXPECT_EQ(grid.Body().Origin(), (Point{80, 0}));
    EXPECT_EQ(grid.bars[axCols].Maximum, 80);
    EXPECT_EQ(grid.bars[axCols].Position, 80);
    EXPECT_EQ(grid.bars[axRows].Page, 300);
    EXPECT_TRUE(grid.bars[axRows].Shown);
    EXPECT_EQ(grid.Body().ScrollPosFor(axRows, scLineDown, 0), 15);
    EXPECT_EQ(grid.Body().ScrollPosFor(axRows, scPageDown, 0), 300);
    EXPECT_EQ(grid.Body().ScrollPosFor(axRows, scBottom, 0), 300);
    grid.lists[3].SetValue(0, 0); // a hidden first row: a line down skips it
    EXPECT_EQ(grid.Body().ScrollPosFor(axRows, scLineDown, 0), 15);
}

TEST(PaneSelection, TitleStripsWidenAndOnlyChangedPixelsRepaint)
{
    Panes grid;
    grid.Pane(sCols).Select({2, 0, 3, 1}, {0, 0});
    EXPECT_EQ(grid.Pane(sCols).Selection(), (Rect{2, 0, 3, 1})) << "a column strip selects whole columns";
    grid.Pane(sRows).Select({0, 4, 1, 5}, {0, 0});
    EXPECT_EQ(grid.Pane(sRows).Selection(), (Rect{0, 4, 1, 5}));

    TXLRange(grid.sheet.Section(sClient), {1, 1, 3, 3}).Merge(false);
    grid.Host(sClient).invalidated = {};
    grid.events.clear(); // the strips' selections moved the body too
    grid.Body().Select({2, 2, 4, 3}, grid.Body().Current());
    EXPECT_EQ(grid.Body().Selection(), (Rect{1, 1, 4, 3})) << "widened to the merged range it meets";
    EXPECT_EQ(grid.events, (std::vector<std::string>{"selection"}));
    EXPECT_TRUE(grid.Host(sClient).invalidated.Contains({59, 14})) << "the new frame repaints";
    EXPECT_FALSE(grid.Host(sClient).invalidated.Contains({300, 200})) << "elsewhere nothing";

    grid.Body().SetCurrent({5, 6}, TXLCollapse::Collapse, TXLReveal::None);
    EXPECT_EQ(grid.Body().Selection(), (Rect{5, 6, 6, 7}));
    EXPECT_EQ(grid.Pane(sCols).Current().x, 5) << "the strips follow the current column and row";
    EXPECT_EQ(grid.Pane(sRows).Current().y, 6);
    EXPECT_EQ(grid.events.back(), "current");
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

TEST(ScaledFontHeight, ScalesWithoutOverflowAndKeepsTinyFontsTiny)
{
    EXPECT_EQ(ScaledFontHeight(0, 200), -24);
    EXPECT_EQ(ScaledFontHeight(-11, 150), -16);
    EXPECT_EQ(ScaledFontHeight(-1, 25), -1);
    EXPECT_EQ(ScaledFontHeight(std::numeric_limits<int>::min(), 500), -32767);
    EXPECT_EQ(ScaledFontHeight(std::numeric_limits<int>::max(), 500), 32767);
}

} // namespace
} // namespace qv::test
