// Exact product of limb arrays by number-theoretic transforms.
//
// The product of a (na limbs) and b (nb limbs) is the convolution
// c_k = sum a_i * b_(k-i), followed by carrying in base 10^9. Each c_k is a
// sum of at most min(na, nb) terms below (10^9 - 1)^2 < 10^18. The transform
// length L >= na + nb - 1 is a power of two or three times one, at most
// 3 * 2^22 (2^22 is the largest power of two dividing p - 1 for all three
// primes below, and 3 divides every p - 1), so min(na, nb) <= 3 * 2^21 and
// c_k < 6.3e6 * 10^18 = 6.3e24. The convolution is computed modulo
//     p1 = 880803841 = 105 * 2^23 + 1
//     p2 = 754974721 =  45 * 2^24 + 1
//     p3 = 943718401 = 225 * 2^22 + 1
// whose product is about 6.3e26 > 6.3e24, so the Chinese remainder theorem
// gives every c_k exactly.
#include "arith/detail/Multiplication.h"

#include "arith/Cancel.h"
#include "arith/detail/Assert.h"
#include "arith/detail/Polled.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace arith::detail {
namespace {

using u32 = std::uint32_t;
using u64 = std::uint64_t;

constexpr int kMaxLog = 22;  // transform lengths up to 3 * 2^kMaxLog

// The passes over whole arrays outside the butterflies (recombination and
// carrying) poll once per this many limbs, well under a millisecond apart.
constexpr std::size_t kLimbsPerPoll = std::size_t(1) << 16;

// Montgomery arithmetic modulo an odd prime p < 2^30 with R = 2^32. Values
// are kept fully reduced in [0, p). For t < p * 2^32, with m = t * p^(-1)
// mod 2^32 the low halves of t and m * p agree, so (t - m * p) / 2^32 is
// the difference of their high halves, which lies in (-p, p).
struct Mont {
    u32 p;
    u32 pinv;  // p^(-1) mod 2^32
    u32 r2;    // R^2 mod p

