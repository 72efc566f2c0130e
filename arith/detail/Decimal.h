// Decimal text <-> limbs: parsing, conversion and normal-form formatting.
//
// Everything in the arithmetic reads its operands through parseDecimal (or
// toScaled) and writes its results through formatDecimal, so that all
// procedures agree on how text maps to values and back. Conversions run in
// linear time in the number of digits.
//
// How text is read (the same rule everywhere):
//   - a "-" as the very first character makes the number negative;
//   - digits "0".."9" are the number's digits, in order;
//   - the first "." separates integer from fraction digits;
//   - any other character (letters, spaces, a second "." or a "-" that is
//     not first) is skipped, and the text counts as not well formed.
// No digits at all (the empty string, ".", "-", "abc") reads as zero.
#pragma once

#include "arith/detail/Kernels.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace arith::detail {

using Limbs = std::vector<Limb>;

// A decimal string taken apart:
// value = (negative ? -1 : 1) * digits * 10^-fraction.
struct DecimalParts {
    bool negative = false;     // the text began with "-"
    std::string digits;        // every digit, point removed, leading zeros kept; may be empty
    std::size_t fraction = 0;  // how many of the last digits are fraction digits
    bool wellFormed = true;    // false when characters had to be skipped
};

DecimalParts parseDecimal(std::string_view text);

// Removes a leading "-" from s; answers whether there was one.
bool takeSign(std::string& s);

// True when text is a decimal string: optional leading "-", digits, and at
// most one "." (an empty text and a bare "." or "-" count as well formed).
bool isDecimalString(std::string_view text);

// ---- limb vectors --------------------------------------------------------
// A limb vector is trimmed when its most significant limb is not zero; zero
// is the empty vector. Functions returning limb vectors return them trimmed.

void trimLimbs(Limbs& v);
inline bool isZero(const Limbs& v) { return v.empty(); }

// The integer value of a string of digits "0".."9" (leading zeros allowed,
// empty means zero) followed by `zeros` more zero digits.
Limbs digitsToLimbs(std::string_view digits, std::size_t zeros = 0);

// The digits of a value without leading zeros; "0" for zero. n may be 0.
std::string limbsToDigits(const Limb* p, std::size_t n);
inline std::string limbsToDigits(const Limbs& v) { return limbsToDigits(v.data(), v.size()); }

// ---- scaled numbers --------------------------------------------------------
// value = (negative ? -1 : 1) * mag * 10^-scale. mag is trimmed.
struct Scaled {
    bool negative = false;
    Limbs mag;
    std::size_t scale = 0;
};

// A decimal text read once: its sign and its digit runs before and after
// the point, still in the text (or, for text that is not well formed, in a
// cleaned copy). Not copyable: the runs point into it.
class DecimalRuns {
public:
    explicit DecimalRuns(std::string_view text);
    DecimalRuns(const DecimalRuns&) = delete;
    DecimalRuns& operator=(const DecimalRuns&) = delete;

    bool negative() const { return negative_; }
    std::string_view whole() const { return whole_; }
    std::string_view fraction() const { return fraction_; }

    // The value's digits times 10^(scale - fraction().size()) as a trimmed
    // limb vector; scale >= fraction().size().
    Limbs limbs(std::size_t scale) const;

private:
    bool negative_ = false;
    std::string_view whole_, fraction_;
    std::string cleaned_;  // the digits when characters had to be skipped
};

// The text as a scaled number; scale is the fraction count, or atLeastScale
// when that is larger (the magnitude then carries the extra zeros).
Scaled toScaled(std::string_view text, std::size_t atLeastScale = 0);

// The normal-form decimal string of (-1)^negative * mag * 10^-scale: no
// leading zeros (".5" below one), no trailing fraction zeros, no bare point,
// "0" for zero. "-" is put in front whenever negative is set, also for a
// zero magnitude ("-0"); pass negative = false where "-0" is not wanted.
std::string formatDecimal(bool negative, const Limbs& mag, std::size_t scale);
inline std::string formatDecimal(const Scaled& s) { return formatDecimal(s.negative, s.mag, s.scale); }

// The normal form of a decimal string's value; a zero comes out as "0"
// (never "-0").
std::string normalForm(std::string_view text);

}  // namespace arith::detail
