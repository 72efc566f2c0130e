// Integer square and cube roots (see IntRoot.h).
//
// Square root. SqrtRem of Zimmermann's paper: for a = a3 B^3 + a2 B^2 +
// a1 B + a0 with 0 <= a2, a1, a0 < B (B a power of the limb base) and
// a3 >= B / 4,
//   (s', r') = SqrtRem(a3 B + a2)
//   (q, u)   = DivRem(r' B + a1, 2 s')
//   s = s' B + q,  r = u B + a0 - q^2
//   if r < 0: r = r + 2 s - 1, s = s - 1
// gives s = floor(sqrt(a)) and r = a - s^2. Here a has 2n limbs, the top one
// at least 10^9 / 4, B = base^l with l = floor(n / 2), and a3 B + a2 is the
// top 2(n - l) limbs, normalised like a. Any whole number is brought to that
// form by a factor d^2 (1 <= d < 10^9) chosen so that it gets an even number
// of limbs with the top one at least 10^9 / 4; then floor(sqrt(a d^2)) / d,
// truncated, is floor(sqrt(a)), as floor(floor(y) / d) = floor(y / d).
//
// Cube root. With c = cbrt(N), r = floor(c) and a root of at least m limbs,
// take h = floor((m - 2) / 2) limbs and the top T = floor(N / base^(3h)).
// An approximation y of floor(cbrt(T)) with floor(cbrt(T)) <= y <= that + 3
// gives x0 = (y + 1) base^h in (c, c + 4 base^h], and one Newton step
//   x1 = x0 - (x0^3 - N) / (3 x0^2) = (2 x0 + N / x0^2) / 3
// is at least c by the mean inequality, and exceeds c by at most
// (x0 - c)^2 / x0 <= 16 base^(2h) / c <= 16 / 10^9, since
// c >= base^(m - 1) >= base^(2h + 1). The step needs (y + 1)^2, (y + 1)^3
// and a division whose quotient has only about h limbs (cbrtNear); the top
// is found the same way, down to roots of three limbs or fewer, which
// Newton's iteration takes from a floating-point start. One cube at the end
// (and additions) makes the result exact.
#include "arith/detail/IntRoot.h"

#include "arith/Cancel.h"
#include "arith/detail/LimbOps.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace arith::detail {

