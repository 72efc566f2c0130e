// Division to places, precision raising and write-back, remainder, and the
// zero-divisor messages.
#include "arith/BigArithmetic.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DivCase {
    const char* a;
    const char* b;
    int precisionIn;
    const char* want;
    int precisionOut;
};

void expectDivisions(std::initializer_list<DivCase> cases)
{
    platform::FakePlatform fake;
    for (const auto& c : cases) {
        int precision = c.precisionIn;
        EXPECT_EQ(arith::BigDivide(c.a, c.b, precision), c.want) << c.a << " / " << c.b << " @" << c.precisionIn;
        EXPECT_EQ(precision, c.precisionOut) << c.a << " / " << c.b << " @" << c.precisionIn;
    }
    EXPECT_TRUE(fake.messages.empty());
}

void expectOneDivideByZero(const platform::FakePlatform& fake, const char* title)
{
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Error: Divide by Zero.");
    EXPECT_EQ(fake.messages[0].title, title);
    EXPECT_EQ(fake.messages[0].icon, platform::Icon::None);
    EXPECT_EQ(fake.messages[0].buttons, platform::Buttons::OK);
}

}  // namespace

TEST(BigDivide, TruncatesToPlaces)
{
    expectDivisions({{"1", "3", 10, ".3333333333", 10},
                     {"2", "3", 10, ".6666666666", 10},
                     {"10", "4", 10, "2.5", 10},
                     {"1.5", "0.5", 10, "3", 10},
                     {"-10", "4", 10, "-2.5", 10},
                     {"-10", "-4", 10, "2.5", 10},
                     {"10", "-4", 10, "-2.5", 10},
                     {"0.1", "3", 10, ".033333333333", 10},
                     {"1.50", "7", 10, ".21428571428571", 10},
                     {"22", "7", 35, "3.14285714285714285714285714285714285", 35},
                     {"-2", "3", 10, "-.6666666666", 10},
                     {"1", "8", 10, ".125", 10},
                     {"100", "0.001", 10, "100000", 10}});
}

TEST(BigDivide, PrecisionIsRaisedAndWrittenBack)
{
    expectDivisions({{"1", "3", 0, ".3333333333", 10},
                     {"1", "3", -5, ".3333333333", 10},
                     {"1", "3", 12, ".333333333333", 12},
                     // 1 + 10 < 15: sixteen places.
                     {"1", "123456789012345", 10, ".0000000000000081", 16},
                     // 1 + 10 is not below 11: ten places, truncated to zero.
                     {"1", "99999999999", 10, "0", 10},
                     {"-1", "99999999999", 10, "-0", 10},
                     // Lengths count after leading zeros go, the point included.
                     {"0001", "0099999999999", 10, "0", 10},
                     {"1", "9999999999.9", 10, ".0000000001", 13}});
}

TEST(BigDivide, ZeroDividend)
{
    expectDivisions({{"0", "7", 10, "0", 10}, {"-0", "7", 10, "0", 10}, {"0.0", "-7", 3, "0", 3}, {"", "7", 0, "0", 0}});
}

TEST(BigDivide, TinyDividendsAndDivisorsBelowATenth)
{
    // Exact truncated quotients where the point needs more zeros than the
    // quotient has digits, and for divisors whose digits start with zeros.
    expectDivisions({{"0.0000000001", "3", 10, ".000000000033333333333333333333", 10},
                     {"1", ".05", 10, "20", 10},
                     {"1", "05", 10, ".2", 10},
                     {"7", ".003", 10, "2333.3333333333", 10},
                     {".00000000000000000001", "12345678901234567890123456789", 10,
                      ".00000000000000000000000000000000000000000000000081", 10}});
}

TEST(BigDivide, DivideByZeroShowsMessageAndReturnsEmpty)
{
    for (const char* zero : {"0", "-000", "0.00", ".0", "", "-"}) {
        platform::FakePlatform fake;
        int precision = 3;
        EXPECT_EQ(arith::BigDivide("5", zero, precision), "") << zero;
        EXPECT_EQ(precision, 3) << zero;
        expectOneDivideByZero(fake, "Big Math(Divide)");
    }
    platform::FakePlatform fake;
    EXPECT_EQ(arith::BigDivide("0", "0", 10), "");  // the divisor is looked at first
    expectOneDivideByZero(fake, "Big Math(Divide)");
}

TEST(BigDivide, NoMessageWithoutAnInstalledMessageBox)
{
    EXPECT_EQ(arith::BigDivide("5", "0", 10), "");
    EXPECT_EQ(arith::BigModulo("5", "0"), "");
}

TEST(BigDivide, LongOperands)
{
    // (10^30000 - 1) / 9 = 111...1, exactly, places all zero.
    platform::FakePlatform fake;
    EXPECT_EQ(arith::BigDivide(std::string(30000, '9'), "9", 10), std::string(30000, '1'));
    // 1 / 3 with precision 40,000.
    int precision = 40000;
    EXPECT_EQ(arith::BigDivide("1", "3", precision), "." + std::string(40000, '3'));
    EXPECT_EQ(precision, 40000);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(BigModulo, SignOfTheDividend)
{
    platform::FakePlatform fake;
    const struct {
        const char* a;
        const char* b;
        const char* want;
    } cases[] = {{"7", "3", "1"},     {"-7", "3", "-1"},   {"7", "-3", "1"},      {"-7", "-3", "-1"},
                 {"7.9", "3", "1"},   {"-6", "3", "-0"},   {"10", "4", "2"},      {"-10", "4", "-2"},
                 {"6", "3", "0"},     {"2", "5", "2"},     {"7", "3.9", "1"},     {"-.5", "3", "-0"},
                 {"007", "2", "1"},   {"123456789012345678901234567890", "987654321", "574845669"}};
    for (const auto& c : cases)
        EXPECT_EQ(arith::BigModulo(c.a, c.b), c.want) << c.a << " mod " << c.b;
    EXPECT_TRUE(fake.messages.empty());
}

TEST(BigModulo, ZeroDivisorShowsItsOwnMessage)
{
    for (const char* zero : {"0", "-0", "000"}) {
        platform::FakePlatform fake;
        EXPECT_EQ(arith::BigModulo("10", zero), "") << zero;
        expectOneDivideByZero(fake, "Big Math(Modulo)");
    }
}

TEST(BigModulo, DivisorWithZeroIntegerPartGoesThroughDivide)
{
    // The divisor passes the zero test but its integer part is zero: the
    // division's message, and the integer part of a with a's sign.
    const struct {
        const char* a;
        const char* b;
        const char* want;
    } cases[] = {{"7.5", "0.5", "7"}, {"-7.5", ".5", "-7"}, {"0012", "0.0", "12"}, {"-.5", ".5", "-0"}};
    for (const auto& c : cases) {
        platform::FakePlatform fake;
        EXPECT_EQ(arith::BigModulo(c.a, c.b), c.want) << c.a << " mod " << c.b;
        expectOneDivideByZero(fake, "Big Math(Divide)");
    }
}
