// Square and cube roots by Newton's iteration with every iterate cut to 8
// decimals, and the point shifts that make the cut.
//
// How the iteration is run. Each step is defined on decimal strings: a
// truncating BigDivide, an exact sum and product, and the cut to 8 decimals.
// Here the iterate is held as a whole number N = g * 10^8 (the cut makes it
// whole) and every step is done on limbs. The steps give the same numbers:
//
//   * the cut of (old + q) / 2 is floor((N + q * 10^8) / 2) in units of
//     10^-8, and since N is whole that equals floor((N + floor(q * 10^8)) / 2);
//   * q is x / old truncated to at least 10 places (BigDivide never gives
//     fewer than 2 * fa + 10 >= 10), so floor(q * 10^8) = floor(x * 10^8 / old)
//     whatever the exact number of places;
//   * the same holds for the cube root's (2 old + q) / 3 and its x / old^2,
//     so its division precision (0.6 of the square's length) shapes the
//     intermediate text but never the iterate.
//
// With x = X / 10^fx, the square-root step is therefore
//   N' = floor((N + floor(X * 10^(16 - fx) / N)) / 2)
// and the cube-root step
//   N' = floor((2 N + floor(X * 10^(24 - fx) / N^2)) / 3),
// and the stop test compares |N' - N| * 10^-8 with the tolerance exactly.
#include "arith/BigArithmetic.h"

#include "arith/Cancel.h"
#include "arith/detail/Decimal.h"
#include "arith/detail/LimbOps.h"
#include "arith/detail/Refuse.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace arith {

namespace {

using detail::Limb;
using detail::Limbs;

constexpr const char* kNotANumber = "Invalid input!   Not a number.";
constexpr const char* kNegativeRoot = "Invalid input!   Can't do root operations on Negative numbers";

using detail::refuse;

// ---- whole numbers on limbs ---------------------------------------------

Limbs powerOfTen(std::size_t k)
{
    return detail::shiftLeftDecimal(Limbs{1}, k);
}

// floor(a / d) for 0 < d < 10^9.
Limbs divideSmall(const Limbs& a, Limb d)
{
    Limbs q(a.size());
    std::uint64_t rem = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const std::uint64_t cur = rem * detail::kBase + a[i];
        q[i] = static_cast<Limb>(cur / d);
        rem = cur % d;
    }
    detail::trimLimbs(q);
    return q;
}

Limbs multiplySmall(const Limbs& a, Limb m)
{
    Limbs r(a.size() + 1);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::uint64_t cur = static_cast<std::uint64_t>(a[i]) * m + carry;
        r[i] = static_cast<Limb>(cur % detail::kBase);
        carry = cur / detail::kBase;
    }
    r[a.size()] = static_cast<Limb>(carry);
    detail::trimLimbs(r);
    return r;
}

