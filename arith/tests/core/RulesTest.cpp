// The rules of the core procedures, one table row per case: results digit
// for digit, sign tables, normal form, in/out arguments, precision raising
// and write-back, and the messages (text, title, icon, buttons).
#include "arith/BigArithmetic.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::Icon;

// Message codes: "" none, D/M divide by zero titled Divide/Modulo,
// F fractional power, L power too large.
struct Row {
    const char* op;
    const char* a;
    const char* b;
    const char* want;
    const char* msg = "";
};

const std::string kTooLarge = "This power is too large to compute: its result would have more than 268,435,456 digits.";

std::string flags(std::string a, std::string b)
{
    std::string out;
    for (auto f : {arith::BigLessThan, arith::BigLessOrEqual, arith::BigGreaterThan, arith::BigGreaterOrEqual}) {
        std::string x = a, y = b;
        const arith::Boolean r = f(x, y);
        out += r == arith::kTrue ? '1' : r == arith::kFalse ? '0' : '?';
    }
    return out;
}

std::string run(const Row& r)
{
    const std::string op = r.op, a = r.a, b = r.b;
    if (op == "add")
        return arith::BigAdd(a, b);
    if (op == "sub")
        return arith::BigSubtract(a, b);
    if (op == "mul")
        return arith::BigMultiply(a, b);
    if (op == "div")
        return arith::BigDivide(a, b, 10);
    if (op == "mod")
        return arith::BigModulo(a, b);
    if (op == "pow")
        return arith::BigPower(a, b);
    if (op == "cmp")
        return flags(a, b);
    if (op == "abs")
        return arith::BigAbsolute(a);
    if (op == "lead")
        return arith::StripLeadingZeros(a);
    if (op == "trail")
        return arith::StripTrailingZeros(a);
    if (op == "int")
        return arith::IntegerPart(a);
    if (op == "align") {
        std::string x = a, y = b;
        const auto f = arith::AlignDecimals(x, y);
        return x + " " + y + " " + std::to_string(f);
    }
    return "unknown op " + op;
}

void expectMessage(const platform::FakePlatform& fake, const std::string& code, const std::string& where)
{
    if (code.empty()) {
        EXPECT_TRUE(fake.messages.empty()) << where;
        return;
    }
    ASSERT_EQ(fake.messages.size(), 1u) << where;
    const auto& m = fake.messages[0];
    EXPECT_EQ(m.buttons, platform::Buttons::OK) << where;
    if (code == "D" || code == "M") {
        EXPECT_EQ(m.text, "Error: Divide by Zero.") << where;
        EXPECT_EQ(m.title, code == "D" ? "Big Math(Divide)" : "Big Math(Modulo)") << where;
        EXPECT_EQ(m.icon, Icon::None) << where;
    } else {
        EXPECT_EQ(m.text, code == "F" ? "Fractional Powers are not supported!" : kTooLarge) << where;
        EXPECT_EQ(m.title, "Megatally") << where;
        EXPECT_EQ(m.icon, Icon::Exclamation) << where;
    }
}

void check(std::initializer_list<Row> rows)
{
    for (const Row& r : rows) {
        platform::FakePlatform fake;
        const std::string where = std::string(r.op) + "(" + r.a + ", " + r.b + ")";
        EXPECT_EQ(run(r), r.want) << where;
        expectMessage(fake, r.msg, where);
    }
}

}  // namespace

TEST(Comparisons, SignTableAndMagnitudes)  // flags: lt le gt ge
{
    check({{"cmp", "1", "2", "1100"},
           {"cmp", "2", "1", "0011"},
           {"cmp", "5", "5", "0101"},
           {"cmp", "-5", "-5", "0101"},
           {"cmp", "-5", "3", "1100"},
           {"cmp", "3", "-5", "0011"},
           {"cmp", "-5", "-3", "1100"},
           {"cmp", "-3", "-5", "0011"},
           {"cmp", "-0", "0", "1100"},
           {"cmp", "0", "-0", "0011"},
           {"cmp", "-0", "-0", "0101"},
           {"cmp", "2.50", "2.5", "0101"},
           {"cmp", ".5", "0.5", "0101"},
           {"cmp", "007", "7", "0101"},
           {"cmp", "10", "9.999", "0011"},
           {"cmp", ".001", ".0009", "0011"},
           {"cmp", "5.", "5", "0101"},
           {"cmp", "", "0", "0101"},
           {"cmp", "-1.0000000000000000001", "-1", "1100"},
           {"cmp", "123456789123456789123456789", "123456789123456789123456790", "1100"},
           // Not decimal strings: read by their digits and first point.
           {"cmp", "abc", "1", "1100"},
           {"cmp", "1.2.3", "1.23", "0101"},
           {"cmp", "9", "1e5", "1100"}});
}

