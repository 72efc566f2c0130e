// Point shifts, the cut to 8 decimals, square and cube roots, the logarithm,
// the factorial, pi and e: one table row per case, refused input with its
// message. The root and log values were checked with Python (math.isqrt, an
// integer cube root, decimal).
#include "arith/BigArithmetic.h"
#include "arith/tests/TestSupport.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

using namespace arith;

namespace {

using arith_test::kPi23;
// Known digits of e for the rows below, not computed here:
// 2.71828182845904523536028747135266...

const std::string kNaN = "Invalid input!   Not a number.";
const std::string kNegRoot = "Invalid input!   Can't do root operations on Negative numbers";
const std::string kNegLog = "Invalid input!   Can't do log operations on Negative numbers";
const std::string kZeroLog = "Invalid input!   Can't do log operations on zero";
const std::string kBase = "Invalid input!   The base of a logarithm must be greater than 1";
const std::string kFact = "Invalid input!\r\n\r\n";
const std::string kFactLimit = kFact + "Factorials are limited to numbers up to 1,000,000";

struct Row {
    const char *op, *a, *b;
    std::string want;
    std::string refusal = "";  // text of the one message (title "Sorry", critical icon, OK)
};

std::string run(const std::string& op, const std::string& a, const std::string& b)
{
    if (op == "shr")
        return ShiftPointRight(a, std::stoi(b));
    if (op == "shl")
        return ShiftPointLeft(a, std::stoi(b));
    if (op == "cut")
        return TruncateTo8(a);
    if (op == "sqrt")
        return BigSquareRoot(a, b);
    if (op == "cbrt")
        return BigCubeRoot(a, b);
    if (op == "log")
        return BigLog(a, b);
    if (op == "fact")
        return BigFactorial(a);
    if (op == "e")
        return BigE();
    return "unknown op " + op;
}

void check(std::initializer_list<Row> rows)
{
    for (const Row& r : rows) {
        platform::FakePlatform fake;
        const std::string where = std::string(r.op) + "(" + r.a + ", " + r.b + ")";
        EXPECT_EQ(run(r.op, r.a, r.b), r.want) << where;
        if (r.refusal.empty()) {
            EXPECT_TRUE(fake.messages.empty()) << where;
            continue;
        }
        EXPECT_EQ(fake.messages.size(), 1u) << where;
        if (fake.messages.empty())
            continue;
        const auto& m = fake.messages[0];
        EXPECT_EQ(m.text, r.refusal) << where;
        EXPECT_EQ(m.title, "Sorry") << where;
        EXPECT_EQ(m.icon, platform::Icon::Critical) << where;
        EXPECT_EQ(m.buttons, platform::Buttons::OK) << where;
    }
}

TEST(PointShifts, MoveThePointByTextAndCutToEightDecimals)
{
    check({{"shr", "1.5", "8", "150000000"},         // trailing ".0" trimmed
           {"shl", "150000000", "8", "1.50000000"},  // trailing zeros stay
           {"shl", "12345", "8", ".00012345"},       // no zero before the point
           {"shr", "2.718281828459", "8", "271828182.8459"},
           {"shr", "100", "2", "10000"},
           {"shr", ".5", "1", "5"},
           {"shr", "12.345", "0", "12.345"},
           {"shl", "5", "1", ".5"},
           {"shl", "1.25", "3", ".00125"},
           {"shr", "1.5", "-2", ".015"},
           {"shl", "1.5", "-2", "150"},  // a negative count shifts the other way
           {"cut", "1.5", "", "1.50000000"},
           {"cut", "2.718281828459", "", "2.71828182"},
           {"cut", "0.123456789", "", ".12345678"},
           {"cut", "123", "", "123.00000000"},
           {"cut", "0", "", ".00000000"},
           {"cut", ".000000009", "", ".00000000"},
           {"cut", "99.999999999", "", "99.99999999"}});
}

// Values the generated tables (VectorsTest.cpp) do not reach, and every
// refusal; the tables also vary the tolerance, which changes nothing.
TEST(Roots, EdgesAndRefusals)
{
    check({{"sqrt", "0.0000000000000001", "0.0001", ".00000001"},              // exactly 10^-8
           {"sqrt", "99999999999999999999", "0.0001", "9999999999.99999999"},  // 10^20 - 1
           {"sqrt", "10000000000000000000000000000000000000000", "0.0001", "100000000000000000000"},
           {"cbrt", "-2", "0.0001", "-1.25992104"},                  // toward zero
           {"cbrt", "-0.0000000000000000000000001", "0.0001", "0"},  // never "-0"
           // "" is what an earlier division by zero left; it has been reported.
           {"sqrt", "", "0.0001", ""},
           {"cbrt", "", "0.0001", ""},
           {"sqrt", "-4", "0.0001", "", kNegRoot},
           {"sqrt", "-.5", "0.0001", "", kNegRoot},
           {"sqrt", "abc", "0.0001", "", kNaN},
           {"sqrt", "1.2.3", "0.0001", "", kNaN},
           {"sqrt", "4 ", "0.0001", "", kNaN},
           {"sqrt", "1,000", "0.0001", "", kNaN},
           {"sqrt", "4", "1e-4", "", kNaN},
           {"cbrt", "2-", "0.0001", "", kNaN},
           {"cbrt", "8", "x", "", kNaN}});
}

TEST(Log, EdgesAndRefusals)
{
    check({{"log", "0.9999999999", "10", "-0.0000000000434294481"},
           {"log", "9", "3", "2"},
           {"log", "", "10", ""},
           {"log", "-5", "10", "", kNegLog},
           {"log", "-.5", "10", "", kNegLog},
           {"log", "0", "10", "", kZeroLog},
           {"log", "-0", "10", "", kZeroLog},
           {"log", "0.000", "2", "", kZeroLog},
           {"log", "100", "1", "", kBase},
           {"log", "100", "1.000", "", kBase},
           {"log", "100", "0.5", "", kBase},
           {"log", "100", "0", "", kBase},
           {"log", "100", "-10", "", kBase},
           {"log", "100", "", "", kBase},
           {"log", "12x", "10", "", kNaN},
           {"log", "100", "ten", "", kNaN}});
    EXPECT_EQ(BigLog("1" + std::string(60, '0'), "3"), "125.754196457363076257");  // log3(10^60)
}

// A million digits: the leading digits and the length decide the result.
TEST(Log, OfAMillionDigits)
{
    platform::FakePlatform fake;
    EXPECT_EQ(BigLog("1" + std::string(999999, '0'), "10"), "999999");
    EXPECT_EQ(BigLog("1" + std::string(999998, '0') + "1", "10"), "999999.000000000000000");
    EXPECT_EQ(BigLog(std::string(1000000, '9'), "10"), "999999.999999999999999");
    EXPECT_EQ(BigLog("." + std::string(999999, '0') + "1", "10"), "-1000000");
    EXPECT_EQ(BigLog("2" + std::string(999999, '0'), "10"), "999999.301029995663981");
    EXPECT_TRUE(fake.messages.empty());
}

TEST(Factorial, IsTheExactProduct)
{
    check({{"fact", "-0", "", "1"},      // 0! to 3000! are in the generated table
           {"fact", "007", "", "5040"},  // leading zeros read as the number
           {"fact", "5.", "", "120"},
           {"fact", "6.000", "", "720"},  // a whole number with a point
           {"fact", "", "", ""},
           {"fact", "-5", "", "", kFact + "Can't do Factorial operations on Negative numbers"},
           {"fact", "5.7", "", "", kFact + "Can't do Factorial operations on fractions"},
           {"fact", "0.5", "", "", kFact + "Can't do Factorial operations on fractions"},
           {"fact", "12a", "", "", kFact + "Not a number."},
           {"fact", "1000001", "", "", kFactLimit},
           {"fact", "123456789012345678901234567890", "", "", kFactLimit}});
}

TEST(Constants, PiIsTwentyThreeDecimalsComputedOnceAndETruncatedToThirtyOne)
{
    EXPECT_EQ(BigPi(), kPi23);
    EXPECT_EQ(BigPi(), kPi23);
    EXPECT_EQ(detail::piComputationCount(), 1);
    check({{"e", "", "", "2.7182818284590452353602874713526"}});
}

TEST(Constants, TwoThreadsAtOnceGetTheSameTextFromOneComputation)
{
    std::atomic<int> ready{0};
    std::string first, second;
    auto ask = [&ready](std::string& out) {
        ++ready;
        while (ready.load() < 2) {
        }
        out = BigPi();
    };
    std::thread a(ask, std::ref(first)), b(ask, std::ref(second));
    a.join();
    b.join();
    EXPECT_EQ(first, kPi23);
    EXPECT_EQ(second, kPi23);
    EXPECT_EQ(detail::piComputationCount(), 1);
}

}  // namespace
