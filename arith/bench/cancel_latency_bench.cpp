// How promptly each long operation stops when cancelled: the longest
// stretch without a cancel poll (from the start to the first poll, between
// two polls, and from the last poll to the end) while the operation runs to
// its end, at the largest sizes the window takes (results of up to
// 16,777,216 digits). Build in Release; a cancel waits at most about that
// long. Each stretch is timed twice: on the wall clock, and in the CPU time
// of the computing thread, which is what the wall clock shows on an idle
// machine and does not grow when other programs share the cores. The
// counters: max_gap_ms (wall), max_gap_cpu_ms, polls, and the digits of the
// result; a table with the 50 ms target follows the run.
//
//   cancel_latency_bench [--benchmark_filter=Latency/Power]
#include "arith/BigArithmetic.h"
#include "arith/Cancel.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// CPU time of the calling thread, in milliseconds.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Times the stretches between the polls of the thread that runs the work.
class GapRecorder final : public arith::PollHook {
public:
    void start() { last_ = Clock::now(), longest_ = {}, polls_ = 0, lastCpu_ = threadCpuMs(), longestCpu_ = 0; }
    void onPoll(std::atomic<bool>&) override { mark(); }
    void mark()
    {
        const Clock::time_point now = Clock::now();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
        const double cpu = threadCpuMs();
        longestCpu_ = std::max(longestCpu_, cpu - lastCpu_);
        lastCpu_ = cpu;
        ++polls_;
    }
    double longestMs() const { return std::chrono::duration<double, std::milli>(longest_).count(); }
    double longestCpuMs() const { return longestCpu_; }
    long polls() const { return polls_; }

private:
    Clock::time_point last_;
    Clock::duration longest_{};
    double lastCpu_ = 0, longestCpu_ = 0;
    long polls_ = 0;
};

std::string randomDigits(std::size_t n, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string s(n, '0');
    for (char& c : s)
        c = static_cast<char>('0' + rng() % 10);
    s[0] = static_cast<char>('1' + rng() % 9);
    return s;
}

struct Row {
    std::string name;
    double maxGapMs;
    double maxGapCpuMs;
    long polls;
    std::size_t digits;
    double seconds;
};
std::vector<Row>& table()
{
    static std::vector<Row> rows;
    return rows;
}

void measure(benchmark::State& state, const std::string& name, const std::function<std::string()>& work)
{
    for (auto _ : state) {
        std::atomic<bool> flag{false};
        GapRecorder gaps;
        arith::PollHookScope hook(gaps);
        arith::CancelScope scope(flag);
        const Clock::time_point begin = Clock::now();
        gaps.start();
        const std::string result = work();
        gaps.mark();  // the stretch from the last poll to the end
        const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
        state.counters["max_gap_ms"] = gaps.longestMs();
        state.counters["max_gap_cpu_ms"] = gaps.longestCpuMs();
        state.counters["polls"] = static_cast<double>(gaps.polls() - 1);
        state.counters["digits"] = static_cast<double>(result.size());
        table().push_back({name, gaps.longestMs(), gaps.longestCpuMs(), gaps.polls() - 1, result.size(), seconds});
    }
}

constexpr std::size_t kMaxDigits = std::size_t{1} << 24;  // 16,777,216: the window's bound

void registerAll()
{
    // Operands are made once, outside the timed work.
    static const std::string half = randomDigits(kMaxDigits / 2, 1);
    static const std::string half2 = randomDigits(kMaxDigits / 2, 2);
    static const std::string whole = randomDigits(kMaxDigits, 3);
    static const std::string million = randomDigits(1'000'000, 4);
    const struct {
        const char* name;
        std::function<std::string()> work;
    } rows[] = {
        {"Multiply/8388608x8388608", [] { return arith::BigMultiply(half, half2); }},
        {"Square/8388608", [] { return arith::BigPower(half, "2"); }},
        {"Divide/16777216by8388608", [] { return arith::BigDivide(whole, half2, 10); }},
        {"Power/7^19852000", [] { return arith::BigPower("7", "19852000"); }},
        {"NegativePower/7^-19852000", [] { return arith::BigPower("7", "-19852000"); }},
        {"Factorial/1000000", [] { return arith::BigFactorial("1000000"); }},
        {"SquareRoot/1000000", [] { return arith::BigSquareRoot(million, "0.0001"); }},
        {"CubeRoot/1000000", [] { return arith::BigCubeRoot(million, "0.0001"); }},
        {"Log/16777216", [] { return arith::BigLog(whole, "10"); }},
        {"Log/1000000base7", [] { return arith::BigLog(million, "7"); }},
        {"Pi", [] { return arith::BigPi(); }},
        {"E", [] { return arith::BigE(); }},
    };
    for (const auto& r : rows) {
        const std::string name = std::string("Latency/") + r.name;
        benchmark::RegisterBenchmark(name.c_str(),
                                     [name, work = r.work](benchmark::State& s) { measure(s, name, work); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\n%-36s %12s %12s %8s %10s %9s  %s\n", "operation", "max gap ms", "max gap cpu", "polls", "digits",
                "seconds", "cpu <= 50 ms");
    for (const Row& r : table())
        std::printf("%-36s %12.1f %12.1f %8ld %10zu %9.2f  %s\n", r.name.c_str(), r.maxGapMs, r.maxGapCpuMs, r.polls,
                    r.digits, r.seconds, r.maxGapCpuMs <= 50.0 ? "yes" : "NO");
    return 0;
}
