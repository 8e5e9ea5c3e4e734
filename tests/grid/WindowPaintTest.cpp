// The panes' windows: partial repaints (the title strips off screen, ragged regions), what the screen shows after
// selection changes, and transparent background pictures.
#include "GridTestSupport.h"

#include "sheet/ProRange.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace qv::test {
namespace {

constexpr QRgb kUntouched = 0xFFFF00FF;

// A sheet with text in every title and some body cells, a merged column title and a selection, shown.
struct ShownSheet : SheetInGrid {
    ShownSheet() : SheetInGrid(8, 20, {420, 300})
    {
        for (int col = 0; col < 8; ++col)
            sheet.Section(sCols).GetCell({col, 0}).SetAsString("C" + std::to_string(col));
        for (int row = 0; row < 20; ++row)
            sheet.Section(sRows).GetCell({0, row}).SetAsString("R" + std::to_string(row));
        for (int i = 0; i < 6; ++i)
            sheet.GetCell(i, i + 1).SetAsString("cell " + std::to_string(i));
        TXLRange(sheet.Section(sCols), {4, 0, 6, 1}).Merge(false);
        grid.show();
        Body().SetCurrent({1, 2}, TXLCollapse::Collapse, TXLReveal::None);
        Body().Select({1, 2, 3, 5}, Body().Current());
        Settle();
    }
};

// The pixels of a region painted alone onto a marked image, those outside left as they were.
QImage PaintedAlone(QWidget& pane, const QRegion& region)
{
    QImage image(pane.size(), QImage::Format_ARGB32);
    image.fill(kUntouched);
    // Rendering puts the region's top-left corner at the offset given.
    pane.render(&image, region.boundingRect().topLeft(), region, QWidget::RenderFlags());
    return image;
}

struct RegionCase {
    const char* name;
    TXLSector pane;
    QRegion region;
};

void PrintTo(const RegionCase& c, std::ostream* out)
{
    *out << c.name;
}

// Up to four rectangles are painted one by one; a region of more, as its bounding rectangle.
QRegion Ragged()
{
    QRegion region;
    for (int i = 0; i < 6; ++i)
        region += QRect(10 + 55 * i, i % 3, 23, 9 + 2 * i);
    return region;
}

// The same rectangles with x and y swapped, for the row-title strip.
QRegion Transposed(const QRegion& region)
{
    QRegion result;
    for (const QRect& r : region)
        result += QRect(r.y(), r.x(), r.height(), r.width());
    return result;
}

class PartialRepaint : public ::testing::TestWithParam<RegionCase> {};

TEST_P(PartialRepaint, ShowsInsideTheRegionWhatAWholeRepaintShowsAndNothingOutside)
{
    ShownSheet fixture;
    TXLView& pane = fixture.grid.View(GetParam().pane);
    const QRegion region = GetParam().region.intersected(pane.rect());
    ASSERT_FALSE(region.isEmpty());
    const QImage whole = pane.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage part = PaintedAlone(pane, region);
    int wrongInside = 0;
    int paintedOutside = 0;
    for (int y = 0; y < pane.height(); ++y)
        for (int x = 0; x < pane.width(); ++x) {
            if (region.contains(QPoint(x, y)))
                wrongInside += part.pixel(x, y) != whole.pixel(x, y);
            else
                paintedOutside += part.pixel(x, y) != kUntouched;
        }
    EXPECT_EQ(wrongInside, 0);
    EXPECT_EQ(paintedOutside, 0) << "the off-screen copy or the bounding rectangle reached beyond the region";
}

std::string NameOf(const ::testing::TestParamInfo<RegionCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    WindowPaint, PartialRepaint,
    ::testing::Values(RegionCase{"ColumnTitlesTwoRectangles", sCols, QRegion(5, 2, 90, 8) + QRegion(200, 0, 70, 15)},
                      RegionCase{"ColumnTitlesRagged", sCols, Ragged()},
                      RegionCase{"RowTitlesRagged", sRows, Transposed(Ragged())},
                      RegionCase{"CornerWhole", sTitle, QRegion(0, 0, 60, 15)},
                      RegionCase{"BodyOneRectangle", sClient, QRegion(50, 20, 100, 60)},
                      RegionCase{"BodyRaggedAcrossTheSelection", sClient, Ragged().translated(30, 25)}),
    NameOf);

// What the windows hold now, as composed from their backing store, against the grid rendered afresh.
int PixelsDifferingFromAFreshPaint(TXLGrid& grid)
{
    Settle();
    const QImage onScreen =
        QGuiApplication::primaryScreen()->grabWindow(grid.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage fresh = grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (onScreen.size() != fresh.size())
        return -1;
    int differing = 0;
    for (int y = 0; y < fresh.height(); ++y)
        for (int x = 0; x < fresh.width(); ++x)
            differing += onScreen.pixel(x, y) != fresh.pixel(x, y);
    return differing;
}

class ScreenAfterChanges : public ::testing::TestWithParam<int> {};

// Only what changed is repainted after each step; the screen must still show no stale selection or raised title.
TEST_P(ScreenAfterChanges, ShowsWhatAWholeRepaintShowsAfterEachSelectionOrSheetChange)
{
    ShownSheet fixture;
    fixture.grid.SetScale(GetParam());
    TXLView& body = fixture.Body();
    ASSERT_EQ(PixelsDifferingFromAFreshPaint(fixture.grid), 0) << "the first paint";
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"another cell",
         [&] {
             body.SetCurrent({3, 6}, TXLCollapse::Collapse, TXLReveal::None);
         }},
        {"extended over columns",
         [&] {
             body.Select({3, 6, 6, 8}, body.Current());
         }},
        {"shrunk into the merged title",
         [&] {
             body.Select({3, 6, 5, 8}, body.Current());
         }},
        {"a title merge over a selected column",
         [&] {
             TXLRange(fixture.sheet.Section(sCols), {2, 0, 4, 1}).Merge(false);
         }},
        {"a selected column made wider", [&] { fixture.sheet.SetSize(3, axCols, 90); }},
        {"a column before the selection made narrower", [&] { fixture.sheet.SetSize(0, axCols, 40); }},
        {"a column title",
         [&] {
             fixture.grid.View(sCols).Select({5, 0, 6, 1}, {});
         }},
        {"a row title",
         [&] {
             fixture.grid.View(sRows).Select({0, 9, 1, 11}, {});
         }},
        {"a body merge across the selection's edge",
         [&] {
             TXLRange(fixture.sheet.Section(sClient), {0, 10, 2, 12}).Merge(false);
         }},
        {"a row inside the selection made taller", [&] { fixture.sheet.SetSize(10, axRows, 30); }},
        {"cleared", [&] { body.ResetSelection(); }},
        {"after a scroll",
         [&] {
             body.SetOrigin({30, 15});
             body.SetCurrent({2, 3}, TXLCollapse::Collapse, TXLReveal::None);
         }},
    };
    for (const auto& [name, step] : steps) {
        step();
        EXPECT_EQ(PixelsDifferingFromAFreshPaint(fixture.grid), 0) << name;
    }
}

