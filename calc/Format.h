// Readout formatting and the small text rules the engine applies to numbers.
//
// A display string is a decimal string with "," between groups of three
// integer digits ("-1,234,567.891"); removing every "," gives the decimal
// string back. All functions here are pure, linear in the length of their
// argument, and accept any text without failing.
#pragma once

#include <string>
#include <string_view>

namespace calc {

// The display string of s: a leading "-" kept, every "," removed, the
// integer part grouped by three from the right ("0" when nothing stands
// before the point), the fraction appended after "." unless it is empty.
// "1234567.891" -> "1,234,567.891", "12." -> "12", ".5" -> "0.5",
// "-" -> "-", "." -> "0", "" -> "". Other characters are grouped as they
// stand.
std::string AddCommas(std::string_view s);

// The whole-number format "0.": the number rounded to whole (halves away
// from zero), written without separators or leading zeros, followed by ".".
// "1,234" -> "1234.", "1.5" -> "2.", "-7" -> "-7.", "0.4" -> "0.". A text
// that is not a number (empty, "-", "--5", letters, two points) comes back
// unchanged.
std::string WholeNumberFormat(std::string_view s);

// s with every "," removed.
std::string RemoveCommas(std::string_view s);

// The readout text for the decimal string s: AddCommas(s) when s contains
// ".", otherwise AddCommas(s) followed by ".".
std::string ResultText(std::string_view s);

// True when s is a decimal string: optional leading "-", digits, optionally
// one "." and digits (bare points and "" included).
bool IsDecimalString(std::string_view s);

// True when s reads as a display string: optional leading "-", the integer
// digits in groups split by "," (the first of one to three digits, the
// others of three, or one ungrouped run of up to three), optionally "." and
// fraction digits. "", "-", "0." and "0,001,234.5" are; "1000", "1,23",
// "1x" and "1.2.3" are not.
bool IsDisplayString(std::string_view s);

// True when the text has no digit other than "0" ("", "-", "0.000", "-0",
// ".0" are all zero). Used on decimal strings.
bool IsZeroValue(std::string_view s);

// The value of s written plainly: no leading zeros, no trailing fraction
// zeros, no trailing point, "0" before a point that starts the number, "-"
// for a negative non-zero value: "007" -> "7", "2.50" -> "2.5",
// "-0.50" -> "-0.5", "-0" -> "0".
std::string PlainNumericForm(std::string_view s);

// The operand handed to the arithmetic for a text taken from the readout,
// the memory or an operand field. "," is removed; a decimal string with at
// least one digit passes unchanged ("5.", "007", "-0" stay as they are).
// A text without any digit ("", "-", ".", "-.") is read as "0". Any other
// text (letters or a second point, as an edit in the zoom window can leave)
// is reduced to a leading "-", its digits and its first point.
std::string ToOperand(std::string_view s);

// The paste filter: the digits and points of t, in order; everything else
// (signs, separators, blanks, letters, line breaks) dropped.
std::string FilterDigitsAndPoints(std::string_view t);

}  // namespace calc
