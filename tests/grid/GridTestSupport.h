// Grid test support: a sheet shown in a grid of known sizes, and pixel comparisons.
#pragma once

#include "grid/Grid.h"
#include "platform/RecordingCanvas.h"
#include "sheet/Sheet.h"

#include <QApplication>
#include <QBuffer>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

#include <memory>

namespace qv::test {

// A sheet of cols × rows client cells (one title column and row), columns 60 and rows 15 pixels at scale 100,
// shown in a hidden grid: the panes have their sizes but no window, so nothing is scheduled for painting.
struct SheetInGrid {
    explicit SheetInGrid(int cols = 8, int rows = 20, Size gridSize = {400, 300})
    {
        sheet.SetColCount(cols);
        sheet.SetRowCount(rows);
        grid.resize(gridSize.cx, gridSize.cy);
        grid.SetSheet(&sheet);
    }
    TXLView& Body() { return grid.View(sClient); }

    TXLSheet sheet;
    TXLGrid grid;
};

// The body painted whole on a recording canvas of its size, with the classic palette (white cells).
inline std::unique_ptr<RecordingCanvas> PaintBody(TXLView& body, std::uint32_t background = 0xFF00FF)
{
    auto canvas = std::make_unique<RecordingCanvas>(body.ClientSize(), background);
    body.Paint(*canvas, {0, 0, body.width(), body.height()});
    return canvas;
}

// The pixels whose colour is the inverse of the other canvas's.
inline Region InvertedBetween(const RecordingCanvas& before, const RecordingCanvas& after)
{
    Region result;
    const Rect surface = before.SurfaceRect();
    for (int y = 0; y < surface.bottom; ++y)
        for (int x = 0; x < surface.right;) {
            if ((before.PixelAt({x, y}) ^ after.PixelAt({x, y})) != 0xFFFFFF) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < surface.right && (before.PixelAt({x, y}) ^ after.PixelAt({x, y})) == 0xFFFFFF)
                ++x;
            result = result.Union(Rect{start, y, x, y + 1});
        }
    return result;
}

// An image in a file format Qt reads, as a sheet's picture of its natural size.
inline TXLGraphicData Encoded(const QImage& image, const char* format, bool transparent)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    TXLGraphicData graphic;
    graphic.ClassName = "TBitmap";
    graphic.Bytes.assign(bytes.begin(), bytes.end());
    graphic.Width = image.width();
    graphic.Height = image.height();
    graphic.Transparent = transparent;
    return graphic;
}

// Collects the regions of the paint events a widget receives.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget& widget) { widget.installEventFilter(this); }
    QRegion Painted;
    int Events = 0;
    void Reset()
    {
        Painted = QRegion();
        Events = 0;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            Painted += static_cast<QPaintEvent*>(event)->region();
            ++Events;
        }
        return false;
    }
};

// Lets every pending paint and layout happen.
inline void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace qv::test
