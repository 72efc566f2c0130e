// Measures where each multiplication and division method overtakes the one
// below it on this machine and prints the cut-offs next to the ones the
// dispatchers use (detail/Multiplication.h, detail/Division.h).
//
//   cutoffs [--portable]
//
// Each method does one level of its own splitting with its sub-products
// going back through the dispatcher, as in the Crossover benchmarks of
// scale_bench.cpp; a cut-off is the first size on the grid from which the
// faster method wins at that size and the next two. --portable measures the
// portable loops on a processor that has the vector ones. Times are the
// best of five rounds of as many calls as fill a millisecond; on a busy
// machine run it twice and compare.
#include "arith/detail/Division.h"
#include "arith/detail/Multiplication.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace {

using namespace arith::detail;

std::vector<Limb> randomLimbs(std::size_t n, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<Limb> v(n);
    for (Limb& x : v)
        x = rng() % kBase;
    v.back() = std::max<Limb>(v.back(), 1);
    return v;
}

// Seconds per call of work, the best of five rounds.
double secondsPerCall(const std::function<void()>& work)
{
    using Clock = std::chrono::steady_clock;
    std::size_t calls = 1;
    for (;;) {  // enough calls to fill a millisecond
        const auto t0 = Clock::now();
        for (std::size_t i = 0; i < calls; ++i)
            work();
        if (std::chrono::duration<double>(Clock::now() - t0).count() > 1e-3)
            break;
        calls *= 2;
    }
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        const auto t0 = Clock::now();
        for (std::size_t i = 0; i < calls; ++i)
            work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count() / double(calls));
    }
    return best;
}

using MulMethod = void (*)(const Limb*, std::size_t, const Limb*, std::size_t, Limb*);
using DivMethod = void (*)(const Limb*, std::size_t, const Limb*, std::size_t, Limb*, Limb*);

double timeMul(MulMethod m, std::size_t n, bool square)
{
    const auto a = randomLimbs(n, 1), b = randomLimbs(n, 2);
    std::vector<Limb> out(2 * n);
    const Limb* y = square ? a.data() : b.data();
    return secondsPerCall([&] { m(a.data(), n, y, n, out.data()); });
}

double timeDiv(DivMethod m, std::size_t n)
{
    const auto u = randomLimbs(2 * n, 3), v = randomLimbs(n, 4);
    std::vector<Limb> q(n + 1), r(n);
    return secondsPerCall([&] { m(u.data(), 2 * n, v.data(), n, q.data(), r.data()); });
}

// The first size from which faster(n) < slower(n) holds there and at the
// next two sizes of the grid; 0 when it never does.
std::size_t crossover(const std::vector<std::size_t>& grid, const std::function<double(std::size_t)>& faster,
                      const std::function<double(std::size_t)>& slower)
{
    std::vector<bool> wins;
    for (std::size_t n : grid)
        wins.push_back(faster(n) < slower(n));
    for (std::size_t i = 0; i < grid.size(); ++i) {
        bool holds = true;
        for (std::size_t k = i; k < std::min(grid.size(), i + 3); ++k)
            holds = holds && wins[k];
        if (holds)
            return grid[i];
    }
    return 0;
}

void printRow(const char* what, std::size_t measured, std::size_t used)
{
    if (measured)
        std::printf("  %-34s %8zu limbs   (in use: %zu)\n", what, measured, used);
    else
        std::printf("  %-34s %8s         (in use: %zu)\n", what, "beyond the grid", used);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool portable = argc > 1 && std::strcmp(argv[1], "--portable") == 0;
    forcePortableLoops(portable);
    std::printf("loops: %s\n", vectorLoops() ? "vector (AVX2)" : "portable");
    const std::vector<std::size_t> small = {16, 24, 32, 40, 48, 64, 80, 96, 128, 160, 192, 256, 320};
    const std::vector<std::size_t> large = {128, 160, 192, 256, 320, 384, 512, 768, 1024, 1536, 2048};
    for (const bool square : {false, true}) {
        const MulCutoffs& used = mulCutoffs(square);
        auto t = [square](MulMethod m) { return [m, square](std::size_t n) { return timeMul(m, n, square); }; };
        std::printf("%s:\n", square ? "squares" : "products");
        printRow("Karatsuba over the basecase", crossover(small, t(mulKaratsuba), t(mulBasecase)), used.karatsuba);
        printRow("Toom-3 over Karatsuba", crossover(large, t(mulToom3), t(mulKaratsuba)), used.toom3);
        auto best = [&](std::size_t n) {
            return std::min(
                {timeMul(mulBasecase, n, square), timeMul(mulKaratsuba, n, square), timeMul(mulToom3, n, square)});
        };
        printRow("transform over the others", crossover(small, t(mulNtt), best), used.ntt);
    }
    const std::vector<std::size_t> div = {16, 32, 64, 128, 192, 256, 384, 512, 768, 1024, 1536, 2048};
    std::printf("division (2n by n limbs):\n");
    printRow("recursive over the long division",
             crossover(
                 div, [](std::size_t n) { return timeDiv(divRecursive, n); },
                 [](std::size_t n) { return timeDiv(divBasecase, n); }),
             kDivRecursiveThreshold);
    forcePortableLoops(false);
    return 0;
}
