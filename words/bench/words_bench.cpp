// NumberToWords runs on every change of the readout. These time it on the
// largest number it spells (1,005 groups, 3,015 digits) and on a
// 1,000,000-digit display string, which gives the over-limit text.
#include <benchmark/benchmark.h>

#include <string>

#include "words/NumToWords.h"

namespace {

// A display string of `digits` digits with "," between groups of three.
std::string DisplayString(std::size_t digits)
{
    std::string s;
    s.reserve(digits + digits / 3);
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0)
            s += ',';
        s += static_cast<char>('1' + (i * 7) % 9);
    }
    return s;
}

void BM_NumberToWords(benchmark::State& state)
{
    const std::string text = DisplayString(static_cast<std::size_t>(state.range(0)));
    std::size_t length = 0;
    for (auto _ : state) {
        std::string w = words::NumberToWords(text);
        length = w.size();
        benchmark::DoNotOptimize(w);
    }
    state.counters["words_chars"] = static_cast<double>(length);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_NumberToWords)->Arg(3015)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_FractionToPlaceValue(benchmark::State& state)
{
    const std::string digits(static_cast<std::size_t>(state.range(0)), '5');
    for (auto _ : state)
        benchmark::DoNotOptimize(words::FractionToPlaceValue(digits));
}
BENCHMARK(BM_FractionToPlaceValue)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
