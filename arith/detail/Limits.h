// Bounds on results the arithmetic refuses to start computing.
#pragma once

#include <cstdint>

namespace arith::detail {

// BigPower refuses a power whose result would be estimated to have more
// digits than this (about a gigabyte of text, a few gigabytes of working
// memory), before it allocates anything.
inline constexpr std::uint64_t kMaxPowerDigits = std::uint64_t{1} << 30;  // 1,073,741,824

inline constexpr const char* kPowerTooLargeText =
    "This power is too large to compute: its result would have more than 1,073,741,824 digits.";

}  // namespace arith::detail