namespace {

using u64 = std::uint64_t;

const Limbs kOne{1};

// a * base^k.
Limbs shiftLimbs(const Limbs& a, std::size_t k)
{
    if (a.empty())
        return {};
    Limbs r(k, 0);
    r.insert(r.end(), a.begin(), a.end());
    return r;
}

// floor(a / base^k).
Limbs dropLimbs(const Limbs& a, std::size_t k)
{
    if (k >= a.size())
        return {};
    return Limbs(a.begin() + static_cast<std::ptrdiff_t>(k), a.end());
}

// p[from .. to) as a trimmed number.
Limbs slice(const Limb* p, std::size_t from, std::size_t to)
{
    Limbs r(p + from, p + to);
    trimLimbs(r);
    return r;
}

Limbs small(u64 v)
{
    Limbs r;
    while (v != 0) {
        r.push_back(static_cast<Limb>(v % kBase));
        v /= kBase;
    }
    return r;
}

Limbs times(const Limbs& a, u64 m) { return multiplyLimbVectors(a, small(m)); }

Limbs quotientOf(const Limbs& a, const Limbs& b)
{
    Limbs q;
    Limbs r;
    divModLimbs(a, b, q, r);
    return q;
}

// ---- square root ----------------------------------------------------------

u64 isqrt64(u64 v)
{
    u64 x = static_cast<u64>(std::sqrt(static_cast<double>(v)));
    while (x > 0 && x * x > v)
        --x;
    while ((x + 1) * (x + 1) <= v)
        ++x;
    return x;
}

// a[0 .. 2n), a[2n - 1] >= 10^9 / 4: s = floor(sqrt(a)), r = a - s^2.
void sqrtRem(const Limb* a, std::size_t n, Limbs& s, Limbs& r)
{
    pollCancel();
    if (n == 1) {
        const u64 v = static_cast<u64>(a[1]) * kBase + a[0];
        const u64 x = isqrt64(v);
        s = small(x);
        r = small(v - x * x);
        return;
    }
    const std::size_t l = n / 2;
    const std::size_t h = n - l;
    Limbs s1;
    Limbs r1;
    sqrtRem(a + 2 * l, h, s1, r1);

    // (q, u) = DivRem(r' B + a1, 2 s')
    Limbs num = slice(a, l, 2 * l);
    if (!r1.empty()) {
        num.resize(l, 0);
        num.insert(num.end(), r1.begin(), r1.end());
    }
    Limbs q;
    Limbs u;
    divModLimbs(num, addLimbs(s1, s1), q, u);

    s = addLimbs(shiftLimbs(s1, l), q);
    // t = u B + a0
    Limbs t = slice(a, 0, l);
    if (!u.empty()) {
        t.resize(l, 0);
        t.insert(t.end(), u.begin(), u.end());
    }
    const Limbs q2 = multiplyLimbVectors(q, q);
    if (compareLimbs(t, q2) >= 0) {
        r = subtractLimbs(t, q2);
    } else {
        // r + 2 s - 1 with the s before the step down.
        r = subtractLimbs(addLimbs(t, addLimbs(s, s)), addLimbs(q2, kOne));
        s = subtractLimbs(s, kOne);
    }
}

// ---- cube root -------------------------------------------------------------

// The value of v as a long double (relative error far below 10^-15).
long double approximate(const Limbs& v)
{
    long double x = 0;
    for (std::size_t i = v.size(); i-- > 0;)
        x = x * kBase + v[i];
    return x;
}

// One Newton step from x > 0: floor((2 x + floor(n / x^2)) / 3), never below
// floor(cbrt(n)).
Limbs newtonStep(const Limbs& n, const Limbs& x)
{
    const Limbs q = quotientOf(n, multiplyLimbVectors(x, x));
    Limbs r;
    Limbs rem;
    divModLimbs(addLimbs(addLimbs(x, x), q), small(3), r, rem);
    return r;
}

// floor(cbrt(n)) for n > 0 of at most nine limbs: Newton's iteration from a
// floating-point start. After one step the iterates are at least the root;
// above it they fall strictly, and from the root the step does not fall.
Limbs cbrtSmall(const Limbs& n)
{
    long double est = std::cbrt(approximate(n)) * (1.0L + 1e-15L) + 2.0L;
    Limbs x;
    while (est >= 1.0L) {
        const long double limb = std::fmod(est, static_cast<long double>(kBase));
        x.push_back(static_cast<Limb>(limb));
        est = std::floor(est / kBase);
    }
    trimLimbs(x);
    if (x.empty())
        x = kOne;
    x = newtonStep(n, x);
    if (x.empty())
        return x;
    for (;;) {
        pollCancel();
        Limbs next = newtonStep(n, x);
        if (compareLimbs(next, x) >= 0)
            return x;
        x = std::move(next);
    }
}

// floor(u / v) or one more, for v > 0: a quotient of k limbs is taken from
// the top k + 2 limbs of the divisor and the matching top of the dividend.
// With u = U1 B + u0, v = V1 B + v0 and U1 = q1 V1 + r1, u - (q1 + 1) v < 0
// and u - (q1 - 1) v > 0 (as q1 < base^k <= V1), so floor(u / v) is q1 or
// q1 - 1.
Limbs quotientNear(const Limbs& u, const Limbs& v)
{
    if (u.size() < v.size())
        return {};
    const std::size_t k = u.size() - v.size() + 1;
    if (v.size() <= k + 4)
        return quotientOf(u, v);
    const std::size_t cut = v.size() - (k + 2);
    return quotientOf(dropLimbs(u, cut), dropLimbs(v, cut));
}

// y with r <= y <= r + 3 for r = floor(cbrt(n)), n > 0. The step of the
// note at the top is taken as x1 = x0 - floor(E / (3 x0^2)) with the excess
// E = x0^3 - n > 0: the quotient has only about h limbs, and
// floor(floor(E / base^(2h)) / (3 (y + 1)^2)) found from the top limbs
// (quotientNear) is at most two below it. So x1 is at least the exact step
// (at least r) and at most two above it (at most r + 3); the error of the
// exact step is then at most 16 base^(2h) / c <= 16 / 10^9.
Limbs cbrtNear(const Limbs& n)
{
    pollCancel();
    const std::size_t m = (n.size() - 1) / 3 + 1;  // the root has at least m limbs
    if (m <= 3)
        return cbrtSmall(n);
    const std::size_t h = (m - 2) / 2;
    const Limbs z = addLimbs(cbrtNear(dropLimbs(n, 3 * h)), kOne);
    const Limbs z2 = multiplyLimbVectors(z, z);
    const Limbs x0 = shiftLimbs(z, h);
    const Limbs cube = shiftLimbs(multiplyLimbVectors(z2, z), 3 * h);
    if (compareLimbs(cube, n) <= 0)
        return x0;  // not reached: x0 is above the root
    const Limbs excess = dropLimbs(subtractLimbs(cube, n), 2 * h);
    Limbs step = quotientNear(excess, times(z2, 3));
    if (!step.empty())
        step = subtractLimbs(step, kOne);
    return subtractLimbs(x0, step);
}

}  // namespace

