// Formula evaluation speed: a short formula over three cells and a long arithmetic expression, each evaluated
// the way the formula cell does it, through the sheet's CalcExpression.
#include "cells/DoubleCell.h"
#include "formula/Calculator.h"
#include "sheet/Sheet.h"

#include <benchmark/benchmark.h>

namespace qv {
namespace {

// The tokens of text, up to the end token included.
int CountTokens(std::string_view text)
{
    TXLCalculator scanner(nullptr);
    scanner.SetText(text);
    int count = 1;
    while (scanner.NextToken() != tkEnd)
        ++count;
    return count;
}

void Run(benchmark::State& state, TXLSheet& sheet, const std::string& formula)
{
    state.counters["tokens"] = CountTokens(formula);
    for (auto _ : state) {
        Variant value = sheet.CalcExpression(formula, nullptr);
        benchmark::DoNotOptimize(value);
    }
    state.counters["evaluations_per_s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

// Three number cells named by reference, as a typical line of a statement computes them.
void BM_FormulaThreeCellReferences(benchmark::State& state)
{
    TXLSheet sheet;
    sheet.BaseClientStyle().SetCellClass(&TXLCDouble::Class());
    sheet.SetCellValue(0, 0, 1200.5);
    sheet.SetCellValue(1, 0, 300.25);
    sheet.SetCellValue(2, 0, 17.0);
    if (sheet.CalcExpression("A1", nullptr).Kind() != VarKind::Double)
        state.SkipWithError("the cells do not hold numbers");
    Run(state, sheet, "A1*2+B1/3-C1");
}
BENCHMARK(BM_FormulaThreeCellReferences);

// Twenty parenthesised groups of literals joined by "+": 200 tokens with the end.
void BM_FormulaLongArithmetic(benchmark::State& state)
{
    std::string formula;
    for (int i = 0; i < 20; ++i)
        formula += (i ? "+" : "") + std::string("(12.5*") + std::to_string(i + 3) + "-4/2)";
    TXLSheet sheet;
    Run(state, sheet, formula);
}
BENCHMARK(BM_FormulaLongArithmetic);

} // namespace
} // namespace qv
