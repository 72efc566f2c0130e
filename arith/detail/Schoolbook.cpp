// Schoolbook multiplication and long division on base 10^9 limbs.
#include "arith/detail/Kernels.h"

#include "arith/Cancel.h"

#include <algorithm>
#include <vector>

namespace arith::detail {

namespace {

using Wide = std::uint64_t;
constexpr Wide kB = kBase;

// x[0..n) *= m (m < kBase); returns the carry limb.
Limb mulSmallInPlace(Limb* x, std::size_t n, Limb m)
{
    Wide carry = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Wide t = static_cast<Wide>(x[i]) * m + carry;
        x[i] = static_cast<Limb>(t % kB);
        carry = t / kB;
    }
    return static_cast<Limb>(carry);
}

// x[0..n) /= m; returns the remainder.
Limb divSmallInPlace(Limb* x, std::size_t n, Limb m)
{
    Wide rem = 0;
    for (std::size_t i = n; i-- > 0;) {
        const Wide t = rem * kB + x[i];
        x[i] = static_cast<Limb>(t / m);
        rem = t % m;
    }
    return static_cast<Limb>(rem);
}

}  // namespace

void mulSchoolbook(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out)
{
    // Let the longer operand run in the inner loop.
    if (na < nb) {
        std::swap(a, b);
        std::swap(na, nb);
    }
    std::fill(out, out + na + nb, Limb{0});
    for (std::size_t i = 0; i < nb; ++i) {
        pollCancel();  // a row is na multiply-adds: the poll is noise
        const Wide m = b[i];
        if (m == 0)
            continue;
        Wide carry = 0;
        Limb* row = out + i;
        for (std::size_t j = 0; j < na; ++j) {
            // < (10^9-1)^2 + 2 * (10^9-1) < 10^18: fits easily.
            const Wide t = m * a[j] + row[j] + carry;
            row[j] = static_cast<Limb>(t % kB);
            carry = t / kB;
        }
        row[na] = static_cast<Limb>(carry);
    }
}

void divSchoolbook(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r)
{
    const std::size_t nq = nu - nv + 1;
    if (nv == 1) {
        std::copy(u, u + nu, q);
        r[0] = divSmallInPlace(q, nu, v[0]);
        return;
    }

    // Knuth, algorithm D. Normalise so that the divisor's top limb is at
    // least kBase / 2; then each estimated quotient limb is at most two too
    // large.
    const Limb f = static_cast<Limb>(kB / (static_cast<Wide>(v[nv - 1]) + 1));
    std::vector<Limb> un(u, u + nu);
    un.push_back(mulSmallInPlace(un.data(), nu, f));
    std::vector<Limb> vn(v, v + nv);
    mulSmallInPlace(vn.data(), nv, f);  // no carry: f * v < kBase^nv

    const Wide vTop = vn[nv - 1];
    const Wide vNext = vn[nv - 2];
    for (std::size_t j = nq; j-- > 0;) {
        pollCancel();
        // Estimate the quotient limb from the top two limbs of the window.
        const Wide top = static_cast<Wide>(un[j + nv]) * kB + un[j + nv - 1];
        Wide qhat = top / vTop;
        Wide rhat = top % vTop;
        while (qhat >= kB || qhat * vNext > rhat * kB + un[j + nv - 2]) {
            --qhat;
            rhat += vTop;
            if (rhat >= kB)
                break;
        }

        // Multiply and subtract qhat * vn from the window un[j .. j+nv].
        Wide carry = 0;
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < nv; ++i) {
            const Wide p = qhat * vn[i] + carry;
            carry = p / kB;
            std::int64_t t = static_cast<std::int64_t>(un[i + j]) -
                             static_cast<std::int64_t>(p % kB) - borrow;
            borrow = 0;
            if (t < 0) {
                t += static_cast<std::int64_t>(kB);
                borrow = 1;
            }
            un[i + j] = static_cast<Limb>(t);
        }
        std::int64_t t = static_cast<std::int64_t>(un[j + nv]) - static_cast<std::int64_t>(carry) - borrow;
        if (t < 0) {
            // qhat was one too large: add the divisor back once.
            un[j + nv] = static_cast<Limb>(t + static_cast<std::int64_t>(kB));
            --qhat;
            Wide c = 0;
            for (std::size_t i = 0; i < nv; ++i) {
                const Wide s = static_cast<Wide>(un[i + j]) + vn[i] + c;
                un[i + j] = static_cast<Limb>(s % kB);
                c = s / kB;
            }
            un[j + nv] = static_cast<Limb>((static_cast<Wide>(un[j + nv]) + c) % kB);
        } else {
            un[j + nv] = static_cast<Limb>(t);
        }
        q[j] = static_cast<Limb>(qhat);
    }

    // The remainder is the low nv limbs, still multiplied by f.
    std::copy(un.begin(), un.begin() + static_cast<std::ptrdiff_t>(nv), r);
    divSmallInPlace(r, nv, f);
}

}  // namespace arith::detail