// floor(a / 10^k).
Limbs shiftRightDecimal(const Limbs& a, std::size_t k)
{
    const std::size_t whole = k / detail::kLimbDigits;
    if (whole >= a.size())
        return {};
    Limbs r(a.begin() + static_cast<std::ptrdiff_t>(whole), a.end());
    static constexpr Limb kPow[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    const std::size_t rest = k % detail::kLimbDigits;
    return rest == 0 ? r : divideSmall(r, kPow[rest]);
}

// a * 10^(e) for e >= 0, floor(a * 10^e) for e < 0.
Limbs scaleByPowerOfTen(const Limbs& a, std::int64_t e)
{
    return e >= 0 ? detail::shiftLeftDecimal(a, static_cast<std::size_t>(e))
                  : shiftRightDecimal(a, static_cast<std::size_t>(-e));
}

// floor(u / v), v > 0. A quotient of k limbs is found from the top k + 2
// limbs of the divisor and the matching top of the dividend. With
// u = U1 B + u0, v = V1 B + v0 (B a power of the limb base, 0 <= u0, v0 < B)
// and U1 = q1 V1 + r1, 0 <= r1 < V1:
//   u - (q1 + 1) v = (r1 - V1) B + u0 - (q1 + 1) v0 < (r1 - V1 + 1) B <= 0;
//   u - (q1 - 1) v = (r1 + V1) B + u0 - q1 v0 + v0 > (V1 - q1) B > 0, as
//     q1 < base^k <= V1;
//   u - q1 v = r1 B + u0 - q1 v0,
// so floor(u / v) is q1 when r1 B + u0 >= q1 v0 (certainly when r1 >= q1)
// and q1 - 1 otherwise.
Limbs quotient(const Limbs& u, const Limbs& v)
{
    if (u.size() < v.size())
        return {};
    const std::size_t limbs = u.size() - v.size() + 1;
    Limbs q;
    Limbs r;
    if (v.size() <= limbs + 4) {
        detail::divModLimbs(u, v, q, r);
        return q;
    }
    const std::size_t cut = v.size() - (limbs + 2);
    const auto at = static_cast<std::ptrdiff_t>(cut);
    detail::divModLimbs(Limbs(u.begin() + at, u.end()), Limbs(v.begin() + at, v.end()), q, r);
    if (detail::compareLimbs(r, q) >= 0)
        return q;
    Limbs high(u.begin(), u.begin() + at);  // r1 B + u0
    high.insert(high.end(), r.begin(), r.end());
    detail::trimLimbs(high);
    Limbs v0(v.begin(), v.begin() + at);
    detail::trimLimbs(v0);
    if (detail::compareLimbs(high, detail::multiplyLimbVectors(q, v0)) >= 0)
        return q;
    return detail::subtractLimbs(q, Limbs{1});
}

Limbs absoluteDifference(const Limbs& a, const Limbs& b)
{
    return detail::compareLimbs(a, b) >= 0 ? detail::subtractLimbs(a, b) : detail::subtractLimbs(b, a);
}

// ---- operands ---------------------------------------------------------

// A well-formed operand as value = (negative ? -1 : 1) * mag * 10^-fraction.
struct Operand {
    bool negative = false;
    Limbs mag;
    std::int64_t fraction = 0;
};

bool readOperand(const std::string& text, Operand& out)
{
    if (!detail::isDecimalString(text))
        return false;
    const detail::DecimalParts parts = detail::parseDecimal(text);
    out.negative = parts.negative;
    out.mag = detail::digitsToLimbs(parts.digits);
    out.fraction = static_cast<std::int64_t>(parts.fraction);
    return true;
}

// The stop test: does the tolerance exceed D * 10^-scale? A tolerance of zero
// or below is never reached; the loops then end on a repeated iterate.
class Tolerance {
public:
    explicit Tolerance(const Operand& t) : positive_(!t.negative && !t.mag.empty()), mag_(t.mag), fraction_(t.fraction) {}

    bool exceeds(const Limbs& d, std::int64_t scale) const
    {
        if (!positive_)
            return false;
        return detail::compareLimbs(scaleByPowerOfTen(d, fraction_), scaleByPowerOfTen(mag_, scale)) < 0;
    }

private:
    bool positive_;
    Limbs mag_;
    std::int64_t fraction_;
};

// Brent's cycle test. The iterates are cut to 8 decimals, so once they stop
// shrinking they can only settle or go round a cycle; with a tolerance of
// 10^-8 or below (or none) the stop test may then never hold. A repeat ends
// the loop instead of running it for ever.
class RepeatWatch {
public:
    explicit RepeatWatch(const Limbs& start) : mark_(start) {}

    bool repeated(const Limbs& next)
    {
        if (next == mark_)
            return true;
        if (++steps_ == span_) {
            mark_ = next;
            span_ *= 2;
            steps_ = 0;
        }
        return false;
    }

private:
    Limbs mark_;
    std::uint64_t span_ = 1;
    std::uint64_t steps_ = 0;
};

// The text of N * 10^-8 as the cut leaves it ("<int>.<8 digits>", no zero
// before the point), then with trailing zeros and a bare point trimmed. A
// root that cuts to zero is "0".
std::string rootText(const Limbs& n)
{
    std::string digits = detail::limbsToDigits(n);
    if (digits.size() < 9)
        digits.insert(0, 9 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - 8);
    if (text == "0")
        text.clear();
    text += '.';
    text += digits.substr(digits.size() - 8);
    text = StripTrailingZeros(std::move(text));
    return text.empty() ? "0" : text;
}

// The cube-root iteration on X * 10^-fx > 0, starting from 1. Returns the
// final iterate in units of 10^-8.
Limbs cubeRootIteration(const Limbs& x, std::int64_t fx, const Tolerance& tolerance)
{
    // X * 10^(24 - fx): x * 10^8 over a square counted in units of 10^-16.
    const Limbs top = scaleByPowerOfTen(x, 24 - fx);
    Limbs n = powerOfTen(8);  // old = 1
    RepeatWatch watch(n);
    for (;;) {
        pollCancel();
        // While N^2 clearly exceeds the dividend the quotient is 0 and the
        // square need not be formed: N >= 10^(9 (len - 1)).
        Limbs q;
        if (2 * (n.size() - 1) < top.size())
            q = quotient(top, detail::multiplyLimbVectors(n, n));
        Limbs next = divideSmall(detail::addLimbs(multiplySmall(n, 2), q), 3);
        if (tolerance.exceeds(absoluteDifference(next, n), 8))
            return next;
        if (next.empty())
            return next;  // the next step would divide by zero
        if (watch.repeated(next))
            return detail::compareLimbs(next, n) < 0 ? next : n;
        n = std::move(next);
    }
}

}  // namespace

// ---- point shifts and the cut ----------------------------------------------

std::string ShiftPointRight(std::string s, int n)
{
    if (n < 0)
        return ShiftPointLeft(std::move(s), n == INT_MIN ? INT_MAX : -n);
    const std::size_t point = s.find('.');
    const std::size_t i = point == std::string::npos ? s.size() : point;
    std::string t;
    t.reserve(s.size() + static_cast<std::size_t>(n));
    for (char c : s)
        if (c != '.')
            t += c;
    t.append(static_cast<std::size_t>(n), '0');
    const std::size_t k = i + static_cast<std::size_t>(n);
    std::string result = t.substr(0, k);
    result += '.';
    result.append(t, k, std::string::npos);
    return StripTrailingZeros(std::move(result));
}

