// The document: clear and reset, statement files and settings (with the mended faults), charts, display mode.
#include "AppTestSupport.h"
#include "app/core/Analysis.h"
#include "cells/StringCell.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"

#include <vector>

namespace qv {
namespace {

using test::FileBytes;
using test::SetLine;
using test::SheetBytes;
using test::TempDir;
using test::ValueAt;
using test::WriteBytes;

const TFinSheet kAllSheets[] = {fsBalanceSheet, fsIncomeStatement, fsCashFlow, fsRatios, fsDuPont};

// Every period cell of every sheet gets a figure, every heading a name.
void FillEverything(FinancialDocument& document)
{
    for (TFinSheet which : kAllSheets) {
        TXLSheet& sheet = document.Sheet(which);
        for (int col = kFirstPeriodColumn; col < sheet.ColCount(); ++col) {
            sheet.GetCell(col, 0).SetAsString("期" + std::to_string(col));
            for (int row = 1; row < sheet.RowCount(); ++row)
                if (TXLCell* cell = sheet.FindCell(col, row))
                    cell->SetAsFloat(row + col / 100.0);
        }
    }
}

TEST(Clear, ResetsPeriodColumnsOnlyAndLeavesTheRatioTablesGroupRows)
{
    FinancialDocument document;
    FillEverything(document);
    document.Sheet(fsRatios).GetCell(5, 9).SetAsString("kept");
    document.SetPeriodCount(6);
    document.SetDisplayMode(dmPercent);
    document.Clear();
    for (TFinSheet which : kAllSheets) {
        TXLSheet& sheet = document.Sheet(which);
        SCOPED_TRACE(sheet.Name);
        for (int col = kFirstPeriodColumn; col < kPeriodColumnsEnd; ++col) {
            EXPECT_EQ(sheet.FindCell(col, 0)->GetAsString(), "") << "column " << col;
            for (int row = 1; row < sheet.RowCount(); ++row) {
                if (which == fsRatios && (row == 8 || row == 15))
                    EXPECT_EQ(sheet.FindCell(col, row), nullptr) << col << ", " << row;
                else if (which == fsRatios && row == 9)
                    EXPECT_EQ(sheet.FindCell(col, row) ? sheet.FindCell(col, row)->GetAsString() : "",
                              col == 5 ? "kept" : "");
                else
                    EXPECT_EQ(ValueAt(sheet, col, row), 0.0) << col << ", " << row;
            }
        }
    }
    // Names and explanations, the DuPont table's column 10, the settings: untouched.
    const std::unique_ptr<TXLSheet> ratios = CreateTemplateSheet(fsRatios);
    for (int row = 0; row < 20; ++row)
        for (int col : {0, 1})
            EXPECT_EQ(document.Sheet(fsRatios).FindCell(col, row)
                          ? document.Sheet(fsRatios).FindCell(col, row)->GetAsString()
                          : "-",
                      ratios->FindCell(col, row) ? ratios->FindCell(col, row)->GetAsString() : "-");
    EXPECT_EQ(document.Sheet(fsBalanceSheet).FindCell(1, 24)->GetAsString(), "流动资产合计");
    EXPECT_EQ(ValueAt(document.Sheet(fsDuPont), 10, 3), 3.1);
    EXPECT_EQ(document.PeriodCount(), 6);
    EXPECT_EQ(document.DisplayMode(), dmPercent);
}

TEST(Clear, TextCellsInPeriodColumnsReceiveTheTextZero)
{
    FinancialDocument document;
    document.Sheet(fsCashFlow).Section(sClient).ReplaceCell({4, 10}, &TXLCString::Class()).SetAsString("备注");
    document.Clear();
    EXPECT_EQ(document.Sheet(fsCashFlow).FindCell(4, 10)->GetAsString(), "0");
}

class Files : public ::testing::Test {
protected:
    void SaveFilled()
    {
        FinancialDocument document;
        FillEverything(document);
        document.SetPeriodCount(6);
        document.SetDisplayMode(dmPercent);
        document.Save(m_dir.Str());
    }
    std::string Settings() { return FileBytes(m_dir / "myini.ini"); }

    TempDir m_dir;
};

TEST_F(Files, SaveThenLoadGivesIdenticalSheetsAndSettings)
{
    FinancialDocument saved;
    FillEverything(saved);
    saved.SetPeriodCount(6);
    saved.SetDisplayMode(dmPercent);
    saved.Save(m_dir.Str());
    FinancialDocument loaded;
    EXPECT_TRUE(loaded.Load(m_dir.Str()).empty());
    for (TFinSheet which : kSavedSheets)
        EXPECT_EQ(SheetBytes(loaded.Sheet(which)), SheetBytes(saved.Sheet(which))) << SheetFileName(which);
    EXPECT_EQ(loaded.PeriodCount(), 6);
    EXPECT_EQ(loaded.DisplayMode(), dmPercent);
    // The DuPont table is never saved: it starts from its template.
    EXPECT_EQ(SheetBytes(loaded.Sheet(fsDuPont)), SheetBytes(*CreateTemplateSheet(fsDuPont)));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "dupont.dat"));
}

