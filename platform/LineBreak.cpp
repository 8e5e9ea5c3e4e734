// The line-break opportunities of a line of text.
#include "platform/LineBreak.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <iterator>

namespace qv {

namespace {

enum TCharClass : unsigned char { ccBlank, ccWide, ccOther };

// Ideographs, kana, hangul, CJK punctuation and the full-width forms: a line may break between any two of them.
bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303F) || (c >= 0x3040 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7AF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

// No line begins with these.
constexpr char32_t kClosing[] = {
    U'!',      U')',      U',',      U'.',      U':',      U';',      U'?',      U']',      U'}',
    U'%',      U'\u3001', U'\u3002', U'\uFF0C', U'\uFF0E', U'\uFF1A', U'\uFF1B', U'\uFF1F', U'\uFF01',
    U'\uFF09', U'\uFF3D', U'\uFF5D', U'\uFF05', U'\u300B', U'\u300D', U'\u300F', U'\u3011', U'\u3015',
    U'\u3009', U'\u3017', U'\u3019', U'\u301B', U'\u2019', U'\u201D', U'\u2026', U'\u00B7', U'\u30FB',
    U'\u3005', U'\u30FC', U'\uFF5E', U'\uFF64', U'\uFF61',
};

// No line ends with these.
constexpr char32_t kOpening[] = {
    U'(',      U'[',      U'{',      U'\uFF08', U'\uFF3B', U'\uFF5B', U'\u300A', U'\u300C', U'\u300E',
    U'\u3010', U'\u3014', U'\u3008', U'\u3016', U'\u3018', U'\u301A', U'\u2018', U'\u201C',
};

bool IsClosing(char32_t c)
{
    return std::find(std::begin(kClosing), std::end(kClosing), c) != std::end(kClosing);
}

bool IsOpening(char32_t c)
{
    return std::find(std::begin(kOpening), std::end(kOpening), c) != std::end(kOpening);
}

TCharClass ClassOf(char32_t c)
{
    return c == U' ' || c == U'\t' ? ccBlank : IsWide(c) ? ccWide : ccOther;
}

} // namespace

std::vector<std::size_t> LineBreakOffsets(std::string_view line)
{
    std::vector<std::size_t> offsets;
    bool seenText = false; // leading blanks are an indent, not a break
    char32_t before = 0;
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t start = pos;
        const char32_t c = DecodeUtf8(line, pos);
        const TCharClass cls = ClassOf(c);
        if (start > 0 && seenText && cls != ccBlank) {
            const TCharClass beforeCls = ClassOf(before);
            const bool afterBlanks = beforeCls == ccBlank;
            const bool aroundWide = (beforeCls == ccWide || cls == ccWide) && !IsClosing(c) && !IsOpening(before);
            if ((afterBlanks && !IsClosing(c)) || aroundWide)
                offsets.push_back(start);
        }
        seenText = seenText || cls != ccBlank;
        before = c;
    }
    return offsets;
}

} // namespace qv