std::string ShiftPointLeft(std::string s, int n)
{
    if (n < 0)
        return ShiftPointRight(std::move(s), n == INT_MIN ? INT_MAX : -n);
    const std::size_t point = s.find('.');
    const std::size_t i = point == std::string::npos ? s.size() : point;
    std::string t(static_cast<std::size_t>(n), '0');
    t.reserve(s.size() + static_cast<std::size_t>(n));
    for (char c : s)
        if (c != '.')
            t += c;
    std::string result = t.substr(0, i);
    result += '.';
    result.append(t, i, std::string::npos);
    return StripLeadingZeros(std::move(result));
}

std::string TruncateTo8(std::string g)
{
    return ShiftPointLeft(IntegerPart(ShiftPointRight(std::move(g), 8)), 8);
}

// ---- roots -----------------------------------------------------------------

namespace {

// Reads both roots' operands. Answers the root at once where there is
// nothing to iterate: "" for the empty text of an earlier division by zero
// and for refused text (with its message), "0" for zero.
std::optional<std::string> readRootOperands(const std::string& x, const std::string& tolerance, Operand& xv,
                                            Operand& tv)
{
    if (x.empty())
        return "";
    if (!readOperand(x, xv) || !readOperand(tolerance, tv)) {
        refuse(kNotANumber);
        return "";
    }
    if (xv.mag.empty())
        return "0";
    return std::nullopt;
}

}  // namespace

std::string BigSquareRoot(const std::string& x, const std::string& tolerance)
{
    Operand xv;
    Operand tv;
    if (std::optional<std::string> early = readRootOperands(x, tolerance, xv, tv))
        return *early;
    if (xv.negative) {
        refuse(kNegativeRoot);
        return "";
    }
    const Tolerance tol(tv);
    const Limbs& big = xv.mag;
    const std::int64_t fx = xv.fraction;

    // First step from old = x: x / x is exactly 1, so new = cut((x + 1) / 2).
    Limbs n = divideSmall(scaleByPowerOfTen(detail::addLimbs(big, powerOfTen(static_cast<std::size_t>(fx))), 8 - fx), 2);
    {
        const std::int64_t s = std::max<std::int64_t>(8, fx);
        const Limbs d = absoluteDifference(scaleByPowerOfTen(n, s - 8), scaleByPowerOfTen(big, s - fx));
        if (tol.exceeds(d, s))
            return rootText(n);
    }

    // X * 10^(16 - fx): x * 10^8 over a guess counted in units of 10^-8.
    const Limbs top = scaleByPowerOfTen(big, 16 - fx);
    RepeatWatch watch(n);
    for (;;) {
        pollCancel();
        Limbs next = divideSmall(detail::addLimbs(n, quotient(top, n)), 2);
        if (tol.exceeds(absoluteDifference(next, n), 8) || next.empty())
            return rootText(next);
        if (watch.repeated(next))
            return rootText(detail::compareLimbs(next, n) < 0 ? next : n);
        n = std::move(next);
    }
}

std::string BigCubeRoot(const std::string& x, const std::string& tolerance)
{
    Operand xv;
    Operand tv;
    if (std::optional<std::string> early = readRootOperands(x, tolerance, xv, tv))
        return *early;
    const Tolerance tol(tv);
    const std::string sign = xv.negative ? "-" : "";

    // x >= 1: the iteration as it stands.
    if (detail::compareLimbs(xv.mag, powerOfTen(static_cast<std::size_t>(xv.fraction))) >= 0)
        return sign + rootText(cubeRootIteration(xv.mag, xv.fraction, tol));

    // 0 < x < 1: started from 1, the steps shrink by a third while the guess
    // is far above the root and stop on a step below the tolerance, well away
    // from the root of a small x. The root is taken of x * 1000^k >= 1
    // instead and moved k places back, then cut to 8 decimals.
    std::int64_t k = 0;
    const std::int64_t digits = static_cast<std::int64_t>(detail::limbsToDigits(xv.mag).size());
    if (xv.fraction > digits)
        k = (xv.fraction - digits) / 3;
    while (detail::compareLimbs(scaleByPowerOfTen(xv.mag, 3 * k), powerOfTen(static_cast<std::size_t>(xv.fraction))) < 0) {
        pollCancel();
        ++k;
    }
    const std::int64_t fx = xv.fraction - 3 * k;
    const Limbs scaled = fx >= 0 ? xv.mag : scaleByPowerOfTen(xv.mag, -fx);
    const Limbs root = cubeRootIteration(scaled, std::max<std::int64_t>(fx, 0), tol);
    const std::string text = rootText(shiftRightDecimal(root, static_cast<std::size_t>(k)));
    return text == "0" ? text : sign + text;
}

}  // namespace arith
