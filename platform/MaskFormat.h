// Edit masks: the parsed form of a mask and formatting text through it for display.
#pragma once

#include <string>
#include <vector>

namespace qv {

// Choices: the fields are split at the first unescaped ";" from the left (so "\;" is a literal ";"); case
// conversion touches ASCII letters only; a mask with no items (empty, or only "!", ">" ...) leaves text unchanged.

// What one position of a mask holds.
enum class MaskKind { Literal, Letter, LetterOrDigit, AnyCharacter, Digit, DigitOrSign };
enum class MaskCase { Unchanged, Upper, Lower };

struct MaskItem {
    MaskKind Kind = MaskKind::Literal;
    bool Required = false; // L A C 0
    MaskCase Case = MaskCase::Unchanged;
    std::string Literal; // the code point shown, for literals only
};

// "mask characters;literals-saved flag;blank character", parsed once.
struct EditMask {
    std::vector<MaskItem> Items;
    bool SaveLiterals = true;  // false when the second field is "0": the text holds placeholders only
    bool RightAligned = false; // "!": a short text fills the last placeholders
    std::string Blank = "_";   // one UTF-8 code point shown for an empty placeholder
};

EditMask ParseEditMask(const std::string& mask);

// Places the code points of `text` into the mask's placeholders (and over its literals when literals are saved);
// empty placeholders show the blank, surplus text is dropped, nothing is validated. Cost linear in both.
std::string FormatMaskText(const std::string& mask, const std::string& text);

} // namespace qv
