// Square and cube roots, truncated toward zero to 8 decimals exactly, and
// the point shifts that make the cut to 8 decimals.
//
// With x = X * 10^-f (X whole, f its fraction digits), the square root cut
// to 8 decimals is floor(sqrt(x) * 10^8) * 10^-8, and
//   floor(sqrt(x) * 10^8) = floor(sqrt(X * 10^(16 - f))) = floor(sqrt(N)),
// N = floor(X * 10^(16 - f)), because k <= sqrt(y) exactly when k^2 <= y, so
// a whole k is below the root of y exactly when it is below the root of
// floor(y). The cube root is the same with 10^(24 - f). N is formed on the
// digit text and its root taken by detail::sqrtFloor / cbrtFloor, which are
// exact; the tolerance is still read (text that is not a number is refused as
// before) but no longer plays a part.
#include "arith/BigArithmetic.h"

#include "arith/detail/Decimal.h"
#include "arith/detail/IntRoot.h"
#include "arith/detail/Refuse.h"

#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace arith {

namespace {

using detail::Limbs;

constexpr const char* kNotANumber = "Invalid input!   Not a number.";
constexpr const char* kNegativeRoot = "Invalid input!   Can't do root operations on Negative numbers";

using detail::refuse;

// floor(|x| * 10^scale) of a well-formed decimal text, as limbs.
Limbs scaledWhole(const detail::DecimalParts& x, std::size_t scale)
{
    std::string_view digits = x.digits;
    std::size_t pad = 0;
    if (x.fraction <= scale)
        pad = scale - x.fraction;
    else
        digits.remove_suffix(x.fraction - scale);
    return detail::digitsToLimbs(digits, pad);
}

// The text of N * 10^-8: "<int>.<8 digits>" with trailing zeros and a bare
// point trimmed and no zero before the point; a root that cuts to zero is "0".
// That is the normal form, written once (the text of a root of millions of
// digits is not copied piece by piece).
std::string rootText(const Limbs& n) { return detail::formatDecimal(false, n, 8); }

// Reads both roots' operands. Answers at once where there is nothing to
// compute: "" for the empty text of an earlier division by zero and for
// refused text (with its message).
std::optional<std::string> readRootOperands(const std::string& x, const std::string& tolerance,
                                            detail::DecimalParts& xv)
{
    if (x.empty())
        return "";
    if (!detail::isDecimalString(x) || !detail::isDecimalString(tolerance)) {
        refuse(kNotANumber);
        return "";
    }
    xv = detail::parseDecimal(x);
    return std::nullopt;
}

}  // namespace

// ---- point shifts and the cut ----------------------------------------------

std::string ShiftPointRight(std::string s, int n)
{
    if (n < 0)
        return ShiftPointLeft(std::move(s), n == INT_MIN ? INT_MAX : -n);
    const std::size_t point = s.find('.');
    const std::size_t i = point == std::string::npos ? s.size() : point;
    std::string t;
    t.reserve(s.size() + static_cast<std::size_t>(n));
    for (char c : s)
        if (c != '.')
            t += c;
    t.append(static_cast<std::size_t>(n), '0');
    const std::size_t k = i + static_cast<std::size_t>(n);
    std::string result = t.substr(0, k);
    result += '.';
    result.append(t, k, std::string::npos);
    return StripTrailingZeros(std::move(result));
}

std::string ShiftPointLeft(std::string s, int n)
{
    if (n < 0)
        return ShiftPointRight(std::move(s), n == INT_MIN ? INT_MAX : -n);
    const std::size_t point = s.find('.');
    const std::size_t i = point == std::string::npos ? s.size() : point;
    std::string t(static_cast<std::size_t>(n), '0');
    t.reserve(s.size() + static_cast<std::size_t>(n));
    for (char c : s)
        if (c != '.')
            t += c;
    std::string result = t.substr(0, i);
    result += '.';
    result.append(t, i, std::string::npos);
    return StripLeadingZeros(std::move(result));
}

std::string TruncateTo8(std::string g) { return ShiftPointLeft(IntegerPart(ShiftPointRight(std::move(g), 8)), 8); }

// ---- roots -----------------------------------------------------------------

std::string BigSquareRoot(const std::string& x, const std::string& tolerance)
{
    detail::DecimalParts xv;
    if (std::optional<std::string> early = readRootOperands(x, tolerance, xv))
        return *early;
    // "-0" and the like are zero, whose root is "0".
    if (xv.negative && xv.digits.find_first_not_of('0') != std::string::npos) {
        refuse(kNegativeRoot);
        return "";
    }
    return rootText(detail::sqrtFloor(scaledWhole(xv, 16)));
}

std::string BigCubeRoot(const std::string& x, const std::string& tolerance)
{
    detail::DecimalParts xv;
    if (std::optional<std::string> early = readRootOperands(x, tolerance, xv))
        return *early;
    // An odd root: a negative x gives minus the root of -x (and "0", not
    // "-0", when that cuts to zero).
    const std::string text = rootText(detail::cbrtFloor(scaledWhole(xv, 24)));
    return xv.negative && text != "0" ? "-" + text : text;
}

}  // namespace arith
