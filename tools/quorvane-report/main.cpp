// quorvane-report: the ratio table and the DuPont table of an enterprise's files, printed as TSV or JSON.
#include "app/core/Analysis.h"
#include "app/core/FinancialDocument.h"
#include "platform/Errors.h"
#include "platform/FloatFormat.h"
#include "platform/TextCodec.h"
#include "sheet/Manager.h"
#include "tools/common/JsonWriter.h"
#include "tools/common/OutputStream.h"
#include "tools/common/ToolMain.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

enum TOutputFormat { ofTsv, ofJson };

struct Options {
    std::string DataDir = qv::ExecutableDirectory();
    std::optional<int> Periods;
    bool Percent = false;
    TOutputFormat Format = ofTsv;
    std::optional<std::string> TemplatesDir;
};

// A period count as --periods takes it: decimal digits only, 3 to 8.
int PeriodCount(const std::string& text)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < qv::kMinPeriods || n > qv::kMaxPeriods)
        throw CLI::ValidationError("--periods", "takes a number from 3 to 8, not '" + text + "'");
    return n;
}

void DeclareOptions(CLI::App& app, Options& options)
{
    app.add_option("--data-dir", options.DataDir, "The directory of the files (default: the program's).")
        ->type_name("DIR");
    app.add_option_function<std::string>(
           "--periods", [&options](const std::string& text) { options.Periods = PeriodCount(text); },
           "The number of periods, 3 to 8, instead of the saved setting.")
        ->type_name("N");
    app.add_flag("--percent", options.Percent, "Show the ratios in percent instead of the saved setting.");
    app.add_option_function<std::string>(
           "--format", [&options](const std::string& text) { options.Format = text == "json" ? ofJson : ofTsv; },
           "The output's format (default: tsv).")
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"tsv", "json"}));
    app.add_option_function<std::string>(
           "--write-templates", [&options](const std::string& text) { options.TemplatesDir = text; },
           "Write the five empty templates into DIR instead, to start a new enterprise's files.")
        ->type_name("DIR");
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

// The client rows from 1 on where column 1 shows a cell: its own, or that of a merged range over it. Only what
// exists is visited, whatever RowCount a file claims.
std::vector<int> NamedRows(const qv::TXLSheet& sheet)
{
    const qv::TXLSection& client = sheet.Section(qv::sClient);
    const int end = sheet.RowCount();
    std::set<int> rows;
    client.ForEachIn(1, end, [&](int row, const qv::TXLRow* cells) {
        if (cells->Get(1))
            rows.insert(row);
    });
    for (const qv::TXLUnion* range : client.UnionsIntersecting({1, 1, 2, end}))
        for (int row = std::max(range->GetRect().top, 1); row < std::min(range->GetRect().bottom, end); ++row)
            rows.insert(row);
    return {rows.begin(), rows.end()};
}

// Rows 1 and below that carry a name: with values where they are results, alone where they head a group.
ReportTable TableOf(qv::TXLSheet& sheet, std::string key, std::string title, int periods, bool (*isResult)(int))
{
    ReportTable table{std::move(key), std::move(title), {}};
    for (int row : NamedRows(sheet)) {
        ReportRow line{CellText(sheet, 1, row), isResult(row), {}, {}};
        if (line.Name.empty())
            continue;
        if (line.HasValues)
            for (int col = qv::kFirstPeriodColumn; col < qv::kFirstPeriodColumn + periods; ++col) {
                qv::TXLCell& cell = sheet.GetCell(col, row);
                line.Values.push_back(cell.GetValue().ToDouble(qv::XLManager().Desktop().GetLocale()));
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

void PrintTsv(qv::OutputStream& out, const std::vector<std::string>& headings, const std::vector<ReportTable>& tables)
{
    for (size_t t = 0; t < tables.size(); ++t) {
        if (t > 0)
            out.Put('\n');
        out.Write(tables[t].Title);
        for (const std::string& heading : headings) {
            out.Put('\t');
            out.Write(heading);
        }
        out.Put('\n');
        for (const ReportRow& row : tables[t].Rows) {
            out.Write(row.Name);
            for (const std::string& text : row.Texts) {
                out.Put('\t');
                out.Write(text);
            }
            out.Put('\n');
        }
    }
}

// Four decimals, rounded as the tables show them; the locale's decimal point is "." as JSON needs. A value that
// is no number (none that a computation writes) takes the writer's strings for them.
void JsonValue(qv::JsonWriter& j, double value)
{
    if (std::isfinite(value))
        j.NumberText(qv::FormatFloat("0.0000", value, qv::XLManager().Desktop().GetLocale()));
    else
        j.Number(value);
}

void PrintJson(qv::OutputStream& out, const std::vector<std::string>& headings, const std::vector<ReportTable>& tables,
               int factor)
{
    qv::JsonWriter j(out);
    j.BeginObject();
    j.Key("periods").BeginArray(qv::JsonLayout::OneLine);
    for (const std::string& heading : headings)
        j.String(heading);
    j.EndArray();
    j.Key("displayFactor").Number(static_cast<long long>(factor));
    for (const ReportTable& table : tables) {
        j.Key(table.Key).BeginArray();
        for (const ReportRow& row : table.Rows) {
            if (!row.HasValues)
                continue;
            j.BeginObject(qv::JsonLayout::OneLine).Key("name").String(row.Name).Key("values").BeginArray();
            for (double value : row.Values)
                JsonValue(j, value);
            j.EndArray().EndObject();
        }
        j.EndArray();
    }
    j.EndObject();
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
    qv::OutputStream out(std::cout);
    if (options.Format == ofJson)
        PrintJson(out, headings, tables, document.DisplayFactor());
    else
        PrintTsv(out, headings, tables);
    out.Flush();
    for (const std::string& error : errors)
        std::cerr << "quorvane-report: " << error << '\n';
    return errors.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app("Prints the ratio table and the DuPont table computed from the statement files and myini.ini.",
                 "quorvane-report");
    app.footer("Exit status: 0 done, 1 a computation failed (after printing), 2 unreadable files, a wrong command "
               "line or an output that cannot be written.");
    Options options;
    DeclareOptions(app, options);
    return qv::RunTool(app, {.WrongCommandLine = 2, .Error = 2, .UnwritableOutput = 2}, argc, argv,
                       [&] { return Run(options); });
}
