// Exact multiplication of decimal strings.
#include "arith/BigArithmetic.h"

#include "arith/detail/LimbOps.h"

namespace arith {

std::string BigMultiply(std::string a, std::string b)
{
    const detail::Scaled x = detail::toScaled(a);
    const detail::Scaled y = detail::toScaled(b);
    // The sign comes from the operands' signs alone, so a zero product of
    // unlike signs is "-0".
    return detail::formatDecimal(x.negative != y.negative, detail::multiplyLimbVectors(x.mag, y.mag),
                                 x.scale + y.scale);
}

}  // namespace arith
