// The platform's 16-bit Boolean, shared by every layer: true is -1, false 0.
#pragma once

#include <cstdint>

namespace platform {

using Boolean = std::int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

}  // namespace platform
