// Older names of the loops in LimbLoops.h, kept for code written against
// them; new code includes LimbLoops.h.
#pragma once

#include "arith/detail/LimbLoops.h"

namespace arith::detail::fast {

using detail::addInto;
using detail::cmpLimbs;
using detail::divLimb;
using detail::mulLimb;
using detail::normLen;
using detail::subFrom;
inline Limb addLimbs(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb)
{
    return addArrays(r, a, na, b, nb);
}
inline Limb subLimbs(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb)
{
    return subArrays(r, a, na, b, nb);
}

}  // namespace arith::detail::fast
