// xlcalc: evaluates formula expressions against a sheet's cells and prints each value's kind and text.
#include "formula/Engine.h"
#include "formula/FormulaError.h"
#include "sheet/Manager.h"
#include "formula/OutcomeText.h"
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

// One output line; ok becomes false when the expression did not evaluate.
std::string Evaluate(TXLSheet& sheet, std::string_view expression, bool& ok)
{
    ok = false;
    try {
        const Variant value = sheet.CalcExpression(expression, nullptr);
        ok = true;
        return DescribeValue(value, XLManager().GetLocale());
    } catch (const std::exception&) {
        return DescribeCurrentError();
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
    qv::InitEngine();
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
