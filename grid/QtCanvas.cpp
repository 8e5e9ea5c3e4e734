// The Qt canvas: primitives on a QPainter, text runs in the mapped fonts, pictures through Qt's image readers.
#include "grid/QtCanvas.h"

#include "grid/FontMap.h"
#include "grid/QtGeometry.h"
#include "sheet/Manager.h"

#include <QBrush>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>

namespace qv {

namespace {

QColor FromRgb(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

std::uint32_t ToRgb(const QColor& color)
{
    return static_cast<std::uint32_t>(color.rgb()) & 0xFFFFFF;
}

// Decoded pictures by their bytes: a background tiles the same picture many times per paint.
class DecodedImages {
public:
    const QImage& Get(const TXLGraphicData& graphic)
    {
        const std::size_t hash =
            std::hash<std::string_view>()({reinterpret_cast<const char*>(graphic.Bytes.data()), graphic.Bytes.size()});
        for (const Entry& entry : m_entries)
            if (entry.hash == hash && entry.size == graphic.Bytes.size() && entry.transparent == graphic.Transparent)
                return entry.image;
        if (m_entries.size() == kCapacity)
            m_entries.pop_front();
        QImage image;
        image.loadFromData(graphic.Bytes.data(), static_cast<int>(graphic.Bytes.size()));
        if (!image.isNull() && graphic.Transparent) {
            image = image.convertToFormat(QImage::Format_ARGB32);
            const QRgb key = image.pixel(0, image.height() - 1);
            const QImage mask = image.createMaskFromColor(key, Qt::MaskOutColor);
            image.setAlphaChannel(mask);
        }
        m_entries.push_back({hash, graphic.Bytes.size(), graphic.Transparent, std::move(image)});
        return m_entries.back().image;
    }

private:
    static constexpr std::size_t kCapacity = 16;
    struct Entry {
        std::size_t hash;
        std::size_t size;
        bool transparent;
        QImage image;
    };
    std::deque<Entry> m_entries;
};

} // namespace

SystemPalette PaletteFromQt(const QPalette& palette)
{
    SystemPalette result = SystemPalette::Classic();
    auto set = [&](TColor color, QPalette::ColorGroup group, QPalette::ColorRole role) {
        result.Rgb[static_cast<std::size_t>(color & 0xFF)] = ToRgb(palette.color(group, role));
    };
    constexpr auto active = QPalette::Active;
    constexpr auto inactive = QPalette::Inactive;
    constexpr auto disabled = QPalette::Disabled;
    set(clScrollBar, active, QPalette::Window);
    set(clMenu, active, QPalette::Window);
    set(clWindow, active, QPalette::Base);
    set(clWindowFrame, active, QPalette::WindowText);
    set(clMenuText, active, QPalette::WindowText);
    set(clWindowText, active, QPalette::Text);
    set(clActiveCaption, active, QPalette::Highlight);
    set(clCaptionText, active, QPalette::HighlightedText);
    set(clInactiveCaption, inactive, QPalette::Mid);
    set(clInactiveCaptionText, disabled, QPalette::WindowText);
    set(clActiveBorder, active, QPalette::Window);
    set(clInactiveBorder, inactive, QPalette::Window);
    set(clAppWorkSpace, active, QPalette::Dark);
    set(clHighlight, active, QPalette::Highlight);
    set(clHighlightText, active, QPalette::HighlightedText);
    set(clBtnFace, active, QPalette::Button);
    set(clBtnShadow, active, QPalette::Dark);
    set(clGrayText, disabled, QPalette::Text);
    set(clBtnText, active, QPalette::ButtonText);
    set(clBtnHighlight, active, QPalette::Light);
    set(cl3DDkShadow, active, QPalette::Shadow);
    set(cl3DLight, active, QPalette::Midlight);
    set(clInfoText, active, QPalette::ToolTipText);
    set(clInfoBk, active, QPalette::ToolTipBase);
    return result;
}

TXLQtCanvas::TXLQtCanvas(QPainter& painter, Size surface, const SystemPalette& palette)
    : TXLCanvas(surface), m_painter(painter)
{
    SetPalette(palette);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setClipRect(ToQRect(SurfaceRect()));
    FontChanged();
}

QColor TXLQtCanvas::QtColor(TColor color) const
{
    return FromRgb(ResolveColor(color));
}

void TXLQtCanvas::ClipChanged()
{
    const Region& clip = ClipRegion();
    const Rect bounds = clip.Bounds();
    if (clip.IsEmpty())
        m_painter.setClipRect(QRect(0, 0, 0, 0));
    else if (clip.Area() == std::int64_t{bounds.Width()} * bounds.Height())
        m_painter.setClipRect(ToQRect(bounds));
    else
        m_painter.setClipRegion(ToQRegion(clip));
}

void TXLQtCanvas::FontChanged()
{
    if (!m_font || !SameQtFont(m_font->Key, Font()))
        m_font = &QtFontEntryFor(Font());
}

int TXLQtCanvas::PixelsPerInch() const
{
    const QPaintDevice* device = m_painter.device();
    return device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
}

// ---- Shapes

void TXLQtCanvas::FillRect(const Rect& rect)
{
    if (Brush().Style == bsSolid && !rect.IsEmpty())
        m_painter.fillRect(ToQRect(rect), QtColor(Brush().Color));
}

void TXLQtCanvas::Rectangle(const Rect& rect)
{
    if (rect.IsEmpty())
        return;
    const int penWidth = Pen().Style == psClear ? 0 : std::max(1, Pen().Width);
    const Rect inside = rect.Inflate(-penWidth, -penWidth);
    if (penWidth > 0) {
        const QColor color = QtColor(Pen().Color);
        for (const Rect& r : Region(rect).Subtract(inside).Rects())
            m_painter.fillRect(ToQRect(r), color);
    }
    FillRect(inside);
}

void TXLQtCanvas::DrawSegment(Point from, Point to, const QColor& color, int width)
{
    if (from == to)
        return;
    const int before = (width - 1) / 2;
    if (from.y == to.y || from.x == to.x) {
        // Axis-parallel: the pixels from `from` up to but not including `to`, each widened to the pen square.
        const int step = from.y == to.y ? (to.x > from.x ? 1 : -1) : (to.y > from.y ? 1 : -1);
        const Point last = from.y == to.y ? Point{to.x - step, to.y} : Point{to.x, to.y - step};
        const Rect span{std::min(from.x, last.x) - before, std::min(from.y, last.y) - before,
                        std::max(from.x, last.x) - before + width, std::max(from.y, last.y) - before + width};
        m_painter.fillRect(ToQRect(span), color);
        return;
    }
    // Qt's aliased lines with flat caps leave out the end point, as the canvas's lines do.
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(width <= 1);
    m_painter.setPen(pen);
    m_painter.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void TXLQtCanvas::StrokePolyline(const std::vector<Point>& points)
{
    const TXLPen& pen = Pen();
    if (pen.Style == psClear || points.size() < 2)
        return;
    const QColor color = QtColor(pen.Color);
    const int width = std::max(1, pen.Width);
    if (pen.Style == psSolid) {
        for (std::size_t i = 1; i < points.size(); ++i)
            DrawSegment(points[i - 1], points[i], color, width);
        return;
    }
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
    QPen qtPen(color, width, kStyles[pen.Style], Qt::FlatCap, Qt::MiterJoin);
    qtPen.setCosmetic(width <= 1);
    m_painter.setPen(qtPen);
    std::vector<QPoint> qtPoints;
    for (const Point& p : points)
        qtPoints.emplace_back(p.x, p.y);
    m_painter.drawPolyline(qtPoints.data(), static_cast<int>(qtPoints.size()));
}

void TXLQtCanvas::Polyline(const std::vector<Point>& points)
{
    StrokePolyline(points);
}

void TXLQtCanvas::PolyPolyline(const std::vector<std::vector<Point>>& lines)
{
    const TXLPen& pen = Pen();
    // The grid lines: many one-pixel axis-parallel segments, filled as rectangles in one call.
    if (pen.Style == psSolid && pen.Width <= 1) {
        std::vector<QRect> spans;
        spans.reserve(lines.size());
        bool simple = true;
        for (const std::vector<Point>& line : lines) {
            if (line.size() != 2 || (line[0].x != line[1].x && line[0].y != line[1].y)) {
                simple = false;
                break;
            }
            const Point a = line[0];
            const Point b = line[1];
            if (a == b)
                continue;
            if (a.y == b.y)
                spans.emplace_back(std::min(a.x, b.x + 1), a.y, std::abs(b.x - a.x), 1);
            else
                spans.emplace_back(a.x, std::min(a.y, b.y + 1), 1, std::abs(b.y - a.y));
        }
        if (simple) {
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(QtColor(pen.Color));
            m_painter.drawRects(spans.data(), static_cast<int>(spans.size()));
            m_painter.setBrush(Qt::NoBrush);
            return;
        }
    }
    for (const std::vector<Point>& line : lines)
        StrokePolyline(line);
}

void TXLQtCanvas::Polygon(const std::vector<Point>& points)
{
    if (points.size() < 3)
        return;
    std::vector<QPoint> qtPoints;
    for (const Point& p : points)
        qtPoints.emplace_back(p.x, p.y);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Brush().Style == bsSolid ? QBrush(QtColor(Brush().Color)) : QBrush(Qt::NoBrush));
    m_painter.drawPolygon(qtPoints.data(), static_cast<int>(qtPoints.size()), Qt::OddEvenFill);
    m_painter.setBrush(Qt::NoBrush);
    std::vector<Point> closed = points;
    closed.push_back(points.front());
    StrokePolyline(closed);
}

void TXLQtCanvas::DrawFocusRect(const Rect& rect)
{
    if (rect.IsEmpty())
        return;
    std::vector<QRect> dots;
    const Region outline = Region(rect).Subtract(rect.Inflate(-1, -1));
    for (const Rect& r : outline.Rects())
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (((x + y) & 1) == 0)
                    dots.emplace_back(x, y, 1, 1);
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const QRect& dot : dots)
        m_painter.fillRect(dot, Qt::white);
    m_painter.restore();
}

void TXLQtCanvas::InvertRegion(const Region& region)
{
    if (region.IsEmpty())
        return;
    const QPaintEngine* engine = m_painter.paintEngine();
    const bool rasterOps = engine && engine->hasFeature(QPaintEngine::RasterOpModes);
    m_painter.save();
    m_painter.setCompositionMode(rasterOps ? QPainter::RasterOp_SourceXorDestination
                                           : QPainter::CompositionMode_Difference);
    for (const Rect& r : region.Rects())
        m_painter.fillRect(ToQRect(r), Qt::white);
    m_painter.restore();
}

const QImage& TXLQtCanvas::Decoded(const TXLGraphicData& graphic)
{
    static DecodedImages images;
    return images.Get(graphic);
}

void TXLQtCanvas::StretchDraw(const Rect& rect, const TXLGraphicData& graphic)
{
    if (rect.IsEmpty() || graphic.Bytes.empty())
        return;
    const QImage& image = Decoded(graphic);
    if (!image.isNull())
        m_painter.drawImage(ToQRect(rect), image);
}

void TXLQtCanvas::TileDraw(const Rect& area, Point tileOrigin, const TXLGraphicData& graphic)
{
    if (area.IsEmpty() || graphic.Bytes.empty() || graphic.Width <= 0 || graphic.Height <= 0)
        return;
    const QImage& image = Decoded(graphic);
    if (image.isNull())
        return;
    QBrush tiles(image.size() == QSize(graphic.Width, graphic.Height)
                     ? image
                     : image.scaled(graphic.Width, graphic.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    tiles.setTransform(QTransform::fromTranslate(tileOrigin.x, tileOrigin.y));
    m_painter.fillRect(ToQRect(area), tiles);
}

// ---- Text

TextMetrics TXLQtCanvas::GetTextMetrics() const
{
    return {m_font->Height, m_font->AveCharWidth};
}

int TXLQtCanvas::MeasureRun(std::string_view run) const
{
    if (const int plain = m_font->PlainWidth(run); plain >= 0)
        return plain;
    for (const MeasuredRun& measured : m_measured)
        if (measured.font == m_font && measured.text == run)
            return measured.width;
    MeasuredRun& slot = m_measured[m_nextMeasured];
    m_nextMeasured = (m_nextMeasured + 1) % m_measured.size();
    slot.font = m_font;
    slot.text.assign(run);
    slot.width = m_font->ExactWidth(run);
    return slot.width;
}

void TXLQtCanvas::DrawRun(Point topLeft, std::string_view run)
{
    if (BkMode() == bkOpaque && Brush().Style == bsSolid)
        FillRect(Rect::FromSize(topLeft, {MeasureRun(run), m_font->Height}));
    if (m_painterFont != m_font) {
        m_painter.setFont(m_font->Font);
        m_painterFont = m_font;
    }
    m_painter.setPen(QtColor(Font().Color));
    const QPoint baseline(topLeft.x, topLeft.y + m_font->Ascent);
    if (m_font->PlainWidth(run) >= 0) {
        // Amounts and dates: the glyphs placed by their advances, as shaping would place them.
        QList<quint32> glyphs;
        QList<QPointF> positions;
        glyphs.reserve(static_cast<qsizetype>(run.size()));
        positions.reserve(static_cast<qsizetype>(run.size()));
        qreal x = 0;
        for (const char c : run) {
            const auto code = static_cast<std::size_t>(static_cast<unsigned char>(c));
            glyphs.push_back(m_font->PlainGlyph[code]);
            positions.emplace_back(x, 0);
            x += m_font->PlainAdvance[code];
        }
        QGlyphRun glyphRun;
        glyphRun.setRawFont(m_font->Raw);
        glyphRun.setGlyphIndexes(glyphs);
        glyphRun.setPositions(positions);
        glyphRun.setUnderline(m_font->Font.underline());
        glyphRun.setStrikeOut(m_font->Font.strikeOut());
        m_painter.drawGlyphRun(baseline, glyphRun);
        return;
    }
    m_painter.drawText(baseline, QString::fromUtf8(run.data(), static_cast<qsizetype>(run.size())));
}

// ---- The image canvas

QtImageSurface::QtImageSurface(Size size)
    : Image(std::max(1, size.cx), std::max(1, size.cy), QImage::Format_RGB32), Painter(&Image)
{
}

TXLQtImageCanvas::TXLQtImageCanvas(Size size, const SystemPalette& palette)
    : QtImageSurface(size), TXLQtCanvas(QtImageSurface::Painter, size, palette)
{
}

void InstallQtMeasureCanvas()
{
    XLManager().SetMeasureCanvas(std::make_unique<TXLQtImageCanvas>(Size{16, 16}));
}

} // namespace qv
