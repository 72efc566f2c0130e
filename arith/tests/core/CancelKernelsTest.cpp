// The cancel flag and the polls in the basecase kernels.
#include "arith/Cancel.h"
#include "arith/detail/Decimal.h"
#include "arith/detail/Division.h"
#include "arith/detail/Multiplication.h"
#include "arith/tests/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace arith;
using namespace arith::detail;

namespace {

TEST(CancelFlag, OnlyTheInstalledFlagOfThisThreadCounts)
{
    EXPECT_NO_THROW(pollCancel());  // nothing installed
    std::atomic<bool> set{true};
    std::atomic<bool> clear{false};
    {
        CancelScope outer(clear);
        EXPECT_NO_THROW(pollCancel());
        {
            CancelScope inner(set);
            EXPECT_TRUE(cancelRequested());
            EXPECT_THROW(pollCancel(), Cancelled);
            // Another thread has no flag of its own.
            bool otherThrew = false;
            std::thread([&] {
                try {
                    pollCancel();
                } catch (const Cancelled&) {
                    otherThrew = true;
                }
            }).join();
            EXPECT_FALSE(otherThrew);
        }
        EXPECT_FALSE(cancelRequested());  // the outer flag is back
        clear = true;
        EXPECT_THROW(pollCancel(), Cancelled);
    }
    EXPECT_NO_THROW(pollCancel());
}

// The hooks see the polls of threads with a flag installed, in order.
TEST(CancelFlag, HooksSeeEveryPollOfThreadsWithAFlag)
{
    std::atomic<bool> flag{false};
    CancelAtPoll at3(3);
    PollHookScope hook(at3);
    pollCancel();  // no flag on this thread: not counted
    EXPECT_EQ(at3.polls(), 0u);
    {
        CancelScope scope(flag);
        EXPECT_NO_THROW(pollCancel());
        EXPECT_NO_THROW(pollCancel());
        EXPECT_FALSE(flag);
        EXPECT_THROW(pollCancel(), Cancelled);
        EXPECT_TRUE(flag);
    }
    EXPECT_EQ(at3.polls(), 3u);

    // Work with fewer polls than the one to hold runs to its end.
    const arith_test::Outcome o = arith_test::cancelAtPoll([] { pollCancel(), pollCancel(); }, 5);
    EXPECT_TRUE(o.finished);
    EXPECT_FALSE(o.cancelled);
    EXPECT_EQ(o.polls, 2u);
}

// 10^10 limb steps each: minutes without the polls. Cancelled at their
// fifth poll, they stop there.
TEST(CancelKernels, BasecaseProductAndDivisionStopAtThePollThatSeesTheFlag)
{
    const std::size_t n = 100'000;
    const std::vector<Limb> a(2 * n, 123456789u), b(n, 987654321u);
    std::vector<Limb> out(3 * n), q(n + 1), r(n);
    const struct {
        const char* name;
        std::function<void()> work;
    } rows[] = {
        {"mulBasecase", [&] { mulBasecase(a.data(), n, b.data(), n, out.data()); }},
        {"divBasecase", [&] { divBasecase(a.data(), 2 * n, b.data(), n, q.data(), r.data()); }},
    };
    for (const auto& row : rows) {
        const arith_test::Outcome o = arith_test::cancelAtPoll(row.work, 5);
        EXPECT_TRUE(o.cancelled) << row.name;
        EXPECT_EQ(o.polls, 5u) << row.name;
    }
    // The kernels still work afterwards: 999999999 * 999999999 = 999999998 000000001.
    const Limb x[] = {999999999u};
    Limb p[2];
    mulBasecase(x, 1, x, 1, p);
    EXPECT_EQ(p[0], 1u);
    EXPECT_EQ(p[1], 999999998u);
}

// The dispatchers poll before choosing a method, so every level of the
// recursive products and quotients (and one transform product) stops there.
TEST(CancelKernels, DispatchersPollOnEntry)
{
    const std::size_t n = 5'000;
    const std::vector<Limb> a(2 * n, 123456789u), b(n, 987654321u);
    std::vector<Limb> out(3 * n), q(n + 1), r(n);
    std::atomic<bool> set{true};
    CancelScope scope(set);
    EXPECT_THROW(multiplyLimbs(a.data(), n, b.data(), n, out.data()), Cancelled);
    EXPECT_THROW(multiplyLimbs(a.data(), 2 * n, b.data(), 3, out.data()), Cancelled);
    EXPECT_THROW(divideLimbs(a.data(), 2 * n, b.data(), n, q.data(), r.data()), Cancelled);
    set = false;
    EXPECT_NO_THROW(divideLimbs(a.data(), 2 * n, b.data(), n, q.data(), r.data()));
}

// The long passes poll inside: every level of the transforms, the
// recombination, the growth of large buffers, the rows of a long operand by
// a short one, and the conversions between text and limbs. Each stops at
// the first poll, at one half-way and at the last (ASan checks the unwinding).
TEST(CancelKernels, LongPassesStopAtEveryPoll)
{
    const std::size_t n = 33'000;  // a product of 66,000 limbs: transforms of 98,304 points
    const std::vector<Limb> a(n, 123456789u), b(n, 987654321u);
    const std::vector<Limb> wide(70'000, 555555555u);  // rows longer than 2^16 limbs
    std::vector<Limb> out(2 * n), wideOut(wide.size() + 2);
    const std::string text(3 * 4096 * 9 + 5, '7');
    const std::vector<Limb> limbs(3 * 4096 + 1, 555555555u);
    const struct {
        const char* name;
        std::function<void()> work;
        std::uint64_t atLeast;  // polls when run to the end
    } rows[] = {
        // 9 transforms of at least 13 polled levels each, 2 recombination polls
        {"mulNtt", [&] { mulNtt(a.data(), n, b.data(), n, out.data()); }, 9 * 13 + 2},
        {"mulNtt portable square",
         [&] {
             struct Portable {
                 Portable() { forcePortableLoops(true); }
                 ~Portable() { forcePortableLoops(false); }
             } portable;
             mulNtt(a.data(), n, a.data(), n, out.data());
         },
         6 * 13 + 2},
        {"mulBasecase long rows", [&] { mulBasecase(wide.data(), wide.size(), a.data(), 2, wideOut.data()); }, 2},
        {"digitsToLimbs", [&] { digitsToLimbs(text); }, 3},
        {"limbsToDigits", [&] { limbsToDigits(limbs.data(), limbs.size()); }, 3},
        {"isDecimalString", [&] { isDecimalString(text); }, 3},
        {"parseDecimal", [&] { parseDecimal(text); }, 3},
    };
    for (const auto& row : rows) {
        const arith_test::Outcome whole = arith_test::cancelAtPoll(row.work, std::numeric_limits<std::uint64_t>::max());
        ASSERT_TRUE(whole.finished) << row.name;
        EXPECT_GE(whole.polls, row.atLeast) << row.name;
        for (const std::uint64_t at : {std::uint64_t{1}, whole.polls / 2, whole.polls}) {
            const arith_test::Outcome o = arith_test::cancelAtPoll(row.work, at);
            EXPECT_TRUE(o.cancelled) << row.name << " at poll " << at;
            EXPECT_EQ(o.polls, at) << row.name;
        }
    }
}

// Karatsuba and Toom-3 take their working memory from one arena per
// product; a cancel at any level unwinds through all of them (ASan checks
// that nothing leaks), and the next product comes out whole.
TEST(CancelKernels, RecursiveProductsUnwindFromEveryLevel)
{
    std::vector<Limb> a(1000), b(1000);
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] = Limb((i * 7919u + 13u) % kBase);
        b[i] = Limb(kBase - 1 - (i * 104729u) % kBase);
    }
    struct Mode {
        bool portable;
        std::size_t nttLimit;  // 0: the real one
    };
    const struct {
        const char* name;
        std::size_t n;
        Mode mode;
    } rows[] = {
        {"Toom-3 over Karatsuba, portable loops", 1000, {true, 0}},
        {"Karatsuba, vector loops where there are", 300, {false, 0}},
        {"Toom-3 beyond a short transform", 1000, {false, 600}},
    };
    for (const auto& row : rows) {
        forcePortableLoops(row.mode.portable);
        limitNttForTests(row.mode.nttLimit);
        std::vector<Limb> want(2 * row.n), out(2 * row.n);
        auto product = [&] { multiplyLimbs(a.data(), row.n, b.data(), row.n, out.data()); };
        const arith_test::Outcome whole = arith_test::cancelAtPoll(product, std::numeric_limits<std::uint64_t>::max());
        ASSERT_TRUE(whole.finished) << row.name;
        ASSERT_GE(whole.polls, 8u) << row.name;  // several levels
        want = out;
        for (const std::uint64_t at : {std::uint64_t{2}, whole.polls / 3, whole.polls / 2, whole.polls - 1}) {
            const arith_test::Outcome o = arith_test::cancelAtPoll(product, at);
            EXPECT_TRUE(o.cancelled) << row.name << " at poll " << at;
            std::fill(out.begin(), out.end(), 0);
            product();
            EXPECT_EQ(out, want) << row.name << " after a cancel at poll " << at;
        }
    }
    forcePortableLoops(false);
    limitNttForTests(0);
}

}  // namespace