TEST(Comparisons, RemoveOneLeadingMinusFromBothCallersVariables)
{
    std::string x = "-3", y = "-004.50", p = "7", q = "--2";
    arith::BigLessThan(x, y);
    arith::BigGreaterOrEqual(p, q);
    EXPECT_EQ(x + " " + y + " " + p + " " + q, "3 004.50 7 -2");
}

TEST(TextHelpers, AbsoluteAlignStripIntegerPart)
{
    check({{"abs", "-5", "", "5"},
           {"abs", "-.5", "", ".5"},
           {"abs", "--5", "", "-5"},
           {"abs", "7", "", "7"},
           {"abs", "", "", ""},
           {"align", "12.5", "3.25", "1250 0325 2"},
           {"align", "7", ".125", "7000 0125 3"},
           {"align", "5.", "2", "5 2 0"},
           {"align", "", "12.34", "0000 1234 2"},
           {"align", "0.10", "100", "00010 10000 2"},
           {"align", "1.2.3", "1", "0123 1000 3"},
           {"lead", "0", "", "0"},
           {"lead", "00", "", "0"},
           {"lead", "0.5", "", ".5"},
           {"lead", "00.50", "", ".50"},
           {"lead", "-05", "", "-05"},
           {"lead", "", "", ""},
           {"lead", "0.", "", "."},
           {"lead", "100", "", "100"},
           {"trail", "12.500", "", "12.5"},
           {"trail", "12.000", "", "12"},
           {"trail", "0.000", "", "0"},
           {"trail", ".000", "", ""},
           {"trail", "5.", "", "5"},
           {"trail", "100", "", "1"},
           {"trail", "", "", ""},
           {"int", "42", "", "42"},
           {"int", ".5", "", ""},
           {"int", "-.5", "", "-"},
           {"int", "-12.5", "", "-12"},
           {"int", "1.2.3", "", "1"}});
    // The caller's variable is not changed by BigAbsolute.
    std::string keep = "-9";
    arith::BigAbsolute(keep);
    EXPECT_EQ(keep, "-9");
}

TEST(AddSubtract, DigitsSignsAndNormalForm)
{
    check({{"add", "999", "1", "1000"},
           {"add", ".5", ".5", "1"},
           {"add", "0.25", "0.25", ".5"},
           {"add", "1.25", "2.75", "4"},
           {"add", "007", "3", "10"},
           {"add", "999999999", "1", "1000000000"},
           {"add", "100", "0.001", "100.001"},
           {"add", "-5", "3", "-2"},
           {"add", "5", "-3", "2"},
           {"add", "-5", "-3", "-8"},
           {"add", "5", "-5", "0"},
           {"add", "-0", "-0", "0"},
           {"add", "-2.5", "2.25", "-.25"},
           // Zero sums without integer digits are "0", not the empty string.
           {"add", ".0", ".0", "0"},
           {"add", "", "", "0"},
           {"add", ".", ".", "0"},
           {"sub", "3", "5", "-2"},
           {"sub", "5", "5", "0"},
           {"sub", "0", ".5", "-.5"},
           {"sub", "-5", "3", "-8"},
           {"sub", "5", "-3", "8"},
           {"sub", "-5", "-3", "-2"},
           {"sub", "-3", "-5", "2"},
           {"sub", "-5", "0", "-5"},
           {"sub", "0", "-5", "5"},
           {"sub", "10.5", "0.5", "10"},
           {"sub", "1000", ".001", "999.999"},
           {"sub", "1", "1000000000000000000000", "-999999999999999999999"},
           {"add", "abc", "5", "5"},
           {"add", "1.2.3", "1", "2.23"},
           {"add", "-", "2", "2"},
           {"sub", "x1y2", "2", "10"}});
}

