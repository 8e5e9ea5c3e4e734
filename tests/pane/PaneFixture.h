// Pane test fixture: four panes on a sheet without a window system, with the host's and the grid's calls recorded.
#pragma once

#include "grid/Pane.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qv::test {

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
struct Panes : IXLPaneOwner {
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
        Body().SetLinkedPane(axCols, &Pane(sCols));
        Body().SetLinkedPane(axRows, &Pane(sRows));
        for (auto& host : hosts) {
            host->invalidated = {};
            host->scrolls.clear();
        }
    }
    TXLPane& Body() { return *panes[sClient]; }
    RecordingHost& Host(TXLSector sector) { return *hosts[sector]; }

    TXLSheet* Sheet() const override { return const_cast<TXLSheet*>(&sheet); }
    int Scale() const override { return scale; }
    void SetScale(int value) override { scale = value; }
    bool HasOption(TXLOption option) const override { return (options & OptionBit(option)) != 0; }
    bool HasScroll(TXLScroll scroll) const override { return scroll != sTracking; }
    bool ShowHint() const override { return false; }
    TXLPane& Pane(TXLSector sector) const override { return *panes[sector]; }
    IXLEditHost* EditHost() const override { return editHost; }
    TXLDirection EnterDir() const override { return enterDir; }
    TXLDirection AutoDirection() const override { return autoDirection; }
    void SetAutoDirection(TXLDirection direction) override { autoDirection = direction; }
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
    int scale = 100;
    IXLEditHost* editHost = nullptr;
    TXLDirection enterDir = dAuto;
    TXLDirection autoDirection = dDown;
    std::array<TXLSizeList, 4> lists;
    std::array<std::unique_ptr<RecordingHost>, 4> hosts;
    std::array<std::unique_ptr<TXLPane>, 4> panes;
    std::array<TXLScrollBarState, 2> bars;
    std::vector<Point> bodyOrigins;
    std::vector<std::string> events;
};

} // namespace qv::test
