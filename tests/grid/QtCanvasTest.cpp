// The Qt canvas: the same pixels as the recording canvas, fonts mapped to installed families, Qt measuring.
#include "GridTestSupport.h"

#include "platform/LayoutCases.h"

#include "grid/FontMap.h"
#include "grid/QtCanvas.h"
#include "sheet/Manager.h"
#include "sheet/Style.h"

#include <QFontInfo>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>

namespace qv::test {
namespace {

struct Drawing {
    const char* name;
    std::function<void(TXLCanvas&)> draw;
};

void Fill(TXLCanvas& canvas, const Rect& r, TColor color)
{
    canvas.SetBrush({color, bsSolid});
    canvas.FillRect(r);
}

class SamePixels : public ::testing::TestWithParam<Drawing> {};

TEST_P(SamePixels, OnTheQtCanvasAsOnTheRecordingCanvas)
{
    constexpr Size size{40, 30};
    RecordingCanvas recorded(size, 0xFFFFFF);
    TXLQtImageCanvas qt(size);
    Fill(qt, {0, 0, size.cx, size.cy}, clWhite);
    GetParam().draw(recorded);
    GetParam().draw(qt);
    int differing = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            if ((qt.Image().pixel(x, y) & 0xFFFFFF) != recorded.PixelAt({x, y}))
                ++differing;
    EXPECT_EQ(differing, 0);
}

std::string NameOf(const ::testing::TestParamInfo<Drawing>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    QtCanvas, SamePixels,
    ::testing::Values(Drawing{"FillUnderAClip",
                              [](TXLCanvas& c) {
                                  c.IntersectClipRect({2, 2, 30, 25});
                                  c.ExcludeClipRect({10, 5, 20, 15});
                                  Fill(c, {0, 0, 40, 30}, clRed);
                              }},
                      Drawing{"LinesLeaveOutTheirLastPixel",
                              [](TXLCanvas& c) {
                                  c.SetPen({clBlue, 1, psSolid});
                                  c.MoveTo({3, 4});
                                  c.LineTo({30, 4});
                                  c.LineTo({30, 20});
                                  c.PolyPolyline({{{0, 10}, {40, 10}}, {{15, 0}, {15, 30}}, {{25, 29}, {25, 12}}});
                              }},
                      Drawing{"WidePens",
                              [](TXLCanvas& c) {
                                  c.SetPen({clGreen, 2, psSolid});
                                  c.Polyline({{5, 5}, {35, 5}});
                                  c.SetPen({clMaroon, 3, psSolid});
                                  c.Polyline({{10, 25}, {10, 8}, {30, 8}});
                              }},
                      Drawing{"Edges",
                              [](TXLCanvas& c) {
                                  Rect raised{1, 1, 19, 14};
                                  c.DrawEdge(raised, EDGE_RAISED, BF_RECT | BF_SOFT);
                                  Rect sunken{20, 1, 39, 14};
                                  c.DrawEdge(sunken, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
                                  Rect etched{1, 15, 39, 29};
                                  c.DrawEdge(etched, EDGE_ETCHED, BF_TOPLEFT);
                              }},
                      Drawing{"RectangleWithAPen",
                              [](TXLCanvas& c) {
                                  c.SetPen({clNavy, 2, psSolid});
                                  c.SetBrush({clYellow, bsSolid});
                                  c.Rectangle({4, 4, 30, 20});
                              }},
                      Drawing{"InvertedRegion",
                              [](TXLCanvas& c) {
                                  Fill(c, {0, 0, 20, 30}, clTeal);
                                  c.IntersectClipRect({0, 0, 36, 30});
                                  c.InvertRegion(Region(Rect{5, 5, 38, 12}).Union(Rect{10, 12, 15, 25}));
                              }},
                      Drawing{"FocusRectangle",
                              [](TXLCanvas& c) {
                                  c.DrawFocusRect({3, 3, 33, 21});
                              }}),
    NameOf);

struct FamilyCase {
    const char* name;
    const char* family;
};

class MappedFamily : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(MappedFamily, StandsInForTheWindowsFont)
{
    EXPECT_EQ(qv::MappedFamily(GetParam().name).toStdString(), GetParam().family);
}

INSTANTIATE_TEST_SUITE_P(QtCanvas, MappedFamily,
                         ::testing::Values(FamilyCase{"Arial", "Liberation Sans"},
                                           FamilyCase{"ARIAL", "Liberation Sans"},
                                           FamilyCase{"\xE5\xAE\x8B\xE4\xBD\x93", "Noto Serif CJK SC"},
                                           FamilyCase{"SimSun", "Noto Serif CJK SC"},
                                           FamilyCase{"Verdana", "Verdana"}));

TEST(QtCanvas, FontsAreInstalledFamiliesWithTheHeightInPixels)
{
    TXLFontData arial;
    arial.Height = -11;
    const QFont font = QtFontFor(arial);
    EXPECT_EQ(QFontInfo(font).family().toStdString(), "Liberation Sans") << "fonts-liberation is installed";
    EXPECT_EQ(QFontInfo(font).pixelSize(), 11);
    arial.Height = 20; // a line height
    EXPECT_NEAR(QFontMetrics(QtFontFor(arial)).height(), 20, 1);

    TXLFontData song;
    song.Name = "\xE5\xAE\x8B\xE4\xBD\x93";
    song.Height = -12;
    EXPECT_EQ(QFontInfo(QtFontFor(song)).family().toStdString(), "Noto Serif CJK SC") << "fonts-noto-cjk";
}

TEST(QtCanvas, ChineseTextInALatinFontIsMeasuredWithTheCjkFallback)
{
    TXLQtImageCanvas canvas({16, 16});
    TXLFontData font;
    font.Height = -12;
    canvas.SetFont(font);
    const std::string text = "\xE8\xB4\xA7\xE5\xB8\x81\xE8\xB5\x84\xE9\x87\x91"; // 货币资金
    QFont cjk(QStringLiteral("Noto Sans CJK SC"));
    cjk.setPixelSize(12);
    EXPECT_EQ(canvas.TextExtent(text).cx, QFontMetrics(cjk).horizontalAdvance(QString::fromUtf8(text.c_str())));
    EXPECT_EQ(canvas.TextExtent("\xEE\x97\xA5").cx, canvas.TextExtent("\xE3\x80\x80").cx) << "U+E5E5 is U+3000";
}

TEST(QtCanvas, PicturesAreDecodedByTheirBytesAndStretched)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(0, 255, 0)); // bottom left: the transparent colour
    image.setPixel(1, 1, qRgb(0, 0, 255));
    for (const char* format : {"PNG", "BMP"}) {
        for (bool transparent : {false, true}) {
            TXLQtImageCanvas canvas({20, 20});
            canvas.SetBrush({clYellow, bsSolid});
            canvas.FillRect({0, 0, 20, 20});
            canvas.StretchDraw({0, 0, 10, 10}, Encoded(image, format, transparent));
            const auto at = [&](int x, int y) { return canvas.Image().pixel(x, y) & 0xFFFFFF; };
            EXPECT_EQ(at(2, 2), 0xFF0000u) << format;
            EXPECT_EQ(at(7, 2), 0x0000FFu) << format;
            EXPECT_EQ(at(2, 7), transparent ? 0xFFFF00u : 0x00FF00u) << format << " transparent " << transparent;
            EXPECT_EQ(at(15, 15), 0xFFFF00u) << "outside the rectangle";
        }
    }
    TXLQtImageCanvas canvas({4, 4});
    canvas.SetBrush({clYellow, bsSolid});
    canvas.FillRect({0, 0, 4, 4});
    TXLGraphicData unknown;
    unknown.ClassName = "TMetafile";
    unknown.Bytes = {1, 2, 3};
    unknown.Width = unknown.Height = 4;
    canvas.StretchDraw({0, 0, 4, 4}, unknown);
    EXPECT_EQ(canvas.Image().pixel(1, 1) & 0xFFFFFF, 0xFFFF00u) << "what Qt cannot read draws nothing";
}

// The whole pixels a text covers as Qt draws it, fractional advances included.
int CoveredPixels(const QFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text) - 1.0 / 64));
}

