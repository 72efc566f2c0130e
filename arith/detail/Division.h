// The division methods behind divideLimbs, one entry point each so that
// tests and benchmarks can compare them. Both take the divideLimbs contract:
// q[0 .. nu-nv+1) and r[0 .. nv) for u[0 .. nu) / v[0 .. nv), nu >= nv >= 1,
// v[nv-1] != 0, outputs not overlapping the inputs or each other.
#pragma once

#include "arith/detail/Kernels.h"

#include <cstddef>

namespace arith::detail {

// Quotient limbs below which the recursive division hands a block to the
// long division (see Division.cpp).
inline constexpr std::size_t kDivRecursiveThreshold = 400;

// Long division a limb at a time (Knuth's algorithm D), O(nv * (nu-nv+1)).
void divBasecase(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r);
// Tests: move every quotient-limb estimate of the long division by one, up
// and down in turn (true), so that the corrections real estimates need only
// rarely run on every division; false restores the true estimates.
void skewDivisionEstimatesForTests(bool skew);

// Divide-and-conquer division on top of multiplyLimbs: the dividend is taken
// in blocks as long as the divisor, each block split in halves recursively.
void divRecursive(const Limb* u, std::size_t nu, const Limb* v, std::size_t nv, Limb* q, Limb* r);

}  // namespace arith::detail
