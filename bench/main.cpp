// The benchmarks' entry: the engine started once, then Google Benchmark's own command line.
#include "formula/Engine.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qv::InitEngine();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