// Amounts skip Qt's text shaping; they must come out as shaped text would, and measure as wide as they are drawn.
TEST(QtCanvas, AmountsAreMeasuredAndDrawnAsQtLaysOutText)
{
    for (int height : {-11, -15, -22}) {
        TXLFontData data;
        data.Height = height;
        data.Color = clBlack;
        const QFont font = QtFontFor(data);
        for (const std::string text : {"12,345,678.90", "-0.05", "2003/5/7 13:30", "(1,000) 45%"}) {
            TXLQtImageCanvas canvas({160, 40});
            canvas.SetBrush({clWhite, bsSolid});
            canvas.FillRect({0, 0, 160, 40});
            canvas.SetFont(data);
            canvas.SetBkMode(bkTransparent);
            Rect box{5, 5, 155, 35};
            canvas.DrawText(text, box, DT_NOPREFIX | DT_SINGLELINE);

            QImage shaped(160, 40, QImage::Format_RGB32);
            shaped.fill(Qt::white);
            QPainter painter(&shaped);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(5, 5 + QFontMetrics(font).ascent()), QString::fromStdString(text));
            painter.end();

            const QString qtText = QString::fromStdString(text);
            EXPECT_EQ(canvas.TextExtent(text).cx, CoveredPixels(font, qtText)) << text;
            EXPECT_TRUE(canvas.Image() == shaped) << text << " at " << height;
        }
    }
}

