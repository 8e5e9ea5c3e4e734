// The ratio and DuPont computations: amounts read cell by cell, protected quotients, results per period.
#include "app/core/Analysis.h"

#include "app/core/SheetTemplates.h"

#include "platform/Errors.h"
#include "sheet/Manager.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace qv {

namespace {

// The smallest amount, added to every denominator.
constexpr Currency kLeastAmount = Currency::FromRaw(1);

// A quotient's operands; braced operands are read left to right, as the statements' formulas are written.
struct Fraction {
    Currency Numerator;
    Currency Denominator;
};

Currency Q(const Fraction& f)
{
    return ProtectedQuotient(f.Numerator, f.Denominator);
}

// The first term less the others, the terms read in order.
Currency Minus(std::initializer_list<Currency> terms)
{
    Currency result = *terms.begin();
    for (auto it = terms.begin() + 1; it != terms.end(); ++it)
        result = result - *it;
    return result;
}

Currency Plus(std::initializer_list<Currency> terms)
{
    Currency result;
    for (Currency term : terms)
        result = result + term;
    return result;
}

// The statement cells of one period: every access goes through GetCell and the cell's value, read anew.
class PeriodReader {
public:
    PeriodReader(TXLSheet& balance, TXLSheet& income, int col) : m_balance(balance), m_income(income), m_col(col) {}

    Currency B(int row) const { return Amount(m_balance, m_col, row); }
    Currency PreviousB(int row) const { return Amount(m_balance, m_col - 1, row); }
    Currency P(int row) const { return Amount(m_income, m_col, row); }
    // The mean of the previous and this period's balance, rounded to four places.
    Currency Avg(int row) const { return Plus({PreviousB(row), B(row)}) / int64_t{2}; }
    bool IsFirst() const { return m_col == kFirstPeriodColumn; }

private:
    // Text that reads as no number raises the platform's conversion error.
    static Currency Amount(TXLSheet& sheet, int col, int row)
    {
        return sheet.GetCell(col, row).GetValue().ToCurrency(XLManager().Desktop().GetLocale());
    }

    TXLSheet& m_balance;
    TXLSheet& m_income;
    int m_col;
};

// The sixteen ratios of a period, indexed by ratio-table row, in the order they are computed.
std::array<Currency, 20> PeriodRatios(const PeriodReader& p)
{
    std::array<Currency, 20> r{};
    r[4] = Q({p.B(kBsLiabilities), p.B(kBsAssets)});
    r[5] = Q({p.B(kBsLiabilities), Minus({p.B(kBsEquity), p.B(kBsIntangibleAssets)})});
    r[6] = Q({p.B(kBsLiabilities), p.B(kBsEquity)});
    r[1] = Q({p.B(kBsCurrentAssets), p.B(kBsCurrentLiabilities)});
    r[2] =
        Q({Minus({p.B(kBsCurrentAssets), p.B(kBsNetInventory), p.B(kBsPrepaidExpenses), p.B(kBsPendingCurrentLosses)}),
           p.B(kBsCurrentLiabilities)});
    r[16] = Q({p.P(kIsMainProfit), p.P(kIsNetRevenue)});
    r[17] = Q({Minus({p.P(kIsRevenue), p.P(kIsCost)}), p.P(kIsRevenue)});
    r[18] = Q({p.P(kIsOperatingProfit), p.P(kIsRevenue)});
    r[19] = Q({p.P(kIsNetProfit), p.P(kIsRevenue)});
    r[7] = Q({p.B(kBsLiabilities), Minus({p.B(kBsAssets), Plus({p.B(kBsIntangibleAndDeferred), p.B(kBsPrepaidExpenses),
                                                                p.B(kBsPendingCurrentLosses)})})});
    r[3] = Q({Plus({p.B(kBsCash), p.B(kBsShortInvestments)}), p.B(kBsCurrentLiabilities)});
    // Turnover needs a previous period's balance; the first period's stay 0.
    if (!p.IsFirst()) {
        r[10] = Q({p.P(kIsNetRevenue), p.Avg(kBsNetReceivables)});
        r[11] = Q({p.P(kIsCost), p.Avg(kBsNetInventory)});
        r[12] = Q({p.P(kIsNetRevenue), p.Avg(kBsCurrentAssets)});
        r[13] = Q({p.P(kIsNetRevenue), p.Avg(kBsFixedAssets)});
        r[14] = Q({p.P(kIsNetRevenue), p.Avg(kBsAssets)});
    }
    return r;
}

int LastPeriodColumn(int periods)
{
    return kFirstPeriodColumn + std::clamp(periods, kMinPeriods, kMaxPeriods) - 1;
}

void Write(TXLSheet& sheet, int col, int row, double value)
{
    sheet.GetCell(col, row).SetValue(value);
}

} // namespace

