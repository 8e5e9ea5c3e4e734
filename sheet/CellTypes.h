// Small types of the sheet model: sectors and axes, property groups, sides, lines, layout and cell styles.
#pragma once

#include "platform/Colors.h"
#include "platform/Geometry.h"

#include <cstdint>

namespace qv {

// The four panes of a sheet: the column titles, the row titles, the corner where they meet, and the client cells.
enum TXLSector : uint8_t { sCols, sRows, sTitle, sClient };
// The two directions of a sheet; they index per-axis arrays.
enum TXLAxis : uint8_t { axCols, axRows };
// The other axis.
constexpr TXLAxis Across(TXLAxis axis)
{
    return axis == axCols ? axRows : axCols;
}
// A point's coordinate on the axis.
constexpr int& Along(Point& p, TXLAxis axis)
{
    return axis == axCols ? p.x : p.y;
}
constexpr int Along(const Point& p, TXLAxis axis)
{
    return axis == axCols ? p.x : p.y;
}
// The title strip that runs along the axis: the column titles along the column axis.
constexpr TXLSector TitleStrip(TXLAxis axis)
{
    return axis == axCols ? sCols : sRows;
}
// The two parts of an axis: its title items (the negative indexes) and its client items.
enum TXLPart : uint8_t { ptTitles, ptClient };
using TXLAxes = uint8_t; // bit 0: column axis, bit 1: row axis
constexpr TXLAxes AxisBit(TXLAxis axis)
{
    return static_cast<TXLAxes>(1u << axis);
}
inline constexpr TXLAxes kBothAxes = 3;

// Property groups; a TXLProps bit n says group n is held by the object itself.
enum TXLProp : uint8_t {
    prBasedOn,
    prControl,
    prLayout,
    prColor,
    prFont,
    prBorder,
    prFrame,
    prStyles,
    prValue,
    prHint
};
using TXLProps = uint16_t;
constexpr TXLProps PropBit(TXLProp prop)
{
    return static_cast<TXLProps>(1u << prop);
}
inline constexpr TXLProps kAllProps = 0x3FF;
inline constexpr int kPropCount = 10;

// Members of groups, combined into the Members value of Changed and AssignGroup (0 = the whole group).
inline constexpr int kControlClass = 1, kControlEditor = 2, kControlFormat = 4;
inline constexpr int kLayoutHorz = 1, kLayoutVert = 2, kLayoutIndent = 4, kLayoutWrap = 8;
inline constexpr int kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8, kFontName = 16,
                     kFontSize = 32, kFontColor = 64, kFontCharset = 128;

enum TXLSide : uint8_t { sLeft, sTop, sRight, sBottom, sBias1, sBias2, sHInside, sVInside };
using TXLSides = uint8_t;
constexpr TXLSides SideBit(TXLSide side)
{
    return static_cast<TXLSides>(1u << side);
}

// Attribute slots: 0..7 the sides, then these.
inline constexpr int kSlotColor = 8, kSlotFrame = 9, kSlotStyles = 10, kSlotLayout = 11;
inline constexpr int kSlotCount = 12;

enum TXLFrame : uint8_t { frNone, frFlatUp, frFlatDown, frDeepUp, frDeepDown, frBevelUp, frBevelDown };
enum TXLHorzAlign : uint8_t { haLeft, haRight, haCenter };
enum TXLVertAlign : uint8_t { vaTop, vaBottom, vaCenter };
enum TXLWrapMode : uint8_t { wmClip, wmEllipsis, wmWrapWords };

enum TXLCellStyle : uint8_t { csHidden, csProtect, csReadOnly, csNotify, csExtHint, csWriteNotify };
using TXLCellStyles = uint8_t;
constexpr TXLCellStyles CellStyleBit(TXLCellStyle style)
{
    return static_cast<TXLCellStyles>(1u << style);
}

enum TXLPrintMode : uint8_t { pmNormal, pmCustom };

// Whether a walk over cell positions creates the cells missing there or visits the existing ones only.
enum class TXLCellWalk : uint8_t { Existing, Create };
// Whether a merged range counts as holding its own top-left cell.
enum class TXLAnchorRule : uint8_t { Exclude, Include };
// Whether a property record holds the cell class number (a style's does, a cell's does not).
enum class TXLRecordClass : uint8_t { Omitted, Included };
// Whether a change is reported to those who listen for it.
enum class TXLReport : uint8_t { Silent, Notify };

// A line: width 0..3 in bits 29-30, the colour (bits 29-30 cleared) in the rest; 0 is no line.
struct TXLLine {
    int Width = 0;
    TColor Color = clNone;
    bool operator==(const TXLLine&) const = default;
};

constexpr int32_t PackLine(TXLLine line)
{
    if (line.Width == 0 || line.Color == clNone)
        return 0;
    return static_cast<int32_t>((static_cast<uint32_t>(line.Color) & 0x9FFFFFFFu) |
                                ((static_cast<uint32_t>(line.Width) & 3u) << 29));
}

constexpr TXLLine UnpackLine(int32_t packed)
{
    if (packed == 0)
        return {};
    const uint32_t bits = static_cast<uint32_t>(packed);
    return {static_cast<int>((bits >> 29) & 3u), static_cast<TColor>(bits & 0x9FFFFFFFu)};
}

// Layout packed in 32 bits: indent bits 0-15, horizontal alignment 16-19, vertical 20-23, wrap mode 24-27.
struct TXLLayout {
    TXLHorzAlign HorzAlign = haLeft;
    TXLVertAlign VertAlign = vaTop;
    int Indent = 0; // pixels
    TXLWrapMode WrapMode = wmClip;
    bool operator==(const TXLLayout&) const = default;
};

constexpr int32_t PackLayout(TXLLayout l)
{
    return static_cast<int32_t>((static_cast<uint32_t>(l.Indent) & 0xFFFFu) | (uint32_t(l.HorzAlign & 0xF) << 16) |
                                (uint32_t(l.VertAlign & 0xF) << 20) | (uint32_t(l.WrapMode & 0xF) << 24));
}

constexpr TXLLayout UnpackLayout(int32_t packed)
{
    const uint32_t b = static_cast<uint32_t>(packed);
    return {static_cast<TXLHorzAlign>((b >> 16) & 0xF), static_cast<TXLVertAlign>((b >> 20) & 0xF),
            static_cast<int>(b & 0xFFFF), static_cast<TXLWrapMode>((b >> 24) & 0xF)};
}

} // namespace qv
