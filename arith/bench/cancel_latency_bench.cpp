// How promptly each long operation stops when cancelled: the longest
// stretch without a cancel poll (from the start to the first poll, between
// two polls, and from the last poll to the end) while the operation runs to
// its end, at the largest sizes the window takes (results of up to
// 16,777,216 digits). Build in Release; a cancel waits at most about that
// long. Each stretch is timed twice: on the wall clock, and in the CPU time
// of the computing thread, which is what the wall clock shows on an idle
// machine and does not grow when other programs share the cores. The
// counters: max_gap_ms (wall), max_gap_cpu_ms, polls, and the digits of the
// result; a table with the 50 ms target follows the run. The operands are
// handed over (moved) to the operation: the copies a caller makes of text it
// keeps are its own work, done before the operation starts.
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
#include <string_view>
#include <utility>
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

// An operation on two operands, which it takes over.
using Operation = std::function<std::string(std::string, std::string)>;

void measure(benchmark::State& state, const std::string& name, const Operation& work, std::string_view a,
             std::string_view b)
{
    for (auto _ : state) {
        std::string x(a), y(b);
        std::atomic<bool> flag{false};
        GapRecorder gaps;
        arith::PollHookScope hook(gaps);
        arith::CancelScope scope(flag);
        const Clock::time_point begin = Clock::now();
        gaps.start();
        const std::string result = work(std::move(x), std::move(y));
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
    static const std::string fraction = "." + randomDigits(kMaxDigits - 1, 4);
    using std::string;
    const struct {
        const char* name;
        std::string_view a, b;  // static text
        Operation work;
    } rows[] = {
        {"Add/16777216+16777216", whole, fraction,
         [](string a, string b) { return arith::BigAdd(std::move(a), std::move(b)); }},
        {"Subtract/8388608-16777216", half, whole,
         [](string a, string b) { return arith::BigSubtract(std::move(a), std::move(b)); }},
        {"Multiply/8388608x8388608", half, half2,
         [](string a, string b) { return arith::BigMultiply(std::move(a), std::move(b)); }},
        {"Square/8388608", half, "2", [](string a, string b) { return arith::BigPower(std::move(a), std::move(b)); }},
        {"Divide/16777216by8388608", whole, half2,
         [](string a, string b) { return arith::BigDivide(std::move(a), std::move(b), 10); }},
        {"Modulo/16777216by8388608", whole, half2,
         [](string a, string b) { return arith::BigModulo(std::move(a), std::move(b)); }},
        {"Power/7^19852000", "7", "19852000",
         [](string a, string b) { return arith::BigPower(std::move(a), std::move(b)); }},
        {"NegativePower/7^-19852000", "7", "-19852000",
         [](string a, string b) { return arith::BigPower(std::move(a), std::move(b)); }},
        {"Factorial/1000000", "1000000", "", [](string a, string) { return arith::BigFactorial(std::move(a)); }},
        {"SquareRoot/16777216", whole, "0.0001",
         [](string a, string b) { return arith::BigSquareRoot(std::move(a), std::move(b)); }},
        {"CubeRoot/16777216", whole, "0.0001",
         [](string a, string b) { return arith::BigCubeRoot(std::move(a), std::move(b)); }},
        {"Log/16777216", whole, "10", [](string a, string b) { return arith::BigLog(std::move(a), std::move(b)); }},
        {"Log/16777216base7", whole, "7", [](string a, string b) { return arith::BigLog(std::move(a), std::move(b)); }},
        {"Pi", "", "", [](string, string) { return arith::BigPi(); }},
        {"E", "", "", [](string, string) { return arith::BigE(); }},
    };
    for (const auto& r : rows) {
        const std::string name = std::string("Latency/") + r.name;
        benchmark::RegisterBenchmark(name.c_str(), [name, work = r.work, a = r.a,
                                                    b = r.b](benchmark::State& s) { measure(s, name, work, a, b); })
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