TEST(Multiply, DigitsSignsAndPoint)
{
    check({{"mul", "12", "12", "144"},
           {"mul", "99", "99", "9801"},
           {"mul", "-3", "4", "-12"},
           {"mul", "3", "-4", "-12"},
           {"mul", "-3", "-4", "12"},
           {"mul", "-5", "0", "-0"},
           {"mul", "0", "-5", "-0"},
           {"mul", "-0", "-0", "0"},
           {"mul", "0", "7", "0"},
           {"mul", "0.5", "0.5", ".25"},
           {"mul", "2.5", "4", "10"},
           {"mul", "0.001", "0.001", ".000001"},
           {"mul", "1.50", "2", "3"},
           {"mul", "007", "006", "42"},
           {"mul", "5.", "2", "10"},
           {"mul", "999999999", "999999999", "999999998000000001"},
           // More places than product digits plus five: still exact.
           {"mul", "0.001", "0.0001", ".0000001"},
           {"mul", "-0.0000001", "0.0000001", "-.00000000000001"},
           {"mul", "", "5", "0"},
           {"mul", "5", "", "0"},
           {"mul", "-", "5", "-0"},
           {"mul", "1.2.3", "10", "12.3"}});
}

TEST(Divide, PlacesSignsAndZeroes)  // precision 10
{
    check({{"div", "1", "3", ".3333333333"},
           {"div", "2", "3", ".6666666666"},
           {"div", "10", "4", "2.5"},
           {"div", "1.5", "0.5", "3"},
           {"div", "-10", "4", "-2.5"},
           {"div", "-10", "-4", "2.5"},
           {"div", "0.1", "3", ".033333333333"},
           {"div", "1.50", "7", ".21428571428571"},
           {"div", "0", "7", "0"},
           {"div", "-0", "7", "0"},
           {"div", "0.0", "-7", "0"},
           {"div", "1", "99999999999", "0"},
           {"div", "-1", "99999999999", "-0"},
           // A dividend far below its divisor, and divisors below 0.1: exact truncated quotients.
           {"div", ".00000000000000000001", "12345678901234567890123456789",
            ".00000000000000000000000000000000000000000000000081"},
           {"div", "0.0000000001", "3", ".000000000033333333333333333333"},
           {"div", "1", ".05", "20"},
           {"div", "7", ".003", "2333.3333333333"},
           {"div", "5", "0", "", "D"},
           {"div", "5", "-000", "", "D"},
           {"div", "5", "0.00", "", "D"},
           {"div", "5", ".0", "", "D"},
           {"div", "5", "", "", "D"},
           {"div", "0", "0", "", "D"}});
}

TEST(Divide, PrecisionIsRaisedAndWrittenBack)
{
    const struct {
        const char *a, *b;
        int in;
        const char* want;
        int out;
    } rows[] = {{"1", "3", 0, ".3333333333", 10},
                {"1", "3", -5, ".3333333333", 10},
                {"1", "3", 12, ".333333333333", 12},
                {"22", "7", 35, "3.14285714285714285714285714285714285", 35},
                {"1", "123456789012345", 10, ".0000000000000081", 16},  // 1 + 10 < 15
                {"1", "99999999999", 10, "0", 10},                      // 1 + 10 not below 11
                {"0001", "0099999999999", 10, "0", 10},                 // lengths after leading zeros
                {"1", "9999999999.9", 10, ".0000000001", 13},           // the point counts
                {"0", "123456789012345", 3, "0", 3},                    // zero dividend: left alone
                {"5", "0", 3, "", 3}};                                  // zero divisor: left alone
    platform::FakePlatform fake;
    for (const auto& r : rows) {
        int precision = r.in;
        EXPECT_EQ(arith::BigDivide(r.a, r.b, precision), r.want) << r.a << " / " << r.b;
        EXPECT_EQ(precision, r.out) << r.a << " / " << r.b;
    }
}

TEST(Modulo, SignOfTheDividendAndZeroDivisors)
{
    check({{"mod", "7", "3", "1"},
           {"mod", "-7", "3", "-1"},
           {"mod", "7", "-3", "1"},
           {"mod", "-7", "-3", "-1"},
           {"mod", "7.9", "3", "1"},
           {"mod", "-6", "3", "-0"},
           {"mod", "10", "4", "2"},
           {"mod", "-10", "4", "-2"},
           {"mod", "2", "5", "2"},
           {"mod", "7", "3.9", "1"},
           {"mod", "-.5", "3", "-0"},
           {"mod", "10", "0", "", "M"},
           {"mod", "10", "-0", "", "M"},
           {"mod", "10", "000", "", "M"},
           // Passes the zero test, integer part zero: the division's message, a's integer part.
           {"mod", "7.5", "0.5", "7", "D"},
           {"mod", "-7.5", ".5", "-7", "D"},
           {"mod", "0012", "0.0", "12", "D"},
           {"mod", "-.5", ".5", "-0", "D"}});
}

