// The paint pass on the recording canvas: grid lines, colours, merged ranges, cells, selection, hints, borders.
#include "GridTestSupport.h"

#include "cells/CurrencyCell.h"
#include "cells/StringCell.h"
#include "grid/SectionPainter.h"
#include "sheet/ProRange.h"
#include "sheet/Style.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace qv::test {
namespace {

// Body geometry of SheetInGrid at scale 100: column c starts at 60c, row r at 15r.
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;

std::vector<CanvasOp> LinesInColor(const RecordingCanvas& canvas, TColor color)
{
    std::vector<CanvasOp> result;
    for (const CanvasOp& op : canvas.OpsOfKind(CanvasOpKind::PolyPolyline))
        if (op.Pen.Color == color)
            result.push_back(op);
    return result;
}

std::vector<std::string> DrawnTexts(const RecordingCanvas& canvas)
{
    std::vector<std::string> texts;
    for (const CanvasOp& op : canvas.OpsOfKind(CanvasOpKind::DrawText))
        if (op.Depth == 0 && !(op.Flags & DT_CALCRECT)) // bottom-aligned text is measured first
            texts.push_back(op.Text);
    return texts;
}

struct LinesCase {
    int scale;
    bool drawn;
};

class GridLinesAtScale : public ::testing::TestWithParam<LinesCase> {};

TEST_P(GridLinesAtScale, AppearOnlyAbove25Percent)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetLinesColor(clGreen);
    fixture.grid.SetScale(GetParam().scale);
    // At 25 and 26 alike columns are 15 and rows 3 pixels: the first lines lie at x 14 and y 2.
    const auto canvas = PaintBody(fixture.Body());
    const std::uint32_t expected = GetParam().drawn ? kGreen : kWhite;
    EXPECT_EQ(canvas->PixelAt({14, 1}), expected);
    EXPECT_EQ(canvas->PixelAt({5, 2}), expected);
    EXPECT_EQ(LinesInColor(*canvas, clGreen).size(), GetParam().drawn ? 2u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Paint, GridLinesAtScale, ::testing::Values(LinesCase{25, false}, LinesCase{26, true}));

struct SameColorCase {
    TColor base;
    TColor lines;
};

class LinesInTheBaseColour : public ::testing::TestWithParam<SameColorCase> {};

TEST_P(LinesInTheBaseColour, AreNotDrawn)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetColor(GetParam().base);
    fixture.sheet.BaseClientStyle().SetLinesColor(GetParam().lines);
    const auto canvas = PaintBody(fixture.Body());
    EXPECT_TRUE(canvas->OpsOfKind(CanvasOpKind::PolyPolyline).empty());
    EXPECT_EQ(canvas->PixelAt({59, 7}), canvas->PixelAt({30, 7})) << "the column's last pixel looks like its inside";
}

// A system colour names its index whatever its other bits hold, so 0x9F000005 is the window colour too.
INSTANTIATE_TEST_SUITE_P(Paint, LinesInTheBaseColour,
                         ::testing::Values(SameColorCase{clWindow, clWindow},
                                           SameColorCase{clWindow, TColor(0x9F000005)},
                                           SameColorCase{clYellow, clYellow}));

TEST(Paint, ACellWithItsOwnColourCoversTheGridLinesOnAllFourSides)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetLinesColor(clGreen);
    fixture.sheet.GetCell(2, 2).SetColor(clRed); // pixels (120, 30) to (180, 45)
    const auto canvas = PaintBody(fixture.Body());
    for (Point onLine : {Point{119, 37}, Point{150, 29}, Point{179, 37}, Point{150, 44}, Point{119, 29}})
        EXPECT_EQ(canvas->PixelAt(onLine), kRed) << onLine.x << "," << onLine.y;
    for (Point neighbour : {Point{119, 52}, Point{90, 29}, Point{179, 22}})
        EXPECT_EQ(canvas->PixelAt(neighbour), kGreen) << neighbour.x << "," << neighbour.y;
    EXPECT_EQ(canvas->PixelAt({150, 37}), kRed);
}

