// Fonts of the windows through the grid's font map.
#include "app/window/UiFonts.h"

#include "grid/FontMap.h"

namespace qv {

QFont MainWindowFont()
{
    TXLFontData font;
    font.Name = "宋体";
    font.Height = -12;
    return QtFontFor(font);
}

QFont WorkbookFont()
{
    // The font map keeps names it does not know, and "MS Sans Serif" is not installed on Linux.
    QFont font;
    font.setFamilies({MappedFamily("Arial"), MappedFamily("黑体")});
    font.setPixelSize(11);
    return font;
}

} // namespace qv
