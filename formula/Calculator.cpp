// Scanning and evaluating formula text in one left-to-right pass.
#include "formula/Calculator.h"

#include "formula/FormulaError.h"
#include "formula/Operators.h"
#include "platform/AsciiText.h"
#include "platform/Locale.h"
#include "platform/NumberParse.h"
#include "sheet/Manager.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <span>

namespace qv {

namespace {

constexpr int kMaxParams = 10;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsNameChar(char c)
{
    return c == '$' || IsDigit(c) || IsLetter(c);
}

void AppendUtf8(std::string& s, uint32_t code)
{
    // A lone surrogate is no character; the code page conversion would give its default character.
    if (code >= 0xD800 && code <= 0xDFFF) {
        s += '?';
    } else if (code < 0x80) {
        s += static_cast<char>(code);
    } else if (code < 0x800) {
        s += static_cast<char>(0xC0 | (code >> 6));
        s += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (code >> 12));
        s += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Names are ASCII, so upper-casing ASCII letters is the locale's upper case for every name a formula can hold.
std::string UpperName(const std::string& name)
{
    std::string upper = name;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

TXLToken KeywordToken(std::string_view name)
{
    if (name.size() == 2)
        return EqualsIgnoreCase(name, "OR") ? tkOr : tkName;
    if (name.size() != 3)
        return tkName;
    static constexpr std::pair<std::string_view, TXLToken> keywords[] = {
        {"DIV", tkDiv}, {"MOD", tkMod}, {"SHL", tkShl}, {"SHR", tkShr}, {"NOT", tkNot}, {"AND", tkAnd}, {"XOR", tkXor},
    };
    for (const auto& [word, token] : keywords)
        if (EqualsIgnoreCase(name, word))
            return token;
    return tkName;
}

} // namespace

TXLCalculator::TXLCalculator(TXLSheet* sheet) : m_sheet(sheet), m_manager(XLManager()), m_locale(m_manager.Desktop().GetLocale())
{
}

void TXLCalculator::Calculate(std::string_view text, Variant& result)
{
    if (CheckOnly)
        result = Variant();
    SetText(text);
    if (NextToken() == tkEnd)
        return;
    ParseComparison(result);
    if (m_token != tkEnd)
        SyntaxError("Unexpected End");
}

void TXLCalculator::SetText(std::string_view text)
{
    m_text = text;
    m_cursor = 0;
    m_token = tkEnd;
    m_nesting = 0;
}

int TXLCalculator::Position() const
{
    return m_cursor > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(m_cursor);
}

void TXLCalculator::SyntaxError() const
{
    throw EXLSyntax(Position());
}

void TXLCalculator::SyntaxError(std::string_view detail) const
{
    throw EXLSyntax(detail, Position());
}

TXLToken TXLCalculator::NextToken()
{
    while (Peek() == ' ')
        ++m_cursor;
    const char c = Peek();
    // The end of the text and a NUL byte end the formula alike; the cursor stays.
    if (c == '\0')
        return m_token = tkEnd;
    m_token = tkError;
    if (IsDigit(c)) {
        ScanNumber();
    } else if (c == '#' || c == '\'' || c == '^') {
        ScanString();
    } else if (c == '$' || c == '_' || IsLetter(c)) {
        ScanName();
    } else {
        ++m_cursor;
        switch (c) {
        case '(':
            m_token = tkOpen;
            break;
        case ')':
            m_token = tkClose;
            break;
        case '*':
            m_token = tkMul;
            break;
        case '+':
            m_token = tkPlus;
            break;
        case '-':
            m_token = tkMinus;
            break;
        case '/':
            m_token = tkDivide;
            break;
        case ',':
        case ';':
            // The list separator is the one character that cannot be the decimal separator; the other is
            // left unread.
            if ((c == ',' && m_locale.DecimalSeparator == '.') || (c == ';' && m_locale.DecimalSeparator == ','))
                m_token = tkListSep;
            else
                --m_cursor;
            break;
        case '<':
            m_token = tkLT;
            if (Peek() == '=') {
                ++m_cursor;
                m_token = tkLE;
            } else if (Peek() == '>') {
                ++m_cursor;
                m_token = tkNE;
            }
            break;
        case '=':
            m_token = tkEQ;
            break;
        case '>':
            m_token = tkGT;
            if (Peek() == '=') {
                ++m_cursor;
                m_token = tkGE;
            }
            break;
        default:
            // Unrecognised: where an operator may follow, evaluation stops quietly here.
            m_token = tkEnd;
            break;
        }
    }
    return m_token;
}

void TXLCalculator::ScanNumber()
{
    const size_t start = m_cursor;
    while (IsDigit(Peek()))
        ++m_cursor;
    const char separator = m_locale.DecimalSeparator;
    if (separator != '\0' && Peek() == separator) {
        ++m_cursor;
        while (IsDigit(Peek()))
            ++m_cursor;
    }
    if (Peek() == 'E' || Peek() == 'e') {
        ++m_cursor;
        if (Peek() == '+' || Peek() == '-')
            ++m_cursor;
        if (!IsDigit(Peek()))
            return; // tkError, cursor after the marker or sign
        while (IsDigit(Peek()))
            ++m_cursor;
    }
    std::string_view literal = m_text.substr(start, m_cursor - start);
    if (separator != '.') {
        m_numberText.assign(literal);
        for (char& ch : m_numberText)
            if (ch == separator)
                ch = '.';
        literal = m_numberText;
    }
    // The literal is already in the form from_chars reads; anything it refuses (a value beyond the doubles)
    // goes through the locale reader for its error.
    const auto [end, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), m_tokenNumber);
    if (ec != std::errc() || end != literal.data() + literal.size())
        m_tokenNumber = StrToFloat(m_text.substr(start, m_cursor - start), m_locale);
    m_token = tkNumber;
}

void TXLCalculator::ScanString()
{
    m_tokenText.clear();
    for (;;) {
        const char c = Peek();
        if (c == '#') {
            ++m_cursor;
            if (!IsDigit(Peek()))
                SyntaxError("Invalid String Constant");
            uint32_t code = 0;
            while (IsDigit(Peek())) {
                code = std::min<uint32_t>(code * 10 + (Peek() - '0'), 65536);
                ++m_cursor;
            }
            if (code > 65535)
                SyntaxError("Invalid String Constant");
            AppendUtf8(m_tokenText, code);
        } else if (c == '\'') {
            ++m_cursor;
            for (;;) {
                const unsigned char b = static_cast<unsigned char>(Peek());
                // Bytes of UTF-8 characters are all 128 or above, so multi-byte characters pass whole.
                if (b <= ' ')
                    SyntaxError("Unterminated String");
                ++m_cursor;
                if (b == '\'') {
                    if (Peek() != '\'')
                        break;
                    ++m_cursor;
                }
                m_tokenText += static_cast<char>(b);
            }
        } else if (c == '^') {
            ++m_cursor;
            const char letter = Peek();
            if (!IsLetter(letter))
                SyntaxError("Invalid Character Constant");
            ++m_cursor;
            m_tokenText += static_cast<char>((letter & ~0x20) - 'A' + 1);
        } else {
            break;
        }
    }
    m_token = tkString;
}

void TXLCalculator::ScanName()
{
    const size_t start = m_cursor++;
    while (IsNameChar(Peek()))
        ++m_cursor;
    bool range = m_text[start] == '$';
    if (Peek() == ':') {
        range = true;
        ++m_cursor;
        while (IsNameChar(Peek()))
            ++m_cursor;
    }
    m_tokenText.assign(m_text.substr(start, m_cursor - start));
    m_token = range ? tkRange : KeywordToken(m_tokenText);
}

void TXLCalculator::EnterNesting()
{
    if (++m_nesting > kMaxNesting)
        SyntaxError("Too Deeply Nested");
}

void TXLCalculator::ParseComparison(Variant& result)
{
    ParseAdditive(result);
    // At most one comparison: a second one is left for the caller, which then finds no end or no ')'.
    if (m_token >= tkEQ && m_token <= tkNE) {
        const TXLToken op = m_token;
        NextToken();
        Variant right;
        ParseAdditive(right);
        if (!CheckOnly)
            ApplyInfix(op, result, right, m_locale);
    }
}

void TXLCalculator::ParseAdditive(Variant& result)
{
    ParseMultiplicative(result);
    while (m_token >= tkPlus && m_token <= tkXor) {
        const TXLToken op = m_token;
        NextToken();
        Variant right;
        ParseMultiplicative(right);
        if (!CheckOnly)
            ApplyInfix(op, result, right, m_locale);
    }
}

void TXLCalculator::ParseMultiplicative(Variant& result)
{
    ParseUnary(result);
    while (m_token >= tkMul && m_token <= tkAnd) {
        const TXLToken op = m_token;
        NextToken();
        Variant right;
        ParseUnary(right);
        if (!CheckOnly)
            ApplyInfix(op, result, right, m_locale);
    }
}

void TXLCalculator::ParseUnary(Variant& result)
{
    // Prefix operators apply right to left. They are collected, not recursed into, so that a long run of them
    // costs no stack; unary plus changes nothing and is not kept.
    std::string prefixes;
    while (m_token == tkNot || m_token == tkMinus || m_token == tkPlus) {
        if (m_token != tkPlus)
            prefixes += static_cast<char>(m_token);
        NextToken();
    }
    ParsePrimary(result);
    if (!CheckOnly)
        for (auto it = prefixes.rbegin(); it != prefixes.rend(); ++it)
            ApplyPrefix(static_cast<TXLToken>(*it), result, m_locale);
}

void TXLCalculator::ParsePrimary(Variant& result)
{
    switch (m_token) {
    case tkOpen:
        EnterNesting();
        NextToken();
        ParseComparison(result);
        if (m_token != tkClose)
            SyntaxError("Missing ')'");
        --m_nesting;
        NextToken();
        return;
    case tkNumber:
        result = m_tokenNumber;
        NextToken();
        return;
    case tkRange:
    case tkString:
        // A range is its text; only a function receiving it can give it meaning.
        result = std::move(m_tokenText);
        NextToken();
        return;
    case tkName: {
        const std::string name = std::move(m_tokenText);
        NextToken();
        if (m_token == tkOpen) {
            ParseFunctionCall(name, result);
            return;
        }
        if (!m_manager.GetVariable(m_sheet, UpperName(name), result))
            throw EXLUnknown(name, Position());
        return;
    }
    default:
        SyntaxError();
    }
}

void TXLCalculator::ParseFunctionCall(const std::string& name, Variant& result)
{
    EnterNesting();
    // All arguments are evaluated, left to right, before the name is resolved.
    Variant params[kMaxParams];
    int count = 0;
    do {
        if (count == kMaxParams)
            SyntaxError("Too Many Parameters");
        NextToken();
        ParseComparison(params[count++]);
    } while (m_token == tkListSep);
    if (m_token != tkClose)
        SyntaxError("Missing ')'");
    --m_nesting;
    if (!m_manager.CallFunction(m_sheet, UpperName(name), result, std::span<const Variant>(params, count)))
        throw EXLUnknown(name + "()", Position());
    NextToken();
}

} // namespace qv
