// Time of the core operations on long decimal strings, text in and out.
//   core_bench --benchmark_repetitions=3
// core_compare.sh runs this next to a GMP program doing the same work.
#include "arith/BigArithmetic.h"

#include "arith/bench/core_inputs.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

std::string number(std::size_t intDigits, std::size_t fracDigits, std::uint64_t seed)
{
    char* s = core_number(intDigits, fracDigits, seed);
    std::string out(s);
    std::free(s);
    return out;
}

void BM_Multiply(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string a = number(n, 0, 1);
    const std::string b = number(n, 0, 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigMultiply(a, b));
}
BENCHMARK(BM_Multiply)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_Divide20000By10000(benchmark::State& state)
{
    const std::string a = number(20000, 0, 3);
    const std::string b = number(10000, 0, 4);
    for (auto _ : state) {
        int precision = 10;
        benchmark::DoNotOptimize(arith::BigDivide(a, b, precision));
    }
}
BENCHMARK(BM_Divide20000By10000)->Unit(benchmark::kMicrosecond);

void BM_Add1000000(benchmark::State& state)
{
    // About a million digits each, fractions of unequal length.
    const std::string a = number(600000, 400000, 5);
    const std::string b = number(700000, 300000, 6);
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigAdd(a, b));
}
BENCHMARK(BM_Add1000000)->Unit(benchmark::kMicrosecond);

void BM_Power2To100000(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigPower("2", "100000"));
}
BENCHMARK(BM_Power2To100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
