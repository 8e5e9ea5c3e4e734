// Choosing a tracker over the panes and the sizing tracker: boundaries in the titles, live sizing in the strip
// with only a line in the body, the 5-pixel minimum, the sheet's check, Escape, double clicks, Alt over a
// selection of whole columns.
#include "MouseFixture.h"
#include "sheet/ProRange.h"
#include "support/RecordingEditHost.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

struct HitCase {
    const char* what;
    TXLSector sector;
    Point point;
    TXLCursor cursor;
    TXLTracker tracker;
    TXLAxis axis;
    TXLPart part;
    int index;
};

class ChooseTracker : public ::testing::TestWithParam<HitCase> {};

TEST_P(ChooseTracker, FindsBoundariesInTheTitlesOnly)
{
    const HitCase& c = GetParam();
    MouseGrid grid;
    grid.options |= OptionBit(oColSizing) | OptionBit(oRowSizing);
    EXPECT_EQ(grid.mouse.ChooseTracker(grid.Pane(c.sector), c.point), c.cursor) << c.what;
    EXPECT_EQ(grid.mouse.Tracker(), c.tracker) << c.what;
    if (c.tracker == TXLTracker::Sizing) {
        EXPECT_EQ(grid.mouse.Sizing().Axis, c.axis) << c.what;
        EXPECT_EQ(grid.mouse.Sizing().Part, c.part) << c.what;
        EXPECT_EQ(grid.mouse.Sizing().Index, c.index) << c.what;
    }
}

constexpr auto kCol = TXLCursor::ColSizing;
constexpr auto kRow = TXLCursor::RowSizing;
constexpr auto kNone = TXLCursor::Default;
constexpr auto kSizing = TXLTracker::Sizing;
constexpr auto kSelect = TXLTracker::Selection;

INSTANTIATE_TEST_SUITE_P(
    Mouse, ChooseTracker,
    ::testing::Values(HitCase{"2 pixels before a column's end", sCols, {58, 10}, kCol, kSizing, axCols, ptClient, 0},
                      HitCase{"3 pixels before it", sCols, {57, 10}, kNone, kSelect, axCols, ptClient, 0},
                      HitCase{"2 pixels into the next column", sCols, {62, 10}, kCol, kSizing, axCols, ptClient, 0},
                      HitCase{"3 pixels into it", sCols, {63, 10}, kNone, kSelect, axCols, ptClient, 0},
                      HitCase{"the first column's start", sCols, {1, 10}, kNone, kSelect, axCols, ptClient, 0},
                      HitCase{"the title row's bottom", sCols, {100, 18}, kRow, kSizing, axRows, ptTitles, 0},
                      HitCase{"a row in the row titles", sRows, {20, 44}, kRow, kSizing, axRows, ptClient, 2},
                      HitCase{"the title column", sRows, {38, 100}, kCol, kSizing, axCols, ptTitles, 0},
                      HitCase{"the corner", sTitle, {39, 10}, kCol, kSizing, axCols, ptTitles, 0},
                      HitCase{"never in the body", sClient, {59, 10}, kNone, kSelect, axCols, ptClient, 0},
                      HitCase{"beyond the content", sCols, {479, 25}, kNone, TXLTracker::None, axCols, ptClient, 0}));

TEST(Mouse, NoBoundaryInsideAMergedRangeStartingFurtherLeft)
{
    MouseGrid grid;
    grid.options |= OptionBit(oColSizing);
    TXLRange(grid.sheet.Section(sCols), {1, 0, 3, 1}).Merge(false);
    // Inside the range (between its columns 1 and 2, at 120) there is nothing to drag; at its edges there is.
    EXPECT_EQ(grid.mouse.ChooseTracker(grid.Pane(sCols), {119, 10}), TXLCursor::Default);
    EXPECT_EQ(grid.mouse.Tracker(), TXLTracker::Selection);
    EXPECT_EQ(grid.mouse.ChooseTracker(grid.Pane(sCols), {121, 10}), TXLCursor::Default);
    EXPECT_EQ(grid.mouse.ChooseTracker(grid.Pane(sCols), {59, 10}), TXLCursor::ColSizing);
    EXPECT_EQ(grid.mouse.Sizing().Index, 0);
    EXPECT_EQ(grid.mouse.ChooseTracker(grid.Pane(sCols), {179, 10}), TXLCursor::ColSizing);
    EXPECT_EQ(grid.mouse.Sizing().Index, 2);
}

