// The financial analysis without its window: five sheets, their files, the settings and both computations.
#pragma once

#include "app/core/Charts.h"
#include "app/core/SheetTemplates.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qv {

enum TDisplayMode : uint8_t { dmPlain, dmPercent };

// A file that could not be read while loading, and the reader's message.
struct LoadProblem {
    std::string FileName; // "zcfz.dat", ..., "myini.ini"
    std::string Message;
    std::string Text() const { return FileName + ": " + Message; }
};

class FinancialDocument {
public:
    static constexpr const char* kSettingsFile = "myini.ini";
    static constexpr int kInitialPeriods = 4;

    // Every sheet from its template; four periods, plain display.
    FinancialDocument();
    FinancialDocument(const FinancialDocument&) = delete;
    FinancialDocument& operator=(const FinancialDocument&) = delete;

    // The document owns the sheets for its life; references stay valid across Load.
    TXLSheet& Sheet(TFinSheet sheet) { return *m_sheets[sheet]; }

    // Reads the four statement files and the settings of a directory, each on its own. A missing file is no
    // problem (its sheet stays as it is); a file that cannot be read is reported with the reader's message,
    // leaves its sheet as it was and is renamed to "<name>.damaged" by the next Save before it is replaced.
    // The period count comes back as saved (clamped to [kMinPeriods, kMaxPeriods]; absent: unchanged), the
    // display mode as saved. Nothing is computed: the window recomputes when the restored mode is percent, as
    // checking that radio button does.
    std::vector<LoadProblem> Load(const std::string& directory);
    // Writes the four statement files (each replaced atomically), then the period count and display mode into
    // the settings file, whose other content stays. The first failure raises its EPlatformError and stops the
    // save; returning means everything was written.
    void Save(const std::string& directory);
    // "清空重置": in every sheet's period columns, row 0 becomes empty text and the other rows 0, except the
    // ratio table's blank row and group headings. Names, counts and the display mode stay; nothing is computed.
    void Clear();

    int PeriodCount() const { return m_periods; }
    // Clamped to [kMinPeriods, kMaxPeriods]; applies from the next computation or chart refill.
    void SetPeriodCount(int count);
    TDisplayMode DisplayMode() const { return m_mode; }
    // Stores the mode; nothing is recomputed (see SelectDisplayMode).
    void SetDisplayMode(TDisplayMode mode) { m_mode = mode; }
    // A click on a display-mode button: a different mode is stored and both tables are recomputed (ratios, then
    // DuPont; an error stops there); the mode in force does nothing.
    void SelectDisplayMode(TDisplayMode mode);
    // 100 in percent mode, else 1: every computed result is multiplied by it.
    int DisplayFactor() const { return m_mode == dmPercent ? 100 : 1; }

    // Cmd_CountClick: the ratio table. Errors are the platform's; see ComputeRatioTable.
    void ComputeRatios();
    // DuPontCount: the DuPont table and the points of its chart. Errors as ComputeDuPontTable's.
    void ComputeDuPont();
    // The ratio chart from the table as it stands (it does not compute).
    ChartData RatioChart();
    // The DuPont chart as the last ComputeDuPont left it (no points before the first).
    ChartData DuPontChart() const { return DuPontChartData(m_dupontPoints); }

    // Whether ending the program would lose work: a statement sheet modified, or the period count or display mode
    // changed, since the last Load or Save. The ratio and DuPont tables are derived and do not count.
    bool HasUnsavedChanges() const;

private:
    // Keeps the statements' modified flags across a computation.
    class StatementsUnchanged {
    public:
        explicit StatementsUnchanged(FinancialDocument& document);
        ~StatementsUnchanged();
        StatementsUnchanged(const StatementsUnchanged&) = delete;
        StatementsUnchanged& operator=(const StatementsUnchanged&) = delete;

    private:
        FinancialDocument& m_document;
        std::array<bool, kFinSheetCount> m_modified{};
    };

    std::array<std::unique_ptr<TXLSheet>, kFinSheetCount> m_sheets;
    std::array<bool, kFinSheetCount> m_damaged{}; // read failed: keep the file aside before replacing it
    std::vector<double> m_dupontPoints;
    int m_periods = kInitialPeriods;
    TDisplayMode m_mode = dmPlain;
    // The settings as last loaded or saved.
    int m_savedPeriods = kInitialPeriods;
    TDisplayMode m_savedMode = dmPlain;
};

// The directory of the running executable, where the files live unless a program is told otherwise.
std::string ExecutableDirectory();

} // namespace qv
