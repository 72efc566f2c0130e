// Signed addition and subtraction, exact, in one pass over the limbs.
#include "arith/BigArithmetic.h"

#include "arith/detail/LimbOps.h"

namespace arith {

namespace {

// a + b, or a - b when subtract is set. A zero result is "0", never "-0".
std::string addSigned(const std::string& textA, const std::string& textB, bool subtract)
{
    detail::Scaled a = detail::toScaled(textA);
    detail::Scaled b = detail::toScaled(textB);
    if (subtract)
        b.negative = !b.negative;
    detail::alignScales(a, b);

    detail::Scaled sum;
    sum.scale = a.scale;
    if (a.negative == b.negative) {
        sum.mag = detail::addLimbs(a.mag, b.mag);
        sum.negative = a.negative;
    } else if (detail::compareLimbs(a.mag, b.mag) >= 0) {
        sum.mag = detail::subtractLimbs(a.mag, b.mag);
        sum.negative = a.negative;
    } else {
        sum.mag = detail::subtractLimbs(b.mag, a.mag);
        sum.negative = b.negative;
    }
    if (detail::isZero(sum.mag))
        sum.negative = false;
    return detail::formatDecimal(sum);
}

}  // namespace

std::string BigAdd(std::string a, std::string b) { return addSigned(a, b, false); }

std::string BigSubtract(std::string a, std::string b) { return addSigned(a, b, true); }

}  // namespace arith
