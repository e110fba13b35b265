// QuickSortStrings against std::sort with the same comparison, on the same configuration names.

#include <algorithm>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "file_utils/mdlGlobalFunctions.h"
#include "double/platform_double.h"

namespace {

void BM_QuickSortStrings(benchmark::State& state) {
    const vexar::testing::Cp1252Codec codec;
    const vexar::BinaryCompare compare(codec);
    const std::vector<std::string> names =
        vexar::bench::ConfigNames(static_cast<std::size_t>(state.range(0)));
    vexar::Randomizer random;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> list = names;
        state.ResumeTiming();
        vexar::QuickSortStrings(list, 1, static_cast<std::int32_t>(list.size()), compare, random);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetComplexityN(state.range(0));
}

void BM_StdSort(benchmark::State& state) {
    const vexar::testing::Cp1252Codec codec;
    const vexar::BinaryCompare compare(codec);
    const std::vector<std::string> names =
        vexar::bench::ConfigNames(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> list = names;
        state.ResumeTiming();
        std::sort(list.begin(), list.end(),
                  [&compare](const std::string& a, const std::string& b) { return compare.Less(a, b); });
        benchmark::DoNotOptimize(list.data());
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_QuickSortStrings)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StdSort)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