    constexpr explicit Mont(u32 prime) : p(prime), pinv(0), r2(0)
    {
        u32 inv = prime;  // Newton iteration for p^(-1) mod 2^32
        for (int i = 0; i < 5; ++i)
            inv *= 2u - prime * inv;
        pinv = inv;
        u64 r = (u64(1) << 32) % prime;
        r2 = u32(r * r % prime);
    }
    constexpr u32 reduce(u64 t) const
    {
        u32 m = u32(t) * pinv;
        u32 th = u32(t >> 32), sh = u32((u64(m) * p) >> 32);
        return th - sh + (p & (0u - u32(th < sh)));
    }
    constexpr u32 mul(u32 a, u32 b) const { return reduce(u64(a) * b); }
    constexpr u32 toMont(u32 a) const { return reduce(u64(a) * r2); }  // any a < 2^32
    constexpr u32 add(u32 a, u32 b) const
    {
        u32 s = a + b - p;
        return s + (p & (0u - (s >> 31)));
    }
    constexpr u32 sub(u32 a, u32 b) const
    {
        u32 d = a - b;
        return d + (p & (0u - (d >> 31)));
    }
    constexpr u32 pow(u32 baseMont, u64 e) const
    {
        u32 r = toMont(1);
        while (e) {
            if (e & 1)
                r = mul(r, baseMont);
            baseMont = mul(baseMont, baseMont);
            e >>= 1;
        }
        return r;
    }
};

struct Prime {
    Mont m;
    u32 g;  // a primitive root
};

constexpr Prime kPrimes[3] = {
    {Mont(880803841u), 26},
    {Mont(754974721u), 11},
    {Mont(943718401u), 7},
};

// Twiddle factors for one prime in Montgomery form: for each level with
// half-length h (a power of two), tw[h + j] = w_(2h)^j, j < h; itw the same
// for the inverse roots. The entries do not depend on the transform length,
// so one table grown on demand serves every length; one table per thread.
struct Twiddles {
    std::vector<u32> tw, itw;
    void ensure(const Prime& pr, std::size_t n)
    {
        if (tw.size() >= n)
            return;
        const Mont& m = pr.m;
        tw.clear();
        itw.clear();
        resizePolled(tw, n);
        resizePolled(itw, n);
        for (std::size_t h = 1; h < n; h <<= 1) {
            pollCancel();
            u32 w = m.pow(m.toMont(pr.g), (m.p - 1) / (2 * h));
            u32 iw = m.pow(w, m.p - 2);
            u32 x = m.toMont(1), ix = x;
            for (std::size_t j = 0; j < h; ++j) {
                tw[h + j] = x;
                itw[h + j] = ix;
                x = m.mul(x, w);
                ix = m.mul(ix, iw);
            }
        }
    }
};

Twiddles& twiddles(int which)
{
    thread_local Twiddles t[3];
    return t[which];
}

// ---- portable loops --------------------------------------------------------

// Decimation in frequency over the levels h = from, from/2, ..., down to
// and including `to`: natural order in, bit-reversed order out.
void forwardLevels(u32* a, std::size_t n, const Mont m, const u32* tw, std::size_t from, std::size_t to)
{
    for (std::size_t h = from; h >= to && h >= 1; h >>= 1) {
        pollCancel();  // a level is n / 2 butterflies, a few milliseconds at the longest
        const u32* w = tw + h;
        for (std::size_t s = 0; s < n; s += 2 * h) {
            u32* x = a + s;
            u32* y = a + s + h;
            for (std::size_t j = 0; j < h; ++j) {
                u32 u = x[j], v = y[j];
                x[j] = m.add(u, v);
                y[j] = m.mul(m.sub(u, v), w[j]);
            }
        }
    }
}

// Decimation in time over the levels h = from, 2 from, ..., below `to`.
void inverseLevels(u32* a, std::size_t n, const Mont m, const u32* itw, std::size_t from, std::size_t to)
{
    for (std::size_t h = from; h < to; h <<= 1) {
        pollCancel();
        const u32* w = itw + h;
        for (std::size_t s = 0; s < n; s += 2 * h) {
            u32* x = a + s;
            u32* y = a + s + h;
            for (std::size_t j = 0; j < h; ++j) {
                u32 u = x[j], v = m.mul(y[j], w[j]);
                x[j] = m.add(u, v);
                y[j] = m.sub(u, v);
            }
        }
    }
}

// c[i] = c[i] * f[i] (or c[i] * c[i] when f is null), Montgomery products.
void pointwise(u32* c, const u32* f, std::size_t n, const Mont m)
{
    if (f)
        for (std::size_t i = 0; i < n; ++i)
            c[i] = m.mul(c[i], f[i]);
    else
        for (std::size_t i = 0; i < n; ++i)
            c[i] = m.mul(c[i], c[i]);
}

// c[i] = Montgomery product of c[i] and the constant k.
void scale(u32* c, std::size_t n, u32 k, const Mont m)
{
    for (std::size_t i = 0; i < n; ++i)
        c[i] = m.mul(c[i], k);
}

// ---- the same loops eight lanes at a time -----------------------------------
#if defined(__x86_64__) && defined(__GNUC__)
#define MEGATALLY_NTT_AVX2 1

struct VMont {
    __m256i p, pinv;
};

// The Montgomery product of eight lane pairs (see Mont::reduce).
__attribute__((target("avx2"))) inline __m256i vmul(__m256i a, __m256i b, const VMont& m)
{
    __m256i te = _mm256_mul_epu32(a, b);
    __m256i to = _mm256_mul_epu32(_mm256_srli_epi64(a, 32), _mm256_srli_epi64(b, 32));
    __m256i se = _mm256_mul_epu32(_mm256_mul_epu32(te, m.pinv), m.p);
    __m256i so = _mm256_mul_epu32(_mm256_mul_epu32(to, m.pinv), m.p);
    __m256i th = _mm256_blend_epi32(_mm256_srli_epi64(te, 32), to, 0xAA);
    __m256i sh = _mm256_blend_epi32(_mm256_srli_epi64(se, 32), so, 0xAA);
    __m256i r = _mm256_sub_epi32(th, sh);
    return _mm256_min_epu32(r, _mm256_add_epi32(r, m.p));
}
__attribute__((target("avx2"))) inline __m256i vadd(__m256i a, __m256i b, const VMont& m)
{
    __m256i s = _mm256_add_epi32(a, b);
    return _mm256_min_epu32(s, _mm256_sub_epi32(s, m.p));
}
__attribute__((target("avx2"))) inline __m256i vsub(__m256i a, __m256i b, const VMont& m)
{
    __m256i d = _mm256_sub_epi32(a, b);
    return _mm256_min_epu32(d, _mm256_add_epi32(d, m.p));
}
__attribute__((target("avx2"))) inline __m256i load(const u32* p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
__attribute__((target("avx2"))) inline void store(u32* p, __m256i v)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}
__attribute__((target("avx2"))) inline VMont vmont(const Mont& m)
{
    return VMont{_mm256_set1_epi32(int(m.p)), _mm256_set1_epi32(int(m.pinv))};
}

// The twiddles of level h (4 or 2) repeated across the eight lanes: the
// lane pattern of the three innermost levels.
__attribute__((target("avx2"))) inline __m256i levelTwiddles(const u32* t, int h)
{
    alignas(32) u32 lanes[8];
    for (int i = 0; i < 8; ++i)
        lanes[i] = t[h + i % h];
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes));
}

