// Numbers for the display tests and benchmarks.
#pragma once

#include <string>

namespace display {

// A whole number of digits digits with "," between its groups, the digits
// running 3, 0, 7, 4, 1, ... so that no two neighbouring groups are alike.
inline std::string GroupedDigits(std::size_t digits)
{
    std::string s;
    s.reserve(digits + digits / 3);
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0)
            s += ',';
        s += static_cast<char>('0' + (i * 7 + 3) % 10);
    }
    return s;
}

}  // namespace display
