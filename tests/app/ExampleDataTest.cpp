// The example enterprise's files: they load, their figures add up, and the saved ratio table is current.
#include "AppTestSupport.h"
#include "app/core/Analysis.h"

#include <vector>

namespace qv {
namespace {

using test::SheetBytes;

class ExampleData : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_document.Load(QV_EXAMPLE_DATA_DIR).empty()); }

    // A line of period p (1-based) as an exact amount.
    Currency Line(TFinSheet which, int row, int p)
    {
        return m_document.Sheet(which).GetCell(1 + p, row).GetValue().ToCurrency(XLManager().Desktop().GetLocale());
    }
    // The sum of lines with their signs: +row adds, -row subtracts.
    Currency Sum(TFinSheet which, std::initializer_list<int> signedRows, int p)
    {
        Currency sum;
        for (int r : signedRows)
            sum = r > 0 ? sum + Line(which, r, p) : sum - Line(which, -r, p);
        return sum;
    }
    std::vector<int> Range(int first, int last)
    {
        std::vector<int> rows;
        for (int r = first; r <= last; ++r)
            rows.push_back(r);
        return rows;
    }
    Currency SumOf(TFinSheet which, const std::vector<int>& rows, int p)
    {
        Currency sum;
        for (int r : rows)
            sum = sum + Line(which, r, p);
        return sum;
    }

    FinancialDocument m_document;
};

TEST_F(ExampleData, FourNamedPeriodsWithFigures)
{
    EXPECT_EQ(m_document.PeriodCount(), 4);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(m_document.Sheet(fsBalanceSheet).FindCell(1 + p, 0)->GetAsString(), std::to_string(2019 + p) + "年");
        EXPECT_GT(Line(fsBalanceSheet, kBsAssets, p), Currency());
        EXPECT_GT(Line(fsIncomeStatement, kIsNetProfit, p), Currency());
    }
}

TEST_F(ExampleData, TheBalanceSheetBalancesAndItsSubtotalsAddUp)
{
    const TFinSheet bs = fsBalanceSheet;
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE("period " + std::to_string(p));
        EXPECT_EQ(Line(bs, 46, p), Line(bs, 73, p) + Line(bs, 83, p)) << "assets = liabilities + equity";
        EXPECT_EQ(Line(bs, 84, p), Sum(bs, {73, 74, 83}, p));
        EXPECT_EQ(Line(bs, 46, p), Line(bs, 84, p));
        EXPECT_EQ(Line(bs, 4, p), Sum(bs, {2, -3}, p));
        EXPECT_EQ(Line(bs, 10, p), Sum(bs, {8, -9}, p));
        EXPECT_EQ(Line(bs, 18, p), Sum(bs, {15, -16, -17}, p));
        EXPECT_EQ(Line(bs, 24, p), Sum(bs, {1, 4, 5, 6, 7, 10, 11, 12, 13, 14, 18, 19, 20, 21, 22, 23}, p));
        EXPECT_EQ(Line(bs, 28, p), Sum(bs, {25, 27}, p));
        EXPECT_EQ(Line(bs, 30, p), Sum(bs, {28, -29}, p));
        EXPECT_EQ(Line(bs, 33, p), Sum(bs, {31, -32}, p));
        EXPECT_EQ(Line(bs, 38, p), Sum(bs, {33, 34, 35, 36, 37}, p));
        EXPECT_EQ(Line(bs, 44, p), Sum(bs, {39, 40, 41, 42, 43}, p));
        EXPECT_EQ(Line(bs, 46, p), Sum(bs, {24, 30, 38, 44, 45}, p));
        EXPECT_EQ(Line(bs, 64, p), SumOf(bs, Range(47, 63), p));
        EXPECT_EQ(Line(bs, 70, p), SumOf(bs, Range(65, 69), p));
        EXPECT_EQ(Line(bs, 73, p), Sum(bs, {64, 70, 71, 72}, p));
        EXPECT_EQ(Line(bs, 83, p), Sum(bs, {75, 76, 77, 80, 81, 82}, p));
        EXPECT_LE(Sum(bs, {78, 79}, p), Line(bs, 77, p)) << "the funds are part of the surplus reserve";
    }
}

