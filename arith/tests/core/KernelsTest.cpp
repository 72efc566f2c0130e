// The limb layer: text <-> limb conversions and the schoolbook kernels,
// checked against each other on random operands (u = q v + r, r < v).
#include "arith/detail/Decimal.h"
#include "arith/detail/LimbOps.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace arith::detail;

TEST(DecimalText, ParseReadsSignDigitsAndFirstPoint)
{
    const struct {
        const char* text;
        bool negative;
        const char* digits;
        std::size_t fraction;
        bool wellFormed;
    } cases[] = {{"-12.50", true, "1250", 2, true}, {".5", false, "5", 1, true},  {"5.", false, "5", 0, true},
                 {"", false, "", 0, true},          {"-", true, "", 0, true},     {"1.2.3", false, "123", 2, false},
                 {"a-1", false, "1", 0, false},     {"--1", true, "1", 0, false}, {"007", false, "007", 0, true}};
    for (const auto& c : cases) {
        const DecimalParts p = parseDecimal(c.text);
        EXPECT_EQ(p.negative, c.negative) << c.text;
        EXPECT_EQ(p.digits, c.digits) << c.text;
        EXPECT_EQ(p.fraction, c.fraction) << c.text;
        EXPECT_EQ(p.wellFormed, c.wellFormed) << c.text;
        EXPECT_EQ(isDecimalString(c.text), c.wellFormed) << c.text;
    }
}

TEST(DecimalText, FormatGivesNormalForm)
{
    const struct {
        const char* text;
        const char* normal;
    } cases[] = {{"0", "0"},         {"-0", "0"},    {"000.000", "0"},          {"0.5", ".5"},
                 {"-0.250", "-.25"}, {"12.500", "12.5"}, {"3.000", "3"},        {"100", "100"},
                 {"1000000000", "1000000000"}, {".000000000001", ".000000000001"},
                 {"123456789123456789.100000000", "123456789123456789.1"}};
    for (const auto& c : cases)
        EXPECT_EQ(normalForm(c.text), c.normal) << c.text;
    EXPECT_EQ(formatDecimal(true, {}, 5), "-0");
}

TEST(DecimalText, RoundTripAtLimbBoundaries)
{
    for (std::size_t n : {1u, 8u, 9u, 10u, 17u, 18u, 19u, 27u, 1000u}) {
        std::string digits(n, '7');
        digits[0] = '1';
        EXPECT_EQ(limbsToDigits(digitsToLimbs(digits)), digits) << n;
        EXPECT_EQ(digitsToLimbs(digits).size(), (n + 8) / 9) << n;
        const std::string zeros = "1" + std::string(n, '0');
        EXPECT_EQ(limbsToDigits(digitsToLimbs(zeros)), zeros) << n;
    }
    EXPECT_TRUE(digitsToLimbs("0000000000000").empty());
    EXPECT_EQ(limbsToDigits(Limbs{}), "0");
}

TEST(SchoolbookKernels, DivisionInvertsMultiplication)
{
    std::mt19937_64 rng(12345);
    auto randomLimbs = [&](std::size_t n, bool extreme) {
        Limbs v(n);
        for (auto& x : v)
            x = extreme ? (rng() % 2 ? kBase - 1 : 0) : static_cast<Limb>(rng() % kBase);
        if (v.back() == 0)
            v.back() = 1 + static_cast<Limb>(rng() % (kBase - 1));
        return v;
    };
    for (int trial = 0; trial < 400; ++trial) {
        const bool extreme = trial % 4 == 0;
        const std::size_t nv = 1 + rng() % 40;
        const std::size_t nq = 1 + rng() % 40;
        const Limbs v = randomLimbs(nv, extreme);
        const Limbs q = randomLimbs(nq, extreme);
        Limbs r = randomLimbs(nv, extreme);
        // r < v
        Limbs dummy;
        divModLimbs(r, v, dummy, r);
        const Limbs u = addLimbs(multiplyLimbVectors(q, v), r);
        Limbs gotQ;
        Limbs gotR;
        divModLimbs(u, v, gotQ, gotR);
        ASSERT_EQ(limbsToDigits(gotQ), limbsToDigits(q)) << "trial " << trial;
        ASSERT_EQ(limbsToDigits(gotR), limbsToDigits(r)) << "trial " << trial;
    }
}

TEST(SchoolbookKernels, KnownProductsAndQuotients)
{
    // (10^90 - 1)^2 = 10^180 - 2 * 10^90 + 1
    const Limbs nines = digitsToLimbs(std::string(90, '9'));
    EXPECT_EQ(limbsToDigits(multiplyLimbVectors(nines, nines)),
              std::string(89, '9') + "8" + std::string(89, '0') + "1");
    // (10^180 - 1) / (10^90 - 1) = 10^90 + 1
    Limbs q;
    Limbs r;
    divModLimbs(digitsToLimbs(std::string(180, '9')), nines, q, r);
    EXPECT_EQ(limbsToDigits(q), "1" + std::string(89, '0') + "1");
    EXPECT_TRUE(r.empty());
    // Smaller dividend than divisor.
    divModLimbs(digitsToLimbs("5"), nines, q, r);
    EXPECT_TRUE(q.empty());
    EXPECT_EQ(limbsToDigits(r), "5");
}

TEST(LimbVectors, ShiftAndAlign)
{
    EXPECT_EQ(limbsToDigits(shiftLeftDecimal(digitsToLimbs("123"), 20)), "123" + std::string(20, '0'));
    EXPECT_TRUE(shiftLeftDecimal({}, 5).empty());
    Scaled a = toScaled("1.5");
    Scaled b = toScaled("2.25");
    alignScales(a, b);
    EXPECT_EQ(a.scale, 2u);
    EXPECT_EQ(limbsToDigits(a.mag), "150");
    EXPECT_EQ(limbsToDigits(subtractLimbs(digitsToLimbs("1000000000000000000"), digitsToLimbs("1"))),
              std::string(18, '9'));
}