// One level of butterflies h apart, eight lanes at a time, with the
// twiddles w[0 .. h): the forward transform's (x, y) -> (x + y, (x - y) w)
// or the inverse's (x, y) -> (x + y w, x - y w).
template <bool kForward>
__attribute__((target("avx2"))) void levelAvx2(u32* a, std::size_t n, std::size_t h, const u32* w, const VMont vm)
{
    for (std::size_t s = 0; s < n; s += 2 * h) {
        u32* x = a + s;
        u32* y = a + s + h;
        for (std::size_t j = 0; j < h; j += 8) {
            const __m256i u = load(x + j);
            if constexpr (kForward) {
                const __m256i v = load(y + j);
                store(x + j, vadd(u, v, vm));
                store(y + j, vmul(vsub(u, v, vm), load(w + j), vm));
            } else {
                const __m256i v = vmul(load(y + j), load(w + j), vm);
                store(x + j, vadd(u, v, vm));
                store(y + j, vsub(u, v, vm));
            }
        }
    }
}

__attribute__((target("avx2"))) void forwardAvx2(u32* a, std::size_t n, const Mont m, const u32* tw)
{
    const VMont vm = vmont(m);
    std::size_t h = n / 2;
    for (; h >= 8; h >>= 1) {
        pollCancel();
        levelAvx2<true>(a, n, h, tw + h, vm);
    }
    if (n < 8) {
        forwardLevels(a, n, m, tw, h, 1);
        return;
    }
    // The last three levels (h = 4, 2, 1) inside each group of eight: the
    // partner of every lane comes from a lane swap, the sum stays in the
    // lower lane of each pair and the twiddled difference in the upper one.
    const __m256i w4 = levelTwiddles(tw, 4), w2 = levelTwiddles(tw, 2);
    for (std::size_t s = 0; s < n; s += 8) {
        __m256i x = load(a + s);
        __m256i sw = _mm256_permute2x128_si256(x, x, 0x01);
        x = _mm256_blend_epi32(vadd(x, sw, vm), vmul(vsub(sw, x, vm), w4, vm), 0xF0);
        sw = _mm256_shuffle_epi32(x, 0x4E);  // swap pairs of lanes
        x = _mm256_blend_epi32(vadd(x, sw, vm), vmul(vsub(sw, x, vm), w2, vm), 0xCC);
        sw = _mm256_shuffle_epi32(x, 0xB1);  // swap neighbouring lanes; w = 1
        x = _mm256_blend_epi32(vadd(x, sw, vm), vsub(sw, x, vm), 0xAA);
        store(a + s, x);
    }
}

__attribute__((target("avx2"))) void inverseAvx2(u32* a, std::size_t n, const Mont m, const u32* itw)
{
    const VMont vm = vmont(m);
    if (n < 8) {
        inverseLevels(a, n, m, itw, 1, n);
        return;
    }
    // The first three levels (h = 1, 2, 4) inside each group of eight, the
    // mirror image of the end of forwardAvx2.
    const __m256i w4 = levelTwiddles(itw, 4), w2 = levelTwiddles(itw, 2);
    for (std::size_t s = 0; s < n; s += 8) {
        __m256i x = load(a + s);
        __m256i sw = _mm256_shuffle_epi32(x, 0xB1);
        x = _mm256_blend_epi32(vadd(x, sw, vm), vsub(sw, x, vm), 0xAA);
        x = _mm256_blend_epi32(x, vmul(x, w2, vm), 0xCC);
        sw = _mm256_shuffle_epi32(x, 0x4E);
        x = _mm256_blend_epi32(vadd(x, sw, vm), vsub(sw, x, vm), 0xCC);
        x = _mm256_blend_epi32(x, vmul(x, w4, vm), 0xF0);
        sw = _mm256_permute2x128_si256(x, x, 0x01);
        x = _mm256_blend_epi32(vadd(x, sw, vm), vsub(sw, x, vm), 0xF0);
        store(a + s, x);
    }
    for (std::size_t h = 8; h < n; h <<= 1) {
        pollCancel();
        levelAvx2<false>(a, n, h, itw + h, vm);
    }
}