TEST(Paint, AColumnOfWidthZeroGivesNoSecondLine)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetLinesColor(clGreen);
    fixture.sheet.SetVisible(2, axCols, false); // columns 2 and 3 both start at pixel 120
    const auto canvas = PaintBody(fixture.Body());
    std::vector<int> columnsAt;
    for (const CanvasOp& op : LinesInColor(*canvas, clGreen))
        for (const std::vector<Point>& line : op.Lines)
            if (line.size() == 2 && line[0].x == line[1].x)
                columnsAt.push_back(line[0].x);
    ASSERT_FALSE(columnsAt.empty());
    EXPECT_EQ(std::count(columnsAt.begin(), columnsAt.end(), 119), 1);
    EXPECT_EQ(std::set<int>(columnsAt.begin(), columnsAt.end()).size(), columnsAt.size());
}

TEST(Paint, AMergedRangeIsDrawnOnceWithOneFrameAndNoLineThroughIt)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetLinesColor(clGreen);
    fixture.sheet.GetCell(1, 1).SetAsString("merged");
    TXLRange range(fixture.sheet.Section(sClient), {1, 1, 3, 3}); // pixels (60, 15) to (180, 45)
    ASSERT_TRUE(range.Merge(false));
    range.SetFrame(frFlatUp);
    const auto canvas = PaintBody(fixture.Body());

    const std::vector<std::string> texts = DrawnTexts(*canvas);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "merged"), 1);
    int framesInside = 0;
    for (const CanvasOp& op : canvas->OpsOfKind(CanvasOpKind::DrawEdge))
        if (Rect{60, 15, 180, 45}.Intersects(op.Bounds)) {
            ++framesInside;
            EXPECT_EQ(op.Bounds, (Rect{60, 15, 180, 45}));
        }
    EXPECT_EQ(framesInside, 1);
    // Where the lines between the covered cells would run, the range shows its inside.
    EXPECT_EQ(canvas->PixelAt({119, 35}), kWhite);
    EXPECT_EQ(canvas->PixelAt({100, 29}), kWhite);
    EXPECT_EQ(canvas->PixelAt({119, 52}), kGreen) << "below the range the line is there";
}

struct SelectionCase {
    bool drawFocus;
    bool ctl3D;
};

class ThreeByThreeSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ThreeByThreeSelection, IsShownInvertedAroundTheCurrentCell)
{
    SheetInGrid fixture;
    TXLView& body = fixture.Body();
    TXLOptions options = fixture.grid.Options() & ~OptionBit(oDrawFocus);
    fixture.grid.SetOptions(GetParam().drawFocus ? options | OptionBit(oDrawFocus) : options);
    body.SetCtl3D(GetParam().ctl3D);
    body.SetCurrent({1, 1}, TXLCollapse::Collapse, TXLReveal::None);
    body.ResetSelection();
    const auto plain = PaintBody(body);
    body.Select({1, 1, 4, 4}, body.Current()); // pixels (60, 15) to (240, 60)
    const auto selected = PaintBody(body);
    const Region inverted = InvertedBetween(*plain, *selected);

    for (int row = 1; row < 4; ++row)
        for (int col = 1; col < 4; ++col) {
            const bool current = col == 1 && row == 1;
            EXPECT_EQ(inverted.Contains({60 * col + 30, 15 * row + 7}), !(current && GetParam().drawFocus))
                << "cell " << col << "," << row;
        }
    // Across the left edge through row 2: the inner rectangle starts at 61 (the range inset by 1). The 3-D look
    // adds a 3-pixel frame outside it and leaves a 1-pixel gap inside it.
    std::string profile;
    for (int x = 56; x < 65; ++x)
        profile += inverted.Contains({x, 37}) ? '#' : '.';
    EXPECT_EQ(profile, GetParam().ctl3D ? "..###.###" : ".....####");
    EXPECT_FALSE(inverted.Contains({150, 63})) << "nothing below the frame";
}

INSTANTIATE_TEST_SUITE_P(Paint, ThreeByThreeSelection,
                         ::testing::Values(SelectionCase{true, true}, SelectionCase{false, true},
                                           SelectionCase{true, false}, SelectionCase{false, false}));

