// Canvas fonts as Qt fonts: the sheet's font names mapped to families installed on Debian, heights in pixels.
#pragma once

#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRawFont>
#include <QString>

#include <array>
#include <string_view>

namespace qv {

// The installed family that stands in for a font name: "Arial" → "Liberation Sans" (metric-compatible),
// "宋体"/"SimSun" → "Noto Serif CJK SC", "黑体"/"SimHei" → "Noto Sans CJK SC"; other names are kept. ASCII letters
// compare without regard to case.
QString MappedFamily(std::string_view name);

// The Qt font (kerning off, as the sheets' home platform draws cell text): the mapped family with "Noto Sans CJK SC"
// behind it for Chinese text the family lacks; a negative height is the character height in pixels, a positive one the
// line height, 0 the 12-pixel default.
QFont QtFontFor(const TXLFontData& font);

// A Qt font with the metrics the canvas reports for it; built once per distinct font and kept for the process.
struct QtFontEntry {
    QtFontEntry(const TXLFontData& key, const QFont& font) : Key(key), Font(font), Metrics(font), ExactMetrics(font) {}

    TXLFontData Key;
    QFont Font;
    QFontMetrics Metrics;
    QFontMetricsF ExactMetrics; // fractional advances, as the painter places glyphs
    int Height = 0;             // line height; for the CJK families 1 em, as the Windows CJK fonts have it
    int Ascent = 0;             // from the line's top to the baseline
    int AveCharWidth = 0;
    // Advances and glyphs of the ASCII digits, blanks and punctuation of the font itself, which no font kerns or
    // joins (kerning is off): a run of only these is measured and drawn without shaping, the way amounts are.
    // Advance 0 for the other codes.
    QRawFont Raw;
    std::array<qreal, 128> PlainAdvance{};
    std::array<quint32, 128> PlainGlyph{};

    // The run's width by PlainAdvance, rounded up to whole pixels so that all its glyphs lie inside it, or -1 when it
    // holds another character.
    int PlainWidth(std::string_view run) const;
    // The whole pixels a run of any text covers when drawn: its fractional advance rounded up.
    int ExactWidth(std::string_view run) const;
};

// Whether two canvas fonts map to the same Qt font (the colour does not count).
bool SameQtFont(const TXLFontData& a, const TXLFontData& b);

// The entry for a canvas font (style, height and name; the colour does not count). GUI thread only.
const QtFontEntry& QtFontEntryFor(const TXLFontData& font);

} // namespace qv
