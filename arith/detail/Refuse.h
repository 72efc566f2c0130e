// The one message box of the roots, the factorial and the logarithm for
// input they do not take: the text under the title "Sorry", critical icon,
// OK only.
#pragma once

#include "platform/Platform.h"

namespace arith::detail {

inline void refuse(const char* text)
{
    platform::showMessage(text, "Sorry", platform::Icon::Critical, platform::Buttons::OK);
}

}  // namespace arith::detail