TEST(Paint, TheSelectionOfATitleStripIsItsRectangleInverted)
{
    SheetInGrid fixture;
    // The body selects the strip's column too; without raised titles only the strip's inversion differs.
    fixture.grid.SetOptions(fixture.grid.Options() & ~OptionBit(oTitle3D));
    TXLView& strip = fixture.grid.View(sCols);
    strip.ResetSelection();
    auto plain = std::make_unique<RecordingCanvas>(strip.ClientSize());
    strip.Paint(*plain, {0, 0, strip.width(), strip.height()});
    strip.Select({2, 0, 3, 1}, strip.Current());
    auto selected = std::make_unique<RecordingCanvas>(strip.ClientSize());
    strip.Paint(*selected, {0, 0, strip.width(), strip.height()});
    EXPECT_EQ(InvertedBetween(*plain, *selected), Region(Rect{120, 0, 180, 15}));
}

struct HintCase {
    bool showHint;
    bool marked;
};

class HintMarker : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintMarker, IsARedTriangleInTheTopRightCorner)
{
    SheetInGrid fixture;
    fixture.sheet.GetCell(2, 2).SetHint("note"); // pixels (120, 30) to (180, 45)
    fixture.grid.SetShowHint(GetParam().showHint);
    const auto canvas = PaintBody(fixture.Body());
    const std::uint32_t inside = GetParam().marked ? kRed : kWhite;
    EXPECT_EQ(canvas->PixelAt({176, 30}), inside);
    EXPECT_EQ(canvas->PixelAt({178, 32}), inside);
    EXPECT_EQ(canvas->PixelAt({176, 33}), kWhite) << "below the diagonal";
    EXPECT_EQ(canvas->PixelAt({173, 30}), kWhite) << "left of the triangle";
}

INSTANTIATE_TEST_SUITE_P(Paint, HintMarker, ::testing::Values(HintCase{true, true}, HintCase{false, false}));

TEST(Paint, TheExternalHintStyleMarksACellAndAHiddenCellShowsNoMarker)
{
    SheetInGrid fixture;
    fixture.grid.SetShowHint(true);
    TXLCell& external = fixture.sheet.GetCell(2, 2); // pixels (120, 30) to (180, 45)
    external.SetAsString("x");
    external.SetStyles(CellStyleBit(csExtHint));
    TXLCell& hidden = fixture.sheet.GetCell(2, 3); // (120, 45) to (180, 60)
    hidden.SetHint("note");
    hidden.SetStyles(CellStyleBit(csHidden));
    const auto canvas = PaintBody(fixture.Body());
    EXPECT_EQ(canvas->PixelAt({178, 32}), kRed) << "csExtHint without a hint of its own";
    EXPECT_EQ(canvas->PixelAt({178, 47}), kWhite) << "a hidden cell draws nothing, its marker neither";
}

TEST(Paint, TheCellBeingEditedIsNotPaintedButLosesItsRepaintMark)
{
    SheetInGrid fixture;
    TXLCell& edited = fixture.sheet.GetCell(1, 1);
    edited.SetAsString("edited");
    edited.SetFlag(kFlagEditing, true);
    fixture.sheet.GetCell(2, 1).SetAsString("shown");
    edited.SetFlag(kFlagRepaint, true);
    const auto canvas = PaintBody(fixture.Body());
    const std::vector<std::string> texts = DrawnTexts(*canvas);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "edited"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "shown"), 1);
    EXPECT_FALSE(edited.HasFlag(kFlagRepaint));
}

TEST(Paint, APartialRepaintVisitsOnlyTheCellsUnderItAndDrawsTheirLastLine)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetLinesColor(clGreen);
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 6; ++col)
            fixture.sheet.GetCell(col, row).SetAsString(std::to_string(col) + "," + std::to_string(row));
    TXLView& body = fixture.Body();
    RecordingCanvas canvas(body.ClientSize(), 0xFF00FF);
    const Rect dirty{100, 20, 170, 45}; // columns 1 and 2, rows 1 and 2
    body.Paint(canvas, dirty);

    const std::vector<std::string> texts = DrawnTexts(canvas);
    EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()), (std::set<std::string>{"1,1", "2,1", "1,2", "2,2"}));
    EXPECT_EQ(canvas.PixelsOfColor(0xFF00FF), Region(canvas.SurfaceRect()).Subtract(dirty));
    EXPECT_EQ(canvas.PixelAt({150, 44}), kGreen) << "row 2's bottom line lies inside the dirty rectangle";
}

