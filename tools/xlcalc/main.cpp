// xlcalc: evaluates formula expressions against a sheet's cells and prints each value's kind and text.
#include "formula/FormulaError.h"
#include "formula/OutcomeText.h"
#include "platform/Locale.h"
#include "sheet/Manager.h"
#include "sheet/Sheet.h"
#include "tools/common/OutputStream.h"
#include "tools/common/ToolMain.h"

#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace qv;

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
        return DescribeValue(value, XLManager().Desktop().GetLocale());
    } catch (const std::exception&) {
        return DescribeCurrentError();
    }
}

// The expressions among the arguments the parser left, in their order. An expression such as "-A1" looks like
// an unknown short option to the parser, so only "--" ends the options, only "--..." before it is an unknown
// option, and only "-h" alone asks for help ("-h1" is minus cell H1).
std::vector<std::string> Expressions(const std::vector<std::string>& arguments)
{
    std::vector<std::string> expressions;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (!optionsEnded && argument == "-h")
            throw CLI::CallForHelp();
        else if (!optionsEnded && argument.starts_with("--"))
            throw CLI::ExtrasError({argument});
        else
            expressions.push_back(argument);
    }
    if (expressions.empty())
        throw CLI::RequiredError("EXPR");
    return expressions;
}

// The expressions are no declared option (see Expressions), so the usage line names them itself.
class UsageFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override
    {
        return "Usage: xlcalc [--sheet FILE] [--decimal-comma] [--] EXPR...\n";
    }
};

int Run(const std::vector<std::string>& expressions, const std::string& sheetFile, bool decimalComma)
{
    try {
        if (decimalComma) {
            Locale locale = XLManager().Desktop().GetLocale();
            locale.DecimalSeparator = ',';
            locale.ThousandSeparator = '.';
            XLManager().Desktop().SetLocale(locale);
        }
        TXLSheet sheet;
        if (!sheetFile.empty() && !LoadSheet(sheet, sheetFile))
            return 1;
        bool allOk = true;
        for (const std::string& expression : expressions) {
            bool ok = false;
            std::cout << Evaluate(sheet, expression, ok) << "\n";
            allOk = allOk && ok;
        }
        return allOk ? 0 : 1;
    } catch (const EOutputError&) {
        throw;
    } catch (const std::exception& e) {
        std::cerr << "xlcalc: " << e.what() << "\n";
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app("Evaluates each expression against the sheet's cells (an empty sheet without --sheet) and prints "
                 "one line per expression: the value's kind and text (double 14, string AB, empty), or "
                 "error CLASS \"MESSAGE\" [POSITION].",
                 "xlcalc");
    app.formatter(std::make_shared<UsageFormatter>());
    app.footer("Use -- before an expression that begins with --.\n"
               "Exit status: 0 every expression evaluated, 1 otherwise or a wrong command line, 2 an output that "
               "cannot be written.");
    app.allow_extras();
    app.set_help_flag("--help", "Print this help message (also -h) and exit");
    std::string sheetFile;
    bool decimalComma = false;
    app.add_option("--sheet", sheetFile, "A whole-sheet file whose cells the expressions read.")->type_name("FILE");
    app.add_flag("--decimal-comma", decimalComma,
                 "Read and write numbers with a decimal comma; arguments are then separated by ';'.");

    return RunTool(app, {.WrongCommandLine = 1, .Error = 1, .UnwritableOutput = 2}, argc, argv,
                   [&] { return Run(Expressions(app.remaining()), sheetFile, decimalComma); });
}
