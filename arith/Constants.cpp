// Pi (a base-10000 spigot, computed once and kept) and e (a series of paired
// terms) in decimal-string arithmetic, and the logarithm to a base, truncated
// with every shown digit right (fixed point with bounds on limbs, see below).
#include "arith/BigArithmetic.h"

#include "arith/Cancel.h"
#include "arith/detail/Decimal.h"
#include "arith/detail/LimbOps.h"
#include "arith/detail/Refuse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace arith {

namespace {

constexpr const char* kNotANumber = "Invalid input!   Not a number.";
constexpr const char* kNegativeLog = "Invalid input!   Can't do log operations on Negative numbers";
constexpr const char* kBadBase = "Invalid input!   The base of a logarithm must be greater than 1";

using detail::refuse;

// The whole part of a / b for non-negative a and b > 0. IntegerPart of a
// quotient below one is the empty text; it is read as 0 here.
std::string floorDivide(const std::string& a, const std::string& b)
{
    std::string whole = IntegerPart(BigDivide(a, b, 10));
    return whole.empty() ? "0" : whole;
}

bool greaterThan(std::string a, std::string b) { return BigGreaterThan(a, b) != kFalse; }

// The result, written once under the lock and never changed afterwards.
std::mutex piMutex;
std::string piCache;
int piComputations = 0;

std::string computePi()
{
    std::array<std::string, 86> slot;
    for (int i = 84; i >= 0; --i)
        slot[static_cast<std::size_t>(i)] = "2000";
    std::string carry = "0";
    std::string k = "84";
    std::string text;
    while (greaterThan(k, "0")) {
        pollCancel();
        std::string d = "0";
        std::string i = k;
        for (;;) {
            std::string& s = slot[static_cast<std::size_t>(std::stoi(i))];
            d = BigAdd(d, BigMultiply(s, "10000"));
            const std::string g = BigSubtract(BigMultiply("2", i), "1");
            s = BigModulo(d, g);
            d = floorDivide(d, g);
            i = BigSubtract(i, "1");
            if (i == "0")
                break;
            d = BigMultiply(d, i);
        }
        std::string group = IntegerPart(BigAdd(BigDivide(d, "10000", 10), carry));
        if (group.size() < 4)
            group.insert(0, 4 - group.size(), '0');
        text += group;
        carry = BigModulo(d, "10000");
        k = BigSubtract(k, "14");
    }
    return text.substr(0, 1) + "." + text.substr(1);
}

}  // namespace

namespace detail {
// How often pi has been worked out in this process (for the tests).
int piComputationCount()
{
    std::lock_guard<std::mutex> lock(piMutex);
    return piComputations;
}
}  // namespace detail

std::string BigPi()
{
    // Held while computing: a second caller waits for the first result
    // instead of computing it again.
    std::lock_guard<std::mutex> lock(piMutex);
    if (piCache.empty()) {
        piCache = computePi();
        ++piComputations;
    }
    return piCache;
}

std::string BigE()
{
    std::string sum = "2";
    std::string previous = "0";
    std::string n = "0";
    std::string f = "1";
    while (greaterThan(BigSubtract(sum, previous), "0.00000000000000000000000000001")) {
        pollCancel();
        previous = sum;
        n = BigAdd(n, "1");
        const std::string twoN = BigMultiply("2", n);
        const std::string twoNPlusOne = BigAdd("1", twoN);
        f = BigMultiply(BigMultiply(f, twoN), twoNPlusOne);
        sum = BigAdd(BigDivide(BigAdd(twoN, "2"), f, 35), sum);
    }
    return sum.substr(0, 33);
}

