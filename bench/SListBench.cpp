// Row geometry of a long sheet: where a row starts and which row lies under a pixel, as the grid asks when scrolling.
#include "sheet/ProZeroSList.h"

#include <benchmark/benchmark.h>

namespace qv {
namespace {

constexpr int kRows = 1'000'000;

// A million rows of 20 pixels, every hundredth of them 32 pixels high: 1 % explicit heights.
void FillRowHeights(TXLSizeList& heights)
{
    heights.SetDefault(20);
    heights.SetCount(kRows);
    for (int row = 37; row < kRows; row += 100)
        heights.SetValue(row, 32);
}

void BM_SListGetOffsetLastRow(benchmark::State& state)
{
    TXLSizeList heights;
    FillRowHeights(heights);
    for (auto _ : state)
        benchmark::DoNotOptimize(heights.GetOffset(kRows - 1));
}
BENCHMARK(BM_SListGetOffsetLastRow);

void BM_SListFindOffsetLastPixel(benchmark::State& state)
{
    TXLSizeList heights;
    FillRowHeights(heights);
    const int lastPixel = heights.GetOffset(kRows) - 1;
    for (auto _ : state) {
        int pos = lastPixel;
        benchmark::DoNotOptimize(heights.FindOffset(pos));
        benchmark::DoNotOptimize(pos);
    }
    int pos = lastPixel;
    if (heights.FindOffset(pos) != kRows - 1)
        state.SkipWithError("the last pixel is not in the last row");
}
BENCHMARK(BM_SListFindOffsetLastPixel);

// The worst case: a height changes at the top before every lookup, so the block sums are rebuilt each time.
void BM_SListFindOffsetAfterEditAtTop(benchmark::State& state)
{
    TXLSizeList heights;
    FillRowHeights(heights);
    const int lastPixel = heights.GetOffset(kRows) - 1;
    int height = 24;
    for (auto _ : state) {
        heights.SetValue(0, height ^= 1);
        int pos = lastPixel;
        benchmark::DoNotOptimize(heights.FindOffset(pos));
    }
}
BENCHMARK(BM_SListFindOffsetAfterEditAtTop)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qv