__attribute__((target("avx2"))) void pointwiseAvx2(u32* c, const u32* f, std::size_t n, const Mont m)
{
    const VMont vm = vmont(m);
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        __m256i x = load(c + i);
        store(c + i, vmul(x, f ? load(f + i) : x, vm));
    }
    pointwise(c + i, f ? f + i : nullptr, n - i, m);
}

__attribute__((target("avx2"))) void scaleAvx2(u32* c, std::size_t n, u32 k, const Mont m)
{
    const VMont vm = vmont(m);
    const __m256i vk = _mm256_set1_epi32(int(k));
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        store(c + i, vmul(load(c + i), vk, vm));
    scale(c + i, n - i, k, m);
}

std::atomic<bool> forcePortable{false};

bool haveAvx2()
{
    static const bool have = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return have && !forcePortable.load(std::memory_order_relaxed);
}
#endif

void forward(u32* a, std::size_t n, const Mont& m, const u32* tw)
{
#ifdef MEGATALLY_NTT_AVX2
    if (haveAvx2())
        return forwardAvx2(a, n, m, tw);
#endif
    forwardLevels(a, n, m, tw, n / 2, 1);
}

void inverse(u32* a, std::size_t n, const Mont& m, const u32* itw)
{
#ifdef MEGATALLY_NTT_AVX2
    if (haveAvx2())
        return inverseAvx2(a, n, m, itw);
#endif
    inverseLevels(a, n, m, itw, 1, n);
}

void multiplyPointwise(u32* c, const u32* f, std::size_t n, const Mont& m)
{
#ifdef MEGATALLY_NTT_AVX2
    if (haveAvx2())
        return pointwiseAvx2(c, f, n, m);
#endif
    pointwise(c, f, n, m);
}

void scaleBy(u32* c, std::size_t n, u32 k, const Mont& m)
{
#ifdef MEGATALLY_NTT_AVX2
    if (haveAvx2())
        return scaleAvx2(c, n, k, m);
#endif
    scale(c, n, k, m);
}

// ---- lengths three times a power of two -------------------------------------
// For L = 3M the first (last) step of the forward (inverse) transform is one
// radix-3 step over j < M with w a primitive L-th root and z = w^M:
//   y0 = x0 + x1 + x2,
//   y1 = (x0 + z x1 + z^2 x2) w^j = (x0 - x2 + t) w^j,
//   y2 = (x0 + z^2 x1 + z x2) w^2j = (x0 - x1 - t) w^2j,  t = z (x1 - x2),
// after which each third is a length-M transform with root w^3, which is
// the root the tables use. The inverse step runs the same way with 1/w.
struct Radix3 {
    std::vector<u32> w1, w2;  // w^j and w^2j, j < M, Montgomery form
    u32 z;
};

Radix3 radix3Table(const Prime& pr, std::size_t M, bool inverse)
{
    const Mont& m = pr.m;
    u32 w = m.pow(m.toMont(pr.g), (m.p - 1) / (3 * M));
    if (inverse)
        w = m.pow(w, m.p - 2);
    Radix3 t;
    t.w1.resize(M);
    t.w2.resize(M);
    u32 x = m.toMont(1);
    for (std::size_t j = 0; j < M; ++j) {
        t.w1[j] = x;
        t.w2[j] = m.mul(x, x);
        x = m.mul(x, w);
    }
    t.z = m.pow(w, M);
    return t;
}