TEST_F(Files, MissingFilesAreNoProblemAndLeaveTheTemplates)
{
    FinancialDocument document;
    EXPECT_TRUE(document.Load(m_dir.Str()).empty());
    for (TFinSheet which : kAllSheets)
        EXPECT_EQ(SheetBytes(document.Sheet(which)), SheetBytes(*CreateTemplateSheet(which)));
    EXPECT_EQ(document.PeriodCount(), 4);
    EXPECT_EQ(document.DisplayMode(), dmPlain);
}

TEST_F(Files, ADamagedFileIsNamedAndStopsNeitherTheOthersNorTheSettings)
{
    SaveFilled();
    const std::string good = FileBytes(m_dir / "sy.dat");
    const std::string damaged = good.substr(0, 400);
    WriteBytes(m_dir / "sy.dat", damaged);
    std::string readerMessage;
    try {
        TXLSheet probe;
        probe.LoadFromFile((m_dir / "sy.dat").string());
    } catch (const EPlatformError& e) {
        readerMessage = e.Message();
    }
    ASSERT_FALSE(readerMessage.empty());

    FinancialDocument document;
    const std::vector<LoadProblem> problems = document.Load(m_dir.Str());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].FileName, "sy.dat");
    EXPECT_EQ(problems[0].Message, readerMessage);
    EXPECT_EQ(problems[0].Text(), "sy.dat: " + readerMessage);
    // The damaged file's sheet keeps its template; the files after it and the settings are read.
    EXPECT_EQ(SheetBytes(document.Sheet(fsIncomeStatement)), SheetBytes(*CreateTemplateSheet(fsIncomeStatement)));
    EXPECT_EQ(document.Sheet(fsBalanceSheet).FindCell(3, 0)->GetAsString(), "期3");
    EXPECT_EQ(document.Sheet(fsCashFlow).FindCell(3, 0)->GetAsString(), "期3");
    EXPECT_EQ(document.Sheet(fsRatios).FindCell(3, 0)->GetAsString(), "期3");
    EXPECT_EQ(document.PeriodCount(), 6);
    EXPECT_EQ(document.DisplayMode(), dmPercent);
    EXPECT_EQ(FileBytes(m_dir / "sy.dat"), damaged) << "loading changes no file";
}

TEST_F(Files, ADamagedFileIsKeptAsideBeforeTheNextSaveReplacesIt)
{
    SaveFilled();
    const std::string damaged = FileBytes(m_dir / "sy.dat").substr(0, 400);
    WriteBytes(m_dir / "sy.dat", damaged);
    FinancialDocument document;
    ASSERT_EQ(document.Load(m_dir.Str()).size(), 1u);
    document.Save(m_dir.Str());
    EXPECT_EQ(FileBytes(m_dir / "sy.dat.damaged"), damaged);
    EXPECT_EQ(FileBytes(m_dir / "sy.dat"), SheetBytes(document.Sheet(fsIncomeStatement)));
    for (const char* other : {"zcfz.dat.damaged", "xjll.dat.damaged", "cwfx.dat.damaged"})
        EXPECT_FALSE(std::filesystem::exists(m_dir / other)) << other;
    // Once replaced, a further save has nothing to keep aside.
    document.Sheet(fsIncomeStatement).GetCell(2, 1).SetAsFloat(5);
    document.Save(m_dir.Str());
    EXPECT_EQ(FileBytes(m_dir / "sy.dat.damaged"), damaged);
}

TEST_F(Files, AFailingSaveStopsAtThatFileAndRaisesItsError)
{
    SaveFilled();
    const std::string earlierXjll = FileBytes(m_dir / "xjll.dat");
    const std::string earlierSettings = Settings();
    // A directory in the way of sy.dat: it cannot be replaced.
    std::filesystem::remove(m_dir / "sy.dat");
    std::filesystem::create_directories(m_dir / "sy.dat" / "blocked");
    FinancialDocument document;
    document.SetPeriodCount(3);
    EXPECT_THROW(document.Save(m_dir.Str()), EFileError);
    EXPECT_EQ(FileBytes(m_dir / "zcfz.dat"), SheetBytes(document.Sheet(fsBalanceSheet))) << "saved before the failure";
    EXPECT_EQ(FileBytes(m_dir / "xjll.dat"), earlierXjll) << "not reached";
    EXPECT_EQ(Settings(), earlierSettings) << "settings are not written after a failure";
}

