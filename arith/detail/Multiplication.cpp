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
// Columns of the products kept on the stack: every leaf of Karatsuba (at
// most 161 by 161 limbs) and Toom-3.
constexpr std::size_t kStackColumns = 512;
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

// ---- Working memory -------------------------------------------------------
//
// multiplyLimbs sizes one arena for the whole recursion below it
// (mulScratch) and every Karatsuba, Toom-3 or piecewise level takes its own
// pieces from the front and hands the rest down, so a product allocates once
// whatever its depth; the arena is a vector, freed however the product ends
// (a Cancelled from a poll included). Sub-products are always called with
// the lengths the split gives, leading zero limbs and all, so that the
// method each level picks, and with it the memory it needs, follows from
// the operand lengths alone.

void mulWith(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out, Limb* s);
std::size_t mulScratch(std::size_t na, std::size_t nb, bool square);

// Hands out consecutive pieces of an arena.
struct Arena {
    Limb* at;
    Limb* take(std::size_t len)
    {
        Limb* p = at;
        at += len;
        return p;
    }
};

// The Karatsuba split of na by nb limbs (na >= nb): half of the longer.
struct KaratsubaSplit {
    std::size_t m, la1, lb0, lb1;
    KaratsubaSplit(std::size_t na, std::size_t nb) : m((na + 1) / 2), la1(na - m), lb0(std::min(m, nb)), lb1(nb - lb0)
    {}
    // da, db, their product and the middle coefficient (see karatsubaWith).
    std::size_t own(std::size_t n) const { return m + lb0 + (m + lb0) + (n - m + 1); }
};

// The Toom-3 split: a third of the longer operand; five values of each
// operand at m + 1 limbs and five products at 2m + 2.
struct Toom3Split {
    std::size_t m;
    explicit Toom3Split(std::size_t na) : m((na + 2) / 3) {}
    std::size_t value() const { return m + 1; }
    std::size_t product() const { return 2 * m + 2; }
    std::size_t own() const { return 10 * value() + 5 * product(); }
};

// ---- Signed numbers of a fixed length, for Toom-3 --------------------------

struct SignedLimbs {
    Limb* mag;  // len limbs, leading zeros allowed
    std::size_t len;
    bool neg = false;
};

// x += y (plus) or x -= y; y no longer than x, the result fits x.
void addSigned(SignedLimbs& x, const Limb* y, std::size_t ny, bool yNeg, bool plus)
{
    ny = normLen(y, ny);
    const bool negY = plus ? yNeg : !yNeg;
    if (x.neg == negY) {
        [[maybe_unused]] const Limb carry = addInto(x.mag, x.len, y, ny);
        ARITH_ASSERT(carry == 0);
    } else if (cmpLimbs(x.mag, x.len, y, ny) >= 0) {
        subFrom(x.mag, x.len, y, ny);
    } else {
        // |y| > |x|: x = y - x, in y's sign.
        subArrays(x.mag, y, ny, x.mag, normLen(x.mag, x.len));
        std::fill(x.mag + ny, x.mag + x.len, 0);
        x.neg = negY;
    }
}

void addSigned(SignedLimbs& x, const SignedLimbs& y, bool plus) { addSigned(x, y.mag, y.len, y.neg, plus); }

// x = y (y no longer than x).
void assign(SignedLimbs& x, const Limb* y, std::size_t ny, bool neg)
{
    std::copy(y, y + ny, x.mag);
    std::fill(x.mag + ny, x.mag + x.len, 0);
    x.neg = neg;
}

void divExact(SignedLimbs& x, Limb d) { divLimb(x.mag, x.mag, x.len, d); }

}  // namespace

namespace {

// col[0 .. na) += m * a[0 .. na) modulo 2^64, the inner loop of mulBasecase
// and of the long division (see RowLoop).
void addRow(u64* col, const Limb* a, std::size_t na, u64 m)
{
    for (std::size_t j = 0; j < na; ++j)
        col[j] += m * a[j];
}

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx2"))) void addRowAvx2(u64* col, const Limb* a, std::size_t na, u64 m)
{
    // The multiply takes the low 32 bits of each lane as signed: the limbs
    // are below 2^30 and m's low half is the signed multiplier.
    const __m256i vm = _mm256_set1_epi64x(static_cast<long long>(m));
    std::size_t j = 0;
    for (; j + 4 <= na; j += 4) {
        __m256i x = _mm256_cvtepu32_epi64(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a + j)));
        __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(col + j));
        c = _mm256_add_epi64(c, _mm256_mul_epi32(x, vm));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(col + j), c);
    }
    addRow(col + j, a + j, na - j, m);
}
#endif

}  // namespace

