// Long computations stop at the poll where their cancel flag is found set,
// and the arithmetic gives exact results afterwards (the cached pi included).
#include "arith/Cancel.h"
#include "arith/BigArithmetic.h"
#include "arith/tests/TestSupport.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

using namespace arith;

namespace {

// Known values, not computed here.
using arith_test::kPi23;
const std::string k25Factorial = "15511210043330985984000000";
const std::string k2To100 = "1267650600228229401496703205376";

void ExpectExactResults()
{
    EXPECT_EQ(BigFactorial("25"), k25Factorial);
    EXPECT_EQ(BigPower("2", "100"), k2To100);
    EXPECT_EQ(BigSquareRoot("2", "0.0001"), "1.41421356");
    EXPECT_EQ(BigCubeRoot("27", "0.0001"), "3");
    EXPECT_EQ(BigLog("1000", "10"), "3");
    EXPECT_EQ(BigPi(), kPi23);
}

struct LongWork {
    const char* name;
    std::function<std::string()> work;
};

void PrintTo(const LongWork& w, std::ostream* os) { *os << w.name; }

class CancelLongWork : public ::testing::TestWithParam<LongWork> {};

// Each of these takes from half a second (release build) to minutes; the
// flag is set while the work waits at its third poll, and that very poll
// ends it.
TEST_P(CancelLongWork, StopsAtThePollThatSeesTheFlagAndLeavesTheArithmeticSound)
{
    platform::FakePlatform fake;
    const arith_test::Outcome o = arith_test::cancelAtPoll([] { (void)GetParam().work(); }, 3);
    EXPECT_TRUE(o.cancelled);
    EXPECT_FALSE(o.finished);
    EXPECT_EQ(o.polls, 3u);
    EXPECT_TRUE(fake.messages.empty());
    ExpectExactResults();
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, CancelLongWork,
    ::testing::Values(LongWork{"Factorial", [] { return BigFactorial("1000000"); }},
                      LongWork{"Power", [] { return BigPower("7", "40000000"); }},
                      LongWork{"NegativePower", [] { return BigPower("3", "-40000000"); }},
                      // The roots take a few multiplications of the input's length: a fifth of
                      // a second and more for four million digits in a release build.
                      LongWork{"SquareRoot", [] { return BigSquareRoot(std::string(4'000'000, '7'), "0.0001"); }},
                      LongWork{"CubeRoot", [] { return BigCubeRoot(std::string(4'000'000, '7'), "0.0001"); }},
                      LongWork{"NegativeCubeRoot",
                               [] { return BigCubeRoot("-" + std::string(4'000'000, '7'), "0.0001"); }}),
    [](const ::testing::TestParamInfo<LongWork>& i) { return std::string(i.param.name); });

TEST(CancelPi, ACancelledFirstComputationLeavesNothingCached)
{
    const int before = detail::piComputationCount();
    std::atomic<bool> flag{true};
    {
        CancelScope scope(flag);
        if (before == 0)
            EXPECT_THROW(BigPi(), Cancelled);
        else
            EXPECT_EQ(BigPi(), kPi23);  // cached by an earlier test: nothing to poll
    }
    EXPECT_EQ(detail::piComputationCount(), before);
    EXPECT_EQ(BigPi(), kPi23);
    EXPECT_EQ(detail::piComputationCount(), before == 0 ? 1 : before);
}

TEST(CancelFlag, AClearFlagChangesNoResult)
{
    std::atomic<bool> flag{false};
    CancelScope scope(flag);
    ExpectExactResults();
    EXPECT_EQ(BigE(), "2.7182818284590452353602874713526");
}

}  // namespace
