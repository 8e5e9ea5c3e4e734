// TXLCanvas's shared part: drawing state, clipping, edges and the line layout of DrawText.
#include "platform/Canvas.h"

#include "platform/LineBreak.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <utility>

namespace qv {

namespace {

constexpr std::string_view kEllipsis = "...";
constexpr std::string_view kIdeographicSpace = "\u3000";
constexpr std::string_view kIndentBlank = "\uE5E5";
constexpr int kTabStopChars = 8;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
}

// Without DT_NOPREFIX "&&" stands for "&" and a single "&" only marks the next character.
std::string StripPrefixes(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            result += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '&') {
            result += '&';
            ++i;
        }
    }
    return result;
}

// Lines end at CR, LF or CR LF; a break at the very end starts no further line.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            current += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        lines.push_back(std::move(current));
        current.clear();
    }
    if (!current.empty()) {
        lines.push_back(std::move(current));
    }
    return lines;
}

bool IsBreakBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

TXLCanvas::TXLCanvas(Size surface) : m_surface(Rect::FromSize({0, 0}, surface))
{
    m_state.clip = Region(m_surface);
}

void TXLCanvas::SetFont(const TXLFontData& font)
{
    m_state.font = font;
    FontChanged();
}

void TXLCanvas::ReplaceClip(const Region& clip)
{
    m_state.clip = clip;
    ClipChanged();
}

void TXLCanvas::IntersectClipRect(const Rect& rect)
{
    ReplaceClip(m_state.clip.Intersect(rect));
}
void TXLCanvas::ExcludeClipRect(const Rect& rect)
{
    ReplaceClip(m_state.clip.Subtract(rect));
}
void TXLCanvas::SetClipRegion(const Region& region)
{
    ReplaceClip(region.Intersect(m_surface));
}
void TXLCanvas::ResetClip()
{
    ReplaceClip(Region(m_surface));
}

void TXLCanvas::SaveState()
{
    m_saved.push_back(m_state);
}

void TXLCanvas::RestoreState()
{
    if (m_saved.empty()) {
        return;
    }
    const bool fontChanged = !(m_saved.back().font == m_state.font);
    const bool clipChanged = !(m_saved.back().clip == m_state.clip);
    m_state = std::move(m_saved.back());
    m_saved.pop_back();
    if (fontChanged) {
        FontChanged();
    }
    if (clipChanged) {
        ClipChanged();
    }
}

void TXLCanvas::LineTo(Point p)
{
    Polyline({m_state.penPosition, p});
    m_state.penPosition = p;
}

// ---- Edges

namespace {

struct RingColors {
    TColor topLeft;
    TColor bottomRight;
};

// Soft edges trade the top-left colours of the outer and the inner ring.
RingColors OuterRing(unsigned edge, bool soft)
{
    if (edge & BDR_SUNKENOUTER) {
        return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
    }
    return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
}

RingColors InnerRing(unsigned edge, bool soft)
{
    if (edge & BDR_SUNKENINNER) {
        return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
    }
    return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
}

// rect less one pixel on each side named by flags.
Rect ShrinkSides(const Rect& rect, unsigned flags)
{
    return {rect.left + ((flags & BF_LEFT) ? 1 : 0), rect.top + ((flags & BF_TOP) ? 1 : 0),
            rect.right - ((flags & BF_RIGHT) ? 1 : 0), rect.bottom - ((flags & BF_BOTTOM) ? 1 : 0)};
}

} // namespace

