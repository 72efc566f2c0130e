// divideLimbs: long division for short divisors or short quotients, and the
// recursive division (Brent and Zimmermann's RecursiveDivRem, a form of
// Burnikel-Ziegler) above kDivRecursiveThreshold quotient limbs, where its
// products run on the fast multiplication. The cut-off was chosen with the
// Crossover/Div benchmarks of arith/bench/scale_bench.cpp: one recursive
// split already beats the long division from about 48 quotient limbs, and
// leaves of 32 to 60 limbs came out within the measuring noise of each other
// at large sizes.
//
// Both methods first scale dividend and divisor by d = floor(10^9 / (top
// divisor limb + 1)), which makes the top divisor limb at least 10^9 / 2
// without changing the quotient; the remainder is scaled back at the end.
#include "arith/detail/FastDivide.h"

#include "arith/Cancel.h"
#include "arith/detail/FastLimbOps.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace arith::detail {

using namespace fast;

namespace {

using u64 = std::uint64_t;
using i64 = std::int64_t;

// Knuth's algorithm D on a normalised divisor (v[n-1] >= 10^9 / 2):
// q[0 .. nu-n+1) and r[0 .. n) for u[0 .. nu), nu >= n >= 2. The quotient
// may have a non-zero top limb.
void knuth(const Limb* u, std::size_t nu, const Limb* v, std::size_t n, Limb* q, Limb* r)
{
    std::vector<Limb> w(u, u + nu);
    w.push_back(0);
    const u64 vTop = v[n - 1], vNext = v[n - 2];
    for (std::size_t j = nu - n + 1; j-- > 0;) {
        Limb* x = w.data() + j;  // the window x[0 .. n], below v * 10^9
        u64 num = u64(x[n]) * kBase + x[n - 1];
        u64 qhat = num / vTop;
        u64 rhat = num - qhat * vTop;
        while (qhat >= kBase || qhat * vNext > rhat * kBase + x[n - 2]) {
            --qhat;
            rhat += vTop;
            if (rhat >= kBase) break;
        }
        // x -= qhat * v
        u64 carry = 0;
        i64 borrow = 0;
        for (std::size_t i = 0; i < n; ++i) {
            u64 p = qhat * v[i] + carry;
            carry = p / kBase;
            i64 s = i64(x[i]) - i64(p - carry * kBase) - borrow;
            borrow = s < 0;
            x[i] = Limb(s + (borrow ? i64(kBase) : 0));
        }
        i64 top = i64(x[n]) - i64(carry) - borrow;
        if (top < 0) {
            // qhat was one too large: add v back (the carry cancels top).
            --qhat;
            Limb c = addInto(x, n, v, n);
            top += c;
        }
        x[n] = Limb(top);
        q[j] = Limb(qhat);
    }
    std::copy(w.begin(), w.begin() + n, r);
}

// x[0 .. n) -= 1 (x > 0).
void decrement(Limb* x, std::size_t n)
{
    const Limb one = 1;
    subFrom(x, n, &one, 1);
}

// A[0 .. n+m) by the normalised B[0 .. n), m <= n: Q[0 .. m+1), R[0 .. n).
void recDivRem(const Limb* A, std::size_t na, const Limb* B, std::size_t n, Limb* Q, Limb* R)
{
    const std::size_t m = na - n;
    if (m < kDivRecursiveThreshold || n < 2) {
        knuth(A, na, B, n, Q, R);
        return;
    }
    const std::size_t k = m / 2;
    const Limb* B0 = B;      // k limbs
    const Limb* B1 = B + k;  // n - k limbs, normalised like B

    // (Q1, R1) = (A div X^2) divided by B1, X = 10^(9k).
    std::vector<Limb> Q1(m - k + 1), R1(n - k);
    recDivRem(A + 2 * k, na - 2 * k, B1, n - k, Q1.data(), R1.data());

    // A' = R1 * X^2 + (A mod X^2) - Q1 * B0 * X, in n + k + 1 limbs.
    std::vector<Limb> Ap(n + k + 1, 0);
    std::copy(A, A + 2 * k, Ap.begin());
    std::copy(R1.begin(), R1.end(), Ap.begin() + 2 * k);
    std::vector<Limb> P(Q1.size() + k);
    multiplyLimbs(Q1.data(), Q1.size(), B0, k, P.data());
    Limb borrow = subFrom(Ap.data() + k, n + 1, P.data(), normLen(P.data(), P.size()));
    while (borrow) {
        decrement(Q1.data(), Q1.size());
        borrow -= addInto(Ap.data() + k, n + 1, B, n);
    }

    // (Q0, R0) = (A' div X) divided by B1.
    std::vector<Limb> Q0(k + 1), R0(n - k);
    recDivRem(Ap.data() + k, n, B1, n - k, Q0.data(), R0.data());

    // A'' = R0 * X + (A' mod X) - Q0 * B0, in n + 1 limbs.
    std::vector<Limb> App(n + 1, 0);
    std::copy(Ap.begin(), Ap.begin() + k, App.begin());
    std::copy(R0.begin(), R0.end(), App.begin() + k);
    P.assign(Q0.size() + k, 0);
    multiplyLimbs(Q0.data(), Q0.size(), B0, k, P.data());
    borrow = subFrom(App.data(), n + 1, P.data(), normLen(P.data(), P.size()));
    while (borrow) {
        decrement(Q0.data(), Q0.size());
        borrow -= addInto(App.data(), n + 1, B, n);
    }

    std::copy(App.begin(), App.begin() + n, R);
    std::fill(Q, Q + m + 1, 0);
    std::copy(Q1.begin(), Q1.end(), Q + k);
    addInto(Q, m + 1, Q0.data(), Q0.size());
}

// Scales u and v by d as described at the top; returns d.
Limb normalise(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, std::vector<Limb>& un,
               std::vector<Limb>& vn)
{
    const Limb d = kBase / (v[nv - 1] + 1);
    un.resize(nu + 1);
    un[nu] = mulLimb(un.data(), u, nu, d);
    vn.resize(nv);
    mulLimb(vn.data(), v, nv, d);  // no carry: v * d < 10^(9 nv)
    return d;
}

void divideByLimb(const Limb* u, std::size_t nu, Limb v, Limb* q, Limb* r)
{
    r[0] = divLimb(q, u, nu, v);
}

}  // namespace

