// multiplyLimbs: picks the multiplication method by operand size.
//
//   shorter operand below cut.karatsuba    mulBasecase
//   below cut.toom3                        mulKaratsuba
//   from cut.ntt on                        mulNtt
//   otherwise                              mulToom3
//
// A much longer operand (at least twice the shorter) is cut into pieces as
// long as the shorter one, so that each method sees balanced operands; the
// transform takes unbalanced operands whole. Products too long for the
// transform (more than 3 * 2^22 limbs) are split by Toom-3 or into pieces
// until they fit.
//
// The cut-offs were chosen with the Crossover benchmarks of
// arith/bench/scale_bench.cpp (arith/bench/cutoffs.cpp prints them for the
// machine it runs on) on the development machine (AMD EPYC, AVX2):
// each is where one level of the faster method, its sub-products going back
// through this dispatcher, starts to beat the method below it. With vector
// loops the basecase costs about 0.4 ns a limb product; Karatsuba draws
// level with it near 256 limbs and the transform (whose length steps from
// 512 to 768 points at 257 limbs) overtakes both near 320 limbs, 256 for
// squares (measured again on a 2-core AVX2 machine; taken at 190 before,
// products of 190 to 320 limbs were up to a fifth slower and the division
// of ten thousand digits, whose recursion is full of them, a sixth). Toom-3
// is left for products beyond the transform's length. With the
// portable loops (no AVX2) Karatsuba leads from 40 limbs, Toom-3 from about
// 320 and the transform from about 1200 (900 for squares).
#include "arith/detail/Multiplication.h"

#include "arith/Cancel.h"
#include "arith/detail/LimbLoops.h"
#include "arith/detail/Polled.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace arith::detail {

namespace {

using u64 = std::uint64_t;

// Rows of a added into 64-bit columns before the columns are settled: a
// settled column is below 10^9 + 2^64 / 10^9 < 2 * 10^10, and with one high
// part more (see settleColumns) below 4 * 10^10; 16 products below
// (10^9-1)^2 on top of that stay below 1.6e19 + 4e10 < 2^64.
constexpr std::size_t kRowsPerCarry = 16;
// Rows longer than this poll each (a long operand by a short one).
constexpr std::size_t kLongRow = std::size_t(1) << 16;

// Keeps the columns col[from .. to) small without a chain from column to
// column: each keeps its low nine digits and takes the high part of the one
// below it; col[to] takes the last high part. The value is unchanged.
void settleColumns(u64* col, std::size_t from, std::size_t to)
{
    u64 high = 0;
    for (std::size_t k = from; k < to; ++k) {
        const u64 t = col[k];
        const u64 h = t / kBase;
        col[k] = t - h * kBase + high;
        high = h;
    }
    col[to] += high;
}

// Carries col[0 .. n) into limbs below 10^9, the one pass with a chain.
void carryColumns(u64* col, std::size_t n)
{
    u64 c = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const u64 t = col[k] + c;
        c = t / kBase;
        col[k] = t - c * kBase;
    }
}

bool isSquare(const Limb* a, std::size_t na, const Limb* b, std::size_t nb) { return a == b && na == nb; }

// Puts the longer operand first and checks the contract every method
// shares; answers whether the product is a square.
bool prepare(const Limb*& a, std::size_t& na, const Limb*& b, std::size_t& nb, [[maybe_unused]] const Limb* out)
{
    if (na < nb) {
        std::swap(a, b);
        std::swap(na, nb);
    }
    ARITH_ASSERT(nb >= 1);
    ARITH_ASSERT(disjoint(out, na + nb, a, na) && disjoint(out, na + nb, b, nb));
    return isSquare(a, na, b, nb);
}

// ---- Signed numbers for the Toom-3 interpolation ---------------------------

struct Signed {
    std::vector<Limb> mag;  // no leading zero limbs; empty for zero
    bool neg = false;

