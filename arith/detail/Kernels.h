// Limb kernels under the decimal-string arithmetic: the two dispatchers.
//
// Inside the arithmetic a non-negative integer is a little-endian array of
// limbs, each holding nine decimal digits (base 10^9), so that decimal text
// converts to and from limbs in linear time. See README.md in this folder
// for which file holds which method.
#pragma once

#include <cstddef>
#include <cstdint>

namespace arith::detail {

using Limb = std::uint32_t;
inline constexpr Limb kBase = 1'000'000'000u;
inline constexpr int kLimbDigits = 9;

// out[0 .. na+nb) = a[0 .. na) * b[0 .. nb), choosing the fastest method for
// the sizes. na, nb >= 1; out must not overlap a or b (a and b may be the
// same array: a square).
void multiplyLimbs(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out);

// Quotient and remainder of u[0 .. nu) by v[0 .. nv): q[0 .. nu-nv+1) and
// r[0 .. nv), choosing the fastest method for the sizes. nu >= nv >= 1,
// v[nv-1] != 0; q and r must not overlap the inputs or each other.
void divideLimbs(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r);

}  // namespace arith::detail
