// The one message box of the roots, the factorial and the logarithm for
// input they do not take: the text under the title "Sorry", critical icon,
// OK only (the texts are in arith/Messages.h).
#pragma once

#include "arith/Messages.h"

namespace arith::detail {

inline void refuse(const char* text) { show(Message{text, kSorryTitle, platform::Icon::Critical}); }
inline void refuse(const Message& m) { show(m); }

}  // namespace arith::detail
