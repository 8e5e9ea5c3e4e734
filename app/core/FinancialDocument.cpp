// The document: loading and saving the statement files and the settings, clearing, computing.
#include "app/core/FinancialDocument.h"

#include "app/core/Analysis.h"
#include "platform/ByteStream.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace qv {

namespace {

constexpr const char* kSettingsSection = "SYSSET";
constexpr const char* kPeriodsKey = "FC";
constexpr const char* kModeKey = "DisplayMode";

std::string PathIn(const std::string& directory, std::string_view name)
{
    return (std::filesystem::path(directory) / name).string();
}

// A file is read into a sheet of its own first, so a damaged one leaves the document's sheet untouched; the
// good content then moves over through the sheet's own stream.
void LoadInto(TXLSheet& target, const std::string& path)
{
    TXLSheet loaded;
    loaded.LoadFromFile(path);
    ByteWriter writer;
    loaded.SaveToStream(writer);
    ByteReader reader(writer.Data());
    target.LoadFromStream(reader);
}

// Keeps a damaged file under "<name>.damaged" (replacing an older one) before its name is written again.
void SetAside(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return;
    std::filesystem::rename(path, path + ".damaged", error);
    if (error)
        throw EFileError("Cannot rename file \"" + path + "\" to \"" + path + ".damaged\". " + error.message());
}

} // namespace

FinancialDocument::FinancialDocument()
{
    for (int i = 0; i < kFinSheetCount; ++i)
        m_sheets[i] = CreateTemplateSheet(static_cast<TFinSheet>(i));
}

std::vector<LoadProblem> FinancialDocument::Load(const std::string& directory)
{
    std::vector<LoadProblem> problems;
    for (TFinSheet which : kSavedSheets) {
        const std::string name(SheetFileName(which));
        const std::string path = PathIn(directory, name);
        std::error_code error;
        if (!std::filesystem::exists(path, error) && !error)
            continue; // a first start: the template stays, silently
        try {
            LoadInto(*m_sheets[which], path);
            m_damaged[which] = false;
        } catch (const EPlatformError& e) {
            problems.push_back({name, e.Message()});
            m_damaged[which] = true;
        }
    }
    try {
        const IniFile settings(PathIn(directory, kSettingsFile));
        SetPeriodCount(settings.ReadInteger(kSettingsSection, kPeriodsKey, m_periods));
        m_mode = settings.ReadInteger(kSettingsSection, kModeKey, 0) == 1 ? dmPercent : dmPlain;
    } catch (const EPlatformError& e) {
        problems.push_back({kSettingsFile, e.Message()});
    }
    m_savedPeriods = m_periods;
    m_savedMode = m_mode;
    return problems;
}

void FinancialDocument::Save(const std::string& directory)
{
    for (TFinSheet which : kSavedSheets) {
        const std::string path = PathIn(directory, SheetFileName(which));
        if (m_damaged[which]) {
            SetAside(path);
            m_damaged[which] = false;
        }
        m_sheets[which]->SaveToFile(path);
    }
    IniFile settings(PathIn(directory, kSettingsFile));
    settings.WriteInteger(kSettingsSection, kPeriodsKey, m_periods);
    settings.WriteInteger(kSettingsSection, kModeKey, m_mode == dmPercent ? 1 : 0);
    settings.UpdateFile();
    m_savedPeriods = m_periods;
    m_savedMode = m_mode;
}

void FinancialDocument::Clear()
{
    for (int i = 0; i < kFinSheetCount; ++i) {
        const auto which = static_cast<TFinSheet>(i);
        ClearPeriodColumns(*m_sheets[i], TemplateRowCount(which),
                           which == fsRatios ? std::span<const int>(kRatioKeptRows) : std::span<const int>());
    }
}

void FinancialDocument::SetPeriodCount(int count)
{
    m_periods = std::clamp(count, kMinPeriods, kMaxPeriods);
}

void FinancialDocument::SelectDisplayMode(TDisplayMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    ComputeRatios();
    ComputeDuPont();
}

void FinancialDocument::ComputeRatios()
{
    const StatementsUnchanged unchanged(*this);
    ComputeRatioTable(Sheet(fsBalanceSheet), Sheet(fsIncomeStatement), Sheet(fsRatios), m_periods, DisplayFactor());
}

void FinancialDocument::ComputeDuPont()
{
    const StatementsUnchanged unchanged(*this);
    ComputeDuPontTable(Sheet(fsBalanceSheet), Sheet(fsIncomeStatement), Sheet(fsDuPont), m_periods, DisplayFactor(),
                       m_dupontPoints);
}

bool FinancialDocument::HasUnsavedChanges() const
{
    for (TFinSheet which : kStatementSheets)
        if (m_sheets[which]->Modified())
            return true;
    return m_periods != m_savedPeriods || m_mode != m_savedMode;
}

// Reading a statement line through GetCell creates a missing cell, which marks the sheet modified; a computation
// only reads the statements, so their flags are put back as they were.
FinancialDocument::StatementsUnchanged::StatementsUnchanged(FinancialDocument& document) : m_document(document)
{
    for (TFinSheet which : kStatementSheets)
        m_modified[which] = m_document.m_sheets[which]->Modified();
}

FinancialDocument::StatementsUnchanged::~StatementsUnchanged()
{
    for (TFinSheet which : kStatementSheets)
        m_document.m_sheets[which]->SetModified(m_modified[which]);
}

ChartData FinancialDocument::RatioChart()
{
    return RatioChartData(Sheet(fsRatios), m_periods);
}

std::string ExecutableDirectory()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

} // namespace qv
