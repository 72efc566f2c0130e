// Whole powers: results, the refused fractional exponent, exponents 0, 1
// and below, and powers too large to compute.
#include "arith/BigArithmetic.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void expectOneWarning(const platform::FakePlatform& fake, const std::string& text)
{
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, text);
    EXPECT_EQ(fake.messages[0].title, "Megatally");
    EXPECT_EQ(fake.messages[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(fake.messages[0].buttons, platform::Buttons::OK);
}

}  // namespace

TEST(BigPower, WholeExponents)
{
    platform::FakePlatform fake;
    const struct {
        const char* base;
        const char* exponent;
        const char* want;
    } cases[] = {{"2", "10", "1024"},
                 {"7", "1", "7"},
                 {"-2", "3", "-8"},
                 {"-2", "4", "16"},
                 {"-.5", "3", "-.125"},
                 {"10", "20", "100000000000000000000"},
                 {"1.10", "2", "1.21"},
                 {"-0", "3", "-0"},
                 {"-0", "2", "0"},
                 {"0", "5", "0"},
                 {"1", "123456789012345678901234567890", "1"},
                 {"-1", "123456789012345678901234567891", "-1"},
                 {"-1.000", "98765432109876543210987654321098765432", "1"},
                 {"0.000", "1000000000000000000000000000000", "0"},
                 {"3", "002", "9"},
                 {"0.1", "25", ".0000000000000000000000001"}};
    for (const auto& c : cases)
        EXPECT_EQ(arith::BigPower(c.base, c.exponent), c.want) << c.base << " ^ " << c.exponent;
    EXPECT_TRUE(fake.messages.empty());
}

TEST(BigPower, SameAsRepeatedMultiplication)
{
    for (const char* base : {"1.5", "-3.25", "0.07", "123456789.987654321", "-.0001"}) {
        std::string product = base;
        for (int n = 2; n <= 25; ++n) {
            product = arith::BigMultiply(product, base);
            EXPECT_EQ(arith::BigPower(base, std::to_string(n)), product) << base << " ^ " << n;
        }
    }
}

TEST(BigPower, ExponentOneReturnsTheBaseAsWritten)
{
    EXPECT_EQ(arith::BigPower("007.50", "1"), "007.50");
    EXPECT_EQ(arith::BigPower("-0", "01"), "-0");
}

TEST(BigPower, ExponentZeroGivesOne)
{
    for (const char* exponent : {"0", "-0", "000", ""})
        EXPECT_EQ(arith::BigPower("12.5", exponent), "1") << exponent;
    EXPECT_EQ(arith::BigPower("0", "0"), "1");
}

TEST(BigPower, NegativeExponentGivesTheReciprocal)
{
    platform::FakePlatform fake;
    EXPECT_EQ(arith::BigPower("2", "-1"), ".5");
    EXPECT_EQ(arith::BigPower("2", "-10"), ".0009765625");
    EXPECT_EQ(arith::BigPower("3", "-1"), ".3333333333");
    EXPECT_EQ(arith::BigPower("-2", "-3"), "-.125");
    EXPECT_EQ(arith::BigPower(".5", "-2"), "4");
    // A long power raises the division's places: 2^-100 has 32 places.
    EXPECT_EQ(arith::BigPower("2", "-100"), ".00000000000000000000000000000078");
    EXPECT_TRUE(fake.messages.empty());
    // Zero to a negative power is a division by zero.
    EXPECT_EQ(arith::BigPower("0", "-2"), "");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].title, "Big Math(Divide)");
}

TEST(BigPower, FractionalExponentIsRefusedByItsPoint)
{
    for (const char* exponent : {"2.5", "3.0", "3.", ".5", "-1.5", "1.2.3"}) {
        platform::FakePlatform fake;
        EXPECT_EQ(arith::BigPower("2", exponent), "0") << exponent;
        expectOneWarning(fake, "Fractional Powers are not supported!");
    }
}

TEST(BigPower, TooLargeIsRefusedBeforeItStarts)
{
    const std::string text =
        "This power is too large to compute: its result would have more than 1,073,741,824 digits.";
    const struct {
        const char* base;
        const char* exponent;
    } cases[] = {{"2", "1000000000000"},
                 {"2", "123456789012345678901234567890"},
                 {"-7", "999999999999999999999999999999999999999"},
                 {"1.5", "1100000000"},           // fraction digits alone are too many
                 {"1000000000", "200000000"},     // 1.8e9 digits
                 {"2", "-1000000000000"},
                 {"0.5", "-99999999999999"}};
    for (const auto& c : cases) {
        platform::FakePlatform fake;
        EXPECT_EQ(arith::BigPower(c.base, c.exponent), "0") << c.base << " ^ " << c.exponent;
        expectOneWarning(fake, text);
    }
}

TEST(BigPower, LargeButAllowed)
{
    const std::string p = arith::BigPower("2", "100000");
    EXPECT_EQ(p.size(), 30103u);
    EXPECT_EQ(p.substr(0, 10), "9990020930");
    EXPECT_EQ(p.substr(p.size() - 5), "09376");
}

TEST(BigPower, OddText)
{
    platform::FakePlatform fake;
    EXPECT_EQ(arith::BigPower("abc", "2"), "0");
    EXPECT_EQ(arith::BigPower("3", "x2"), "9");
    EXPECT_EQ(arith::BigPower("3", "-"), "1");
    EXPECT_TRUE(fake.messages.empty());
}
