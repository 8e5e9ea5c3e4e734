// Colour values as stored by sheets and styles (0x00BBGGRR or system colour), and their resolution to RGB.
#pragma once

#include <array>
#include <cstdint>

namespace qv {

// RGB in the low three bytes as 0x00BBGGRR. A value with bit 31 set (negative) is a system colour whose index is
// the low byte, whatever the other bits hold: 0xFF000005 and 0x9F000005 both name the window colour.
using TColor = std::int32_t;

// The colour from its red, green and blue parts (each 0..255).
constexpr TColor RgbColor(int r, int g, int b)
{
    return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr bool IsSystemColor(TColor color)
{
    return color < 0;
}
// The system colour with the given index (0..24 are defined).
constexpr TColor SystemColor(int index)
{
    return TColor(0xFF000000u | unsigned(index & 0xFF));
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// No colour: the attribute is absent (no fill, no line). Callers test IsNoneColor before drawing.
inline constexpr TColor clNone = 0x1FFFFFFF;
// The owner's default colour; callers resolve it before drawing.
inline constexpr TColor clDefault = 0x20000000;

constexpr bool IsNoneColor(TColor color)
{
    return color == clNone;
}

inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

// The desktop's RGB values (0xRRGGBB) of the system colours, indexed by the system colour index.
struct SystemPalette {
    static constexpr int Count = 25;
    std::array<std::uint32_t, Count> Rgb{};

    // The classic grey desktop scheme: white windows, black text, C0C0C0 buttons, navy highlight.
    static const SystemPalette& Classic();
    bool operator==(const SystemPalette&) const = default;
};

// The colour as 0xRRGGBB for drawing. A system colour takes the palette's entry (black for an index the palette
// lacks); any other value reads its low three bytes, so clNone gives white and clDefault black.
std::uint32_t ColorToRgb(TColor color, const SystemPalette& palette);

} // namespace qv
