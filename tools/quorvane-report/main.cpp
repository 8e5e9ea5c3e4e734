// quorvane-report: the ratio table and the DuPont table of an enterprise's files, printed as TSV or JSON.
#include "formula/Engine.h"
#include "app/core/Analysis.h"
#include "app/core/FinancialDocument.h"
#include "sheet/Manager.h"
#include "platform/Errors.h"
#include "platform/FloatFormat.h"
#include "platform/TextCodec.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: quorvane-report [--data-dir DIR] [--periods N] [--percent] [--format tsv|json]\n"
    "       quorvane-report --write-templates DIR\n"
    "Prints the ratio table and the DuPont table computed from the statement files and myini.ini in DIR\n"
    "(default: the program's directory); --periods (3 to 8) and --percent override the saved settings.\n"
    "Exit status: 0 done, 1 a computation failed (after printing), 2 unreadable files or a wrong command line.\n";

enum TOutputFormat { ofTsv, ofJson };

struct Options {
    std::string DataDir = qv::ExecutableDirectory();
    std::optional<int> Periods;
    bool Percent = false;
    TOutputFormat Format = ofTsv;
    std::optional<std::string> TemplatesDir;
};

class UsageError {
public:
    explicit UsageError(std::string message) : Message(std::move(message)) {}
    std::string Message;
};

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw UsageError(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--data-dir") {
            options.DataDir = value();
        } else if (arg == "--periods") {
            const std::string text = value();
            int n = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
            if (error != std::errc() || end != text.data() + text.size() || n < qv::kMinPeriods || n > qv::kMaxPeriods)
                throw UsageError("--periods takes a number from 3 to 8, not '" + text + "'");
            options.Periods = n;
        } else if (arg == "--percent") {
            options.Percent = true;
        } else if (arg == "--format") {
            const std::string text = value();
            if (text != "tsv" && text != "json")
                throw UsageError("--format takes tsv or json, not '" + text + "'");
            options.Format = text == "json" ? ofJson : ofTsv;
        } else if (arg == "--write-templates") {
            options.TemplatesDir = value();
        } else {
            throw UsageError("unknown argument '" + arg + "'");
        }
    }
    return options;
}

// A named row as printed: a group heading alone, a result with its period values.
struct ReportRow {
    std::string Name;
    bool HasValues;             // group headings have none
    std::vector<double> Values; // one per period
    std::vector<std::string> Texts;
};

struct ReportTable {
    std::string Key;   // "ratios", "dupont"
    std::string Title; // the heading line's first field: the sheet's row 0 name, or the page's name
    std::vector<ReportRow> Rows;
};

std::string CellText(qv::TXLSheet& sheet, int col, int row)
{
    qv::TXLCell* cell = sheet.FindCell(col, row);
    return cell ? qv::DisplayText(cell->GetDisplayText()) : std::string();
}

// Rows 1 and below that carry a name: with values where they are results, alone where they head a group.
ReportTable TableOf(qv::TXLSheet& sheet, std::string key, std::string title, int periods, bool (*isResult)(int))
{
    ReportTable table{std::move(key), std::move(title), {}};
    for (int row = 1; row < sheet.RowCount(); ++row) {
        ReportRow line{CellText(sheet, 1, row), isResult(row), {}, {}};
        if (line.Name.empty())
            continue;
        if (line.HasValues)
            for (int col = qv::kFirstPeriodColumn; col < qv::kFirstPeriodColumn + periods; ++col) {
                qv::TXLCell& cell = sheet.GetCell(col, row);
                line.Values.push_back(cell.GetValue().ToDouble(qv::XLManager().GetLocale()));
                line.Texts.push_back(qv::DisplayText(cell.GetDisplayText()));
            }
        table.Rows.push_back(std::move(line));
    }
    return table;
}

bool IsRatioRow(int row)
{
    for (int r : qv::kRatioRows)
        if (r == row)
            return true;
    return false;
}

bool IsDuPontRow(int row)
{
    return row >= 1 && row <= 5;
}

