// Number to text and text to number: the conversions every displayed or typed cell value goes through.
#include "platform/DecimalDigits.h"
#include "platform/FloatFormat.h"
#include "platform/Locale.h"
#include "platform/NumberParse.h"

#include <benchmark/benchmark.h>

namespace qv {
namespace {

void BM_StrToFloat(benchmark::State& state)
{
    const Locale& locale = Locale::ChinaDefault();
    const std::string texts[] = {"1234.56", " -0.001 ", "98765432.1", "1e6"};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(TryStrToFloat(texts[i++ & 3], locale));
}
BENCHMARK(BM_StrToFloat);

void BM_FloatToStrGeneral(benchmark::State& state)
{
    const Locale& locale = Locale::ChinaDefault();
    double value = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToStrGeneral(value, locale));
        value += 0.0001;
    }
}
BENCHMARK(BM_FloatToStrGeneral);

// The statement cells' display format.
void BM_FormatFloatThousands(benchmark::State& state)
{
    const Locale& locale = Locale::ChinaDefault();
    double value = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFloat("#,##0.00", value, locale));
        value += 0.01;
    }
}
BENCHMARK(BM_FormatFloatThousands);

} // namespace
} // namespace qv
