// Print page breaks in the body: only with oPageBreak, repainted when the option or the page changes, and placed
// by the origin on both axes.
#include "GridTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv::test {
namespace {

constexpr std::uint32_t kBlue = 0x0000FF;

struct Breaks {
    std::vector<int> cols;
    std::vector<int> rows;
};

// Content pixels of the lines before the sheet's break items at scale 100.
Breaks BreakLines(TXLGrid& grid, TXLSheet& sheet)
{
    Breaks items;
    sheet.GetPageBreaks(items.cols, items.rows);
    Breaks lines;
    for (int col : items.cols)
        lines.cols.push_back(grid.ScaledList(axCols, ptClient).GetOffset(col) - 1);
    for (int row : items.rows)
        lines.rows.push_back(grid.ScaledList(axRows, ptClient).GetOffset(row) - 1);
    return lines;
}

bool HasBlue(const RecordingCanvas& canvas)
{
    return !canvas.PixelsOfColor(kBlue).IsEmpty();
}

struct OptionCase {
    bool pageBreaks;
};

class PageBreakOption : public ::testing::TestWithParam<OptionCase> {};

TEST_P(PageBreakOption, DrawsTheBreaksInTheBodyOnly)
{
    SheetInGrid fixture(12, 20, {800, 400});
    const TXLOptions options = fixture.grid.Options() & ~OptionBit(oPageBreak);
    fixture.grid.SetOptions(GetParam().pageBreaks ? options | OptionBit(oPageBreak) : options);
    ASSERT_EQ(BreakLines(fixture.grid, fixture.sheet).cols.front(), 659) << "a break inside the body";
    const auto body = PaintBody(fixture.Body());
    EXPECT_EQ(body->PixelAt({659, 100}) == kBlue, GetParam().pageBreaks);
    EXPECT_EQ(HasBlue(*body), GetParam().pageBreaks);
    for (TXLSector strip : {sCols, sRows, sTitle}) {
        TXLView& pane = fixture.grid.View(strip);
        RecordingCanvas canvas(pane.ClientSize());
        pane.Paint(canvas, {0, 0, pane.width(), pane.height()});
        EXPECT_FALSE(HasBlue(canvas)) << "title pane " << strip;
    }
}

INSTANTIATE_TEST_SUITE_P(PageBreak, PageBreakOption, ::testing::Values(OptionCase{true}, OptionCase{false}));

TEST(PageBreak, TheOptionAndPageChangesRepaintTheBodyOnlyWhileBreaksAreShown)
{
    SheetInGrid fixture(40, 20, {800, 400});
    fixture.grid.show();
    Settle();
    TXLView& body = fixture.Body();
    PaintSpy spy(body);
    const QRegion whole(body.rect());

    fixture.grid.SetOptions(fixture.grid.Options() | OptionBit(oPageBreak));
    Settle();
    EXPECT_EQ(spy.Painted, whole) << "switched on";
    const int before = BreakLines(fixture.grid, fixture.sheet).cols.front();

    spy.Reset();
    fixture.sheet.SetPrintMargin(sLeft, 120);
    Settle();
    EXPECT_EQ(spy.Painted, whole) << "a narrower page";
    const int after = BreakLines(fixture.grid, fixture.sheet).cols.front();
    ASSERT_LT(after, before);
    const auto canvas = PaintBody(body);
    EXPECT_EQ(canvas->PixelAt({after, 100}), kBlue) << "the kept breaks were computed again";
    EXPECT_NE(canvas->PixelAt({before, 100}), kBlue);

    fixture.grid.SetOptions(fixture.grid.Options() & ~OptionBit(oPageBreak));
    Settle();
    spy.Reset();
    fixture.sheet.SetPrintMargin(sLeft, 0);
    Settle();
    EXPECT_EQ(spy.Events, 0) << "no breaks shown, nothing to repaint";
}

// The row breaks and the printed area's bottom edge move with the vertical origin as the column breaks do.
TEST(PageBreak, LinesOnBothAxesFollowAScrolledOrigin)
{
    SheetInGrid fixture(40, 300, {800, 400});
    fixture.grid.SetOptions(fixture.grid.Options() | OptionBit(oPageBreak));
    TXLView& body = fixture.Body();
    const Breaks lines = BreakLines(fixture.grid, fixture.sheet);
    ASSERT_GE(lines.rows.size(), 2u);
    ASSERT_GE(lines.cols.size(), 2u);
    const int rowBreak = lines.rows.front();
    const int colBreak = lines.cols.front();

    body.SetOrigin({colBreak - 200, rowBreak - 150});
    ASSERT_EQ(body.Origin(), (Point{colBreak - 200, rowBreak - 150}));
    const auto scrolled = PaintBody(body);
    EXPECT_EQ(scrolled->PixelAt({50, 150}), kBlue) << "the row break, 150 pixels down";
    EXPECT_NE(scrolled->PixelAt({50, 149}), kBlue) << "one pixel wide";
    EXPECT_NE(scrolled->PixelAt({50, 151}), kBlue);
    EXPECT_EQ(scrolled->PixelAt({200, 50}), kBlue) << "the column break, 200 pixels across";
    EXPECT_NE(scrolled->PixelAt({201, 50}), kBlue);

    // At the end of the content the printed area's bottom edge, 3 pixels wide on the last pixel row, ends it.
    const int lastRow = lines.rows.back();
    ASSERT_EQ(lastRow, 300 * 15 - 1);
    body.ClampOrigin({0, lastRow});
    const int y = lastRow - body.Origin().y;
    ASSERT_EQ(y, body.height() - 1);
    const auto bottom = PaintBody(body);
    EXPECT_EQ(bottom->PixelAt({300, y}), kBlue);
    EXPECT_EQ(bottom->PixelAt({300, y - 1}), kBlue);
    EXPECT_NE(bottom->PixelAt({300, y - 2}), kBlue);
}

} // namespace
} // namespace qv::test