TEST(Power, ResultsExponentsAndRefusals)
{
    check({{"pow", "2", "10", "1024"},
           {"pow", "7", "1", "7"},
           {"pow", "-2", "3", "-8"},
           {"pow", "-2", "4", "16"},
           {"pow", "-.5", "3", "-.125"},
           {"pow", "1.10", "2", "1.21"},
           {"pow", "-0", "3", "-0"},
           {"pow", "-0", "2", "0"},
           {"pow", "3", "002", "9"},
           {"pow", "0.1", "25", ".0000000000000000000000001"},
           {"pow", "007.50", "1", "007.50"},  // exponent 1: the base as written
           {"pow", "1", "123456789012345678901234567890", "1"},
           {"pow", "-1", "123456789012345678901234567891", "-1"},
           {"pow", "-1.000", "98765432109876543210", "1"},
           {"pow", "0.000", "1000000000000000000000000", "0"},
           {"pow", "12.5", "0", "1"},
           {"pow", "12.5", "-0", "1"},
           {"pow", "0", "0", "1"},
           {"pow", "5", "", "1"},
           {"pow", "2", "-1", ".5"},
           {"pow", "2", "-10", ".0009765625"},
           {"pow", "3", "-1", ".3333333333"},
           {"pow", "-2", "-3", "-.125"},
           {"pow", ".5", "-2", "4"},
           {"pow", "2", "-100", ".00000000000000000000000000000078"},  // 32 places: raised by the length test
           {"pow", "0", "-2", "", "D"},
           {"pow", "2", "2.5", "0", "F"},
           {"pow", "2", "3.0", "0", "F"},
           {"pow", "2", "3.", "0", "F"},
           {"pow", "2", ".5", "0", "F"},
           {"pow", "2", "-1.5", "0", "F"},
           {"pow", "2", "1.2.3", "0", "F"},
           {"pow", "2", "1000000000000", "0", "L"},
           {"pow", "2", "123456789012345678901234567890", "0", "L"},
           {"pow", "-7", "999999999999999999999999999999999999999", "0", "L"},
           {"pow", "1.5", "1100000000", "0", "L"},  // the fraction digits alone are too many
           {"pow", "1000000000", "200000000", "0", "L"},
           {"pow", "2", "-1000000000000", "0", "L"},
           {"pow", "10", "268435457", "0", "L"},
           {"pow", "-.5", "268435457", "0", "L"},
           {"pow", "abc", "2", "0"},
           {"pow", "3", "x2", "9"},
           {"pow", "3", "-", "1"}});
}

TEST(Power, SameAsRepeatedMultiplication)
{
    for (const char* base : {"1.5", "-3.25", "0.07", "123456789.987654321", "-.0001"}) {
        std::string product = base;
        for (int n = 2; n <= 25; ++n) {
            product = arith::BigMultiply(product, base);
            EXPECT_EQ(arith::BigPower(base, std::to_string(n)), product) << base << " ^ " << n;
        }
    }
}

TEST(LongOperands, NoSixteenBitLimits)
{
    const std::string third = "." + std::string(50000, '3'), twoThirds = "." + std::string(50000, '6');
    EXPECT_EQ(arith::BigAdd(third, twoThirds), "." + std::string(50000, '9'));
    EXPECT_EQ(arith::BigSubtract(twoThirds, third), third);
    EXPECT_EQ(arith::BigAdd(std::string(40000, '9'), "1"), "1" + std::string(40000, '0'));
    const std::string tiny = "." + std::string(39999, '0') + "5";
    EXPECT_EQ(arith::BigMultiply(tiny, tiny), "." + std::string(79998, '0') + "25");
    EXPECT_EQ(arith::BigDivide(std::string(30000, '9'), "9", 10), std::string(30000, '1'));
    int precision = 40000;
    EXPECT_EQ(arith::BigDivide("1", "3", precision), "." + std::string(40000, '3'));
    std::string c = "." + std::string(40000, '1'), d = "2";
    EXPECT_EQ(arith::AlignDecimals(c, d), 40000);
    EXPECT_EQ(c.size() + d.size(), 80002u);
    const std::string p = arith::BigPower("2", "100000");
    EXPECT_EQ(p.size(), 30103u);
    EXPECT_EQ(p.substr(0, 10) + p.substr(p.size() - 5), "999002093009376");
}
