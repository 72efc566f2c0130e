// Pi (a base-10000 spigot, computed once and kept), e (a series of paired
// terms) and the logarithm to a base (whole part by division, then 60 binary
// places by repeated squaring), all in decimal-string arithmetic.
#include "arith/BigArithmetic.h"

#include "arith/Cancel.h"
#include "arith/detail/Decimal.h"
#include "arith/detail/Refuse.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <string>

namespace arith {

namespace {

constexpr const char* kNotANumber = "Invalid input!   Not a number.";
constexpr const char* kNegativeLog = "Invalid input!   Can't do log operations on Negative numbers";
constexpr const char* kBadBase = "Invalid input!   The base of a logarithm must be greater than 1";

using detail::refuse;

// The whole part of a / b for non-negative a and b > 0. IntegerPart of a
// quotient below one is the empty text; it is read as 0 here.
std::string floorDivide(const std::string& a, const std::string& b)
{
    std::string whole = IntegerPart(BigDivide(a, b, 10));
    return whole.empty() ? "0" : whole;
}

bool greaterOrEqual(std::string a, std::string b)
{
    return BigGreaterOrEqual(a, b) != kFalse;
}

bool greaterThan(std::string a, std::string b)
{
    return BigGreaterThan(a, b) != kFalse;
}

// The result, written once under the lock and never changed afterwards.
std::mutex piMutex;
std::string piCache;
int piComputations = 0;

std::string computePi()
{
    std::array<std::string, 86> slot;
    for (int i = 84; i >= 0; --i)
        slot[static_cast<std::size_t>(i)] = "2000";
    std::string carry = "0";
    std::string k = "84";
    std::string text;
    while (greaterThan(k, "0")) {
        pollCancel();
        std::string d = "0";
        std::string i = k;
        for (;;) {
            std::string& s = slot[static_cast<std::size_t>(std::stoi(i))];
            d = BigAdd(d, BigMultiply(s, "10000"));
            const std::string g = BigSubtract(BigMultiply("2", i), "1");
            s = BigModulo(d, g);
            d = floorDivide(d, g);
            i = BigSubtract(i, "1");
            if (i == "0")
                break;
            d = BigMultiply(d, i);
        }
        std::string group = IntegerPart(BigAdd(BigDivide(d, "10000", 10), carry));
        if (group.size() < 4)
            group.insert(0, 4 - group.size(), '0');
        text += group;
        carry = BigModulo(d, "10000");
        k = BigSubtract(k, "14");
    }
    return text.substr(0, 1) + "." + text.substr(1);
}

}  // namespace

namespace detail {
// How often pi has been worked out in this process (for the tests).
int piComputationCount()
{
    std::lock_guard<std::mutex> lock(piMutex);
    return piComputations;
}
}  // namespace detail

std::string BigPi()
{
    // Held while computing: a second caller waits for the first result
    // instead of computing it again.
    std::lock_guard<std::mutex> lock(piMutex);
    if (piCache.empty()) {
        piCache = computePi();
        ++piComputations;
    }
    return piCache;
}

std::string BigE()
{
    std::string sum = "2";
    std::string previous = "0";
    std::string n = "0";
    std::string f = "1";
    while (greaterThan(BigSubtract(sum, previous), "0.00000000000000000000000000001")) {
        pollCancel();
        previous = sum;
        n = BigAdd(n, "1");
        const std::string twoN = BigMultiply("2", n);
        const std::string twoNPlusOne = BigAdd("1", twoN);
        f = BigMultiply(BigMultiply(f, twoN), twoNPlusOne);
        sum = BigAdd(BigDivide(BigAdd(twoN, "2"), f, 35), sum);
    }
    return sum.substr(0, 33);
}

std::string BigLog(const std::string& x, const std::string& base)
{
    if (x.empty())
        return "";  // the text of an earlier division by zero
    if (!detail::isDecimalString(x) || !detail::isDecimalString(base)) {
        refuse(kNotANumber);
        return "";
    }
    // A base of 1 never lets the working value fall below it, and a smaller
    // one makes it grow: the whole-part loop would never end.
    if (!greaterThan(base, "1") || base.front() == '-') {
        refuse(kBadBase);
        return "";
    }
    const std::string value = detail::normalForm(x);  // "-0" reads as 0
    if (value.front() == '-') {
        refuse(kNegativeLog);
        return "";
    }
    // Below one neither loop adds anything.
    if (!greaterOrEqual(value, "1"))
        return "0";

    // Whole part. A division that ends (by 10, or by any base once its 2s and
    // 5s are all that is left to divide out) adds at most about 4.3 places per
    // character of the base; one that does not end doubles the places of y
    // (2 x its places + 10), which grows without bound on long inputs. Beyond
    // what exact divisions can have added, y is cut: the squarings below look
    // only at its first 20 characters.
    const std::size_t point0 = x.find('.');
    const std::size_t places0 = point0 == std::string::npos ? 0 : x.size() - point0 - 1;
    std::size_t maxPlaces = places0 + 100;
    std::string y = x;
    std::string result = "0";
    if (detail::normalForm(base) == "10") {
        // Each division by 10 is exact and only moves the point: the loop
        // below would divide d - 1 times for d whole digits.
        const std::size_t point = value.find('.');
        const std::size_t digits = point == std::string::npos ? value.size() : point;
        y = detail::normalForm(ShiftPointLeft(value, static_cast<int>(digits - 1)));
        result = std::to_string(digits - 1);
    }
    while (greaterOrEqual(y, base)) {
        pollCancel();
        y = BigDivide(y, base, 10);
        result = BigAdd(result, "1");
        maxPlaces += 5 * base.size();
        const std::size_t point = y.find('.');
        if (point != std::string::npos && y.size() - point - 1 > maxPlaces)
            y = StripTrailingZeros(y.substr(0, point + 1 + maxPlaces));
    }

    // Sixty binary places: square, keep 20 characters, halve the bit.
    std::string bit = "1";
    for (int counter = 0; counter <= 59; ++counter) {
        pollCancel();
        y = BigMultiply(y, y);
        // 20 characters, but never fewer than the whole part (y^2 < base^2
        // keeps its whole part that short for any base below 10^10).
        const std::size_t point = y.find('.');
        const std::size_t whole = point == std::string::npos ? y.size() : point;
        y = y.substr(0, std::max<std::size_t>(20, whole));
        bit = BigDivide(bit, "2", 10);
        if (greaterOrEqual(y, base)) {
            result = BigAdd(result, bit);
            y = BigDivide(y, base, 10);
        }
    }
    if (result.front() == '.')
        result.insert(0, "0");
    return result.substr(0, 22);
}

}  // namespace arith