    void trim()
    {
        mag.resize(normLen(mag.data(), mag.size()));
        if (mag.empty())
            neg = false;
    }
};

Signed fromLimbs(const Limb* a, std::size_t n)
{
    Signed s;
    n = normLen(a, n);
    s.mag.assign(a, a + n);
    return s;
}

// |x| + |y| or |x| - |y| with the sign of the result; sign of the first term.
Signed addMag(const Signed& x, const Signed& y, bool negX, bool negY)
{
    Signed r;
    const std::vector<Limb>& p = x.mag;
    const std::vector<Limb>& q = y.mag;
    if (negX == negY) {
        const auto& big = p.size() >= q.size() ? p : q;
        const auto& small = p.size() >= q.size() ? q : p;
        r.mag.resize(big.size() + 1);
        r.mag[big.size()] = addArrays(r.mag.data(), big.data(), big.size(), small.data(), small.size());
        r.neg = negX;
    } else {
        int c = cmpLimbs(p.data(), p.size(), q.data(), q.size());
        if (c == 0)
            return r;
        const auto& big = c > 0 ? p : q;
        const auto& small = c > 0 ? q : p;
        r.mag.resize(big.size());
        subArrays(r.mag.data(), big.data(), big.size(), small.data(), small.size());
        r.neg = c > 0 ? negX : negY;
    }
    r.trim();
    return r;
}

Signed operator+(const Signed& x, const Signed& y) { return addMag(x, y, x.neg, y.neg); }
Signed operator-(const Signed& x, const Signed& y) { return addMag(x, y, x.neg, !y.neg); }

Signed times(const Signed& x, Limb m)
{
    Signed r;
    r.mag.resize(x.mag.size() + 1);
    r.mag[x.mag.size()] = mulLimb(r.mag.data(), x.mag.data(), x.mag.size(), m);
    r.neg = x.neg;
    r.trim();
    return r;
}

Signed divExact(const Signed& x, Limb d)
{
    Signed r;
    r.mag.resize(x.mag.size());
    divLimb(r.mag.data(), x.mag.data(), x.mag.size(), d);
    r.neg = x.neg;
    r.trim();
    return r;
}

Signed operator*(const Signed& x, const Signed& y)
{
    Signed r;
    if (x.mag.empty() || y.mag.empty())
        return r;
    r.mag.resize(x.mag.size() + y.mag.size());
    multiplyLimbs(x.mag.data(), x.mag.size(), y.mag.data(), y.mag.size(), r.mag.data());
    r.neg = x.neg != y.neg;
    r.trim();
    return r;
}

Signed squareOf(const Signed& x)
{
    Signed r;
    if (x.mag.empty())
        return r;
    r.mag.resize(2 * x.mag.size());
    multiplyLimbs(x.mag.data(), x.mag.size(), x.mag.data(), x.mag.size(), r.mag.data());
    r.trim();
    return r;
}

// The piece [from, from + len) of a[0 .. n), clipped to the array.
Signed piece(const Limb* a, std::size_t n, std::size_t from, std::size_t len)
{
    if (from >= n)
        return Signed{};
    return fromLimbs(a + from, std::min(len, n - from));
}

}  // namespace

namespace {

// col[i .. i + na) += m * a[0 .. na), the inner loop of mulBasecase.
void addRow(u64* col, const Limb* a, std::size_t na, u64 m)
{
    for (std::size_t j = 0; j < na; ++j)
        col[j] += m * a[j];
}

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx2"))) void addRowAvx2(u64* col, const Limb* a, std::size_t na, u64 m)
{
    const __m256i vm = _mm256_set1_epi64x(static_cast<long long>(m));
    std::size_t j = 0;
    for (; j + 4 <= na; j += 4) {
        __m256i x = _mm256_cvtepu32_epi64(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a + j)));
        __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(col + j));
        c = _mm256_add_epi64(c, _mm256_mul_epu32(x, vm));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(col + j), c);
    }
    addRow(col + j, a + j, na - j, m);
}
#endif

}  // namespace

