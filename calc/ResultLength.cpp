#include "calc/ResultLength.h"

#include "arith/BigArithmetic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace calc {

namespace {

constexpr double kDivisionPrecision = 10;

double asDouble(std::size_t n) { return static_cast<double>(n); }

// Characters of the operand without its sign and leading zeros, as the
// division's precision rule counts them (the point included).
std::size_t divisionLength(std::string_view s)
{
    if (!s.empty() && s.front() == '-')
        s.remove_prefix(1);
    const std::size_t first = s.find_first_not_of('0');
    return first == std::string_view::npos ? 0 : s.size() - first;
}

// The place of the first significant digit: n for a number of n whole
// digits without leading zeros (530.4 is 3), minus the zeros after the
// point for a value below one (0.0052 is -2, 0.52 is 0). Zero: 0.
long long order(std::string_view s)
{
    const std::size_t point = std::min(s.find('.'), s.size());
    long long whole = 0;
    for (std::size_t i = 0; i < point; ++i) {
        if ((s[i] >= '1' && s[i] <= '9') || (whole > 0 && s[i] == '0'))
            ++whole;
    }
    if (whole > 0)
        return whole;
    long long zeros = 0;
    for (std::size_t i = point; i < s.size(); ++i) {
        if (s[i] >= '1' && s[i] <= '9')
            return -zeros;
        zeros += s[i] == '0';
    }
    return 0;
}

}  // namespace

DigitCounts CountDigits(std::string_view s)
{
    DigitCounts c;
    const std::size_t point = s.find('.');
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            ++(i < point ? c.whole : c.fraction);
    }
    return c;
}

double SumDigits(std::string_view a, std::string_view b)
{
    const DigitCounts x = CountDigits(a);
    const DigitCounts y = CountDigits(b);
    return asDouble(std::max(x.whole, y.whole) + 1 + std::max(x.fraction, y.fraction));
}

double ProductDigits(std::string_view a, std::string_view b)
{
    const DigitCounts x = CountDigits(a);
    const DigitCounts y = CountDigits(b);
    return asDouble(x.whole + x.fraction + y.whole + y.fraction);
}

double QuotientDigits(std::string_view a, std::string_view b)
{
    // |a / b| < 10^(order(a) - order(b) + 1).
    const long long whole = std::max(0LL, order(a) - order(b) + 1);
    const DigitCounts x = CountDigits(a);
    // The precision rises to the divisor's length + 1 when the dividend
    // and 10 places are shorter than the divisor.
    const std::size_t divisor = divisionLength(b);
    const double precision = divisionLength(a) + 10 < divisor ? asDouble(divisor + 1) : kDivisionPrecision;
    return static_cast<double>(whole) + 2 * asDouble(x.fraction) + precision;
}

double RemainderDigits(std::string_view a, std::string_view b)
{
    // Below b and no longer than a's whole part; a divisor below one leaves
    // a's whole part as it is.
    const std::size_t whole = CountDigits(a).whole;
    const std::size_t limit = order(b) > 0 ? std::min(whole, CountDigits(b).whole) : whole;
    return asDouble(std::max<std::size_t>(1, limit));
}

double PowerDigits(const std::string& a, const std::string& b)
{
    // The arithmetic's estimate of log10 |a^n| is below the digit count by
    // less than one. It is 0 where the power needs no work (an exponent of
    // 0 or 1, a base of 0 or 1): the power is then no longer than a.
    const double estimate = arith::BigPowerDigits(a, b);
    const DigitCounts base = CountDigits(a);
    const double digits = estimate > 0 ? estimate + 1 : asDouble(std::max<std::size_t>(1, base.whole + base.fraction));
    if (b.empty() || b.front() != '-')
        return digits;
    // 1 / a^n: whole digits up to the power's fraction digits + 1, places
    // as the division by a divisor of that length gives.
    const double fraction = base.fraction == 0 ? 0 : digits;
    return fraction + 2 + std::max(kDivisionPrecision, digits + 2);
}

double FactorialDigits(std::string_view n)
{
    double v = 0;
    for (char c : n) {
        if (c >= '0' && c <= '9')
            v = v * 10 + (c - '0');
    }
    if (v < 2)
        return 1;
    // Stirling: log10 n! = n log10(n / e) + log10(2 pi n) / 2, within a
    // digit for every n.
    return std::floor(v * std::log10(v / std::numbers::e) + std::log10(2 * std::numbers::pi * v) / 2) + 2;
}

double OperationDigits(std::string_view op, const std::string& a, const std::string& b)
{
    if (op == "+" || op == "-")
        return SumDigits(a, b);
    if (op == "X" || op == "%")
        return ProductDigits(a, b);
    if (op == "/")
        return QuotientDigits(a, b);
    if (op == "mod")
        return RemainderDigits(a, b);
    if (op == "^")
        return PowerDigits(a, b);
    return 0;
}

std::size_t ReadoutDigits(std::string_view text)
{
    std::size_t n = 0;
    for (char c : text)
        n += c != ',' && c != '.' && c != '-';
    return n;
}

}  // namespace calc
