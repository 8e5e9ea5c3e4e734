// A small scanner over date and time text.
#include "platform/DateParse.h"

#include "platform/AsciiText.h"
#include "platform/Errors.h"
#include "platform/Locale.h"

#include <cctype>
#include <string>

namespace qv {

namespace {

enum class DateOrder { MDY, DMY, YMD };

DateOrder OrderOf(const std::string& shortDateFormat)
{
    for (char c : shortDateFormat) {
        switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'D':
            return DateOrder::DMY;
        case 'Y':
            return DateOrder::YMD;
        case 'M':
            return DateOrder::MDY;
        default:
            break;
        }
    }
    return DateOrder::MDY;
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    void SkipBlanks()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
    }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    size_t Position() const { return m_pos; }

    // A run of up to nine digits; reports how many were written.
    bool Number(int& value, int& digits)
    {
        SkipBlanks();
        value = 0;
        digits = 0;
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            if (digits == 9)
                return false;
            value = value * 10 + (m_text[m_pos++] - '0');
            ++digits;
        }
        return digits > 0;
    }

    bool Char(char c)
    {
        SkipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    // 0 none, 1 morning, 2 afternoon.
    int HalfDayMarker(const Locale& locale)
    {
        SkipBlanks();
        const std::pair<std::string_view, int> markers[] = {
            {locale.TimeAMString, 1}, {locale.TimePMString, 2}, {"AM", 1}, {"PM", 2}};
        for (const auto& [marker, kind] : markers) {
            if (!marker.empty() && EqualsIgnoreCase(m_text.substr(m_pos, marker.size()), marker)) {
                m_pos += marker.size();
                return kind;
            }
        }
        return 0;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
};

int CurrentYear()
{
    return DecodeDate(Today()).Year;
}

std::optional<TDateTime> ScanDate(Scanner& s, const Locale& locale)
{
    int n[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int count = 0;
    if (!s.Number(n[0], digits[0]))
        return std::nullopt;
    count = 1;
    while (count < 3 && s.Char(locale.DateSeparator)) {
        if (!s.Number(n[count], digits[count]))
            return std::nullopt;
        ++count;
    }
    if (count < 2)
        return std::nullopt;
    int year = CurrentYear();
    int month = 0;
    int day = 0;
    int yearDigits = 4;
    const DateOrder order = OrderOf(locale.ShortDateFormat);
    if (count == 2) {
        month = order == DateOrder::DMY ? n[1] : n[0];
        day = order == DateOrder::DMY ? n[0] : n[1];
    } else if (order == DateOrder::MDY) {
        month = n[0], day = n[1], year = n[2], yearDigits = digits[2];
    } else if (order == DateOrder::DMY) {
        day = n[0], month = n[1], year = n[2], yearDigits = digits[2];
    } else {
        year = n[0], month = n[1], day = n[2], yearDigits = digits[0];
    }
    if (yearDigits <= 2)
        year = ExpandTwoDigitYear(year, locale, CurrentYear());
    return TryEncodeDate(year, month, day);
}

std::optional<TDateTime> ScanTime(Scanner& s, const Locale& locale)
{
    int marker = s.HalfDayMarker(locale);
    int hour = 0, minute = 0, second = 0, ms = 0, digits = 0;
    if (!s.Number(hour, digits) || !s.Char(locale.TimeSeparator) || !s.Number(minute, digits))
        return std::nullopt;
    if (s.Char(locale.TimeSeparator)) {
        if (!s.Number(second, digits))
            return std::nullopt;
        if (s.Char(locale.DecimalSeparator) && !s.Number(ms, digits))
            return std::nullopt;
    }
    if (marker == 0)
        marker = s.HalfDayMarker(locale);
    if (marker != 0) {
        if (hour > 12)
            return std::nullopt;
        if (marker == 1 && hour == 12)
            hour = 0;
        else if (marker == 2 && hour < 12)
            hour += 12;
    }
    return TryEncodeTime(hour, minute, second, ms);
}

template <typename Scan> std::optional<TDateTime> Whole(std::string_view text, const Locale& locale, Scan scan)
{
    Scanner s(text);
    auto value = scan(s, locale);
    s.SkipBlanks();
    if (!value || !s.AtEnd())
        return std::nullopt;
    return value;
}

[[noreturn]] void ThrowNot(std::string_view text, const char* what)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid " + what);
}

} // namespace

int ExpandTwoDigitYear(int year, const Locale& locale, int currentYear)
{
    if (locale.TwoDigitYearCenturyWindow <= 0)
        return year + currentYear / 100 * 100;
    const int threshold = currentYear - locale.TwoDigitYearCenturyWindow;
    year += threshold / 100 * 100;
    if (year < threshold)
        year += 100;
    return year;
}

std::optional<TDateTime> TryStrToDate(std::string_view text, const Locale& locale)
{
    return Whole(text, locale, ScanDate);
}

std::optional<TDateTime> TryStrToTime(std::string_view text, const Locale& locale)
{
    return Whole(text, locale, ScanTime);
}

std::optional<TDateTime> TryStrToDateTime(std::string_view text, const Locale& locale)
{
    const auto dateTime = Whole(text, locale, [](Scanner& s, const Locale& l) -> std::optional<TDateTime> {
        const auto date = ScanDate(s, l);
        if (!date)
            return std::nullopt;
        s.SkipBlanks();
        if (s.AtEnd())
            return date;
        const auto time = ScanTime(s, l);
        if (!time)
            return std::nullopt;
        return *date < 0 ? *date - *time : *date + *time;
    });
    return dateTime ? dateTime : TryStrToTime(text, locale);
}

TDateTime StrToDate(std::string_view text, const Locale& locale)
{
    if (const auto v = TryStrToDate(text, locale))
        return *v;
    ThrowNot(text, "date");
}

TDateTime StrToTime(std::string_view text, const Locale& locale)
{
    if (const auto v = TryStrToTime(text, locale))
        return *v;
    ThrowNot(text, "time");
}

TDateTime StrToDateTime(std::string_view text, const Locale& locale)
{
    if (const auto v = TryStrToDateTime(text, locale))
        return *v;
    ThrowNot(text, "date and time");
}

} // namespace qv
