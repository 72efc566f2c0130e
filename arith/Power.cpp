// Whole powers, by repeated squaring.
#include "arith/BigArithmetic.h"

#include "arith/Cancel.h"
#include "arith/Messages.h"
#include "arith/detail/LimbOps.h"
#include "arith/detail/Limits.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace arith {

namespace {

// Removes trailing fraction zeros from mag * 10^-scale (the value is kept).
void dropFractionZeros(detail::Scaled& x)
{
    if (detail::isZero(x.mag) || x.scale == 0)
        return;
    std::string digits = detail::limbsToDigits(x.mag);
    std::size_t n = 0;
    while (n < x.scale && digits[digits.size() - 1 - n] == '0')
        ++n;
    if (n == 0)
        return;
    digits.resize(digits.size() - n);
    x.mag = detail::digitsToLimbs(digits);
    x.scale -= n;
}

// log10 of a non-zero magnitude, from its top limbs.
double log10Of(const detail::Limbs& mag)
{
    const std::size_t n = mag.size();
    double top = mag[n - 1];
    if (n >= 2)
        top += mag[n - 2] / 1e9;
    return static_cast<double>(n - 1) * detail::kLimbDigits + std::log10(top);
}

// mag^n for n >= 1, squaring from the top bit of n down.
detail::Limbs powerOf(const detail::Limbs& mag, std::uint64_t n)
{
    int bit = 63;
    while (((n >> bit) & 1u) == 0)
        --bit;
    detail::Limbs result = mag;
    while (bit-- > 0) {
        pollCancel();
        result = detail::multiplyLimbVectors(result, result);
        if ((n >> bit) & 1u)
            result = detail::multiplyLimbVectors(result, mag);
    }
    return result;
}

// The exponent's magnitude as a number; anything over 27 digits reads as
// 1e30, far beyond every power that is computed.
double exponentValue(const detail::Limbs& exponent)
{
    return exponent.size() > 3 ? 1e30 : std::stod(detail::limbsToDigits(exponent));
}

// About how many digits mag^n * 10^-(n * scale) has: n log10(mag) digits in
// all, and exactly n * scale fraction digits (mag does not end in a zero
// once the fraction zeros are gone, so neither does any power of it).
double estimatedDigits(double n, const detail::Scaled& x)
{
    return n * std::max(log10Of(x.mag), static_cast<double>(x.scale));
}

bool isOne(const detail::Scaled& x) { return x.scale == 0 && x.mag.size() == 1 && x.mag[0] == 1; }

}  // namespace

double BigPowerDigits(const std::string& base, const std::string& exponent)
{
    if (exponent.find('.') != std::string::npos)
        return 0;
    const detail::Scaled e = detail::toScaled(exponent);
    if (detail::isZero(e.mag) || (e.mag.size() == 1 && e.mag[0] == 1))
        return 0;
    detail::Scaled x = detail::toScaled(base);
    if (detail::isZero(x.mag))
        return 0;
    dropFractionZeros(x);
    return isOne(x) ? 0 : estimatedDigits(exponentValue(e.mag), x);
}

bool BigPowerTooLarge(const std::string& base, const std::string& exponent)
{
    return BigPowerDigits(base, exponent) > static_cast<double>(detail::kMaxPowerDigits);
}

std::string BigPower(std::string base, std::string exponent)
{
    if (exponent.find('.') != std::string::npos) {
        show(messages::kFractionalPower);
        return "0";
    }
    const detail::Scaled e = detail::toScaled(exponent);
    if (detail::isZero(e.mag))
        return "1";
    const bool reciprocal = e.negative;
    const bool unitExponent = e.mag.size() == 1 && e.mag[0] == 1;
    if (unitExponent && !reciprocal)
        return base;

    detail::Scaled x = detail::toScaled(base);
    const bool odd = (e.mag[0] & 1u) != 0;  // kBase is even: the low limb decides
    const bool negative = x.negative && odd;

    std::string power;
    if (unitExponent) {
        power = base;
    } else if (detail::isZero(x.mag)) {
        power = negative ? "-0" : "0";
    } else {
        dropFractionZeros(x);
        if (isOne(x)) {
            power = negative ? "-1" : "1";
        } else {
            const double n = exponentValue(e.mag);
            if (estimatedDigits(n, x) > static_cast<double>(detail::kMaxPowerDigits)) {
                show(messages::kPowerTooLarge);
                return "0";
            }
            const auto count = static_cast<std::uint64_t>(n);
            power = detail::formatDecimal(negative, powerOf(x.mag, count), static_cast<std::size_t>(count) * x.scale);
        }
    }
    if (!reciprocal)
        return power;
    // A negative exponent gives the reciprocal, to the places BigDivide
    // gives at precision 10.
    return BigDivide("1", power, 10);
}

}  // namespace arith
