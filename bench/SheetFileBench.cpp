// Whole-sheet files at scale: 2,000,000 currency cells (200,000 rows x 10 columns) saved and loaded.
#include "cells/CurrencyCell.h"
#include "sheet/Sheet.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>

namespace qv {
namespace {

constexpr int kRows = 200'000;
constexpr int kCols = 10;
constexpr double kCells = double{kRows} * kCols;

// The process's resident memory (VmRSS) or its high-water mark (VmHWM) in bytes, as the kernel counts them:
// heap, the sheet's chunks and mapped file pages alike.
size_t StatusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field))
            return std::stoul(line.substr(field.size())) * 1024;
    return 0;
}

// Starts a new high-water mark at the current resident memory.
void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
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
BENCHMARK(BM_SaveCurrencyFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

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
        state.PauseTiming();
        malloc_trim(0);
        const size_t before = StatusBytes("VmRSS:");
        ResetPeakMemory();
        state.ResumeTiming();
        auto sheet = std::make_unique<TXLSheet>();
        sheet->LoadFromFile(FilePath());
        state.PauseTiming();
        const double loaded = static_cast<double>(StatusBytes("VmRSS:") - before);
        sheetBytesPerCell = loaded / kCells;
        peakOverSheet = static_cast<double>(StatusBytes("VmHWM:") - before) / loaded;
        sheet.reset();
        state.ResumeTiming();
    }
    state.counters["cells_per_s"] = benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB_per_s"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["sheet_bytes_per_cell"] = sheetBytesPerCell;
    state.counters["peak_over_sheet"] = peakOverSheet;
}
BENCHMARK(BM_LoadCurrencyFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
} // namespace qv
