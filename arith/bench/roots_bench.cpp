// Roots, logarithm, factorial and the first (computing) call of pi.
//
//   build/rel/arith/roots_bench --benchmark_filter='Root|Log'
//
// The square and cube roots of whole numbers of 10^3 .. 10^6 digits and the
// logarithm of a 10^6-digit number take the same operands as
// roots_gmp_ref.c (roots_inputs.h); arith/bench/roots_compare.sh sets the two
// side by side.
#include "arith/BigArithmetic.h"

#include "arith/bench/roots_inputs.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

std::string number(std::int64_t digits, std::uint64_t seed)
{
    char* s = roots_number(static_cast<std::size_t>(digits), seed);
    std::string text(s);
    std::free(s);
    return text;
}

void BM_SquareRoot(benchmark::State& state)
{
    const std::string x = number(state.range(0), ROOTS_SEED_SQRT);
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigSquareRoot(x, "0.0001"));
}
BENCHMARK(BM_SquareRoot)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

void BM_CubeRoot(benchmark::State& state)
{
    const std::string x = number(state.range(0), ROOTS_SEED_CBRT);
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigCubeRoot(x, "0.0001"));
}
BENCHMARK(BM_CubeRoot)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

void BM_Log(benchmark::State& state)
{
    const std::string x = number(state.range(0), ROOTS_SEED_LOG);
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigLog(x, "10"));
}
BENCHMARK(BM_Log)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Factorial(benchmark::State& state)
{
    const std::string n = std::to_string(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigFactorial(n));
}
// 1,000,000 is the largest number the procedure accepts.
BENCHMARK(BM_Factorial)->Arg(1000)->Arg(9999)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Pi is computed on the first call only; one iteration measures exactly that.
void BM_PiFirstCall(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigPi());
}
BENCHMARK(BM_PiFirstCall)->Iterations(1)->Unit(benchmark::kMicrosecond);

void BM_PiCached(benchmark::State& state)
{
    arith::BigPi();
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigPi());
}
BENCHMARK(BM_PiCached)->Unit(benchmark::kMicrosecond);

void BM_E(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigE());
}
BENCHMARK(BM_E)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
