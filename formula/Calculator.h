// The formula evaluator: a character scanner and a recursive-descent parser that evaluates as it parses.
#pragma once

#include "formula/Token.h"
#include "platform/Variant.h"

#include <string>
#include <string_view>

namespace qv {

struct Locale;
class TXLManager;
class TXLSheet;

// One calculator serves one evaluation; nested evaluations use their own. Names resolve through the manager's
// function table, then the sheet's events and default resolvers. Errors leave as EXLSyntax or EXLUnknown, or as
// the value library's and the handlers' own exceptions.
class TXLCalculator {
public:
    // Parentheses and function calls nest at most this deep; deeper text raises EXLSyntax "Too Deeply Nested".
    static constexpr int kMaxNesting = 100;

    // sheet may be null (then only the function table resolves names); it is referenced, not owned. Uses the
    // manager's locale for literals, list separators and conversions.
    explicit TXLCalculator(TXLSheet* sheet);

    // Parse and resolve (functions are called) but apply no operator: the value is that of the first operand.
    bool CheckOnly = false;

    // Evaluates text into result. An empty or blank text, or one starting with a character no token starts
    // with, leaves result as it is (cleared to Empty first under CheckOnly). After an exception result holds a
    // partial value. A NUL byte ends the text.
    void Calculate(std::string_view text, Variant& result);

    // The scanner, for callers that want the tokens themselves: SetText starts at the text's first byte, and
    // each NextToken reads one token into Token, TokenText (names, ranges and string constants) and
    // TokenNumber (numeric literals).
    void SetText(std::string_view text);
    TXLToken NextToken();
    TXLToken Token() const { return m_token; }
    const std::string& TokenText() const { return m_tokenText; }
    double TokenNumber() const { return m_tokenNumber; }
    // Bytes of the text consumed so far.
    int Position() const;

private:
    char Peek() const { return m_cursor < m_text.size() ? m_text[m_cursor] : '\0'; }
    void ScanNumber();
    void ScanString();
    void ScanName();
    [[noreturn]] void SyntaxError() const;
    [[noreturn]] void SyntaxError(std::string_view detail) const;

    void ParseComparison(Variant& result);
    void ParseAdditive(Variant& result);
    void ParseMultiplicative(Variant& result);
    void ParseUnary(Variant& result);
    void ParsePrimary(Variant& result);
    void ParseFunctionCall(const std::string& name, Variant& result);
    void EnterNesting();

    TXLSheet* m_sheet;
    TXLManager& m_manager;
    const Locale& m_locale;
    std::string_view m_text;
    size_t m_cursor = 0;
    TXLToken m_token = tkEnd;
    std::string m_tokenText;
    double m_tokenNumber = 0;
    std::string m_numberText; // a literal with the decimal separator made a point
    int m_nesting = 0;
};

} // namespace qv
