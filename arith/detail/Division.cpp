// divideLimbs: long division for short divisors or short quotients, and the
// recursive division (Brent and Zimmermann's RecursiveDivRem, a form of
// Burnikel-Ziegler) above kDivRecursiveThreshold quotient limbs, where its
// products run on the fast multiplication. The cut-off was chosen with the
// Crossover/Div and Scale/Divide benchmarks of arith/bench/scale_bench.cpp
// on a 2-core AVX2 machine: the long division, its rows four lanes at a time
// in unsettled 64-bit columns, draws level with one recursive split near
// 512 quotient limbs; leaves of 150 to 600 limbs gave the division of ten
// thousand digits within a tenth of each other, 40 a fifth slower.
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
#include <atomic>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace arith::detail {

namespace {

using u64 = std::uint64_t;
using i64 = std::int64_t;

// Set by skewDivisionEstimatesForTests.
std::atomic<bool> skewEstimates{false};

constexpr i64 kColumnLimit = 9'000'000'000'000'000'000;  // |column| bound between settlings
constexpr i64 kSettledBound = 20'000'000'000;            // |column| bound just after one
constexpr u64 kColumnOffset = 9'100'000'000ull * kBase;  // makes any column non-negative

// floor(t / 10^9) for |t| <= kColumnLimit, without a branch on the sign.
inline i64 floorDiv(i64 t) { return i64((u64(t) + kColumnOffset) / kBase) - i64(kColumnOffset / kBase); }

// Each of w[from .. to) keeps its low nine digits and takes the high part of
// the one below; w[to] takes the last high part. The value is unchanged.
void settleSigned(i64* w, std::size_t from, std::size_t to)
{
    i64 high = 0;
    for (std::size_t k = from; k < to; ++k) {
        const i64 h = floorDiv(w[k]);
        w[k] = w[k] - h * i64(kBase) + high;
        high = h;
    }
    w[to] += high;
}

// x[0 .. n) as limbs below 10^9 and the signed carry out of the top, from
// signed digits held as d + bias in out (in place) or in w.
template <class Digit> i64 carrySigned(Limb* out, const Digit* d, std::size_t n, i64 bias)
{
    i64 c = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const i64 t = i64(d[k]) - bias + c;
        c = floorDiv(t);
        out[k] = Limb(t - c * i64(kBase));
    }
    return c;
}

