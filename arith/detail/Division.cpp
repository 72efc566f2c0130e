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
#include "arith/detail/Division.h"

#include "arith/Cancel.h"
#include "arith/detail/LimbLoops.h"
#include "arith/detail/Multiplication.h"
#include "arith/detail/Polled.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace arith::detail {

namespace {

using u64 = std::uint64_t;
using i64 = std::int64_t;

// Knuth's algorithm D on a normalised divisor (v[n-1] >= 10^9 / 2):
// q[0 .. nu-n+1) and r[0 .. n) for u[0 .. nu), nu >= n >= 2, working in
// w[0 .. nu+1). The quotient may have a non-zero top limb.
void knuthIn(const Limb* u, std::size_t nu, const Limb* v, std::size_t n, Limb* q, Limb* r, Limb* w)
{
    ARITH_ASSERT(nu >= n && n >= 2 && v[n - 1] >= kBase / 2);
    std::copy(u, u + nu, w);
    w[nu] = 0;
    const u64 vTop = v[n - 1], vNext = v[n - 2];
    for (std::size_t j = nu - n + 1; j-- > 0;) {
        pollCancel();     // a quotient limb is n multiply-subtracts: the poll is noise
        Limb* x = w + j;  // the window x[0 .. n], below v * 10^9
        u64 num = u64(x[n]) * kBase + x[n - 1];
        u64 qhat = num / vTop;
        u64 rhat = num - qhat * vTop;
        while (qhat >= kBase || qhat * vNext > rhat * kBase + x[n - 2]) {
            --qhat;
            rhat += vTop;
            if (rhat >= kBase)
                break;
        }
        // x -= qhat * v. The products' high and low halves do not depend on
        // one another, so the only chain from limb to limb is the borrow
        // (0, 1 or 2), a compare and an add long.
        u64 prevHigh = 0;
        i64 borrow = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const u64 p = qhat * v[i];
            const u64 high = p / kBase;
            const i64 s = i64(x[i]) - i64(p - high * kBase) - i64(prevHigh) - borrow;  // > -2 * 10^9 - 1
            borrow = i64(s < 0) + i64(s < -i64(kBase));
            x[i] = Limb(s + borrow * i64(kBase));
            prevHigh = high;
        }
        i64 top = i64(x[n]) - i64(prevHigh) - borrow;
        if (top < 0) {
            // qhat was one too large: add v back (the carry cancels top).
            --qhat;
            Limb c = addInto(x, n, v, n);
            top += c;
        }
        x[n] = Limb(top);
        q[j] = Limb(qhat);
    }
    std::copy(w, w + n, r);
}

void knuth(const Limb* u, std::size_t nu, const Limb* v, std::size_t n, Limb* q, Limb* r)
{
    std::vector<Limb> w;
    resizePolled(w, nu + 1);
    knuthIn(u, nu, v, n, q, r, w.data());
}

// x[0 .. n) -= 1 (x > 0).
void decrement(Limb* x, std::size_t n)
{
    const Limb one = 1;
    subFrom(x, n, &one, 1);
}

// The limbs of working memory recDivRem takes for na limbs by n limbs: its
// own pieces and, after them, the larger of what its two halves take.
std::size_t recScratch(std::size_t na, std::size_t n)
{
    const std::size_t m = na - n;
    if (m < kDivRecursiveThreshold || n < 2)
        return na + 1;
    const std::size_t k = m / 2;
    const std::size_t own = (m - k + 1) + (n - k) + (n + k + 1) + (m + 1) + (k + 1) + (n - k) + (n + 1);
    return own + std::max(recScratch(na - 2 * k, n - k), recScratch(n, n - k));
}

// A[0 .. n+m) by the normalised B[0 .. n), m <= n: Q[0 .. m+1), R[0 .. n),
// in the working memory s of recScratch(na, n) limbs.
void recDivRem(const Limb* A, std::size_t na, const Limb* B, std::size_t n, Limb* Q, Limb* R, Limb* s)
{
    ARITH_ASSERT(na >= n && na - n <= n && B[n - 1] >= kBase / 2);
    const std::size_t m = na - n;
    if (m < kDivRecursiveThreshold || n < 2) {
        knuthIn(A, na, B, n, Q, R, s);
        return;
    }
    pollCancel();
    const std::size_t k = m / 2;
    const Limb* B0 = B;      // k limbs
    const Limb* B1 = B + k;  // n - k limbs, normalised like B
    auto take = [&s](std::size_t len) {
        Limb* p = s;
        s += len;
        return p;
    };
    Limb* Q1 = take(m - k + 1);
    Limb* R1 = take(n - k);
    Limb* Ap = take(n + k + 1);
    Limb* P = take(m + 1);
    Limb* Q0 = take(k + 1);
    Limb* R0 = take(n - k);
    Limb* App = take(n + 1);

    // Both products below are by B0: where they go to the transform, B0 is
    // transformed once for the two.
    std::optional<NttFactor> b0;
    if (takesTransform(m - k + 1, k))
        b0.emplace(B0, k, m - k + 1);
    auto timesB0 = [&](const Limb* x, std::size_t nx) {
        if (b0)
            b0->multiply(x, nx, P);
        else
            multiplyLimbs(x, nx, B0, k, P);
    };

    // (Q1, R1) = (A div X^2) divided by B1, X = 10^(9k).
    recDivRem(A + 2 * k, na - 2 * k, B1, n - k, Q1, R1, s);

    // A' = R1 * X^2 + (A mod X^2) - Q1 * B0 * X, in n + k + 1 limbs.
    std::copy(A, A + 2 * k, Ap);
    std::copy(R1, R1 + (n - k), Ap + 2 * k);
    Ap[n + k] = 0;
    timesB0(Q1, m - k + 1);
    Limb borrow = subFrom(Ap + k, n + 1, P, normLen(P, m + 1));
    while (borrow) {
        decrement(Q1, m - k + 1);
        borrow -= addInto(Ap + k, n + 1, B, n);
    }

    // (Q0, R0) = (A' div X) divided by B1.
    recDivRem(Ap + k, n, B1, n - k, Q0, R0, s);

    // A'' = R0 * X + (A' mod X) - Q0 * B0, in n + 1 limbs.
    std::copy(Ap, Ap + k, App);
    std::copy(R0, R0 + (n - k), App + k);
    App[n] = 0;
    timesB0(Q0, k + 1);
    borrow = subFrom(App, n + 1, P, normLen(P, 2 * k + 1));
    while (borrow) {
        decrement(Q0, k + 1);
        borrow -= addInto(App, n + 1, B, n);
    }

    std::copy(App, App + n, R);
    std::fill(Q, Q + m + 1, 0);
    std::copy(Q1, Q1 + (m - k + 1), Q + k);
    addInto(Q, m + 1, Q0, k + 1);
}

