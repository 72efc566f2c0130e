// The linear-time loops on base-10^9 limb arrays that every kernel shares:
// pointer and length in, little-endian, lengths in limbs. Results may be
// written over an operand that starts at the same limb (r == a); any other
// overlap is a broken contract (ARITH_ASSERT).
#pragma once

#include "arith/detail/Assert.h"
#include "arith/detail/Kernels.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace arith::detail {

// 10^k for k < 9: the multiplier that shifts a limb array by k digits.
inline constexpr Limb kPow10[kLimbDigits] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// Length without leading zero limbs (0 for the value zero).
inline std::size_t normLen(const Limb* a, std::size_t n)
{
    while (n > 0 && a[n - 1] == 0)
        --n;
    return n;
}

// Compares a[0 .. na) with b[0 .. nb); leading zero limbs are allowed.
inline int cmpLimbs(const Limb* a, std::size_t na, const Limb* b, std::size_t nb)
{
    na = normLen(a, na);
    nb = normLen(b, nb);
    if (na != nb)
        return na < nb ? -1 : 1;
    for (std::size_t i = na; i-- > 0;) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

// r[0 .. n) = a + b + carry (all n limbs long); returns the carry out.
inline Limb addSame(Limb* r, const Limb* a, const Limb* b, std::size_t n, Limb carry = 0)
{
    // The carry is a mask, not a branch: on random limbs a branch on it is
    // mispredicted half the time.
    for (std::size_t i = 0; i < n; ++i) {
        const Limb s = a[i] + b[i] + carry;  // < 2 * 10^9 + 1 < 2^32
        carry = s >= kBase;
        r[i] = s - (kBase & (0u - carry));
    }
    return carry;
}

// r[0 .. n) = a - b - borrow; returns the borrow out.
inline Limb subSame(Limb* r, const Limb* a, const Limb* b, std::size_t n, Limb borrow = 0)
{
    for (std::size_t i = 0; i < n; ++i) {  // the borrow as a mask, as in addSame
        const Limb t = b[i] + borrow;
        borrow = a[i] < t;
        r[i] = a[i] - t + (kBase & (0u - borrow));
    }
    return borrow;
}

// r[0 .. n) = a + carry (carry 0 or 1); returns the carry out. Once the
// carry is absorbed the rest is copied (nothing to do in place).
inline Limb carryThrough(Limb* r, const Limb* a, std::size_t n, Limb carry)
{
    std::size_t i = 0;
    for (; carry && i < n; ++i) {
        carry = a[i] == kBase - 1;
        r[i] = carry ? 0 : a[i] + 1;
    }
    if (r != a)
        std::copy(a + i, a + n, r + i);
    return carry;
}

// r[0 .. n) = a - borrow (borrow 0 or 1); returns the borrow out.
inline Limb borrowThrough(Limb* r, const Limb* a, std::size_t n, Limb borrow)
{
    std::size_t i = 0;
    for (; borrow && i < n; ++i) {
        borrow = a[i] == 0;
        r[i] = borrow ? kBase - 1 : a[i] - 1;
    }
    if (r != a)
        std::copy(a + i, a + n, r + i);
    return borrow;
}

// r[0 .. na) = a + b with na >= nb; returns the carry out (0 or 1).
inline Limb addArrays(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb)
{
    ARITH_ASSERT(na >= nb);
    ARITH_ASSERT(sameOrDisjoint(r, na, a, na) && sameOrDisjoint(r, na, b, nb));
    return carryThrough(r + nb, a + nb, na - nb, addSame(r, a, b, nb));
}

// r[0 .. na) = a - b with na >= nb; returns the borrow out (0 or 1).
inline Limb subArrays(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb)
{
    ARITH_ASSERT(na >= nb);
    ARITH_ASSERT(sameOrDisjoint(r, na, a, na) && sameOrDisjoint(r, na, b, nb));
    return borrowThrough(r + nb, a + nb, na - nb, subSame(r, a, b, nb));
}

// r[0 .. nr) += a[0 .. na), na <= nr; returns the carry out of r.
inline Limb addInto(Limb* r, std::size_t nr, const Limb* a, std::size_t na)
{
    ARITH_ASSERT(na <= nr && disjoint(r, nr, a, na));
    return carryThrough(r + na, r + na, nr - na, addSame(r, r, a, na));
}

// r[0 .. nr) -= a[0 .. na), na <= nr; returns the borrow out of r.
inline Limb subFrom(Limb* r, std::size_t nr, const Limb* a, std::size_t na)
{
    ARITH_ASSERT(na <= nr && disjoint(r, nr, a, na));
    return borrowThrough(r + na, r + na, nr - na, subSame(r, r, a, na));
}

// r[0 .. n) = a * m + carry-in (m, carry < 10^9); returns the carry out.
inline Limb mulLimb(Limb* r, const Limb* a, std::size_t n, Limb m, Limb carry = 0)
{
    ARITH_ASSERT(m < kBase && carry < kBase && sameOrDisjoint(r, n, a, n));
    std::uint64_t c = carry;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t t = std::uint64_t(a[i]) * m + c;
        c = t / kBase;
        r[i] = Limb(t - c * kBase);
    }
    return Limb(c);
}

// r[0 .. n) = a / d from the top down; returns the remainder. 1 <= d < 10^9.
inline Limb divLimb(Limb* r, const Limb* a, std::size_t n, Limb d)
{
    ARITH_ASSERT(d >= 1 && d < kBase && sameOrDisjoint(r, n, a, n));
    std::uint64_t rem = 0;
    for (std::size_t i = n; i-- > 0;) {
        const std::uint64_t t = rem * kBase + a[i];
        const std::uint64_t q = t / d;
        rem = t - q * d;
        r[i] = Limb(q);
    }
    return Limb(rem);
}

}  // namespace arith::detail