// Knuth's algorithm D on a normalised divisor (v[n-1] >= 10^9 / 2), with the
// running remainder held in signed 64-bit columns that are settled only
// every few rows, as the basecase product does with its columns:
// q[0 .. nu-n+1) and r[0 .. n) for u[0 .. nu), nu >= n >= 2, working in the
// columns w[0 .. nu+1). The quotient may have a non-zero top limb.
//
// A quotient limb is estimated in double precision from the top two columns
// of the window and the next one, against the top three divisor limbs. The
// columns below are unsettled, but their carries move the estimate by less
// than 10^-7 and the rounding by less than 10^-6, so the floor of the
// estimate is the true quotient limb or one off either way. A limb one too
// large leaves the remainder in [-v, 0), one too small in [v, 2v); the next
// limb then makes up for it, so the limbs lie in [-10^9 - 1, 2 * 10^9 + 1]
// (they fit a signed 32-bit multiplier) and the final remainder in [-v, 2v),
// which one last step puts right.
void knuthIn(const Limb* u, std::size_t nu, const Limb* v, std::size_t n, Limb* q, Limb* r, i64* w)
{
    ARITH_ASSERT(nu >= n && n >= 2 && v[n - 1] >= kBase / 2);
    std::copy(u, u + nu, w);
    w[nu] = 0;
    const RowLoop row = rowLoop();
    const double vTop = double(v[n - 1]) * 1e9 + double(v[n - 2]) + (n > 2 ? double(v[n - 3]) * 1e-9 : 0.0);
    const double inv = 1.0 / vTop;
    const bool skew = skewEstimates.load(std::memory_order_relaxed);
    const i64 qBias = i64(kBase) + 1;  // q[j] holds the quotient limb + qBias until the end
    i64 load = kSettledBound;          // bound of the unsettled columns' magnitude
    for (std::size_t j = nu - n + 1; j-- > 0;) {
        pollCancel();  // a quotient limb is n multiply-subtracts: the poll is noise
        if (load > kColumnLimit - 2 * i64(kBase) * i64(kBase)) {
            settleSigned(w, j + 1, j + n);
            load = kSettledBound;
        }
        // Fold the window's top column into the one below. The two nearly
        // cancel (the window's value is below 2 * 10^18 in units of w[j+n-1]),
        // so the wrapping unsigned sum is exact.
        const i64 top = i64(u64(w[j + n]) * kBase + u64(w[j + n - 1]));
        w[j + n] = 0;
        w[j + n - 1] = top;
        const double estimate = (double(top) * 1e9 + double(w[j + n - 2])) * inv;
        const double whole = std::floor(estimate);
        i64 qhat = i64(whole);
        if (skew && estimate - whole > 1e-3 && estimate - whole < 1 - 1e-3)
            qhat += i64(j % 3) - 1;  // only where the floor is surely the true limb
        ARITH_ASSERT(qhat >= -qBias && qhat <= 2 * i64(kBase) + 1);
        row(reinterpret_cast<u64*>(w + j), v, n, u64(-qhat));  // w -= qhat * v
        load += (qhat < 0 ? -qhat : qhat) * i64(kBase - 1);
        q[j] = Limb(qhat + qBias);
    }
    const std::size_t nq = nu - n + 1;
    i64 cr = carrySigned(r, w, n, 0);
    [[maybe_unused]] i64 cq = carrySigned(q, q, nq, qBias);
    // The remainder is r + cr * X^n, in [-v, 2v): at most one step puts it in [0, v).
    const Limb one = 1;
    if (cr < 0) {
        cr += addInto(r, n, v, n);
        cq -= subFrom(q, nq, &one, 1);
    } else if (cr > 0 || cmpLimbs(r, n, v, n) >= 0) {
        cr -= subFrom(r, n, v, n);
        cq += addInto(q, nq, &one, 1);
    }
    ARITH_ASSERT(cr == 0 && cq == 0);
}

void knuth(const Limb* u, std::size_t nu, const Limb* v, std::size_t n, Limb* q, Limb* r)
{
    std::vector<i64> w;
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
// own pieces and, after them, the larger of what its two halves take. The
// long division at the leaves works in the columns passed beside it.
std::size_t recScratch(std::size_t na, std::size_t n)
{
    const std::size_t m = na - n;
    if (m < kDivRecursiveThreshold || n < 2)
        return 0;
    const std::size_t k = m / 2;
    const std::size_t own = (m - k + 1) + (n - k) + (n + k + 1) + (m + 1) + (k + 1) + (n - k) + (n + 1);
    return own + std::max(recScratch(na - 2 * k, n - k), recScratch(n, n - k));
}

// A[0 .. n+m) by the normalised B[0 .. n), m <= n: Q[0 .. m+1), R[0 .. n),
// in the working memory s of recScratch(na, n) limbs and the columns
// cols[0 .. na+1) of the long division at the leaves.
void recDivRem(const Limb* A, std::size_t na, const Limb* B, std::size_t n, Limb* Q, Limb* R, Limb* s, i64* cols)
{
    ARITH_ASSERT(na >= n && na - n <= n && B[n - 1] >= kBase / 2);
    const std::size_t m = na - n;
    if (m < kDivRecursiveThreshold || n < 2) {
        knuthIn(A, na, B, n, Q, R, cols);
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
    recDivRem(A + 2 * k, na - 2 * k, B1, n - k, Q1, R1, s, cols);

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
    recDivRem(Ap + k, n, B1, n - k, Q0, R0, s, cols);

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
    std::vector<i64> cols;
    resizePolled(block, 2 * n);
    resizePolled(cols, n + std::min(n, kDivRecursiveThreshold) + 1);  // the longest leaf's columns
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
        recDivRem(block.data(), n + len, B, n, Qb.data(), rem.data(), scratch.data(), cols.data());
        std::copy(Qb.begin(), Qb.begin() + len, q + pos);
        started = true;
    }
    std::copy(rem.begin(), rem.end(), r);
}

}  // namespace

void skewDivisionEstimatesForTests(bool skew) { skewEstimates.store(skew, std::memory_order_relaxed); }

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
