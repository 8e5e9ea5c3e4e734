// The wheel on the grid's widgets: lines per notch on the body and on a scroll bar, Ctrl+wheel zoom keeping the
// top-left cell, and a grid without a sheet leaving the event alone.
#include "GridTestSupport.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// Sends a wheel event of one notch direction to the widget; true when it was taken.
bool Wheel(QWidget& target, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&target, &event);
    return event.isAccepted();
}

enum class Target : uint8_t { Body, ScrollBar };

struct WheelCase {
    int rowDefHeight;
    Target target;
    int delta;
    int startY;
    int expectedY;
};

class WheelNotch : public ::testing::TestWithParam<WheelCase> {};

TEST_P(WheelNotch, ScrollsTheBodyByLinesOfTheDefaultHeight)
{
    const WheelCase& c = GetParam();
    SheetInGrid fixture(8, 200);
    fixture.sheet.SetRowDefHeight(c.rowDefHeight);
    TXLView& body = fixture.Body();
    body.SetOrigin({0, c.startY});
    QWidget& target =
        c.target == Target::Body ? static_cast<QWidget&>(body) : static_cast<QWidget&>(fixture.grid.ScrollBar(axRows));
    EXPECT_TRUE(Wheel(target, c.delta));
    EXPECT_EQ(body.Origin().y, c.expectedY);
}

INSTANTIATE_TEST_SUITE_P(GridWheel, WheelNotch,
                         ::testing::Values(WheelCase{15, Target::Body, -120, 0, 75},   // five lines down
                                           WheelCase{15, Target::Body, 120, 300, 225}, // and up
                                           WheelCase{80, Target::Body, -120, 0, 80},   // one line
                                           WheelCase{80, Target::Body, 120, 320, 240},
                                           WheelCase{15, Target::ScrollBar, -120, 0, 75}, // the same way
                                           WheelCase{80, Target::ScrollBar, 120, 320, 240}));

TEST(GridWheel, CtrlWheelZoomsAndKeepsTheTopLeftCell)
{
    SheetInGrid fixture(20, 100);
    TXLView& body = fixture.Body();
    body.SetOrigin({120, 150}); // column 2, row 10
    EXPECT_TRUE(Wheel(body, 120, Qt::ControlModifier));
    EXPECT_EQ(fixture.grid.Scale(), 125);
    EXPECT_EQ(body.TopLeft().Item, (Point{2, 10}));
    EXPECT_EQ(body.Origin(), (Point{150, 180})) << "columns of 75 and rows of 18 pixels now";
    fixture.grid.SetScale(200);
    EXPECT_EQ(body.Origin(), (Point{240, 300}));
    for (int notch = 0; notch < 3; ++notch)
        Wheel(body, 120, Qt::ControlModifier);
    EXPECT_EQ(fixture.grid.Scale(), 200) << "never above 200";
    Wheel(body, -120, Qt::ControlModifier);
    EXPECT_EQ(fixture.grid.Scale(), 175);
    EXPECT_EQ(body.TopLeft().Item, (Point{2, 10}));
}

TEST(GridWheel, AGridWithoutASheetLeavesTheEventAlone)
{
    TXLGrid grid;
    EXPECT_FALSE(Wheel(grid.View(sClient), -120));
}

} // namespace
} // namespace qv::test
