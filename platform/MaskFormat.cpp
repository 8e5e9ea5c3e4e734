// Edit-mask parsing and display formatting.
#include "platform/MaskFormat.h"

#include <string_view>

namespace qv {

namespace {

size_t CodePointLength(std::string_view s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    const size_t want = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    size_t n = 1;
    // A broken sequence ends at the first byte that is not a continuation byte.
    while (n < want && i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

std::vector<std::string> CodePoints(std::string_view s)
{
    std::vector<std::string> points;
    for (size_t i = 0; i < s.size();) {
        const size_t n = CodePointLength(s, i);
        points.emplace_back(s.substr(i, n));
        i += n;
    }
    return points;
}

MaskItem Placeholder(MaskKind kind, bool required, MaskCase caseMode)
{
    return MaskItem{kind, required, caseMode, {}};
}

MaskItem LiteralItem(std::string text)
{
    return MaskItem{MaskKind::Literal, false, MaskCase::Unchanged, std::move(text)};
}

// The placeholder a mask character stands for; a literal when it is none.
MaskItem ItemFor(const std::string& c, MaskCase caseMode)
{
    if (c.size() != 1)
        return LiteralItem(c);
    switch (c[0]) {
    case 'L':
        return Placeholder(MaskKind::Letter, true, caseMode);
    case 'l':
        return Placeholder(MaskKind::Letter, false, caseMode);
    case 'A':
        return Placeholder(MaskKind::LetterOrDigit, true, caseMode);
    case 'a':
        return Placeholder(MaskKind::LetterOrDigit, false, caseMode);
    case 'C':
        return Placeholder(MaskKind::AnyCharacter, true, caseMode);
    case 'c':
        return Placeholder(MaskKind::AnyCharacter, false, caseMode);
    case '0':
        return Placeholder(MaskKind::Digit, true, caseMode);
    case '9':
        return Placeholder(MaskKind::Digit, false, caseMode);
    case '#':
        return Placeholder(MaskKind::DigitOrSign, false, caseMode);
    default:
        return LiteralItem(c);
    }
}

// Reads the mask characters up to the first unescaped ";"; returns the index just past it (or the end).
size_t ParseItems(const std::vector<std::string>& chars, EditMask& mask)
{
    MaskCase caseMode = MaskCase::Unchanged;
    size_t i = 0;
    for (; i < chars.size() && chars[i] != ";"; ++i) {
        const std::string& c = chars[i];
        if (c == "!") {
            mask.RightAligned = true;
        } else if (c == "<" && i + 1 < chars.size() && chars[i + 1] == ">") {
            caseMode = MaskCase::Unchanged;
            ++i;
        } else if (c == "<" || c == ">") {
            caseMode = c == "<" ? MaskCase::Lower : MaskCase::Upper;
        } else if (c == "\\") {
            if (++i < chars.size())
                mask.Items.push_back(LiteralItem(chars[i]));
        } else {
            mask.Items.push_back(ItemFor(c, caseMode));
        }
    }
    return i < chars.size() ? i + 1 : i;
}

std::string Converted(std::string c, MaskCase caseMode)
{
    if (c.size() == 1 && caseMode == MaskCase::Upper && c[0] >= 'a' && c[0] <= 'z')
        c[0] = static_cast<char>(c[0] - 'a' + 'A');
    else if (c.size() == 1 && caseMode == MaskCase::Lower && c[0] >= 'A' && c[0] <= 'Z')
        c[0] = static_cast<char>(c[0] - 'A' + 'a');
    return c;
}

size_t PlaceholderCount(const EditMask& mask)
{
    size_t n = 0;
    for (const MaskItem& item : mask.Items)
        n += item.Kind != MaskKind::Literal;
    return n;
}

} // namespace

EditMask ParseEditMask(const std::string& mask)
{
    EditMask parsed;
    const std::vector<std::string> chars = CodePoints(mask);
    size_t i = ParseItems(chars, parsed);
    if (i < chars.size() && chars[i] != ";")
        parsed.SaveLiterals = chars[i] != "0";
    while (i < chars.size() && chars[i] != ";")
        ++i;
    if (i + 1 < chars.size())
        parsed.Blank = chars[i + 1];
    return parsed;
}

std::string FormatMaskText(const std::string& mask, const std::string& text)
{
    const EditMask parsed = ParseEditMask(mask);
    if (parsed.Items.empty())
        return text;
    const std::vector<std::string> chars = CodePoints(text);
    // Positions that take a text character: every item when literals are saved, else the placeholders.
    const size_t slots = parsed.SaveLiterals ? parsed.Items.size() : PlaceholderCount(parsed);
    const size_t skip = parsed.RightAligned && chars.size() < slots ? slots - chars.size() : 0;
    std::string out;
    size_t slot = 0;
    size_t next = 0;
    for (const MaskItem& item : parsed.Items) {
        const std::string* c = nullptr;
        if (parsed.SaveLiterals || item.Kind != MaskKind::Literal) {
            if (slot >= skip && next < chars.size())
                c = &chars[next++];
            ++slot;
        }
        if (item.Kind == MaskKind::Literal)
            out += item.Literal;
        else
            out += c ? Converted(*c, item.Case) : parsed.Blank;
    }
    return out;
}

} // namespace qv
