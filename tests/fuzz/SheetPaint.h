// Shows a loaded sheet as a grid at 100 % would, without a window: every pane painted on a canvas that draws nothing.
#pragma once

#include "grid/Pane.h"
#include "platform/Canvas.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <array>
#include <memory>

namespace qv::fuzz {

// A surface that lays out text with fixed metrics and draws nothing: what is measured is the painter's work, not
// the pixels of a test canvas (whose lines of a file's wide pens cost per dot).
class NullCanvas final : public TXLCanvas {
public:
    explicit NullCanvas(Size size) : TXLCanvas(size) {}
    void FillRect(const Rect&) override {}
    void Rectangle(const Rect&) override {}
    void Polyline(const std::vector<Point>&) override {}
    void PolyPolyline(const std::vector<std::vector<Point>>&) override {}
    void Polygon(const std::vector<Point>&) override {}
    void DrawFocusRect(const Rect&) override {}
    void InvertRegion(const Region&) override {}
    void StretchDraw(const Rect&, const TXLGraphicData&) override {}

protected:
    TextMetrics GetTextMetrics() const override { return {13, 6}; }
    int MeasureRun(std::string_view run) const override { return int(run.size()) * 6; }
    void DrawRun(Point, std::string_view) override {}
};

// The four panes' surroundings at fixed sizes: no scroll bars, no editor, no events.
class SheetPaint final : public IXLPaneOwner {
public:
    explicit SheetPaint(TXLSheet& sheet) : m_sheet(sheet)
    {
        for (TXLAxis axis : {axCols, axRows})
            for (TXLPart part : {ptTitles, ptClient}) {
                const TXLSizeList& source = sheet.Sizes(axis, part);
                TXLSizeList& list = m_lists[axis * 2 + part];
                list.SetDefault(source.Default());
                list.SetCount(source.Count());
                source.ForEach([&](int index, int32_t) { list.SetValue(index, source.GetValue(index)); });
            }
        for (TXLSector sector : {sCols, sRows, sTitle, sClient}) {
            TXLSizeList& cols = m_lists[axCols * 2 + (sector == sCols || sector == sClient ? ptClient : ptTitles)];
            TXLSizeList& rows = m_lists[axRows * 2 + (sector == sRows || sector == sClient ? ptClient : ptTitles)];
            m_panes[sector] = std::make_unique<TXLPane>(*this, m_host, sector, cols, rows);
            m_panes[sector]->SetSection(&sheet.Section(sector));
            m_panes[sector]->SetExtent({cols.GetOffset(cols.Count()), rows.GetOffset(rows.Count())});
        }
    }

    // Paints every pane over the host's area.
    void PaintAll()
    {
        for (const auto& pane : m_panes) {
            NullCanvas canvas(kWindow);
            pane->Paint(canvas, {0, 0, kWindow.cx, kWindow.cy});
        }
    }

    TXLSheet* Sheet() const override { return &m_sheet; }
    int Scale() const override { return 100; }
    void SetScale(int) override {}
    bool HasOption(TXLOption option) const override { return (kDefaultOptions & OptionBit(option)) != 0; }
    bool HasScroll(TXLScroll) const override { return false; }
    bool ShowHint() const override { return true; }
    TXLPane& Pane(TXLSector sector) const override { return *m_panes[sector]; }
    IXLEditHost* EditHost() const override { return nullptr; }
    TXLDirection EnterDir() const override { return dAuto; }
    TXLDirection AutoDirection() const override { return dDown; }
    void SetAutoDirection(TXLDirection) override {}
    bool SetScrollBar(TXLAxis, const TXLScrollBarState&) override { return false; }
    void AlignPanes() override {}
    void BodyOriginChanged(Point) override {}
    void CurrentChanged() override {}
    void SelectionChanged() override {}
    void SelectedCellsChanged() override {}

private:
    static constexpr Size kWindow{640, 480};

    struct Window final : IXLPaneHost {
        Size WindowSize() const override { return kWindow; }
        bool IsShowing() const override { return true; }
        void InvalidateRegion(const Region&) override {}
        void InvalidateAll() override {}
        void ScrollContent(int, int) override {}
        void ScrollContent(int, int, const Rect&) override {}
        void ResizeClient(Size) override {}
    };

    TXLSheet& m_sheet;
    Window m_host;
    std::array<TXLSizeList, 4> m_lists;
    std::array<std::unique_ptr<TXLPane>, 4> m_panes;
};

} // namespace qv::fuzz
