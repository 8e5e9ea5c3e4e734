// Painting the grid's body off screen: a full repaint and a one-line scroll of a currency sheet of 10 columns,
// 1,000 or 1,000,000 rows, scrolled to the middle, into a 1920 × 1080 image at scale 100.
#include "cells/CurrencyCell.h"
#include "grid/Grid.h"
#include "grid/QtCanvas.h"
#include "sheet/Sheet.h"
#include "sheet/Style.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>

namespace qv {
namespace {

constexpr int kCols = 10;
constexpr int kColWidth = 180; // ten columns fill most of the width
constexpr Size kBody{1920, 1080};

// Made on first use and kept to the end: an application destroyed among the exit handlers, after main, would
// tear Qt down in the wrong order.
QApplication& BenchApp()
{
    static int argc = 1;
    static char name[] = "qv_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* const app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QApplication* created = std::make_unique<QApplication>(argc, argv).release();
        InstallQtMeasureCanvas();
        return created;
    }();
    return *app;
}

// The statement cells' shape: currency in the templates' format, right-aligned, bottom-aligned, word wrap. The
// grid is hidden and sized so that its body is exactly 1920 × 1080 (no scroll bars without a window).
struct CurrencyGrid {
    explicit CurrencyGrid(int rows)
    {
        TXLBaseStyle& base = sheet.BaseClientStyle();
        base.SetCellClass(&TXLCCurrency::Class());
        base.SetFormat("#,##0.00|");
        base.SetHorzAlign(haRight);
        sheet.SetColDefWidth(kColWidth);
        sheet.SetColCount(kCols);
        sheet.SetRowCount(rows);
        TXLSection& client = sheet.Section(sClient);
        // Amounts of the same length in every row (12,3xx,xxx.xx), so both sheets show texts alike.
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < kCols; ++col)
                client.GetCell({col, row})
                    .SetAsCurrency(Currency::FromRaw(123'000'000'000 + int64_t{row % 1000} * 10'007 + col * 977));
        grid.resize(kBody.cx + 60 + 2, kBody.cy + 15 + 2);
        grid.SetSheet(&sheet);
        TXLView& body = grid.View(sClient);
        body.SetOrigin({0, body.Extent().y / 2 / 15 * 15});
    }
    TXLView& Body() { return grid.View(sClient); }

    TXLSheet sheet;
    TXLGrid grid;
};

CurrencyGrid& GridOf(int rows)
{
    BenchApp();
    static std::map<int, std::unique_ptr<CurrencyGrid>> grids;
    std::unique_ptr<CurrencyGrid>& grid = grids[rows];
    if (!grid)
        grid = std::make_unique<CurrencyGrid>(rows);
    return *grid;
}

// What the body's paint event does: a canvas over a painter on the target, and the paint pass.
void PaintBody(TXLView& body, QImage& image, const Rect& dirty)
{
    QPainter painter(&image);
    TXLQtCanvas canvas(painter, kBody, PaletteFromQt(body.palette()));
    body.Paint(canvas, dirty);
}

void BM_GridFullBodyRepaint(benchmark::State& state)
{
    CurrencyGrid& fixture = GridOf(static_cast<int>(state.range(0)));
    QImage image(kBody.cx, kBody.cy, QImage::Format_RGB32);
    for (auto _ : state)
        PaintBody(fixture.Body(), image, {0, 0, kBody.cx, kBody.cy});
    state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_GridFullBodyRepaint)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// One row down, then one back up: the new origin, and the uncovered strip painted. Moving the other pixels is
// the window system's part (QWidget::scroll) and is not counted.
void BM_GridLineScroll(benchmark::State& state)
{
    CurrencyGrid& fixture = GridOf(static_cast<int>(state.range(0)));
    TXLView& body = fixture.Body();
    QImage image(kBody.cx, kBody.cy, QImage::Format_RGB32);
    PaintBody(body, image, {0, 0, kBody.cx, kBody.cy});
    const Point start = body.Origin();
    bool down = true;
    for (auto _ : state) {
        const int line = body.ScrollPosFor(axRows, down ? scLineDown : scLineUp, 0) - body.Origin().y;
        body.SetOrigin(body.Origin().Offset(0, line));
        const Rect strip = line > 0 ? Rect{0, kBody.cy - line, kBody.cx, kBody.cy} : Rect{0, 0, kBody.cx, -line};
        PaintBody(body, image, strip);
        down = !down;
    }
    body.SetOrigin(start);
}
BENCHMARK(BM_GridLineScroll)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qv
