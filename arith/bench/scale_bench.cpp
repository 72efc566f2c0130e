// Arithmetic at scale, on decimal text in and out.
//
//   Scale/Multiply/N    BigMultiply of two N-digit numbers
//   Scale/Divide/N      BigDivide of a 2N-digit by an N-digit number to N places
//   Scale/Add/N         BigAdd of two N-digit numbers with fractions of
//   Scale/Subtract/N    different lengths, and BigSubtract of the same
//   Scale/Floor/N       the least any of these can do: read both N-digit
//                       texts once and write a text as long as the sum
//   Scale/Power2        BigPower("2", "1000000")
//   Scale/Factorial/N   BigFactorial of N
//
// The operands are read from $MEGATALLY_SCALE_INPUTS/<name>.txt when that
// variable is set (arith/bench/scale/run.sh writes them there, so that the
// reference programs see the same numbers); otherwise they are made here
// from a fixed seed. When $MEGATALLY_SCALE_OUTPUTS is set, each result text
// is written to <that folder>/<task>.txt, for run.sh to compare with GMP's.
//
//   Crossover/Mul/<method>/n, Crossover/Div/<method>/n
// time the limb kernels directly, one method against the next, on n-limb
// operands; these are the figures the dispatch cut-offs were chosen from.
#include "arith/BigArithmetic.h"
#include "arith/detail/Division.h"
#include "arith/detail/Kernels.h"
#include "arith/detail/Multiplication.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using arith::detail::Limb;

std::string randomDigits(std::size_t n, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string s(n, '0');
    for (char& c : s)
        c = char('0' + rng() % 10);
    s[0] = char('1' + rng() % 9);
    return s;
}

// The operand <name> of <digits> digits, from the input folder if there is one.
std::string operand(const std::string& name, std::size_t digits, std::uint32_t seed)
{
    if (const char* dir = std::getenv("MEGATALLY_SCALE_INPUTS")) {
        std::ifstream in(std::string(dir) + "/" + name + ".txt");
        if (in) {
            std::stringstream ss;
            ss << in.rdbuf();
            std::string s = ss.str();
            while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
                s.pop_back();
            return s;
        }
    }
    return randomDigits(digits, seed);
}

void keep(const std::string& task, const std::string& result)
{
    if (const char* dir = std::getenv("MEGATALLY_SCALE_OUTPUTS")) {
        std::ofstream out(std::string(dir) + "/" + task + ".txt", std::ios::binary);
        out << result;
    }
}

void Multiply(benchmark::State& state)
{
    const std::size_t n = std::size_t(state.range(0));
    const std::string a = operand("mul_a_" + std::to_string(n), n, 1);
    const std::string b = operand("mul_b_" + std::to_string(n), n, 2);
    std::string p;
    for (auto _ : state) {
        p = arith::BigMultiply(a, b);
        benchmark::DoNotOptimize(p.data());
    }
    keep("mul_" + std::to_string(n), p);
}
BENCHMARK(Multiply)
    ->Name("Scale/Multiply")
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond);

void Divide(benchmark::State& state)
{
    const std::size_t n = std::size_t(state.range(0));
    const std::string a = operand("div_a_" + std::to_string(n), 2 * n, 3);
    const std::string b = operand("div_b_" + std::to_string(n), n, 4);
    std::string q;
    for (auto _ : state) {
        int places = int(n);
        q = arith::BigDivide(a, b, places);
        benchmark::DoNotOptimize(q.data());
    }
    keep("div_" + std::to_string(n), q);
}
BENCHMARK(Divide)->Name("Scale/Divide")->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// N digits in all, the point after `whole` of them.
std::string withPoint(std::string digits, std::size_t whole)
{
    digits.insert(whole, 1, '.');
    return digits;
}

// The two addends of N digits: one with half of them after the point, one
// with three more after it.
std::string addend(char which, std::size_t n)
{
    const std::string name = std::string("add_") + which + "_" + std::to_string(n);
    if (const char* dir = std::getenv("MEGATALLY_SCALE_INPUTS");
        dir && std::ifstream(std::string(dir) + "/" + name + ".txt"))
        return operand(name, n, 0);
    return which == 'a' ? withPoint(randomDigits(n, 5), n / 2) : withPoint(randomDigits(n, 6), n / 2 - 3);
}

template <std::string (*Op)(std::string, std::string)> void AddOrSubtract(benchmark::State& state, const char* task)
{
    const std::size_t n = std::size_t(state.range(0));
    const std::string a = addend('a', n), b = addend('b', n);
    std::string s;
    for (auto _ : state) {
        s = Op(a, b);
        benchmark::DoNotOptimize(s.data());
    }
    keep(task + std::to_string(n), s);
}
void Add(benchmark::State& state) { AddOrSubtract<arith::BigAdd>(state, "add_"); }
void Subtract(benchmark::State& state) { AddOrSubtract<arith::BigSubtract>(state, "sub_"); }
BENCHMARK(Add)->Name("Scale/Add")->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Subtract)->Name("Scale/Subtract")->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

