// The multiplication methods behind multiplyLimbs, one entry point each so
// that tests and benchmarks can compare them. Every method writes the full
// product out[0 .. na+nb) of a[0 .. na) and b[0 .. nb) (na, nb >= 1, out not
// overlapping the operands) and does one level of its own splitting; the
// smaller products it needs go back through multiplyLimbs.
#pragma once

#include "arith/detail/Kernels.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace arith::detail {

// Cut-offs in limbs of the shorter operand (see Multiplication.cpp for how
// they were measured). Sizes below `karatsuba` use mulBasecase, sizes from
// `ntt` on the transform. The basecase rows and the transform run several
// lanes at a time where the processor can (vectorLoops()), which changes
// every cut-off.
struct MulCutoffs {
    std::size_t karatsuba;
    std::size_t toom3;
    std::size_t ntt;
};
inline constexpr MulCutoffs kScalarCutoffs{40, 320, 1200};
inline constexpr MulCutoffs kScalarSquareCutoffs{40, 320, 900};
inline constexpr MulCutoffs kVectorCutoffs{256, 320, 320};
inline constexpr MulCutoffs kVectorSquareCutoffs{176, 256, 256};
// The set in use on this processor, for products or for squares.
const MulCutoffs& mulCutoffs(bool square);

// True when the basecase rows and the transform use the processor's 256-bit
// vector instructions (AVX2), checked once at run time.
bool vectorLoops();
// Tests and benchmarks: use the portable loops only (true), or as the
// processor allows again (false).
void forcePortableLoops(bool portable);

// col[0 .. n) += m * a[0 .. n) modulo 2^64, where m's low 32 bits are a
// signed multiplier (|m| < 2^31) and the rest its sign: the rows of the
// basecase product (0 <= m < 10^9) and, with m = -q, of the long division
// (signed 64-bit columns). Four lanes at a time where vectorLoops().
using RowLoop = void (*)(std::uint64_t* col, const Limb* a, std::size_t n, std::uint64_t m);
RowLoop rowLoop();

// Longest product the transform can take (limbs of a plus limbs of b).
std::size_t nttMaxProductLimbs();
// Tests: let the dispatcher treat products above maxProductLimbs as too
// long for the transform (0 restores the real limit).
void limitNttForTests(std::size_t maxProductLimbs);

// Row-by-row product accumulated in 64-bit columns, O(na * nb).
void mulBasecase(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out);
// One Karatsuba split at half of the longer operand (squares a itself when
// b == a and nb == na).
void mulKaratsuba(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out);
// One Toom-3 split (evaluation at 0, 1, -1, -2 and infinity) at a third of
// the longer operand.
void mulToom3(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out);
// Exact product by number-theoretic transforms modulo three primes below
// 2^30 and the Chinese remainder theorem; na + nb <= nttMaxProductLimbs().
void mulNtt(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out);

// True when multiplyLimbs hands an na-by-nb product (not a square) to the
// transform.
bool takesTransform(std::size_t na, std::size_t nb);

// One factor b[0 .. nb) transformed once for several products by it, each
// with a factor of at most `longest` limbs: the products mulNtt would give,
// with one forward transform fewer each. b itself is not kept.
class NttFactor {
public:
    NttFactor(const Limb* b, std::size_t nb, std::size_t longest);
    // out[0 .. na+nb) = a[0 .. na) * b, na <= longest.
    void multiply(const Limb* a, std::size_t na, Limb* out) const;

private:
    std::size_t limbs_;
    std::size_t n_;                 // transform length
    std::vector<std::uint32_t> f_;  // the three transforms of b, n_ values each
};

}  // namespace arith::detail
