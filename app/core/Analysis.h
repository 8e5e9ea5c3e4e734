// The ratio and DuPont computations over the statement sheets, in currency arithmetic.
#pragma once

#include "platform/Currency.h"
#include "sheet/Sheet.h"

#include <span>
#include <vector>

namespace qv {

// Periods are the client columns [kFirstPeriodColumn, kFirstPeriodColumn + count), count in
// [kMinPeriods, kMaxPeriods]; clearing covers the columns [kFirstPeriodColumn, kPeriodColumnsEnd).
inline constexpr int kFirstPeriodColumn = 2;
inline constexpr int kPeriodColumnsEnd = 10;
inline constexpr int kMinPeriods = 3;
inline constexpr int kMaxPeriods = 8;

// Balance-sheet lines the computations read (rows of the balance sheet template).
inline constexpr int kBsCash = 1, kBsShortInvestments = 2, kBsNetReceivables = 10, kBsNetInventory = 18,
                     kBsPrepaidExpenses = 19, kBsPendingCurrentLosses = 20, kBsCurrentAssets = 24, kBsFixedAssets = 38,
                     kBsIntangibleAssets = 39, kBsIntangibleAndDeferred = 44, kBsAssets = 46,
                     kBsCurrentLiabilities = 64, kBsLiabilities = 73, kBsEquity = 83;
// Income-statement lines the computations read.
inline constexpr int kIsRevenue = 1, kIsNetRevenue = 3, kIsCost = 4, kIsMainProfit = 6, kIsOperatingProfit = 13,
                     kIsNetProfit = 22;
// Rows of the ratio table that hold no results: a blank row and two group headings.
inline constexpr int kRatioKeptRows[] = {8, 9, 15};
// The ratio rows in the order they are written.
inline constexpr int kRatioRows[] = {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 16, 17, 18, 19};
// The DuPont table's rows: debt ratio, return on assets, net profit margin, asset turnover, return on equity.
inline constexpr int kDuPontRows[] = {1, 2, 3, 4, 5};

// The protected quotient a / (b + 0.0001), rounded to four places, halves to even. Raises EZeroDivide when
// b + 0.0001 is 0 (EInvalidOp for a = 0 then) and EInvalidOp when the quotient is no amount.
Currency ProtectedQuotient(Currency a, Currency b);

// Resets the period columns of every row below RowCount: row 0 to empty text, the others to the integer 0, except
// the rows in keep. In the rows [0, definedRows) the template defines, missing cells are created first (GetCell),
// so each cell converts the value to its own class; in rows beyond them only existing cells are reset. The cost
// follows the defined rows and the cells that exist, never RowCount.
void ClearPeriodColumns(TXLSheet& sheet, int definedRows, std::span<const int> keep);

// Cmd_CountClick's work: clears the ratio table, then computes each period's sixteen ratios from the balance
// sheet and the income statement and writes them, factor times each quotient, as doubles. periods in
// [kMinPeriods, kMaxPeriods]. The first failing period raises its error (the platform's message); the periods
// before it stay written, it and the later ones stay 0.
void ComputeRatioTable(TXLSheet& balance, TXLSheet& income, TXLSheet& ratios, int periods, int factor);

// DuPontCount's work: clears the DuPont table's period columns (column 10 untouched), then per period computes
// debt ratio D, net profit margin M, asset turnover T, A = M x T, E = 1 / (1 - D), RE = E x A, appends
// factor x RE to points and writes factor times D, A, M, T and RE. points is cleared first; a failing period
// raises its error with the earlier periods' points and cells in place (D = 1 raises EZeroDivide).
void ComputeDuPontTable(TXLSheet& balance, TXLSheet& income, TXLSheet& dupont, int periods, int factor,
                        std::vector<double>& points);

} // namespace qv
