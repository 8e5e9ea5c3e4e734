// Merged ranges at scale: a sheet of many ranges read back from its stream, and a point looked up among them.
#include "platform/ByteStream.h"
#include "sheet/Sheet.h"

#include <benchmark/benchmark.h>

namespace qv {
namespace {

// Ranges of two columns by one row, four to a row with a gap between them: none touches another.
std::string StreamOfRanges(int ranges)
{
    constexpr int kPerRow = 4;
    TXLSheet sheet;
    sheet.SetColCount(kPerRow * 3);
    sheet.SetRowCount(ranges / kPerRow + 1);
    TXLSection& client = sheet.Section(sClient);
    for (int i = 0; i < ranges; ++i) {
        const int left = i % kPerRow * 3;
        const int row = i / kPerRow;
        client.Merge({left, row, left + 2, row + 1});
    }
    ByteWriter writer;
    sheet.WriteData(writer);
    return writer.Take();
}

void BM_LoadMergedRanges(benchmark::State& state)
{
    const int ranges = static_cast<int>(state.range(0));
    const std::string stream = StreamOfRanges(ranges);
    for (auto _ : state) {
        TXLSheet sheet;
        ByteReader reader(stream);
        sheet.ReadData(reader);
        benchmark::DoNotOptimize(sheet.Section(sClient).Unions().size());
    }
    state.counters["ranges_per_s"] = benchmark::Counter(ranges, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LoadMergedRanges)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every cell read resolves its point against the ranges: the cost of FindCell in a sheet full of them.
void BM_FindCellAmongMergedRanges(benchmark::State& state)
{
    const std::string stream = StreamOfRanges(100'000);
    TXLSheet sheet;
    ByteReader reader(stream);
    sheet.ReadData(reader);
    const TXLSection& client = sheet.Section(sClient);
    int row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(client.FindCell({1, row}));
        row = (row + 7919) % 25'000;
    }
}
BENCHMARK(BM_FindCellAmongMergedRanges);

} // namespace
} // namespace qv