// Reads every character of both texts (counting the points) and writes a
// fresh text one longer than the longer of them: the floor for any
// text-in, text-out addition.
void Floor(benchmark::State& state)
{
    const std::size_t n = std::size_t(state.range(0));
    const std::string a = addend('a', n), b = addend('b', n);
    for (auto _ : state) {
        const auto points = std::count(a.begin(), a.end(), '.') + std::count(b.begin(), b.end(), '.');
        std::string out(std::max(a.size(), b.size()) + 1, char('0' + points));
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(Floor)->Name("Scale/Floor")->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

void Power2(benchmark::State& state)
{
    std::string p;
    for (auto _ : state) {
        p = arith::BigPower("2", "1000000");
        benchmark::DoNotOptimize(p.data());
    }
    keep("pow2", p);
}
BENCHMARK(Power2)->Name("Scale/Power2")->Unit(benchmark::kMillisecond);

void Factorial(benchmark::State& state)
{
    const std::string n = std::to_string(state.range(0));
    std::string f;
    for (auto _ : state) {
        f = arith::BigFactorial(n);
        benchmark::DoNotOptimize(f.data());
    }
    keep("fact_" + n, f);
}
BENCHMARK(Factorial)->Name("Scale/Factorial")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// ---- kernels, one method against the next --------------------------------

std::vector<Limb> randomLimbs(std::size_t n, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<Limb> v(n);
    for (Limb& x : v)
        x = rng() % arith::detail::kBase;
    if (v.back() == 0)
        v.back() = 1;
    return v;
}

template <void (*Mul)(const Limb*, std::size_t, const Limb*, std::size_t, Limb*), bool Square, bool Portable>
void MulKernel(benchmark::State& state)
{
    const std::size_t n = std::size_t(state.range(0));
    const auto a = randomLimbs(n, 5), b = randomLimbs(n, 6);
    std::vector<Limb> out(2 * n);
    const Limb* y = Square ? a.data() : b.data();
    arith::detail::forcePortableLoops(Portable);
    for (auto _ : state) {
        Mul(a.data(), n, y, n, out.data());
        benchmark::DoNotOptimize(out.data());
    }
    arith::detail::forcePortableLoops(false);
}

void mulSizes(benchmark::internal::Benchmark* b)
{
    for (int n : {16,  24,  32,  40,  48,  64,  80,  96,   112,  128,  144,  160,
                  192, 200, 256, 320, 384, 512, 768, 1024, 1500, 2048, 3000, 4096})
        b->Arg(n);
}

using namespace arith::detail;
// Vector loops where the processor has them ("Mul", "Sqr"), and the
// portable loops ("PortableMul", "PortableSqr").
#define MEGATALLY_KERNELS(kind, sq, portable)                                                                          \
    BENCHMARK(MulKernel<mulBasecase, sq, portable>)->Name("Crossover/" kind "/basecase")->Apply(mulSizes);             \
    BENCHMARK(MulKernel<mulKaratsuba, sq, portable>)->Name("Crossover/" kind "/karatsuba")->Apply(mulSizes);           \
    BENCHMARK(MulKernel<mulToom3, sq, portable>)->Name("Crossover/" kind "/toom3")->Apply(mulSizes);                   \
    BENCHMARK(MulKernel<mulNtt, sq, portable>)->Name("Crossover/" kind "/ntt")->Apply(mulSizes);                       \
    BENCHMARK(MulKernel<multiplyLimbs, sq, portable>)->Name("Crossover/" kind "/dispatch")->Apply(mulSizes)
MEGATALLY_KERNELS("Mul", false, false);
MEGATALLY_KERNELS("Sqr", true, false);
MEGATALLY_KERNELS("PortableMul", false, true);
MEGATALLY_KERNELS("PortableSqr", true, true);

// A 2n-limb dividend by an n-limb divisor.
template <void (*Div)(const Limb*, std::size_t, const Limb*, std::size_t, Limb*, Limb*)>
void DivKernel(benchmark::State& state)
{
    const std::size_t n = std::size_t(state.range(0));
    const auto u = randomLimbs(2 * n, 7), v = randomLimbs(n, 8);
    std::vector<Limb> q(n + 1), r(n);
    for (auto _ : state) {
        Div(u.data(), 2 * n, v.data(), n, q.data(), r.data());
        benchmark::DoNotOptimize(q.data());
    }
}

void divSizes(benchmark::internal::Benchmark* b)
{
    for (int n : {16, 32, 48, 64, 96, 128, 192, 256, 512, 1024, 2048, 4096})
        b->Arg(n);
}

BENCHMARK(DivKernel<divBasecase>)->Name("Crossover/Div/basecase")->Apply(divSizes);
BENCHMARK(DivKernel<divRecursive>)->Name("Crossover/Div/recursive")->Apply(divSizes);

}  // namespace

BENCHMARK_MAIN();
