// quorvane-example-data: turns the readable example statements into the files the application reads.
#include "app/core/Analysis.h"
#include "app/core/FinancialDocument.h"
#include "platform/AsciiText.h"
#include "platform/Currency.h"
#include "platform/Errors.h"
#include "sheet/Manager.h"
#include "tools/common/ToolMain.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// A template line name as the source writes it: without the indenting blank and the blanks at its ends.
std::string PlainName(std::string name)
{
    const std::string indent = "\xEE\x97\xA5";
    for (size_t at; (at = name.find(indent)) != std::string::npos;)
        name.erase(at, indent.size());
    return std::string(qv::TrimBlanks(name));
}

class SourceReader {
public:
    explicit SourceReader(qv::FinancialDocument& document) : m_document(document) {}

    void Line(const std::vector<std::string>& words)
    {
        if (words[0] == "periods") {
            m_headings.assign(words.begin() + 1, words.end());
            const int count = static_cast<int>(m_headings.size());
            if (count < qv::kMinPeriods || count > qv::kMaxPeriods)
                throw Error("3 to 8 periods expected");
            return;
        }
        if (words[0] == "statement") {
            if (words.size() != 2)
                throw Error("'statement' takes a file name");
            m_sheet = SheetOf(words[1]);
            return;
        }
        if (!m_sheet || m_headings.empty())
            throw Error("a statement line before 'periods' and 'statement'");
        StatementLine(words);
    }

    void Finish()
    {
        m_document.SetPeriodCount(static_cast<int>(m_headings.size()));
        for (qv::TFinSheet which : {qv::fsBalanceSheet, qv::fsIncomeStatement, qv::fsCashFlow})
            for (size_t i = 0; i < m_headings.size(); ++i)
                m_document.Sheet(which)
                    .GetCell(qv::kFirstPeriodColumn + static_cast<int>(i), 0)
                    .SetAsString(m_headings[i]);
    }

    static qv::EPlatformError Error(const std::string& what) { return qv::EPlatformError(what); }

private:
    qv::TXLSheet* SheetOf(const std::string& fileName)
    {
        for (qv::TFinSheet which : {qv::fsBalanceSheet, qv::fsIncomeStatement, qv::fsCashFlow})
            if (qv::SheetFileName(which) == fileName)
                return &m_document.Sheet(which);
        throw Error("no statement is saved as " + fileName);
    }

    void StatementLine(const std::vector<std::string>& words)
    {
        if (words.size() != m_headings.size() + 2)
            throw Error("a row, a name and " + std::to_string(m_headings.size()) + " values expected");
        const int row = std::stoi(words[0]);
        if (row < 1 || row >= m_sheet->RowCount())
            throw Error("row " + words[0] + " is not a statement line");
        qv::TXLCell* nameCell = m_sheet->FindCell(1, row);
        const std::string name = nameCell ? PlainName(nameCell->GetAsString()) : std::string();
        if (name != words[1])
            throw Error("row " + words[0] + " is \"" + name + "\", not \"" + words[1] + "\"");
        for (size_t i = 0; i < m_headings.size(); ++i) {
            std::string digits = words[2 + i];
            std::erase(digits, ',');
            const std::optional<qv::Currency> amount = qv::TryStrToCurr(digits, qv::XLManager().Desktop().GetLocale());
            if (!amount)
                throw Error("'" + words[2 + i] + "' is not an amount");
            m_sheet->GetCell(qv::kFirstPeriodColumn + static_cast<int>(i), row).SetAsCurrency(*amount);
        }
    }

    qv::FinancialDocument& m_document;
    std::vector<std::string> m_headings;
    qv::TXLSheet* m_sheet = nullptr;
};

void Run(const std::string& source, const std::string& directory)
{
    std::ifstream in(source);
    if (!in)
        throw qv::EFileError("Cannot open file \"" + source + "\".");
    qv::FinancialDocument document;
    SourceReader reader(document);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0].front() == '#')
            continue;
        try {
            reader.Line(words);
        } catch (const std::exception& e) {
            throw qv::EPlatformError(source + ":" + std::to_string(number) + ": " + e.what());
        }
    }
    reader.Finish();
    // The ratio table is saved as last computed, so the application shows it before its page recomputes it.
    document.ComputeRatios();
    for (qv::TFinSheet which : qv::kSavedSheets)
        document.Sheet(which).SaveToFile((std::filesystem::path(directory) / qv::SheetFileName(which)).string());
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app("Makes the statement files and the ratio table of an enterprise from its readable source.",
                 "quorvane-example-data");
    app.footer("Exit status: 0 done, 2 an unreadable or wrong source, an unwritable file or a wrong command line.");
    std::string source;
    std::string directory;
    app.add_option("SOURCE", source, "The readable statements (as data/example/enterprise.txt).")->required();
    app.add_option("DIR", directory, "The directory the files are written into.")->required();
    return qv::RunTool(app, {.WrongCommandLine = 2, .Error = 2, .UnwritableOutput = 2}, argc, argv, [&] {
        Run(source, directory);
        return 0;
    });
}
