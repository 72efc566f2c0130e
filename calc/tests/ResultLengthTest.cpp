// The length estimates that refuse long results before any work: never
// below the length the arithmetic produces, and close to it.
#include "calc/ResultLength.h"
#include "calc/tests/Harness.h"

#include <random>

namespace calc::test {
namespace {

std::size_t Length(const std::string& result)
{
    const DigitCounts c = CountDigits(result);
    return c.whole + c.fraction;
}

// Operands of the given whole and fraction digit counts, random digits.
// The last digit is 1, 3, 7 or 9, so that no product ends in zeros and
// hardly any quotient ends before its last place: the lengths are those
// the estimates count.
std::string Operand(std::mt19937& rng, std::size_t whole, std::size_t fraction, bool negative)
{
    std::string s = negative ? "-" : "";
    for (std::size_t i = 0; i < whole; ++i)
        s += static_cast<char>('0' + (i == 0 ? 1 + rng() % 9 : rng() % 10));
    if (fraction > 0) {
        s += '.';
        for (std::size_t i = 0; i < fraction; ++i)
            s += static_cast<char>('0' + rng() % 10);
    }
    if (whole + fraction > 0)
        s.back() = "1379"[rng() % 4];
    return s;
}

// Slack allowed above the real length: a product or quotient may lose a
// carry digit and trailing zeros. Sums (which can cancel) and remainders
// are only bounded from above.
struct Slack {
    const char* op;
    std::size_t above;
};
constexpr std::size_t kNoCheck = std::size_t{1} << 40;

TEST(ResultLength, RandomOperandsNeverAboveTheEstimate)
{
    std::mt19937 rng(18);
    for (const Slack s :
         {Slack{"+", kNoCheck}, Slack{"-", kNoCheck}, Slack{"X", 3}, Slack{"/", 4}, Slack{"mod", kNoCheck}}) {
        for (int i = 0; i < 300; ++i) {
            const std::size_t aw = rng() % 40, af = rng() % 30 + (aw == 0 ? 1 : 0), bw = rng() % 20;
            const std::size_t bf = rng() % 15 + (bw == 0 ? 1 : 0);
            const std::string a = Operand(rng, aw, af, rng() % 2 == 0);
            const std::string b = Operand(rng, bw, bf, rng() % 2 == 0);
            const double estimate = OperationDigits(s.op, a, b);
            const std::string result = ApplyOperator(s.op, a, b);
            const std::size_t real = Length(result);
            EXPECT_GE(estimate, static_cast<double>(real)) << a << " " << s.op << " " << b;
            // A quotient that ends before its last place (5 / 3 does not,
            // 6 / 3 does) is shorter than any estimate from lengths.
            const bool ended = std::string(s.op) == "/" && CountDigits(result).fraction < 2 * af + 10;
            if (!ended) {
                EXPECT_LE(estimate, static_cast<double>(real + s.above)) << a << " " << s.op << " " << b;
            }
        }
    }
}

TEST(ResultLength, EdgeOperands)
{
    struct Row {
        const char* op;
        std::string a, b;
    };
    const std::vector<Row> rows = {{"/", "1", "3"},
                                   {"/", "1", "99999999999"},
                                   {"/", "1", "123456789012345"},
                                   {"/", "0.1", "3"},
                                   {"/", "-10", "4"},
                                   {"/", "1.5", "0.05"},
                                   {"/", "0", "7"},
                                   {"/", "5.", "0.000001"},
                                   {"^", "2", "64"},
                                   {"^", "7", "-3"},
                                   {"^", "2", "-1"},
                                   {"^", "123456789", "-1"},
                                   {"^", "1.5", "-7"},
                                   {"^", "-3", "21"},
                                   {"^", "0.01", "9"},
                                   {"^", "10", "100"},
                                   {"^", "99", "0"},
                                   {"^", "1", "-5"},
                                   {"^", "12345678901234567890", "1"},
                                   {"+", "999", "1"},
                                   {"-", "-999", "1"},
                                   {"+", ".5", ".5"},
                                   {"X", "", "5"},
                                   {"mod", "17", "5"},
                                   {"mod", "123456789", "0.5"},
                                   {"X", "12a4", "1.2.3"}};
    for (const Row& r : rows) {
        const std::size_t real = Length(ApplyOperator(r.op, r.a, r.b));
        EXPECT_GE(OperationDigits(r.op, r.a, r.b), static_cast<double>(real)) << r.a << " " << r.op << " " << r.b;
    }
}

// Columns of the factorial vectors: n, readout of n!.
TEST(ResultLength, FactorialWithinTwoDigits)
{
    for (const Lines& r : ReadVectors("factorial_vectors.txt")) {
        const std::size_t real = Length(r[1]);
        EXPECT_GE(FactorialDigits(r[0]), static_cast<double>(real)) << r[0];
        EXPECT_LE(FactorialDigits(r[0]), static_cast<double>(real + 2)) << r[0];
    }
    // 1,000,000! has 5,565,709 digits.
    EXPECT_GE(FactorialDigits("1000000"), 5565709.0);
    EXPECT_LE(FactorialDigits("1000000"), 5565711.0);
}

TEST(ResultLength, ReadoutDigitsCountsAllButSeparators)
{
    for (const auto& [text, n] : std::vector<std::pair<std::string, std::size_t>>{
             {"", 0}, {"-1,234.5", 5}, {"0.", 1}, {"1x2", 3}, {"--5", 1}, {"1.2.3", 3}})
        EXPECT_EQ(ReadoutDigits(text), n) << text;
}

}  // namespace
}  // namespace calc::test
