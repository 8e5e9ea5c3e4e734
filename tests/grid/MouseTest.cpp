// Qt's mouse on the grid through QTest: clicks, drags and Shift-clicks selecting, auto-scroll stepped by hand,
// Escape, the column titles, boundaries dragged and double-clicked, the cursor shapes, the right button and the
// pop-up menu.
#include "GridTestSupport.h"
#include "sheet/ProRange.h"

#include <QContextMenuEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace qv::test {
namespace {

// A shown grid on an 8 × 20 sheet; cells are 60 × 15 pixels.
struct ShownGrid : SheetInGrid {
    ShownGrid()
    {
        grid.show();
        Settle();
        grid.OnCellClick = [this](TXLGrid&, Point cell) { clicked.push_back(cell); };
        grid.OnColDblClick = [this](TXLGrid&, Point item) { colDoubleClicks.push_back(item); };
    }
    TXLView& Strip() { return grid.View(sCols); }
    static QPoint At(int col, int row) { return {col * 60 + 30, row * 15 + 7}; }

    std::vector<Point> clicked;
    std::vector<Point> colDoubleClicks;
};

TEST(GridMouse, AClickADragAndAShiftClickSelect)
{
    ShownGrid fixture;
    TXLView& body = fixture.Body();
    QTest::mouseClick(&body, Qt::LeftButton, Qt::NoModifier, ShownGrid::At(2, 2));
    EXPECT_EQ(body.Current(), (Point{2, 2}));
    EXPECT_EQ(fixture.clicked, (std::vector<Point>{{2, 2}}));
    EXPECT_TRUE(fixture.grid.hasFocus()) << "a press focuses the grid";

    QTest::mousePress(&body, Qt::LeftButton, Qt::NoModifier, ShownGrid::At(1, 1));
    QTest::mouseMove(&body, ShownGrid::At(3, 4));
    EXPECT_EQ(fixture.grid.Mouse().State(), TXLMouseState::Dragging);
    QTest::mouseRelease(&body, Qt::LeftButton, Qt::NoModifier, ShownGrid::At(3, 4));
    EXPECT_EQ(body.Current(), (Point{1, 1}));
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 4, 5}));

    QTest::mouseClick(&body, Qt::LeftButton, Qt::ShiftModifier, ShownGrid::At(2, 6));
    EXPECT_EQ(body.Current(), (Point{1, 1}));
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 3, 7}));
}

TEST(GridMouse, ADragPastTheBottomAutoScrollsUntilTheRelease)
{
    ShownGrid fixture;
    TXLView& body = fixture.Body();
    QTest::mousePress(&body, Qt::LeftButton, Qt::NoModifier, ShownGrid::At(1, 1));
    QTest::mouseMove(&body, {90, body.height() + 10});
    EXPECT_TRUE(fixture.grid.Mouse().IsAutoScrolling());
    const int bottom = body.Selection().bottom;
    fixture.grid.Mouse().AutoScrollTick();
    EXPECT_EQ(body.Origin().y, 15) << "one line";
    EXPECT_EQ(body.Selection().bottom, bottom + 1) << "the replayed move follows the scroll";
    QTest::mouseRelease(&body, Qt::LeftButton, Qt::NoModifier, {90, body.height() + 10});
    EXPECT_FALSE(fixture.grid.Mouse().IsAutoScrolling());
}

TEST(GridMouse, EscapeDuringADragRestoresTheOldSelection)
{
    ShownGrid fixture;
    TXLView& body = fixture.Body();
    QTest::mouseClick(&body, Qt::LeftButton, Qt::NoModifier, ShownGrid::At(1, 1));
    fixture.clicked.clear();
    QTest::mousePress(&body, Qt::LeftButton, Qt::NoModifier, ShownGrid::At(3, 3));
    QTest::mouseMove(&body, ShownGrid::At(5, 6));
    QTest::keyClick(&fixture.grid, Qt::Key_Escape);
    EXPECT_EQ(fixture.grid.Mouse().State(), TXLMouseState::Idle);
    EXPECT_FALSE(fixture.grid.Mouse().IsAutoScrolling());
    QTest::mouseRelease(&body, Qt::LeftButton, Qt::NoModifier, ShownGrid::At(5, 6));
    EXPECT_EQ(body.Current(), (Point{1, 1}));
    EXPECT_EQ(body.Selection(), (Rect{1, 1, 2, 2}));
    EXPECT_TRUE(fixture.clicked.empty());
}

TEST(GridMouse, AColumnTitleClickSelectsTheColumn)
{
    ShownGrid fixture;
    fixture.Body().SetOrigin({0, 45});
    QTest::mouseClick(&fixture.Strip(), Qt::LeftButton, Qt::NoModifier, {3 * 60 + 30, 5});
    EXPECT_EQ(fixture.Body().Selection(), (Rect{3, 0, 4, 20}));
    EXPECT_EQ(fixture.Body().Current(), (Point{3, 3})) << "the top visible row";
}

