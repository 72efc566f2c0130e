// The kernels' contracts are checked in Debug and sanitizer builds: each
// deliberately wrong call below stops the program with the broken
// condition. Elsewhere the checks compile to nothing and these tests skip.
#include "arith/detail/Division.h"
#include "arith/detail/LimbLoops.h"
#include "arith/detail/LimbOps.h"
#include "arith/detail/Multiplication.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace arith::detail {
namespace {

TEST(KernelContracts, WrongCallsStopTheProgram)
{
#ifndef MEGATALLY_ASSERTS
    GTEST_SKIP() << "contract checks are compiled in Debug and sanitizer builds only";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::vector<Limb> a(8, 7), b(8, 3), out(16), q(8), r(8);
    std::vector<Limb> zeroTop = {5, 0};  // a divisor whose top limb is zero
    const struct {
        const char* name;
        std::function<void()> call;
    } rows[] = {
        {"product written over its operand", [&] { multiplyLimbs(a.data(), 8, b.data(), 8, a.data()); }},
        {"product output overlapping b", [&] { multiplyLimbs(a.data(), 4, out.data() + 2, 4, out.data()); }},
        {"empty operand", [&] { multiplyLimbs(a.data(), 8, b.data(), 0, out.data()); }},
        {"Karatsuba output overlapping a", [&] { mulKaratsuba(out.data(), 8, b.data(), 8, out.data()); }},
        {"divisor longer than dividend", [&] { divideLimbs(a.data(), 3, b.data(), 4, q.data(), r.data()); }},
        {"divisor with a zero top limb", [&] { divideLimbs(a.data(), 8, zeroTop.data(), 2, q.data(), r.data()); }},
        {"quotient over the dividend", [&] { divideLimbs(a.data(), 8, b.data(), 2, a.data(), r.data()); }},
        {"remainder over the quotient", [&] { divRecursive(a.data(), 8, b.data(), 2, q.data(), q.data()); }},
        {"sum longer than its first operand", [&] { addArrays(out.data(), a.data(), 2, b.data(), 3); }},
        {"difference partly over an operand", [&] { subArrays(a.data() + 1, a.data(), 4, b.data(), 4); }},
        {"addInto from its own target", [&] { addInto(a.data(), 8, a.data() + 2, 4); }},
        {"multiplier of a full limb", [&] { mulLimb(out.data(), a.data(), 8, kBase); }},
        {"division by zero limb", [&] { divLimb(out.data(), a.data(), 8, 0); }},
        {"smaller minus larger", [&] { subtractLimbs(Limbs{1}, Limbs{2}); }},
    };
    for (const auto& row : rows)
        EXPECT_DEATH(row.call(), "arithmetic contract broken") << row.name;
#endif
}

// The checks accept what the contracts allow: results written in place
// over an operand that starts at the same limb, and squares (a == b).
TEST(KernelContracts, AllowedCallsPass)
{
    std::vector<Limb> a(8, kBase - 1), b(8, 1), out(16);
    EXPECT_EQ(addArrays(a.data(), a.data(), 8, b.data(), 1), 1u);  // 10^72 - 1 + 1
    EXPECT_EQ(a, std::vector<Limb>(8, 0));
    EXPECT_EQ(subArrays(a.data(), a.data(), 8, b.data(), 1), 1u);
    EXPECT_EQ(mulLimb(b.data(), b.data(), 8, 5), 0u);
    multiplyLimbs(b.data(), 8, b.data(), 8, out.data());
    EXPECT_EQ(out[0], 25u);
}

}  // namespace
}  // namespace arith::detail
