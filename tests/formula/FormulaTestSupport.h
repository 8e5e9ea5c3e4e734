// Test helpers for formulas: the outcome of an evaluation as one line, and a scoped switch of the locale.
#pragma once

#include "formula/Calculator.h"
#include "formula/FormulaError.h"
#include "formula/OutcomeText.h"
#include "platform/Locale.h"
#include "sheet/Manager.h"
#include "sheet/Sheet.h"

#include <string>
#include <string_view>

namespace qv::test {

// "double 14", "string AB", "currency 3.0000", "empty": the kind and the text of a value.
inline std::string DescribeValue(const Variant& v)
{
    return qv::DescribeValue(v, XLManager().Desktop().GetLocale());
}

// Evaluates text as a sheet's CalcExpression would (a fresh Empty result), and describes what came of it.
inline std::string Outcome(std::string_view text, TXLSheet* sheet = nullptr, bool checkOnly = false)
{
    try {
        TXLCalculator calculator(sheet);
        calculator.CheckOnly = checkOnly;
        Variant result;
        calculator.Calculate(text, result);
        return DescribeValue(result);
    } catch (const EPlatformError&) {
        return DescribeCurrentError();
    }
}

struct OutcomeCase {
    std::string_view text;
    std::string_view expected;
};

// The manager's locale with a decimal comma (and a point between thousands) while the object lives.
class DecimalCommaScope {
public:
    DecimalCommaScope() : m_saved(XLManager().Desktop().GetLocale())
    {
        Locale comma = m_saved;
        comma.DecimalSeparator = ',';
        comma.ThousandSeparator = '.';
        XLManager().Desktop().SetLocale(comma);
    }
    ~DecimalCommaScope() { XLManager().Desktop().SetLocale(m_saved); }
    DecimalCommaScope(const DecimalCommaScope&) = delete;
    DecimalCommaScope& operator=(const DecimalCommaScope&) = delete;

private:
    Locale m_saved;
};

} // namespace qv::test
