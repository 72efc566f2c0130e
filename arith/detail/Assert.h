// Contract checks for the limb kernels.
//
// ARITH_ASSERT(condition) stops the program with the condition's text, file
// and line when the condition is false, in builds that define
// MEGATALLY_ASSERTS (Debug and sanitizer builds, see arith/CMakeLists.txt).
// Elsewhere it compiles to nothing and the condition is not evaluated, so it
// may be as costly as a scan of the operands.
#pragma once

#include <cstddef>
#include <cstdint>

namespace arith::detail {

[[noreturn]] void assertFailed(const char* condition, const char* file, int line);

// True when [a, a + na) and [b, b + nb) share no element.
template <class T> bool disjoint(const T* a, std::size_t na, const T* b, std::size_t nb)
{
    const auto pa = reinterpret_cast<std::uintptr_t>(a), pb = reinterpret_cast<std::uintptr_t>(b);
    return pa + na * sizeof(T) <= pb || pb + nb * sizeof(T) <= pa;
}

// True when r is exactly a (an in-place call) or shares nothing with it.
template <class T> bool sameOrDisjoint(const T* r, std::size_t nr, const T* a, std::size_t na)
{
    return r == a || disjoint(r, nr, a, na);
}

}  // namespace arith::detail

#ifdef MEGATALLY_ASSERTS
#define ARITH_ASSERT(condition)                                                                                        \
    ((condition) ? static_cast<void>(0) : ::arith::detail::assertFailed(#condition, __FILE__, __LINE__))
#else
#define ARITH_ASSERT(condition) static_cast<void>(0)
#endif
