// Point shifts, the cut to 8 decimals, square and cube roots, the logarithm,
// the factorial, pi and e: one table row per case, refused input with its
// message.
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
    if (op == "shr") return ShiftPointRight(a, std::stoi(b));
    if (op == "shl") return ShiftPointLeft(a, std::stoi(b));
    if (op == "cut") return TruncateTo8(a);
    if (op == "sqrt") return BigSquareRoot(a, b);
    if (op == "cbrt") return BigCubeRoot(a, b);
    if (op == "log") return BigLog(a, b);
    if (op == "fact") return BigFactorial(a);
    if (op == "e") return BigE();
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
    check({{"shr", "1.5", "8", "150000000"},          // trailing ".0" trimmed
           {"shl", "150000000", "8", "1.50000000"},   // trailing zeros stay
           {"shl", "12345", "8", ".00012345"},        // no zero before the point
           {"shr", "2.718281828459", "8", "271828182.8459"}, {"shr", "100", "2", "10000"},
           {"shr", ".5", "1", "5"},    {"shr", "12.345", "0", "12.345"}, {"shl", "5", "1", ".5"},
           {"shl", "1.25", "3", ".00125"},
           {"shr", "1.5", "-2", ".015"}, {"shl", "1.5", "-2", "150"},  // a negative count shifts the other way
           {"cut", "1.5", "", "1.50000000"}, {"cut", "2.718281828459", "", "2.71828182"},
           {"cut", "0.123456789", "", ".12345678"}, {"cut", "123", "", "123.00000000"},
           {"cut", "0", "", ".00000000"}, {"cut", ".000000009", "", ".00000000"},
           {"cut", "99.999999999", "", "99.99999999"}});
}

TEST(Roots, GiveTheIteratesStop)
{
    check({{"sqrt", "16", "0.0001", "4"},   {"sqrt", "100", "0.0001", "10"}, {"sqrt", "0.25", "0.0001", ".5"},
           {"sqrt", "2", "0.0001", "1.41421356"}, {"sqrt", "1", "0.0001", "1"},
           {"sqrt", "16", "7.5", "5.19117647"},  // first step 16 -> 8.5: equal does not stop
           {"sqrt", "16", "7.50000001", "8.5"},
           {"sqrt", "0", "0.0001", "0"},    {"sqrt", "-0", "0.0001", "0"},   {"sqrt", "0.000", "0.0001", "0"},
           {"sqrt", "2", "0", "1.41421356"}, {"sqrt", "2", "-1", "1.41421356"},  // no tolerance: the fixed point
           {"sqrt", "0.0000000000000099", "0", ".00000009"},  // iterates 9, 10, 9, ... (x 10^-8)
           {"sqrt", "0.0000000000000099", "0.00000001", ".00000009"},
           {"sqrt", "0.00000000000000000001", "0.000000001", "0"},  // the guess cuts to 0
           {"cbrt", "27", "0.0001", "3"},   {"cbrt", "8", "0.0001", "2"},    {"cbrt", "1000", "0.0001", "10"},
           {"cbrt", "1", "0.0001", "1"},    {"cbrt", "8", "0", "2"},
           {"cbrt", "27", "8.66666666", "6.54075835"},  // first step 1 -> 9.66666666
           {"cbrt", "27", "8.66666667", "9.66666666"},
           {"cbrt", "1000000000000000000000000000000", "0.0001", "10000000000"},
           {"cbrt", "0", "0.0001", "0"},    {"cbrt", "-27", "0.0001", "-3"},  // odd root: the sign carries over
           {"cbrt", "0.001", "0.0001", ".1"},  // below one: scaled by 1000^k
           {"cbrt", "0.000001", "0.0001", ".01"}, {"cbrt", "-0.000000001", "0.0001", "-.001"},
           {"cbrt", "0.0000000000000000000000001", "0.0001", "0"},  // root below 10^-8
           // "" is what an earlier division by zero left; it has been reported.
           {"sqrt", "", "0.0001", ""},      {"cbrt", "", "0.0001", ""},
           {"sqrt", "-4", "0.0001", "", kNegRoot}, {"sqrt", "-.5", "0.0001", "", kNegRoot},
           {"sqrt", "abc", "0.0001", "", kNaN},    {"sqrt", "1.2.3", "0.0001", "", kNaN},
           {"sqrt", "4 ", "0.0001", "", kNaN},     {"sqrt", "1,000", "0.0001", "", kNaN},
           {"sqrt", "4", "1e-4", "", kNaN},        {"cbrt", "2-", "0.0001", "", kNaN},
           {"cbrt", "8", "x", "", kNaN}});
}

TEST(Log, GivesTheBinaryPlacesCutTo22Characters)
{
    check({{"log", "1000", "10", "3"},  // squarings of 1 never reach 10
           {"log", "10", "10", "1"},    {"log", "1", "10", "0"},    {"log", "0.5", "10", "0"},  // below one: nothing added
           {"log", "0", "10", "0"},     {"log", "-0", "10", "0"},   {"log", "2", "10", "0.30102999566398119454"},
           {"log", "0010.50", "10", "1.02118929906993807267"},  // leading and trailing zeros
           {"log", "123.000", "010.0", "2.08990511143939793146"}, {"log", "8", "2", "3"}, {"log", "9", "3", "2"},
           // A base longer than ten digits: squares of 24 digits keep their whole
           // part through the cut (log to 10^12 of 5 x 10^11 is 0.974914167028...).
           {"log", "500000000000", "1000000000000", "0.97491416702800156625"},
           {"log", "", "10", ""},
           {"log", "-5", "10", "", kNegLog}, {"log", "100", "1", "", kBase},   {"log", "100", "1.000", "", kBase},
           {"log", "100", "0.5", "", kBase}, {"log", "100", "0", "", kBase},   {"log", "100", "-10", "", kBase},
           {"log", "100", "", "", kBase},    {"log", "12x", "10", "", kNaN},   {"log", "100", "ten", "", kNaN}});
    // 3^k for k = 1..127 and then some: every division by 3 would double the
    // places of the working value; the cut keeps it bounded.
    const std::string r = BigLog("1" + std::string(60, '0'), "3");
    EXPECT_EQ(r.substr(0, 14), "125.7541964573");  // log3(10^60) = 125.754196457363...
    EXPECT_LE(r.size(), 22u);
}

TEST(Factorial, IsTheExactProduct)
{
    check({{"fact", "0", "", "1"},     {"fact", "-0", "", "1"},   {"fact", "1", "", "1"},   {"fact", "2", "", "2"},
           {"fact", "5", "", "120"},   {"fact", "007", "", "5040"},  // leading zeros read as the number
           {"fact", "5.", "", "120"},  {"fact", "6.000", "", "720"},  // a whole number with a point
           {"fact", "13", "", "6227020800"},  // first product past one limb
           {"fact", "20", "", "2432902008176640000"}, {"fact", "25", "", "15511210043330985984000000"},
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