TEST(GridMouse, DraggingABoundaryStoresTheSizeOnceAndAnotherGridOnTheSheetFollows)
{
    ShownGrid fixture;
    TXLGrid other;
    other.SetSheet(&fixture.sheet);
    fixture.grid.SetOptions(fixture.grid.Options() | OptionBit(oColSizing));
    TXLView& strip = fixture.Strip();
    QTest::mouseMove(&strip, {119, 5});
    QTest::mousePress(&strip, Qt::LeftButton, Qt::NoModifier, {119, 5});
    QTest::mouseMove(&strip, {150, 5});
    EXPECT_EQ(fixture.grid.ScaledList(axCols, ptClient).GetValue(1), 90);
    EXPECT_EQ(fixture.sheet.GetSize(1, axCols), 60) << "stored on release";
    // The body shows the dragged end as a focus line.
    const auto during = PaintBody(fixture.Body());
    const auto frames = during->OpsOfKind(CanvasOpKind::FocusRect);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Bounds.left, 59);
    EXPECT_EQ(frames[0].Bounds.right, 150);
    QTest::mouseRelease(&strip, Qt::LeftButton, Qt::NoModifier, {150, 5});
    EXPECT_EQ(fixture.sheet.GetSize(1, axCols), 90);
    EXPECT_EQ(fixture.grid.ScaledList(axCols, ptClient).GetValue(1), 90);
    EXPECT_EQ(fixture.Body().Extent().x, 8 * 60 + 30) << "the body took the change once";
    EXPECT_EQ(other.ScaledList(axCols, ptClient).GetValue(1), 90);
    EXPECT_EQ(other.View(sClient).Extent().x, 8 * 60 + 30);
    EXPECT_TRUE(PaintBody(fixture.Body())->OpsOfKind(CanvasOpKind::FocusRect).empty());
}

TEST(GridMouse, ADoubleClickOnABoundaryFiresOnColDblClickAndSizesNothing)
{
    ShownGrid fixture;
    fixture.grid.SetOptions(fixture.grid.Options() | OptionBit(oColSizing));
    QTest::mouseMove(&fixture.Strip(), {179, 5});
    QTest::mouseDClick(&fixture.Strip(), Qt::LeftButton, Qt::NoModifier, {179, 5});
    EXPECT_EQ(fixture.colDoubleClicks, (std::vector<Point>{{2, 0}}));
    EXPECT_EQ(fixture.sheet.GetSize(2, axCols), 60);
    EXPECT_EQ(fixture.grid.Mouse().State(), TXLMouseState::Idle);
}

TEST(GridMouse, TheCursorShowsTheSplitOverABoundaryButNotInsideAMergedRange)
{
    ShownGrid fixture;
    fixture.grid.SetOptions(fixture.grid.Options() | OptionBit(oColSizing) | OptionBit(oRowSizing));
    TXLView& strip = fixture.Strip();
    // From elsewhere each time: a move to where the mouse already is reaches nobody.
    const auto hover = [](TXLView& pane, QPoint p) {
        QTest::mouseMove(&pane, {270, 7});
        QTest::mouseMove(&pane, p);
    };
    hover(strip, {119, 5});
    EXPECT_EQ(strip.cursor().shape(), Qt::SplitHCursor);
    hover(strip, {90, 5});
    EXPECT_EQ(strip.cursor().shape(), Qt::ArrowCursor);
    TXLView& rows = fixture.grid.View(sRows);
    hover(rows, {20, 29});
    EXPECT_EQ(rows.cursor().shape(), Qt::SplitVCursor);
    // Columns 1 and 2 merged in the titles: the boundary between them at 120 is no boundary.
    TXLRange(fixture.sheet.Section(sCols), {1, 0, 3, 1}).Merge(false);
    hover(strip, {119, 5});
    EXPECT_EQ(strip.cursor().shape(), Qt::ArrowCursor);
    hover(strip, {179, 5});
    EXPECT_EQ(strip.cursor().shape(), Qt::SplitHCursor);
    // The body never offers sizing.
    hover(fixture.Body(), {59, 5});
    EXPECT_EQ(fixture.Body().cursor().shape(), Qt::ArrowCursor);
}

TEST(GridMouse, TheRightButtonMovesTheCurrentCellAndOpensTheMenuOnlyOverTheContent)
{
    ShownGrid fixture;
    fixture.sheet.SetColCount(3);
    fixture.sheet.SetRowCount(4); // the content 180 × 60 inside a larger body
    TXLView& body = fixture.Body();
    QTest::mousePress(&body, Qt::RightButton, Qt::NoModifier, ShownGrid::At(2, 3));
    QTest::mouseRelease(&body, Qt::RightButton, Qt::NoModifier, ShownGrid::At(2, 3));
    EXPECT_EQ(body.Current(), (Point{2, 3}));
    fixture.grid.setContextMenuPolicy(Qt::CustomContextMenu);
    int menus = 0;
    QObject::connect(&fixture.grid, &QWidget::customContextMenuRequested, [&] { ++menus; });
    const auto contextMenu = [&](QPoint p) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, p, body.mapToGlobal(p));
        QApplication::sendEvent(&body, &event);
    };
    contextMenu({100, 50});
    EXPECT_EQ(menus, 1);
    contextMenu({200, 50});
    contextMenu({100, 70});
    EXPECT_EQ(menus, 1) << "beyond the content no menu";
}

} // namespace
} // namespace qv::test
