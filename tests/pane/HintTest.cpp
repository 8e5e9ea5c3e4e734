// Cell hints on panes without a window: the pane's hint following an idle mouse, the hint request's kind and
// placement, and the arrow with its shadow on the recording canvas, moving with the content.
#include "MouseFixture.h"
#include "cells/CurrencyCell.h"
#include "platform/RecordingCanvas.h"
#include "sheet/ProRange.h"
#include "sheet/Section.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

constexpr Point At(int col, int row)
{
    return {col * 60 + 30, row * 15 + 7};
}

struct HintGrid : MouseGrid {
    HintGrid()
    {
        showHint = true;
        sheet.GetCell(2, 2).SetHint("流动比率");
    }
};

TEST(Hints, ThePanesHintFollowsAnIdleMouseAndAnEmptyTextCancelsThePendingOne)
{
    HintGrid grid;
    grid.Move(sClient, At(2, 2));
    EXPECT_EQ(grid.Body().Hint(), "流动比率");
    EXPECT_EQ(grid.hintsCancelled, 1);
    grid.Move(sClient, {At(2, 2).x + 5, At(2, 2).y});
    EXPECT_EQ(grid.hintsCancelled, 1) << "the same text: the pending hint stays";
    grid.Move(sClient, At(3, 2));
    EXPECT_EQ(grid.Body().Hint(), "");
    EXPECT_EQ(grid.hintsCancelled, 2);
    grid.Move(sClient, At(3, 3));
    EXPECT_EQ(grid.hintsCancelled, 3) << "every move without a hint cancels";
    grid.showHint = false;
    grid.Move(sClient, At(2, 2));
    EXPECT_EQ(grid.Body().Hint(), "") << "hints off: nothing follows";
}

// A figure too wide for its cell is drawn as "#"s; resting the mouse on it shows it in full, and its stored hint
// (what a save would write) stays empty.
TEST(Hints, AFigureShownAsHashesShowsInFull)
{
    HintGrid grid;
    TXLCell& amount = grid.sheet.Section(sClient).ReplaceCell({3, 3}, &TXLCCurrency::Class());
    amount.SetFormat("#,##0.00");
    amount.SetAsFloat(12384000);
    TXLCell& small = grid.sheet.Section(sClient).ReplaceCell({4, 3}, &TXLCCurrency::Class());
    small.SetAsFloat(5);
    grid.Move(sClient, At(3, 3));
    EXPECT_EQ(grid.Body().Hint(), "12,384,000.00") << "the body's 60 pixels are too narrow";
    EXPECT_EQ(amount.Hint(), "");
    grid.Move(sClient, At(4, 3));
    EXPECT_EQ(grid.Body().Hint(), "") << "a figure that fits has no hint of its own";
}

TEST(Hints, ACellWithExtHintAsksTheSheet)
{
    HintGrid grid;
    grid.sheet.GetCell(4, 4).SetStyles(CellStyleBit(csExtHint));
    std::vector<Point> asked;
    grid.sheet.OnGetCellHint = [&](TXLSheet&, Point cell, std::string& text) {
        asked.push_back(cell);
        text = "问表";
    };
    grid.Move(sClient, At(4, 4));
    EXPECT_EQ(grid.Body().Hint(), "问表");
    EXPECT_EQ(asked, (std::vector<Point>{{4, 4}}));
}

TEST(Hints, TheBodysRequestPlacesTheWindowBesideTheCellsTopRightCorner)
{
    HintGrid grid;
    grid.Move(sClient, At(2, 2));
    TXLHintRequest request = grid.mouse.HintRequest(grid.Body(), At(2, 2));
    EXPECT_EQ(request.Kind, TXLHintKind::Arrow);
    EXPECT_EQ(request.Text, "流动比率");
    EXPECT_EQ(request.Tip, (Point{179, 31})) << "cell pixels 120..180 × 30..45";
    EXPECT_EQ(request.WindowTopLeft, (Point{193, 20}));
    EXPECT_EQ(request.HideAfter, 144000);
    // A merged range: its top-right corner.
    TXLRange(grid.sheet.Section(sClient), {2, 2, 4, 4}).Merge(false);
    request = grid.mouse.HintRequest(grid.Body(), At(3, 3));
    EXPECT_EQ(request.Tip, (Point{239, 31}));
}

TEST(Hints, TitlePanesShowThePlainWindowAndNoHintShowsWhileTheMouseIsNotIdle)
{
    HintGrid grid;
    grid.sheet.Section(sCols).GetCell({1, 0}).SetHint("期间");
    grid.Move(sCols, {90, 10});
    EXPECT_EQ(grid.mouse.HintRequest(grid.Pane(sCols), {90, 10}).Kind, TXLHintKind::Plain);
    grid.Move(sClient, At(2, 2));
    grid.Press(sClient, At(2, 2));
    grid.Move(sClient, At(2, 3));
    EXPECT_EQ(grid.mouse.HintRequest(grid.Body(), At(2, 2)).Kind, TXLHintKind::None) << "dragging";
    grid.Release(sClient, At(2, 3));
    EXPECT_EQ(grid.mouse.HintRequest(grid.Body(), At(2, 2)).Kind, TXLHintKind::Arrow);
}

// The arrow from a window up and right of the tip, as the body's hint shows.
const TXLHintArrow kArrow{{179, 31}, {193, 20, 253, 36}};

TEST(Hints, TheArrowAndTheShadowArePaintedOnThePaneAndMoveWithTheContent)
{
    HintGrid grid;
    TXLPane& body = grid.Body();
    RecordingCanvas plain(body.ClientSize(), 0xFF00FF);
    body.Paint(plain, {0, 0, 400, 300});
    body.SetHintArrow(kArrow);
    EXPECT_TRUE(Region(HintArrowArea(kArrow)).Subtract(grid.Host(sClient).invalidated).IsEmpty());
    RecordingCanvas shown(body.ClientSize(), 0xFF00FF);
    body.Paint(shown, {0, 0, 400, 300});
    EXPECT_EQ(shown.PixelAt({181, 29}), 0x000000u) << "the head beside the tip";
    EXPECT_EQ(shown.PixelAt({187, 25}), 0x000000u) << "the line toward the window's top-left corner";
    EXPECT_EQ(shown.PixelAt({254, 30}), 0x000000u) << "the shadow right of the window";
    EXPECT_EQ(shown.PixelAt({220, 37}), 0x000000u) << "and below it";
    EXPECT_EQ(shown.PixelAt({195, 37}), plain.PixelAt({195, 37})) << "the shadow's left edge is 3 pixels in";
    EXPECT_EQ(shown.PixelAt({170, 40}), plain.PixelAt({170, 40}));

    body.SetOrigin({60, 15});
    ASSERT_TRUE(body.HintArrow());
    EXPECT_EQ(body.HintArrow()->Tip, (Point{119, 16}));
    EXPECT_EQ(body.HintArrow()->Window, (Rect{133, 5, 193, 21}));

    body.ClearHintArrow();
    RecordingCanvas cleared(body.ClientSize(), 0xFF00FF);
    body.Paint(cleared, {0, 0, 400, 300});
    // Only the cell's hint marker is left of the polygons.
    EXPECT_EQ(shown.OpsOfKind(CanvasOpKind::Polygon).size(), plain.OpsOfKind(CanvasOpKind::Polygon).size() + 1);
    EXPECT_EQ(cleared.OpsOfKind(CanvasOpKind::Polygon).size(), plain.OpsOfKind(CanvasOpKind::Polygon).size());
}

} // namespace
} // namespace qv::test