TEST(Mouse, ABoundaryAfterAHiddenColumnBelongsToTheColumnBeforeIt)
{
    MouseGrid grid;
    grid.options |= OptionBit(oColSizing);
    grid.lists[1].SetValue(1, 0);
    grid.Pane(sCols).SetExtent({420, 20});
    EXPECT_EQ(grid.mouse.ChooseTracker(grid.Pane(sCols), {61, 10}), TXLCursor::ColSizing);
    EXPECT_EQ(grid.mouse.Sizing().Index, 0);
}

TEST(Mouse, NoSizingWithoutTheOptionsOrOnAReadOnlySheetAndTheCursorFollowsAnIdleMouse)
{
    MouseGrid grid;
    EXPECT_EQ(grid.Move(sCols, {59, 10}), TXLCursor::Default) << "oColSizing off";
    EXPECT_EQ(grid.mouse.Tracker(), TXLTracker::None);
    grid.options |= OptionBit(oColSizing);
    EXPECT_EQ(grid.Move(sCols, {59, 10}), TXLCursor::ColSizing);
    grid.sheet.ReadOnly = true;
    EXPECT_EQ(grid.Move(sCols, {59, 10}), TXLCursor::Default);
    EXPECT_EQ(grid.mouse.Tracker(), TXLTracker::None);
}

struct SizingGrid : MouseGrid {
    SizingGrid() { options |= OptionBit(oColSizing) | OptionBit(oRowSizing); }
    TXLPane& Strip() { return Pane(sCols); }
    int Width(int col) { return lists[1].GetValue(col); }
};

TEST(SizingTracker, TheTitleStripResizesLiveTheBodyShowsALineAndTheReleaseStoresTheSize)
{
    SizingGrid grid;
    const int sheetWidth = grid.sheet.GetSize(2, axCols);
    grid.Press(sCols, {179, 10}); // the end of column 2, which starts at 120
    EXPECT_EQ(grid.Body().TrackingFrame(), (Rect{119, -1, 180, 301})) << "the column's two edges";
    grid.Move(sCols, {220, 10});
    EXPECT_EQ(grid.Width(2), 100);
    EXPECT_EQ(grid.Strip().Extent().x, 480 + 40);
    EXPECT_EQ(grid.Body().Extent().x, 480) << "the body waits for the release";
    EXPECT_EQ(grid.Body().TrackingFrame(), (Rect{119, -1, 220, 301}));
    EXPECT_EQ(grid.sheet.GetSize(2, axCols), sheetWidth);
    grid.Release(sCols, {220, 10});
    EXPECT_EQ(grid.sheet.GetSize(2, axCols), 100);
    EXPECT_EQ(grid.Body().Extent().x, 520);
    EXPECT_EQ(grid.Strip().Extent().x, 520);
    EXPECT_TRUE(grid.Body().TrackingFrame().IsEmpty());
    EXPECT_EQ(grid.events.back(), "size committed");
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Idle);
}

struct MinimumCase {
    int scale;
    int mouseX;
    int listSize;  // scaled
    int sheetSize; // unscaled
};

class SizingMinimum : public ::testing::TestWithParam<MinimumCase> {};

TEST_P(SizingMinimum, ABoundaryDraggedBelowFivePixelsStopsAtFive)
{
    const MinimumCase& c = GetParam();
    SizingGrid grid;
    grid.scale = c.scale;
    grid.Press(sCols, {59, 10});
    grid.Move(sCols, {c.mouseX, 10});
    EXPECT_EQ(grid.Width(0), c.listSize);
    grid.Release(sCols, {c.mouseX, 10});
    EXPECT_EQ(grid.sheet.GetSize(0, axCols), c.sheetSize);
}

INSTANTIATE_TEST_SUITE_P(SizingTracker, SizingMinimum,
                         ::testing::Values(MinimumCase{100, 2, 5, 5}, MinimumCase{100, -30, 5, 5},
                                           MinimumCase{200, 2, 10, 5}, MinimumCase{200, 100, 100, 50}));

TEST(SizingTracker, EscapeRestoresTheSizeAtTheStart)
{
    SizingGrid grid;
    const int sheetWidth = grid.sheet.GetSize(0, axCols);
    grid.Press(sCols, {59, 10});
    grid.Move(sCols, {150, 10});
    ASSERT_EQ(grid.Width(0), 150);
    EXPECT_TRUE(grid.mouse.Cancel());
    EXPECT_EQ(grid.Width(0), 60);
    EXPECT_EQ(grid.Strip().Extent().x, 480);
    EXPECT_EQ(grid.Body().Extent().x, 480);
    EXPECT_TRUE(grid.Body().TrackingFrame().IsEmpty());
    EXPECT_EQ(grid.sheet.GetSize(0, axCols), sheetWidth);
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Idle);
}