void radix3Forward(u32* a, std::size_t M, const Radix3& t, const Mont m, std::size_t from = 0)
{
    for (std::size_t j = from; j < M; ++j) {
        u32 x0 = a[j], x1 = a[j + M], x2 = a[j + 2 * M];
        u32 d = m.mul(t.z, m.sub(x1, x2));
        a[j] = m.add(x0, m.add(x1, x2));
        a[j + M] = m.mul(m.add(m.sub(x0, x2), d), t.w1[j]);
        a[j + 2 * M] = m.mul(m.sub(m.sub(x0, x1), d), t.w2[j]);
    }
}

void radix3Inverse(u32* a, std::size_t M, const Radix3& t, const Mont m, std::size_t from = 0)
{
    for (std::size_t j = from; j < M; ++j) {
        u32 x0 = a[j], x1 = m.mul(a[j + M], t.w1[j]), x2 = m.mul(a[j + 2 * M], t.w2[j]);
        u32 d = m.mul(t.z, m.sub(x1, x2));
        a[j] = m.add(x0, m.add(x1, x2));
        a[j + M] = m.add(m.sub(x0, x2), d);
        a[j + 2 * M] = m.sub(m.sub(x0, x1), d);
    }
}

#ifdef MEGATALLY_NTT_AVX2
__attribute__((target("avx2"))) void radix3ForwardAvx2(u32* a, std::size_t M, const Radix3& t, const Mont m)
{
    const VMont vm = vmont(m);
    const __m256i z = _mm256_set1_epi32(int(t.z));
    std::size_t j = 0;
    for (; j + 8 <= M; j += 8) {
        __m256i x0 = load(a + j), x1 = load(a + j + M), x2 = load(a + j + 2 * M);
        __m256i d = vmul(z, vsub(x1, x2, vm), vm);
        store(a + j, vadd(x0, vadd(x1, x2, vm), vm));
        store(a + j + M, vmul(vadd(vsub(x0, x2, vm), d, vm), load(t.w1.data() + j), vm));
        store(a + j + 2 * M, vmul(vsub(vsub(x0, x1, vm), d, vm), load(t.w2.data() + j), vm));
    }
    radix3Forward(a, M, t, m, j);
}

__attribute__((target("avx2"))) void radix3InverseAvx2(u32* a, std::size_t M, const Radix3& t, const Mont m)
{
    const VMont vm = vmont(m);
    const __m256i z = _mm256_set1_epi32(int(t.z));
    std::size_t j = 0;
    for (; j + 8 <= M; j += 8) {
        __m256i x0 = load(a + j);
        __m256i x1 = vmul(load(a + j + M), load(t.w1.data() + j), vm);
        __m256i x2 = vmul(load(a + j + 2 * M), load(t.w2.data() + j), vm);
        __m256i d = vmul(z, vsub(x1, x2, vm), vm);
        store(a + j, vadd(x0, vadd(x1, x2, vm), vm));
        store(a + j + M, vadd(vsub(x0, x2, vm), d, vm));
        store(a + j + 2 * M, vsub(vsub(x0, x1, vm), d, vm));
    }
    radix3Inverse(a, M, t, m, j);
}
#endif

// The whole transform of length n (a power of two, or three times one when
// r3 is given), forward or inverse.
// The radix-3 step of a transform of length 3M: the first step of the
// forward transform or the last of the inverse.
void radix3Step(u32* a, std::size_t M, const Radix3& r3, const Mont& m, bool inv)
{
#ifdef MEGATALLY_NTT_AVX2
    if (haveAvx2()) {
        inv ? radix3InverseAvx2(a, M, r3, m) : radix3ForwardAvx2(a, M, r3, m);
        return;
    }
#endif
    inv ? radix3Inverse(a, M, r3, m) : radix3Forward(a, M, r3, m);
}

void transform(u32* a, std::size_t n, const Mont& m, const Twiddles& tw, const Radix3* r3, bool inv)
{
    const auto powerOfTwo = [&](u32* x, std::size_t len) {
        inv ? inverse(x, len, m, tw.itw.data()) : forward(x, len, m, tw.tw.data());
    };
    if (!r3) {
        powerOfTwo(a, n);
        return;
    }
    const std::size_t M = n / 3;
    if (!inv)
        radix3Step(a, M, *r3, m, false);
    for (int b = 0; b < 3; ++b)
        powerOfTwo(a + b * M, M);
    if (inv)
        radix3Step(a, M, *r3, m, true);
}

// The tables of one prime for transforms of length n.
struct Tables {
    const Mont& m;
    const Twiddles& t;
    const Radix3* fwd3;
    const Radix3* inv3;
};

