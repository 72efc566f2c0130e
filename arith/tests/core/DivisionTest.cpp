// The fast division methods against the schoolbook long division, on sizes
// around the recursion cut-off and on the dividends and divisors that make
// quotient estimates go wrong: all-9 limbs, a divisor top limb of 1 (the
// largest scaling) or 10^9 - 1 (none), runs of zero limbs, exact quotients
// and remainders one below the divisor, dividends just below and at the
// divisor.
#include "arith/detail/Division.h"
#include "arith/detail/Kernels.h"
#include "arith/detail/LimbOps.h"
#include "arith/detail/Multiplication.h"
#include "arith/tests/core/Reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace arith::detail {
namespace {

enum class Shape { Random, Nines, ZeroLimbs, TopOne, TopMax, Exact, ExactMinusOne, BelowV, AtV };

struct Operands {
    Limbs u, v;
};

Limbs randomLimbs(std::size_t n, std::mt19937& rng)
{
    std::uniform_int_distribution<Limb> limb(0, kBase - 1);
    Limbs v(n);
    for (Limb& x : v)
        x = limb(rng);
    if (v.back() == 0)
        v.back() = 1;
    return v;
}

// u of nu limbs (top limb may be zero for Exact), v of nv limbs, v's top limb non-zero.
Operands make(std::size_t nu, std::size_t nv, Shape shape, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    Operands o{randomLimbs(nu, rng), randomLimbs(nv, rng)};
    switch (shape) {
    case Shape::Random: break;
    case Shape::Nines:
        std::fill(o.u.begin(), o.u.end(), kBase - 1);
        std::fill(o.v.begin(), o.v.end(), kBase - 1);
        o.v[0] = kBase - 2;
        break;
    case Shape::ZeroLimbs:
        // Runs of zero limbs in both, the divisor's top limb kept.
        for (std::size_t i = 0; i + 1 < nu; ++i)
            if (rng() % 3)
                o.u[i] = 0;
        for (std::size_t i = 0; i + 1 < nv; ++i)
            if (rng() % 3)
                o.v[i] = 0;
        break;
    case Shape::TopOne: o.v.back() = 1; break;
    case Shape::TopMax: o.v.back() = kBase - 1; break;
    case Shape::BelowV:  // u = v - 1 or v, written with leading zero limbs
    case Shape::AtV:
        o.v[0] = std::max<Limb>(o.v[0], 1);
        o.u.assign(nu, 0);
        std::copy(o.v.begin(), o.v.end(), o.u.begin());
        o.u[0] -= shape == Shape::BelowV;
        break;
    case Shape::Exact:
    case Shape::ExactMinusOne: {
        // u = v * q (minus one): every remainder limb of the last step is
        // at an extreme.
        Limbs q = randomLimbs(nu - nv, rng);
        o.u.assign(nu, 0);
        arith_test::mulSchoolbook(o.v.data(), nv, q.data(), q.size(), o.u.data());
        if (shape == Shape::ExactMinusOne) {
            std::size_t i = 0;
            while (o.u[i] == 0)
                o.u[i++] = kBase - 1;
            --o.u[i];
        }
        break;
    }
    }
    return o;
}

using Method = void (*)(const Limb*, std::size_t, const Limb*, std::size_t, Limb*, Limb*);

struct MethodCase {
    const char* name;
    Method fn;
};

const MethodCase kMethods[] = {{"basecase", divBasecase}, {"recursive", divRecursive}, {"dispatch", divideLimbs}};

struct SizeCase {
    std::size_t nu, nv;
};

std::vector<SizeCase> sizes()
{
    const std::size_t t = kDivRecursiveThreshold;
    std::vector<SizeCase> s = {{1, 1}, {5, 1}, {2, 2}, {9, 3}, {40, 39}};
    for (std::size_t n : {t - 1, t, t + 1, 2 * t + 1}) {
        s.push_back({2 * n, n});      // a quotient as long as the divisor
        s.push_back({2 * n - 1, n});  // one limb shorter
        s.push_back({n + t, n});      // quotient just at the cut-off
        s.push_back({n + t - 2, n});  // and just below
    }
    s.push_back({4 * (t + 1) + 3, t + 1});  // several blocks, a short first one
    s.push_back({1800, 600});               // several levels of recursion, long products
    s.push_back({700, 650});                // short quotient under a long divisor
    s.push_back({1400, 700});               // top split's products by one transformed factor
    return s;
}

const Shape kShapes[] = {Shape::Random, Shape::Nines,         Shape::ZeroLimbs, Shape::TopOne, Shape::TopMax,
                         Shape::Exact,  Shape::ExactMinusOne, Shape::BelowV,    Shape::AtV};

// Every method on every size and shape against the schoolbook division.
void expectAllMatch(const std::vector<SizeCase>& sizeCases, const char* mode)
{
    std::uint32_t seed = 1;
    for (const SizeCase& sz : sizeCases) {
        for (Shape shape : kShapes) {
            if (sz.nu == sz.nv && (shape == Shape::Exact || shape == Shape::ExactMinusOne))
                continue;
            // Every shape up to the cut-off, the ones that stress estimates above it.
            const bool large = sz.nv > kDivRecursiveThreshold;
            if (large && (shape == Shape::TopMax || shape == Shape::BelowV || shape == Shape::AtV))
                continue;
            const Operands o = make(sz.nu, sz.nv, shape, seed++);
            const std::size_t nq = sz.nu - sz.nv + 1;
            Limbs wantQ(nq), wantR(sz.nv);
            arith_test::divSchoolbook(o.u.data(), sz.nu, o.v.data(), sz.nv, wantQ.data(), wantR.data());
            for (const MethodCase& m : kMethods) {
                Limbs q(nq, 5), r(sz.nv, 5);
                m.fn(o.u.data(), sz.nu, o.v.data(), sz.nv, q.data(), r.data());
                ASSERT_EQ(q, wantQ) << mode << " " << m.name << " " << sz.nu << "/" << sz.nv << " shape " << int(shape);
                ASSERT_EQ(r, wantR) << mode << " " << m.name << " " << sz.nu << "/" << sz.nv << " shape " << int(shape);
            }
        }
    }
}

TEST(FastDivide, EveryMethodMatchesSchoolbook) { expectAllMatch(sizes(), "vector"); }

// The long division's rows on the portable loops, and with every quotient
// estimate one off (up, down or right in turn): negative limbs, limbs above
// the base, remainders below zero or above the divisor between the rows and
// at the end. Sizes from two limbs to leaves of the recursion.
TEST(FastDivide, LongDivisionCorrectsEveryEstimate)
{
    const std::size_t t = kDivRecursiveThreshold;
    const std::vector<SizeCase> small = {{2, 2},   {3, 2},    {9, 2},     {9, 3},
                                         {40, 39}, {120, 40}, {300, 299}, {t + t / 2, t}};
    for (bool portable : {false, true}) {
        forcePortableLoops(portable);
        expectAllMatch(small, portable ? "portable" : "vector");
        skewDivisionEstimatesForTests(true);
        expectAllMatch(small, portable ? "portable, skewed" : "vector, skewed");
        skewDivisionEstimatesForTests(false);
    }
    forcePortableLoops(false);
}

// Above the schoolbook's comfortable sizes: q * v + r == u and r < v, with
// the product from the fast multiplication checked separately above.
TEST(FastDivide, LargeDivisionSatisfiesDivisionIdentity)
{
    std::mt19937 rng(11);
    const std::size_t nv = 5000, nu = 11000;
    Limbs u = randomLimbs(nu, rng), v = randomLimbs(nv, rng);
    Limbs q(nu - nv + 1), r(nv);
    divideLimbs(u.data(), nu, v.data(), nv, q.data(), r.data());
    trimLimbs(q);
    trimLimbs(r);
    EXPECT_EQ(addLimbs(multiplyLimbVectors(q, v), r), u);
    EXPECT_LT(compareLimbs(r, v), 0);
}

}  // namespace
}  // namespace arith::detail
