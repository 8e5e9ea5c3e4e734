// The ratio and DuPont computations: protected quotients, periods, averages, display factor and failures.
#include "app/core/Analysis.h"
#include "AppTestSupport.h"
#include "cells/StringCell.h"
#include "formula/FormulaCell.h"
#include "platform/Errors.h"

#include <algorithm>
#include <vector>

namespace qv {
namespace {

using test::Amount;
using test::SetLine;
using test::ValueAt;

TEST(ProtectedQuotient, AddsTheLeastAmountToTheDenominatorAndRoundsHalvesToEven)
{
    struct Case {
        const char* A;
        const char* B;
        const char* Expected;
    };
    const Case cases[] = {
        {"300", "100", "3"},
        {"10000", "1", "9999.0001"},
        {"500", "0", "5000000"},
        {"1", "3", "0.3333"},
        {"0", "0", "0"},
        {"50", "100", "0.5"},
        {"50", "99", "0.505"},
        {"-7", "2", "-3.4998"},
        {"100000", "100000", "1"},
        {"0.0005", "1.9999", "0.0002"},   // 0.00025: the half goes to the even neighbour
        {"-0.0005", "1.9999", "-0.0002"}, // and below zero likewise
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProtectedQuotient(Amount(c.A), Amount(c.B)), Amount(c.Expected)) << c.A << " / " << c.B;
}

TEST(ProtectedQuotient, FailsWithThePlatformErrorsWhereTheSumIsZeroOrTheQuotientNoAmount)
{
    EXPECT_THROW(ProtectedQuotient(Amount("5"), Amount("-0.0001")), EZeroDivide);
    EXPECT_THROW(ProtectedQuotient(Amount("0"), Amount("-0.0001")), EInvalidOp);
    EXPECT_THROW(ProtectedQuotient(Amount("100000000000"), Amount("0")), EInvalidOp);
}

class Computation : public ::testing::Test {
protected:
    TXLSheet& Balance() { return m_document.Sheet(fsBalanceSheet); }
    TXLSheet& Income() { return m_document.Sheet(fsIncomeStatement); }
    TXLSheet& Ratios() { return m_document.Sheet(fsRatios); }
    TXLSheet& DuPont() { return m_document.Sheet(fsDuPont); }
    // A ratio or DuPont figure of period p (1-based).
    double R(int row, int period) { return ValueAt(Ratios(), 1 + period, row); }
    double D(int row, int period) { return ValueAt(DuPont(), 1 + period, row); }
    void EveryPeriod(TXLSheet& sheet, int row, const char* amount)
    {
        for (int p = 1; p <= 8; ++p)
            SetLine(sheet, row, p, amount);
    }
    // Marks every value cell of a computed table, so a test sees which ones a run rewrote.
    void FillWith(TXLSheet& sheet, double value)
    {
        for (int row = 1; row < sheet.RowCount(); ++row)
            for (int col = kFirstPeriodColumn; col < sheet.ColCount(); ++col)
                if (TXLCell* cell = sheet.FindCell(col, row))
                    cell->SetAsFloat(value);
    }

