// Exact product of limb arrays by number-theoretic transforms.
//
// The product of a (na limbs) and b (nb limbs) is the convolution
// c_k = sum a_i * b_(k-i), followed by carrying in base 10^9. Each c_k is a
// sum of at most min(na, nb) terms below (10^9 - 1)^2 < 10^18. The transform
// length is a power of two L >= na + nb - 1, and L <= 2^23 (the largest
// power of two dividing p - 1 for the smallest prime below), so
// min(na, nb) <= 2^22 and c_k < 2^22 * 10^18 < 4.2e24. The convolution is
// computed modulo the three primes
//     p1 = 998244353 = 119 * 2^23 + 1
//     p2 = 167772161 =   5 * 2^25 + 1
//     p3 = 469762049 =   7 * 2^26 + 1
// whose product is about 7.8e25 > 4.2e24, so the Chinese remainder theorem
// gives every c_k exactly.
#include "arith/detail/FastMultiply.h"

#include <cstdint>
#include <vector>

namespace arith::detail {
namespace {

using u32 = std::uint32_t;
using u64 = std::uint64_t;

constexpr int kMaxLog = 23;

// Montgomery arithmetic modulo an odd prime p < 2^30 with R = 2^32. Values
// are kept fully reduced in [0, p).
struct Mont {
    u32 p;
    u32 pinv;  // -p^(-1) mod 2^32
    u32 r2;    // R^2 mod p

