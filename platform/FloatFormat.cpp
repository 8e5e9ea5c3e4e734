// Pattern-based number formatting: section choice, placeholder analysis and digit placement.
#include "platform/FloatFormat.h"

#include "platform/DecimalDigits.h"
#include "platform/Locale.h"
#include "platform/PatternQuotes.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace qv {

namespace {

constexpr size_t kMaxSections = 3;

// "E+0", "e-00", ...: an exponent marker followed by at least one zero.
bool IsExponentAt(std::string_view s, size_t i)
{
    return (s[i] == 'E' || s[i] == 'e') && i + 2 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') && s[i + 2] == '0';
}

size_t ZerosFrom(std::string_view s, size_t i)
{
    size_t n = 0;
    while (i + n < s.size() && s[i + n] == '0')
        ++n;
    return n;
}

// Sections split at ";" outside quotes; anything past a third ";" belongs to no section.
std::vector<std::string_view> SplitSections(std::string_view pattern)
{
    std::vector<std::string_view> sections;
    size_t start = 0;
    for (size_t i = 0; i < pattern.size();) {
        if (IsQuote(pattern[i])) {
            QuotedText(pattern, i, i);
            continue;
        }
        if (pattern[i] == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
        ++i;
    }
    sections.push_back(pattern.substr(start));
    if (sections.size() > kMaxSections)
        sections.resize(kMaxSections);
    return sections;
}

// What a section's placeholders ask for.
struct Layout {
    int IntegerPlaceholders = 0;
    int LeadingZeros = 0; // integer places always shown, counted from the first "0" to the point
    int Decimals = 0;
    int MinDecimals = 0; // decimal places kept when trailing zeros are dropped
    bool Thousands = false;
    bool Scientific = false;
    int ExponentDigits = 0;
};

Layout AnalyseSection(std::string_view s)
{
    Layout l;
    bool inDecimals = false;
    int firstZero = -1;
    for (size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (IsQuote(c)) {
            QuotedText(s, i, i);
            continue;
        }
        if (IsExponentAt(s, i)) {
            l.Scientific = true;
            l.ExponentDigits = static_cast<int>(ZerosFrom(s, i + 2));
            break;
        }
        if ((c == '0' || c == '#') && inDecimals) {
            ++l.Decimals;
            if (c == '0')
                l.MinDecimals = l.Decimals;
        } else if (c == '0' || c == '#') {
            if (c == '0' && firstZero < 0)
                firstZero = l.IntegerPlaceholders;
            ++l.IntegerPlaceholders;
        } else if (c == '.') {
            inDecimals = true;
        } else if (c == ',' && !inDecimals) {
            l.Thousands = true;
        }
        ++i;
    }
    if (firstZero >= 0)
        l.LeadingZeros = l.IntegerPlaceholders - firstZero;
    if (l.Scientific)
        l.Thousands = false;
    return l;
}

// Rounds to the section's decimals; in scientific notation to its mantissa digits, the exponent going to `shown`.
DecimalDigits RoundForLayout(const Layout& l, DecimalDigits d, int& shown)
{
    shown = 0;
    if (!l.Scientific)
        RoundDecimalPlaces(d, l.Decimals);
    if (!l.Scientific || d.IsZero())
        return d;
    const int mantissaDigits = std::max(1, l.IntegerPlaceholders);
    shown = d.Exponent - mantissaDigits;
    d.Exponent = mantissaDigits;
    RoundDecimalPlaces(d, l.Decimals);
    if (d.Exponent > mantissaDigits) { // 9.99 became 10.0
        d.Exponent = mantissaDigits;
        ++shown;
    }
    return d;
}

// The digit strings the placeholders take.
struct Digits {
    std::string Integer;
    std::string Fraction;
    int Exponent = 0;
};

Digits MakeDigits(const Layout& l, const DecimalDigits& d, int shownExponent)
{
    Digits r;
    const int n = static_cast<int>(d.Digits.size());
    for (int i = 0; i < d.Exponent; ++i)
        r.Integer += i < n ? d.Digits[i] : '0';
    if (static_cast<int>(r.Integer.size()) < l.LeadingZeros)
        r.Integer.insert(0, l.LeadingZeros - r.Integer.size(), '0');
    for (int i = 0; i < l.Decimals; ++i) {
        const int k = d.Exponent + i;
        r.Fraction += k >= 0 && k < n ? d.Digits[k] : '0';
    }
    while (static_cast<int>(r.Fraction.size()) > l.MinDecimals && r.Fraction.back() == '0')
        r.Fraction.pop_back();
    r.Exponent = shownExponent;
    return r;
}

// Walks a section, writing literals where they stand and digits at the placeholders.
class SectionWriter {
public:
    SectionWriter(const Layout& layout, const Digits& digits, const Locale& locale)
        : m_layout(layout), m_digits(digits), m_locale(locale)
    {
    }

    std::string Write(std::string_view s);

private:
    int IntegerLength() const { return static_cast<int>(m_digits.Integer.size()); }

    // First integer digit of placeholder k; the first placeholder also takes every digit beyond the placeholders.
    int PlaceholderBegin(int k) const
    {
        if (k == 0)
            return 0;
        if (k >= m_layout.IntegerPlaceholders)
            return IntegerLength();
        return std::clamp(k + IntegerLength() - m_layout.IntegerPlaceholders, 0, IntegerLength());
    }

    void IntegerDigits(int begin, int end)
    {
        for (int j = begin; j < end; ++j) {
            m_out += m_digits.Integer[j];
            const int fromRight = IntegerLength() - 1 - j;
            if (m_layout.Thousands && fromRight > 0 && fromRight % 3 == 0)
                m_out += m_locale.ThousandSeparator;
        }
    }

    void IntegerPlaceholder()
    {
        IntegerDigits(PlaceholderBegin(m_integerIndex), PlaceholderBegin(m_integerIndex + 1));
        ++m_integerIndex;
    }

    void DecimalPlaceholder()
    {
        if (m_decimalIndex < static_cast<int>(m_digits.Fraction.size()))
            m_out += m_digits.Fraction[m_decimalIndex];
        ++m_decimalIndex;
    }

    // With no integer placeholder the integer digits stand before the point or the exponent.
    void UnplacedInteger()
    {
        if (m_layout.IntegerPlaceholders == 0 && !m_unplacedWritten)
            IntegerDigits(0, IntegerLength());
        m_unplacedWritten = true;
    }

    void Exponent(char marker, char sign)
    {
        m_out += marker;
        if (m_digits.Exponent < 0)
            m_out += '-';
        else if (sign == '+')
            m_out += '+';
        std::string number = std::to_string(std::abs(m_digits.Exponent));
        if (static_cast<int>(number.size()) < m_layout.ExponentDigits)
            number.insert(0, m_layout.ExponentDigits - number.size(), '0');
        m_out += number;
    }

    void Character(char c, bool afterExponent);

    const Layout& m_layout;
    const Digits& m_digits;
    const Locale& m_locale;
    std::string m_out;
    int m_integerIndex = 0;
    int m_decimalIndex = 0;
    bool m_inDecimals = false;
    bool m_unplacedWritten = false;
};

void SectionWriter::Character(char c, bool afterExponent)
{
    if (c == ',')
        return;
    if (afterExponent || (c != '0' && c != '#' && c != '.')) {
        m_out += c;
    } else if (c == '.') {
        if (!m_inDecimals) {
            UnplacedInteger();
            if (!m_digits.Fraction.empty())
                m_out += m_locale.DecimalSeparator;
        }
        m_inDecimals = true;
    } else if (m_inDecimals) {
        DecimalPlaceholder();
    } else {
        IntegerPlaceholder();
    }
}

std::string SectionWriter::Write(std::string_view s)
{
    bool afterExponent = false;
    for (size_t i = 0; i < s.size();) {
        if (IsQuote(s[i])) {
            m_out += QuotedText(s, i, i);
            continue;
        }
        if (!afterExponent && IsExponentAt(s, i)) {
            UnplacedInteger();
            Exponent(s[i], s[i + 1]);
            i += 2 + ZerosFrom(s, i + 2);
            afterExponent = true;
            continue;
        }
        Character(s[i], afterExponent);
        ++i;
    }
    return m_out;
}

} // namespace

std::string FormatFloat(const std::string& pattern, double value, const Locale& locale)
{
    if (pattern.empty() || !std::isfinite(value))
        return FloatToStrGeneral(value, locale);
    const std::vector<std::string_view> sections = SplitSections(pattern);
    const DecimalDigits digits = ToDecimalDigits(value, 15);
    std::string_view section = sections[0];
    bool minus = value < 0;
    if (minus && sections.size() > 1 && !sections[1].empty()) {
        section = sections[1];
        minus = false;
    }
    Layout layout = AnalyseSection(section);
    int shownExponent = 0;
    DecimalDigits rounded = RoundForLayout(layout, digits, shownExponent);
    // An empty section stands for the general format, which rounds nothing away.
    if (section.empty() ? digits.IsZero() : rounded.IsZero()) {
        minus = false;
        section = sections.size() > 2 && !sections[2].empty() ? sections[2] : sections[0];
        layout = AnalyseSection(section);
        rounded = DecimalDigits{};
        shownExponent = 0;
    }
    if (section.empty())
        return FloatToStrGeneral(value, locale);
    const std::string text = SectionWriter(layout, MakeDigits(layout, rounded, shownExponent), locale).Write(section);
    return minus ? "-" + text : text;
}

} // namespace qv