TEST(SizingTracker, TheMouseOutsideTheGridShowsTheSizeAtTheStart)
{
    SizingGrid grid;
    grid.Press(sCols, {59, 10});
    grid.Move(sCols, {150, 10});
    grid.Move(sCols, {401, 10}); // past the grid's right edge
    EXPECT_EQ(grid.Width(0), 60);
    EXPECT_EQ(grid.Strip().Extent().x, 480);
    grid.Move(sCols, {150, 400}); // below the grid: only the sizing axis counts
    EXPECT_EQ(grid.Width(0), 150);
}

TEST(SizingTracker, TheSheetsSizingCheckLimitsTheDraggedSize)
{
    SizingGrid grid;
    std::vector<int> asked;
    grid.sheet.OnSizing = [&](TXLSheet&, TXLAxis, int index, int& size) {
        asked.push_back(index);
        size = std::min(size, 80);
    };
    grid.Press(sRows, {38, 100}); // the title column's end
    grid.Move(sRows, {120, 100});
    EXPECT_EQ(grid.lists[0].GetValue(0), 80);
    EXPECT_EQ(asked, (std::vector<int>{-1})) << "sheet coordinates";
    grid.Release(sRows, {120, 100});
    EXPECT_EQ(grid.sheet.GetSize(-1, axCols), 80);
}

struct DoubleClickCase {
    const char* what;
    TXLSector sector;
    Point point;
    TXLClickEvent event;
    Point item;
};

class SizingDoubleClick : public ::testing::TestWithParam<DoubleClickCase> {};

TEST_P(SizingDoubleClick, FiresTheBoundarysEventInSheetCoordinatesAndSizesNothing)
{
    const DoubleClickCase& c = GetParam();
    SizingGrid grid;
    const auto sizes = [&] {
        std::vector<int> all;
        for (const TXLSizeList& list : grid.lists)
            for (int item = 0; item < 8; ++item)
                all.push_back(list.GetValue(item));
        return all;
    };
    const std::vector<int> before = sizes();
    grid.Click(c.sector, c.point);
    grid.Press(c.sector, c.point, ssDouble);
    EXPECT_EQ(grid.mouse.State(), TXLMouseState::Idle);
    grid.Release(c.sector, c.point);
    ASSERT_EQ(grid.clicks.size(), 1u) << c.what;
    EXPECT_EQ(grid.clicks[0].first, c.event) << c.what;
    EXPECT_EQ(grid.clicks[0].second, c.item) << c.what;
    EXPECT_EQ(sizes(), before) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    SizingTracker, SizingDoubleClick,
    ::testing::Values(DoubleClickCase{"client column 2", sCols, {179, 10}, TXLClickEvent::ColDblClick, {2, 0}},
                      DoubleClickCase{"the title column", sRows, {38, 100}, TXLClickEvent::ColDblClick, {-1, 0}},
                      DoubleClickCase{"client row 0", sRows, {20, 14}, TXLClickEvent::RowDblClick, {0, 0}},
                      DoubleClickCase{"the title row", sCols, {100, 18}, TXLClickEvent::RowDblClick, {0, -1}}));

TEST(SizingTracker, AltGivesTheSizeToEveryColumnOfASelectionOfWholeColumns)
{
    SizingGrid grid;
    grid.Strip().Select({1, 0, 4, 1}, grid.Strip().Current());
    const int untouched = grid.sheet.GetSize(4, axCols);
    grid.Press(sCols, {119, 10}); // the end of column 1
    grid.Move(sCols, {150, 10});
    grid.Release(sCols, {150, 10}, ssAlt);
    for (int col : {1, 2, 3})
        EXPECT_EQ(grid.sheet.GetSize(col, axCols), 90) << col;
    EXPECT_EQ(grid.sheet.GetSize(4, axCols), untouched);
    // Without Alt only the dragged column.
    grid.Press(sCols, {59, 10});
    grid.Move(sCols, {80, 10});
    grid.Release(sCols, {80, 10});
    EXPECT_EQ(grid.sheet.GetSize(0, axCols), 80);
    EXPECT_EQ(grid.sheet.GetSize(2, axCols), 90);
}

TEST(SizingTracker, ThePressClosesTheEditorAndWithPermEditTheReleaseReopensIt)
{
    SizingGrid grid;
    RecordingEditHost host(grid.Body());
    grid.editHost = &host;
    grid.options |= OptionBit(oPermEdit);
    grid.Press(sCols, {59, 10});
    EXPECT_EQ(host.calls.back(), "editing off");
    host.calls.clear();
    grid.Move(sCols, {90, 10});
    EXPECT_TRUE(host.calls.empty());
    grid.Release(sCols, {90, 10});
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.front(), "editing on");
}

} // namespace
} // namespace qv::test