Limbs sqrtFloor(const Limbs& n)
{
    if (n.empty())
        return {};
    // Bring n to 2k limbs with the top one at least 10^9 / 4 by d^2.
    const std::size_t limbs = n.size() + (n.size() % 2);
    const double top = n.back() + (n.size() >= 2 ? n[n.size() - 2] / 1e9 : 0.0);
    const double g = top / 1e9 / (n.size() % 2 == 1 ? 1e9 : 1.0);  // n / base^limbs, in (0, 1)
    u64 d = g >= 0.25 ? 1 : static_cast<u64>(std::ceil(std::sqrt(0.25 / g)));
    Limbs a;
    for (;;) {
        a = times(n, d * d);
        if (a.size() > limbs) {
            --d;
        } else if (a.size() < limbs || a.back() < kBase / 4) {
            ++d;
        } else {
            break;
        }
    }
    Limbs s;
    Limbs r;
    sqrtRem(a.data(), limbs / 2, s, r);
    if (d == 1)
        return s;
    Limbs root;
    divModLimbs(s, small(d), root, r);
    return root;
}

Limbs cbrtFloor(const Limbs& n)
{
    if (n.empty())
        return {};
    Limbs y = cbrtNear(n);
    pollCancel();
    // Exact: step to the one y with y^3 <= n < (y + 1)^3, keeping y^2 and
    // y^3 up to date by additions.
    Limbs y2 = multiplyLimbVectors(y, y);
    Limbs y3 = multiplyLimbVectors(y2, y);
    while (compareLimbs(y3, n) > 0) {
        pollCancel();
        // (y - 1)^3 = y^3 - 3 y^2 + 3 y - 1, (y - 1)^2 = y^2 - 2 y + 1
        y3 = subtractLimbs(addLimbs(y3, times(y, 3)), addLimbs(times(y2, 3), kOne));
        y2 = subtractLimbs(addLimbs(y2, kOne), addLimbs(y, y));
        y = subtractLimbs(y, kOne);
    }
    for (;;) {
        pollCancel();
        // (y + 1)^3 = y^3 + 3 y^2 + 3 y + 1
        Limbs next3 = addLimbs(addLimbs(y3, times(y2, 3)), addLimbs(times(y, 3), kOne));
        if (compareLimbs(next3, n) > 0)
            return y;
        y2 = addLimbs(addLimbs(y2, addLimbs(y, y)), kOne);
        y3 = std::move(next3);
        y = addLimbs(y, kOne);
    }
}

}  // namespace arith::detail