struct FrameCase {
    TXLFrame frame;
    unsigned edge;
    unsigned flags;
    Rect content; // of the cell (120, 30) to (180, 45)
};

class CellFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(CellFrame, IsAnEdgeAroundTheCellAndInsetsTheContent)
{
    SheetInGrid fixture;
    TXLCell& cell = fixture.sheet.GetCell(2, 2);
    cell.SetAsString("x");
    cell.SetFrame(GetParam().frame);
    const auto canvas = PaintBody(fixture.Body());
    const std::vector<CanvasOp> edges = canvas->OpsOfKind(CanvasOpKind::DrawEdge);
    const auto atCell = std::find_if(edges.begin(), edges.end(), [](const CanvasOp& op) {
        return op.Bounds == Rect{120, 30, 180, 45};
    });
    if (GetParam().edge == 0) {
        EXPECT_EQ(atCell, edges.end());
    } else {
        ASSERT_NE(atCell, edges.end());
        EXPECT_EQ(atCell->Edge, GetParam().edge);
        EXPECT_EQ(atCell->Flags, GetParam().flags | BF_RECT);
    }
    for (const CanvasOp& op : canvas->OpsOfKind(CanvasOpKind::DrawText)) {
        if (op.Text == "x" && op.Depth == 0) {
            EXPECT_EQ(op.Clip, Region(GetParam().content));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paint, CellFrame,
                         ::testing::Values(FrameCase{frNone, 0, 0, {120, 30, 179, 44}},
                                           FrameCase{frFlatUp, BDR_RAISEDINNER, 0, {121, 31, 179, 44}},
                                           FrameCase{frFlatDown, BDR_SUNKENINNER, BF_SOFT, {121, 31, 179, 44}},
                                           FrameCase{frDeepUp, EDGE_RAISED, BF_SOFT, {122, 32, 178, 43}},
                                           FrameCase{frDeepDown, EDGE_SUNKEN, BF_SOFT, {122, 32, 178, 43}},
                                           FrameCase{frBevelUp, EDGE_BUMP, 0, {122, 32, 178, 43}},
                                           FrameCase{frBevelDown, EDGE_ETCHED, 0, {122, 32, 178, 43}}));

TEST(Paint, CellTextTakesTheScaledFontTheErrorColourAndTheIndent)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetErrorColor(clPurple);
    TXLCell& cell = fixture.sheet.GetCell(1, 1);
    cell.SetAsString("wrong");
    cell.SetIndent(4);
    cell.SetFlag(kFlagError, true);
    fixture.grid.SetScale(200); // the cell is (120, 30) to (240, 60)
    const auto canvas = PaintBody(fixture.Body());
    const std::vector<CanvasOp> texts = canvas->OpsOfKind(CanvasOpKind::DrawText);
    const auto drawn = std::find_if(texts.begin(), texts.end(), [](const CanvasOp& op) { return op.Text == "wrong"; });
    ASSERT_NE(drawn, texts.end());
    EXPECT_EQ(drawn->Font.Height, -22);
    EXPECT_EQ(drawn->Font.Color, clPurple);
    EXPECT_EQ(drawn->BkMode, bkTransparent);
    EXPECT_EQ(drawn->Bounds.left, 124);
    EXPECT_EQ(drawn->Bounds.right, 235) << "the content ends before the grid line, less the indent";
}

struct TextColorCase {
    TColor font;
    TColor drawn;
};

class TextColour : public ::testing::TestWithParam<TextColorCase> {};

TEST_P(TextColour, IsTheFontsOrTheTextColourWhenItHasNone)
{
    SheetInGrid fixture;
    TXLCell& cell = fixture.sheet.GetCell(1, 1);
    cell.SetAsString("name");
    cell.Font().SetColor(GetParam().font);
    const auto canvas = PaintBody(fixture.Body());
    for (const CanvasOp& op : canvas->OpsOfKind(CanvasOpKind::TextRun)) {
        if (op.Text == "name") {
            EXPECT_EQ(op.Font.Color, GetParam().drawn);
        }
    }
    EXPECT_EQ(DrawnTexts(*canvas), std::vector<std::string>{"name"});
}

INSTANTIATE_TEST_SUITE_P(Paint, TextColour,
                         ::testing::Values(TextColorCase{clRed, clRed}, TextColorCase{clNone, clWindowText},
                                           TextColorCase{clDefault, clWindowText}));

TEST(Paint, BorderLinesAreTheNeighboursSidesAndShowFromEitherCell)
{
    SheetInGrid fixture;
    TXLCell& cell = fixture.sheet.GetCell(2, 2); // pixels (120, 30) to (180, 45)
    cell.SetSide(sRight, {2, clBlue});
    cell.SetSide(sBottom, {1, clBlue});
    cell.SetSide(sBias1, {1, clBlue});
    TXLView& body = fixture.Body();
    const auto whole = PaintBody(body);
    EXPECT_EQ(whole->PixelAt({179, 37}), kBlue);
    EXPECT_EQ(whole->PixelAt({180, 37}), kBlue) << "a 2-pixel pen";
    EXPECT_EQ(whole->PixelAt({150, 44}), kBlue);
    EXPECT_EQ(whole->PixelAt({120, 30}), kBlue) << "the diagonal starts at the top-left corner";
    EXPECT_NE(whole->PixelAt({150, 29}), kBlue) << "no top border";

    // Repainting only the cell's inside still draws its right border, stored with the column after it.
    RecordingCanvas part(body.ClientSize(), 0xFF00FF);
    body.Paint(part, {121, 31, 180, 44});
    EXPECT_EQ(part.PixelAt({179, 37}), kBlue);
}

TEST(Paint, PageBreaksAreBlueLinesAndTheOutlineOfThePrintedArea)
{
    SheetInGrid fixture(12, 20, {800, 400});
    fixture.grid.SetOptions(fixture.grid.Options() | OptionBit(oPageBreak));
    std::vector<int> cols;
    std::vector<int> rows;
    fixture.sheet.GetPageBreaks(cols, rows);
    ASSERT_EQ(cols, (std::vector<int>{11, 12})) << "the page takes 11 columns of 60 pixels";
    ASSERT_EQ(rows, (std::vector<int>{20}));
    const auto canvas = PaintBody(fixture.Body());
    EXPECT_EQ(canvas->PixelAt({659, 100}), kBlue) << "the break before column 11";
    EXPECT_EQ(canvas->PixelAt({719, 100}), kBlue) << "the outline after the last column";
    EXPECT_EQ(canvas->PixelAt({100, 299}), kBlue) << "the outline after the last row";
    EXPECT_EQ(canvas->PixelAt({600, 100}), kWhite);
}

// The breaks are kept between paints; a scrolled body draws them where the columns are, and a change of the
// sheet's sizes or print scale moves them at the next paint.
TEST(Paint, PageBreaksFollowTheOriginAndTheSheetsChanges)
{
    SheetInGrid fixture(40, 20, {800, 400});
    fixture.grid.SetOptions(fixture.grid.Options() | OptionBit(oPageBreak));
    TXLView& body = fixture.Body();
    // The content pixel of the line before the sheet's first column break.
    const auto firstBreak = [&] {
        std::vector<int> cols;
        std::vector<int> rows;
        fixture.sheet.GetPageBreaks(cols, rows);
        return fixture.grid.ScaledList(axCols, ptClient).GetOffset(cols.front()) - 1;
    };
    const auto breakShown = [&](int contentX) {
        const auto canvas = PaintBody(body);
        const int x = contentX - body.Origin().x;
        return x >= 0 && x < body.width() && canvas->PixelAt({x, 100}) == kBlue;
    };
    body.SetOrigin({300, 0});
    const int before = firstBreak();
    ASSERT_EQ(before, 659) << "11 columns of 60 on a page";
    EXPECT_TRUE(breakShown(before)) << "drawn 300 pixels to the left";
    EXPECT_FALSE(breakShown(before + 30));

    fixture.sheet.SetSize(0, axCols, 90);
    const int wider = firstBreak();
    ASSERT_NE(wider, before);
    EXPECT_TRUE(breakShown(wider)) << "a wider first column moves the break";
    EXPECT_FALSE(breakShown(before));

    fixture.sheet.SetPrintScale(50);
    const int halved = firstBreak();
    ASSERT_GT(halved, wider);
    body.SetOrigin({halved - 300, 0});
    EXPECT_TRUE(breakShown(halved)) << "twice as much on a page";
    body.SetOrigin({wider - 300, 0});
    EXPECT_FALSE(breakShown(wider));
}

TEST(Paint, TitlesOfTheSelectedColumnsAndRowsAreRaised)
{
    SheetInGrid fixture;
    fixture.Body().SetCurrent({2, 3}, TXLCollapse::Collapse, TXLReveal::None);
    fixture.Body().Select({2, 3, 4, 5}, fixture.Body().Current());
    struct Expectation {
        TXLSector strip;
        Rect selected;
        Rect other;
    };
    for (const Expectation& e : {Expectation{sCols, {120, 0, 180, 15}, {60, 0, 120, 15}},
                                 Expectation{sRows, {0, 45, 60, 60}, {0, 30, 60, 45}}}) {
        TXLView& strip = fixture.grid.View(e.strip);
        RecordingCanvas canvas(strip.ClientSize());
        strip.Paint(canvas, {0, 0, strip.width(), strip.height()});
        const std::vector<CanvasOp> edges = canvas.OpsOfKind(CanvasOpKind::DrawEdge);
        const auto at = [&](const Rect& r) {
            return std::find_if(edges.begin(), edges.end(), [&](const CanvasOp& op) { return op.Bounds == r; });
        };
        ASSERT_NE(at(e.selected), edges.end());
        EXPECT_EQ(at(e.selected)->Edge, EDGE_RAISED);
        ASSERT_NE(at(e.other), edges.end());
        EXPECT_EQ(at(e.other)->Edge, BDR_RAISEDINNER) << "the title style's own flat frame";
    }
}

TEST(Paint, TheBackgroundPictureIsTiledFromTheContentOrigin)
{
    SheetInGrid fixture;
    TXLGraphicData picture;
    picture.ClassName = "TBitmap";
    picture.Bytes = {'B', 'M'};
    picture.Width = 100;
    picture.Height = 50;
    fixture.sheet.SetBackground(picture);
    TXLView& body = fixture.Body();
    body.SetOrigin({130, 70});
    const auto canvas = PaintBody(body);
    const std::vector<CanvasOp> tiles = canvas->OpsOfKind(CanvasOpKind::StretchDraw);
    // The body is 338 × 283: tile columns 1 to 4 and rows 1 to 7 of the content reach it.
    ASSERT_EQ(tiles.size(), 4u * 7u);
    EXPECT_EQ(tiles.front().Bounds, (Rect{-30, -20, 70, 30}));
    for (const CanvasOp& tile : tiles) {
        EXPECT_EQ((tile.Bounds.left + 130) % 100, 0);
        EXPECT_EQ((tile.Bounds.top + 70) % 50, 0);
    }
}

struct FillCase {
    int scale;
    std::string shown; // in the cell (1, 1), 60 pixels at 100 less the grid line; characters half the font height
};

class TooNarrowAmount : public ::testing::TestWithParam<FillCase> {};

// A cash-flow amount once showed as its last fragment "00"; it shows whole or as "#"s, never in part.
TEST_P(TooNarrowAmount, FillsItsCellWithHashesAndKeepsItsTextForTheHint)
{
    SheetInGrid fixture;
    TXLSection& client = fixture.sheet.Section(sClient);
    TXLCell& amount = client.ReplaceCell({1, 1}, &TXLCCurrency::Class());
    amount.SetFormat("#,##0.00");
    amount.SetAsFloat(12384000);
    amount.SetHorzAlign(haRight);
    TXLCell& text = client.ReplaceCell({1, 2}, &TXLCString::Class());
    text.SetAsString("12,384,000.00");
    fixture.grid.SetScale(GetParam().scale);
    const auto canvas = PaintBody(fixture.Body());
    const std::vector<std::string> drawn = DrawnTexts(*canvas);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), GetParam().shown), 1) << "the amount's cell";
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "12,384,000.00"), 1) << "the text cell, clipped";

    const int width = 60 * GetParam().scale / 100;
    const Rect amountPixels{width, 15 * GetParam().scale / 100, 2 * width, 30 * GetParam().scale / 100};
    EXPECT_EQ(FilledCellText(*canvas, client, {1, 1}, amountPixels, frNone, GetParam().scale), "12,384,000.00");
    EXPECT_EQ(FilledCellText(*canvas, client, {1, 2}, amountPixels, frNone, GetParam().scale), std::nullopt)
        << "a text cell is clipped, not filled";
    EXPECT_EQ(FilledCellText(*canvas, client, {1, 3}, amountPixels, frNone, GetParam().scale), std::nullopt)
        << "no cell";

    fixture.sheet.SetSize(1, axCols, 120);
    const auto wide = PaintBody(fixture.Body());
    const std::vector<std::string> wideTexts = DrawnTexts(*wide);
    EXPECT_EQ(std::count(wideTexts.begin(), wideTexts.end(), "12,384,000.00"), 2) << "room enough: the amount itself";
    const Rect widePixels{width, amountPixels.top, width + 120 * GetParam().scale / 100, amountPixels.bottom};
    EXPECT_EQ(FilledCellText(*wide, client, {1, 1}, widePixels, frNone, GetParam().scale), std::nullopt);
}

