// Pi, e and the logarithm.
#include "arith/BigArithmetic.h"
#include "arith/tests/roots/TestData.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <string>
#include <thread>

namespace arith::detail {
int piComputationCount();  // defined with BigPi
}

using namespace arith;

namespace {

// Known digits, not computed here: pi = 3.14159265358979323846264338...,
// e = 2.71828182845904523536028747135266...
const std::string kPi23 = "3.14159265358979323846264";
const std::string kE31 = "2.7182818284590452353602874713526";

TEST(Pi, IsTwentyThreeDecimalsAndComputedOnce)
{
    EXPECT_EQ(BigPi(), kPi23);
    EXPECT_EQ(BigPi(), kPi23);
    EXPECT_EQ(detail::piComputationCount(), 1);
}

TEST(Pi, TwoThreadsAtOnceGetTheSameTextFromOneComputation)
{
    std::atomic<int> ready{0};
    std::string first;
    std::string second;
    auto ask = [&ready](std::string& out) {
        ++ready;
        while (ready.load() < 2) {
        }
        out = BigPi();
    };
    std::thread a(ask, std::ref(first));
    std::thread b(ask, std::ref(second));
    a.join();
    b.join();
    EXPECT_EQ(first, kPi23);
    EXPECT_EQ(second, kPi23);
    EXPECT_EQ(detail::piComputationCount(), 1);
}

TEST(E, IsThirtyOneDecimalsTruncated)
{
    EXPECT_EQ(BigE(), kE31);
    EXPECT_EQ(BigE().size(), 33u);
}

struct LogCase {
    std::string x;
    std::string base;
    std::string expected;
};

void PrintTo(const LogCase& c, std::ostream* os)
{
    *os << c.x << " base " << c.base;
}

class Log : public ::testing::TestWithParam<LogCase> {};

TEST_P(Log, GivesTheBinaryPlacesCutTo22Characters)
{
    platform::FakePlatform fake;
    const LogCase& c = GetParam();
    EXPECT_EQ(BigLog(c.x, c.base), c.expected);
    EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, Log, ::testing::Values(
    LogCase{"1000", "10", "3"},        // squarings of 1 never reach 10
    LogCase{"10", "10", "1"},
    LogCase{"1", "10", "0"},
    LogCase{"0.5", "10", "0"},         // below one: nothing is added
    LogCase{"0", "10", "0"},
    LogCase{"-0", "10", "0"},
    LogCase{"2", "10", "0.30102999566398119454"},
    LogCase{"0010.50", "10", "1.02118929906993807267"},  // leading and trailing zeros
    LogCase{"123.000", "010.0", "2.08990511143939793146"},
    LogCase{"8", "2", "3"},
    LogCase{"9", "3", "2"},
    // A base longer than ten digits: squares of 24 digits keep their whole
    // part through the cut (log to 10^12 of 5 x 10^11 is 0.974914167028...).
    LogCase{"500000000000", "1000000000000", "0.97491416702800156625"}));

TEST(Log, LongInputToABaseWhoseDivisionsDoNotEndTerminates)
{
    // 3^k for k = 1..127 and then some: every division by 3 would double the
    // places of the working value; the cut keeps it bounded.
    const std::string x = "1" + std::string(60, '0');
    const std::string r = BigLog(x, "3");
    EXPECT_EQ(r.substr(0, 14), "125.7541964573");  // log3(10^60) = 125.754196457363...
    EXPECT_LE(r.size(), 22u);
}

struct LogRefusal {
    std::string x;
    std::string base;
    std::string text;
};

void PrintTo(const LogRefusal& c, std::ostream* os)
{
    *os << c.x << " base " << c.base;
}

class LogRefused : public ::testing::TestWithParam<LogRefusal> {};

TEST_P(LogRefused, ShowsOneMessageAndGivesEmptyText)
{
    platform::FakePlatform fake;
    const LogRefusal& c = GetParam();
    EXPECT_EQ(BigLog(c.x, c.base), "");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, c.text);
    EXPECT_EQ(fake.messages[0].title, "Sorry");
}

const std::string kBadBase = "Invalid input!   The base of a logarithm must be greater than 1";

INSTANTIATE_TEST_SUITE_P(Cases, LogRefused, ::testing::Values(
    LogRefusal{"-5", "10", "Invalid input!   Can't do log operations on Negative numbers"},
    LogRefusal{"100", "1", kBadBase},
    LogRefusal{"100", "1.000", kBadBase},
    LogRefusal{"100", "0.5", kBadBase},
    LogRefusal{"100", "0", kBadBase},
    LogRefusal{"100", "-10", kBadBase},
    LogRefusal{"100", "", kBadBase},
    LogRefusal{"12x", "10", "Invalid input!   Not a number."},
    LogRefusal{"100", "ten", "Invalid input!   Not a number."}));

TEST(LogInput, EmptyTextPassesThroughWithoutMessage)
{
    platform::FakePlatform fake;
    EXPECT_EQ(BigLog("", "10"), "");
    EXPECT_TRUE(fake.messages.empty());
}

TEST(LogVectors, MatchTheReference)
{
    const auto rows = roots_test::readTable("roots_log.txt");
    ASSERT_GT(rows.size(), 150u);
    for (const auto& r : rows) {
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(BigLog(r[0], r[1]), r[2]) << "log " << r[0] << " base " << r[1];
    }
}

}  // namespace