// ---- the logarithm ---------------------------------------------------------
//
// log_base(x) = ln(x) / ln(base), worked out in fixed point with bounds: every
// quantity is a pair lo <= value * 10^W <= hi of whole numbers. ln of a value
// v = m * 10^E (1 <= m < 10) is E ln 10 + ln m, with m read from the first K
// significant digits of v (the digits after them only raise it, by less than
// one unit of the K-th digit), and ln m = j ln 2 + 2 atanh((m - 2^j) /
// (m + 2^j)) for the j (0 to 3) that brings m / 2^j nearest 1, so that the
// series of atanh gains a factor of at least 34 a term. ln 2 = 2 atanh(1/3),
// ln 10 = 3 ln 2 + 2 atanh(1/9).
//
// The result is |log| truncated to D decimals, D chosen so that the text has
// 22 characters: floor(|log| * 10^D) is decided once both bounds give it.
// When they do not, W and K are doubled. That ends: the logarithm of a
// rational x to base 10 is irrational unless x is a power of ten (answered at
// once), so it lies strictly between the multiples of 10^-D and the bounds
// close in on it. For another base the logarithm can be rational (log_4 8 =
// 1.5); a bound that will not leave a multiple c of 10^-D is then tested
// exactly: log_b x = p / q in lowest terms exactly when x^q = b^p, and that
// needs q <= log2 of b's numerator or denominator (b is a q-th power).
namespace {

constexpr const char* kZeroLog = "Invalid input!   Can't do log operations on zero";
constexpr std::size_t kLogCharacters = 22;

using detail::Limbs;

// ---- signed whole numbers on limbs ----

struct Int {
    bool negative = false;
    Limbs mag;  // trimmed; zero is never negative
};

Int make(Limbs mag, bool negative = false)
{
    Int r{negative && !mag.empty(), std::move(mag)};
    return r;
}

Int fromSmall(std::uint64_t v, bool negative = false)
{
    Limbs m;
    while (v != 0) {
        m.push_back(static_cast<detail::Limb>(v % detail::kBase));
        v /= detail::kBase;
    }
    return make(std::move(m), negative);
}

Int negate(Int a)
{
    a.negative = !a.negative && !a.mag.empty();
    return a;
}

Int add(const Int& a, const Int& b)
{
    if (a.negative == b.negative)
        return make(detail::addLimbs(a.mag, b.mag), a.negative);
    if (detail::compareLimbs(a.mag, b.mag) >= 0)
        return make(detail::subtractLimbs(a.mag, b.mag), a.negative);
    return make(detail::subtractLimbs(b.mag, a.mag), b.negative);
}

Int mul(const Int& a, const Int& b)
{
    return make(detail::multiplyLimbVectors(a.mag, b.mag), a.negative != b.negative);
}

int compare(const Int& a, const Int& b)
{
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    const int c = detail::compareLimbs(a.mag, b.mag);
    return a.negative ? -c : c;
}

// floor(a / d) (up = false) or ceil(a / d) (up = true), d > 0.
Int divide(const Int& a, const Limbs& d, bool up)
{
    Limbs q;
    Limbs r;
    detail::divModLimbs(a.mag, d, q, r);
    // Truncation toward zero; one more in magnitude where it rounds the
    // wrong way.
    if (!r.empty() && up != a.negative)
        q = detail::addLimbs(q, Limbs{1});
    return make(std::move(q), a.negative);
}

Limbs powerOfTen(std::size_t k) { return detail::shiftLeftDecimal(Limbs{1}, k); }

// ---- bounds ----

struct Bounds {
    Int lo, hi;
};

Bounds add(const Bounds& a, const Bounds& b) { return {add(a.lo, b.lo), add(a.hi, b.hi)}; }

Bounds scale(const Bounds& a, std::int64_t k)
{
    const Int f = fromSmall(static_cast<std::uint64_t>(k < 0 ? -k : k), k < 0);
    Int x = mul(a.lo, f);
    Int y = mul(a.hi, f);
    if (k < 0)
        std::swap(x, y);
    return {std::move(x), std::move(y)};
}

// 10^W * atanh(u / v) for whole u, v with 0 <= 3u <= v (see the note above
// on the errors: every step rounds down, so the sum is a lower bound, and it
// is below the value by less than 3 per term plus 3).
Bounds atanhOf(const Limbs& u, const Limbs& v, const Limbs& one)
{
    Limbs t;
    Limbs rest;
    detail::divModLimbs(detail::multiplyLimbVectors(u, one), v, t, rest);
    Limbs t2;
    detail::divModLimbs(detail::multiplyLimbVectors(t, t), one, t2, rest);
    Limbs sum;
    Limbs power = t;
    std::uint64_t terms = 0;
    for (std::uint64_t k = 1; !power.empty(); k += 2) {
        pollCancel();
        Limbs term;
        detail::divModLimbs(power, Limbs{static_cast<detail::Limb>(k)}, term, rest);
        sum = detail::addLimbs(sum, term);
        detail::divModLimbs(detail::multiplyLimbVectors(power, t2), one, power, rest);
        ++terms;
    }
    Int lo = make(sum);
    Int hi = add(lo, fromSmall(4 * terms + 4));
    return {std::move(lo), std::move(hi)};
}

// ln 2 and ln 10 at one working precision.
struct Constants {
    std::size_t w;
    Limbs one;  // 10^W
    Bounds ln2, ln10;
};

Constants constantsAt(std::size_t w)
{
    Constants c{w, powerOfTen(w), {}, {}};
    c.ln2 = scale(atanhOf(Limbs{1}, Limbs{3}, c.one), 2);
    c.ln10 = add(scale(c.ln2, 3), scale(atanhOf(Limbs{1}, Limbs{9}, c.one), 2));
    return c;
}

// ln(M / 10^(digits - 1)) for a whole M of `digits` digits, or for
// M = 10^digits (the value 10).
Bounds lnMantissa(const Limbs& m, std::size_t digits, const Constants& c)
{
    const Limbs unit = powerOfTen(digits - 1);
    // j with m / 2^j nearest 1 (its logarithm's base-2 rounding), from the
    // leading digits; any j from 0 to 3 gives a valid, if slower, series.
    const std::string all = detail::limbsToDigits(m);
    const std::string lead = all.substr(0, 6);
    const double approx =
        std::stod(lead) * std::pow(10.0, static_cast<double>(all.size()) - static_cast<double>(lead.size()) -
                                             static_cast<double>(digits - 1));
    const std::int64_t j = std::clamp<std::int64_t>(std::llround(std::log2(approx)), 0, 3);
    const Limbs p = detail::multiplyLimbVectors(unit, Limbs{static_cast<detail::Limb>(1u << j)});
    const bool below = detail::compareLimbs(m, p) < 0;
    const Limbs u = below ? detail::subtractLimbs(p, m) : detail::subtractLimbs(m, p);
    Bounds a = atanhOf(u, detail::addLimbs(m, p), c.one);
    if (below)
        a = {negate(a.hi), negate(a.lo)};
    return add(scale(c.ln2, j), scale(a, 2));
}

// A positive decimal text read as m * 10^exponent, 1 <= m < 10: the text
// from its first to its last non-zero digit (a point may stand between).
struct Magnitude {
    std::int64_t exponent = 0;
    std::string_view significant;
    std::size_t digits = 0;  // in `significant`
};

// x must be a well-formed decimal string with a non-zero digit; it must
// outlive the result.
Magnitude magnitudeOf(std::string_view x)
{
    if (!x.empty() && x.front() == '-')
        x.remove_prefix(1);
    const std::size_t point = std::min(x.find('.'), x.size());
    const std::size_t first = x.find_first_not_of("0.");
    const std::size_t last = x.find_last_not_of("0.");
    Magnitude r;
    // The exponent of the first significant digit.
    r.exponent =
        first < point ? static_cast<std::int64_t>(point - first) - 1 : -static_cast<std::int64_t>(first - point);
    r.significant = x.substr(first, last + 1 - first);
    r.digits = r.significant.size() - (first < point && point < last ? 1 : 0);
    return r;
}

// The first k significant digits of v, padded with zeros.
std::string leadingDigits(const Magnitude& v, std::size_t k)
{
    std::string lead;
    lead.reserve(k);
    for (std::size_t i = 0; i < v.significant.size() && lead.size() < k; ++i)
        if (v.significant[i] != '.')
            lead += v.significant[i];
    lead.append(k - lead.size(), '0');
    return lead;
}

// 10^W ln(v) from the first k significant digits of v.
Bounds lnOf(const Magnitude& v, std::size_t k, const Constants& c)
{
    const bool exact = v.digits <= k;
    const Limbs m = detail::digitsToLimbs(leadingDigits(v, k));
    const Bounds low = lnMantissa(m, k, c);
    const Bounds high = exact ? low : lnMantissa(detail::addLimbs(m, Limbs{1}), k, c);
    const Bounds e = scale(c.ln10, v.exponent);
    return {add(e.lo, low.lo), add(e.hi, high.hi)};
}

// 10^W (a / b) for bounds a and b with b > 0 (b.lo > 0).
Bounds quotient(const Bounds& a, const Bounds& b, const Constants& c)
{
    const Int lo = mul(a.lo, make(c.one));
    const Int hi = mul(a.hi, make(c.one));
    return {divide(lo, lo.negative ? b.lo.mag : b.hi.mag, false), divide(hi, hi.negative ? b.hi.mag : b.lo.mag, true)};
}

// ---- exact logarithms for bases other than 10 ----

// v as n / 10^fraction with n whole.
struct Ratio {
    Limbs n;
    std::uint64_t fraction = 0;
};

Ratio ratioOf(const std::string& text)
{
    const detail::DecimalParts p = detail::parseDecimal(text);
    return {detail::digitsToLimbs(p.digits), p.fraction};
}

using u128 = unsigned __int128;
constexpr std::uint64_t kPrime = (std::uint64_t{1} << 61) - 1;

std::uint64_t mulMod(std::uint64_t a, std::uint64_t b) { return static_cast<std::uint64_t>(u128{a} * b % kPrime); }

std::uint64_t powMod(std::uint64_t a, u128 e)
{
    std::uint64_t r = 1;
    for (; e != 0; e >>= 1) {
        if (e & 1)
            r = mulMod(r, a);
        a = mulMod(a, a);
    }
    return r;
}

std::uint64_t limbsMod(const Limbs& v)
{
    std::uint64_t r = 0;
    for (std::size_t i = v.size(); i-- > 0;)
        r = static_cast<std::uint64_t>((u128{r} * detail::kBase + v[i]) % kPrime);
    return r;
}

Limbs powerOf(const Limbs& a, u128 e)
{
    Limbs r{1};
    Limbs s = a;
    for (;;) {
        pollCancel();
        if (e & 1)
            r = detail::multiplyLimbVectors(r, s);
        e >>= 1;
        if (e == 0)
            return r;
        s = detail::multiplyLimbVectors(s, s);
    }
}

// Is log_b x exactly (negative ? -1 : 1) * k / 10^d? x, b > 0, b > 1.
bool exactLog(const Ratio& x, const Ratio& b, u128 k, std::size_t d, bool negative)
{
    if (k == 0)
        return false;  // x = 1 is answered before
    // p / q in lowest terms; q divides 10^d.
    u128 p = k;
    u128 q = 1;
    for (std::size_t i = 0; i < d; ++i) {
        q *= 10;
        if (q > (u128{1} << 100))
            return false;
    }
    for (const unsigned f : {2u, 5u})
        while (p % f == 0 && q % f == 0) {
            p /= f;
            q /= f;
        }
    // b = r^q for a rational r other than 1: b's numerator or denominator is
    // at least 2^q.
    const double bDigits = static_cast<double>(detail::limbsToDigits(b.n).size());
    if (static_cast<double>(q) > 3.33 * std::max(bDigits, static_cast<double>(b.fraction)) + 2)
        return false;
    // x^q = b^(+-p), written without fractions:
    //   +: X^q 10^(fb p) = B^p 10^(fx q)      -: X^q B^p = 10^(fx q + fb p)
    const u128 fxq = q * x.fraction;
    const u128 fbp = p * b.fraction;
    const std::uint64_t ten = 10;
    const std::uint64_t xm = powMod(limbsMod(x.n), q);
    const std::uint64_t bm = powMod(limbsMod(b.n), p);
    if (negative ? mulMod(xm, bm) != powMod(ten, fxq + fbp)
                 : mulMod(xm, powMod(ten, fbp)) != mulMod(bm, powMod(ten, fxq)))
        return false;
    const Limbs xq = powerOf(x.n, q);
    const Limbs bp = powerOf(b.n, p);
    if (negative)
        return detail::multiplyLimbVectors(xq, bp) == powerOfTen(static_cast<std::size_t>(fxq + fbp));
    return detail::shiftLeftDecimal(xq, static_cast<std::size_t>(fbp)) ==
           detail::shiftLeftDecimal(bp, static_cast<std::size_t>(fxq));
}

// ---- the digits ----

// floor(a * 10^d / 10^W) for bounds a >= 0 when both bounds give it; with
// `strict` a bound may touch the next multiple (it is known never to be
// reached). Otherwise nothing, and `next` is the multiple the bounds reach.
std::optional<Limbs> decide(const Bounds& a, std::size_t d, const Constants& c, bool strict, Limbs& next)
{
    const Limbs unit = powerOfTen(c.w - d);
    Limbs k;
    Limbs rest;
    detail::divModLimbs(a.lo.negative ? Limbs{} : a.lo.mag, unit, k, rest);
    const Limbs k1 = detail::addLimbs(k, Limbs{1});
    const int cmp = detail::compareLimbs(a.hi.mag, detail::multiplyLimbVectors(k1, unit));
    if (cmp < 0 || (cmp == 0 && strict))
        return k;
    next = k1;
    return std::nullopt;
}

u128 toU128(const Limbs& v)
{
    u128 r = 0;
    for (std::size_t i = v.size(); i-- > 0;)
        r = r * detail::kBase + v[i];
    return r;
}

// The text of sign * k / 10^d, k having more than d digits or padded.
std::string fixedText(bool negative, const Limbs& k, std::size_t d, bool trim)
{
    std::string digits = detail::limbsToDigits(k);
    if (digits.size() < d + 1)
        digits.insert(0, d + 1 - digits.size(), '0');
    std::string text = negative ? "-" : "";
    text += digits.substr(0, digits.size() - d);
    if (d > 0) {
        std::string fraction = digits.substr(digits.size() - d);
        if (trim)
            fraction.erase(fraction.find_last_not_of('0') + 1);
        if (!fraction.empty())
            text += "." + fraction;
    }
    return text;
}

}  // namespace