// The divideLimbs contract, checked in builds with assertions.
void checkContract([[maybe_unused]] const Limb* u, [[maybe_unused]] std::size_t nu, [[maybe_unused]] const Limb* v,
                   [[maybe_unused]] std::size_t nv, [[maybe_unused]] const Limb* q, [[maybe_unused]] const Limb* r)
{
    [[maybe_unused]] const std::size_t nq = nu - nv + 1;
    ARITH_ASSERT(nv >= 1 && nu >= nv && v[nv - 1] != 0);
    ARITH_ASSERT(disjoint(q, nq, u, nu) && disjoint(q, nq, v, nv));
    ARITH_ASSERT(disjoint(r, nv, u, nu) && disjoint(r, nv, v, nv) && disjoint(q, nq, r, nv));
}

// Runs a division method on the operands scaled by d (see the top): un has
// nu + 1 limbs and vn is normalised. The method writes the quotient of those
// (nu - nv + 2 limbs, the top one zero) and the scaled remainder.
using ScaledMethod = void (*)(const Limb* un, std::size_t nun, const Limb* vn, std::size_t nv, Limb* q, Limb* r);

void divideScaled(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r, ScaledMethod method)
{
    checkContract(u, nu, v, nv, q, r);
    if (nv == 1) {
        r[0] = divLimb(q, u, nu, v[0]);
        return;
    }
    const Limb d = kBase / (v[nv - 1] + 1);
    std::vector<Limb> un, vn, qq, rr;
    resizePolled(un, nu + 1);
    resizePolled(vn, nv);
    resizePolled(qq, nu - nv + 2);
    resizePolled(rr, nv);
    un[nu] = mulLimb(un.data(), u, nu, d);
    mulLimb(vn.data(), v, nv, d);  // no carry: v * d < 10^(9 nv)
    method(un.data(), nu + 1, vn.data(), nv, qq.data(), rr.data());
    ARITH_ASSERT(qq[nu - nv + 1] == 0);
    std::copy(qq.begin(), qq.begin() + (nu - nv + 1), q);
    divLimb(r, rr.data(), nv, d);
}

// The normalised B[0 .. n) into A[0 .. na) a block of quotient limbs at a
// time from the top, each block as long as the divisor (the first one the
// rest); the remainder of a block heads the next one's dividend, so every
// block quotient fits its length. The top n limbs of A are below B (A is a
// dividend scaled by d), so the quotient's top limb q[na - n] is zero.
void divideInBlocks(const Limb* A, std::size_t na, const Limb* B, std::size_t n, Limb* q, Limb* r)
{
    ARITH_ASSERT(cmpLimbs(A + na - n, n, B, n) < 0);
    const std::size_t total = na - n;  // quotient limbs below the zero top one
    q[total] = 0;
    std::size_t pos = total;  // quotient limbs still to find: q[0 .. pos)
    std::size_t first = total % n;
    if (first == 0)
        first = n;
    // Working memory for every block, sized once.
    std::vector<Limb> block, Qb, rem, scratch;
    resizePolled(block, 2 * n);
    resizePolled(Qb, n + 1);
    resizePolled(rem, n);
    resizePolled(scratch, std::max(recScratch(n + first, n), recScratch(2 * n, n)));
    bool started = false;
    while (pos > 0) {
        const std::size_t len = started ? n : first;
        pos -= len;
        // block = rem * X^len + A[pos .. pos + len), or the top n + len
        // limbs of A for the first block.
        if (!started)
            std::copy(A + pos, A + pos + len + n, block.begin());
        else {
            std::copy(A + pos, A + pos + len, block.begin());
            std::copy(rem.begin(), rem.end(), block.begin() + len);
        }
        recDivRem(block.data(), n + len, B, n, Qb.data(), rem.data(), scratch.data());
        std::copy(Qb.begin(), Qb.begin() + len, q + pos);
        started = true;
    }
    std::copy(rem.begin(), rem.end(), r);
}

}  // namespace

void divBasecase(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    divideScaled(u, nu, v, nv, q, r, knuth);
}

void divRecursive(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    divideScaled(u, nu, v, nv, q, r, divideInBlocks);
}

void divideLimbs(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    pollCancel();
    if (nv < kDivRecursiveThreshold || nu - nv + 1 < kDivRecursiveThreshold)
        divBasecase(u, nu, v, nv, q, r);
    else
        divRecursive(u, nu, v, nv, q, r);
}

}  // namespace arith::detail
