// The fast multiplication methods against the schoolbook product, on sizes
// just below, at and above every cut-off, on unbalanced operands and on
// operands made of all-9 limbs, zero limbs, leading zeros and zero.
#include "arith/detail/Multiplication.h"
#include "arith/detail/Kernels.h"
#include "arith/tests/core/Reference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace arith::detail {
namespace {

using Limbs = std::vector<Limb>;

enum class Fill { Random, Nines, Sparse, LeadingZeros, Zero };

Limbs make(std::size_t n, Fill fill, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<Limb> limb(0, kBase - 1);
    Limbs v(n);
    for (std::size_t i = 0; i < n; ++i) {
        switch (fill) {
        case Fill::Random: v[i] = limb(rng); break;
        case Fill::Nines: v[i] = kBase - 1; break;
        case Fill::Sparse: v[i] = (rng() % 4 == 0) ? limb(rng) : (rng() % 2 ? 0 : kBase - 1); break;
        case Fill::LeadingZeros: v[i] = i + n / 3 >= n ? 0 : limb(rng); break;
        case Fill::Zero: v[i] = 0; break;
        }
    }
    return v;
}

Limbs schoolbook(const Limbs& a, const Limbs& b)
{
    Limbs out(a.size() + b.size());
    arith_test::mulSchoolbook(a.data(), a.size(), b.data(), b.size(), out.data());
    return out;
}

using Method = void (*)(const Limb*, std::size_t, const Limb*, std::size_t, Limb*);

struct MethodCase {
    const char* name;
    Method fn;
};

const MethodCase kMethods[] = {
    {"basecase", mulBasecase}, {"karatsuba", mulKaratsuba}, {"toom3", mulToom3},
    {"ntt", mulNtt},           {"dispatch", multiplyLimbs},
};

struct SizeCase {
    std::size_t na, nb;
};

// Both cut-off sets: the one for the eight-lane transform and the one for
// the portable transform.
const MulCutoffs* const kCutoffSets[] = {&kVectorCutoffs, &kScalarCutoffs};
const MulCutoffs* const kSquareCutoffSets[] = {&kVectorSquareCutoffs, &kScalarSquareCutoffs};

// Sizes at the cut-offs of the dispatcher and the shapes each split makes.
std::vector<SizeCase> thresholdSizes(const MulCutoffs& cut)
{
    std::vector<SizeCase> s = {{1, 1}, {2, 1}, {1, 7}, {3, 3}, {5, 4}, {7, 2}};
    for (std::size_t t : {cut.karatsuba, cut.toom3, cut.ntt}) {
        for (std::size_t n : {t - 1, t, t + 1}) {
            s.push_back({n, n});
            s.push_back({n, n - n / 3});  // unbalanced, still one split
            s.push_back({2 * n - 1, n});  // just below the piecewise cut
            s.push_back({2 * n + 3, n});  // piecewise, short last piece
        }
    }
    return s;
}

// Runs the body once with the loops as this processor runs them and once
// with the portable loops (the same run twice where they are the same).
template <class Body> void forEachTransform(Body body)
{
    for (bool portable : {false, true}) {
        forcePortableLoops(portable);
        body(portable ? "portable loops" : "native loops");
    }
    forcePortableLoops(false);
}

TEST(FastMultiply, EveryMethodMatchesSchoolbookAroundCutoffs)
{
    std::uint32_t seed = 1;
    forEachTransform([&](const char* mode) {
        for (const MulCutoffs* cut : kCutoffSets) {
            for (const SizeCase& sz : thresholdSizes(*cut)) {
                // Every fill near the small cut-offs, three at the large ones.
                const bool large = sz.nb > 300;
                for (Fill fill : {Fill::Random, Fill::Nines, Fill::Sparse, Fill::LeadingZeros, Fill::Zero}) {
                    if (large && (fill == Fill::Sparse || fill == Fill::LeadingZeros))
                        continue;
                    const Limbs a = make(sz.na, fill, seed++);
                    const bool own = fill != Fill::LeadingZeros && fill != Fill::Zero;
                    const Limbs b = make(sz.nb, own ? fill : Fill::Random, seed++);
                    const Limbs want = schoolbook(a, b);
                    for (const MethodCase& m : kMethods) {
                        if (m.fn == mulBasecase && large)
                            continue;
                        Limbs got(want.size(), 12345);
                        m.fn(a.data(), a.size(), b.data(), b.size(), got.data());
                        ASSERT_EQ(got, want)
                            << m.name << " " << sz.na << "x" << sz.nb << " fill " << int(fill) << ", " << mode;
                    }
                }
            }
        }
    });
}

TEST(FastMultiply, SquaresMatchSchoolbook)
{
    std::uint32_t seed = 100;
    forEachTransform([&](const char* mode) {
        for (const MulCutoffs* cut : kSquareCutoffSets) {
            for (std::size_t n : {std::size_t(1), std::size_t(2), cut->karatsuba - 1, cut->karatsuba, cut->toom3 - 1,
                                  cut->toom3 + 1, cut->ntt - 1, cut->ntt, cut->ntt + 1}) {
                for (Fill fill : {Fill::Random, Fill::Nines, Fill::LeadingZeros, Fill::Zero}) {
                    const Limbs a = make(n, fill, seed++);
                    const Limbs want = schoolbook(a, a);
                    for (const MethodCase& m : kMethods) {
                        Limbs got(want.size(), 7);
                        m.fn(a.data(), a.size(), a.data(), a.size(), got.data());
                        ASSERT_EQ(got, want)
                            << m.name << " square of " << n << " limbs fill " << int(fill) << ", " << mode;
                    }
                }
            }
        }
    });
}

// (10^(9n) - 1)^2 = 10^(18n) - 2 * 10^(9n) + 1: limbs 1, 0 ... 0, 10^9 - 2,
// 10^9 - 1 ... Every convolution term of the transform is then as large as
// it can be for the length, which checks the exactness bound on sizes where
// the schoolbook product would be too slow.
TEST(FastMultiply, AllNinesSquareInClosedForm)
{
    forEachTransform([&](const char* mode) {
        for (std::size_t n : {std::size_t(5000), std::size_t(1) << 16}) {
            const Limbs a(n, kBase - 1);
            Limbs want(2 * n, kBase - 1);
            want[0] = 1;
            std::fill(want.begin() + 1, want.begin() + n, 0);
            want[n] = kBase - 2;
            Limbs got(2 * n);
            multiplyLimbs(a.data(), n, a.data(), n, got.data());
            EXPECT_EQ(got, want) << "square " << n << ", " << mode;
            const Limbs b(n, kBase - 1);  // a distinct array: the general product
            multiplyLimbs(a.data(), n, b.data(), n, got.data());
            EXPECT_EQ(got, want) << "product " << n << ", " << mode;
        }
    });
}

TEST(FastMultiply, ProductsLongerThanTheTransformAreSplit)
{
    // With the transform limited to 600-limb products, long balanced
    // operands go through Toom-3 and long unbalanced ones through pieces,
    // whose sub-products fit the transform again.
    limitNttForTests(600);
    const SizeCase cases[] = {{1000, 1000}, {700, 650}, {2000, 300}, {1500, 299}};
    std::uint32_t seed = 500;
    forEachTransform([&](const char* mode) {
        for (const SizeCase& sz : cases) {
            const Limbs a = make(sz.na, Fill::Random, seed++), b = make(sz.nb, Fill::Nines, seed++);
            Limbs got(sz.na + sz.nb);
            multiplyLimbs(a.data(), sz.na, b.data(), sz.nb, got.data());
            EXPECT_EQ(got, schoolbook(a, b)) << sz.na << "x" << sz.nb << ", " << mode;
            Limbs sq(2 * sz.na);
            multiplyLimbs(a.data(), sz.na, a.data(), sz.na, sq.data());
            EXPECT_EQ(sq, schoolbook(a, a)) << "square " << sz.na << ", " << mode;
        }
    });
    limitNttForTests(0);
}

}  // namespace
}  // namespace arith::detail
