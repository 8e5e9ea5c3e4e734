// The wheel without a window: Ctrl+wheel zoom steps, lines per notch, and when the wheel does nothing.
#include "grid/Wheel.h"
#include "PaneFixture.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

struct ZoomCase {
    int scale;
    int delta;
    int expected;
};

class WheelZoomStep : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(WheelZoomStep, Is25FromTheHundredOn15BelowWithin25To200)
{
    EXPECT_EQ(WheelZoom(GetParam().scale, GetParam().delta), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Wheel, WheelZoomStep,
                         ::testing::Values(ZoomCase{100, 120, 125}, ZoomCase{90, 120, 105}, ZoomCase{190, 120, 200},
                                           ZoomCase{200, 120, 200}, ZoomCase{300, 120, 200}, ZoomCase{100, -120, 85},
                                           ZoomCase{110, -120, 85}, ZoomCase{125, -120, 100},
                                           ZoomCase{100, 0, 85}, // zero counts as down
                                           ZoomCase{30, -120, 25}));

struct LinesCase {
    int delta;
    int rowDefHeight;
    int expected;
};

class WheelLinesPerEvent : public ::testing::TestWithParam<LinesCase> {};

TEST_P(WheelLinesPerEvent, AreHalfTheDeltaInDefaultRowsPlusOne)
{
    EXPECT_EQ(WheelLines(GetParam().delta, GetParam().rowDefHeight), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Wheel, WheelLinesPerEvent,
                         ::testing::Values(LinesCase{120, 15, 5}, LinesCase{-120, 15, 5}, LinesCase{120, 80, 1},
                                           LinesCase{-120, 80, 1}, LinesCase{240, 15, 9}, LinesCase{8, 15, 1},
                                           LinesCase{120, 0, 61})); // no default height: pixels

TEST(Wheel, ScrollsTheBodyByLinesOrZoomsWithExactlyCtrl)
{
    Panes grid; // rows of 15, RowDefHeight 15
    EXPECT_TRUE(MouseWheel(grid, -120, 0, TXLTracker::None));
    EXPECT_EQ(grid.Body().Origin(), (Point{0, 75})) << "five lines down";
    EXPECT_EQ(grid.Pane(sRows).Origin(), (Point{0, 75})) << "the row titles follow";
    EXPECT_TRUE(MouseWheel(grid, 120, ssCtrl | ssShift, TXLTracker::None));
    EXPECT_EQ(grid.Body().Origin(), (Point{0, 0})) << "not exactly Ctrl: scrolls up";
    EXPECT_EQ(grid.scale, 100);
    EXPECT_TRUE(MouseWheel(grid, 120, ssCtrl, TXLTracker::None));
    EXPECT_EQ(grid.scale, 125);
    grid.options |= OptionBit(oFixScale);
    EXPECT_TRUE(MouseWheel(grid, -120, ssCtrl, TXLTracker::None));
    EXPECT_EQ(grid.scale, 125);
    EXPECT_EQ(grid.Body().Origin(), (Point{0, 75})) << "a fixed scale: Ctrl+wheel scrolls";
}

TEST(Wheel, DoesNothingWhileTheSizingTrackerIsChosenButTakesTheEvent)
{
    Panes grid;
    EXPECT_TRUE(MouseWheel(grid, -120, 0, TXLTracker::Sizing));
    EXPECT_TRUE(MouseWheel(grid, 120, ssCtrl, TXLTracker::Sizing));
    EXPECT_EQ(grid.Body().Origin(), (Point{0, 0}));
    EXPECT_EQ(grid.scale, 100);
}

} // namespace
} // namespace qv::test
