// TXLCanvas: the abstract drawing surface that the engine and the grid draw and measure on.
#pragma once

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/Graphic.h"
#include "platform/Region.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

using TFontStyles = unsigned; // a set of the fs bits
inline constexpr TFontStyles fsBold = 0x1;
inline constexpr TFontStyles fsItalic = 0x2;
inline constexpr TFontStyles fsUnderline = 0x4;
inline constexpr TFontStyles fsStrikeOut = 0x8;

inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SYMBOL_CHARSET = 2; // "Marlett" glyphs
inline constexpr int GB2312_CHARSET = 134;

struct TXLFontData {
    std::string Name = "Arial";
    int Charset = DEFAULT_CHARSET;
    TFontStyles Style = 0;
    // Negative: character height in pixels; positive: cell height (character height plus internal leading);
    // 0: the surface's default size.
    int Height = -11;
    TColor Color = clWindowText;

    bool operator==(const TXLFontData&) const = default;
};

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

struct TXLPen {
    TColor Color = clBlack;
    int Width = 1; // pixels; 0 draws as 1
    TPenStyle Style = psSolid;

    bool operator==(const TXLPen&) const = default;
};

enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

struct TXLBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid; // bsClear: fills draw nothing

    bool operator==(const TXLBrush&) const = default;
};

// How text runs treat what is below them: left as it is, or first filled with the brush.
enum TBkMode : std::uint8_t { bkTransparent, bkOpaque };

// DrawEdge's edge kinds; an outer (inner) ring with both the raised and the sunken bit draws sunken.
inline constexpr unsigned BDR_RAISEDOUTER = 0x1;
inline constexpr unsigned BDR_SUNKENOUTER = 0x2;
inline constexpr unsigned BDR_RAISEDINNER = 0x4;
inline constexpr unsigned BDR_SUNKENINNER = 0x8;
inline constexpr unsigned BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
inline constexpr unsigned BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

// DrawEdge's flags: the sides to draw and how.
inline constexpr unsigned BF_LEFT = 0x1;
inline constexpr unsigned BF_TOP = 0x2;
inline constexpr unsigned BF_RIGHT = 0x4;
inline constexpr unsigned BF_BOTTOM = 0x8;
inline constexpr unsigned BF_TOPLEFT = BF_LEFT | BF_TOP;
inline constexpr unsigned BF_BOTTOMRIGHT = BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_RECT = BF_TOPLEFT | BF_BOTTOMRIGHT;
inline constexpr unsigned BF_MIDDLE = 0x800;  // fill the inside with the button face (BF_MONO: window colour)
inline constexpr unsigned BF_SOFT = 0x1000;   // the outer and the inner ring trade their top-left colours
inline constexpr unsigned BF_ADJUST = 0x2000; // shrink the given rectangle by the rings drawn
inline constexpr unsigned BF_FLAT = 0x4000;   // outer ring button shadow, inner ring button face, on every side
inline constexpr unsigned BF_MONO = 0x8000;   // outer ring window frame, inner ring window colour, on every side

// DrawText's flags.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4; // only with DT_SINGLELINE
inline constexpr unsigned DT_BOTTOM = 0x8;  // only with DT_SINGLELINE
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// Metrics of the current font.
struct TextMetrics {
    int Height = 0;       // of one line of text, in pixels
    int AveCharWidth = 0; // tab stops lie 8 of these apart
};

// A drawing surface. The base class holds the drawing state and the clip (as a Region, so that every surface
// clips alike) and lays out text; a surface supplies the primitives and three text hooks. All drawing is limited
// to the clip region. Colours are resolved with Palette(). Rectangles are half-open.
class TXLCanvas {
public:
    // A surface of the given size; the clip starts as the whole surface.
    explicit TXLCanvas(Size surface);
    virtual ~TXLCanvas() = default;
    TXLCanvas(const TXLCanvas&) = delete;
    TXLCanvas& operator=(const TXLCanvas&) = delete;

    Rect SurfaceRect() const { return m_surface; }

    const TXLFontData& Font() const { return m_state.font; }
    void SetFont(const TXLFontData& font);
    const TXLPen& Pen() const { return m_state.pen; }
    void SetPen(const TXLPen& pen) { m_state.pen = pen; }
    const TXLBrush& Brush() const { return m_state.brush; }
    void SetBrush(const TXLBrush& brush) { m_state.brush = brush; }
    TBkMode BkMode() const { return m_state.bkMode; }
    void SetBkMode(TBkMode mode) { m_state.bkMode = mode; }
    const SystemPalette& Palette() const { return m_palette; }
    void SetPalette(const SystemPalette& palette) { m_palette = palette; }
    // The colour as 0xRRGGBB with this surface's palette.
    std::uint32_t ResolveColor(TColor color) const { return ColorToRgb(color, m_palette); }

    // The pixels drawing may touch; always inside SurfaceRect().
    const Region& ClipRegion() const { return m_state.clip; }
    void IntersectClipRect(const Rect& rect);
    void ExcludeClipRect(const Rect& rect);
    // The clip becomes region, limited to the surface.
    void SetClipRegion(const Region& region);
    // The clip becomes the whole surface.
    void ResetClip();

    // Pushes font, pen, brush, background mode, clip and pen position; RestoreState pops them.
    void SaveState();
    // Does nothing when nothing is saved.
    void RestoreState();

