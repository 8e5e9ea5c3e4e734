// Number to text and text to number: the conversions every displayed or typed cell value goes through.
#include "platform/DecimalDigits.h"
#include "platform/Locale.h"

#include <benchmark/benchmark.h>

namespace qv {
namespace {

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

} // namespace
} // namespace qv
