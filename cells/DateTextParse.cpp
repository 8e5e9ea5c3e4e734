// Tokenising typed date and time text and filling the parts in the locale's order.
#include "cells/DateTextParse.h"

#include "platform/AsciiText.h"
#include "platform/DateParse.h"
#include "sheet/Manager.h"

#include <cctype>
#include <string>
#include <vector>

namespace qv {

namespace {

// A run of letters (any non-ASCII byte counts as one, so that UTF-8 month names stay whole) or of digits.
struct Token {
    std::string Text; // upper-cased
    bool Letters = false;
    int Number = 0; // digits only; large runs saturate
};

bool IsLetterByte(unsigned char c)
{
    return std::isalpha(c) || c >= 0x80;
}

std::string UpperAscii(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::vector<Token> Tokenize(std::string_view text)
{
    constexpr int kSaturated = 999'999'999;
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool letter = IsLetterByte(c);
        if (!letter && !std::isdigit(c)) {
            ++i;
            continue;
        }
        Token token;
        token.Letters = letter;
        while (i < text.size()) {
            const auto d = static_cast<unsigned char>(text[i]);
            if (letter ? !IsLetterByte(d) : !std::isdigit(d))
                break;
            token.Text += static_cast<char>(std::toupper(d));
            if (!letter)
                token.Number = token.Number >= kSaturated / 10 ? kSaturated : token.Number * 10 + (d - '0');
            ++i;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

// The letters of `letters` in the order of their first appearance in the upper-cased format.
std::string OrderOf(std::string_view format, std::string_view letters)
{
    std::string order;
    for (char c : UpperAscii(format))
        if (letters.find(c) != std::string_view::npos && order.find(c) == std::string::npos)
            order += c;
    return order;
}

void RemoveLetter(std::string& order, char letter)
{
    if (const size_t at = order.find(letter); at != std::string::npos)
        order.erase(at, 1);
}

// 1..12 for a month name of the locale, the system locale or US English (short names first); 0 for none.
int MonthOf(const std::string& word, const Locale& locale)
{
    const Locale* sources[] = {&locale, &Locale::ChinaDefault(), &Locale::UnitedStates()};
    for (const Locale* source : sources)
        for (const auto* names : {&source->ShortMonthNames, &source->LongMonthNames})
            for (int m = 0; m < 12; ++m)
                if (!(*names)[m].empty() && UpperAscii((*names)[m]) == word)
                    return m + 1;
    return 0;
}

// 1 morning, 2 afternoon, 0 neither.
int HalfDayOf(const std::string& word, const Locale& locale)
{
    if (word == UpperAscii(locale.TimeAMString) || word == "AM" || word == "A")
        return 1;
    if (word == UpperAscii(locale.TimePMString) || word == "PM" || word == "P")
        return 2;
    return 0;
}

} // namespace

TDateTime ParseDate(std::string_view text)
{
    text = TrimSpace(text);
    if (text.empty())
        return 0;
    const Locale& locale = XLManager().Desktop().GetLocale();
    const std::string fullOrder = OrderOf(locale.ShortDateFormat, "DMY");
    std::string order = fullOrder;
    const DateParts today = DecodeDate(Today());
    int day = today.Day, month = today.Month, year = today.Year;

    const std::vector<Token> tokens = Tokenize(text);
    size_t next = 0;
    for (int round = 0; round < 3; ++round) {
        for (; next < tokens.size() && tokens[next].Letters; ++next)
            if (const int m = MonthOf(tokens[next].Text, locale)) {
                month = m;
                RemoveLetter(order, 'M');
            }
        if (next >= tokens.size())
            break;
        const int n = tokens[next++].Number;
        if (order.empty())
            continue;
        char letter = order[0];
        if (n >= 1000)
            letter = 'Y';
        else if (n > 12 && letter != 'Y')
            letter = 'D';
        (letter == 'Y' ? year : letter == 'M' ? month : day) = n;
        RemoveLetter(order, letter);
    }

    if (year >= 100)
        return TryEncodeDate(year, month, day).value_or(0);
    // A short year goes through the locale's own reading so that its century window applies.
    std::string written;
    for (char letter : fullOrder) {
        if (!written.empty())
            written += locale.DateSeparator;
        written += std::to_string(letter == 'Y' ? year : letter == 'M' ? month : day);
    }
    return TryStrToDate(written, locale).value_or(0);
}

TDateTime ParseTime(std::string_view text)
{
    const Locale& locale = XLManager().Desktop().GetLocale();
    std::string order = OrderOf(locale.LongTimeFormat, "HMNSZ");
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    int halfDay = 0;

    const std::vector<Token> tokens = Tokenize(text);
    size_t next = 0;
    for (int round = 0; round < 4; ++round) {
        for (; next < tokens.size() && tokens[next].Letters; ++next)
            if (halfDay == 0)
                halfDay = HalfDayOf(tokens[next].Text, locale);
        if (next >= tokens.size())
            break;
        const int n = tokens[next++].Number;
        if (order.empty())
            continue;
        const char letter = order[0];
        (letter == 'H' ? hour : letter == 'M' || letter == 'N' ? minute : letter == 'S' ? second : millisecond) = n;
        order.erase(0, 1);
    }

    if (halfDay == 2 && hour <= 12)
        hour += 12;
    hour %= 24;
    if (minute > 59)
        minute = 0;
    if (second > 59)
        second = 0;
    while (millisecond > 999)
        millisecond /= 10;
    return TryEncodeTime(hour, minute, second, millisecond).value_or(0);
}

} // namespace qv
