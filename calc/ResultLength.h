// How long a result will be, from its operands alone.
//
// The engine refuses a result longer than kMaxResultDigits (Engine.h) before
// it computes anything, so every operation first estimates the number of
// digits its result will have. Each estimate here is at least the number of
// digits the arithmetic produces (never less, so nothing too long slips
// through) and close to it (so nothing near the bound is refused that would
// have fitted). Each costs one pass over its operands' characters and
// allocates nothing.
//
// Operands are taken as the arithmetic reads them (arith/BigArithmetic.h):
// digits before the first "." are whole digits, digits after it fraction
// digits; anything else counts for nothing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace calc {

struct DigitCounts {
    std::size_t whole = 0;     // digits before the first "."
    std::size_t fraction = 0;  // digits after it
};
DigitCounts CountDigits(std::string_view operand);

// a + b and a - b: the longer whole part and one carry, the longer fraction.
double SumDigits(std::string_view a, std::string_view b);
// a × b: the digits of both.
double ProductDigits(std::string_view a, std::string_view b);
// BigDivide(a, b, 10): whole digits up to the difference of the places of
// a's and b's first significant digits + 1, and 2 × (a's fraction digits) +
// the precision places, the
// precision being 10 or, for a divisor longer than the dividend and 10
// places, the divisor's length + 1.
double QuotientDigits(std::string_view a, std::string_view b);
// BigModulo(a, b): no longer than either whole part (a's alone for a
// divisor below one).
double RemainderDigits(std::string_view a, std::string_view b);
// BigPower(a, b) with a whole exponent; for a negative exponent the
// reciprocal, which has at least 10 places and about as many as the power
// has digits.
double PowerDigits(const std::string& a, const std::string& b);
// n! for the whole number n (digits only).
double FactorialDigits(std::string_view n);

// The result of the pending operator op ("+", "-", "X", "%", "/", "mod",
// "^") of a and b; 0 for an operator that computes nothing.
double OperationDigits(std::string_view op, const std::string& a, const std::string& b);

// The length of a text as the readout would hold it, counted as its
// digits: every character but "," "." and "-". Stray characters that an
// edit can leave count as digits.
std::size_t ReadoutDigits(std::string_view text);

}  // namespace calc