Tables tablesFor(int which, std::size_t n)
{
    const Prime& pr = kPrimes[which];
    Twiddles& t = twiddles(which);
    const bool three = n % 3 == 0;
    t.ensure(pr, three ? n / 3 : n);
    if (!three)
        return {pr.m, t, nullptr, nullptr};
    // One pair of tables per prime and length, kept for the thread.
    thread_local std::vector<Radix3> cache[3][2];
    int k = 0;
    while ((std::size_t(1) << k) < n / 3)
        ++k;
    for (int dir = 0; dir < 2; ++dir) {
        auto& slot = cache[which][dir];
        if (slot.size() <= std::size_t(k))
            slot.resize(k + 1);
        if (slot[k].w1.empty())
            slot[k] = radix3Table(pr, n / 3, dir == 1);
    }
    return {pr.m, t, &cache[which][0][k], &cache[which][1][k]};
}

// c[0 .. n) = the forward transform of a[0 .. na) in Montgomery form.
void forwardOf(const Tables& tb, const Limb* a, std::size_t na, std::size_t n, u32* c)
{
    // Limbs below 2^32 go into Montgomery form by a product with R^2.
    std::copy(a, a + na, c);
    std::fill(c + na, c + n, 0);
    scaleBy(c, na, tb.m.r2, tb.m);
    transform(c, n, tb.m, tb.t, tb.fwd3, false);
}

// c = the plain residues of the cyclic convolution whose transforms are c
// and f (f null: c with itself).
void convolutionFrom(const Tables& tb, u32* c, const u32* f, std::size_t n)
{
    multiplyPointwise(c, f, n, tb.m);
    transform(c, n, tb.m, tb.t, tb.inv3, true);
    // Multiplying the Montgomery form x*R by the plain n^(-1) leaves the
    // plain value x / n.
    const Mont& m = tb.m;
    u32 ninv = m.reduce(m.pow(m.toMont(u32(n % m.p)), m.p - 2));
    scaleBy(c, n, ninv, m);
}

// c[0 .. n) = the cyclic convolution of a and b modulo one prime, as plain
// residues.
void convolve(int which, const Limb* a, std::size_t na, const Limb* b, std::size_t nb, bool square, std::size_t n,
              u32* c, std::vector<u32>& scratch)
{
    const Tables tb = tablesFor(which, n);
    forwardOf(tb, a, na, n, c);
    if (square) {
        convolutionFrom(tb, c, nullptr, n);
        return;
    }
    resizePolled(scratch, n);
    forwardOf(tb, b, nb, n, scratch.data());
    convolutionFrom(tb, c, scratch.data(), n);
}

// The shortest length 2^k or 3 * 2^k (k <= kMaxLog) that holds len terms.
std::size_t lengthFor(std::size_t len)
{
    std::size_t n = std::size_t(3) << kMaxLog;
    for (int k = 0; k <= kMaxLog; ++k) {
        const std::size_t two = std::size_t(1) << k, three = 3 * two;
        if (two >= len)
            n = std::min(n, two);
        if (k >= 2 && three >= len)
            n = std::min(n, three);
    }
    return n;
}

constexpr u64 kP1 = 880803841u, kP2 = 754974721u, kP3 = 943718401u;
constexpr u64 kP12 = kP1 * kP2;  // about 6.65e17 < 10^18
constexpr u64 kP12Lo = kP12 % kBase, kP12Hi = kP12 / kBase;

constexpr u64 powMod(u64 b, u64 e, u64 p)
{
    u64 r = 1;
    b %= p;
    while (e) {
        if (e & 1)
            r = r * b % p;
        b = b * b % p;
        e >>= 1;
    }
    return r;
}
constexpr u64 kInvP1ModP2 = powMod(kP1, kP2 - 2, kP2);
constexpr u64 kInvP12ModP3 = powMod(kP12 % kP3, kP3 - 2, kP3);