TEST_F(ExampleData, TheIncomeStatementAddsUpAndEndsInTheBalanceSheetsUndistributedProfit)
{
    const TFinSheet is = fsIncomeStatement;
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE("period " + std::to_string(p));
        EXPECT_EQ(Line(is, 3, p), Sum(is, {1, -2}, p));
        EXPECT_EQ(Line(is, 6, p), Sum(is, {3, -4, -5}, p));
        EXPECT_EQ(Line(is, 13, p), Sum(is, {6, 7, -8, -9, -10, -11, -12}, p));
        EXPECT_EQ(Line(is, 19, p), Sum(is, {13, 14, 15, 16, -17, 18}, p));
        EXPECT_EQ(Line(is, 22, p), Sum(is, {19, -20, -21}, p));
        EXPECT_EQ(Line(is, 26, p), Sum(is, {22, 23, 24, -25}, p));
        EXPECT_EQ(Line(is, 31, p), Sum(is, {26, -27, -28, -29, -30}, p));
        EXPECT_EQ(Line(is, 36, p), Sum(is, {31, -32, -33, -34, -35}, p));
        EXPECT_EQ(Line(is, 36, p), Line(fsBalanceSheet, 81, p));
        if (p > 1) {
            EXPECT_EQ(Line(is, 23, p), Line(fsBalanceSheet, 81, p - 1)) << "opening = last closing";
        }
    }
}

TEST_F(ExampleData, TheCashFlowStatementAddsUpAndEndsInTheCashLine)
{
    const TFinSheet cf = fsCashFlow;
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE("period " + std::to_string(p));
        EXPECT_EQ(Line(cf, 7, p), SumOf(cf, Range(2, 6), p));
        EXPECT_EQ(Line(cf, 15, p), SumOf(cf, Range(8, 14), p));
        EXPECT_EQ(Line(cf, 16, p), Sum(cf, {7, -15}, p));
        EXPECT_EQ(Line(cf, 23, p), SumOf(cf, Range(18, 22), p));
        EXPECT_EQ(Line(cf, 28, p), SumOf(cf, Range(24, 27), p));
        EXPECT_EQ(Line(cf, 29, p), Sum(cf, {23, -28}, p));
        EXPECT_EQ(Line(cf, 36, p), SumOf(cf, Range(31, 35), p));
        EXPECT_EQ(Line(cf, 46, p), SumOf(cf, Range(37, 45), p));
        EXPECT_EQ(Line(cf, 47, p), Sum(cf, {36, -46}, p));
        EXPECT_EQ(Line(cf, 49, p), Sum(cf, {16, 29, 47, 48}, p));
        EXPECT_EQ(Line(cf, 72, p), SumOf(cf, Range(55, 71), p));
        EXPECT_EQ(Line(cf, 72, p), Line(cf, 16, p)) << "both methods give the same operating cash flow";
        EXPECT_EQ(Line(cf, 77, p), Sum(cf, {73, -74, 75, -76}, p));
        EXPECT_EQ(Line(cf, 77, p), Line(cf, 49, p));
        EXPECT_EQ(Line(cf, 73, p), Line(fsBalanceSheet, kBsCash, p));
        if (p > 1) {
            EXPECT_EQ(Line(cf, 74, p), Line(fsBalanceSheet, kBsCash, p - 1));
        }
        EXPECT_EQ(Line(cf, 55, p), Line(fsIncomeStatement, kIsNetProfit, p));
    }
}

TEST_F(ExampleData, TheSavedRatioTableIsTheComputedOne)
{
    const std::string saved = SheetBytes(m_document.Sheet(fsRatios));
    m_document.ComputeRatios();
    EXPECT_EQ(SheetBytes(m_document.Sheet(fsRatios)), saved);
    EXPECT_NO_THROW(m_document.ComputeDuPont());
}

} // namespace
} // namespace qv