std::string BigLog(const std::string& x, const std::string& base)
{
    if (x.empty())
        return "";  // the text of an earlier division by zero
    if (!detail::isDecimalString(x) || !detail::isDecimalString(base)) {
        refuse(kNotANumber);
        return "";
    }
    if (!greaterThan(base, "1") || base.front() == '-') {
        refuse(kBadBase);
        return "";
    }
    if (x.find_first_of("123456789") == std::string::npos) {
        refuse(kZeroLog);
        return "";
    }
    if (x.front() == '-') {
        refuse(kNegativeLog);
        return "";
    }
    const Magnitude xm = magnitudeOf(x);
    const Magnitude bm = magnitudeOf(base);
    const bool ten = bm.digits == 1 && bm.significant == "1" && bm.exponent == 1;
    if (xm.digits == 1 && xm.significant == "1" && (ten || xm.exponent == 0))
        return std::to_string(xm.exponent);  // a power of ten; log 1 = 0 to any base
    const bool negative = xm.exponent < 0;   // x < 1 (m >= 1, so x >= 1 exactly when E >= 0)

    std::size_t w = 48 + std::to_string(xm.exponent).size() + std::to_string(bm.exponent).size();
    for (;;) {
        pollCancel();
        const Constants c = constantsAt(w);
        const std::size_t k = w - 4;
        Bounds log;
        if (ten) {
            // log10 x = E + log10 m with 0 <= log10 m < 1.
            Bounds f = quotient(lnOf({0, xm.significant, xm.digits}, k, c), c.ln10, c);
            if (f.lo.negative)
                f.lo = Int{};
            if (compare(f.hi, make(c.one)) > 0)
                f.hi = make(c.one);
            const Int e = mul(fromSmall(static_cast<std::uint64_t>(negative ? -xm.exponent : xm.exponent), negative),
                              make(c.one));
            log = {add(e, f.lo), add(e, f.hi)};
        } else {
            const Bounds lb = lnOf(bm, k, c);
            if (lb.lo.negative || lb.lo.mag.empty()) {
                w *= 2;  // ln base not yet known to be positive
                continue;
            }
            log = quotient(lnOf(xm, k, c), lb, c);
        }
        // |log|, whose sign is known.
        Bounds a = negative ? Bounds{negate(log.hi), negate(log.lo)} : log;
        if (a.lo.negative)
            a.lo = Int{};
        if (a.hi.negative)
            a.hi = Int{};

        // The whole part, then as many decimals as fit.
        Limbs next;
        const std::optional<Limbs> whole = decide(a, 0, c, ten, next);
        std::size_t d = 0;
        std::optional<Limbs> digits;
        if (whole) {
            const std::size_t used = (negative ? 1 : 0) + detail::limbsToDigits(*whole).size() + 1;
            d = used < kLogCharacters ? kLogCharacters - used : 0;
            if (d > w - 8) {
                w *= 2;
                continue;
            }
            digits = d == 0 ? whole : decide(a, d, c, ten, next);
        }
        if (digits)
            return fixedText(negative, *digits, d, false);
        if (!ten && next.size() <= 3 && exactLog(ratioOf(x), ratioOf(base), toU128(next), d, negative))
            return fixedText(negative, next, d, true);
        w *= 2;
    }
}

}  // namespace arith