// out[0 .. na+nb) from the three residue convolutions r[0 .. 3n) of an
// na-by-nb product.
void recombine(const u32* r, std::size_t n, std::size_t na, std::size_t nb, Limb* out)
{
    const std::size_t len = na + nb - 1;  // number of convolution terms
    const u32* r1 = r;
    const u32* r2 = r + n;
    const u32* r3 = r + 2 * n;

    // Garner: c = x12 + p1*p2*y3 with x12 = r1 + p1*y2 < p1*p2. Writing
    // x12 = e1*B + e0 and p1*p2 = H*B + L (B = 10^9), c puts e0 + y3*L into
    // limb k and e1 + y3*H into limb k+1. Each column sum stays below
    // 9.5e17 + 6.3e17 + 3e9, far inside 64 bits.
    // The residues of Garner's steps are found with Montgomery products
    // modulo p2 and p3, which take any first factor below 2^32:
    //   y2 = (r2 - r1) / p1 mod p2, with r1 < p1 < 2 p2;
    //   y3 = (r3 - r1 - p1*y2) / (p1*p2) mod p3, with r1 < p1 < p3.
    constexpr Mont m2 = kPrimes[1].m, m3 = kPrimes[2].m;
    constexpr u32 kY2 = m2.toMont(u32(kInvP1ModP2));
    constexpr u32 kY3 = m3.toMont(u32(kInvP12ModP3));
    constexpr u32 kY3P1 = m3.toMont(u32(kInvP12ModP3 * (kP1 % kP3) % kP3));
    u64 pending = 0;  // contribution to the current limb from the previous term
    u64 carry = 0;
    const std::size_t total = na + nb;
    for (std::size_t k = 0; k < total; ++k) {
        if (k % kLimbsPerPoll == 0)
            pollCancel();
        u64 acc = pending + carry;
        pending = 0;
        if (k < len) {
            const u32 x1 = r1[k];
            const u32 y2 = m2.mul(r2[k] + u32(2 * kP2) - x1, kY2);
            const u32 y3 = m3.sub(m3.mul(r3[k] + u32(kP3) - x1, kY3), m3.mul(y2, kY3P1));
            const u64 x12 = x1 + kP1 * y2;
            const u64 e1 = x12 / kBase, e0 = x12 - e1 * kBase;
            acc += e0 + u64(y3) * kP12Lo;
            pending = e1 + u64(y3) * kP12Hi;
        }
        carry = acc / kBase;
        out[k] = Limb(acc - carry * kBase);
    }
}


}  // namespace

bool vectorLoops()
{
#ifdef MEGATALLY_NTT_AVX2
    return haveAvx2();
#else
    return false;
#endif
}

void forcePortableLoops(bool portable)
{
#ifdef MEGATALLY_NTT_AVX2
    forcePortable.store(portable, std::memory_order_relaxed);
#else
    (void)portable;
#endif
}

std::atomic<std::size_t> testLimit{0};

std::size_t nttMaxProductLimbs()
{
    const std::size_t limit = testLimit.load(std::memory_order_relaxed);
    const std::size_t real = std::size_t(3) << kMaxLog;
    return limit ? std::min(limit, real) : real;
}

void limitNttForTests(std::size_t maxProductLimbs) { testLimit.store(maxProductLimbs, std::memory_order_relaxed); }

void mulNtt(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    const bool square = a == b && na == nb;
    const std::size_t n = lengthFor(na + nb - 1);  // na + nb - 1 convolution terms
    std::vector<u32> r, scratch;
    resizePolled(r, 3 * n);
    for (int k = 0; k < 3; ++k)
        convolve(k, a, na, b, nb, square, n, r.data() + k * n, scratch);
    recombine(r.data(), n, na, nb, out);
}

NttFactor::NttFactor(const Limb* b, std::size_t nb, std::size_t longest) : limbs_(nb), n_(lengthFor(longest + nb - 1))
{
    resizePolled(f_, 3 * n_);
    for (int k = 0; k < 3; ++k)
        forwardOf(tablesFor(k, n_), b, nb, n_, f_.data() + k * n_);
}

void NttFactor::multiply(const Limb* a, std::size_t na, Limb* out) const
{
    ARITH_ASSERT(na + limbs_ - 1 <= n_);
    std::vector<u32> r;
    resizePolled(r, 3 * n_);
    for (int k = 0; k < 3; ++k) {
        const Tables tb = tablesFor(k, n_);
        forwardOf(tb, a, na, n_, r.data() + k * n_);
        convolutionFrom(tb, r.data() + k * n_, f_.data() + k * n_, n_);
    }
    recombine(r.data(), n_, na, limbs_, out);
}

}  // namespace arith::detail
