#include "arith/tests/core/Reference.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace arith_test {

// out[0 .. na+nb) = a * b, one row of b at a time with a running carry.
void mulSchoolbook(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    std::fill(out, out + na + nb, Limb{0});
    for (std::size_t i = 0; i < nb; ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < na; ++j) {
            const std::uint64_t t = std::uint64_t(b[i]) * a[j] + out[i + j] + carry;  // < 10^18
            out[i + j] = Limb(t % kBase);
            carry = t / kBase;
        }
        out[i + na] = Limb(carry);
    }
}

// q[0 .. nu-nv+1) and r[0 .. nv) for u / v (nu >= nv >= 1, v's top limb not
// zero). Each quotient limb is estimated in long double from the leading
// limbs of the running remainder and of v (off by a few units at most) and
// then corrected by comparing q * v with the remainder exactly.
void divSchoolbook(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    // rem holds nv + 1 limbs: the running remainder times 10^9 plus the next limb.
    std::vector<Limb> rem(nv + 1, 0), t(nv + 1);
    auto product = [&](std::uint64_t d) {  // t = v * d
        std::uint64_t c = 0;
        for (std::size_t i = 0; i < nv; ++i) {
            const std::uint64_t x = std::uint64_t(v[i]) * d + c;
            t[i] = Limb(x % kBase);
            c = x / kBase;
        }
        t[nv] = Limb(c);
    };
    auto less = [&](const std::vector<Limb>& x, const std::vector<Limb>& y) {  // x < y
        for (std::size_t i = nv + 1; i-- > 0;)
            if (x[i] != y[i])
                return x[i] < y[i];
        return false;
    };
    auto lead = [&](const Limb* x, std::size_t n) {  // the top three limbs as a number
        long double s = 0;
        for (std::size_t k = 0; k < 3; ++k)
            s = s * kBase + (n > k ? x[n - 1 - k] : 0);
        return s;
    };
    const long double vLead = lead(v, nv);
    std::copy(u + nu - nv + 1, u + nu, rem.begin());  // all of the first window but its lowest limb
    for (std::size_t j = nu - nv + 1; j-- > 0;) {
        // rem = rem * 10^9 + the next limb of u.
        std::copy_backward(rem.begin(), rem.end() - 1, rem.end());
        rem[0] = u[j];
        // rem / v ~ lead(rem over nv + 1 limbs) / lead(v) / 10^9.
        long double est = lead(rem.data(), nv + 1) / vLead * kBase;
        std::uint64_t d = est < 1 ? 0 : std::min<std::uint64_t>(std::uint64_t(est), kBase - 1);
        product(d);
        while (less(rem, t))
            product(--d);
        for (;;) {
            product(d + 1);
            if (less(rem, t))
                break;
            ++d;
        }
        product(d);
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i <= nv; ++i) {
            const std::uint64_t sub = t[i] + borrow;
            borrow = rem[i] < sub;
            rem[i] = Limb(rem[i] + (borrow ? kBase : 0) - sub);
        }
        q[j] = Limb(d);
    }
    std::copy(rem.begin(), rem.begin() + nv, r);
}

}  // namespace arith_test
