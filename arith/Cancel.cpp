#include "arith/Cancel.h"

namespace arith {

const char* Cancelled::what() const noexcept { return "computation cancelled"; }

namespace detail {
void throwCancelled() { throw Cancelled(); }
}  // namespace detail

CancelScope::CancelScope(const std::atomic<bool>& flag) noexcept : previous_(detail::cancelFlag)
{
    detail::cancelFlag = &flag;
}

CancelScope::~CancelScope() { detail::cancelFlag = previous_; }

}  // namespace arith
