// Number and date-time display for cells and the date editor.
#include "cells/NumberText.h"

#include "platform/DateTimeFormat.h"
#include "platform/FloatFormat.h"
#include "sheet/Manager.h"

namespace qv {

std::string FormatNumber(const std::string& format, double value)
{
    std::string pattern;
    pattern.reserve(format.size());
    bool percent = false;
    for (char c : format) {
        if (c == '%')
            percent = true;
        else
            pattern += c;
    }
    if (percent)
        value *= 100;
    std::string text = FormatFloat(pattern, value, XLManager().Desktop().GetLocale());
    if (percent)
        text += '%';
    return text;
}

std::string FormatDateTimeText(const std::string& format, TDateTime value)
{
    const size_t semicolon = format.find(';');
    std::string pattern;
    if (value != 0) {
        pattern = format.substr(0, semicolon);
    } else {
        // Zero is "no date": it shows only through a section of its own.
        if (semicolon == std::string::npos || semicolon + 1 == format.size())
            return {};
        pattern = format.substr(semicolon + 1);
    }
    return FormatDateTime(pattern, value, XLManager().Desktop().GetLocale());
}

} // namespace qv