    constexpr explicit Mont(u32 prime) : p(prime), pinv(0), r2(0)
    {
        u32 inv = prime;  // Newton iteration for p^(-1) mod 2^32
        for (int i = 0; i < 5; ++i) inv *= 2u - prime * inv;
        pinv = 0u - inv;
        u64 r = (u64(1) << 32) % prime;
        r2 = u32(r * r % prime);
    }
    u32 reduce(u64 t) const
    {
        u32 m = u32(t) * pinv;
        u32 r = u32((t + u64(m) * p) >> 32);
        return r >= p ? r - p : r;
    }
    u32 mul(u32 a, u32 b) const { return reduce(u64(a) * b); }
    u32 toMont(u32 a) const { return reduce(u64(a) * r2); }  // any a < 2^32
    u32 add(u32 a, u32 b) const
    {
        u32 s = a + b;
        return s >= p ? s - p : s;
    }
    u32 sub(u32 a, u32 b) const { return a >= b ? a - b : a + p - b; }
    u32 pow(u32 baseMont, u64 e) const
    {
        u32 r = toMont(1);
        while (e) {
            if (e & 1) r = mul(r, baseMont);
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
    {Mont(998244353u), 3},
    {Mont(167772161u), 3},
    {Mont(469762049u), 3},
};

// Twiddle factors for one prime in Montgomery form: for each level with
// half-length h (a power of two), tw[h + j] = w_(2h)^j, j < h; itw the same
// for the inverse roots. Grown on demand, one table per thread.
struct Twiddles {
    std::vector<u32> tw, itw;
    void ensure(const Prime& pr, std::size_t n)
    {
        if (tw.size() >= n) return;
        const Mont& m = pr.m;
        tw.assign(n, 0);
        itw.assign(n, 0);
        for (std::size_t h = 1; h < n; h <<= 1) {
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

// Decimation in frequency: natural order in, bit-reversed order out.
void forward(u32* a, std::size_t n, const Mont& m, const u32* tw)
{
    for (std::size_t h = n / 2; h >= 1; h >>= 1) {
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

// Decimation in time: bit-reversed order in, natural order out (unscaled).
void inverse(u32* a, std::size_t n, const Mont& m, const u32* itw)
{
    for (std::size_t h = 1; h < n; h <<= 1) {
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

// c[0 .. n) = the cyclic convolution of a and b modulo one prime, as plain
// residues.
void convolve(int which, const Limb* a, std::size_t na, const Limb* b, std::size_t nb, bool square,
              std::size_t n, u32* c, std::vector<u32>& scratch)
{
    const Prime& pr = kPrimes[which];
    const Mont& m = pr.m;
    Twiddles& t = twiddles(which);
    t.ensure(pr, n);

    for (std::size_t i = 0; i < na; ++i) c[i] = m.toMont(a[i]);
    for (std::size_t i = na; i < n; ++i) c[i] = 0;
    forward(c, n, m, t.tw.data());
    if (square) {
        for (std::size_t i = 0; i < n; ++i) c[i] = m.mul(c[i], c[i]);
    } else {
        scratch.resize(n);
        u32* f = scratch.data();
        for (std::size_t i = 0; i < nb; ++i) f[i] = m.toMont(b[i]);
        for (std::size_t i = nb; i < n; ++i) f[i] = 0;
        forward(f, n, m, t.tw.data());
        for (std::size_t i = 0; i < n; ++i) c[i] = m.mul(c[i], f[i]);
    }
    inverse(c, n, m, t.itw.data());
    // Multiplying the Montgomery form x*R by the plain n^(-1) leaves the
    // plain value x / n.
    u32 ninv = m.reduce(m.pow(m.toMont(u32(n % m.p)), m.p - 2));
    for (std::size_t i = 0; i < n; ++i) c[i] = m.mul(c[i], ninv);
}

constexpr u64 kP1 = 998244353u, kP2 = 167772161u, kP3 = 469762049u;
constexpr u64 kP12 = kP1 * kP2;  // about 1.67e17 < 10^18
constexpr u64 kP12Lo = kP12 % kBase, kP12Hi = kP12 / kBase;

constexpr u64 powMod(u64 b, u64 e, u64 p)
{
    u64 r = 1;
    b %= p;
    while (e) {
        if (e & 1) r = r * b % p;
        b = b * b % p;
        e >>= 1;
    }
    return r;
}
constexpr u64 kInvP1ModP2 = powMod(kP1, kP2 - 2, kP2);
constexpr u64 kInvP12ModP3 = powMod(kP12 % kP3, kP3 - 2, kP3);

}  // namespace

std::size_t nttMaxProductLimbs()
{
    return std::size_t(1) << kMaxLog;
}

void mulNtt(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    const bool square = a == b && na == nb;
    const std::size_t len = na + nb - 1;  // number of convolution terms
    std::size_t n = 1;
    while (n < len) n <<= 1;

    std::vector<u32> r(3 * n), scratch;
    for (int k = 0; k < 3; ++k) convolve(k, a, na, b, nb, square, n, r.data() + k * n, scratch);
    const u32* r1 = r.data();
    const u32* r2 = r.data() + n;
    const u32* r3 = r.data() + 2 * n;

    // Garner: c = x12 + p1*p2*y3 with x12 = r1 + p1*y2 < p1*p2. Writing
    // x12 = e1*B + e0 and p1*p2 = H*B + L (B = 10^9), c puts e0 + y3*L into
    // limb k and e1 + y3*H into limb k+1. Each column sum stays below
    // 5.4e17 + 8e16 + 2e9, far inside 64 bits.
    u64 pending = 0;  // contribution to the current limb from the previous term
    u64 carry = 0;
    const std::size_t total = na + nb;
    for (std::size_t k = 0; k < total; ++k) {
        u64 acc = pending + carry;
        pending = 0;
        if (k < len) {
            u64 x1 = r1[k];
            u64 y2 = (r2[k] + kP2 - x1 % kP2) % kP2 * kInvP1ModP2 % kP2;
            u64 x12 = x1 + kP1 * y2;
            u64 y3 = (r3[k] + kP3 - x12 % kP3) % kP3 * kInvP12ModP3 % kP3;
            u64 e1 = x12 / kBase, e0 = x12 - e1 * kBase;
            acc += e0 + y3 * kP12Lo;
            pending = e1 + y3 * kP12Hi;
        }
        carry = acc / kBase;
        out[k] = Limb(acc - carry * kBase);
    }
}

}  // namespace arith::detail
