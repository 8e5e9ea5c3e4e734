// The edit button: repeat acceleration, widths and the press, and its look on the recording canvas.
#include "editors/Button.h"
#include "editors/AutoRepeat.h"
#include "editors/ButtonPainter.h"
#include "platform/RecordingCanvas.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace qv::test {
namespace {

// The milliseconds after the press at which a held button steps, up to until.
std::vector<int> StepTimes(int everyTickFrom, int until)
{
    std::vector<int> times;
    for (int tick = 0; tick * kRepeatIntervalMs <= until; ++tick)
        if (RepeatStepDue(tick, everyTickFrom))
            times.push_back(tick * kRepeatIntervalMs);
    return times;
}

TEST(AutoRepeat, ASpinnerStepsAtOnceThenEveryQuarterSecondThenFasterAfterOneAndAHalfSeconds)
{
    const std::vector<int> times = StepTimes(kSpinnerEveryTickFrom, 2650);
    std::vector<int> expected{0, 250, 500, 750, 1000};
    for (int t = 1100; t < 2500; t += 100)
        expected.push_back(t);
    for (int t = 2500; t <= 2650; t += 50)
        expected.push_back(t);
    EXPECT_EQ(times, expected);
}

TEST(AutoRepeat, TheCalendarArrowsStayAtEveryOtherTickUntilTheTwoHundredth)
{
    const std::vector<int> ticks = [] {
        std::vector<int> due;
        for (int tick = 0; tick <= 203; ++tick)
            if (RepeatStepDue(tick, kCalendarEveryTickFrom))
                due.push_back(tick);
        return due;
    }();
    EXPECT_EQ(std::vector<int>(ticks.begin(), ticks.begin() + 7), (std::vector<int>{0, 5, 10, 15, 20, 22, 24}));
    EXPECT_EQ(std::vector<int>(ticks.end() - 5, ticks.end()), (std::vector<int>{198, 200, 201, 202, 203}));
}

TEST(Button, NormalHasNoWidthAndTheOthersTheWidthOfMPlusSix)
{
    TXLButton button;
    EXPECT_EQ(button.width(), 0);
    EXPECT_EQ(button.height(), 17);
    const int m = button.fontMetrics().horizontalAdvance(QLatin1Char('M'));
    for (TXLEditStyle style : {esDropDown, esSpinner, esButton}) {
        button.SetStyle(style);
        EXPECT_EQ(button.width(), m + 6);
    }
}

TEST(Button, ASpinnerClicksWhenPressedAndNotOnReleaseTheOthersOnRelease)
{
    TXLButton button;
    button.resize(20, 20);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    button.SetStyle(esSpinner);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.PressedHalf(), TXLButtonHalf::Lower);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.IsPressed());

    button.SetStyle(esDropDown);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks, 2);
    // Released away from the button: no click.
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 5));
    EXPECT_EQ(clicks, 2);
}

TEST(Button, AHeldSpinnerRepeatsUntilItIsHidden)
{
    TXLButton button;
    button.resize(20, 20);
    button.SetStyle(esSpinner);
    button.show();
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::qWait(300); // ticks 1..6: the fifth steps
    EXPECT_GE(clicks, 2);
    button.hide();
    const int held = clicks;
    QTest::qWait(300);
    EXPECT_EQ(clicks, held);
    EXPECT_FALSE(button.IsPressed());
}

// Light pixels on the top-left ring mean raised, dark ones sunken.
struct ButtonPicture {
    explicit ButtonPicture(const TXLButtonLook& look) : canvas(Size{16, 20}, 0xFF00FF)
    {
        PaintEditButton(canvas, {0, 0, 16, 20}, look);
    }
    std::uint32_t At(int x, int y) const { return canvas.PixelAt({x, y}); }
    RecordingCanvas canvas;
};

TEST(ButtonPainter, NormalDrawsNothingAndASpinnerHasTwoRaisedHalvesWithAGlyphEach)
{
    TXLButtonLook look;
    EXPECT_EQ(ButtonPicture(look).At(8, 10), 0xFF00FFu);
    look.Style = esSpinner;
    const ButtonPicture spinner(look);
    const SystemPalette& colours = spinner.canvas.Palette();
    EXPECT_EQ(spinner.At(1, 1), ColorToRgb(clBtnHighlight, colours) & 0xFFFFFF);
    EXPECT_EQ(spinner.At(1, 11), ColorToRgb(clBtnHighlight, colours) & 0xFFFFFF);
    // The up triangle's tip is above its base in the upper half, the down one's below in the lower.
    EXPECT_EQ(spinner.At(8, 5), 0u);
    EXPECT_EQ(spinner.At(8, 14), 0u);
}

TEST(ButtonPainter, APressedHalfSinksAndItsGlyphMoves)
{
    TXLButtonLook look;
    look.Style = esSpinner;
    const ButtonPicture up(look);
    look.Pressed = true;
    look.Mouse = {8, 15};
    const ButtonPicture pressed(look);
    const SystemPalette& colours = pressed.canvas.Palette();
    EXPECT_EQ(pressed.At(0, 10), ColorToRgb(clBtnShadow, colours) & 0xFFFFFF);
    EXPECT_EQ(pressed.At(1, 1), up.At(1, 1)); // the upper half stays raised
    bool moved = false;
    for (int y = 10; y < 20; ++y)
        for (int x = 0; x < 16; ++x)
            moved = moved || (up.At(x, y) == 0) != (pressed.At(x, y) == 0);
    EXPECT_TRUE(moved);
}

} // namespace
} // namespace qv::test
