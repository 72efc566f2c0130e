// BigFactorial: exact products, refused input, and 0! .. 3000! against the
// generated reference.
#include "arith/BigArithmetic.h"
#include "arith/tests/roots/TestData.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

using namespace arith;

namespace {

struct FactorialCase {
    std::string n;
    std::string expected;
};

void PrintTo(const FactorialCase& c, std::ostream* os)
{
    *os << c.n;
}

class Factorial : public ::testing::TestWithParam<FactorialCase> {};

TEST_P(Factorial, IsTheExactProduct)
{
    platform::FakePlatform fake;
    EXPECT_EQ(BigFactorial(GetParam().n), GetParam().expected);
    EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, Factorial, ::testing::Values(
    FactorialCase{"0", "1"},
    FactorialCase{"-0", "1"},
    FactorialCase{"1", "1"},
    FactorialCase{"2", "2"},
    FactorialCase{"5", "120"},
    FactorialCase{"007", "5040"},            // leading zeros read as the number
    FactorialCase{"5.", "120"},              // a whole number with a point
    FactorialCase{"6.000", "720"},
    FactorialCase{"13", "6227020800"},       // first product past one limb
    FactorialCase{"20", "2432902008176640000"},
    FactorialCase{"25", "15511210043330985984000000"}));

struct Refused {
    std::string n;
    std::string text;
};

void PrintTo(const Refused& c, std::ostream* os)
{
    *os << c.n;
}

class FactorialRefusal : public ::testing::TestWithParam<Refused> {};

TEST_P(FactorialRefusal, ShowsTheReasonAndGivesEmptyText)
{
    platform::FakePlatform fake;
    EXPECT_EQ(BigFactorial(GetParam().n), "");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, GetParam().text);
    EXPECT_EQ(fake.messages[0].title, "Sorry");
    EXPECT_EQ(fake.messages[0].icon, platform::Icon::Critical);
}

INSTANTIATE_TEST_SUITE_P(Cases, FactorialRefusal, ::testing::Values(
    Refused{"-5", "Invalid input!\r\n\r\nCan't do Factorial operations on Negative numbers"},
    Refused{"5.7", "Invalid input!\r\n\r\nCan't do Factorial operations on fractions"},
    Refused{"0.5", "Invalid input!\r\n\r\nCan't do Factorial operations on fractions"},
    Refused{"12a", "Invalid input!\r\n\r\nNot a number."},
    Refused{"1000001", "Invalid input!\r\n\r\nFactorials are limited to numbers up to 1,000,000"},
    Refused{"123456789012345678901234567890", "Invalid input!\r\n\r\nFactorials are limited to numbers up to 1,000,000"}));

TEST(FactorialInput, EmptyTextPassesThroughWithoutMessage)
{
    platform::FakePlatform fake;
    EXPECT_EQ(BigFactorial(""), "");
    EXPECT_TRUE(fake.messages.empty());
}

std::uint64_t fnv1a64(const std::string& text)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    return h;
}

TEST(FactorialVectors, ZeroToThreeThousandMatchTheReference)
{
    const auto rows = roots_test::readTable("roots_factorial.txt");
    ASSERT_EQ(rows.size(), 3001u);
    int full = 0;
    for (const auto& r : rows) {
        ASSERT_GE(r.size(), 4u);
        const std::string got = BigFactorial(r[0]);
        unsigned long digitSum = 0;
        for (char c : got)
            digitSum += static_cast<unsigned long>(c - '0');
        EXPECT_EQ(std::to_string(got.size()), r[1]) << r[0] << "!";
        EXPECT_EQ(std::to_string(digitSum), r[2]) << r[0] << "!";
        EXPECT_EQ(std::stoull(r[3], nullptr, 16), fnv1a64(got)) << r[0] << "!";
        if (r.size() == 5) {
            EXPECT_EQ(got, r[4]) << r[0] << "!";
            ++full;
        }
    }
    EXPECT_GT(full, 200);
}

}  // namespace
