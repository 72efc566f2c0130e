// The limb layer: text <-> limbs, normal form, and the schoolbook kernels
// checked against each other (u = q v + r with r < v must come back).
#include "arith/detail/Decimal.h"
#include "arith/detail/LimbOps.h"
#include "arith/tests/core/Reference.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace arith::detail;

TEST(DecimalText, ParseAndNormalForm)
{
    const struct {
        const char *text, *parsed, *normal;
        bool wellFormed;
    } rows[] = {{"-12.50", "- 1250 2", "-12.5", true},
                {".5", "+ 5 1", ".5", true},
                {"5.", "+ 5 0", "5", true},
                {"", "+  0", "0", true},
                {"-", "-  0", "0", true},
                {"1.2.3", "+ 123 2", "1.23", false},
                {"a-1", "+ 1 0", "1", false},
                {"007", "+ 007 0", "7", true},
                {"-0.0", "- 00 1", "0", true},
                {"000.000", "+ 000000 3", "0", true},
                {"123456789123456789.100000000", "+ 123456789123456789100000000 9", "123456789123456789.1", true}};
    for (const auto& r : rows) {
        const DecimalParts p = parseDecimal(r.text);
        EXPECT_EQ((p.negative ? "- " : "+ ") + p.digits + " " + std::to_string(p.fraction), r.parsed) << r.text;
        EXPECT_EQ(p.wellFormed, r.wellFormed) << r.text;
        EXPECT_EQ(isDecimalString(r.text), r.wellFormed) << r.text;
        EXPECT_EQ(normalForm(r.text), r.normal) << r.text;
    }
    EXPECT_EQ(formatDecimal(true, {}, 5), "-0");
    EXPECT_EQ(formatDecimal(false, digitsToLimbs("5"), 12), ".000000000005");
}

TEST(DecimalText, RoundTripAtLimbBoundaries)
{
    for (std::size_t n : {1u, 8u, 9u, 10u, 17u, 18u, 19u, 27u, 1000u}) {
        const std::string digits = "1" + std::string(n - 1, '7'), power = "1" + std::string(n, '0');
        EXPECT_EQ(limbsToDigits(digitsToLimbs(digits)), digits) << n;
        EXPECT_EQ(digitsToLimbs(digits).size(), (n + 8) / 9) << n;
        EXPECT_EQ(limbsToDigits(digitsToLimbs(power)), power) << n;
    }
    EXPECT_TRUE(digitsToLimbs("0000000000000").empty());
    EXPECT_EQ(limbsToDigits(Limbs{}), "0");
    EXPECT_EQ(limbsToDigits(shiftLeftDecimal(digitsToLimbs("123"), 20)), "123" + std::string(20, '0'));
}

// The text is read straight into limbs from its two digit runs, nine digits
// at a time wherever a limb lies inside one run; every place of the point
// against the limb edges, every padding to a larger scale, and skipped
// characters are checked against a digit-at-a-time reading (v = 10 v + d)
// and written back through the same edges.
TEST(DecimalText, RunsAcrossLimbEdgesMatchDigitAtATimeReading)
{
    std::mt19937 rng(77);
    auto slowLimbs = [](const std::string& digits) {
        Limbs v;
        for (char c : digits)
            v = addLimbs(shiftLeftDecimal(v, 1), digitsToLimbs(std::string(1, c)));
        return v;
    };
    for (std::size_t len : {1u, 9u, 10u, 26u, 40u}) {
        std::string digits(len, '0');
        for (char& c : digits)
            c = char('0' + rng() % 10);
        for (std::size_t point = 0; point <= len; ++point) {
            for (std::size_t pad : {0u, 1u, 8u, 9u, 13u}) {
                for (const char* noise : {"", "x"}) {
                    const std::size_t frac = len - point;
                    std::string text = "-" + digits.substr(0, point) + noise + "." + digits.substr(point);
                    const Scaled s = toScaled(text, frac + pad);
                    ASSERT_EQ(s.scale, frac + pad) << text;
                    ASSERT_TRUE(s.negative) << text;
                    ASSERT_EQ(s.mag, slowLimbs(digits + std::string(pad, '0'))) << text << " pad " << pad;
                    // Written back: the same digits, the point in place, the
                    // fraction's trailing zeros and the leading zeros gone.
                    std::string want = digits.substr(0, point) + "." + digits.substr(point);
                    while (want.back() == '0')
                        want.pop_back();
                    if (want.back() == '.')
                        want.pop_back();
                    want.erase(0, std::min(want.find_first_not_of('0'), want.size()));
                    if (want.empty())
                        want = "0";
                    ASSERT_EQ(formatDecimal(false, s.mag, s.scale), want) << text << " pad " << pad;
                }
            }
        }
    }
}

TEST(SchoolbookKernels, DivisionInvertsMultiplication)
{
    std::mt19937_64 rng(12345);
    auto randomLimbs = [&](std::size_t n, bool extreme) {
        Limbs v(n);
        for (auto& x : v)
            x = extreme ? (rng() % 2 ? kBase - 1 : 0) : static_cast<Limb>(rng() % kBase);
        v.back() = extreme ? kBase - 1 : 1 + static_cast<Limb>(rng() % (kBase - 1));
        return v;
    };
    for (int trial = 0; trial < 400; ++trial) {
        const bool extreme = trial % 4 == 0;
        const Limbs v = randomLimbs(1 + rng() % 40, extreme), q = randomLimbs(1 + rng() % 40, extreme);
        Limbs r = randomLimbs(v.size(), !extreme), ignored;
        divModLimbs(r, v, ignored, r);  // some r < v
        Limbs prod(q.size() + v.size());
        arith_test::mulSchoolbook(q.data(), q.size(), v.data(), v.size(), prod.data());
        trimLimbs(prod);
        const Limbs u = addLimbs(prod, r);
        Limbs gotQ(u.size() - v.size() + 1), gotR(v.size());
        divideLimbs(u.data(), u.size(), v.data(), v.size(), gotQ.data(), gotR.data());
        trimLimbs(gotQ);
        trimLimbs(gotR);
        ASSERT_EQ(limbsToDigits(gotQ), limbsToDigits(q)) << "trial " << trial;
        ASSERT_EQ(limbsToDigits(gotR), limbsToDigits(r)) << "trial " << trial;
        ASSERT_EQ(limbsToDigits(subtractLimbs(u, r)), limbsToDigits(prod)) << "trial " << trial;
    }
}

TEST(SchoolbookKernels, KnownProductAndQuotient)
{
    // (10^90 - 1)^2 = 10^180 - 2 * 10^90 + 1, and (10^180 - 1) / (10^90 - 1) = 10^90 + 1.
    const Limbs nines = digitsToLimbs(std::string(90, '9')), u = digitsToLimbs(std::string(180, '9'));
    Limbs sq(2 * nines.size()), q(u.size() - nines.size() + 1), r(nines.size());
    arith_test::mulSchoolbook(nines.data(), nines.size(), nines.data(), nines.size(), sq.data());
    EXPECT_EQ(limbsToDigits(sq), std::string(89, '9') + "8" + std::string(89, '0') + "1");
    arith_test::divSchoolbook(u.data(), u.size(), nines.data(), nines.size(), q.data(), r.data());
    EXPECT_EQ(limbsToDigits(q), "1" + std::string(89, '0') + "1");
    EXPECT_EQ(limbsToDigits(r), "0");
}
