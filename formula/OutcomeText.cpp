// The error line names the most specific class the exception belongs to.
#include "formula/OutcomeText.h"

#include "formula/FormulaError.h"
#include "platform/Currency.h"
#include "platform/Errors.h"
#include "sheet/GridError.h"

#include <exception>

namespace qv {

namespace {

std::string DescribeError(std::string_view cls, const std::string& message)
{
    return "error " + std::string(cls) + " \"" + message + "\"";
}

std::string DescribeError(std::string_view cls, const EXLFormula& e)
{
    return DescribeError(cls, e.Message()) + " " + std::to_string(e.Position());
}

} // namespace

std::string DescribeValue(const Variant& value, const Locale& locale)
{
    switch (value.Kind()) {
    case VarKind::Unassigned:
    case VarKind::Null:
        return VarKindName(value.Kind());
    case VarKind::Currency:
        return std::string("currency ") + CurrToStrFixed(value.AsCurrency(), locale);
    default:
        return std::string(VarKindName(value.Kind())) + " " + value.ToString(locale);
    }
}

std::string DescribeCurrentError()
{
    try {
        throw;
    } catch (const EXLCircular& e) {
        return DescribeError("EXLCircular", e);
    } catch (const EXLUnknown& e) {
        return DescribeError("EXLUnknown", e);
    } catch (const EXLSyntax& e) {
        return DescribeError("EXLSyntax", e);
    } catch (const EXLFormula& e) {
        return DescribeError("EXLFormula", e);
    } catch (const EXLGridError& e) {
        return DescribeError("EXLGridError", e.Message());
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
    } catch (const EPlatformError& e) {
        return DescribeError("EPlatformError", e.Message());
    } catch (const std::exception& e) {
        return DescribeError("Exception", e.what());
    }
}

} // namespace qv
