// Whole-number arithmetic on trimmed limb vectors (see Decimal.h), the
// layer between the decimal-string procedures and the raw kernels.
// Every result is trimmed.
#pragma once

#include "arith/detail/Decimal.h"

#include <cstddef>

namespace arith::detail {

// -1, 0 or 1 as a <, ==, > b.
int compareLimbs(const Limbs& a, const Limbs& b);

Limbs addLimbs(const Limbs& a, const Limbs& b);
// a - b; requires a >= b.
Limbs subtractLimbs(const Limbs& a, const Limbs& b);
// a * b through multiplyLimbs.
Limbs multiplyLimbVectors(const Limbs& a, const Limbs& b);
// a * 10^k.
Limbs shiftLeftDecimal(const Limbs& a, std::size_t k);
// q = u / v, r = u % v through divideLimbs; v must not be zero.
void divModLimbs(const Limbs& u, const Limbs& v, Limbs& q, Limbs& r);

// Brings two scaled numbers to the same scale (the larger of the two) by
// multiplying the magnitude of the other by a power of ten.
void alignScales(Scaled& a, Scaled& b);

}  // namespace arith::detail
