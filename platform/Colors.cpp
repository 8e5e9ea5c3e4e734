// The classic desktop palette and the resolution of colour values to RGB.
#include "platform/Colors.h"

namespace qv {

const SystemPalette& SystemPalette::Classic()
{
    static const SystemPalette palette{{
        0xC0C0C0, // scroll bar
        0x008080, // desktop background
        0x000080, // active caption
        0x808080, // inactive caption
        0xC0C0C0, // menu
        0xFFFFFF, // window
        0x000000, // window frame
        0x000000, // menu text
        0x000000, // window text
        0xFFFFFF, // caption text
        0xC0C0C0, // active border
        0xC0C0C0, // inactive border
        0x808080, // application work space
        0x000080, // highlight
        0xFFFFFF, // highlight text
        0xC0C0C0, // button face
        0x808080, // button shadow
        0x808080, // grey text
        0x000000, // button text
        0xC0C0C0, // inactive caption text
        0xFFFFFF, // button highlight
        0x000000, // 3-D dark shadow
        0xDFDFDF, // 3-D light
        0x000000, // tooltip text
        0xFFFFE1, // tooltip background
    }};
    return palette;
}

std::uint32_t ColorToRgb(TColor color, const SystemPalette& palette)
{
    if (IsSystemColor(color)) {
        const int index = color & 0xFF;
        return index < SystemPalette::Count ? palette.Rgb[index] : 0x000000;
    }
    const auto bgr = std::uint32_t(color);
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

} // namespace qv
