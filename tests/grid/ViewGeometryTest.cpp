// Pane geometry: cells under pixels, pixels of cells with their insets, clamping, merged ranges, enterable cells.
#include "GridTestSupport.h"

#include "sheet/ProRange.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// The body of SheetInGrid scrolled to (30, 10): column c starts at pane pixel 60c - 30, row r at 15r - 10.
struct ScrolledBody : SheetInGrid {
    ScrolledBody()
    {
        sheet.SetVisible(3, axCols, false); // columns 3 and 4 both start at content pixel 180
        Body().SetOrigin({30, 10});
    }
};

struct PointCase {
    Point pixel;
    TXLHitArea area;
    Point cell;
    bool inside;
};

class CellAtPoint : public ::testing::TestWithParam<PointCase> {};

TEST_P(CellAtPoint, FindsTheItemsUnderThePixel)
{
    ScrolledBody fixture;
    Point cell;
    EXPECT_EQ(fixture.Body().CellAtPoint(GetParam().pixel, GetParam().area, cell), GetParam().inside);
    EXPECT_EQ(cell, GetParam().cell);
}

// The extent is 420 × 300 (seven visible columns of 60), shown from content pixel (30, 10).
INSTANTIATE_TEST_SUITE_P(
    ViewGeometry, CellAtPoint,
    ::testing::Values(PointCase{{0, 0}, TXLHitArea::Content, {0, 0}, true},
                      PointCase{{29, 4}, TXLHitArea::Content, {0, 0}, true},
                      PointCase{{30, 5}, TXLHitArea::Content, {1, 1}, true},
                      PointCase{{150, 20}, TXLHitArea::Content, {4, 2}, true}, // 180 is column 4's, not 3's
                      PointCase{{-50, -50}, TXLHitArea::Content, {0, 0}, false},
                      PointCase{{395, 20}, TXLHitArea::Content, {7, 2}, false},
                      PointCase{{395, 20}, TXLHitArea::Anywhere, {7, 2}, true}));

TEST(ViewGeometry, ACellInAMergedRangeIsItsAnchor)
{
    SheetInGrid fixture;
    TXLRange(fixture.sheet.Section(sClient), {1, 1, 3, 3}).Merge(false);
    Point cell;
    ASSERT_TRUE(fixture.Body().CellAtPoint({150, 40}, TXLHitArea::Content, cell));
    EXPECT_EQ(cell, (Point{1, 1}));
    EXPECT_EQ(fixture.Body().AnchorOf({2, 2}), (Point{1, 1}));
    EXPECT_EQ(fixture.Body().AnchorOf({20, -3}), (Point{7, 0})) << "clamped into the counts";
    EXPECT_FALSE(fixture.Body().CanEnterCell({2, 1}));
    EXPECT_TRUE(fixture.Body().CanEnterCell({1, 1}));
}

TEST(ViewGeometry, MergedRangesExpandARangeUntilItGrowsNoMore)
{
    SheetInGrid fixture;
    TXLSection& client = fixture.sheet.Section(sClient);
    TXLRange(client, {2, 2, 4, 4}).Merge(false);
    TXLRange(client, {0, 1, 2, 3}).Merge(false);
    // The range meets the first merged range only; grown by it, it meets the second.
    EXPECT_EQ(fixture.Body().ExpandByUnions({1, 3, 3, 4}), (Rect{0, 1, 4, 4}));
    EXPECT_EQ(fixture.Body().ExpandByUnions({0, 5, 1, 6}), (Rect{0, 5, 1, 6}));
}

struct RectCase {
    Rect pixels;
    bool found;
    Rect cells;
};

class CellsAtRect : public ::testing::TestWithParam<RectCase> {};

TEST_P(CellsAtRect, TakesTheItemUnderTheEdgeOnlyWhenTheEdgePassesItsStart)
{
    ScrolledBody fixture;
    Rect range;
    EXPECT_EQ(fixture.Body().CellsAtRect(GetParam().pixels, range), GetParam().found);
    if (GetParam().found) {
        EXPECT_EQ(range, GetParam().cells);
    }
}

INSTANTIATE_TEST_SUITE_P(ViewGeometry, CellsAtRect,
                         ::testing::Values(RectCase{{0, 0, 90, 35}, true, {0, 0, 2, 3}}, // 120 and 45 start items
                                           RectCase{{0, 0, 91, 36}, true, {0, 0, 3, 4}},
                                           RectCase{{100, 50, 900, 900}, true, {2, 4, 8, 20}}, // clipped
                                           RectCase{{400, 0, 420, 10}, false, {}}));

struct InsetCase {
    Rect cells;
    int inset;
    bool ok;
    Rect pixels;
};

class CellRectToPixels : public ::testing::TestWithParam<InsetCase> {};

TEST_P(CellRectToPixels, GivesThePaneRectangleWithItsInset)
{
    ScrolledBody fixture;
    Rect r;
    ASSERT_EQ(fixture.Body().CellRectToPixels(GetParam().cells, r, GetParam().inset), GetParam().ok);
    if (GetParam().ok) {
        EXPECT_EQ(r, GetParam().pixels);
    }
}

INSTANTIATE_TEST_SUITE_P(ViewGeometry, CellRectToPixels,
                         ::testing::Values(InsetCase{{1, 1, 3, 2}, 0, true, {30, 5, 150, 20}},
                                           InsetCase{{1, 1, 3, 2}, 1, true, {31, 6, 148, 18}},
                                           InsetCase{{1, 1, 3, 2}, 2, true, {32, 7, 147, 17}},
                                           InsetCase{{3, 1, 4, 2}, 0, false, {}},   // a column of width 0
                                           InsetCase{{7, 0, 9, 1}, 0, false, {}})); // past the extent

TEST(ViewGeometry, ClampingAndClippingStayInsideTheCounts)
{
    SheetInGrid fixture(8, 20);
    TXLView& body = fixture.Body();
    EXPECT_EQ(body.ClampCell({-4, 99}), (Point{0, 19}));
    Rect range{6, 18, 12, 30};
    EXPECT_TRUE(body.ClipToSheet(range));
    EXPECT_EQ(range, (Rect{6, 18, 8, 20}));
    range = {9, 0, 12, 3};
    EXPECT_FALSE(body.ClipToSheet(range));
    fixture.sheet.SetColCount(0);
    EXPECT_EQ(body.ClampCell({5, 5}), (Point{0, 5}));
}

struct EnterCase {
    Point cell;
    bool enterable;
};

class CanEnterCell : public ::testing::TestWithParam<EnterCase> {};

TEST_P(CanEnterCell, NeedsAVisibleUnprotectedCellInsideTheCounts)
{
    SheetInGrid fixture;
    fixture.sheet.SetVisible(2, axCols, false);
    fixture.sheet.GetCell(4, 4).SetStyles(CellStyleBit(csProtect));
    fixture.sheet.GetCell(5, 5).SetStyles(CellStyleBit(csHidden));
    fixture.sheet.GetCell(6, 6).SetStyles(CellStyleBit(csReadOnly));
    EXPECT_EQ(fixture.Body().CanEnterCell(GetParam().cell), GetParam().enterable);
}

INSTANTIATE_TEST_SUITE_P(ViewGeometry, CanEnterCell,
                         ::testing::Values(EnterCase{{1, 1}, true}, EnterCase{{2, 1}, false}, EnterCase{{4, 4}, false},
                                           EnterCase{{5, 5}, false}, EnterCase{{6, 6}, true}, EnterCase{{8, 0}, false},
                                           EnterCase{{0, -1}, false}));

} // namespace
} // namespace qv::test