TEST_F(Files, SavingIntoAMissingDirectoryFailsWithoutWritingAnything)
{
    FinancialDocument document;
    EXPECT_THROW(document.Save((m_dir / "absent").string()), EFileError);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "absent"));
}

TEST_F(Files, ThePeriodCountComesBackAsSavedWithinThreeToEight)
{
    struct Case {
        const char* Settings;
        int Periods;
        TDisplayMode Mode;
    };
    const Case cases[] = {
        {"[SYSSET]\nFC=6\nDisplayMode=1\n", 6, dmPercent},
        {"[SYSSET]\nFC=8\nDisplayMode=0\n", 8, dmPlain},
        {"[SYSSET]\nFC=3\n", 3, dmPlain},
        {"[SYSSET]\nFC=2\nDisplayMode=2\n", 3, dmPlain},
        {"[SYSSET]\nFC=12\n", 8, dmPlain},
        {"[SYSSET]\nFC=0\n", 3, dmPlain},
        {"[SYSSET]\nFC=abc\n", 4, dmPlain},
        {"[OTHER]\nFC=6\n", 4, dmPlain},
        {"[sysset]\nfc=$5\ndisplaymode=1\n", 5, dmPercent},
    };
    for (const Case& c : cases) {
        WriteBytes(m_dir / "myini.ini", c.Settings);
        FinancialDocument document;
        EXPECT_TRUE(document.Load(m_dir.Str()).empty());
        EXPECT_EQ(document.PeriodCount(), c.Periods) << c.Settings;
        EXPECT_EQ(document.DisplayMode(), c.Mode) << c.Settings;
    }
}

TEST_F(Files, SavingTheSettingsKeepsEverythingElseInTheFile)
{
    const std::string before =
        "; Quorvane\r\n[SYSSET]\r\nFC=4\r\nWeb=http://example.invalid\r\n\r\n[Window]\r\nTop=10\r\n";
    WriteBytes(m_dir / "myini.ini", before);
    FinancialDocument document;
    document.SetPeriodCount(7);
    document.SetDisplayMode(dmPercent);
    document.Save(m_dir.Str());
    EXPECT_EQ(
        Settings(),
        "; Quorvane\r\n[SYSSET]\r\nFC=7\r\nWeb=http://example.invalid\r\nDisplayMode=1\r\n\r\n[Window]\r\nTop=10\r\n");
}

int CellsOf(TXLSheet& sheet)
{
    return sheet.IterateCells(sheet.GetSheetRect(), TXLCellWalk::Existing, [](TXLCell&) { return true; });
}

TEST_F(Files, StatementsClaimingTheLargestRowCountCostOnlyTheCellsTheyHold)
{
    // Small files whose RowCount is the largest a sheet holds, with one figure and one name far below the template.
    constexpr int kFarRow = 900000;
    for (TFinSheet which : kSavedSheets) {
        const std::unique_ptr<TXLSheet> sheet = CreateTemplateSheet(which);
        sheet->SetRowCount(kMaxCount);
        sheet->GetCell(kFirstPeriodColumn + 1, kFarRow).SetAsFloat(7.5);
        sheet->GetCell(1, kFarRow).SetAsString("far line");
        sheet->SaveToFile((m_dir / SheetFileName(which)).string());
    }
    FinancialDocument loaded;
    ASSERT_TRUE(loaded.Load(m_dir.Str()).empty());
    FinancialDocument reference;
    for (FinancialDocument* document : {&loaded, &reference}) {
        document->Clear();
        document->ComputeRatios();
        document->ComputeDuPont();
        document->RatioChart();
    }
    for (TFinSheet which : kSavedSheets) {
        TXLSheet& sheet = loaded.Sheet(which);
        SCOPED_TRACE(sheet.Name);
        EXPECT_EQ(sheet.RowCount(), kMaxCount);
        EXPECT_EQ(CellsOf(sheet), CellsOf(reference.Sheet(which)) + 2);
        EXPECT_EQ(ValueAt(sheet, kFirstPeriodColumn + 1, kFarRow), 0.0);
        EXPECT_EQ(sheet.FindCell(1, kFarRow)->GetAsString(), "far line");
    }
}

