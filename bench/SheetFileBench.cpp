// Whole-sheet files at scale: 2,000,000 currency cells (200,000 rows x 10 columns) saved and loaded.
#include "cells/CurrencyCell.h"
#include "sheet/Sheet.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <malloc.h>

namespace qv {
namespace {

constexpr int kRows = 200'000;
constexpr int kCols = 10;
constexpr double kCells = double{kRows} * kCols;

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

std::string FilePath()
{
    return (std::filesystem::temp_directory_path() / "qv-bench-currency.dat").string();
}

// The statement cells' shape: currency, the templates' format, right-aligned in the layout layer.
void FillCurrencySheet(TXLSheet& sheet)
{
    sheet.SetColCount(kCols);
    sheet.SetRowCount(kRows);
    TXLSection& client = sheet.Section(sClient);
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col) {
            TXLCell& cell = client.ReplaceCell({col, row}, &TXLCCurrency::Class());
            cell.SetFormat("#,##0.00|");
            cell.SetAsCurrency(Currency::FromRaw(int64_t{row} * 10007 + col));
        }
    client.SetLayerArea(kLayerLayout, {0, 0, kCols, kRows}, PackLayout({haRight, vaBottom, 0, wmWrapWords}));
}

void BM_SaveCurrencyFile(benchmark::State& state)
{
    TXLSheet sheet;
    FillCurrencySheet(sheet);
    for (auto _ : state)
        sheet.SaveToFile(FilePath());
    const double bytes = static_cast<double>(std::filesystem::file_size(FilePath()));
    state.counters["cells_per_s"] = benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB_per_s"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SaveCurrencyFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadCurrencyFile(benchmark::State& state)
{
    {
        TXLSheet sheet;
        FillCurrencySheet(sheet);
        sheet.SaveToFile(FilePath());
    }
    const double bytes = static_cast<double>(std::filesystem::file_size(FilePath()));
    double sheetBytesPerCell = 0;
    double peakOverSheet = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t before = HeapInUse();
        auto sheet = std::make_unique<TXLSheet>();
        sheet->LoadFromFile(FilePath());
        const size_t loaded = HeapInUse() - before;
        sheetBytesPerCell = loaded / kCells;
        // The file's bytes are held while reading: the peak is the loaded sheet plus the file.
        peakOverSheet = (loaded + bytes) / loaded;
        state.PauseTiming();
        sheet.reset();
        state.ResumeTiming();
    }
    state.counters["cells_per_s"] = benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB_per_s"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["sheet_bytes_per_cell"] = sheetBytesPerCell;
    state.counters["peak_over_sheet"] = peakOverSheet;
}
BENCHMARK(BM_LoadCurrencyFile)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace qv