// At 100 the font is 11 pixels, characters 5 wide, 59 pixels of content: 11 "#"; at 150, 16 pixels, 8 wide, 89.
INSTANTIATE_TEST_SUITE_P(Paint, TooNarrowAmount,
                         ::testing::Values(FillCase{100, std::string(11, '#')}, FillCase{150, std::string(11, '#')}));

TEST(Paint, AFontOfHeightZeroScalesWithTheSheet)
{
    SheetInGrid fixture;
    TXLCell& cell = fixture.sheet.GetCell(1, 1);
    cell.SetAsString("zero");
    cell.Font().SetHeight(0);
    for (const auto& [scale, height] : {std::pair{100, -12}, std::pair{200, -24}, std::pair{50, -6}}) {
        fixture.grid.SetScale(scale);
        const auto canvas = PaintBody(fixture.Body());
        const std::vector<CanvasOp> texts = canvas->OpsOfKind(CanvasOpKind::DrawText);
        const auto drawn =
            std::find_if(texts.begin(), texts.end(), [](const CanvasOp& op) { return op.Text == "zero"; });
        ASSERT_NE(drawn, texts.end());
        EXPECT_EQ(drawn->Font.Height, height) << "at " << scale;
    }
}

// The client lines colour clBtnFace is #efefef in a desktop palette: on white the lines all but vanish.
TEST(Paint, GridLinesTooCloseToTheBackgroundTakeTheShadowColour)
{
    SheetInGrid fixture;
    fixture.sheet.BaseClientStyle().SetColor(clWindow);
    fixture.sheet.BaseClientStyle().SetLinesColor(clBtnFace);
    SystemPalette desktop = SystemPalette::Classic();
    desktop.Rgb[clBtnFace & 0xFF] = 0xEFEFEF;
    desktop.Rgb[clBtnShadow & 0xFF] = 0xA0A0A0;
    desktop.Rgb[clWindow & 0xFF] = 0xFFFFFF;
    TXLView& body = fixture.Body();
    RecordingCanvas canvas(body.ClientSize(), 0xFF00FF);
    canvas.SetPalette(desktop);
    body.Paint(canvas, {0, 0, body.width(), body.height()});
    EXPECT_EQ(canvas.PixelAt({59, 7}), 0xA0A0A0u) << "a vertical line";
    EXPECT_EQ(canvas.PixelAt({30, 14}), 0xA0A0A0u) << "a horizontal line";
    EXPECT_EQ(canvas.PixelAt({30, 7}), 0xFFFFFFu);
    EXPECT_EQ(fixture.sheet.BaseClientStyle().LinesColor(), clBtnFace) << "the file's colour is kept";

    // The classic face (#c0c0c0) stands out well enough on white and is drawn as it is.
    RecordingCanvas classic(body.ClientSize(), 0xFF00FF);
    body.Paint(classic, {0, 0, body.width(), body.height()});
    EXPECT_EQ(classic.PixelAt({59, 7}), ColorToRgb(clBtnFace, SystemPalette::Classic()));
}

} // namespace
} // namespace qv::test
