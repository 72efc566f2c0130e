// Comparisons and the text helpers.
#include "arith/BigArithmetic.h"

#include <gtest/gtest.h>

#include <string>

using arith::kFalse;
using arith::kTrue;

namespace {

struct CompareCase {
    const char* a;
    const char* b;
    arith::Boolean lt, le, gt, ge;
};

// Sign table and magnitudes: the "-" alone decides between a negative and a
// non-negative operand; equal magnitudes compare equal whatever the sign.
const CompareCase kCompare[] = {
    {"1", "2", kTrue, kTrue, kFalse, kFalse},
    {"2", "1", kFalse, kFalse, kTrue, kTrue},
    {"5", "5", kFalse, kTrue, kFalse, kTrue},
    {"-5", "-5", kFalse, kTrue, kFalse, kTrue},
    {"-5", "3", kTrue, kTrue, kFalse, kFalse},
    {"3", "-5", kFalse, kFalse, kTrue, kTrue},
    {"-5", "-3", kTrue, kTrue, kFalse, kFalse},
    {"-3", "-5", kFalse, kFalse, kTrue, kTrue},
    {"-0", "0", kTrue, kTrue, kFalse, kFalse},
    {"0", "-0", kFalse, kFalse, kTrue, kTrue},
    {"-0", "-0", kFalse, kTrue, kFalse, kTrue},
    {"2.50", "2.5", kFalse, kTrue, kFalse, kTrue},
    {".5", "0.5", kFalse, kTrue, kFalse, kTrue},
    {"007", "7", kFalse, kTrue, kFalse, kTrue},
    {"10", "9.999", kFalse, kFalse, kTrue, kTrue},
    {".001", ".0009", kFalse, kFalse, kTrue, kTrue},
    {"5.", "5", kFalse, kTrue, kFalse, kTrue},
    {"", "0", kFalse, kTrue, kFalse, kTrue},
    {"123456789123456789123456789", "123456789123456789123456790", kTrue, kTrue, kFalse, kFalse},
    {"-1.000000000000000000001", "-1", kTrue, kTrue, kFalse, kFalse},
};

}  // namespace

TEST(Comparisons, SignTableAndMagnitudes)
{
    for (const auto& c : kCompare) {
        struct {
            arith::Boolean (*f)(std::string&, std::string&);
            arith::Boolean want;
            const char* name;
        } ops[] = {{arith::BigLessThan, c.lt, "lt"},
                   {arith::BigLessOrEqual, c.le, "le"},
                   {arith::BigGreaterThan, c.gt, "gt"},
                   {arith::BigGreaterOrEqual, c.ge, "ge"}};
        for (const auto& op : ops) {
            std::string a = c.a;
            std::string b = c.b;
            EXPECT_EQ(op.f(a, b), op.want) << op.name << "(" << c.a << ", " << c.b << ")";
        }
    }
}

TEST(Comparisons, RemoveOneLeadingMinusFromBothCallersVariables)
{
    std::string x = "-3";
    std::string y = "-4.5";
    arith::BigLessThan(x, y);
    EXPECT_EQ(x, "3");
    EXPECT_EQ(y, "4.5");
    std::string p = "7";
    std::string q = "--2";
    arith::BigGreaterOrEqual(p, q);
    EXPECT_EQ(p, "7");
    EXPECT_EQ(q, "-2");
    // Nothing else of the text changes: no alignment, no stripping.
    std::string r = "-007.50";
    std::string s = "1";
    arith::BigGreaterThan(r, s);
    EXPECT_EQ(r, "007.50");
}

TEST(Comparisons, TextThatIsNotADecimalStringGivesAnAnswer)
{
    // Characters other than digits and the first point are skipped.
    const struct {
        const char* a;
        const char* b;
        arith::Boolean lt;
    } cases[] = {{"abc", "1", kTrue}, {"1.2.3", "1.23", kFalse}, {"1.2.3", "1.24", kTrue}, {"", "", kFalse},
                 {"-", "0", kTrue},   {"12x", "12", kFalse},     {"9", "1e5", kTrue}};
    for (const auto& c : cases) {
        std::string a = c.a;
        std::string b = c.b;
        EXPECT_EQ(arith::BigLessThan(a, b), c.lt) << c.a << " < " << c.b;
    }
}

