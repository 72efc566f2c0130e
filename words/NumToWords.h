// Spelling numbers in English words.
//
// NumberToWords spells the integer part of a display string ("12,345",
// "-1,000,005"): each ","-separated group of up to three digits is spelled
// on its own ("One" .. "Nine Hundred Ninety Nine") and followed by its scale
// name from ScaleNames, from " Thousand, " up to " Millitrillion, " for the
// 1,005th group. Numbers with more groups than that give a fixed over-limit
// text that states the number of digits instead of words.
//
// FractionToPlaceValue shows fraction digits as digits over a power of ten
// ("25" -> "25/100's"); fraction digits are never spelled.
//
// All functions are pure text-to-text functions without state; they accept
// any text (odd input runs through the same rules and never fails).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace words {

// Number of entries of ScaleNames (indices 0 to 1,005).
inline constexpr std::size_t kScaleNameCount = 1006;
// The most groups NumberToWords spells; more give the over-limit text.
inline constexpr std::size_t kMaxGroups = kScaleNameCount - 1;

// Scale name entries by group number counted from the right (1 = the units
// group, 2 = thousands, g is worth 10^(3(g-1))). Entries 0 and 1 are empty;
// every other entry is one space, the name, a comma and one space, as in
// " Thousand, ". The table is a compile-time constant.
extern const std::array<std::string_view, kScaleNameCount> ScaleNames;

// The words for a whole number: an optional leading "-" and ","-separated
// digit groups. "", "0" and any text whose groups are all 0 give "Zero";
// leading zero groups are skipped ("0,001,234" is "One Thousand, Two Hundred
// Thirty Four"). "-1,234" gives
// "(Minus) One Thousand, Two Hundred Thirty Four". More than kMaxGroups
// groups give the over-limit text (no sign prefix).
std::string NumberToWords(const std::string& text);

// The words for one group of up to three digits without a scale name; empty
// when the group's value is 0. Not trimmed: "100" gives "One Hundred ".
std::string HundredsToWords(const std::string& group);

// The words for a tens digit and a ones digit whose tens digit is not "0":
// "15" -> "Fifteen", "20" -> "Twenty " (with its trailing space),
// "21" -> "Twenty One".
std::string TensToWords(const std::string& pair);

// The ones word ("One" .. "Nine") for a one-character text; empty for "0"
// and anything else.
std::string DigitToWords(const std::string& digit);

// The fraction digits after a decimal point as digits over a power of ten:
// the first five digits are kept, their trailing zeros removed, and the
// denominator suffix for the count appended ("05" -> "05/100's",
// "100000" -> "1/10's"). Empty when no digit remains.
std::string FractionToPlaceValue(const std::string& fractionDigits);

// The text without its trailing "0" characters (may become empty).
std::string TrimFractionZeros(const std::string& digits);

}  // namespace words
