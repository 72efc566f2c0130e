// n! as an exact product.
//
// The factors 2..n are packed into limbs (as many consecutive factors as fit
// below 10^9 per limb) and the limbs are multiplied pairwise, level by level,
// so that every multiplication joins two products of about the same length.
// That gives the same number as multiplying a growing product by n, n - 1,
// ..., 2 in turn, with far fewer digit operations: the work is dominated by
// a few multiplications of long, balanced operands, where the fast kernels
// pay off.
#include "arith/BigArithmetic.h"

#include "arith/Cancel.h"
#include "arith/Messages.h"
#include "arith/detail/Decimal.h"
#include "arith/detail/LimbOps.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace arith {

namespace {

using detail::Limb;
using detail::Limbs;

Limbs productOfRange(std::uint32_t n)
{
    std::vector<Limbs> level;
    level.reserve(n / 2 + 1);
    std::uint64_t packed = 1;
    for (std::uint64_t f = 2; f <= n; ++f) {
        if (packed * f >= detail::kBase) {
            level.push_back(Limbs{static_cast<Limb>(packed)});
            packed = 1;
        }
        packed *= f;
    }
    level.push_back(Limbs{static_cast<Limb>(packed)});

    while (level.size() > 1) {
        std::vector<Limbs> up;
        up.reserve(level.size() / 2 + 1);
        for (std::size_t i = 0; i + 1 < level.size(); i += 2) {
            pollCancel();
            up.push_back(detail::multiplyLimbVectors(level[i], level[i + 1]));
        }
        if (level.size() % 2 == 1)
            up.push_back(std::move(level.back()));
        level = std::move(up);
    }
    return std::move(level.front());
}

}  // namespace

std::string BigFactorial(std::string n)
{
    if (n.empty())
        return "";  // the text of an earlier division by zero
    if (!detail::isDecimalString(n)) {
        show(messages::kFactorialNotANumber);
        return "";
    }
    const detail::DecimalParts parts = detail::parseDecimal(n);
    const std::size_t whole = parts.digits.size() - parts.fraction;
    for (std::size_t i = whole; i < parts.digits.size(); ++i) {
        if (parts.digits[i] != '0') {
            show(messages::kFactorialFraction);
            return "";
        }
    }
    const std::string digits = StripLeadingZeros(parts.digits.substr(0, whole));
    const bool zero = digits.empty() || digits == "0";
    if (parts.negative && !zero) {
        show(messages::kFactorialNegative);
        return "";
    }
    if (digits.size() > 7 || (!zero && std::stoul(digits) > kLargestFactorial)) {
        show(messages::kFactorialTooLarge);
        return "";
    }
    const auto value = zero ? 0u : static_cast<std::uint32_t>(std::stoul(digits));
    if (value < 2)
        return "1";
    return detail::limbsToDigits(productOfRange(value));
}

}  // namespace arith