TEST(TextHelpers, Absolute)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"-5", "5"}, {"5", "5"}, {"-.5", ".5"}, {"--5", "-5"}, {"", ""}, {"-", ""}, {"-0", "0"}};
    for (const auto& c : cases)
        EXPECT_EQ(arith::BigAbsolute(c.in), c.out) << c.in;
    std::string keep = "-9";
    arith::BigAbsolute(keep);
    EXPECT_EQ(keep, "-9");
}

TEST(TextHelpers, AlignDecimals)
{
    const struct {
        const char* a;
        const char* b;
        const char* outA;
        const char* outB;
        std::int64_t frac;
    } cases[] = {
        {"12.5", "3.25", "1250", "0325", 2},
        {"7", ".125", "7000", "0125", 3},
        {"1", "1", "1", "1", 0},
        {"5.", "2", "5", "2", 0},
        {"", "12.34", "0000", "1234", 2},
        {"", "", "", "", 0},
        {"999", ".0001", "9990000", "0000001", 4},
        {"0.10", "100", "00010", "10000", 2},
    };
    for (const auto& c : cases) {
        std::string a = c.a;
        std::string b = c.b;
        EXPECT_EQ(arith::AlignDecimals(a, b), c.frac) << c.a << " , " << c.b;
        EXPECT_EQ(a, c.outA) << c.a << " , " << c.b;
        EXPECT_EQ(b, c.outB) << c.a << " , " << c.b;
    }
}

TEST(TextHelpers, AlignDecimalsCountsFromTheFirstPointAndLongFractions)
{
    // Two points: counted from the first, both removed (text is kept as is).
    std::string a = "1.2.3";
    std::string b = "1";
    EXPECT_EQ(arith::AlignDecimals(a, b), 3);
    EXPECT_EQ(a, "0123");
    EXPECT_EQ(b, "1000");
    // No 16-bit counter: 40,000 fraction digits.
    std::string c = "." + std::string(40000, '1');
    std::string d = "2";
    EXPECT_EQ(arith::AlignDecimals(c, d), 40000);
    EXPECT_EQ(c.size(), 40001u);
    EXPECT_EQ(d.size(), 40001u);
    EXPECT_EQ(c.substr(0, 2), "01");
    EXPECT_EQ(d.substr(0, 2), "20");
}

TEST(TextHelpers, StripLeadingZeros)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"0", "0"},     {"00", "0"},    {"000", "0"}, {"0.5", ".5"}, {"00.50", ".50"},
                 {"-05", "-05"}, {"", ""},       {"007", "7"}, {"100", "100"}, {"0.", "."},
                 {"abc", "abc"}, {"00a1", "a1"}};
    for (const auto& c : cases)
        EXPECT_EQ(arith::StripLeadingZeros(c.in), c.out) << c.in;
}

TEST(TextHelpers, StripTrailingZeros)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"12.500", "12.5"}, {"12.000", "12"}, {"0.000", "0"}, {".000", ""}, {"5.", "5"},
                 {"100", "1"},       {"1.05", "1.05"}, {"", ""},       {"000", ""}, {"-1.50", "-1.5"}};
    for (const auto& c : cases)
        EXPECT_EQ(arith::StripTrailingZeros(c.in), c.out) << c.in;
}

TEST(TextHelpers, IntegerPart)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"42", "42"}, {".5", ""}, {"-.5", "-"}, {"-12.5", "-12"}, {"1.2.3", "1"}, {"", ""}, {"7.", "7"}};
    for (const auto& c : cases)
        EXPECT_EQ(arith::IntegerPart(c.in), c.out) << c.in;
}