    FinancialDocument m_document;
};

TEST_F(Computation, AllZeroStatementsGiveZeroEverywhereInBothModes)
{
    for (TDisplayMode mode : {dmPlain, dmPercent}) {
        m_document.SetDisplayMode(mode);
        FillWith(Ratios(), 7);
        FillWith(DuPont(), 7);
        m_document.ComputeRatios();
        m_document.ComputeDuPont();
        for (int p = 1; p <= 4; ++p) {
            for (int row : kRatioRows)
                EXPECT_EQ(R(row, p), 0.0) << "row " << row << " period " << p;
            for (int row : kDuPontRows)
                EXPECT_EQ(D(row, p), 0.0) << "row " << row << " period " << p;
        }
        EXPECT_EQ(m_document.DuPontChart().Series.at(0).Points, std::vector<double>(4, 0.0));
    }
}

TEST_F(Computation, CurrentRatioIsTheProtectedQuotientTimesTheFactor)
{
    struct Case {
        const char* CurrentAssets;
        const char* CurrentLiabilities; // nullptr: the line stays empty
        TDisplayMode Mode;
        double Expected;
        const char* Shown;
    };
    const Case cases[] = {
        {"300", "100", dmPlain, 3.0, "3.0000"},          {"300", "100", dmPercent, 300.0, "300.0000"},
        {"10000", "1", dmPlain, 9999.0001, "9999.0001"}, {"500", nullptr, dmPlain, 5000000.0, "5000000.0000"},
        {"1", "3", dmPlain, 0.3333, "0.3333"},           {"1", "3", dmPercent, 100 * 0.3333, "33.3300"},
    };
    for (const Case& c : cases) {
        FinancialDocument document;
        SetLine(document.Sheet(fsBalanceSheet), kBsCurrentAssets, 1, c.CurrentAssets);
        if (c.CurrentLiabilities)
            SetLine(document.Sheet(fsBalanceSheet), kBsCurrentLiabilities, 1, c.CurrentLiabilities);
        document.SetDisplayMode(c.Mode);
        document.ComputeRatios();
        TXLCell& cell = *document.Sheet(fsRatios).FindCell(2, 1);
        EXPECT_EQ(cell.GetAsFloat(), c.Expected) << c.Shown;
        EXPECT_EQ(cell.GetDisplayText(), c.Shown);
    }
}

TEST_F(Computation, EachRatioReadsItsLines)
{
    // One period whose lines are all different, so every formula shows which lines it read.
    const std::pair<int, const char*> balance[] = {
        {kBsCash, "120"},
        {kBsShortInvestments, "30"},
        {kBsNetReceivables, "90"},
        {kBsNetInventory, "200"},
        {kBsPrepaidExpenses, "10"},
        {kBsPendingCurrentLosses, "5"},
        {kBsCurrentAssets, "600"},
        {kBsFixedAssets, "800"},
        {kBsIntangibleAssets, "70"},
        {kBsIntangibleAndDeferred, "100"},
        {kBsAssets, "1600"},
        {kBsCurrentLiabilities, "400"},
        {kBsLiabilities, "700"},
        {kBsEquity, "900"},
    };
    const std::pair<int, const char*> income[] = {{kIsRevenue, "2000"},        {kIsNetRevenue, "1900"},
                                                  {kIsCost, "1200"},           {kIsMainProfit, "650"},
                                                  {kIsOperatingProfit, "300"}, {kIsNetProfit, "180"}};
    for (auto [row, amount] : balance)
        SetLine(Balance(), row, 1, amount);
    for (auto [row, amount] : income)
        SetLine(Income(), row, 1, amount);
    m_document.ComputeRatios();
    auto q = [](const char* a, const char* b) { return ProtectedQuotient(Amount(a), Amount(b)).ToDouble(); };
    const std::pair<int, double> expected[] = {
        {1, q("600", "400")},   {2, q("385", "400")},   {3, q("150", "400")},   {4, q("700", "1600")},
        {5, q("700", "830")},   {6, q("700", "900")},   {7, q("700", "1485")},  {16, q("650", "1900")},
        {17, q("800", "2000")}, {18, q("300", "2000")}, {19, q("180", "2000")},
    };
    for (auto [row, value] : expected)
        EXPECT_EQ(R(row, 1), value) << "row " << row;
    for (int row : {10, 11, 12, 13, 14})
        EXPECT_EQ(R(row, 1), 0.0) << "turnover row " << row << " needs a previous period";
}

TEST_F(Computation, TurnoverRowsUseTheAverageOfThePreviousAndThisPeriod)
{
    for (int row : {kBsNetReceivables, kBsNetInventory, kBsCurrentAssets, kBsFixedAssets, kBsAssets}) {
        SetLine(Balance(), row, 1, "100");
        SetLine(Balance(), row, 2, "300");
    }
    EveryPeriod(Income(), kIsNetRevenue, "1000");
    EveryPeriod(Income(), kIsCost, "500");
    m_document.ComputeRatios();
    const double avgRevenue = ProtectedQuotient(Amount("1000"), Amount("200")).ToDouble();
    const double avgCost = ProtectedQuotient(Amount("500"), Amount("200")).ToDouble();
    for (int row : {10, 12, 13, 14}) {
        EXPECT_EQ(R(row, 1), 0.0) << "row " << row;
        EXPECT_EQ(R(row, 2), avgRevenue) << "row " << row;
    }
    EXPECT_EQ(R(11, 1), 0.0);
    EXPECT_EQ(R(11, 2), avgCost);
    // Period 3 averages 300 and 0.
    EXPECT_EQ(R(14, 3), ProtectedQuotient(Amount("1000"), Amount("150")).ToDouble());
}

// Half of an odd number of ten-thousandths lies between two amounts: the even one is taken.
TEST_F(Computation, AveragesRoundHalvesToEven)
{
    struct Case {
        const char* First;
        const char* Second;
        const char* Average;
    };
    const Case cases[] = {
        {"0.0001", "0.0004", "0.0002"},    // away from zero would give 0.0003
        {"0.0003", "0.0004", "0.0004"},    // cutting off would give 0.0003
        {"-0.0001", "-0.0004", "-0.0002"}, // alike below zero
    };
    for (const Case& c : cases) {
        FinancialDocument document;
        TXLSheet& balance = document.Sheet(fsBalanceSheet);
        SetLine(balance, kBsNetReceivables, 1, c.First);
        SetLine(balance, kBsNetReceivables, 2, c.Second);
        SetLine(document.Sheet(fsIncomeStatement), kIsNetRevenue, 2, "1");
        document.ComputeRatios();
        EXPECT_EQ(ValueAt(document.Sheet(fsRatios), 3, 10),
                  ProtectedQuotient(Amount("1"), Amount(c.Average)).ToDouble())
            << c.First << " and " << c.Second;
    }
}

TEST_F(Computation, EightPeriodsFillColumnNineAndEightChartPoints)
{
    EveryPeriod(Balance(), kBsCurrentAssets, "300");
    EveryPeriod(Balance(), kBsCurrentLiabilities, "100");
    EveryPeriod(Balance(), kBsAssets, "100");
    EveryPeriod(Balance(), kBsLiabilities, "50");
    SetLine(Balance(), kBsCurrentAssets, 8, "500");
    m_document.SetPeriodCount(8);
    m_document.ComputeRatios();
    m_document.ComputeDuPont();
    EXPECT_EQ(ValueAt(Ratios(), 8, 1), 3.0) << "period 7";
    EXPECT_EQ(ValueAt(Ratios(), 9, 1), 5.0) << "period 8, in column 9";
    EXPECT_EQ(ValueAt(DuPont(), 9, 1), 0.5);
    for (const ChartSeries& series : m_document.RatioChart().Series)
        EXPECT_EQ(series.Points.size(), 8u) << series.Name;
    const std::vector<ChartSeries>& series = m_document.RatioChart().Series;
    const auto currentRatio =
        std::find_if(series.begin(), series.end(), [](const ChartSeries& s) { return s.Name == "Series1"; });
    ASSERT_NE(currentRatio, series.end());
    EXPECT_EQ(currentRatio->Points.back(), 5.0) << "the current ratio's last point";
    EXPECT_EQ(m_document.DuPontChart().Series.at(0).Points.size(), 8u);
}

TEST_F(Computation, PeriodsBeyondTheCountStayZeroAndTheChartHasOnePointPerPeriod)
{
    EveryPeriod(Balance(), kBsCurrentAssets, "300");
    EveryPeriod(Balance(), kBsCurrentLiabilities, "100");
    EveryPeriod(Balance(), kBsAssets, "100");
    EveryPeriod(Balance(), kBsLiabilities, "50");
    FillWith(Ratios(), 7);
    FillWith(DuPont(), 7);
    m_document.SetPeriodCount(3);
    m_document.ComputeRatios();
    m_document.ComputeDuPont();
    for (int col = 2; col <= 9; ++col) {
        EXPECT_EQ(ValueAt(Ratios(), col, 1), col <= 4 ? 3.0 : 0.0) << "column " << col;
        EXPECT_EQ(ValueAt(DuPont(), col, 1), col <= 4 ? 0.5 : 0.0) << "column " << col;
    }
    EXPECT_EQ(ValueAt(DuPont(), 10, 1), 7.0) << "column 10 is never touched";
    for (const ChartSeries& series : m_document.RatioChart().Series)
        EXPECT_EQ(series.Points.size(), 3u) << series.Name;
    EXPECT_EQ(m_document.DuPontChart().Series.at(0).Points.size(), 3u);
}

TEST_F(Computation, ClearingLeavesHeadingsBlankAndGroupRowsAlone)
{
    FillWith(Ratios(), 7);
    Ratios().GetCell(3, 0).SetAsString("2020年");
    m_document.ComputeRatios();
    for (int col = 2; col <= 9; ++col) {
        EXPECT_EQ(Ratios().FindCell(col, 0)->GetAsString(), "") << "column " << col;
        for (int row : kRatioKeptRows)
            EXPECT_EQ(Ratios().FindCell(col, row), nullptr) << "row " << row;
    }
    EXPECT_EQ(Ratios().FindCell(1, 9)->GetAsString(), "营运能力分析");
    EXPECT_EQ(Ratios().FindCell(1, 15)->GetAsString(), "赢利能力分析");
}

TEST_F(Computation, AFailingPeriodStopsWithEarlierPeriodsWrittenAndTheRestZero)
{
    EveryPeriod(Balance(), kBsCurrentAssets, "300");
    EveryPeriod(Balance(), kBsCurrentLiabilities, "100");
    EveryPeriod(Balance(), kBsLiabilities, "50");
    SetLine(Balance(), kBsAssets, 2, "-0.0001");
    FillWith(Ratios(), 7);
    try {
        m_document.ComputeRatios();
        FAIL() << "the debt ratio of period 2 divides by zero";
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(e.Message(), "Floating point division by zero");
    }
    EXPECT_EQ(R(1, 1), 3.0);
    for (int p = 2; p <= 4; ++p)
        for (int row : kRatioRows)
            EXPECT_EQ(R(row, p), 0.0) << "row " << row << " period " << p;
}

// A period computes the debt ratio (row 4) before the current ratio (row 1): its error is the one reported.
TEST_F(Computation, OfTwoFailingLinesTheFirstComputedReportsItsError)
{
    SetLine(Balance(), kBsAssets, 1, "-0.0001"); // the debt ratio: 0 / 0
    SetLine(Balance(), kBsCurrentAssets, 1, "5");
    SetLine(Balance(), kBsCurrentLiabilities, 1, "-0.0001"); // the current ratio: 5 / 0
    EXPECT_THROW(m_document.ComputeRatios(), EInvalidOp);

    SetLine(Balance(), kBsAssets, 1, "100");
    EXPECT_THROW(m_document.ComputeRatios(), EZeroDivide) << "with the debt ratio mended, the current ratio's";
}

TEST_F(Computation, TextThatIsNoNumberFailsWithTheConversionMessage)
{
    Balance().Section(sClient).ReplaceCell({3, kBsLiabilities}, &TXLCString::Class()).SetAsString("abc");
    try {
        m_document.ComputeRatios();
        FAIL() << "'abc' is no amount";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }
}

// A formula cell in error keeps its last number: the formulas naming it and the computation read that number.
TEST_F(Computation, AFormulaNamingAFormulaCellInErrorReadsItsKeptNumber)
{
    TXLSection& client = Balance().Section(sClient);
    auto& assets = static_cast<TXLCFormula&>(client.ReplaceCell({2, kBsCurrentAssets}, &TXLCFormula::Class()));
    assets.SetAsFloat(300);
    assets.SetAsString("=1/0");
    ASSERT_EQ(assets.Error(), TXLCFormula::feDivByZero);
    ASSERT_EQ(assets.GetDisplayText(), "#DIV/0!");
    // C25 is the current assets of period 1 (column 2, line 24).
    auto& liabilities =
        static_cast<TXLCFormula&>(client.ReplaceCell({2, kBsCurrentLiabilities}, &TXLCFormula::Class()));
    liabilities.SetAsString("=C25/3");
    EXPECT_EQ(liabilities.Error(), TXLCFormula::feNone);
    EXPECT_EQ(liabilities.GetAsFloat(), 100.0);

    m_document.ComputeRatios();
    EXPECT_NEAR(R(1, 1), 3.0, 1e-4) << "300 / 100, neither the error nor 0 for the failed cell";
}

TEST_F(Computation, ResultsAreWrittenAfterTheWholePeriodInRowOrder)
{
    EveryPeriod(Balance(), kBsCurrentAssets, "300");
    for (int row : {kBsCash, kBsCurrentLiabilities, kBsAssets, kBsLiabilities, kBsEquity})
        EveryPeriod(Balance(), row, "100");
    for (int row : {kIsRevenue, kIsNetRevenue, kIsMainProfit, kIsOperatingProfit, kIsNetProfit})
        EveryPeriod(Income(), row, "50");
    EveryPeriod(Income(), kIsCost, "20"); // so that every ratio changes from 0
    // Notifying cells report each write that changes them.
    Ratios().Section(sClient).SetLayerArea(kLayerStyles, {2, 1, 10, 20}, CellStyleBit(csNotify));
    std::vector<Point> writes;
    Ratios().OnCellChanged = [&](TXLSheet&, Point p) { writes.push_back(p); };
    FillWith(Ratios(), 7);
    writes.clear();
    m_document.ComputeRatios();
    std::vector<Point> expected;
    for (int row = 1; row < 20; ++row) // step 2 clears columns 2..9 row by row
        if (row != 8 && row != 9 && row != 15)
            for (int col = 2; col <= 9; ++col)
                expected.push_back({col, row});
    for (int col = 2; col <= 5; ++col)
        for (int row : kRatioRows)
            if (col > 2 || row < 10 || row > 14) // period 1's turnover stays 0: no change to report
                expected.push_back({col, row});
    EXPECT_EQ(writes, expected);
}

TEST_F(Computation, DuPontFiguresOfHalfDebtAndTheirPercentForm)
{
    EveryPeriod(Balance(), kBsLiabilities, "50");
    EveryPeriod(Balance(), kBsAssets, "100");
    EveryPeriod(Income(), kIsRevenue, "200");
    EveryPeriod(Income(), kIsNetRevenue, "100");
    EveryPeriod(Income(), kIsNetProfit, "10");
    for (TDisplayMode mode : {dmPlain, dmPercent}) {
        m_document.SetDisplayMode(mode);
        m_document.ComputeDuPont();
        const double f = mode == dmPercent ? 100 : 1;
        const double m = 0.1, t = 2.0, a = m * t, e = 2.0;
        for (int p = 1; p <= 4; ++p) {
            EXPECT_EQ(D(1, p), f * 0.5);
            EXPECT_EQ(D(2, p), f * a);
            EXPECT_EQ(D(3, p), f * m);
            EXPECT_EQ(D(4, p), f * t);
            EXPECT_EQ(D(5, p), f * (e * a)) << "the equity multiplier itself is never scaled";
        }
        EXPECT_EQ(m_document.DuPontChart().Series.at(0).Points, std::vector<double>(4, f * (e * a)));
    }
}

TEST_F(Computation, DuPontDebtRatioCases)
{
    struct Case {
        const char* Liabilities;
        const char* Assets;
        double DebtRatio;
        double Multiplier; // RE / A
    };
    const Case cases[] = {{"50", "100", 0.5, 2.0}, {"50", "99", 0.505, 1 / (1 - 0.505)}, {"150", "100", 1.5, -2.0}};
    for (const Case& c : cases) {
        FinancialDocument document;
        SetLine(document.Sheet(fsBalanceSheet), kBsLiabilities, 1, c.Liabilities);
        SetLine(document.Sheet(fsBalanceSheet), kBsAssets, 1, c.Assets);
        SetLine(document.Sheet(fsIncomeStatement), kIsRevenue, 1, "100");
        SetLine(document.Sheet(fsIncomeStatement), kIsNetRevenue, 1, "100");
        SetLine(document.Sheet(fsIncomeStatement), kIsNetProfit, 1, "10");
        document.ComputeDuPont();
        TXLSheet& dupont = document.Sheet(fsDuPont);
        EXPECT_EQ(ValueAt(dupont, 2, 1), c.DebtRatio) << c.Liabilities << " / " << c.Assets;
        EXPECT_EQ(ValueAt(dupont, 2, 5), c.Multiplier * ValueAt(dupont, 2, 2)) << c.Liabilities << " / " << c.Assets;
    }
}

TEST_F(Computation, DuPontTurnoverUsesThisPeriodsAssetsFirstAndTheAverageLater)
{
    EveryPeriod(Income(), kIsRevenue, "200");
    SetLine(Balance(), kBsAssets, 1, "100");
    SetLine(Balance(), kBsAssets, 2, "300");
    m_document.ComputeDuPont();
    EXPECT_EQ(D(4, 1), ProtectedQuotient(Amount("200"), Amount("100")).ToDouble());
    EXPECT_EQ(D(4, 2), ProtectedQuotient(Amount("200"), Amount("200")).ToDouble());
}

TEST_F(Computation, ADebtRatioOfOneStopsTheDuPontRunAtThatPeriod)
{
    EveryPeriod(Balance(), kBsLiabilities, "50");
    EveryPeriod(Balance(), kBsAssets, "100");
    SetLine(Balance(), kBsLiabilities, 2, "100000");
    SetLine(Balance(), kBsAssets, 2, "100000");
    FillWith(DuPont(), 7);
    try {
        m_document.ComputeDuPont();
        FAIL() << "1 / (1 - D) divides by zero";
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(e.Message(), "Floating point division by zero");
    }
    EXPECT_EQ(D(1, 1), 0.5);
    for (int p = 2; p <= 4; ++p)
        for (int row : kDuPontRows)
            EXPECT_EQ(D(row, p), 0.0) << "row " << row << " period " << p;
    EXPECT_EQ(m_document.DuPontChart().Series.at(0).Points.size(), 1u);
}

} // namespace
} // namespace qv
