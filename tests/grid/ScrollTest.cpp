// Scrolling: scroll codes, making cells visible, clamping, scroll bars, repainted strips, the update lock, links.
#include "GridTestSupport.h"

#include <QScrollBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace qv::test {
namespace {

// 20 × 100 cells of 60 × 15 in a hidden grid: the body is 338 × 283 of an extent of 1200 × 1500.
struct WideSheet : SheetInGrid {
    WideSheet() : SheetInGrid(20, 100) {}
};

struct CodeCase {
    TXLAxis axis;
    TXLScrollCode code;
    int value;
    bool tracking;
    int expected;
};

class ScrollPosFor : public ::testing::TestWithParam<CodeCase> {};

TEST_P(ScrollPosFor, SnapsToItemsAndStaysInsideTheContent)
{
    WideSheet fixture;
    TXLScrolls scrolls = fixture.grid.Scrolls() & ~ScrollBit(sTracking);
    fixture.grid.SetScrolls(GetParam().tracking ? scrolls | ScrollBit(sTracking) : scrolls);
    fixture.Body().SetOrigin({150, 100}); // inside column 2 (120 to 180) and row 6 (90 to 105)
    const CodeCase& c = GetParam();
    EXPECT_EQ(fixture.Body().ScrollPosFor(c.axis, c.code, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scroll, ScrollPosFor,
    ::testing::Values(CodeCase{axCols, scLineDown, 0, true, 180}, // the next column
                      CodeCase{axCols, scLineUp, 0, true, 120},   // the same column's start
                      CodeCase{axRows, scLineDown, 0, true, 105}, CodeCase{axRows, scLineUp, 0, true, 90},
                      CodeCase{axRows, scPageDown, 0, true, 375}, // 383 snapped
                      CodeCase{axRows, scPageUp, 0, true, 0}, CodeCase{axRows, scThumbTrack, 200, true, 200},
                      CodeCase{axRows, scThumbTrack, 200, false, 100}, // stays
                      CodeCase{axRows, scThumbPosition, 200, true, 200},
                      CodeCase{axRows, scThumbPosition, 200, false, 195}, CodeCase{axRows, scTop, 0, true, 0},
                      CodeCase{axRows, scBottom, 0, true, 1217},
                      CodeCase{axCols, scThumbPosition, 5000, true, 862})); // limited

TEST(Scroll, PageDownMovesOneItemWhenAnItemTallerThanThePageHoldsTheOrigin)
{
    SheetInGrid fixture(8, 40);
    fixture.sheet.SetSize(5, axRows, 400);  // row 5 at 75 to 475
    fixture.sheet.SetSize(39, axRows, 400); // the last row at 970 to 1370; the origin goes up to 1087
    TXLView& body = fixture.Body();
    body.SetOrigin({0, 75});
    EXPECT_EQ(body.ScrollPosFor(axRows, scPageDown, 0), 475);
    body.SetOrigin({0, 970});
    EXPECT_EQ(body.ScrollPosFor(axRows, scPageDown, 0), 1087) << "on the last page: to its end";
}

TEST(Scroll, MakeVisibleScrollsTheLeastAndLeavesNoPartialItemAtTheEdge)
{
    SheetInGrid fixture;
    TXLView& body = fixture.Body();
    body.MakeVisible({6, 0, 7, 1}); // 360 to 420: 82 pixels beyond, inside column 1
    EXPECT_EQ(body.Origin(), (Point{120, 0}));
    body.MakeVisible({4, 0, 5, 1});
    EXPECT_EQ(body.Origin(), (Point{120, 0})) << "already visible";
    body.MakeVisible({0, 0, 1, 1});
    EXPECT_EQ(body.Origin(), (Point{0, 0}));
}

TEST(Scroll, ClampOriginKeepsTheClientFilledWhereTheContentAllows)
{
    SheetInGrid fixture;
    TXLView& body = fixture.Body();
    EXPECT_TRUE(body.ClampOrigin({1000, -5}));
    EXPECT_EQ(body.Origin(), (Point{142, 0}));
    EXPECT_FALSE(body.ClampOrigin({142, 0}));
    fixture.sheet.SetColCount(2);
    EXPECT_EQ(body.Origin().x, 142) << "a pane without a window only stores its new extent";
    EXPECT_TRUE(body.ClampOrigin(body.Origin()));
    EXPECT_EQ(body.Origin().x, 0) << "a content narrower than the client starts at 0";
}

TEST(Scroll, AnItemChangingSizeAboveTheVisiblePartKeepsTheContentInPlace)
{
    SheetInGrid fixture(8, 100);
    fixture.Body().SetOrigin({0, 150});
    fixture.sheet.SetSize(2, axRows, 35);
    EXPECT_EQ(fixture.Body().Origin().y, 170);
    EXPECT_EQ(fixture.grid.View(sRows).Origin().y, 170);
    fixture.sheet.SetSize(20, axRows, 30);
    EXPECT_EQ(fixture.Body().Origin().y, 170);
}

TEST(Scroll, ScrollBarsShowWhenTheContentExceedsTheBody)
{
    WideSheet fixture;
    fixture.grid.show();
    Settle();
    TXLView& body = fixture.Body();
    QScrollBar& vertical = fixture.grid.ScrollBar(axRows);
    QScrollBar& horizontal = fixture.grid.ScrollBar(axCols);
    ASSERT_TRUE(vertical.isVisible());
    ASSERT_TRUE(horizontal.isVisible());
    EXPECT_EQ(vertical.maximum(), 1500 - body.height());
    EXPECT_EQ(vertical.pageStep(), body.height());
    EXPECT_EQ(horizontal.maximum(), 1200 - body.width());
    EXPECT_EQ(body.x() + body.width(), vertical.x()) << "the bar is beside the body";

    body.SetOrigin({0, 1000});
    EXPECT_EQ(vertical.value(), 1000);
    fixture.sheet.SetColCount(2);
    fixture.sheet.SetRowCount(3);
    EXPECT_FALSE(vertical.isVisible());
    EXPECT_FALSE(horizontal.isVisible());
    EXPECT_EQ(body.Origin(), (Point{0, 0}));
    EXPECT_EQ(body.y() + body.height(), fixture.grid.contentsRect().bottom() + 1) << "the body takes the room";
}

struct TrackingCase {
    bool tracking;
    int whileDragging;
    int afterRelease;
};

class ThumbDrag : public ::testing::TestWithParam<TrackingCase> {};

TEST_P(ThumbDrag, ScrollsLiveOnlyWithTracking)
{
    WideSheet fixture;
    const TXLScrolls scrolls = fixture.grid.Scrolls() & ~ScrollBit(sTracking);
    fixture.grid.SetScrolls(GetParam().tracking ? scrolls | ScrollBit(sTracking) : scrolls);
    fixture.grid.show();
    Settle();
    QScrollBar& bar = fixture.grid.ScrollBar(axRows);
    bar.setSliderDown(true);
    bar.setSliderPosition(200);
    EXPECT_EQ(fixture.Body().Origin().y, GetParam().whileDragging);
    bar.setSliderDown(false);
    EXPECT_EQ(fixture.Body().Origin().y, GetParam().afterRelease);
}

// Without tracking the dropped thumb snaps to the row at 200 (195 to 210).
INSTANTIATE_TEST_SUITE_P(Scroll, ThumbDrag,
                         ::testing::Values(TrackingCase{true, 200, 200}, TrackingCase{false, 0, 195}));

TEST(Scroll, ScrollingRepaintsOnlyTheUncoveredStripOfTheBody)
{
    WideSheet fixture;
    fixture.grid.show();
    Settle();
    TXLView& body = fixture.Body();
    PaintSpy bodySpy(body);
    PaintSpy titleSpy(fixture.grid.View(sRows));
    body.SetOrigin({0, 15});
    Settle();
    EXPECT_EQ(bodySpy.Painted, QRegion(0, body.height() - 15, body.width(), 15));
    EXPECT_EQ(titleSpy.Painted, QRegion(fixture.grid.View(sRows).rect())) << "a title strip repaints whole";
    EXPECT_EQ(fixture.grid.View(sRows).Origin(), (Point{0, 15}));
    EXPECT_EQ(fixture.grid.View(sCols).Origin(), (Point{0, 0}));
}

TEST(Scroll, ASizeChangeRepaintsTheItemAndMovesWhatFollows)
{
    WideSheet fixture;
    fixture.grid.show();
    Settle();
    PaintSpy body(fixture.Body());
    PaintSpy titles(fixture.grid.View(sRows));
    fixture.sheet.SetSize(3, axRows, 30); // 45 to 60 becomes 45 to 75
    Settle();
    for (const PaintSpy* spy : {&body, &titles}) {
        const QRect painted = spy->Painted.boundingRect();
        EXPECT_FALSE(painted.isEmpty());
        EXPECT_GE(painted.top(), 40);
        EXPECT_LE(painted.bottom(), 80) << "the rows below were moved, not repainted";
    }
}

struct InvalidateCase {
    TXLInvalidateMode mode;
    QRegion expected; // for the cell (120, 30) to (180, 45)
};

class InvalidateRange : public ::testing::TestWithParam<InvalidateCase> {};

TEST_P(InvalidateRange, RepaintsTheCellsAsTheModeSays)
{
    SheetInGrid fixture;
    fixture.grid.show();
    Settle();
    PaintSpy spy(fixture.Body());
    fixture.Body().InvalidateRange({2, 2, 3, 3}, TXLUnionExpand::None, GetParam().mode);
    Settle();
    EXPECT_EQ(spy.Painted, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scroll, InvalidateRange,
    ::testing::Values(InvalidateCase{imGrown, QRegion(119, 29, 61, 16)}, // with the lines left of and above it
                      InvalidateCase{imExact, QRegion(122, 32, 55, 10)},
                      InvalidateCase{imRing, QRegion(118, 28, 63, 18).subtracted(QRegion(122, 32, 55, 10))}));

TEST(Scroll, AChangedCellRepaintsOnlyItselfAndItsLines)
{
    SheetInGrid fixture;
    fixture.grid.show();
    Settle();
    PaintSpy spy(fixture.Body());
    fixture.sheet.SetCellValue(2, 2, Variant(std::string("x")));
    Settle();
    EXPECT_FALSE(spy.Painted.isEmpty());
    EXPECT_TRUE(QRegion(119, 29, 61, 16).contains(spy.Painted.boundingRect()));
}

TEST(Scroll, TheUpdateLockFoldsRepaintsIntoOne)
{
    SheetInGrid fixture;
    fixture.grid.show();
    Settle();
    PaintSpy spy(fixture.Body());
    fixture.grid.BeginUpdate();
    fixture.grid.BeginUpdate();
    fixture.Body().Invalidate();
    fixture.grid.InvalidateAll();
    fixture.grid.EndUpdate();
    Settle();
    EXPECT_EQ(spy.Events, 0) << "still locked once";
    fixture.grid.EndUpdate();
    Settle();
    EXPECT_EQ(spy.Events, 1);
    EXPECT_EQ(spy.Painted, QRegion(fixture.Body().rect()));
}

TEST(Scroll, GridsLinkedBothWaysAtDifferentScalesScrollTogetherOnce)
{
    WideSheet a;
    WideSheet b;
    a.grid.SetScale(150);
    a.grid.SetHorzLink(&b.grid);
    a.grid.SetVertLink(&b.grid);
    EXPECT_EQ(b.grid.HorzLink(), &a.grid);
    EXPECT_EQ(b.grid.VertLink(), &a.grid);

    // At 150 columns are 90 and rows 22 pixels: 91 is column 1 and 1 pixel (0 at 100), 46 row 2 and 2 (1 at 100).
    // B's answer, 90 and 45 at 150, is ignored.
    a.Body().SetOrigin({91, 46});
    EXPECT_EQ(b.Body().Origin(), (Point{60, 31}));
    EXPECT_EQ(a.Body().Origin(), (Point{91, 46}));
    EXPECT_EQ(b.grid.View(sCols).Origin().x, 60) << "the partner's title strips follow its body";
    b.Body().SetOrigin({120, 60});
    EXPECT_EQ(a.Body().Origin(), (Point{180, 88})) << "row 4 starts at 88 at 150, not at 90";

    a.grid.SetHorzLink(nullptr);
    EXPECT_EQ(b.grid.HorzLink(), nullptr);
    a.Body().SetOrigin({0, 0});
    EXPECT_EQ(b.Body().Origin(), (Point{120, 0})) << "only the vertical link is left";
    {
        WideSheet c;
        c.grid.SetHorzLink(&a.grid);
        EXPECT_EQ(a.grid.HorzLink(), &c.grid);
    }
    EXPECT_EQ(a.grid.HorzLink(), nullptr) << "a destroyed partner takes its link along";
}

// The item at a grid's body origin on the vertical axis, and how far into it at scale 100.
std::pair<int, int> RowPosition(TXLGrid& grid)
{
    int y = grid.View(sClient).Origin().y;
    const int row = grid.ScaledList(axRows, ptClient).FindOffset(y);
    return {row, (grid.View(sClient).Origin().y - y) * 100 / grid.Scale()};
}

TEST(Scroll, LinkingAtAnotherScaleLeavesTheLinkingGridWhereItIs)
{
    WideSheet a;
    WideSheet b;
    a.grid.SetScale(150);
    a.Body().SetOrigin({91, 46});
    a.grid.SetHorzLink(&b.grid);
    a.grid.SetVertLink(&b.grid);
    EXPECT_EQ(a.Body().Origin(), (Point{91, 46})) << "the partner's answer at 150 would be (90, 45)";
    EXPECT_EQ(b.Body().Origin(), (Point{60, 31}));
}

// Rows are 15 pixels at 100 and 22 at 150, so a pixel origin converted by the scale lands ever further off.
TEST(Scroll, LinkedGridsAtDifferentScalesShowTheSameRow)
{
    WideSheet a;
    WideSheet b;
    b.grid.SetScale(150);
    a.grid.SetVertLink(&b.grid);
    a.Body().SetOrigin({0, 600}); // row 40
    EXPECT_EQ(b.Body().Origin().y, 880);
    b.Body().SetOrigin({0, 220}); // row 10
    EXPECT_EQ(a.Body().Origin().y, 150);
}

// Two grids on one sheet at 100 and 150: a row above the visible part grows, then the user goes a line down.
TEST(Scroll, LinkedGridsStayTogetherWhenARowAboveTheVisiblePartGrows)
{
    WideSheet a;
    TXLGrid other;
    other.resize(400, 300);
    other.SetSheet(&a.sheet);
    other.SetScale(150);
    a.grid.SetVertLink(&other);
    a.Body().SetOrigin({0, 150});
    ASSERT_EQ(other.View(sClient).Origin().y, 220);

    a.sheet.SetSize(2, axRows, 50);
    const auto [row, within] = RowPosition(a.grid);
    const auto [otherRow, otherWithin] = RowPosition(other);
    EXPECT_EQ(otherRow, row);
    EXPECT_LE(std::abs(otherWithin - within), 1) << "at the same place in the row, to a pixel at 100";

    const int before = other.View(sClient).Origin().y;
    a.Body().SetOrigin({0, a.Body().Origin().y + 15});
    EXPECT_EQ(other.View(sClient).Origin().y - before, 22) << "one line down is one row at 150";
    EXPECT_EQ(RowPosition(other).first, RowPosition(a.grid).first);
}

} // namespace
} // namespace qv::test