// At 150 every size is scaled and truncated on its own.
INSTANTIATE_TEST_SUITE_P(WindowPaint, ScreenAfterChanges, ::testing::Values(100, 150));

struct TransparencyCase {
    bool transparent;
    QRgb keyPixels; // where the picture holds its transparent colour
};

class BackgroundPicture : public ::testing::TestWithParam<TransparencyCase> {};

// The body fills with its colour before a transparent picture; an opaque one covers everything itself.
TEST_P(BackgroundPicture, ShowsThePaneColourThroughItsTransparentPixels)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetColor(clYellow);
    fixture.sheet.BaseClientStyle().SetLinesColor(clYellow); // no grid lines over the picture
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    image.setPixel(0, 3, qRgb(0, 255, 0)); // bottom left: the transparent colour
    image.setPixel(2, 1, qRgb(0, 255, 0));
    fixture.sheet.SetBackground(Encoded(image, "PNG", GetParam().transparent));
    fixture.grid.show();
    Settle();
    const QImage shot = fixture.Body().grab().toImage();
    for (const QPoint tile : {QPoint(0, 0), QPoint(40, 20), QPoint(300, 200)}) {
        EXPECT_EQ(shot.pixel(tile + QPoint(2, 1)) | 0xFF000000, GetParam().keyPixels) << tile.x() << "," << tile.y();
        EXPECT_EQ(shot.pixel(tile + QPoint(1, 1)) | 0xFF000000, qRgb(0, 0, 255)) << "an opaque pixel";
    }
}

INSTANTIATE_TEST_SUITE_P(WindowPaint, BackgroundPicture,
                         ::testing::Values(TransparencyCase{true, qRgb(255, 255, 0)},
                                           TransparencyCase{false, qRgb(0, 255, 0)}));

} // namespace
} // namespace qv::test
