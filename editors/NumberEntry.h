// The number editor's rules without the widget: the format it edits with, the characters it takes, reading text.
#pragma once

#include <string>
#include <string_view>

namespace qv {

struct Locale;

// How numbers are shown and stepped while edited: from a display format's first section only the digits and
// + - # , . E e are kept. Without "." the editor is in integer mode and steps by 1; with one it steps by 1/10 per
// placeholder after the point; a percentage gets "##" more (the stored fraction has two more decimals).
// "0.00%" gives "0.00##" and step 0.0001; "#,##0" integer mode and step 1; "" the general format.
struct TXLNumberFormat {
    std::string Format;
    bool IntegerMode = true;
    double Step = 1;
};
TXLNumberFormat NumberFormatFor(std::string_view displayFormat);

// Whether a typed character is taken: with formula entry anything once "=" is typed or being typed; otherwise
// digits, + - and Backspace, and the decimal separator, E and e unless in integer mode or the text left after
// removing the selection already holds the separator. Never a carriage return.
struct TXLNumberTyping {
    bool IntegerMode = true;
    bool FormulaEntry = false;
    std::string_view Text; // the whole text, UTF-8
    std::string_view TextOutsideSelection;
};
bool IsValidNumberChar(char32_t ch, const TXLNumberTyping& typing, const Locale& locale);

// The number a typed text stands for: only its digits, + and - (and, unless in integer mode, the decimal separator,
// E and e) are read; nothing left reads as 0. EConvertError for what remains unreadable.
double ReadNumberText(std::string_view text, bool integerMode, const Locale& locale);

} // namespace qv