// A background picture is one brush fill; it must give the pixels of stretching it tile by tile.
TEST(QtCanvas, TilingInOneFillDrawsWhatTileByTileDraws)
{
    QImage image(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, qRgb(80 * x, 120 * y, 200));
    image.setPixel(0, 1, qRgb(0, 255, 0)); // bottom left: the transparent colour
    for (const bool transparent : {false, true}) {
        const TXLGraphicData graphic = Encoded(image, "PNG", transparent);
        TXLQtImageCanvas once({40, 30});
        TXLQtImageCanvas tileByTile({40, 30});
        for (TXLQtImageCanvas* canvas : {&once, &tileByTile}) {
            canvas->SetBrush({clYellow, bsSolid});
            canvas->FillRect({0, 0, 40, 30});
            canvas->ExcludeClipRect({10, 10, 15, 15});
        }
        const Rect area{4, 3, 33, 27};
        const Point origin{-7, 5}; // scrolled: the tiles start off the surface
        once.TileDraw(area, origin, graphic);
        tileByTile.TXLCanvas::TileDraw(area, origin, graphic);
        EXPECT_TRUE(once.Image() == tileByTile.Image()) << "transparent " << transparent;
        EXPECT_EQ(once.Image().pixel(2, 2) & 0xFFFFFF, 0xFFFF00u) << "outside the area";
        EXPECT_EQ(once.Image().pixel(12, 12) & 0xFFFFFF, 0xFFFF00u) << "outside the clip";
    }
}