TEST(Charts, TheRatioChartPlotsFiveTableRowsInLegendOrder)
{
    FinancialDocument document;
    TXLSheet& ratios = document.Sheet(fsRatios);
    for (int col = 2; col <= 9; ++col)
        for (int row : {1, 2, 3, 4, 16})
            ratios.GetCell(col, row).SetAsFloat(row * 10 + col);
    document.SetPeriodCount(3);
    const ChartData chart = document.RatioChart();
    EXPECT_EQ(chart.Title, "企业财务分析跟踪 按有效期数");
    struct Expected {
        const char* Name;
        const char* Title;
        int Row;
        TColor Colour, Line;
        TMarksStyle Marks;
    };
    const Expected expected[] = {{"Series3", "资产负债率", 4, clYellow, clYellow, msValue},
                                 {"Series4", "现金比率", 3, clBlue, clGray, msValue},
                                 {"Series1", "流动比率", 1, clRed, clRed, msValue},
                                 {"Series2", "速动比率", 2, clGreen, clGreen, msDefault},
                                 {"Series5", "销售利润率", 16, clWhite, clGray, msValue}};
    ASSERT_EQ(chart.Series.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        const ChartSeries& series = chart.Series[i];
        EXPECT_EQ(series.Name, expected[i].Name);
        EXPECT_EQ(series.Title, expected[i].Title);
        EXPECT_EQ(series.Color, expected[i].Colour);
        EXPECT_EQ(series.LineColor, expected[i].Line);
        EXPECT_EQ(series.Marks, expected[i].Marks);
        const double row = expected[i].Row * 10;
        EXPECT_EQ(series.Points, (std::vector<double>{row + 2, row + 3, row + 4})) << series.Name;
    }
    // The chart shows the table as it stands and changes nothing: a second refill gives the same points.
    EXPECT_EQ(document.RatioChart().Series[2].Points, chart.Series[2].Points);
}

TEST(Charts, TheDuPontChartHoldsTheLastRunsReturnOnEquity)
{
    FinancialDocument document;
    EXPECT_TRUE(document.DuPontChart().Series.at(0).Points.empty());
    for (int p = 1; p <= 4; ++p) {
        SetLine(document.Sheet(fsBalanceSheet), kBsLiabilities, p, "50");
        SetLine(document.Sheet(fsBalanceSheet), kBsAssets, p, "100");
        SetLine(document.Sheet(fsIncomeStatement), kIsRevenue, p, "100");
        SetLine(document.Sheet(fsIncomeStatement), kIsNetRevenue, p, "100");
        SetLine(document.Sheet(fsIncomeStatement), kIsNetProfit, p, std::to_string(p * 10));
    }
    document.ComputeDuPont();
    const ChartData chart = document.DuPontChart();
    EXPECT_EQ(chart.Title, "净资产收益率");
    const ChartSeries& series = chart.Series.at(0);
    EXPECT_EQ(series.Name, "Series6");
    EXPECT_EQ(series.Title, "净资产收益率");
    EXPECT_EQ(series.Color, clRed);
    EXPECT_EQ(series.LineColor, clRed);
    ASSERT_EQ(series.Points.size(), 4u);
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(series.Points[p - 1], ValueAt(document.Sheet(fsDuPont), 1 + p, 5)) << "period " << p;
}

TEST(DisplayMode, SelectingTheOtherModeRecomputesBothTablesAndTheSameModeNothing)
{
    FinancialDocument document;
    SetLine(document.Sheet(fsBalanceSheet), kBsCurrentAssets, 1, "300");
    SetLine(document.Sheet(fsBalanceSheet), kBsCurrentLiabilities, 1, "100");
    SetLine(document.Sheet(fsBalanceSheet), kBsLiabilities, 1, "50");
    SetLine(document.Sheet(fsBalanceSheet), kBsAssets, 1, "100");
    document.SelectDisplayMode(dmPlain);
    EXPECT_EQ(ValueAt(document.Sheet(fsRatios), 2, 1), 0.0) << "the mode in force: nothing computed";
    document.SelectDisplayMode(dmPercent);
    EXPECT_EQ(document.DisplayFactor(), 100);
    EXPECT_EQ(ValueAt(document.Sheet(fsRatios), 2, 1), 300.0);
    EXPECT_EQ(ValueAt(document.Sheet(fsDuPont), 2, 1), 50.0);
    document.SelectDisplayMode(dmPlain);
    EXPECT_EQ(ValueAt(document.Sheet(fsRatios), 2, 1), 3.0);
    EXPECT_EQ(ValueAt(document.Sheet(fsDuPont), 2, 1), 0.5);
}

TEST(Periods, TheCountIsKeptWithinThreeToEight)
{
    FinancialDocument document;
    EXPECT_EQ(document.PeriodCount(), 4);
    for (auto [given, kept] : {std::pair{2, 3}, {3, 3}, {8, 8}, {9, 8}, {-1, 3}}) {
        document.SetPeriodCount(given);
        EXPECT_EQ(document.PeriodCount(), kept) << given;
    }
}

} // namespace
} // namespace qv
