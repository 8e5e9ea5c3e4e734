// The section painter: colours, background, grid lines, merged ranges, cells with frames, border lines.
#include "grid/SectionPainter.h"

#include "sheet/Cell.h"
#include "sheet/Row.h"
#include "sheet/Section.h"
#include "sheet/Style.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace qv {

namespace {

constexpr int kNoLinesScale = 25;       // at this scale and below the grid lines would swamp the cells
constexpr int kMinLineContrast = 48;    // of 255 in brightness; the button face on white differs by 16
constexpr int kDefaultFontHeight = -12; // what a font height of 0 stands for, so that it scales too
constexpr int64_t kMaxFontHeight = 32767;

// Colours compare by meaning: system colours by their index, whatever their other bits hold.
TColor Normal(TColor color)
{
    return IsSystemColor(color) ? SystemColor(color & 0xFF) : color;
}

bool SameColor(TColor a, TColor b)
{
    return Normal(a) == Normal(b);
}

int Brightness(std::uint32_t rgb)
{
    const int r = int(rgb >> 16) & 0xFF;
    const int g = int(rgb >> 8) & 0xFF;
    const int b = int(rgb) & 0xFF;
    return (299 * r + 587 * g + 114 * b) / 1000;
}

// The file's lines colour when it stands out from the background; otherwise the palette's button shadow, or the
// text colour when even that is too close (a dark background).
TColor VisibleLinesColor(const TXLCanvas& canvas, TColor lines, TColor background)
{
    const int backgroundBrightness = Brightness(canvas.ResolveColor(background));
    for (const TColor candidate : {lines, clBtnShadow})
        if (std::abs(Brightness(canvas.ResolveColor(candidate)) - backgroundBrightness) >= kMinLineContrast)
            return candidate;
    return clWindowText;
}

// Where and how one cell's value is drawn; the same for drawing and for asking what was drawn.
struct CellContent {
    Rect Clip; // the content rectangle
    Rect Text; // the content rectangle less the indent on both sides
    TXLFontData Font;
    TXLLayout Layout;
    TXLFrame Frame = frNone;
    TXLCellStyles Styles = 0;
};

CellContent ContentOf(const TXLSection& section, TXLCell& cell, Point p, const Rect& pixels, TXLFrame frame, int scale)
{
    CellContent content;
    content.Frame = frame;
    content.Styles = static_cast<TXLCellStyles>(section.GetLayerValue(kLayerStyles, p.x, p.y));
    content.Clip = ContentRect(pixels, frame);
    content.Layout = UnpackLayout(section.GetLayerValue(kLayerLayout, p.x, p.y));
    content.Text = content.Clip;
    content.Text.left += content.Layout.Indent;
    content.Text.right -= content.Layout.Indent;
    TXLFontData font = FontOf(cell);
    // A font without a colour of its own writes in the text colour (clNone would resolve to white).
    if (IsNoneColor(font.Color) || font.Color == clDefault)
        font.Color = clWindowText;
    if (cell.HasFlag(kFlagError))
        font.Color = section.BaseStyle().ErrorColor();
    font.Height = ScaledFontHeight(font.Height, scale);
    content.Font = font;
    return content;
}

} // namespace

const TXLFontData& FontOf(TXLCell& cell)
{
    if (cell.HasFontObject())
        return cell.Font().Data();
    return cell.GetProvider(prFont)->Font().Data();
}

int ScaledFontHeight(int height, int scale)
{
    if (height == 0)
        height = kDefaultFontHeight;
    // A file may hold any height; no font is drawn taller than kMaxFontHeight pixels.
    const int64_t scaled = std::clamp<int64_t>(int64_t{height} * scale / 100, -kMaxFontHeight, kMaxFontHeight);
    // A tiny font stays tiny instead of turning into the default size.
    if (scaled == 0)
        return height < 0 ? -1 : 1;
    return static_cast<int>(scaled);
}

namespace {

// The positions of the range's columns and rows, and per position the layers read once.
class SectionPass {
public:
    explicit SectionPass(const TXLPaintContext& context)
        : m_ctx(context), m_canvas(*context.Canvas), m_section(*context.Section), m_base(m_section.BaseStyle())
    {
        const Rect& range = context.Range;
        m_lefts.reserve(std::size_t(range.Width()) + 1);
        m_tops.reserve(std::size_t(range.Height()) + 1);
        int x = context.TopLeft.x;
        for (int col = range.left; col <= range.right; ++col) {
            m_lefts.push_back(x);
            if (col < range.right)
                x += context.Cols->GetValue(col);
        }
        int y = context.TopLeft.y;
        for (int row = range.top; row <= range.bottom; ++row) {
            m_tops.push_back(y);
            if (row < range.bottom)
                y += context.Rows->GetValue(row);
        }
    }

