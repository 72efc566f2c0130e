// Point shifts, the cut to 8 decimals, square and cube roots.
#include "arith/BigArithmetic.h"
#include "arith/tests/roots/TestData.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

using namespace arith;

namespace {

struct ShiftCase {
    bool right;
    std::string s;
    int n;
    std::string expected;
};

void PrintTo(const ShiftCase& c, std::ostream* os)
{
    *os << c.s << (c.right ? " >> " : " << ") << c.n;
}

class ShiftPoint : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftPoint, MovesThePointByText)
{
    const ShiftCase& c = GetParam();
    EXPECT_EQ(c.right ? ShiftPointRight(c.s, c.n) : ShiftPointLeft(c.s, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShiftPoint, ::testing::Values(
    ShiftCase{true, "1.5", 8, "150000000"},         // trailing ".0" trimmed
    ShiftCase{false, "150000000", 8, "1.50000000"}, // trailing zeros stay
    ShiftCase{false, "12345", 8, ".00012345"},      // no zero before the point
    ShiftCase{true, "2.718281828459", 8, "271828182.8459"},
    ShiftCase{true, "100", 2, "10000"},
    ShiftCase{true, ".5", 1, "5"},
    ShiftCase{true, "12.345", 0, "12.345"},
    ShiftCase{false, "5", 1, ".5"},
    ShiftCase{false, "1.25", 3, ".00125"},
    ShiftCase{true, "1.5", -2, ".015"},              // a negative count shifts the other way
    ShiftCase{false, "1.5", -2, "150"}));

struct CutCase {
    std::string g;
    std::string expected;
};

void PrintTo(const CutCase& c, std::ostream* os)
{
    *os << c.g;
}

class Cut : public ::testing::TestWithParam<CutCase> {};

TEST_P(Cut, TruncatesToExactlyEightDecimals)
{
    EXPECT_EQ(TruncateTo8(GetParam().g), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Cut, ::testing::Values(
    CutCase{"1.5", "1.50000000"},
    CutCase{"2.718281828459", "2.71828182"},
    CutCase{"0.123456789", ".12345678"},
    CutCase{"123", "123.00000000"},
    CutCase{"0", ".00000000"},
    CutCase{".000000009", ".00000000"},
    CutCase{"99.999999999", "99.99999999"}));

struct RootCase {
    std::string x;
    std::string tolerance;
    std::string expected;
};

void PrintTo(const RootCase& c, std::ostream* os)
{
    *os << c.x << " tol " << c.tolerance;
}

class SquareRoot : public ::testing::TestWithParam<RootCase> {};

TEST_P(SquareRoot, GivesTheIteratesStop)
{
    platform::FakePlatform fake;
    const RootCase& c = GetParam();
    EXPECT_EQ(BigSquareRoot(c.x, c.tolerance), c.expected);
    EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SquareRoot, ::testing::Values(
    RootCase{"16", "0.0001", "4"},
    RootCase{"100", "0.0001", "10"},
    RootCase{"0.25", "0.0001", ".5"},
    RootCase{"2", "0.0001", "1.41421356"},
    RootCase{"1", "0.0001", "1"},
    RootCase{"16", "7.5", "5.19117647"},                // first step 16 -> 8.5: equal does not stop
    RootCase{"16", "7.50000001", "8.5"},
    RootCase{"0", "0.0001", "0"},                      // no division by the guess 0
    RootCase{"-0", "0.0001", "0"},
    RootCase{"0.000", "0.0001", "0"},
    RootCase{"2", "0", "1.41421356"},                   // no tolerance: ends on the fixed point
    RootCase{"2", "-1", "1.41421356"},
    RootCase{"0.0000000000000099", "0", ".00000009"},   // iterates 9, 10, 9, ... (x 10^-8)
    RootCase{"0.0000000000000099", "0.00000001", ".00000009"},
    RootCase{"0.00000000000000000001", "0.000000001", "0"}));  // the guess cuts to 0

class CubeRoot : public ::testing::TestWithParam<RootCase> {};

TEST_P(CubeRoot, GivesTheIteratesStop)
{
    platform::FakePlatform fake;
    const RootCase& c = GetParam();
    EXPECT_EQ(BigCubeRoot(c.x, c.tolerance), c.expected);
    EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CubeRoot, ::testing::Values(
    RootCase{"27", "0.0001", "3"},
    RootCase{"8", "0.0001", "2"},
    RootCase{"1000", "0.0001", "10"},
    RootCase{"1", "0.0001", "1"},
    RootCase{"27", "8.66666666", "6.54075835"},         // first step 1 -> 9.66666666
    RootCase{"27", "8.66666667", "9.66666666"},
    RootCase{"1000000000000000000000000000000", "0.0001", "10000000000"},
    RootCase{"0", "0.0001", "0"},
    RootCase{"-27", "0.0001", "-3"},                    // odd root: the sign carries over
    RootCase{"0.001", "0.0001", ".1"},                  // below one: scaled by 1000^k
    RootCase{"0.000001", "0.0001", ".01"},
    RootCase{"-0.000000001", "0.0001", "-.001"},
    RootCase{"0.0000000000000000000000001", "0.0001", "0"},  // root below 10^-8
    RootCase{"8", "0", "2"}));

struct Refusal {
    std::string x;
    std::string tolerance;
    std::string text;
};

void PrintTo(const Refusal& c, std::ostream* os)
{
    *os << c.x << " tol " << c.tolerance;
}

class RootRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(RootRefusal, ShowsOneMessageAndGivesEmptyText)
{
    platform::FakePlatform fake;
    const Refusal& c = GetParam();
    EXPECT_EQ(BigSquareRoot(c.x, c.tolerance), "");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, c.text);
    EXPECT_EQ(fake.messages[0].title, "Sorry");
    EXPECT_EQ(fake.messages[0].icon, platform::Icon::Critical);
}

INSTANTIATE_TEST_SUITE_P(Cases, RootRefusal, ::testing::Values(
    Refusal{"-4", "0.0001", "Invalid input!   Can't do root operations on Negative numbers"},
    Refusal{"-.5", "0.0001", "Invalid input!   Can't do root operations on Negative numbers"},
    Refusal{"abc", "0.0001", "Invalid input!   Not a number."},
    Refusal{"1.2.3", "0.0001", "Invalid input!   Not a number."},
    Refusal{"4 ", "0.0001", "Invalid input!   Not a number."},
    Refusal{"1,000", "0.0001", "Invalid input!   Not a number."},
    Refusal{"4", "1e-4", "Invalid input!   Not a number."}));

TEST(RootInput, CubeRootRefusesTextThatIsNotANumber)
{
    platform::FakePlatform fake;
    EXPECT_EQ(BigCubeRoot("2-", "0.0001"), "");
    EXPECT_EQ(BigCubeRoot("8", "x"), "");
    EXPECT_EQ(fake.messages.size(), 2u);
}

TEST(RootInput, EmptyTextPassesThroughWithoutMessage)
{
    // "" is what an earlier division by zero left; it has been reported.
    platform::FakePlatform fake;
    EXPECT_EQ(BigSquareRoot("", "0.0001"), "");
    EXPECT_EQ(BigCubeRoot("", "0.0001"), "");
    EXPECT_TRUE(fake.messages.empty());
}

// ---- against the generated reference ----------------------------------

int fractionDigits(const std::string& s)
{
    const auto point = s.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(s.size() - point - 1);
}

TEST(RootVectors, SquareRootsMatchTheReference)
{
    const auto rows = roots_test::readTable("roots_sqrt.txt");
    ASSERT_GT(rows.size(), 250u);
    for (const auto& r : rows) {
        ASSERT_EQ(r.size(), 3u);
        const std::string got = BigSquareRoot(r[0], r[1]);
        EXPECT_EQ(got, r[2]) << "sqrt " << r[0] << " tol " << r[1];
        EXPECT_LE(fractionDigits(got), 8);
    }
}

TEST(RootVectors, CubeRootsMatchTheReference)
{
    const auto rows = roots_test::readTable("roots_cbrt.txt");
    ASSERT_GT(rows.size(), 220u);
    for (const auto& r : rows) {
        ASSERT_EQ(r.size(), 3u);
        const std::string got = BigCubeRoot(r[0], r[1]);
        EXPECT_EQ(got, r[2]) << "cbrt " << r[0] << " tol " << r[1];
        EXPECT_LE(fractionDigits(got), 8);
    }
}

// ---- against the steps written out with the public procedures -----------
// The roots run on limbs; these loops spell the iteration out with BigDivide,
// BigMultiply, BigAdd and the cut, so the two must meet digit for digit.

std::string stepwiseSquareRoot(const std::string& x, std::string tolerance)
{
    std::string old = x;
    for (;;) {
        const std::string q = BigDivide(x, old, 10);
        std::string next = TruncateTo8(BigMultiply("0.5", BigAdd(old, q)));
        std::string d = BigAbsolute(BigSubtract(next, old));
        std::string t = tolerance;
        if (BigLessThan(d, t))
            return StripTrailingZeros(next);
        old = next;
    }
}

std::string stepwiseCubeRoot(const std::string& x, std::string tolerance)
{
    std::string old = "1";
    for (;;) {
        const std::string twice = BigMultiply("2", old);
        const std::string sq = BigMultiply(old, old);
        int p = static_cast<int>(std::nearbyint(static_cast<double>(sq.size()) * 0.6));
        const std::string q = BigDivide(x, sq, p);
        std::string next = TruncateTo8(BigDivide(BigAdd(twice, q), "3", 10));
        std::string d = BigAbsolute(BigSubtract(next, old));
        std::string t = tolerance;
        if (BigLessThan(d, t))
            return StripTrailingZeros(next);
        old = next;
    }
}

TEST(RootSteps, LimbIterationEqualsTheStepsOnText)
{
    const auto sq = roots_test::readTable("roots_sqrt.txt");
    for (std::size_t i = 0; i < sq.size(); i += 5) {
        if (sq[i][0].size() > 80)
            continue;
        EXPECT_EQ(BigSquareRoot(sq[i][0], sq[i][1]), stepwiseSquareRoot(sq[i][0], sq[i][1])) << sq[i][0];
    }
    const auto cb = roots_test::readTable("roots_cbrt.txt");
    for (std::size_t i = 0; i < cb.size(); i += 5) {
        std::string one = "1";
        std::string x = cb[i][0];
        if (x.size() > 60 || BigLessThan(x, one))
            continue;
        EXPECT_EQ(BigCubeRoot(cb[i][0], cb[i][1]), stepwiseCubeRoot(cb[i][0], cb[i][1])) << cb[i][0];
    }
}

}  // namespace