void mulBasecase(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    prepare(a, na, b, nb, out);
    if (nb == 1) {
        out[na] = mulLimb(out, a, na, b[0]);
        return;
    }
    // Rows follow the shorter operand, so each pass over the columns is long.
    // Small products keep their columns on the stack.
    const std::size_t n = na + nb;
    u64 local[256];
    std::vector<u64> heap;
    u64* col = local;
    if (n > 256) {
        resizePolled(heap, n);
        col = heap.data();
    }
    std::fill(col, col + n, 0);
    auto row = addRow;
#if defined(__x86_64__) && defined(__GNUC__)
    if (vectorLoops())
        row = addRowAvx2;
#endif
    for (std::size_t i0 = 0; i0 < nb; i0 += kRowsPerCarry) {
        pollCancel();  // a block is 16 rows of na multiply-adds: the poll is noise
        std::size_t i1 = std::min(nb, i0 + kRowsPerCarry);
        for (std::size_t i = i0; i < i1; ++i) {
            if (na > kLongRow)
                pollCancel();  // rows of a million limbs take a millisecond or two each
            row(col + i, a, na, b[i]);
        }
        // The block's rows reached columns i0 .. i1 - 2 + na; the last
        // column, n - 1, is only ever a carry, so settling stops below it.
        if (i1 < nb)
            settleColumns(col, i0, i1 - 1 + na);
    }
    carryColumns(col, n);
    for (std::size_t k = 0; k < n; ++k)
        out[k] = Limb(col[k]);
}

void mulKaratsuba(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    const bool square = prepare(a, na, b, nb, out);
    // a = a1*X + a0, b = b1*X + b0 with X = B^m. The middle coefficient is
    // a0*b1 + a1*b0 = z0 + z2 - (a0 - a1)(b0 - b1).
    const std::size_t m = (na + 1) / 2;
    const std::size_t la1 = na - m;
    const std::size_t lb0 = std::min(m, nb), lb1 = nb - lb0;
    const std::size_t n = na + nb;

    std::fill(out, out + n, 0);
    multiplyLimbs(a, m, b, lb0, out);  // z0 in out[0 .. m+lb0)
    if (lb1 > 0)
        multiplyLimbs(a + m, la1, b + m, lb1, out + 2 * m);  // z2 in out[2m .. n)

    // da = |a0 - a1| (m limbs), db = |b0 - b1| (lb0 limbs).
    std::vector<Limb> buf(2 * m + 2 * lb0 + n + 1, 0);
    Limb* da = buf.data();
    Limb* db = da + m;
    Limb* t = db + lb0;       // da * db, m + lb0 limbs
    Limb* mid = t + m + lb0;  // z0 + z2 -/+ t, n - m + 1 limbs
    bool negA = cmpLimbs(a, m, a + m, la1) < 0;
    if (negA)
        subArrays(da, a + m, la1, a, normLen(a, m));  // a1 > a0: a1 fits in la1 limbs
    else
        subArrays(da, a, m, a + m, la1);
    bool negB = negA;
    if (!square) {
        const Limb* b1 = b + lb0;  // b1 is empty when b fits in m limbs
        negB = cmpLimbs(b, lb0, b1, lb1) < 0;
        if (negB)
            subArrays(db, b1, lb1, b, normLen(b, lb0));
        else
            subArrays(db, b, lb0, b1, lb1);
    }
    const std::size_t nda = normLen(da, m);
    const std::size_t ndb = square ? nda : normLen(db, lb0);
    const std::size_t nt = nda + ndb;
    if (nda > 0 && ndb > 0) {
        if (square)
            multiplyLimbs(da, nda, da, nda, t);
        else
            multiplyLimbs(da, nda, db, ndb, t);
    }

    // mid = z0 + z2, then -t when the signs agree, +t when they differ.
    const std::size_t nmid = n - m + 1;
    const std::size_t nz0 = m + lb0, nz2 = lb1 > 0 ? la1 + lb1 : 0;
    std::copy(out, out + nz0, mid);
    addInto(mid, nmid, out + 2 * m, nz2);
    if (nt > 0) {
        if (negA == negB)
            subFrom(mid, nmid, t, nt);
        else
            addInto(mid, nmid, t, nt);
    }
    addInto(out + m, n - m, mid, normLen(mid, nmid));
}

