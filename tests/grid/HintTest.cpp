// The body's cell hint window through Qt's tool-tip requests: its placement, the arrow's pixels on the pane, the
// arrow and the window following a scroll, both vanishing with the window, and no hint during a drag.
#include "GridTestSupport.h"

#include <QHelpEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

struct HintedGrid : SheetInGrid {
    HintedGrid()
    {
        sheet.GetCell(2, 2).SetHint("速动比率");
        grid.SetShowHint(true);
        grid.show();
        Settle();
    }
    // The mouse rests on p and the platform asks for the tool tip there.
    void RestAt(QPoint p)
    {
        // From elsewhere: a move to where the mouse already is reaches nobody.
        QTest::mouseMove(&Body(), p + QPoint(0, 60));
        QTest::mouseMove(&Body(), p);
        QHelpEvent request(QEvent::ToolTip, p, Body().mapToGlobal(p));
        QApplication::sendEvent(&Body(), &request);
    }
    static constexpr QPoint kCell{150, 37}; // cell (2, 2): pixels 120..180 × 30..45
};

TEST(GridHint, TheWindowShowsUpAndRightOfTheCellWithTheArrowPaintedOnTheBody)
{
    HintedGrid fixture;
    fixture.RestAt(HintedGrid::kCell);
    const TXLHintWindow* window = fixture.grid.HintWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(), QString::fromUtf8("速动比率"));
    EXPECT_EQ(window->pos(), fixture.Body().mapToGlobal(QPoint(179 + 14, 31 - 11)));
    EXPECT_EQ(window->font(), fixture.grid.font());
    ASSERT_TRUE(fixture.Body().HintArrow());
    EXPECT_EQ(fixture.Body().HintArrow()->Tip, (Point{179, 31}));
    const auto canvas = PaintBody(fixture.Body());
    EXPECT_EQ(canvas->PixelAt({181, 29}), 0x000000u) << "the arrow's head at the cell's corner";
    const Rect w = fixture.Body().HintArrow()->Window;
    EXPECT_EQ(canvas->PixelAt({w.right, w.top + 4}), 0x000000u) << "the shadow";
}

TEST(GridHint, TheArrowAndTheWindowFollowAScrollAndVanishWithTheWindow)
{
    HintedGrid fixture;
    fixture.RestAt(HintedGrid::kCell);
    ASSERT_NE(fixture.grid.HintWindow(), nullptr);
    const QPoint before = fixture.grid.HintWindow()->pos();
    fixture.Body().SetOrigin({0, 15});
    EXPECT_EQ(fixture.Body().HintArrow()->Tip, (Point{179, 16}));
    EXPECT_EQ(fixture.grid.HintWindow()->pos(), before - QPoint(0, 15));
    // Moving onto a cell without a hint takes the window away, and the arrow with it.
    QTest::mouseMove(&fixture.Body(), {30, 100});
    EXPECT_EQ(fixture.grid.HintWindow(), nullptr);
    EXPECT_FALSE(fixture.Body().HintArrow());
    const auto canvas = PaintBody(fixture.Body());
    EXPECT_NE(canvas->PixelAt({181, 14}), 0x000000u);
}

TEST(GridHint, LeavingThePaneTakesTheHintAway)
{
    HintedGrid fixture;
    fixture.RestAt(HintedGrid::kCell);
    ASSERT_NE(fixture.grid.HintWindow(), nullptr);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&fixture.Body(), &leave);
    EXPECT_EQ(fixture.grid.HintWindow(), nullptr);
    EXPECT_FALSE(fixture.Body().HintArrow());
    EXPECT_EQ(fixture.Body().Hint(), "");
}

TEST(GridHint, NoHintDuringADrag)
{
    HintedGrid fixture;
    QTest::mouseMove(&fixture.Body(), HintedGrid::kCell + QPoint(0, 60));
    QTest::mouseMove(&fixture.Body(), HintedGrid::kCell);
    ASSERT_EQ(fixture.Body().Hint(), "速动比率");
    QTest::mousePress(&fixture.Body(), Qt::LeftButton, Qt::NoModifier, {30, 10});
    QTest::mouseMove(&fixture.Body(), HintedGrid::kCell);
    QHelpEvent request(QEvent::ToolTip, HintedGrid::kCell, fixture.Body().mapToGlobal(HintedGrid::kCell));
    QApplication::sendEvent(&fixture.Body(), &request);
    EXPECT_EQ(fixture.grid.HintWindow(), nullptr);
    EXPECT_FALSE(fixture.Body().HintArrow());
    QTest::mouseRelease(&fixture.Body(), Qt::LeftButton, Qt::NoModifier, HintedGrid::kCell);
}

} // namespace
} // namespace qv::test
