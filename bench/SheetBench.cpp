// Cell storage at scale: creating a million text cells, and finding existing cells in row and random order.
#include "cells/StringCell.h"
#include "sheet/Sheet.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <random>

namespace qv {
namespace {

constexpr int kRows = 100'000;
constexpr int kCols = 10;

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

void FillSheet(TXLSheet& sheet)
{
    sheet.SetRowCount(kRows);
    sheet.SetColCount(kCols);
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col)
            sheet.GetCell(col, row).SetAsString("text");
}

// The figure that matters is the time of one iteration (a million cells) and the heap bytes per cell.
void BM_SheetCreateMillionTextCells(benchmark::State& state)
{
    double bytesPerCell = 0;
    for (auto _ : state) {
        auto sheet = std::make_unique<TXLSheet>();
        const size_t before = HeapInUse();
        FillSheet(*sheet);
        bytesPerCell = static_cast<double>(HeapInUse() - before) / (kRows * kCols);
        state.PauseTiming();
        sheet.reset();
        state.ResumeTiming();
    }
    state.counters["heap_bytes_per_cell"] = bytesPerCell;
    state.counters["cells_per_s"] = benchmark::Counter(kRows * kCols, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SheetCreateMillionTextCells)->Unit(benchmark::kMillisecond)->Iterations(1);

class FilledSheet : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override
    {
        if (!m_sheet) {
            m_sheet = std::make_unique<TXLSheet>();
            FillSheet(*m_sheet);
        }
    }

protected:
    static std::unique_ptr<TXLSheet> m_sheet;
};
std::unique_ptr<TXLSheet> FilledSheet::m_sheet;

BENCHMARK_F(FilledSheet, FindCellRowOrder)(benchmark::State& state)
{
    TXLSection& client = m_sheet->Section(sClient);
    int row = 0, col = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(client.FindCell({col, row}));
        if (++col == kCols) {
            col = 0;
            row = row + 1 == kRows ? 0 : row + 1;
        }
    }
    state.counters["lookups_per_s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK_F(FilledSheet, FindCellRandomOrder)(benchmark::State& state)
{
    TXLSection& client = m_sheet->Section(sClient);
    std::mt19937 random(42);
    std::vector<Point> points(1 << 16);
    for (Point& p : points)
        p = {static_cast<int>(random() % kCols), static_cast<int>(random() % kRows)};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(client.FindCell(points[i++ & (points.size() - 1)]));
    state.counters["lookups_per_s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace
} // namespace qv
