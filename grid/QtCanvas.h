// TXLQtCanvas: the drawing surface over a QPainter; TXLQtImageCanvas: one over its own image, for measuring.
#pragma once

#include "platform/Canvas.h"

#include <QImage>
#include <QPainter>
#include <QPalette>

#include <array>
#include <string>

namespace qv {

struct QtFontEntry;

// The system colours of a Qt palette (base, text, button face, light, dark, shadow, highlight, tool tip ...);
// colours Qt has no role for keep the classic scheme's.
SystemPalette PaletteFromQt(const QPalette& palette);

// Draws with a QPainter that stays active while the canvas lives (not owned). The canvas's clip goes to the
// painter as its clip region; a widget's paint region still limits everything on top. Text is measured with the
// mapped Qt fonts (FontMap.h), so the base class's layout breaks and shortens lines by Qt's widths.
class TXLQtCanvas : public TXLCanvas {
public:
    TXLQtCanvas(QPainter& painter, Size surface, const SystemPalette& palette);

    void FillRect(const Rect& rect) override;
    void Rectangle(const Rect& rect) override;
    void Polyline(const std::vector<Point>& points) override;
    void PolyPolyline(const std::vector<std::vector<Point>>& lines) override;
    void Polygon(const std::vector<Point>& points) override;
    // Dotted by exclusive-or, every other pixel of the outline.
    void DrawFocusRect(const Rect& rect) override;
    // Raster exclusive-or with white; a device without raster operations takes the difference with white, which
    // gives the same colours.
    void InvertRegion(const Region& region) override;
    // Decodes the bytes with Qt's image readers (BMP, PNG, JPEG, ICO ...); a transparent graphic leaves the pixels
    // of its bottom-left pixel's colour. Undecodable graphics draw nothing.
    void StretchDraw(const Rect& rect, const TXLGraphicData& graphic) override;
    // One fill with the decoded picture as a brush.
    void TileDraw(const Rect& area, Point tileOrigin, const TXLGraphicData& graphic) override;
    int PixelsPerInch() const override;

protected:
    TextMetrics GetTextMetrics() const override;
    int MeasureRun(std::string_view run) const override;
    void DrawRun(Point topLeft, std::string_view run) override;
    void ClipChanged() override;
    void FontChanged() override;

private:
    // A line segment as the recording canvas draws it: a pen-wide square at every pixel but the last.
    void DrawSegment(Point from, Point to, const QColor& color, int width);
    void StrokePolyline(const std::vector<Point>& points);
    QColor QtColor(TColor color) const;
    // The picture decoded once for all canvases (the last few are kept).
    static const QImage& Decoded(const TXLGraphicData& graphic);

    QPainter& m_painter;
    const QtFontEntry* m_font = nullptr;
    const QtFontEntry* m_painterFont = nullptr; // the font last given to the painter
    // The base class measures the same run several times while laying out one text; the last few are kept.
    struct MeasuredRun {
        const QtFontEntry* font = nullptr;
        std::string text;
        int width = 0;
    };
    mutable std::array<MeasuredRun, 8> m_measured;
    mutable std::size_t m_nextMeasured = 0;
};

// The image and painter a TXLQtImageCanvas draws on; a separate base so that they exist before the canvas.
struct QtImageSurface {
    explicit QtImageSurface(Size size);
    QImage Image;
    QPainter Painter;
};

// A canvas with its own RGB image: the application's measuring canvas, and off-screen rendering.
class TXLQtImageCanvas final : private QtImageSurface, public TXLQtCanvas {
public:
    explicit TXLQtImageCanvas(Size size, const SystemPalette& palette = SystemPalette::Classic());
    const QImage& Image() const { return QtImageSurface::Image; }
};

// Makes a Qt canvas the engine's measuring canvas (AutoColWidth, AutoRowHeight, cell Measure), so sizes follow
// the fonts the grid draws with. Needs a QGuiApplication.
void InstallQtMeasureCanvas();

} // namespace qv
