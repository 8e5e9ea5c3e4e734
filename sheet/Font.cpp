// Member-wise comparison and copying of fonts.
#include "sheet/Font.h"

#include "sheet/CellTypes.h"

namespace qv {

int TXLFont::DifferentMembers(const TXLFontData& a, const TXLFontData& b)
{
    int members = 0;
    const TFontStyles styleBits[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
    const int styleMasks[] = {kFontBold, kFontItalic, kFontUnderline, kFontStrikeOut};
    for (int i = 0; i < 4; ++i)
        if ((a.Style & styleBits[i]) != (b.Style & styleBits[i]))
            members |= styleMasks[i];
    if (a.Name != b.Name)
        members |= kFontName;
    if (a.Height != b.Height)
        members |= kFontSize;
    if (a.Color != b.Color)
        members |= kFontColor;
    if (a.Charset != b.Charset)
        members |= kFontCharset;
    return members;
}

void TXLFont::CopyMembers(TXLFontData& target, const TXLFontData& source, int members)
{
    const TFontStyles styleBits[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
    const int styleMasks[] = {kFontBold, kFontItalic, kFontUnderline, kFontStrikeOut};
    for (int i = 0; i < 4; ++i)
        if (members & styleMasks[i])
            target.Style = static_cast<TFontStyles>((target.Style & ~styleBits[i]) | (source.Style & styleBits[i]));
    if (members & kFontName)
        target.Name = source.Name;
    if (members & kFontSize)
        target.Height = source.Height;
    if (members & kFontColor)
        target.Color = source.Color;
    if (members & kFontCharset)
        target.Charset = source.Charset;
}

} // namespace qv
