// Pattern-based date-time formatting: token scanning, hour/minute disambiguation and locale format expansion.
#include "platform/DateTimeFormat.h"

#include "platform/Locale.h"
#include "platform/PatternQuotes.h"

#include <string_view>

namespace qv {

namespace {

// Locale formats may name each other ("c" holds the short date format); self-reference must end.
constexpr int kMaxNesting = 4;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view s, size_t i, std::string_view word)
{
    if (s.size() - i < word.size())
        return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (Lower(s[i + k]) != word[k])
            return false;
    return true;
}

// Length of the am/pm, ampm or a/p token at `i`, 0 when there is none.
size_t AmPmLength(std::string_view s, size_t i)
{
    for (std::string_view token : {"am/pm", "ampm", "a/p"})
        if (StartsWithNoCase(s, i, token))
            return token.size();
    return 0;
}

size_t RunLength(std::string_view s, size_t i)
{
    size_t n = 1;
    while (i + n < s.size() && Lower(s[i + n]) == Lower(s[i]))
        ++n;
    return n;
}

// An hour token shows a 12-hour clock when an am/pm marker comes before the next hour token.
bool UsesTwelveHourClock(std::string_view s, size_t from)
{
    for (size_t i = from; i < s.size();) {
        if (IsQuote(s[i])) {
            QuotedText(s, i, i);
            continue;
        }
        if (Lower(s[i]) == 'h')
            return false;
        if (AmPmLength(s, i) > 0)
            return true;
        ++i;
    }
    return false;
}

std::string Padded(int number, size_t width)
{
    std::string text = std::to_string(number);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

class DateTimeWriter {
public:
    DateTimeWriter(TDateTime value, const Locale& locale)
        : m_date(DecodeDate(value)), m_time(DecodeTime(value)), m_weekday(DayOfWeek(value)), m_locale(locale)
    {
    }

    void Write(std::string_view pattern, int depth);
    std::string Text() const { return m_out; }

private:
    bool IsMidnight() const
    {
        return m_time.Hour == 0 && m_time.Minute == 0 && m_time.Second == 0 && m_time.Millisecond == 0;
    }

    void Number(int number, size_t run, size_t padFrom) { m_out += Padded(number, run >= padFrom ? padFrom : 0); }
    void Hour(std::string_view s, size_t i, size_t run);
    void AmPm(std::string_view token);
    void Day(size_t run, int depth);
    void Month(size_t run);
    void Combined(int depth);
    // Writes the letter token at `i`; returns its length.
    size_t Token(std::string_view s, size_t i, bool afterHour, int depth);

    DateParts m_date;
    TimeParts m_time;
    int m_weekday;
    const Locale& m_locale;
    std::string m_out;
};

void DateTimeWriter::Hour(std::string_view s, size_t i, size_t run)
{
    int hour = m_time.Hour;
    if (UsesTwelveHourClock(s, i + run)) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    Number(hour, run, 2);
}

// "am/pm" and "a/p" keep the letter case of the pattern; "ampm" takes the locale's markers.
void DateTimeWriter::AmPm(std::string_view token)
{
    const bool morning = m_time.Hour < 12;
    if (token.size() == 4)
        m_out += morning ? m_locale.TimeAMString : m_locale.TimePMString;
    else if (token.size() == 5)
        m_out += morning ? token.substr(0, 2) : token.substr(3, 2);
    else
        m_out += morning ? token[0] : token[2];
}

void DateTimeWriter::Day(size_t run, int depth)
{
    if (run <= 2)
        Number(m_date.Day, run, 2);
    else if (run == 3)
        m_out += m_locale.ShortDayNames[m_weekday];
    else if (run == 4)
        m_out += m_locale.LongDayNames[m_weekday];
    else
        Write(run == 5 ? m_locale.ShortDateFormat : m_locale.LongDateFormat, depth + 1);
}

void DateTimeWriter::Month(size_t run)
{
    if (run <= 2)
        Number(m_date.Month, run, 2);
    else
        m_out += (run == 3 ? m_locale.ShortMonthNames : m_locale.LongMonthNames)[m_date.Month - 1];
}

void DateTimeWriter::Combined(int depth)
{
    Write(m_locale.ShortDateFormat, depth + 1);
    if (!IsMidnight()) {
        m_out += ' ';
        Write(m_locale.LongTimeFormat, depth + 1);
    }
}

size_t DateTimeWriter::Token(std::string_view s, size_t i, bool afterHour, int depth)
{
    const char letter = Lower(s[i]);
    const size_t run = letter == 'c' ? 1 : RunLength(s, i);
    switch (letter) {
    case 'c':
        Combined(depth);
        break;
    case 'd':
        Day(run, depth);
        break;
    case 'm':
        if (afterHour && run <= 2)
            Number(m_time.Minute, run, 2);
        else
            Month(run);
        break;
    case 'y':
        m_out += run <= 2 ? Padded(m_date.Year % 100, 2) : Padded(m_date.Year, 4);
        break;
    case 'h':
        Hour(s, i, run);
        break;
    case 'n':
        Number(m_time.Minute, run, 2);
        break;
    case 's':
        Number(m_time.Second, run, 2);
        break;
    case 'z':
        Number(m_time.Millisecond, run, 3);
        break;
    case 't':
        Write(run == 1 ? m_locale.ShortTimeFormat : m_locale.LongTimeFormat, depth + 1);
        break;
    default:
        return 0;
    }
    return run;
}

void DateTimeWriter::Write(std::string_view s, int depth)
{
    if (depth > kMaxNesting)
        return;
    bool afterHour = false; // only letter tokens change it; separators and literals keep it
    for (size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (IsQuote(c)) {
            m_out += QuotedText(s, i, i);
        } else if (c == '/' || c == ':') {
            m_out += c == '/' ? m_locale.DateSeparator : m_locale.TimeSeparator;
            ++i;
        } else if (const size_t amPm = AmPmLength(s, i)) {
            AmPm(s.substr(i, amPm));
            afterHour = false;
            i += amPm;
        } else if (const size_t run = Token(s, i, afterHour, depth)) {
            afterHour = Lower(c) == 'h';
            i += run;
        } else {
            m_out += c; // literals, UTF-8 bytes included
            ++i;
        }
    }
}

} // namespace

std::string FormatDateTime(const std::string& pattern, TDateTime value, const Locale& locale)
{
    if (!IsRepresentable(value))
        return kUnrepresentableDateTime;
    DateTimeWriter writer(value, locale);
    writer.Write(pattern.empty() ? std::string_view("c") : std::string_view(pattern), 0);
    return writer.Text();
}

} // namespace qv
