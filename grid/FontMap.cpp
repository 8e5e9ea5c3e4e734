// Font names mapped to installed families, and the process-wide table of Qt fonts with their metrics.
#include "grid/FontMap.h"

#include "platform/AsciiText.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace qv {

namespace {

constexpr int kDefaultPixelSize = 12;
const QString kCjkFallback = QStringLiteral("Noto Sans CJK SC");

struct FamilyMapping {
    std::string_view name;
    const char* family;
};

// Windows families the sheets name, and what Debian's fonts-liberation and fonts-noto-cjk offer in their place.
constexpr FamilyMapping kFamilies[] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"\xE5\xAE\x8B\xE4\xBD\x93", "Noto Serif CJK SC"}, // 宋体
    {"SimSun", "Noto Serif CJK SC"},
    {"\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93", "Noto Serif CJK SC"}, // 新宋体
    {"NSimSun", "Noto Serif CJK SC"},
    {"\xE4\xBB\xBF\xE5\xAE\x8B_GB2312", "Noto Serif CJK SC"}, // 仿宋_GB2312
    {"\xE6\xA5\xB7\xE4\xBD\x93_GB2312", "Noto Serif CJK SC"}, // 楷体_GB2312
    {"\xE9\xBB\x91\xE4\xBD\x93", "Noto Sans CJK SC"},         // 黑体
    {"SimHei", "Noto Sans CJK SC"},
    {"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91", "Noto Sans CJK SC"}, // 微软雅黑
    {"Microsoft YaHei", "Noto Sans CJK SC"},
};

// The pixel size whose line height (ascent + descent) is the given cell height.
int PixelSizeForLineHeight(QFont font, int lineHeight)
{
    constexpr int kProbe = 100;
    font.setPixelSize(kProbe);
    const qreal probeHeight = QFontMetricsF(font).height();
    if (probeHeight <= 0)
        return lineHeight;
    return std::max(1, static_cast<int>(std::lround(lineHeight * kProbe / probeHeight)));
}

using FontKey = std::tuple<std::string, int, TFontStyles, int>;

FontKey KeyOf(const TXLFontData& font)
{
    return {font.Name, font.Charset, font.Style, font.Height};
}

// The CJK families' line box is a tall one (ascent and descent add up to about 1.44 em), which does not fit the
// rows the sheets were made for: the Windows Song and Hei fonts have a line of exactly 1 em, the ideographs
// standing on a baseline 0.88 em down. Those metrics are reported for the families standing in for them.
constexpr qreal kCjkAscent = 0.88;

bool IsCjkFamily(const QString& family)
{
    return family.startsWith(QLatin1String("Noto Sans CJK")) || family.startsWith(QLatin1String("Noto Serif CJK"));
}

// Rounded up, with a margin for the sums of fractional advances (ten 6.1-pixel digits may add up to 61.0000001).
int WholePixels(qreal width)
{
    constexpr qreal kSlack = 1.0 / 64;
    return static_cast<int>(std::ceil(width - kSlack));
}

} // namespace

QString MappedFamily(std::string_view name)
{
    for (const FamilyMapping& mapping : kFamilies)
        if (EqualsIgnoreCase(mapping.name, name))
            return QString::fromUtf8(mapping.family);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QFont QtFontFor(const TXLFontData& data)
{
    QFont font;
    const QString family = MappedFamily(data.Name);
    font.setFamilies(family == kCjkFallback ? QStringList{family} : QStringList{family, kCjkFallback});
    font.setBold((data.Style & fsBold) != 0);
    font.setItalic((data.Style & fsItalic) != 0);
    font.setUnderline((data.Style & fsUnderline) != 0);
    font.setStrikeOut((data.Style & fsStrikeOut) != 0);
    font.setKerning(false);
    if (data.Height < 0)
        font.setPixelSize(-data.Height);
    else if (data.Height > 0)
        font.setPixelSize(IsCjkFamily(family) ? data.Height : PixelSizeForLineHeight(font, data.Height));
    else
        font.setPixelSize(kDefaultPixelSize);
    return font;
}

bool SameQtFont(const TXLFontData& a, const TXLFontData& b)
{
    return a.Height == b.Height && a.Style == b.Style && a.Charset == b.Charset && a.Name == b.Name;
}

int QtFontEntry::PlainWidth(std::string_view run) const
{
    qreal width = 0;
    for (const char c : run) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= PlainAdvance.size() || PlainAdvance[code] <= 0)
            return -1;
        width += PlainAdvance[code];
    }
    return WholePixels(width);
}

int QtFontEntry::ExactWidth(std::string_view run) const
{
    return WholePixels(
        ExactMetrics.horizontalAdvance(QString::fromUtf8(run.data(), static_cast<qsizetype>(run.size()))));
}

const QtFontEntry& QtFontEntryFor(const TXLFontData& data)
{
    // Entries are never dropped: canvases keep pointers to them, and a program shows few distinct fonts.
    static std::map<FontKey, std::unique_ptr<QtFontEntry>> entries;
    const FontKey key = KeyOf(data);
    auto found = entries.find(key);
    if (found == entries.end()) {
        const QFont font = QtFontFor(data);
        auto entry = std::make_unique<QtFontEntry>(data, font);
        entry->Key.Color = clDefault;
        if (IsCjkFamily(font.families().front())) {
            entry->Height = font.pixelSize();
            entry->Ascent = qRound(font.pixelSize() * kCjkAscent);
        } else {
            entry->Height = entry->Metrics.height();
            entry->Ascent = entry->Metrics.ascent();
        }
        entry->AveCharWidth = std::max(1, entry->Metrics.averageCharWidth());
        entry->Raw = QRawFont::fromFont(font);
        for (char c = ' '; c < 0x7F && entry->Raw.isValid(); ++c) {
            if (std::isalpha(static_cast<unsigned char>(c)))
                continue;
            const QChar code = QLatin1Char(c);
            quint32 glyph = 0;
            int glyphs = 1;
            if (!entry->Raw.glyphIndexesForChars(&code, 1, &glyph, &glyphs) || glyphs != 1 || glyph == 0)
                continue;
            entry->PlainGlyph[static_cast<std::size_t>(c)] = glyph;
            entry->PlainAdvance[static_cast<std::size_t>(c)] = entry->ExactMetrics.horizontalAdvance(code);
        }
        found = entries.emplace(key, std::move(entry)).first;
    }
    return *found->second;
}

} // namespace qv