void TXLCanvas::DrawEdgeRing(const Rect& rect, TColor topLeft, TColor bottomRight, unsigned flags)
{
    if (rect.IsEmpty()) {
        return;
    }
    auto fill = [this](const Rect& strip, TColor color) {
        SetBrush({color, bsSolid});
        FillRect(strip);
    };
    if (flags & BF_LEFT) {
        fill({rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
    }
    if (flags & BF_TOP) {
        fill({rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
    }
    if (flags & BF_RIGHT) {
        fill({rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    }
    if (flags & BF_BOTTOM) {
        fill({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    }
}

void TXLCanvas::DrawEdge(Rect& rect, unsigned edge, unsigned flags)
{
    const bool soft = (flags & BF_SOFT) != 0;
    std::vector<RingColors> rings;
    if (edge & BDR_OUTER) {
        rings.push_back(OuterRing(edge, soft));
    }
    if (edge & BDR_INNER) {
        rings.push_back(InnerRing(edge, soft));
    }
    TColor middle = clBtnFace;
    if (flags & (BF_MONO | BF_FLAT)) {
        const bool mono = (flags & BF_MONO) != 0;
        const TColor outer = mono ? clWindowFrame : clBtnShadow;
        const TColor inner = mono ? clWindow : clBtnFace;
        for (std::size_t i = 0; i < rings.size(); ++i) {
            const bool isOuter = i == 0 && (edge & BDR_OUTER);
            rings[i] = isOuter ? RingColors{outer, outer} : RingColors{inner, inner};
        }
        middle = mono ? clWindow : clBtnFace;
    }

    const TXLBrush savedBrush = m_state.brush;
    Rect inside = rect;
    for (const RingColors& ring : rings) {
        DrawEdgeRing(inside, ring.topLeft, ring.bottomRight, flags);
        inside = ShrinkSides(inside, flags);
    }
    if ((flags & BF_MIDDLE) && !inside.IsEmpty()) {
        SetBrush({middle, bsSolid});
        FillRect(inside);
    }
    SetBrush(savedBrush);
    if (flags & BF_ADJUST) {
        rect = inside;
    }
}

// ---- Pictures

namespace {

// value ÷ divisor rounded down; divisor > 0.
int FloorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

void TXLCanvas::TileDraw(const Rect& area, Point tileOrigin, const TXLGraphicData& graphic)
{
    const int w = graphic.Width;
    const int h = graphic.Height;
    if (area.IsEmpty() || w <= 0 || h <= 0)
        return;
    const int firstCol = FloorDiv(area.left - tileOrigin.x, w);
    const int endCol = FloorDiv(area.right - tileOrigin.x + w - 1, w);
    const int firstRow = FloorDiv(area.top - tileOrigin.y, h);
    const int endRow = FloorDiv(area.bottom - tileOrigin.y + h - 1, h);
    const Region savedClip = m_state.clip;
    IntersectClipRect(area);
    for (int row = firstRow; row < endRow; ++row)
        for (int col = firstCol; col < endCol; ++col)
            StretchDraw(Rect::FromSize({tileOrigin.x + w * col, tileOrigin.y + h * row}, {w, h}), graphic);
    ReplaceClip(savedClip);
}

// ---- Text

char32_t TXLCanvas::NextChar(std::string_view text, std::size_t& pos)
{
    return DecodeUtf8(text, pos);
}

Size TXLCanvas::TextExtent(const std::string& text) const
{
    std::string shown = text;
    ReplaceAll(shown, kIndentBlank, kIdeographicSpace);
    return {MeasureRun(shown), GetTextMetrics().Height};
}

// Tabs (left only with DT_EXPANDTABS) advance to the next multiple of the tab stop, counted from the line start.
int TXLCanvas::LineWidth(std::string_view line, unsigned flags) const
{
    if (!(flags & DT_EXPANDTABS)) {
        return MeasureRun(line);
    }
    const int tabStop = std::max(1, kTabStopChars * GetTextMetrics().AveCharWidth);
    int x = 0;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        x += MeasureRun(line.substr(start, tab - start));
        x = (x / tabStop + 1) * tabStop;
        start = tab + 1;
    }
    return x + MeasureRun(line.substr(start));
}

// Greedy: as many pieces between break offsets as fit; blanks at a break are dropped. A piece wider than the line
// stands alone on its line, whole, for the clip to cut: a number or a word is never shown in fragments.
std::vector<std::string> TXLCanvas::WrapLine(const std::string& line, int width, unsigned flags) const
{
    std::vector<std::size_t> ends = LineBreakOffsets(line);
    ends.push_back(line.size());
    auto trimmed = [&](std::size_t start, std::size_t end) {
        std::string_view shown = std::string_view(line).substr(start, end - start);
        while (!shown.empty() && IsBreakBlank(shown.back())) {
            shown.remove_suffix(1);
        }
        return shown;
    };
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t next = 0; next < ends.size();) {
        std::size_t end = ends[next++];
        while (next < ends.size() && LineWidth(trimmed(start, ends[next]), flags) <= width) {
            end = ends[next++];
        }
        lines.emplace_back(trimmed(start, end));
        start = end;
    }
    return lines;
}

// The longest start of line that fits together with "..." (nothing of it when even "..." alone does not fit).
std::string TXLCanvas::EndEllipsis(const std::string& line, int width, unsigned flags) const
{
    if (LineWidth(line, flags) <= width) {
        return line;
    }
    std::size_t end = 0;
    for (std::size_t pos = 0; pos < line.size();) {
        NextChar(line, pos);
        if (LineWidth(line.substr(0, pos) + std::string(kEllipsis), flags) > width) {
            break;
        }
        end = pos;
    }
    return line.substr(0, end) + std::string(kEllipsis);
}

TXLCanvas::Layout TXLCanvas::LayOut(const std::string& text, int width, unsigned flags) const
{
    std::string shown = (flags & DT_NOPREFIX) ? text : StripPrefixes(text);
    ReplaceAll(shown, kIndentBlank, kIdeographicSpace);
    if (flags & DT_SINGLELINE) {
        for (char& c : shown) {
            c = (c == '\r' || c == '\n') ? ' ' : c;
        }
    }
    if (!(flags & DT_EXPANDTABS)) {
        for (char& c : shown) {
            c = c == '\t' ? ' ' : c;
        }
    }

    Layout layout;
    for (std::string& line : SplitLines(shown)) {
        if ((flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE) && !line.empty()) {
            for (std::string& wrapped : WrapLine(line, width, flags)) {
                layout.lines.push_back(std::move(wrapped));
            }
        } else {
            layout.lines.push_back(std::move(line));
        }
    }
    for (std::string& line : layout.lines) {
        if (flags & DT_END_ELLIPSIS) {
            line = EndEllipsis(line, width, flags);
        }
        layout.width = std::max(layout.width, LineWidth(line, flags));
    }
    return layout;
}

void TXLCanvas::DrawLine(Point topLeft, std::string_view line, unsigned flags)
{
    if (!(flags & DT_EXPANDTABS)) {
        if (!line.empty()) {
            DrawRun(topLeft, line);
        }
        return;
    }
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t tab = line.find('\t', start);
        const std::size_t end = tab == std::string_view::npos ? line.size() : tab;
        if (end > start) {
            const int x = LineWidth(line.substr(0, start), flags);
            DrawRun(topLeft.Offset(x, 0), line.substr(start, end - start));
        }
        start = end + 1;
    }
}

int TXLCanvas::DrawText(const std::string& text, Rect& rect, unsigned flags)
{
    const Layout layout = LayOut(text, rect.Width(), flags);
    const int lineHeight = GetTextMetrics().Height;
    const int height = lineHeight * int(layout.lines.size());
    if (flags & DT_CALCRECT) {
        rect.right = rect.left + layout.width;
        rect.bottom = rect.top + height;
        return height;
    }

    int y = rect.top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER) {
            y = (rect.top + rect.bottom - lineHeight) / 2;
        } else if (flags & DT_BOTTOM) {
            y = rect.bottom - lineHeight;
        }
    }
    const Region savedClip = m_state.clip;
    if (!(flags & DT_NOCLIP)) {
        IntersectClipRect(rect);
    }
    for (const std::string& line : layout.lines) {
        int x = rect.left;
        if (flags & (DT_CENTER | DT_RIGHT)) {
            const int lineWidth = LineWidth(line, flags);
            x = (flags & DT_CENTER) ? (rect.left + rect.right - lineWidth) / 2 : rect.right - lineWidth;
        }
        DrawLine({x, y}, line, flags);
        y += lineHeight;
    }
    if (!(flags & DT_NOCLIP)) {
        ReplaceClip(savedClip);
    }
    return height;
}

} // namespace qv
