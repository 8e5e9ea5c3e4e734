// xlcalc: evaluates formula expressions against a sheet's cells and prints each value's kind and text.
#include "formula/FormulaError.h"
#include "formula/Manager.h"
#include "platform/Locale.h"
#include "sheet/Sheet.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace qv;

constexpr std::string_view kUsage =
    "usage: xlcalc [--sheet FILE] [--decimal-comma] [--] EXPR...\n"
    "Evaluates each expression against the sheet's cells (an empty sheet without --sheet) and prints one line\n"
    "per expression: the value's kind and text (double 14, string AB, empty), or\n"
    "error CLASS \"MESSAGE\" [POSITION]. Exit status 0 when every expression evaluated, 1 otherwise.\n"
    "--decimal-comma reads and writes numbers with a decimal comma; arguments are then separated by ';'.\n"
    "Use -- before an expression that begins with --.\n";

// Fills the sheet from a whole-sheet file; false after telling why it could not.
bool LoadSheet(TXLSheet& sheet, const std::string& path)
{
    try {
        sheet.LoadFromFile(path);
        return true;
    } catch (const EPlatformError& e) {
        std::cerr << "xlcalc: " << path << ": " << e.Message() << "\n";
        return false;
    }
}

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

std::string DescribeError(std::string_view cls, const std::string& message)
{
    return "error " + std::string(cls) + " \"" + message + "\"";
}

std::string DescribeError(std::string_view cls, const EXLFormula& e)
{
    return DescribeError(cls, e.Message()) + " " + std::to_string(e.Position());
}

// One output line; ok becomes false when the expression did not evaluate.
std::string Evaluate(TXLSheet& sheet, std::string_view expression, bool& ok)
{
    ok = false;
    try {
        const Variant value = sheet.CalcExpression(expression, nullptr);
        ok = true;
        return DescribeValue(value, XLManager().GetLocale());
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

int Usage(std::string_view problem)
{
    std::cerr << "xlcalc: " << problem << "\n" << kUsage;
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string sheetFile;
    bool decimalComma = false;
    std::vector<std::string_view> expressions;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && arg == "--sheet") {
            if (++i == argc)
                return Usage("--sheet needs a file name");
            sheetFile = argv[i];
        } else if (options && arg == "--decimal-comma") {
            decimalComma = true;
        } else if (options && (arg == "--help" || arg == "-h")) {
            std::cout << kUsage;
            return 0;
        } else if (options && arg.starts_with("--")) {
            return Usage("unknown option " + std::string(arg));
        } else {
            expressions.push_back(arg);
        }
    }
    if (expressions.empty())
        return Usage("no expression given");

    try {
        if (decimalComma) {
            Locale locale = XLManager().GetLocale();
            locale.DecimalSeparator = ',';
            locale.ThousandSeparator = '.';
            XLManager().SetLocale(locale);
        }
        TXLSheet sheet;
        if (!sheetFile.empty() && !LoadSheet(sheet, sheetFile))
            return 1;
        bool allOk = true;
        for (const std::string_view expression : expressions) {
            bool ok = false;
            std::cout << Evaluate(sheet, expression, ok) << "\n";
            allOk = allOk && ok;
        }
        return allOk ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "xlcalc: " << e.what() << "\n";
        return 1;
    }
}
