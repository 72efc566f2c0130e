// Square and cube roots and logarithms against the tables written by
// tests/gen/gen_roots.py (one test per table and group), 0! .. 3000! against
// gen_roots_factorial.py, and roots of up to 200,000 digits checked with the
// public multiplication: r^k <= x < (r + 10^-8)^k.
#include "arith/BigArithmetic.h"
#include "arith/tests/TestSupport.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <random>
#include <set>
#include <string>

using namespace arith;
using arith_test::Row;

namespace {

using Fn = std::string (*)(const std::string&, const std::string&);

struct Group {
    const char* table;
    const char* group;
    Fn fn;
    std::size_t minRows;
};

void PrintTo(const Group& g, std::ostream* os) { *os << g.table << ":" << g.group; }

const Group kGroups[] = {
    {"roots_sqrt.txt", "examples", BigSquareRoot, 20},
    {"roots_sqrt.txt", "whole", BigSquareRoot, 90},
    {"roots_sqrt.txt", "fraction", BigSquareRoot, 90},
    {"roots_sqrt.txt", "below_one", BigSquareRoot, 60},
    {"roots_sqrt.txt", "perfect", BigSquareRoot, 40},
    {"roots_sqrt.txt", "neighbours", BigSquareRoot, 75},
    {"roots_sqrt.txt", "near_multiple", BigSquareRoot, 70},
    {"roots_cbrt.txt", "examples", BigCubeRoot, 25},
    {"roots_cbrt.txt", "whole", BigCubeRoot, 90},
    {"roots_cbrt.txt", "fraction", BigCubeRoot, 90},
    {"roots_cbrt.txt", "below_one", BigCubeRoot, 60},
    {"roots_cbrt.txt", "negative", BigCubeRoot, 30},
    {"roots_cbrt.txt", "perfect", BigCubeRoot, 40},
    {"roots_cbrt.txt", "neighbours", BigCubeRoot, 75},
    {"roots_cbrt.txt", "near_multiple", BigCubeRoot, 70},
    {"roots_log.txt", "examples", BigLog, 9},
    {"roots_log.txt", "powers_of_ten", BigLog, 12},
    {"roots_log.txt", "near_powers", BigLog, 50},
    {"roots_log.txt", "whole", BigLog, 60},
    {"roots_log.txt", "fraction", BigLog, 40},
    {"roots_log.txt", "below_one", BigLog, 40},
    {"roots_log.txt", "bases", BigLog, 40},
};

class Vectors : public ::testing::TestWithParam<Group> {};

// Rows: group, x, tolerance or base, result.
TEST_P(Vectors, MatchTheExactReference)
{
    const Group& g = GetParam();
    platform::FakePlatform fake;
    std::size_t rows = 0;
    int wrong = 0;
    for (const Row& r : arith_test::readTable(g.table)) {
        ASSERT_EQ(r.size(), 4u);
        if (r[0] != g.group)
            continue;
        ++rows;
        const std::string got = g.fn(r[1], r[2]);
        EXPECT_EQ(got, r[3]) << g.table << ": " << arith_test::brief(r[1]) << " , " << r[2];
        if (got != r[3] && ++wrong == 10)
            FAIL() << "stopped after ten wrong rows";
    }
    EXPECT_GE(rows, g.minRows);
    EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Tables, Vectors, ::testing::ValuesIn(kGroups), [](const ::testing::TestParamInfo<Group>& i) {
    std::string name = std::string(i.param.table).substr(6);  // after "roots_"
    name = name.substr(0, name.find('.')) + "_" + i.param.group;
    return name;
});

TEST(Vectors, EveryRowBelongsToAGroupUnderTest)
{
    for (const char* table : {"roots_sqrt.txt", "roots_cbrt.txt", "roots_log.txt"}) {
        std::set<std::string> known;
        for (const Group& g : kGroups)
            if (std::string(g.table) == table)
                known.insert(g.group);
        const auto rows = arith_test::readTable(table);
        EXPECT_GT(rows.size(), 250u) << table;
        for (const Row& r : rows)
            EXPECT_TRUE(known.count(r.at(0))) << table << ": " << r.at(0);
    }
}

// ---- long roots against their powers ------------------------------------------

std::string randomDecimal(std::mt19937_64& gen, std::size_t digits, std::size_t fraction)
{
    std::string s(1, static_cast<char>('1' + gen() % 9));
    while (s.size() < digits)
        s += static_cast<char>('0' + gen() % 10);
    if (fraction > 0)
        s.insert(s.size() - fraction, ".");
    return s;
}

bool lessOrEqual(std::string a, std::string b) { return BigLessOrEqual(a, b) != kFalse; }
bool lessThan(std::string a, std::string b) { return BigLessThan(a, b) != kFalse; }

std::string power(const std::string& r, int k)
{
    std::string p = r;
    for (int i = 1; i < k; ++i)
        p = BigMultiply(p, r);
    return p;
}

// r^k <= x < (r + 10^-8)^k: r is x's k-th root truncated to 8 decimals.
void expectBracket(const std::string& x, const std::string& r, int k)
{
    EXPECT_TRUE(lessOrEqual(power(r, k), x)) << k << ": " << arith_test::brief(x);
    EXPECT_TRUE(lessThan(x, power(BigAdd(r, "0.00000001"), k))) << k << ": " << arith_test::brief(x);
    const std::size_t point = r.find('.');
    EXPECT_TRUE(point == std::string::npos || r.size() - point - 1 <= 8) << r.substr(0, 40);
}

TEST(LongRoots, BracketTheInputAtEveryLength)
{
    platform::FakePlatform fake;
    std::mt19937_64 gen(20261207);
    for (const std::size_t digits : {2001u, 5000u, 12345u, 40000u, 200000u}) {
        for (const std::size_t fraction : {std::size_t{0}, std::size_t{7}, digits / 3}) {
            const std::string x = randomDecimal(gen, digits, fraction);
            expectBracket(x, BigSquareRoot(x, "0.0001"), 2);
            expectBracket(x, BigCubeRoot(x, "0.0001"), 3);
        }
        // A perfect square and cube, and one less: roots exact and just below.
        const std::string k = randomDecimal(gen, digits / 3, 0);
        const std::string square = BigMultiply(k, k);
        const std::string cube = BigMultiply(square, k);
        EXPECT_EQ(BigSquareRoot(square, "0.0001"), k);
        EXPECT_EQ(BigCubeRoot(cube, "0.0001"), k);
        EXPECT_EQ(BigCubeRoot("-" + cube, "0.0001"), "-" + k);
        const std::string below = BigSubtract(k, "0.00000001");
        EXPECT_EQ(BigSquareRoot(BigSubtract(square, "1"), "0.0001"), below);
        EXPECT_EQ(BigCubeRoot(BigSubtract(cube, "1"), "0.0001"), below);
    }
    EXPECT_TRUE(fake.messages.empty());
}

std::string fnv1a64(const std::string& text)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return hex;
}

// Every row has the digit count, digit sum and hash; some the whole text.
TEST(FactorialVectors, ZeroToThreeThousandMatchTheReference)
{
    int full = 0;
    EXPECT_EQ(
        arith_test::expectTable("roots_factorial.txt",
                                [&](const Row& r) -> Row {
                                    const std::string got = BigFactorial(r[0]);
                                    unsigned long digitSum = 0;
                                    for (char c : got)
                                        digitSum += static_cast<unsigned long>(c - '0');
                                    Row out = {std::to_string(got.size()), std::to_string(digitSum), fnv1a64(got)};
                                    if (r.size() == 5) {
                                        out.push_back(got);
                                        ++full;
                                    }
                                    return out;
                                }),
        3001u);
    EXPECT_GT(full, 200);
}

}  // namespace
