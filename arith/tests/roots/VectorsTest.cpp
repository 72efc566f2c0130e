// Square and cube roots, logarithms and 0! .. 3000! against the tables
// written by tests/gen/gen_roots.py and gen_roots_factorial.py, and the
// roots against their steps spelled out with the public procedures.
#include "arith/BigArithmetic.h"
#include "arith/tests/TestSupport.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

using namespace arith;
using arith_test::Row;

namespace {

TEST(RootVectors, SquareRootsCubeRootsAndLogsMatchTheReference)
{
    platform::FakePlatform fake;
    const struct {
        const char* table;
        std::string (*fn)(const std::string&, const std::string&);
        std::size_t minRows;
    } tables[] = {{"roots_sqrt.txt", BigSquareRoot, 250}, {"roots_cbrt.txt", BigCubeRoot, 220},
                  {"roots_log.txt", BigLog, 150}};
    for (const auto& t : tables)
        EXPECT_GE(arith_test::expectTable(t.table, [&](const Row& r) -> Row { return {t.fn(r[0], r[1])}; }),
                  t.minRows);
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
    EXPECT_EQ(arith_test::expectTable("roots_factorial.txt", [&](const Row& r) -> Row {
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
    }), 3001u);
    EXPECT_GT(full, 200);
}

// The roots run on limbs; these loops spell the iteration out with BigDivide,
// BigMultiply, BigAdd and the cut, so the two must meet digit for digit.
std::string stepwiseRoot(bool cube, const std::string& x, const std::string& tolerance)
{
    std::string old = cube ? "1" : x;
    for (;;) {
        std::string next;
        if (cube) {
            const std::string sq = BigMultiply(old, old);
            int p = static_cast<int>(std::nearbyint(static_cast<double>(sq.size()) * 0.6));
            next = TruncateTo8(BigDivide(BigAdd(BigMultiply("2", old), BigDivide(x, sq, p)), "3", 10));
        } else {
            next = TruncateTo8(BigMultiply("0.5", BigAdd(old, BigDivide(x, old, 10))));
        }
        std::string d = BigAbsolute(BigSubtract(next, old)), t = tolerance;
        if (BigLessThan(d, t))
            return StripTrailingZeros(next);
        old = next;
    }
}

TEST(RootSteps, LimbIterationEqualsTheStepsOnText)
{
    for (const bool cube : {false, true}) {
        const auto rows = arith_test::readTable(cube ? "roots_cbrt.txt" : "roots_sqrt.txt");
        for (std::size_t i = 0; i < rows.size(); i += 5) {
            const std::string& x = rows[i][0];
            std::string lhs = x, one = "1";
            if (x.size() > (cube ? 60u : 80u) || (cube && BigLessThan(lhs, one)))
                continue;
            EXPECT_EQ((cube ? BigCubeRoot : BigSquareRoot)(x, rows[i][1]), stepwiseRoot(cube, x, rows[i][1])) << x;
        }
    }
}

}  // namespace
