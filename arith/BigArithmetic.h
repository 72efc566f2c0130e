// Signed arithmetic on decimal strings of any length.
//
// A decimal string is an optional leading "-", integer digits, and
// optionally "." followed by fraction digits. Leading zeros, a bare point
// (".5", "5.") and the empty string (zero) are accepted as operands.
// Results come out in normal form: no leading zeros (a value below one is
// written ".5"), no trailing fraction zeros and no bare point, "-" only in
// front of a negative result ("-0" where the sign rules of a procedure give
// it). The empty string is the result of a division by zero.
#pragma once

#include <cstdint>
#include <string>

namespace arith {

// The comparisons answer with the platform's 16-bit Boolean: true is -1.
using Boolean = std::int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

// ---- Comparisons and normalisation ------------------------------------
// Each comparison removes a leading "-" from both of the caller's variables.
Boolean BigLessThan(std::string& a, std::string& b);
Boolean BigLessOrEqual(std::string& a, std::string& b);
Boolean BigGreaterThan(std::string& a, std::string& b);
Boolean BigGreaterOrEqual(std::string& a, std::string& b);

std::string BigAbsolute(std::string a);
// Replaces a and b (unsigned) by aligned digit strings of equal length
// without a point; returns the common count of fraction digits.
std::int64_t AlignDecimals(std::string& a, std::string& b);
std::string StripLeadingZeros(std::string s);
std::string StripTrailingZeros(std::string s);
std::string IntegerPart(std::string s);

// ---- The four operations, remainder and whole powers -------------------
std::string BigAdd(std::string a, std::string b);
std::string BigSubtract(std::string a, std::string b);
std::string BigMultiply(std::string a, std::string b);
// a / b truncated to 2 x (fraction digits of a) + precision places. The
// precision is raised to at least 10 (and further for long divisors) and the
// raised value is written back.
std::string BigDivide(std::string a, std::string b, int& precision);
std::string BigDivide(std::string a, std::string b, int&& precision);
std::string BigModulo(std::string a, std::string b);
std::string BigPower(std::string base, std::string exponent);

// ---- Roots, factorial and constants ------------------------------------
std::string ShiftPointRight(std::string s, int n);
std::string ShiftPointLeft(std::string s, int n);
std::string TruncateTo8(std::string g);
std::string BigSquareRoot(const std::string& x, const std::string& tolerance);
std::string BigCubeRoot(const std::string& x, const std::string& tolerance);
std::string BigFactorial(std::string n);
std::string BigPi();
std::string BigE();
std::string BigLog(const std::string& x, const std::string& base);

}  // namespace arith