    void Run()
    {
        const Region paintRegion(m_ctx.PaintRect);
        m_canvas.SetClipRegion(paintRegion);
        FillCellColors();
        m_ctx.PaintBackground(m_canvas, m_ctx.PaintRect);
        for (const TXLPaintContext::MergedRange& merged : m_ctx.Unions) {
            const Rect& p = merged.Pixels;
            m_canvas.ExcludeClipRect({p.left, p.top, p.right - 1, p.bottom - 1});
        }
        DrawGridLines();
        m_canvas.SetClipRegion(paintRegion);
        for (const TXLPaintContext::MergedRange& merged : m_ctx.Unions) {
            const Point anchor = merged.Union->GetRect().TopLeft();
            if (TXLCell* cell = merged.Union->Anchor())
                DrawContent(*cell, anchor, merged.Pixels);
            DrawFrame(anchor, merged.Pixels);
            m_canvas.ExcludeClipRect(merged.Pixels);
        }
        DrawCells();
        m_canvas.SetClipRegion(paintRegion);
        if (m_ctx.BorderLines)
            DrawBorderLines();
    }

private:
    int Left(int col) const { return m_lefts[std::size_t(col - m_ctx.Range.left)]; }
    int Top(int row) const { return m_tops[std::size_t(row - m_ctx.Range.top)]; }
    Rect CellPixels(int col, int row) const { return {Left(col), Top(row), Left(col + 1), Top(row + 1)}; }
    bool ZeroWidth(int col) const { return Left(col + 1) == Left(col); }
    bool ZeroHeight(int row) const { return Top(row + 1) == Top(row); }

    int32_t Layer(TXLLayerId layer, Point p) const { return m_section.GetLayerValue(layer, p.x, p.y); }
    TXLFrame FrameAt(Point p) const
    {
        return m_ctx.FrameOf ? m_ctx.FrameOf(p) : static_cast<TXLFrame>(Layer(kLayerFrame, p));
    }

    // A cell of a merged range is drawn with the range, if at all.
    bool InMergedRange(Point p) const { return m_section.UnionAt(p, TXLAnchorRule::Include) != nullptr; }

    // Each cell whose colour differs from the base colour is filled with the grid-line pixels to its left and top
    // (its right and bottom ones are its own) and then kept out of the clip, so neither the background nor the
    // grid lines cover it.
    void FillCellColors()
    {
        const TColor baseColor = m_base.Color();
        const TXLLayer& colors = m_section.AttrLayer(kLayerColor);
        const TColor layerDefault = UnpackLine(colors.Default()).Color;
        const bool defaultIsBase = IsNoneColor(layerDefault) || SameColor(layerDefault, baseColor);
        bool brushSet = false;
        const Rect& range = m_ctx.Range;
        for (int row = range.top; row < range.bottom; ++row) {
            const TDefSList* rowColors = colors.Get(row);
            if (ZeroHeight(row) || (!rowColors && defaultIsBase))
                continue;
            for (int col = range.left; col < range.right; ++col) {
                if (ZeroWidth(col))
                    continue;
                const TColor color = UnpackLine(rowColors ? rowColors->GetValue(col) : colors.Default()).Color;
                if (IsNoneColor(color) || SameColor(color, baseColor))
                    continue;
                if (!brushSet || !SameColor(m_canvas.Brush().Color, color)) {
                    m_canvas.SetBrush({color, bsSolid});
                    brushSet = true;
                }
                const Rect cell = CellPixels(col, row);
                const Rect covered{cell.left - 1, cell.top - 1, cell.right, cell.bottom};
                m_canvas.FillRect(covered);
                m_canvas.ExcludeClipRect(covered);
            }
        }
    }