void mulToom3(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    const bool square = prepare(a, na, b, nb, out);
    const std::size_t m = (na + 2) / 3;

    // Values of a(x) = a2 x^2 + a1 x + a0 at 0, 1, -1, -2 and infinity.
    auto evaluate = [&](const Limb* p, std::size_t np, Signed* v) {
        Signed p0 = piece(p, np, 0, m), p1 = piece(p, np, m, m), p2 = piece(p, np, 2 * m, np);
        Signed t = p0 + p2;
        v[1] = t + p1;
        v[2] = t - p1;
        v[3] = times(v[2] + p2, 2) - p0;
        v[0] = std::move(p0);
        v[4] = std::move(p2);
    };
    Signed va[5], vb[5], r[5];
    evaluate(a, na, va);
    if (!square)
        evaluate(b, nb, vb);
    for (int i = 0; i < 5; ++i)
        r[i] = square ? squareOf(va[i]) : va[i] * vb[i];

    // Interpolation (Bodrato's sequence); every division is exact.
    Signed r0 = std::move(r[0]), r1 = std::move(r[1]), rm1 = std::move(r[2]);
    Signed rm2 = std::move(r[3]), rinf = std::move(r[4]);
    Signed c3 = divExact(rm2 - r1, 3);
    Signed c1 = divExact(r1 - rm1, 2);
    Signed c2 = rm1 - r0;
    c3 = divExact(c2 - c3, 2) + times(rinf, 2);
    c2 = c2 + c1 - rinf;
    c1 = c1 - c3;

    // The product's coefficients are non-negative; add them in at their places.
    const std::size_t n = na + nb;
    std::fill(out, out + n, 0);
    const Signed* coef[5] = {&r0, &c1, &c2, &c3, &rinf};
    for (int i = 0; i < 5; ++i) {
        const std::size_t at = i * m;
        const std::vector<Limb>& c = coef[i]->mag;
        if (c.empty())
            continue;
        addInto(out + at, n - at, c.data(), c.size());
    }
}

const MulCutoffs& mulCutoffs(bool square)
{
    if (vectorLoops())
        return square ? kVectorSquareCutoffs : kVectorCutoffs;
    return square ? kScalarSquareCutoffs : kScalarCutoffs;
}

bool takesTransform(std::size_t na, std::size_t nb)
{
    return std::min(na, nb) >= mulCutoffs(false).ntt && na + nb <= nttMaxProductLimbs();
}

void multiplyLimbs(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    pollCancel();  // every level of the recursive methods comes through here
    const bool square = prepare(a, na, b, nb, out);
    const MulCutoffs& cut = mulCutoffs(square);
    if (nb < cut.karatsuba) {
        mulBasecase(a, na, b, nb, out);
        return;
    }
    if (nb >= cut.ntt && na + nb <= nttMaxProductLimbs()) {
        mulNtt(a, na, b, nb, out);
        return;
    }
    if (na >= 2 * nb) {
        // Pieces of a as long as b, each product added in at its place.
        std::fill(out, out + na + nb, 0);
        std::vector<Limb> part(2 * nb);
        for (std::size_t at = 0; at < na; at += nb) {
            const std::size_t len = std::min(nb, na - at);
            multiplyLimbs(a + at, len, b, nb, part.data());
            addInto(out + at, na + nb - at, part.data(), len + nb);
        }
        return;
    }
    if (nb < cut.toom3)
        mulKaratsuba(a, na, b, nb, out);
    else
        mulToom3(a, na, b, nb, out);
}

}  // namespace arith::detail
