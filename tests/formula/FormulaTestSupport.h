// Test helpers for formulas: the outcome of an evaluation as one line, and a scoped switch of the locale.
#pragma once

#include "formula/Calculator.h"
#include "formula/FormulaError.h"
#include "formula/Manager.h"
#include "platform/Locale.h"
#include "sheet/Sheet.h"

#include <string>
#include <string_view>

namespace qv::test {

// "double 14", "string AB", "currency 3.0000", "empty": the kind and the text of a value.
inline std::string DescribeValue(const Variant& v)
{
    const Locale& locale = XLManager().GetLocale();
    switch (v.Kind()) {
    case VarKind::Unassigned:
    case VarKind::Null:
        return VarKindName(v.Kind());
    case VarKind::Currency:
        return std::string("currency ") + CurrToStrFixed(v.AsCurrency(), locale);
    default:
        return std::string(VarKindName(v.Kind())) + " " + v.ToString(locale);
    }
}

// The value line, or `error <class> "<message>"` with the position for formula errors.
inline std::string DescribeError(const char* cls, const std::string& message)
{
    return std::string("error ") + cls + " \"" + message + "\"";
}

inline std::string DescribeError(const char* cls, const EXLFormula& e)
{
    return DescribeError(cls, e.Message()) + " " + std::to_string(e.Position());
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
    } catch (const EXLCircular& e) {
        return DescribeError("EXLCircular", e);
    } catch (const EXLUnknown& e) {
        return DescribeError("EXLUnknown", e);
    } catch (const EXLSyntax& e) {
        return DescribeError("EXLSyntax", e);
    } catch (const EConvertError& e) {
        return DescribeError("EConvertError", e.Message());
    } catch (const EZeroDivide& e) {
        return DescribeError("EZeroDivide", e.Message());
    } catch (const EInvalidOp& e) {
        return DescribeError("EInvalidOp", e.Message());
    } catch (const EDivByZero& e) {
        return DescribeError("EDivByZero", e.Message());
    } catch (const EVariantError& e) {
        return DescribeError("EVariantError", e.Message());
    }
}

struct OutcomeCase {
    std::string_view text;
    std::string_view expected;
};

// The manager's locale with a decimal comma (and a point between thousands) while the object lives.
class DecimalCommaScope {
public:
    DecimalCommaScope() : m_saved(XLManager().GetLocale())
    {
        Locale comma = m_saved;
        comma.DecimalSeparator = ',';
        comma.ThousandSeparator = '.';
        XLManager().SetLocale(comma);
    }
    ~DecimalCommaScope() { XLManager().SetLocale(m_saved); }
    DecimalCommaScope(const DecimalCommaScope&) = delete;
    DecimalCommaScope& operator=(const DecimalCommaScope&) = delete;

private:
    Locale m_saved;
};

} // namespace qv::test