Currency ProtectedQuotient(Currency a, Currency b)
{
    return a / (b + kLeastAmount);
}

void ClearPeriodColumns(TXLSheet& sheet, int definedRows, std::span<const int> keep)
{
    const auto kept = [&](int row) { return std::find(keep.begin(), keep.end(), row) != keep.end(); };
    const auto cleared = [](int row) { return row == 0 ? Variant("") : Variant(int32_t{0}); };
    const int made = std::clamp(definedRows, 0, sheet.RowCount());
    for (int row = 0; row < made; ++row) {
        if (kept(row))
            continue;
        for (int col = kFirstPeriodColumn; col < kPeriodColumnsEnd; ++col)
            sheet.GetCell(col, row).SetValue(cleared(row));
    }
    // A file may claim rows far beyond the template's: making cells there would cost memory in proportion to a
    // number a few bytes can state.
    const Rect beyond{kFirstPeriodColumn, made, kPeriodColumnsEnd, sheet.RowCount()};
    sheet.IterateCells(beyond, TXLCellWalk::Existing, [&](TXLCell& cell) {
        const int row = cell.GetRect().top;
        if (!kept(row))
            cell.SetValue(cleared(row));
        return true;
    });
}

void ComputeRatioTable(TXLSheet& balance, TXLSheet& income, TXLSheet& ratios, int periods, int factor)
{
    ClearPeriodColumns(ratios, TemplateRowCount(fsRatios), kRatioKeptRows);
    for (int col = kFirstPeriodColumn; col <= LastPeriodColumn(periods); ++col) {
        // All sixteen are computed before any is written, so a failure leaves this period at 0.
        const std::array<Currency, 20> r = PeriodRatios(PeriodReader(balance, income, col));
        for (int row : kRatioRows)
            Write(ratios, col, row, factor * r[row].ToDouble());
    }
}

void ComputeDuPontTable(TXLSheet& balance, TXLSheet& income, TXLSheet& dupont, int periods, int factor,
                        std::vector<double>& points)
{
    points.clear();
    ClearPeriodColumns(dupont, TemplateRowCount(fsDuPont), {});
    for (int col = kFirstPeriodColumn; col <= LastPeriodColumn(periods); ++col) {
        const PeriodReader p(balance, income, col);
        const double d = Q({p.B(kBsLiabilities), p.B(kBsAssets)}).ToDouble();
        const double m = Q({p.P(kIsNetProfit), p.P(kIsNetRevenue)}).ToDouble();
        const double t =
            (p.IsFirst() ? Q({p.P(kIsRevenue), p.B(kBsAssets)}) : Q({p.P(kIsRevenue), p.Avg(kBsAssets)})).ToDouble();
        const double a = m * t;
        // Plain double arithmetic would give infinity; the platform raises instead.
        if (1 - d == 0)
            throw EZeroDivide();
        const double e = 1 / (1 - d);
        const double re = e * a;
        points.push_back(factor * re);
        const double values[] = {d, a, m, t, re};
        for (int i = 0; i < 5; ++i)
            Write(dupont, col, kDuPontRows[i], factor * values[i]);
    }
}

} // namespace qv
