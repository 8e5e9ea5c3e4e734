// Panes without a window: geometry, scrolling and selection, with the host's and the grid's calls recorded.
#include "grid/Pane.h"
#include "sheet/ProRange.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qv {
namespace {

// A window of a fixed size that records what the pane asks of it.
struct RecordingHost final : IXLPaneHost {
    explicit RecordingHost(Size size) : size(size) {}
    Size WindowSize() const override { return size; }
    bool IsShowing() const override { return true; }
    void InvalidateRegion(const Region& region) override { invalidated = invalidated.Union(region); }
    void InvalidateAll() override { invalidated = Region(Rect::FromSize({0, 0}, size)); }
    void ScrollContent(int dx, int dy) override { scrolls.push_back({dx, dy}); }
    void ScrollContent(int dx, int dy, const Rect&) override { scrolls.push_back({dx, dy}); }
    void ResizeClient(Size newSize) override { size = newSize; }

    Size size;
    Region invalidated;
    std::vector<Point> scrolls;
};

// A grid of four panes on a sheet with one title column and row: client columns of 60 pixels and rows of 15,
// titles of 40 and 20; the body 400 x 300. Sizes are taken unscaled, as a grid at 100 % does.
struct Panes final : IXLPaneOwner {
    explicit Panes(int cols = 8, int rows = 40)
    {
        sheet.SetColCount(cols);
        sheet.SetRowCount(rows);
        sheet.SetTitleCols(1);
        sheet.SetTitleRows(1);
        lists[0].SetDefault(40); // title columns
        lists[1].SetDefault(60); // client columns
        lists[2].SetDefault(20); // title rows
        lists[3].SetDefault(15); // client rows
        lists[0].SetCount(1);
        lists[1].SetCount(cols);
        lists[2].SetCount(1);
        lists[3].SetCount(rows);
        const std::array<Size, 4> sizes{Size{400, 20}, Size{40, 300}, Size{40, 20}, Size{400, 300}};
        for (TXLSector sector : {sCols, sRows, sTitle, sClient}) {
            hosts[sector] = std::make_unique<RecordingHost>(sizes[sector]);
            TXLSizeList& colList = sector == sCols || sector == sClient ? lists[1] : lists[0];
            TXLSizeList& rowList = sector == sRows || sector == sClient ? lists[3] : lists[2];
            panes[sector] = std::make_unique<TXLPane>(*this, *hosts[sector], sector, colList, rowList);
            panes[sector]->SetSection(&sheet.Section(sector));
            panes[sector]->SetExtent({colList.GetOffset(colList.Count()), rowList.GetOffset(rowList.Count())});
        }
        Body().SetLinkedPane(sCols, &Pane(sCols));
        Body().SetLinkedPane(sRows, &Pane(sRows));
        for (auto& host : hosts) {
            host->invalidated = {};
            host->scrolls.clear();
        }
    }
    TXLPane& Body() { return *panes[sClient]; }
    RecordingHost& Host(TXLSector sector) { return *hosts[sector]; }

    TXLSheet* Sheet() const override { return const_cast<TXLSheet*>(&sheet); }
    int Scale() const override { return 100; }
    bool HasOption(TXLOption option) const override { return (options & OptionBit(option)) != 0; }
    bool HasScroll(TXLScroll scroll) const override { return scroll != sTracking; }
    bool ShowHint() const override { return false; }
    TXLPane& Pane(TXLSector sector) const override { return *panes[sector]; }
    bool SetScrollBar(TXLAxis axis, const TXLScrollBarState& state) override
    {
        bars[axis] = state;
        return false;
    }
    void AlignPanes() override {}
    void BodyOriginChanged(Point origin) override { bodyOrigins.push_back(origin); }
    void CurrentChanged() override { events.push_back("current"); }
    void SelectionChanged() override { events.push_back("selection"); }
    void SelectedCellsChanged() override { events.push_back("cells"); }

    TXLSheet sheet;
    TXLOptions options = kDefaultOptions;
    std::array<TXLSizeList, 4> lists;
    std::array<std::unique_ptr<RecordingHost>, 4> hosts;
    std::array<std::unique_ptr<TXLPane>, 4> panes;
    std::array<TXLScrollBarState, 2> bars;
    std::vector<Point> bodyOrigins;
    std::vector<std::string> events;
};

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
    EXPECT_EQ(grid.bars[sCols].Maximum, 80);
    EXPECT_EQ(grid.bars[sCols].Position, 80);
    EXPECT_EQ(grid.bars[sRows].Page, 300);
    EXPECT_TRUE(grid.bars[sRows].Shown);
    EXPECT_EQ(grid.Body().ScrollPosFor(sRows, scLineDown, 0), 15);
    EXPECT_EQ(grid.Body().ScrollPosFor(sRows, scPageDown, 0), 300);
    EXPECT_EQ(grid.Body().ScrollPosFor(sRows, scBottom, 0), 300);
    grid.lists[3].SetValue(0, 0); // a hidden first row: a line down skips it
    EXPECT_EQ(grid.Body().ScrollPosFor(sRows, scLineDown, 0), 15);
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
} // namespace qv
