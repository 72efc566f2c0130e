// Formatting and the readout reaction on a 1,000,000-digit readout, a
// keystroke on such a readout, and the history tape over a long session.
#include "calc/Engine.h"
#include "calc/Format.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

std::string Digits(std::size_t n)
{
    std::mt19937 rng(7);
    std::string s(n, '0');
    for (char& c : s)
        c = static_cast<char>('0' + rng() % 10);
    s[0] = '7';
    return s;
}

void BM_AddCommas(benchmark::State& state)
{
    const std::string s = Digits(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::AddCommas(s));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_AddCommas)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_AddCommasFraction(benchmark::State& state)
{
    const std::string s = Digits(500'000) + "." + Digits(500'000);
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::AddCommas(s));
}
BENCHMARK(BM_AddCommasFraction)->Unit(benchmark::kMillisecond);

// The readout reaction (words label) on a grouped 1,000,000-digit readout,
// whole and with a fraction.
void BM_ReadoutReaction(benchmark::State& state)
{
    calc::Engine engine;
    std::string text = calc::AddCommas(Digits(1'000'000));
    if (state.range(0) != 0)
        text += ".25";
    engine.SetReadoutText(text);
    for (auto _ : state)
        engine.txtReadout_Change();
    benchmark::DoNotOptimize(engine.ReadoutWords());
}
BENCHMARK(BM_ReadoutReaction)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One digit typed on a 1,000,000-digit number being entered: the readout is
// regrouped and the reaction runs.
void BM_KeystrokeOnMillionDigits(benchmark::State& state)
{
    calc::Engine engine;
    engine.EnterDigit(1);
    const std::string base = calc::AddCommas(Digits(1'000'000));
    engine.SetReadoutText(base);
    for (auto _ : state) {
        engine.EnterDigit(5);
        state.PauseTiming();
        engine.SetReadoutText(base);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeystrokeOnMillionDigits)->Unit(benchmark::kMillisecond);

// A session of 10,000 history lines of 5,000 digits each: time per line.
void BM_PrependHistory(benchmark::State& state)
{
    const std::string line = "7 X 7 = " + Digits(5000);
    for (auto _ : state) {
        state.PauseTiming();
        calc::Engine engine;
        state.ResumeTiming();
        for (int i = 0; i < 10'000; ++i)
            engine.PrependHistory(line);
        benchmark::DoNotOptimize(engine.state().historyText.size());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 10'000);
}
BENCHMARK(BM_PrependHistory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
