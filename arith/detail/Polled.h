// Growing large buffers with cancel polls between blocks.
#pragma once

#include "arith/Cancel.h"

#include <algorithm>
#include <cstddef>

namespace arith::detail {

// Resizes v (a std::vector or std::string) to n elements equal to fill, a
// block of about a megabyte at a time with a cancel poll before each: the
// first touch of tens of megabytes of fresh memory is tens of milliseconds
// of page faults, too long to go without a poll.
template <class Container, class T = typename Container::value_type>
void resizePolled(Container& v, std::size_t n, T fill = T())
{
    constexpr std::size_t kStep = std::max<std::size_t>(1, (std::size_t(1) << 20) / sizeof(T));
    v.reserve(n);
    while (v.size() < n) {
        pollCancel();
        v.resize(std::min(n, v.size() + kStep), fill);
    }
    v.resize(n, fill);  // n below the size: shrink
}

}  // namespace arith::detail