void PrintTsv(const std::vector<std::string>& headings, const std::vector<ReportTable>& tables)
{
    for (size_t t = 0; t < tables.size(); ++t) {
        if (t > 0)
            std::cout << '\n';
        std::cout << tables[t].Title;
        for (const std::string& heading : headings)
            std::cout << '\t' << heading;
        std::cout << '\n';
        for (const ReportRow& row : tables[t].Rows) {
            std::cout << row.Name;
            for (const std::string& text : row.Texts)
                std::cout << '\t' << text;
            std::cout << '\n';
        }
    }
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// Four decimals, rounded as the tables show them; the locale's decimal point is "." as JSON needs.
std::string JsonNumber(double value)
{
    return qv::FormatFloat("0.0000", value, qv::XLManager().GetLocale());
}

void PrintJson(const std::vector<std::string>& headings, const std::vector<ReportTable>& tables, int factor)
{
    std::cout << "{\n  \"periods\": [";
    for (size_t i = 0; i < headings.size(); ++i)
        std::cout << (i ? ", " : "") << JsonString(headings[i]);
    std::cout << "],\n  \"displayFactor\": " << factor;
    for (const ReportTable& table : tables) {
        std::cout << ",\n  " << JsonString(table.Key) << ": [";
        bool first = true;
        for (const ReportRow& row : table.Rows) {
            if (!row.HasValues)
                continue;
            std::cout << (first ? "\n" : ",\n") << "    {\"name\": " << JsonString(row.Name) << ", \"values\": [";
            for (size_t i = 0; i < row.Values.size(); ++i)
                std::cout << (i ? ", " : "") << JsonNumber(row.Values[i]);
            std::cout << "]}";
            first = false;
        }
        std::cout << "\n  ]";
    }
    std::cout << "\n}\n";
}

void WriteTemplates(const std::string& directory)
{
    for (int i = 0; i < qv::kFinSheetCount; ++i) {
        const auto which = static_cast<qv::TFinSheet>(i);
        const std::string name = which == qv::fsDuPont ? "dupont.dat" : std::string(qv::SheetFileName(which));
        qv::CreateTemplateSheet(which)->SaveToFile((std::filesystem::path(directory) / name).string());
    }
}

int Run(const Options& options)
{
    if (options.TemplatesDir) {
        WriteTemplates(*options.TemplatesDir);
        return 0;
    }
    // The document takes a missing directory for a first start; here it is a mistyped option.
    std::error_code error;
    if (!std::filesystem::is_directory(options.DataDir, error)) {
        std::cerr << "quorvane-report: no directory \"" << options.DataDir << "\"\n";
        return 2;
    }
    qv::FinancialDocument document;
    const std::vector<qv::LoadProblem> problems = document.Load(options.DataDir);
    for (const qv::LoadProblem& problem : problems)
        std::cerr << "quorvane-report: " << problem.Text() << '\n';
    if (!problems.empty())
        return 2;
    if (options.Periods)
        document.SetPeriodCount(*options.Periods);
    if (options.Percent)
        document.SetDisplayMode(qv::dmPercent);

    // The two pages compute independently, so one failing leaves the other's table whole.
    std::vector<std::string> errors;
    try {
        document.ComputeRatios();
    } catch (const qv::EPlatformError& e) {
        errors.push_back("ratio table: " + e.Message());
    }
    try {
        document.ComputeDuPont();
    } catch (const qv::EPlatformError& e) {
        errors.push_back("DuPont table: " + e.Message());
    }

    // The ratio table's own heading row is emptied by every computation; the periods are named where the user
    // types them, in row 0 of the balance sheet.
    const int periods = document.PeriodCount();
    std::vector<std::string> headings;
    for (int col = qv::kFirstPeriodColumn; col < qv::kFirstPeriodColumn + periods; ++col)
        headings.push_back(CellText(document.Sheet(qv::fsBalanceSheet), col, 0));
    qv::TXLSheet& ratios = document.Sheet(qv::fsRatios);
    const std::vector<ReportTable> tables = {
        TableOf(ratios, "ratios", CellText(ratios, 1, 0), periods, IsRatioRow),
        TableOf(document.Sheet(qv::fsDuPont), "dupont", "杜邦指标分析", periods, IsDuPontRow)};
    if (options.Format == ofJson)
        PrintJson(headings, tables, document.DisplayFactor());
    else
        PrintTsv(headings, tables);
    std::cout.flush();
    for (const std::string& error : errors)
        std::cerr << "quorvane-report: " << error << '\n';
    return errors.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qv::InitEngine();
    try {
        return Run(ParseOptions(argc, argv));
    } catch (const UsageError& e) {
        std::cerr << "quorvane-report: " << e.Message << '\n' << kUsage;
        return 2;
    } catch (const qv::EPlatformError& e) {
        std::cerr << "quorvane-report: " << e.Message() << '\n';
        return 2;
    }
}
