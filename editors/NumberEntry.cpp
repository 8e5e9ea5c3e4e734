// The number editor's format reduction, character filter and text reading.
#include "editors/NumberEntry.h"

#include "platform/Locale.h"
#include "platform/NumberParse.h"

namespace qv {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

TXLNumberFormat NumberFormatFor(std::string_view displayFormat)
{
    const std::string_view section = displayFormat.substr(0, displayFormat.find(';'));
    TXLNumberFormat result;
    for (char c : section)
        if (IsDigit(c) || c == '+' || c == '-' || c == '#' || c == ',' || c == '.' || c == 'E' || c == 'e')
            result.Format += c;
    const std::size_t point = result.Format.find('.');
    result.IntegerMode = point == std::string::npos;
    if (!result.IntegerMode && section.find('%') != std::string_view::npos)
        result.Format += "##";
    if (!result.IntegerMode)
        for (std::size_t i = point + 1; i < result.Format.size(); ++i)
            if (result.Format[i] == '#' || result.Format[i] == '0')
                result.Step /= 10;
    return result;
}

bool IsValidNumberChar(char32_t ch, const TXLNumberTyping& typing, const Locale& locale)
{
    if (typing.FormulaEntry && (ch == '=' || typing.Text.find('=') != std::string_view::npos))
        return true;
    if (ch == '\r')
        return false;
    if ((ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == 8)
        return true;
    const char separator = locale.DecimalSeparator;
    if (typing.IntegerMode || typing.TextOutsideSelection.find(separator) != std::string_view::npos)
        return false;
    return ch == char32_t(static_cast<unsigned char>(separator)) || ch == 'E' || ch == 'e';
}

double ReadNumberText(std::string_view text, bool integerMode, const Locale& locale)
{
    std::string kept;
    for (char c : text)
        if (IsDigit(c) || c == '+' || c == '-' ||
            (!integerMode && (c == locale.DecimalSeparator || c == 'E' || c == 'e')))
            kept += c;
    if (kept.empty())
        return 0;
    return StrToFloat(kept, locale);
}

} // namespace qv