    // One poly-polyline per direction; a line between two cells lies on the first cell's last pixel, and a line
    // at the position of the one before (an item of size 0) is left out. The item after the range contributes
    // too, so the range's own last line is drawn.
    void DrawGridLines()
    {
        if (SameColor(m_base.Color(), m_base.LinesColor()) || m_ctx.Scale <= kNoLinesScale)
            return;
        m_canvas.SetPen({VisibleLinesColor(m_canvas, m_base.LinesColor(), m_base.Color()), 1, psSolid});
        const int left = m_lefts.front();
        const int right = m_lefts.back();
        const int top = m_tops.front();
        const int bottom = m_tops.back();
        if (m_ctx.HorzLines) {
            std::vector<std::vector<Point>> lines;
            int previous = INT_MIN;
            for (int y : m_tops) {
                if (y - 1 == previous)
                    continue;
                previous = y - 1;
                lines.push_back({{left, y - 1}, {right, y - 1}});
            }
            m_canvas.PolyPolyline(lines);
        }
        if (m_ctx.VertLines) {
            std::vector<std::vector<Point>> lines;
            int previous = INT_MIN;
            for (int x : m_lefts) {
                if (x - 1 == previous)
                    continue;
                previous = x - 1;
                lines.push_back({{x - 1, top}, {x - 1, bottom}});
            }
            m_canvas.PolyPolyline(lines);
        }
    }

    void DrawCells()
    {
        const Rect& range = m_ctx.Range;
        const bool hasUnions = !m_ctx.Unions.empty();
        for (int row = range.top; row < range.bottom; ++row) {
            if (ZeroHeight(row))
                continue;
            const TXLRow* cells = m_section.Get(row);
            for (int col = range.left; col < range.right; ++col) {
                const Point p{col, row};
                if (ZeroWidth(col) || (hasUnions && InMergedRange(p)))
                    continue;
                const Rect pixels = CellPixels(col, row);
                if (TXLCell* cell = cells ? cells->Get(col) : nullptr)
                    DrawContent(*cell, p, pixels);
                DrawFrame(p, pixels);
            }
        }
    }

    void DrawContent(TXLCell& cell, Point p, const Rect& pixels)
    {
        cell.SetFlag(kFlagRepaint, false);
        const auto styles = static_cast<TXLCellStyles>(Layer(kLayerStyles, p));
        // The in-cell editor covers the cell being edited.
        if (cell.HasFlag(kFlagEditing) || (styles & CellStyleBit(csHidden)))
            return;
        TXLCanvasStateSaver saver(m_canvas);
        const CellContent content = ContentOf(m_section, cell, p, pixels, FrameAt(p), m_ctx.Scale);
        m_canvas.IntersectClipRect(content.Clip);
        m_canvas.SetFont(content.Font);
        m_canvas.SetBkMode(bkTransparent);
        TXLDrawInfo info;
        info.Canvas = &m_canvas;
        info.Layout = content.Layout;
        info.Font = content.Font;
        info.ErrorColor = m_base.ErrorColor();
        info.Scale = m_ctx.Scale;
        info.Frame = content.Frame;
        info.Styles = content.Styles;
        info.Col = p.x;
        info.Row = p.y;
        Rect text = content.Text;
        cell.DrawValue(info, text);
        if (m_ctx.ShowHint && (cell.Holds(prHint) || (styles & CellStyleBit(csExtHint)))) {
            m_canvas.SetBrush({clRed, bsSolid});
            m_canvas.SetPen({clRed, 1, psSolid});
            m_canvas.Polygon(
                {{pixels.right - 5, pixels.top}, {pixels.right - 1, pixels.top}, {pixels.right - 1, pixels.top + 4}});
        }
    }

    void DrawFrame(Point p, const Rect& pixels)
    {
        const TXLFrameEdge edge = FrameEdge(FrameAt(p));
        if (edge.Edge != 0) {
            Rect r = pixels;
            m_canvas.DrawEdge(r, edge.Edge, edge.Flags | BF_RECT);
        }
        const TXLLine first = UnpackLine(Layer(kLayerBias1, p));
        const TXLLine second = UnpackLine(Layer(kLayerBias2, p));
        const bool drawFirst = first.Width > 0 && !IsNoneColor(first.Color);
        const bool drawSecond = second.Width > 0 && !IsNoneColor(second.Color);
        if (!drawFirst && !drawSecond)
            return;
        TXLCanvasStateSaver saver(m_canvas);
        // The widest pen reaches beyond the cell.
        if (first.Width == 3 || second.Width == 3)
            m_canvas.IntersectClipRect(pixels);
        if (drawFirst) {
            m_canvas.SetPen({first.Color, first.Width, psSolid});
            m_canvas.Polyline({{pixels.left, pixels.top}, {pixels.right - 1, pixels.bottom - 1}});
        }
        if (drawSecond) {
            m_canvas.SetPen({second.Color, second.Width, psSolid});
            m_canvas.Polyline({{pixels.right - 1, pixels.top}, {pixels.left, pixels.bottom - 1}});
        }
    }

