// Integer square and cube roots of whole numbers on limb vectors (see
// Decimal.h), exact: the results are floors, never one too high or too low.
//
// The square root is Zimmermann's Karatsuba square root ("Karatsuba Square
// Root", INRIA RR-3805, 1999), the cube root Newton's iteration with doubling
// precision. Both run on the multiplication and division dispatchers
// (multiplyLimbs, divideLimbs through LimbOps.h), so that their cost is a
// small multiple of one product of the input's length, and both poll for
// cancellation once per level of their recursion.
#pragma once

#include "arith/detail/Decimal.h"

namespace arith::detail {

// floor(sqrt(n)); 0 for 0.
Limbs sqrtFloor(const Limbs& n);
// floor(cbrt(n)); 0 for 0.
Limbs cbrtFloor(const Limbs& n);

}  // namespace arith::detail
