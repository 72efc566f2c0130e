// Addition, subtraction and multiplication: sign tables, normal form and
// the edge cases of the digit work.
#include "arith/BigArithmetic.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* a;
    const char* b;
    const char* want;
};

void expectAll(std::string (*f)(std::string, std::string), const char* name, std::initializer_list<Case> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(f(c.a, c.b), c.want) << name << "(" << c.a << ", " << c.b << ")";
}

}  // namespace

TEST(BigAdd, CarriesAndNormalForm)
{
    expectAll(arith::BigAdd, "BigAdd",
              {{"999", "1", "1000"},
               {".5", ".5", "1"},
               {"0.25", "0.25", ".5"},
               {"1.25", "2.75", "4"},
               {"007", "3", "10"},
               {"5.", "5", "10"},
               {"999999999", "1", "1000000000"},
               {"999999999999999999.999999999", ".000000001", "1000000000000000000"},
               {"0.1", "0.02", ".12"},
               {"100", "0.001", "100.001"}});
}

TEST(BigAdd, SignTable)
{
    expectAll(arith::BigAdd, "BigAdd",
              {{"-5", "3", "-2"},
               {"5", "-3", "2"},
               {"-5", "-3", "-8"},
               {"5", "-5", "0"},
               {"-5", "5", "0"},
               {"-0", "-0", "0"},
               {"-.5", "0", "-.5"},
               {"3", "-5", "-2"},
               {"-2.5", "2.25", "-.25"}});
}

TEST(BigAdd, ZeroWithoutIntegerDigitsIsZero)
{
    // Operands with no integer digit whose sum is zero still give "0".
    expectAll(arith::BigAdd, "BigAdd", {{".0", ".0", "0"}, {".00", ".0", "0"}, {"", "", "0"}, {".", ".", "0"}});
}

TEST(BigSubtract, SignTable)
{
    expectAll(arith::BigSubtract, "BigSubtract",
              {{"3", "5", "-2"},
               {"5", "5", "0"},
               {"0", ".5", "-.5"},
               {"-5", "3", "-8"},
               {"5", "-3", "8"},
               {"-5", "-3", "-2"},
               {"-3", "-5", "2"},
               {"-5", "0", "-5"},
               {"0", "-5", "5"},
               {"-5", "-5", "0"},
               {"10.5", "0.5", "10"},
               {"1000", ".001", "999.999"},
               {"1000000000", "1", "999999999"},
               {"1", "1000000000000000000000", "-999999999999999999999"}});
}

TEST(BigMultiply, DigitsSignsAndPoint)
{
    expectAll(arith::BigMultiply, "BigMultiply",
              {{"12", "12", "144"},
               {"99", "99", "9801"},
               {"-3", "4", "-12"},
               {"3", "-4", "-12"},
               {"-3", "-4", "12"},
               {"-5", "0", "-0"},
               {"0", "-5", "-0"},
               {"-0", "-0", "0"},
               {"0", "7", "0"},
               {"0.5", "0.5", ".25"},
               {"2.5", "4", "10"},
               {"0.001", "0.001", ".000001"},
               {"1.50", "2", "3"},
               {"007", "006", "42"},
               {"5.", "2", "10"},
               {"999999999", "999999999", "999999998000000001"},
               {"123456789012345678901234567890", "987654321098765432109876543210",
                "121932631137021795226185032733622923332237463801111263526900"}});
}

TEST(BigMultiply, ProductsShortOfDigitsForThePoint)
{
    // More fraction places than product digits plus five: the zeros the
    // point needs are supplied and the product stays exact.
    expectAll(arith::BigMultiply, "BigMultiply",
              {{"0.001", "0.0001", ".0000001"},
               {"-0.0000001", "0.0000001", "-.00000000000001"},
               {".000000000000000000003", "3", ".000000000000000000009"}});
}

TEST(BigMultiply, OperandOrderDoesNotMatter)
{
    const std::string a = "-31415926535897932384626433832795028841971.6939937510";
    const std::string b = "2.71828182845904523536028747135266249775724709369995";
    EXPECT_EQ(arith::BigMultiply(a, b), arith::BigMultiply(b, a));
}

TEST(OddText, AddSubtractMultiplyReadOnlyDigitsAndTheFirstPoint)
{
    expectAll(arith::BigAdd, "BigAdd", {{"abc", "5", "5"}, {"1.2.3", "1", "2.23"}, {"-", "2", "2"}, {"", "7", "7"}});
    expectAll(arith::BigSubtract, "BigSubtract", {{"x1y2", "2", "10"}, {"", "", "0"}});
    expectAll(arith::BigMultiply, "BigMultiply",
              {{"", "5", "0"}, {"5", "", "0"}, {"-", "5", "-0"}, {"1.2.3", "10", "12.3"}, {"q", "q", "0"}});
}

TEST(LongOperands, NoSixteenBitLimits)
{
    // 50,000 fraction digits: .333... + .666... = .999...
    const std::string third = "." + std::string(50000, '3');
    const std::string twoThirds = "." + std::string(50000, '6');
    EXPECT_EQ(arith::BigAdd(third, twoThirds), "." + std::string(50000, '9'));
    EXPECT_EQ(arith::BigSubtract(twoThirds, third), third);
    // (10^40000 - 1) + 1 = 10^40000
    EXPECT_EQ(arith::BigAdd(std::string(40000, '9'), "1"), "1" + std::string(40000, '0'));
    // .5^2 over a 40,000-place fraction: the product has 80,000 places.
    const std::string tiny = "." + std::string(39999, '0') + "5";
    EXPECT_EQ(arith::BigMultiply(tiny, tiny), "." + std::string(79998, '0') + "25");
}
