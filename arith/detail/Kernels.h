// Limb kernels under the decimal-string arithmetic.
//
// Inside the arithmetic a non-negative integer is a little-endian array of
// limbs, each holding nine decimal digits (base 10^9), so that decimal text
// converts to and from limbs in linear time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace arith::detail {

using Limb = std::uint32_t;
inline constexpr Limb kBase = 1'000'000'000u;
inline constexpr int kLimbDigits = 9;

// out[0 .. na+nb) = a[0 .. na) * b[0 .. nb). na, nb >= 1; out must not
// overlap a or b. The schoolbook product, O(na * nb).
void mulSchoolbook(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out);

// The same product, choosing the fastest method for the sizes.
void multiplyLimbs(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out);

// Quotient and remainder of u[0 .. nu) by v[0 .. nv): q[0 .. nu-nv+1) and
// r[0 .. nv). nu >= nv >= 1, v[nv-1] != 0; q and r must not overlap the
// inputs. The schoolbook long division, a limb at a time, O(nv * (nu-nv+1)).
void divSchoolbook(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r);

// The same division, choosing the fastest method for the sizes.
void divideLimbs(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r);

}  // namespace arith::detail
