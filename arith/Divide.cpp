// Truncating division to a number of places, and the remainder of the
// integer parts.
#include "arith/BigArithmetic.h"

#include "arith/Messages.h"
#include "arith/detail/LimbOps.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>

namespace arith {

namespace {

// Length of s once its leading "0" characters are removed (one character
// always kept), as StripLeadingZeros would leave it.
std::size_t strippedLength(std::string_view s)
{
    if (s.empty())
        return 0;
    const std::size_t first = s.find_first_not_of('0');
    return first == std::string_view::npos ? 1 : s.size() - first;
}

}  // namespace

std::string BigDivide(std::string a, std::string b, int& precision)
{
    const bool negA = detail::takeSign(a);
    const bool negB = detail::takeSign(b);
    const detail::DecimalRuns ra(a), rb(b);
    const std::size_t fa = ra.fraction().size(), fb = rb.fraction().size();
    const detail::Limbs divisor = rb.limbs(fb);
    if (detail::isZero(divisor)) {
        show(messages::kDivideByZero);
        return "";
    }
    if (ra.whole().find_first_not_of('0') == std::string_view::npos &&
        ra.fraction().find_first_not_of('0') == std::string_view::npos)
        return "0";

    // At least ten places, and more when the divisor is longer than the
    // dividend and its places together.
    std::int64_t places = std::max(precision, 10);
    const auto lenA = static_cast<std::int64_t>(strippedLength(a));
    const auto lenB = static_cast<std::int64_t>(strippedLength(b));
    if (lenA + places < lenB)
        places = lenB + 1;
    precision = static_cast<int>(std::min<std::int64_t>(places, INT_MAX));

    // |a| / |b| = (A / 10^fa) / (B / 10^fb). The quotient truncated to
    // 2 fa + precision places is floor(A * 10^(fa + fb + precision) / B),
    // read with that many places.
    const std::size_t p = static_cast<std::size_t>(places);
    detail::Limbs q;
    detail::Limbs r;
    detail::divModLimbs(ra.limbs(2 * fa + fb + p), divisor, q, r);
    return detail::formatDecimal(negA != negB, q, 2 * fa + p);
}

std::string BigDivide(std::string a, std::string b, int&& precision)
{
    return BigDivide(std::move(a), std::move(b), precision);
}

std::string BigModulo(std::string a, std::string b)
{
    const bool negA = detail::takeSign(a);
    detail::takeSign(b);
    if (StripLeadingZeros(b) == "0") {
        show(messages::kModuloByZero);
        return "";
    }
    const detail::Limbs x = detail::digitsToLimbs(detail::parseDecimal(IntegerPart(a)).digits);
    const detail::Limbs y = detail::digitsToLimbs(detail::parseDecimal(IntegerPart(b)).digits);
    detail::Limbs r;
    if (detail::isZero(y)) {
        // A divisor below one in magnitude but not written as zero (".5",
        // "0.0"): the quotient of the integer parts is a division by zero,
        // reported as such, and nothing is taken away from a.
        show(messages::kDivideByZero);
        r = x;
    } else {
        detail::Limbs q;
        detail::divModLimbs(x, y, q, r);
    }
    // The remainder takes a's sign, "-0" included.
    return detail::formatDecimal(negA, r, 0);
}

}  // namespace arith
