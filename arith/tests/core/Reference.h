// The reference kernels the fast methods are compared against: the plainest
// product and long division there are, written for clarity, not speed, and
// sharing no code with the product's kernels. Reference.cpp is compiled with
// the optimiser even where the tests are not: at -O0 under the sanitizers
// these loops were most of the time of the whole program.
#pragma once

#include "arith/detail/Kernels.h"

#include <cstddef>

namespace arith_test {

using arith::detail::kBase;
using arith::detail::Limb;

// out[0 .. na+nb) = a * b, one row of b at a time with a running carry.
void mulSchoolbook(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out);

// q[0 .. nu-nv+1) and r[0 .. nv) for u / v (nu >= nv >= 1, v's top limb not
// zero). Each quotient limb is estimated in long double from the leading
// limbs of the running remainder and of v (off by a few units at most) and
// then corrected by comparing q * v with the remainder exactly.
void divSchoolbook(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r);

}  // namespace arith_test