void divBasecase(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    if (nv == 1) {
        divideByLimb(u, nu, v[0], q, r);
        return;
    }
    std::vector<Limb> un, vn;
    const Limb d = normalise(u, nu, v, nv, un, vn);
    // un has nu + 1 limbs, so the quotient comes out with one extra (zero) limb.
    std::vector<Limb> qq(nu - nv + 2), rr(nv);
    knuth(un.data(), un.size(), vn.data(), nv, qq.data(), rr.data());
    std::copy(qq.begin(), qq.begin() + (nu - nv + 1), q);
    divLimb(r, rr.data(), nv, d);
}

void divRecursive(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    if (nv == 1) {
        divideByLimb(u, nu, v[0], q, r);
        return;
    }
    std::vector<Limb> un, vn;
    const Limb d = normalise(u, nu, v, nv, un, vn);
    const std::size_t n = nv;
    const std::size_t total = nu - nv + 1;  // quotient limbs; un = total + n limbs

    // Blocks of quotient limbs from the top: the first takes total mod n (or
    // n), every later one n. The dividend below each block's window is below
    // X^len * vn, so every block quotient fits in its len limbs.
    std::size_t pos = total;  // quotient limbs still to find: q[0 .. pos)
    std::size_t first = total % n;
    if (first == 0) first = n;
    std::vector<Limb> A(2 * n), Qb(n + 1), rem(n, 0);
    bool started = false;
    while (pos > 0) {
        const std::size_t len = started ? n : first;
        pos -= len;
        // A = rem * X^len + un[pos .. pos + len), or the top n + len limbs
        // of un for the first block.
        if (!started) std::copy(un.begin() + pos, un.begin() + pos + len + n, A.begin());
        else {
            std::copy(un.begin() + pos, un.begin() + pos + len, A.begin());
            std::copy(rem.begin(), rem.end(), A.begin() + len);
        }
        recDivRem(A.data(), n + len, vn.data(), n, Qb.data(), rem.data());
        std::copy(Qb.begin(), Qb.begin() + len, q + pos);
        started = true;
    }
    divLimb(r, rem.data(), n, d);
}

void divideLimbs(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    pollCancel();
    if (nv < kDivRecursiveThreshold || nu - nv + 1 < kDivRecursiveThreshold) divBasecase(u, nu, v, nv, q, r);
    else divRecursive(u, nu, v, nv, q, r);
}

}  // namespace arith::detail