RowLoop rowLoop()
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (vectorLoops())
        return addRowAvx2;
#endif
    return addRow;
}

void mulBasecase(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    prepare(a, na, b, nb, out);
    if (nb == 1) {
        out[na] = mulLimb(out, a, na, b[0]);
        return;
    }
    // Rows follow the shorter operand, so each pass over the columns is long.
    // Small products, the leaves of the recursive methods among them, keep
    // their columns on the stack.
    const std::size_t n = na + nb;
    u64 local[kStackColumns];
    std::vector<u64> heap;
    u64* col = local;
    if (n > kStackColumns) {
        resizePolled(heap, n);
        col = heap.data();
    }
    std::fill(col, col + n, 0);
    const RowLoop row = rowLoop();
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

namespace {

void karatsubaWith(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out, Limb* s)
{
    const bool square = prepare(a, na, b, nb, out);
    // a = a1*X + a0, b = b1*X + b0 with X = B^m. The middle coefficient is
    // a0*b1 + a1*b0 = z0 + z2 - (a0 - a1)(b0 - b1).
    const KaratsubaSplit k(na, nb);
    const std::size_t m = k.m, la1 = k.la1, lb0 = k.lb0, lb1 = k.lb1;
    const std::size_t n = na + nb;
    Arena arena{s};
    Limb* da = arena.take(m);           // |a0 - a1|
    Limb* db = arena.take(lb0);         // |b0 - b1|
    Limb* t = arena.take(m + lb0);      // da * db
    Limb* mid = arena.take(n - m + 1);  // z0 + z2 -/+ t
    Limb* rest = arena.at;
    ARITH_ASSERT(std::size_t(rest - s) == k.own(n));

    std::fill(out, out + n, 0);
    mulWith(a, m, b, lb0, out, rest);  // z0 in out[0 .. m+lb0)
    if (lb1 > 0)
        mulWith(a + m, la1, b + m, lb1, out + 2 * m, rest);  // z2 in out[2m .. n)

    bool negA = cmpLimbs(a, m, a + m, la1) < 0;
    std::fill(da, da + m, 0);
    if (negA)
        subArrays(da, a + m, la1, a, normLen(a, m));  // a1 > a0: a1 fits in la1 limbs
    else
        subArrays(da, a, m, a + m, la1);
    bool negB = negA;
    if (!square) {
        const Limb* b1 = b + lb0;  // b1 is empty when b fits in m limbs
        negB = cmpLimbs(b, lb0, b1, lb1) < 0;
        std::fill(db, db + lb0, 0);
        if (negB)
            subArrays(db, b1, lb1, b, normLen(b, lb0));
        else
            subArrays(db, b, lb0, b1, lb1);
        mulWith(da, m, db, lb0, t, rest);
    } else {
        mulWith(da, m, da, m, t, rest);
    }

    // mid = z0 + z2, then -t when the signs agree, +t when they differ.
    const std::size_t nmid = n - m + 1;
    const std::size_t nz0 = m + lb0, nz2 = lb1 > 0 ? la1 + lb1 : 0;
    std::copy(out, out + nz0, mid);
    std::fill(mid + nz0, mid + nmid, 0);
    addInto(mid, nmid, out + 2 * m, nz2);
    const std::size_t nt = normLen(t, m + lb0);
    if (negA == negB)
        subFrom(mid, nmid, t, nt);
    else
        addInto(mid, nmid, t, nt);
    addInto(out + m, n - m, mid, normLen(mid, nmid));
}

void toom3With(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out, Limb* s)
{
    const bool square = prepare(a, na, b, nb, out);
    const Toom3Split split(na);
    const std::size_t m = split.m;
    Arena arena{s};
    auto values = [&](SignedLimbs* v) {
        for (int i = 0; i < 5; ++i)
            v[i] = SignedLimbs{arena.take(split.value()), split.value()};
    };
    SignedLimbs va[5], vb[5], r[5];
    values(va);
    values(vb);
    for (SignedLimbs& x : r)
        x = SignedLimbs{arena.take(split.product()), split.product()};
    Limb* rest = arena.at;
    ARITH_ASSERT(std::size_t(rest - s) == split.own());

    // Values of p(x) = p2 x^2 + p1 x + p0 at 0, 1, -1, -2 and infinity, the
    // pieces clipped to the operand (p2 may be short or empty).
    auto evaluate = [&](const Limb* p, std::size_t np, SignedLimbs* v) {
        auto piece = [&](std::size_t from) { return from >= np ? std::size_t(0) : std::min(m, np - from); };
        const std::size_t n0 = piece(0), n1 = piece(m), n2 = piece(2 * m);
        const Limb *p0 = p, *p1 = p + m, *p2 = p + 2 * m;
        assign(v[0], p0, n0, false);
        assign(v[4], p2, n2, false);
        assign(v[1], p0, n0, false);
        addSigned(v[1], p2, n2, false, true);  // p0 + p2
        assign(v[2], v[1].mag, v[1].len, false);
        addSigned(v[1], p1, n1, false, true);   // p0 + p1 + p2
        addSigned(v[2], p1, n1, false, false);  // p0 - p1 + p2
        assign(v[3], v[2].mag, v[2].len, v[2].neg);
        addSigned(v[3], p2, n2, false, true);
        [[maybe_unused]] const Limb carry = mulLimb(v[3].mag, v[3].mag, v[3].len, 2);
        ARITH_ASSERT(carry == 0);
        addSigned(v[3], p0, n0, false, false);  // p0 - 2 p1 + 4 p2
    };
    evaluate(a, na, va);
    if (!square)
        evaluate(b, nb, vb);
    // Products at the lengths of the values; v(infinity) may be empty.
    const std::size_t n2a = na - std::min(na, 2 * m), n2b = nb - std::min(nb, 2 * m);
    for (int i = 0; i < 5; ++i) {
        const SignedLimbs& x = va[i];
        const SignedLimbs& y = square ? va[i] : vb[i];
        std::size_t lx = i == 0 ? m : i == 4 ? n2a : split.value();
        std::size_t ly = i == 0 ? std::min(m, nb) : i == 4 ? n2b : split.value();
        std::fill(r[i].mag, r[i].mag + r[i].len, 0);
        if (lx > 0 && ly > 0)
            mulWith(x.mag, lx, y.mag, ly, r[i].mag, rest);
        r[i].neg = x.neg != y.neg && normLen(r[i].mag, r[i].len) > 0;
    }

    // Interpolation (Bodrato's sequence) in place; every division is exact.
    SignedLimbs &r0 = r[0], &c1 = r[1], &c2 = r[2], &c3 = r[3], &rinf = r[4];
    addSigned(c3, r[1], false);  // rm2 - r1
    divExact(c3, 3);
    addSigned(c1, r[2], false);  // r1 - rm1
    divExact(c1, 2);
    addSigned(c2, r0, false);  // rm1 - r0
    c3.neg = !c3.neg;          // c2 - c3
    addSigned(c3, c2, true);
    divExact(c3, 2);
    addSigned(c3, rinf, true);  // + 2 rinf
    addSigned(c3, rinf, true);
    addSigned(c2, c1, true);  // c2 + c1 - rinf
    addSigned(c2, rinf, false);
    addSigned(c1, c3, false);  // c1 - c3

    // The product's coefficients are non-negative; add them in at their places.
    const std::size_t n = na + nb;
    std::fill(out, out + n, 0);
    for (int i = 0; i < 5; ++i) {
        const std::size_t at = i * m;
        const std::size_t len = normLen(r[i].mag, r[i].len);
        ARITH_ASSERT(len == 0 || !r[i].neg);
        if (len > 0)
            addInto(out + at, n - at, r[i].mag, len);
    }
}

// Pieces of a as long as b, each product added in at its place (na >= 2nb).
void piecewiseWith(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out, Limb* s)
{
    std::fill(out, out + na + nb, 0);
    Limb* part = s;
    for (std::size_t at = 0; at < na; at += nb) {
        const std::size_t len = std::min(nb, na - at);
        mulWith(a + at, len, b, nb, part, s + 2 * nb);
        addInto(out + at, na + nb - at, part, len + nb);
    }
}

// The methods in the order of the dispatcher's choice.
enum class Method { Basecase, Transform, Piecewise, Karatsuba, Toom3 };

Method methodFor(std::size_t na, std::size_t nb, bool square)
{
    const MulCutoffs& cut = mulCutoffs(square);
    if (nb < cut.karatsuba)
        return Method::Basecase;
    if (nb >= cut.ntt && na + nb <= nttMaxProductLimbs())
        return Method::Transform;
    if (na >= 2 * nb)
        return Method::Piecewise;
    return nb < cut.toom3 ? Method::Karatsuba : Method::Toom3;
}

// The limbs of arena the product of na by nb limbs (na >= nb) takes by the
// given method: what its level takes and, after that, the most any of its
// sub-products takes.
std::size_t scratchOf(Method method, std::size_t na, std::size_t nb, bool square)
{
    switch (method) {
    case Method::Basecase:
    case Method::Transform: return 0;
    case Method::Piecewise: {
        const std::size_t last = na % nb == 0 ? nb : na % nb;
        return 2 * nb + std::max(mulScratch(nb, nb, false), mulScratch(nb, last, false));
    }
    case Method::Karatsuba: {
        const KaratsubaSplit k(na, nb);
        std::size_t below = mulScratch(k.m, k.lb0, square);
        if (k.lb1 > 0)
            below = std::max(below, mulScratch(k.la1, k.lb1, square));
        return k.own(na + nb) + below;
    }
    case Method::Toom3: {
        const Toom3Split t(na);
        std::size_t below =
            std::max(mulScratch(t.value(), t.value(), square), mulScratch(t.m, std::min(t.m, nb), square));
        const std::size_t n2a = na - std::min(na, 2 * t.m), n2b = nb - std::min(nb, 2 * t.m);
        if (n2a > 0 && n2b > 0)
            below = std::max(below, mulScratch(std::max(n2a, n2b), std::min(n2a, n2b), square));
        return t.own() + below;
    }
    }
    return 0;
}

std::size_t mulScratch(std::size_t na, std::size_t nb, bool square)
{
    return scratchOf(methodFor(na, nb, square), na, nb, square);
}

void mulWith(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out, Limb* s)
{
    pollCancel();  // every level of the recursive methods comes through here
    const bool square = prepare(a, na, b, nb, out);
    switch (methodFor(na, nb, square)) {
    case Method::Basecase: mulBasecase(a, na, b, nb, out); return;
    case Method::Transform: mulNtt(a, na, b, nb, out); return;
    case Method::Piecewise: piecewiseWith(a, na, b, nb, out, s); return;
    case Method::Karatsuba: karatsubaWith(a, na, b, nb, out, s); return;
    case Method::Toom3: toom3With(a, na, b, nb, out, s); return;
    }
}

// Runs one method with an arena of `own` limbs plus the most its
// sub-products take.
template <void (*With)(const Limb*, std::size_t, const Limb*, std::size_t, Limb*, Limb*)>
void withArena(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out, std::size_t limbs)
{
    std::vector<Limb> arena;
    resizePolled(arena, limbs);
    With(a, na, b, nb, out, arena.data());
}

}  // namespace

void mulKaratsuba(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    const bool square = prepare(a, na, b, nb, out);
    withArena<karatsubaWith>(a, na, b, nb, out, scratchOf(Method::Karatsuba, na, nb, square));
}

void mulToom3(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    const bool square = prepare(a, na, b, nb, out);
    withArena<toom3With>(a, na, b, nb, out, scratchOf(Method::Toom3, na, nb, square));
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
    const bool square = prepare(a, na, b, nb, out);
    const std::size_t limbs = mulScratch(na, nb, square);
    if (limbs == 0)
        mulWith(a, na, b, nb, out, nullptr);
    else
        withArena<mulWith>(a, na, b, nb, out, limbs);
}

}  // namespace arith::detail
