// Colour values: the stored constants, system colour detection and resolution to RGB for drawing.
#include "platform/Colors.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Colors, SystemColoursHaveTheStoredValues)
{
    // The values sheets and styles store.
    EXPECT_EQ(clWindow, TColor(0xFF000005u));
    EXPECT_EQ(clWindowText, TColor(0xFF000008u));
    EXPECT_EQ(clBtnFace, TColor(0xFF00000Fu));
    EXPECT_EQ(clInfoBk, TColor(0xFF000018u));
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_EQ(clDefault, 0x20000000);
    EXPECT_EQ(RgbColor(0x12, 0x34, 0x56), 0x563412);

    struct Case {
        TColor color;
        bool system;
    };
    const Case cases[] = {
        {clWindow, true}, {TColor(0x9F000005u), true}, {TColor(0x80000000u), true},
        {clNone, false},  {clDefault, false},          {clWhite, false},
        {clBlack, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSystemColor(c.color), c.system) << std::hex << c.color;
    }
    EXPECT_TRUE(IsNoneColor(clNone));
    EXPECT_FALSE(IsNoneColor(clDefault));
}

TEST(Colors, ResolvesToRgb)
{
    struct Case {
        TColor color;
        std::uint32_t rgb;
    };
    const Case cases[] = {
        // System colours by the low byte, whatever the other high bits say.
        {clWindow, 0xFFFFFF},
        {TColor(0x9F000005u), 0xFFFFFF},
        {TColor(0xFF123408u), 0x000000},
        {clWindowText, 0x000000},
        {clBtnFace, 0xC0C0C0},
        {clBtnShadow, 0x808080},
        {clBtnHighlight, 0xFFFFFF},
        {cl3DLight, 0xDFDFDF},
        {cl3DDkShadow, 0x000000},
        {clHighlight, 0x000080},
        {clHighlightText, 0xFFFFFF},
        {clInfoBk, 0xFFFFE1},
        {SystemColor(99), 0x000000}, // an index the palette lacks
        // Stored colours are 0x00BBGGRR.
        {clRed, 0xFF0000},
        {clLime, 0x00FF00},
        {clBlue, 0x0000FF},
        {clMaroon, 0x800000},
        {clNavy, 0x000080},
        {clOlive, 0x808000},
        {clTeal, 0x008080},
        {clPurple, 0x800080},
        {clFuchsia, 0xFF00FF},
        {clAqua, 0x00FFFF},
        {clYellow, 0xFFFF00},
        {RgbColor(0x12, 0x34, 0x56), 0x123456},
        // The markers read their low bytes.
        {clNone, 0xFFFFFF},
        {clDefault, 0x000000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToRgb(c.color, SystemPalette::Classic()), c.rgb) << std::hex << c.color;
    }
}

TEST(Colors, PaletteDecidesSystemColoursOnly)
{
    SystemPalette dark = SystemPalette::Classic();
    dark.Rgb[5] = 0x202020;
    EXPECT_EQ(ColorToRgb(clWindow, dark), 0x202020u);
    EXPECT_EQ(ColorToRgb(TColor(0x9F000005u), dark), 0x202020u);
    EXPECT_EQ(ColorToRgb(clWhite, dark), 0xFFFFFFu);
}

} // namespace
} // namespace qv
