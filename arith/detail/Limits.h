// Bounds on results the arithmetic refuses to start computing.
#pragma once

#include <cstdint>

namespace arith::detail {

// BigPower refuses a power whose result would be estimated to have more
// digits than this, before it allocates anything. At the bound the work
// takes about half a minute and one and a half gigabytes of memory, and the
// text alone is a quarter of a gigabyte.
inline constexpr std::uint64_t kMaxPowerDigits = std::uint64_t{1} << 28;  // 268,435,456

}  // namespace arith::detail
