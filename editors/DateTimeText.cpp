// Writing and reading the date editor's text.
#include "editors/DateTimeText.h"

#include "cells/DateTextParse.h"
#include "editors/CalendarDates.h"
#include "platform/DateParse.h"
#include "platform/DateTimeFormat.h"

#include <algorithm>

namespace qv {

std::string DateTimeText(const std::string& format, TDateTime value, const Locale& locale)
{
    return value == 0 ? std::string() : FormatDateTime(format, value, locale);
}

TDateTime ParseDateTimeText(std::string_view text, TXLDateTimeMode mode, TDateTime base, const Locale& locale)
{
    switch (mode) {
    case TXLDateTimeMode::DateAndTime:
        return TryStrToDateTime(text, locale).value_or(base);
    case TXLDateTimeMode::DateOnly: {
        // The free-form reader fills what is missing with today's, so text without a number would read as today.
        if (std::ranges::none_of(text, [](char c) { return c >= '0' && c <= '9'; }))
            return base;
        const TDateTime date = ParseDate(text);
        return date == 0 ? base : WithTime(DatePart(date), TimePart(base));
    }
    case TXLDateTimeMode::TimeOnly: {
        // The free-form reader gives 0 for both midnight and nonsense; the strict one tells them apart.
        TDateTime time = ParseTime(text);
        if (time == 0 && !TryStrToTime(text, locale))
            return base;
        return WithTime(DatePart(base), TimePart(time));
    }
    }
    return base;
}

} // namespace qv
