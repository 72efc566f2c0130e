// Signed arithmetic on decimal strings of any length.
//
// A decimal string is an optional leading "-", integer digits, and
// optionally "." followed by fraction digits. Leading zeros, a bare point
// (".5", "5.") and the empty string (zero) are accepted as operands.
// Results come out in normal form: no leading zeros (a value below one is
// written ".5"), no trailing fraction zeros and no bare point, "-" only in
// front of a negative result ("-0" where the sign rules of a procedure give
// it). The empty string is the result of a division by zero.
//
// Text that is not a decimal string never fails: the arithmetic reads it as
// follows. A "-" as the very first character makes it negative; digits are
// its digits; the first "." separates the fraction; every other character
// (letters, spaces, a second ".", a later "-") is skipped. Text without any
// digit ("", ".", "-", "abc") reads as zero. So "1.2.3" reads as 1.23 and
// "12abc" as 12. The text helpers (AlignDecimals, StripLeadingZeros,
// StripTrailingZeros, IntegerPart, BigAbsolute) work on the characters as
// they stand and never read outside the string.
//
// There is no length limit other than memory: any number of digits and of
// fraction digits.
#pragma once

#include <cstdint>
#include <string>

namespace arith {

// The comparisons answer with the platform's 16-bit Boolean: true is -1.
using Boolean = std::int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

// ---- Comparisons and normalisation ------------------------------------
// Each comparison removes a leading "-" from both of the caller's variables
// (a caller that still needs the signs passes copies). A text that began
// with "-" is below every text that did not, whatever its digits ("-0" is
// below "0"); otherwise the values are compared, with the magnitudes
// reversed when both were negative. Equal values compare equal: "2.50" and
// "2.5", ".5" and "0.5".
Boolean BigLessThan(std::string& a, std::string& b);
Boolean BigLessOrEqual(std::string& a, std::string& b);
Boolean BigGreaterThan(std::string& a, std::string& b);
Boolean BigGreaterOrEqual(std::string& a, std::string& b);

// a without its leading "-" (the argument is a copy).
std::string BigAbsolute(std::string a);
// Replaces a and b (unsigned) by aligned digit strings of equal length
// without a point; returns the common count of fraction digits. A string's
// fraction is counted from its first "." to its end, then every "." is
// removed; the shorter fraction gets zeros appended, the shorter string
// zeros in front. "12.5", "3.25" become "1250", "0325" and 2 is returned.
// Other characters are kept as they are.
std::int64_t AlignDecimals(std::string& a, std::string& b);
// s without leading "0" characters, at least one character kept: "000" ->
// "0", "0.5" -> ".5", "-05" unchanged, "" stays "".
std::string StripLeadingZeros(std::string s);
// Removes trailing "0" characters and then a bare trailing ".": "12.500" ->
// "12.5", "5." -> "5", ".000" -> "". Meant for strings that contain a point:
// it does not look for one, so "100" gives "1".
std::string StripTrailingZeros(std::string s);
// The characters before the first "." (s unchanged when it has none):
// "-12.5" -> "-12", ".5" -> "", "-.5" -> "-". The fraction is dropped.
std::string IntegerPart(std::string s);

// ---- The four operations, remainder and whole powers -------------------
// All results are exact (BigDivide truncates, never rounds) and in normal
// form. None of these procedures changes its arguments.

// a + b and a - b. A zero result is "0", never "-0" (also for operands
// without any integer digit, such as ".0" + ".0").
std::string BigAdd(std::string a, std::string b);
std::string BigSubtract(std::string a, std::string b);
// The exact product, with "-" in front when exactly one operand text begins
// with "-": a zero product of unlike signs is "-0" ("-5" x "0").
std::string BigMultiply(std::string a, std::string b);
// a / b truncated to 2 x (fraction digits of a) + precision places. The
// precision is raised to at least 10, and to (length of b) + 1 when (length
// of a) + precision is below the length of b (lengths of the texts without
// sign and leading zeros, point included); the raised value is written back.
// "-" in front when exactly one operand is negative ("-0" possible). A zero
// dividend gives "0" and a zero divisor the message "Error: Divide by Zero."
// titled "Big Math(Divide)" and "" (in both cases the precision variable is
// left alone). Examples: 1 / 3 -> ".3333333333", 0.1 / 3 ->
// ".033333333333", 1 / 99999999999 -> "0".
std::string BigDivide(std::string a, std::string b, int& precision);
std::string BigDivide(std::string a, std::string b, int&& precision);
// The remainder of the integer parts of a and b under truncating division,
// with the sign of a ("-" in front whenever a begins with "-": -6 mod 3 is
// "-0"); b's sign plays no part. A divisor written as zero ("0", "-000")
// shows "Error: Divide by Zero." titled "Big Math(Modulo)" and gives "". A
// divisor whose integer part is zero but which is not written as zero (".5",
// "0.0") shows the same text titled "Big Math(Divide)" and gives the integer
// part of a, with a's sign.
std::string BigModulo(std::string a, std::string b);
// base raised to a whole exponent, exactly as repeated BigMultiply would
// give it (computed by squaring).
//  - An exponent containing "." anywhere ("2.5", "3.0", "3.") shows
//    "Fractional Powers are not supported!" titled "Megatally" with the
//    exclamation icon, and gives "0".
//  - Exponent 0 gives "1" (also 0 ^ 0); exponent 1 gives the base text
//    unchanged.
//  - A negative exponent -n gives BigDivide("1", base ^ n, 10) (so 2 ^ -1
//    is ".5", 0 ^ -1 is a division by zero and gives "").
//  - A power whose result would have more than 268,435,456 digits (2^28) is
//    refused before any work with the message "This power is too large to
//    compute: its result would have more than 268,435,456 digits." titled
//    "Megatally" (exclamation icon, OK), and gives "0". Bases 0, 1 and -1
//    never hit this bound; a negative exponent is bounded like its positive.
std::string BigPower(std::string base, std::string exponent);
// True exactly when BigPower(base, exponent) would refuse the power as too
// large; shows nothing. Costs one reading of the two texts.
bool BigPowerTooLarge(const std::string& base, const std::string& exponent);
// About how many digits the text of base ^ exponent has (a floating-point
// estimate, within a few digits; 0 where the power needs no work: a
// fractional exponent, an exponent of 0 or 1, a base of 0, 1 or -1). For a
// negative exponent, the digits of base ^ |exponent|. Shows nothing.
double BigPowerDigits(const std::string& base, const std::string& exponent);

// ---- Roots, factorial and constants ------------------------------------
// Text refused by the procedures below (not a decimal string, a negative
// value where none is allowed, the logarithm of zero or to a base of 1 or
// less, a factorial of a fraction or above 1,000,000) shows one "Sorry"
// message and gives "". The empty text (left by an earlier division by zero)
// gives "" without message.

// s x 10^n and s / 10^n by moving the point; a negative n shifts the other way.
std::string ShiftPointRight(std::string s, int n);
std::string ShiftPointLeft(std::string s, int n);
// Cuts g >= 0 to exactly 8 decimals, toward zero (1.5 -> "1.50000000").
std::string TruncateTo8(std::string g);
// The square root of x truncated toward zero to 8 decimals, exactly:
// floor(sqrt(x) * 10^8) / 10^8 for every x >= 0 of any length (fractions and
// 0 < x < 1 included), written with trailing zeros and a bare point trimmed
// and no "0" before the point: 16 -> "4", 2 -> "1.41421356", 3 ->
// "1.7320508", 0.25 -> ".5", .0000000000001 -> ".00000031"; "0" when that is
// zero (x = 0 and "-0" included). A negative x is refused. Computed as the
// integer square root of floor(x * 10^16) (Zimmermann's Karatsuba square
// root on the fast multiplication and division): a few multiplications of
// x's length; polls for cancellation.
// The tolerance stays for the callers but no longer changes the result (it
// was the stop of an iteration whose last digit could be wrong): it must be
// a decimal string, other text is refused as not a number, and any value
// ("0.0001", "0", "-1", "7.5") gives the same root.
std::string BigSquareRoot(const std::string& x, const std::string& tolerance);
// The cube root of x truncated toward zero to 8 decimals, exactly, written
// the same way: 27 -> "3", 2 -> "1.25992104", 0.5 -> ".79370052"; the
// integer cube root of floor(|x| * 10^24) by Newton's iteration with doubling
// precision. A negative x gives minus the root of -x ("-27" -> "-3", and
// "0", never "-0", when the root of -x cuts to zero); 0 < x < 1 is taken like
// any other x. The tolerance as for BigSquareRoot.
std::string BigCubeRoot(const std::string& x, const std::string& tolerance);
// The exact product n x (n - 1) x ... x 2 of a whole n; 0! and 1! are "1".
// n over kLargestFactorial is refused ("Sorry", result "") before any work:
// 1,000,000! has 5,565,709 digits; beyond that the product is too long to
// show or edit.
inline constexpr unsigned kLargestFactorial = 1'000'000;
std::string BigFactorial(std::string n);
// 3.14159265358979323846264, computed on the first call and then kept; safe
// to call from several threads.
std::string BigPi();
// 2.7182818284590452353602874713526.
std::string BigE();
// The logarithm of x > 0 to base > 1 with every shown digit right: the
// text of the exact value cut to its first 22 characters ("-" and the point
// count), toward zero, with "0" before a leading point and no bare trailing
// point; a rational value whose expansion ends is written whole, without
// trailing zeros. Base 10: 1000 -> "3", 10 -> "1", 1 -> "0", .001 -> "-3",
// 2 -> "0.30102999566398119521", 0.5 -> "-0.3010299956639811952"; other
// bases: 8 to 2 -> "3", 8 to 4 -> "1.5", 2 to 8 -> "0.33333333333333333333".
// Worked out from bounds on ln x / ln base, widened until they decide the
// cut; to base 10 only x's length and leading digits count (a million-digit
// x takes about a millisecond). A zero x is refused ("Invalid input!   Can't
// do log operations on zero"), as are a negative x and a base of 1 or less.
std::string BigLog(const std::string& x, const std::string& base);

}  // namespace arith
