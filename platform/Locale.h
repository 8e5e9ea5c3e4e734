// Locale conventions used by conversions and formatting; Locale::ChinaDefault() holds the zh-CN values.
#pragma once

#include <array>
#include <string>

namespace qv {

struct Locale {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat; // pattern language of FormatDateTime
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::array<std::string, 12> ShortMonthNames; // [0] = January
    std::array<std::string, 12> LongMonthNames;
    std::array<std::string, 7> ShortDayNames; // [0] = Sunday
    std::array<std::string, 7> LongDayNames;
    // One character a day for narrow weekday rows (a calendar's): a Chinese short name's first character is the
    // same "周" seven times.
    std::array<std::string, 7> ShortestDayNames;
    int FirstDayOfWeek = 1; // 0 = Sunday, 1 = Monday, ... 6 = Saturday
    std::string TimeAMString;
    std::string TimePMString;
    // Two-digit years fall in the hundred years starting this many years before the current year.
    int TwoDigitYearCenturyWindow = 50;

    // The conventions of the zh-CN locale; the program's default.
    static const Locale& ChinaDefault();
    // US English month and day names; ParseDate falls back on them.
    static const Locale& UnitedStates();
};

} // namespace qv