    // Fills rect with the brush.
    virtual void FillRect(const Rect& rect) = 0;
    // Outlines rect with the pen (the pen's width inside rect) and fills the inside with the brush.
    virtual void Rectangle(const Rect& rect) = 0;
    void MoveTo(Point p) { m_state.penPosition = p; }
    // A line from the pen position to p, p's own pixel excluded; p becomes the pen position.
    void LineTo(Point p);
    Point PenPosition() const { return m_state.penPosition; }
    // Lines through the points with the pen; the last point's own pixel is not drawn.
    virtual void Polyline(const std::vector<Point>& points) = 0;
    // Several polylines in one call.
    virtual void PolyPolyline(const std::vector<std::vector<Point>>& lines) = 0;
    // The closed polygon: pixels whose centre lies inside (even-odd rule) take the brush, the outline the pen.
    virtual void Polygon(const std::vector<Point>& points) = 0;
    // The edge (BDR_/EDGE_ bits) on the sides of rect named by flags (BF_ bits), in system colours: each ring is
    // one pixel, outer first; top and left sides first, so the right and bottom colours own the two far corners.
    // BF_ADJUST shrinks rect by the rings drawn on those sides.
    virtual void DrawEdge(Rect& rect, unsigned edge, unsigned flags);
    // Inverts every other pixel of rect's one-pixel outline; drawing the same rectangle again removes it.
    virtual void DrawFocusRect(const Rect& rect) = 0;
    // Inverts the RGB of every pixel of region.
    virtual void InvertRegion(const Region& region) = 0;
    // Draws the graphic scaled to rect.
    virtual void StretchDraw(const Rect& rect, const TXLGraphicData& graphic) = 0;
    // Covers area (within the clip) with copies of the graphic at its Width × Height, one of them with its top-left
    // at tileOrigin, so the tiles line up wherever area lies. This one draws each tile meeting area with
    // StretchDraw; a surface that can repeat a decoded picture in one call does so.
    virtual void TileDraw(const Rect& area, Point tileOrigin, const TXLGraphicData& graphic);

    // Width of the text as one run and the font's line height; no line breaks, tabs or prefixes are interpreted.
    Size TextExtent(const std::string& text) const;
    // Lays out and draws text (UTF-8) in rect by the DT_ flags and returns the height of the laid-out text.
    // Lines end at CR, LF or CR LF (a final line break adds no line); with DT_SINGLELINE they are blanks.
    // DT_WORDBREAK breaks lines where LineBreakOffsets allows (blanks, CJK characters); a word wider than rect
    // stays whole on a line of its own and is clipped. DT_END_ELLIPSIS shortens each
    // line wider than rect and ends it with "...". DT_EXPANDTABS sets tab stops 8 average characters apart;
    // otherwise a tab is a blank. Without DT_NOPREFIX "&&" is "&" and a single "&" is dropped. U+E5E5 is a
    // full-width blank (U+3000). DT_CALCRECT draws nothing and sets rect's right and bottom to the text's extent.
    // Without DT_NOCLIP the text is clipped to rect.
    virtual int DrawText(const std::string& text, Rect& rect, unsigned flags);
    // The resolution that point sizes refer to.
    virtual int PixelsPerInch() const { return 96; }

protected:
    // The current font's metrics.
    virtual TextMetrics GetTextMetrics() const = 0;
    // Width of a run in the current font; run holds no line break or tab.
    virtual int MeasureRun(std::string_view run) const = 0;
    // Draws a run in the current font and font colour with its line box's top-left at topLeft; in bkOpaque mode
    // the box is first filled with the brush colour.
    virtual void DrawRun(Point topLeft, std::string_view run) = 0;
    // Told after the clip or the font changed, for surfaces that keep their own copy.
    virtual void ClipChanged() {}
    virtual void FontChanged() {}

    // Decodes the UTF-8 character at pos and moves pos past it; an invalid byte reads as U+FFFD and is skipped.
    static char32_t NextChar(std::string_view text, std::size_t& pos);

private:
    struct State {
        TXLFontData font;
        TXLPen pen;
        TXLBrush brush;
        TBkMode bkMode = bkOpaque;
        Region clip;
        Point penPosition;
    };
    struct Layout {
        std::vector<std::string> lines;
        int width = 0; // of the widest line
    };

    void ReplaceClip(const Region& clip);
    void DrawEdgeRing(const Rect& rect, TColor topLeft, TColor bottomRight, unsigned flags);
    Layout LayOut(const std::string& text, int width, unsigned flags) const;
    std::vector<std::string> WrapLine(const std::string& line, int width, unsigned flags) const;
    std::string EndEllipsis(const std::string& line, int width, unsigned flags) const;
    int LineWidth(std::string_view line, unsigned flags) const;
    void DrawLine(Point topLeft, std::string_view line, unsigned flags);

    Rect m_surface;
    SystemPalette m_palette = SystemPalette::Classic();
    State m_state;
    std::vector<State> m_saved;
};

// Saves the canvas state on construction and restores it on destruction.
class TXLCanvasStateSaver {
public:
    explicit TXLCanvasStateSaver(TXLCanvas& canvas) : m_canvas(canvas) { m_canvas.SaveState(); }
    ~TXLCanvasStateSaver() { m_canvas.RestoreState(); }
    TXLCanvasStateSaver(const TXLCanvasStateSaver&) = delete;
    TXLCanvasStateSaver& operator=(const TXLCanvasStateSaver&) = delete;

private:
    TXLCanvas& m_canvas;
};

} // namespace qv