    void UsePen(const TXLLine& line, bool& penSet)
    {
        const TXLPen pen{line.Color, line.Width, psSolid};
        if (!penSet || !(m_canvas.Pen() == pen)) {
            m_canvas.SetPen(pen);
            penSet = true;
        }
    }

    // A cell's stored left line lies on the last pixel column of the cell before it, its top line on the last
    // pixel row of the cell above, so the column and the row after the range bring its right and bottom lines.
    void DrawBorderLines()
    {
        const Rect& range = m_ctx.Range;
        bool penSet = false;
        const TListSList<TSList>& vertical = m_section.LineLayer(kLayerVertLines);
        for (int col = range.left; col <= range.right; ++col) {
            const TSList* lines = vertical.Get(col);
            if (!lines)
                continue;
            const int x = Left(col) - 1;
            for (int row = range.top; row < range.bottom; ++row) {
                const TXLLine line = UnpackLine(lines->Get(row));
                if (line.Width == 0 || IsNoneColor(line.Color))
                    continue;
                UsePen(line, penSet);
                m_canvas.Polyline({{x, Top(row) - 1}, {x, Top(row + 1) - 1}});
            }
        }
        const TListSList<TSList>& horizontal = m_section.LineLayer(kLayerHorzLines);
        for (int row = range.top; row <= range.bottom; ++row) {
            const TSList* lines = horizontal.Get(row);
            if (!lines)
                continue;
            const int y = Top(row) - 1;
            for (int col = range.left; col < range.right; ++col) {
                const TXLLine line = UnpackLine(lines->Get(col));
                if (line.Width == 0 || IsNoneColor(line.Color))
                    continue;
                UsePen(line, penSet);
                m_canvas.Polyline({{Left(col) - 1, y}, {Left(col + 1) - 1, y}});
            }
        }
    }

    const TXLPaintContext& m_ctx;
    TXLCanvas& m_canvas;
    const TXLSection& m_section;
    const TXLBaseStyle& m_base;
    std::vector<int> m_lefts; // Range.Width() + 1 column starts, the last one the range's right edge
    std::vector<int> m_tops;
};

} // namespace

TXLFrameEdge FrameEdge(TXLFrame frame)
{
    switch (frame) {
    case frFlatUp:
        return {BDR_RAISEDINNER, 0};
    case frFlatDown:
        return {BDR_SUNKENINNER, BF_SOFT};
    case frDeepUp:
        return {EDGE_RAISED, BF_SOFT};
    case frDeepDown:
        return {EDGE_SUNKEN, BF_SOFT};
    case frBevelUp:
        return {EDGE_BUMP, 0};
    case frBevelDown:
        return {EDGE_ETCHED, 0};
    default:
        return {};
    }
}

Rect ContentRect(const Rect& cell, TXLFrame frame)
{
    switch (frame) {
    case frNone:
        return {cell.left, cell.top, cell.right - 1, cell.bottom - 1};
    case frFlatUp:
    case frFlatDown:
        return cell.Inflate(-1, -1);
    default:
        return cell.Inflate(-2, -2);
    }
}

void PaintSection(const TXLPaintContext& context)
{
    SectionPass(context).Run();
}

std::optional<std::string> FilledCellText(TXLCanvas& canvas, const TXLSection& section, Point p, const Rect& pixels,
                                          TXLFrame frame, int scale)
{
    const TXLRow* row = section.Get(p.y);
    TXLCell* cell = row ? row->Get(p.x) : nullptr;
    if (!cell || cell->Overflow() != ovFillHashes)
        return std::nullopt;
    const std::string text = cell->GetDisplayText();
    TXLCanvasStateSaver saver(canvas);
    const CellContent content = ContentOf(section, *cell, p, pixels, frame, scale);
    canvas.SetFont(content.Font);
    if (text.empty() || FitOrFillHashes(canvas, text, content.Text.Width()) == text)
        return std::nullopt;
    return text;
}

} // namespace qv
