// Roots, factorial, logarithm and the first (computing) call of pi.
//
//   build/roots/arith/roots_bench --benchmark_min_time=0.2
#include "arith/BigArithmetic.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

// A fixed pseudo-random whole number of the given length, first digit 1-9.
std::string number(int digits, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string s(1, static_cast<char>('1' + digit(gen) % 9));
    while (static_cast<int>(s.size()) < digits)
        s += static_cast<char>('0' + digit(gen));
    return s;
}

void BM_SquareRoot(benchmark::State& state)
{
    const std::string x = number(static_cast<int>(state.range(0)), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigSquareRoot(x, "0.0001"));
}
BENCHMARK(BM_SquareRoot)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_CubeRoot(benchmark::State& state)
{
    const std::string x = number(static_cast<int>(state.range(0)), 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigCubeRoot(x, "0.0001"));
}
// 31 and 300 digits, and more lengths to show how the time grows.
BENCHMARK(BM_CubeRoot)->Arg(31)->Arg(100)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_Factorial(benchmark::State& state)
{
    const std::string n = std::to_string(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigFactorial(n));
}
// 1,000,000 is the largest number the procedure accepts.
BENCHMARK(BM_Factorial)->Arg(1000)->Arg(9999)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Log(benchmark::State& state)
{
    const std::string x = number(static_cast<int>(state.range(0)), 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(arith::BigLog(x, "10"));
}
BENCHMARK(BM_Log)->Arg(1000)->Unit(benchmark::kMillisecond);

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
