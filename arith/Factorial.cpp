// n! as an exact product, by the prime swing:
//
//   n! = ((n/2)!)^2 * swing(n),  swing(n) = n! / ((n/2)!)^2 = product of p^e(p)
//
// over the primes p <= n, with e(p) = sum over k >= 1 of floor(n / p^k) mod 2
// (Schoenhage; P. Luschny's formulation of the swing). Each level costs one
// square of half the result and one product with the much shorter swing, so
// the work is a few long products instead of a whole tree of them, and
// squares are cheaper than products. The prime powers of a swing are packed
// into limbs (as many as fit below 10^9) and multiplied pairwise, level by
// level, so that every multiplication joins two products of about the same
// length.
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

// The product of the factors (each below 10^9), packed into limbs and
// multiplied pairwise level by level.
Limbs productOf(const std::vector<std::uint32_t>& factors)
{
    std::vector<Limbs> level;
    level.reserve(factors.size() / 2 + 1);
    std::uint64_t packed = 1;
    for (const std::uint64_t f : factors) {
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

// The primes up to n, by the sieve of Eratosthenes.
std::vector<std::uint32_t> primesUpTo(std::uint32_t n)
{
    std::vector<bool> composite(n + 1, false);
    std::vector<std::uint32_t> primes;
    for (std::uint32_t p = 2; p <= n; ++p) {
        if (composite[p])
            continue;
        primes.push_back(p);
        for (std::uint64_t m = std::uint64_t(p) * p; m <= n; m += p)
            composite[m] = true;
    }
    return primes;
}

// swing(n) as the product of its prime powers, each prime listed e(p) times.
Limbs swing(std::uint32_t n, const std::vector<std::uint32_t>& primes)
{
    std::vector<std::uint32_t> factors;
    for (const std::uint32_t p : primes) {
        if (p > n)
            break;
        int e = 0;
        for (std::uint32_t q = n / p; q > 0; q /= p)
            e += q & 1;
        factors.insert(factors.end(), e, p);
    }
    return productOf(factors);
}

// Below this the swing recursion gains nothing over the plain product.
constexpr std::uint32_t kSwingFrom = 64;

Limbs factorial(std::uint32_t n, const std::vector<std::uint32_t>& primes)
{
    if (n < kSwingFrom) {
        std::vector<std::uint32_t> range;
        for (std::uint32_t f = 2; f <= n; ++f)
            range.push_back(f);
        return productOf(range);
    }
    const Limbs half = factorial(n / 2, primes);
    const Limbs square = detail::multiplyLimbVectors(half, half);
    return detail::multiplyLimbVectors(square, swing(n, primes));
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
    return detail::limbsToDigits(factorial(value, primesUpTo(value)));
}

}  // namespace arith
