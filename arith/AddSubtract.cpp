// Signed addition and subtraction, exact: each text is read once straight
// into limbs at the common scale, the limbs are added or subtracted in place
// in one pass, and the result is written once.
#include "arith/BigArithmetic.h"

#include "arith/detail/Decimal.h"
#include "arith/detail/LimbLoops.h"
#include "arith/detail/LimbOps.h"

#include <algorithm>
#include <utility>

namespace arith {

namespace {

// a + b, or a - b when subtract is set. A zero result is "0", never "-0".
std::string addSigned(const std::string& textA, const std::string& textB, bool subtract)
{
    const detail::DecimalRuns ra(textA), rb(textB);
    const std::size_t scale = std::max(ra.fraction().size(), rb.fraction().size());
    detail::Limbs a = ra.limbs(scale), b = rb.limbs(scale);
    bool negA = ra.negative();
    bool negB = rb.negative() != subtract;

    // The sum lands in a: the longer magnitude for a sum, the larger one for
    // a difference.
    const int order = detail::compareLimbs(a, b);
    if (order < 0) {
        std::swap(a, b);
        std::swap(negA, negB);
    }
    if (negA == negB) {
        a.push_back(0);
        a.back() = detail::addArrays(a.data(), a.data(), a.size() - 1, b.data(), b.size());
    } else {
        detail::subArrays(a.data(), a.data(), a.size(), b.data(), b.size());
    }
    detail::trimLimbs(a);
    return detail::formatDecimal(negA && !detail::isZero(a), a, scale);
}

}  // namespace

std::string BigAdd(std::string a, std::string b) { return addSigned(a, b, false); }

std::string BigSubtract(std::string a, std::string b) { return addSigned(a, b, true); }

}  // namespace arith
