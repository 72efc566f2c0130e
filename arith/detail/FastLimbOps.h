// Small linear-time helpers on base-10^9 limb arrays, shared by the fast
// multiplication and division. Lengths are in limbs; arrays are little-endian.
#pragma once

#include "arith/detail/Kernels.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace arith::detail::fast {

// Length without leading zero limbs (0 for the value zero).
inline std::size_t normLen(const Limb* a, std::size_t n)
{
    while (n > 0 && a[n - 1] == 0) --n;
    return n;
}

// Compares a[0 .. na) with b[0 .. nb); leading zero limbs are allowed.
inline int cmpLimbs(const Limb* a, std::size_t na, const Limb* b, std::size_t nb)
{
    na = normLen(a, na);
    nb = normLen(b, nb);
    if (na != nb) return na < nb ? -1 : 1;
    for (std::size_t i = na; i-- > 0;) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

// r[0 .. na) = a + b with na >= nb; returns the carry out (0 or 1).
// r may be a or b.
inline Limb addLimbs(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb)
{
    Limb c = 0;
    std::size_t i = 0;
    for (; i < nb; ++i) {
        Limb s = a[i] + b[i] + c;
        c = s >= kBase;
        r[i] = c ? s - kBase : s;
    }
    for (; i < na; ++i) {
        Limb s = a[i] + c;
        c = s >= kBase;
        r[i] = c ? s - kBase : s;
    }
    return c;
}

// r[0 .. na) = a - b with na >= nb; returns the borrow out (0 or 1).
// r may be a or b.
inline Limb subLimbs(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb)
{
    Limb br = 0;
    std::size_t i = 0;
    for (; i < nb; ++i) {
        Limb t = b[i] + br;
        br = a[i] < t;
        r[i] = br ? a[i] + kBase - t : a[i] - t;
    }
    for (; i < na; ++i) {
        Limb t = br;
        br = a[i] < t;
        r[i] = br ? a[i] + kBase - t : a[i] - t;
    }
    return br;
}

// r[0 .. nr) += a[0 .. na), na <= nr; returns the carry out of r.
inline Limb addInto(Limb* r, std::size_t nr, const Limb* a, std::size_t na)
{
    Limb c = 0;
    std::size_t i = 0;
    for (; i < na; ++i) {
        Limb s = r[i] + a[i] + c;
        c = s >= kBase;
        r[i] = c ? s - kBase : s;
    }
    for (; c && i < nr; ++i) {
        Limb s = r[i] + 1;
        c = s >= kBase;
        r[i] = c ? 0 : s;
    }
    return c;
}

// r[0 .. nr) -= a[0 .. na), na <= nr; returns the borrow out of r.
inline Limb subFrom(Limb* r, std::size_t nr, const Limb* a, std::size_t na)
{
    Limb br = 0;
    std::size_t i = 0;
    for (; i < na; ++i) {
        Limb t = a[i] + br;
        br = r[i] < t;
        r[i] = br ? r[i] + kBase - t : r[i] - t;
    }
    for (; br && i < nr; ++i) {
        br = r[i] == 0;
        r[i] = br ? kBase - 1 : r[i] - 1;
    }
    return br;
}

// r[0 .. n) = a * m + carry-in; returns the carry out (below 10^9).
inline Limb mulLimb(Limb* r, const Limb* a, std::size_t n, Limb m, Limb carry = 0)
{
    std::uint64_t c = carry;
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t t = std::uint64_t(a[i]) * m + c;
        c = t / kBase;
        r[i] = Limb(t - c * kBase);
    }
    return Limb(c);
}

// r[0 .. n) = a / d from the top down; returns the remainder. d >= 1.
inline Limb divLimb(Limb* r, const Limb* a, std::size_t n, Limb d)
{
    std::uint64_t rem = 0;
    for (std::size_t i = n; i-- > 0;) {
        std::uint64_t t = rem * kBase + a[i];
        std::uint64_t q = t / d;
        rem = t - q * d;
        r[i] = Limb(q);
    }
    return Limb(rem);
}

}  // namespace arith::detail::fast