// A text wraps where it wraps on the recording canvas, with widths measured by Qt; every line is drawn whole.
TEST(QtCanvas, WrapsAtTheSamePlacesAsTheRecordingCanvas)
{
    for (const int height : {-11, -15}) {
        TXLFontData data;
        data.Height = height;
        TXLQtImageCanvas canvas({400, 200});
        canvas.SetFont(data);
        for (const WrapCase& c : WrapCases()) {
            SCOPED_TRACE(c.Name + " at " + std::to_string(height));
            const int width = canvas.TextExtent(c.Ruler).cx;
            const int lineHeight = canvas.TextExtent(c.Ruler).cy;
            Rect r{0, 0, width, 200};
            EXPECT_EQ(canvas.DrawText(c.Text, r, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT),
                      lineHeight * int(c.Lines.size()));
            int widest = 0;
            for (const std::string& line : c.Lines)
                widest = std::max(widest, canvas.TextExtent(line).cx);
            EXPECT_EQ(r.Width(), widest) << "the widest line is the one expected";
            // Each expected line alone stays one line: the table's breaks are the only ones.
            for (const std::string& line : c.Lines) {
                Rect one{0, 0, width, 200};
                EXPECT_EQ(canvas.DrawText(line, one, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT), lineHeight) << line;
            }
        }
    }
}

// What measures as fitting is drawn without a pixel outside its width, at the sizes the sheets use.
TEST(QtCanvas, AmountsThatMeasureAsFittingAreDrawnInside)
{
    for (const int height : {-9, -11, -12, -16, -22}) {
        TXLFontData data;
        data.Height = height;
        data.Color = clBlack;
        for (const std::string text : {"12,384,000.00", "000000000000", "-3,070,000.00", "中文 12.5"}) {
            TXLQtImageCanvas canvas({300, 40});
            canvas.SetBrush({clWhite, bsSolid});
            canvas.FillRect({0, 0, 300, 40});
            canvas.SetFont(data);
            canvas.SetBkMode(bkTransparent);
            const int width = canvas.TextExtent(text).cx;
            Rect box{10, 5, 10 + width, 35};
            canvas.DrawText(text, box, DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
            int outside = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = 10 + width + 1; x < 300; ++x)
                    outside += (canvas.Image().pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
            EXPECT_EQ(outside, 0) << text << " at " << height << " measured " << width;
        }
    }
}

TEST(QtCanvas, TheMeasuringCanvasSizesColumnsByQtWidths)
{
    InstallQtMeasureCanvas();
    TXLSheet sheet;
    const std::string text = "Operating income";
    sheet.SetCellValue(1, 1, Variant(text));
    const QFont font = QtFontFor(sheet.BaseClientStyle().Font().Data());
    EXPECT_EQ(sheet.AutoColWidth(1), CoveredPixels(font, QString::fromStdString(text)) + 2);
}

TEST(QtCanvas, TheWindowShowsWhatThePaintPassDraws)
{
    SheetInGrid fixture;
    fixture.sheet.GetCell(1, 1).SetAsString("\xE8\xB4\xA7\xE5\xB8\x81\xE8\xB5\x84\xE9\x87\x91");
    fixture.sheet.GetCell(1, 1).Font().SetColor(clRed);
    fixture.grid.show();
    TXLView& body = fixture.Body();
    body.SetCurrent({3, 3}, TXLCollapse::Collapse, TXLReveal::None);
    body.Select({3, 3, 5, 5}, body.Current());
    Settle();
    const QImage shot = body.grab().toImage();
    const QPalette palette = body.palette();
    const QRgb window = palette.color(QPalette::Base).rgb() & 0xFFFFFF;
    EXPECT_GE(std::abs(qGray(shot.pixel(30, 14)) - qGray(window)), 48) << "a grid line that stands out";
    EXPECT_EQ(shot.pixel(30, 7) & 0xFFFFFF, window);
    EXPECT_EQ(shot.pixel(270, 52) & 0xFFFFFF, window ^ 0xFFFFFF) << "a selected cell, inverted";
    EXPECT_EQ(shot.pixel(210, 52) & 0xFFFFFF, window) << "the current cell is left out";
    int reddish = 0;
    for (int y = 15; y < 30; ++y)
        for (int x = 60; x < 120; ++x) {
            const QColor c = shot.pixelColor(x, y);
            reddish += c.red() > 150 && c.green() < 100 && c.blue() < 100;
        }
    EXPECT_GT(reddish, 20) << "the Chinese text is drawn in red";
}

} // namespace
} // namespace qv::test
