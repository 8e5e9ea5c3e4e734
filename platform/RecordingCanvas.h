// RecordingCanvas: a deterministic canvas for tests that logs every operation and keeps a small RGB pixel buffer.
#pragma once

#include "platform/Canvas.h"

#include <optional>

namespace qv {

enum class CanvasOpKind {
    FillRect,
    Rectangle,
    Polyline,
    PolyPolyline,
    Polygon,
    DrawEdge,
    FocusRect,
    InvertRegion,
    StretchDraw,
    DrawText,
    TextRun, // one run of laid-out text, drawn by DrawText
};

// One recorded operation with the drawing state in force when it ran. Colours are kept as given.
struct CanvasOp {
    CanvasOpKind Kind = CanvasOpKind::FillRect;
    // 0 when the canvas's user called it; 1 or more when DrawEdge or DrawText drew it on the user's behalf.
    int Depth = 0;
    // FillRect, Rectangle, FocusRect, StretchDraw: the rectangle; DrawEdge, DrawText: the rectangle as given
    // (before BF_ADJUST or DT_CALCRECT changed it); TextRun: the run's box (its width by one line).
    Rect Bounds;
    // Polyline: one list; PolyPolyline: one per polyline; Polygon: the vertices.
    std::vector<std::vector<Point>> Lines;
    Region Area;              // InvertRegion
    std::string Text;         // DrawText: as given; TextRun: as drawn (tabs, prefixes and U+E5E5 resolved)
    unsigned Flags = 0;       // DrawText: DT_ bits; DrawEdge: BF_ bits
    unsigned Edge = 0;        // DrawEdge: BDR_ bits
    std::string GraphicClass; // StretchDraw
    TXLFontData Font;
    TXLPen Pen;
    TXLBrush Brush;
    TBkMode BkMode = bkOpaque;
    Region Clip;
};

// Fixed metrics: a line is |font height| pixels high (a positive cell height is taken as the character height,
// the recorder's fonts having no internal leading; 0 counts as 12). A character below U+1100 is half a line wide
// (at least 1 pixel), any other (CJK, U+3000, U+E5E5) a whole line; styles do not change widths.
// Pixels: fills, edges, lines, polygons, inversions and focus rectangles change the buffer under the clip;
// text runs only fill their box in bkOpaque mode (glyphs are not rasterised); pictures leave it unchanged.
class RecordingCanvas final : public TXLCanvas {
public:
    // A surface of the given size with every pixel background (0xRRGGBB).
    explicit RecordingCanvas(Size surface, std::uint32_t background = 0xFFFFFF);

    void FillRect(const Rect& rect) override;
    void Rectangle(const Rect& rect) override;
    void Polyline(const std::vector<Point>& points) override;
    void PolyPolyline(const std::vector<std::vector<Point>>& lines) override;
    void Polygon(const std::vector<Point>& points) override;
    void DrawEdge(Rect& rect, unsigned edge, unsigned flags) override;
    void DrawFocusRect(const Rect& rect) override;
    void InvertRegion(const Region& region) override;
    void StretchDraw(const Rect& rect, const TXLGraphicData& graphic) override;
    int DrawText(const std::string& text, Rect& rect, unsigned flags) override;
    int PixelsPerInch() const override { return m_pixelsPerInch; }
    void SetPixelsPerInch(int pixelsPerInch) { m_pixelsPerInch = pixelsPerInch; }

    // The line height for a font height, and a character's width at that line height.
    static int LineHeightFor(int fontHeight);
    static int CharWidth(char32_t code, int lineHeight);

    const std::vector<CanvasOp>& Ops() const { return m_ops; }
    // Copies of the operations of one kind, in order.
    std::vector<CanvasOp> OpsOfKind(CanvasOpKind kind) const;
    void ClearOps() { m_ops.clear(); }
    // True when some FillRect with a solid brush of exactly this colour value covered p while p was in the clip.
    bool WasFilled(Point p, TColor color) const;
    // The brush colour of the last FillRect that covered p inside the clip; nullopt when none did.
    std::optional<TColor> LastFillColorAt(Point p) const;

    // The pixel's 0xRRGGBB; p must lie on the surface.
    std::uint32_t PixelAt(Point p) const;
    // Every pixel holding exactly this 0xRRGGBB.
    Region PixelsOfColor(std::uint32_t rgb) const;

protected:
    TextMetrics GetTextMetrics() const override;
    int MeasureRun(std::string_view run) const override;
    void DrawRun(Point topLeft, std::string_view run) override;

private:
    CanvasOp& Record(CanvasOpKind kind);
    void Paint(const Region& area, std::uint32_t rgb);
    void PlotPenDot(Point p, std::uint32_t rgb);
    void PaintLine(Point from, Point to);
    void PaintPolyline(const std::vector<Point>& points);
    void PaintPolygonInside(const std::vector<Point>& points, std::uint32_t rgb);
    void InvertPixel(Point p);

    std::vector<CanvasOp> m_ops;
    std::vector<std::uint32_t> m_pixels; // row by row
    int m_depth = 0;
    int m_pixelsPerInch = 96;
};

} // namespace qv
