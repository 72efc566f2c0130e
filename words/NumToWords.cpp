// Number to words: group spelling, scale names, the over-limit text and
// fractions as place value. See NumToWords.h for the contract.
//
// Everything works on string_views of the caller's text and appends into
// one output buffer, so NumberToWords is linear in the length of its input.
// The group count is known from the number of "," alone, so a number with
// too many groups is answered without spelling any of it.
#include "words/NumToWords.h"

#include <algorithm>
#include <array>

namespace words {
namespace {

constexpr std::array<std::string_view, 10> kOnes{"",     "One", "Two",   "Three", "Four",
                                                 "Five", "Six", "Seven", "Eight", "Nine"};
constexpr std::array<std::string_view, 10> kTeens{"Ten",     "Eleven",  "Twelve",    "Thirteen", "Fourteen",
                                                  "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
// Tens words end with one space; 0 and 1 have none (teens cover 1).
constexpr std::array<std::string_view, 10> kTens{"",       "",       "Twenty ",  "Thirty ", "Forty ",
                                                 "Fifty ", "Sixty ", "Seventy ", "Eighty ", "Ninety "};

constexpr std::string_view kHundred = " Hundred ";
constexpr std::string_view kZero = "Zero";
constexpr std::string_view kMinus = "(Minus) ";

constexpr std::array<std::string_view, 5> kPlaceSuffix{"/10's", "/100's", "/1,000's", "/10,000's", "/100,000's"};
constexpr std::size_t kMaxFractionDigits = kPlaceSuffix.size();

constexpr std::array<std::string_view, 4> kOverLimitPieces{
    "Dude - That's a VERY large number which contains more that 3009 digits!  ",
    "Since I do not know what comes after the Millitrillion's, how about we just call your result ",
    "One Big Ass number and leave it at that!  Oh, by the way displaying that number may have truncated it ",
    "but, it contained at least "};
constexpr std::string_view kOverLimitEnd = " Digits! ";

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Numeric value of a text: the decimal number (digits, at most one point)
// the text begins with; 0 when it begins with anything else.

// True when that value is 0 ("", "000", "0.00", "abc", ",5").
bool ValueIsZero(std::string_view t)
{
    std::size_t i = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i) {
        if (t[i] != '0')
            return false;
    }
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && IsDigit(t[i]); ++i) {
            if (t[i] != '0')
                return false;
        }
    }
    return true;
}

// The value when it is a whole number below 100, otherwise -1.
int SmallValue(std::string_view t)
{
    std::size_t i = 0;
    int value = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i) {
        value = value * 10 + (t[i] - '0');
        if (value >= 100)
            return -1;
    }
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && IsDigit(t[i]); ++i) {
            if (t[i] != '0')
                return -1;  // not a whole number
        }
    }
    return value;
}

// True when every ","-separated group of t has the value 0: "0,000",
// "000", "", ",,"; not "0,001,234".
bool AllGroupsZero(std::string_view t)
{
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(t.find(',', start), t.size());
        if (!ValueIsZero(t.substr(start, end - start)))
            return false;
        if (end == t.size())
            return true;
        start = end + 1;
    }
}

std::string_view TrimSpaces(std::string_view t)
{
    const auto first = t.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = t.find_last_not_of(' ');
    return t.substr(first, last - first + 1);
}

void AppendDigit(std::string& out, std::string_view digit)
{
    const int v = SmallValue(digit);
    if (v >= 1 && v <= 9)
        out += kOnes[static_cast<std::size_t>(v)];
}

void AppendTens(std::string& out, std::string_view pair)
{
    const std::string_view first = pair.substr(0, 1);
    const int tens = SmallValue(first);
    if (tens == 1) {
        const int v = SmallValue(pair);
        if (v >= 10 && v <= 19)
            out += kTeens[static_cast<std::size_t>(v - 10)];
        return;
    }
    if (tens >= 2 && tens <= 9)
        out += kTens[static_cast<std::size_t>(tens)];
    AppendDigit(out, pair.empty() ? pair : pair.substr(pair.size() - 1));
}

void AppendHundreds(std::string& out, std::string_view group)
{
    if (ValueIsZero(group))
        return;
    // The last three characters of "000" followed by the group.
    char padded[3] = {'0', '0', '0'};
    const std::size_t take = std::min<std::size_t>(group.size(), 3);
    std::copy(group.end() - static_cast<std::ptrdiff_t>(take), group.end(), padded + (3 - take));
    const std::string_view s(padded, 3);
    if (s[0] != '0') {
        AppendDigit(out, s.substr(0, 1));
        out += kHundred;
    }
    if (s[1] != '0') {
        AppendTens(out, s.substr(1, 2));
    } else {
        AppendDigit(out, s.substr(2, 1));
    }
}

std::string OverLimitText(std::size_t digitCount)
{
    std::string out;
    for (const auto piece : kOverLimitPieces)
        out += piece;
    out += std::to_string(digitCount);
    out += kOverLimitEnd;
    return out;
}

}  // namespace

std::string DigitToWords(const std::string& digit)
{
    std::string out;
    AppendDigit(out, digit);
    return out;
}

std::string TensToWords(const std::string& pair)
{
    std::string out;
    AppendTens(out, pair);
    return out;
}

std::string HundredsToWords(const std::string& group)
{
    std::string out;
    AppendHundreds(out, group);
    return out;
}

std::string NumberToWords(const std::string& text)
{
    std::string_view t = text;
    const bool negative = !t.empty() && t.front() == '-';
    if (negative)
        t.remove_prefix(1);

    // An empty text has no group; otherwise every "," starts another one.
    const auto commas = static_cast<std::size_t>(std::count(t.begin(), t.end(), ','));
    const std::size_t groups = t.empty() ? 0 : commas + 1;
    if (groups > kMaxGroups)
        return OverLimitText(t.size() - commas);

    // Most significant group first: appending in this order gives the same
    // text as putting each group in front of the less significant ones.
    std::string words;
    if (!AllGroupsZero(t)) {
        words.reserve(groups * 48 + kMinus.size());
        if (negative)
            words += kMinus;
        std::string group;
        std::size_t number = groups;
        std::size_t start = 0;
        while (number > 0) {
            const std::size_t end = std::min(t.find(',', start), t.size());
            group.clear();
            AppendHundreds(group, t.substr(start, end - start));
            const std::string_view spelled = TrimSpaces(group);
            if (!spelled.empty()) {
                words += spelled;
                words += ScaleNames[number];
            }
            --number;
            start = end + 1;
        }
    } else {
        // Every group is zero: "0", "" and "0,000" read "Zero".
        if (negative)
            words += kMinus;
        words += kZero;
    }

    // Trim the spelled words (not the sign prefix), then drop a final comma.
    const std::size_t body = negative ? kMinus.size() : 0;
    const std::string_view trimmed = TrimSpaces(std::string_view(words).substr(body));
    std::string result;
    result.reserve(body + trimmed.size());
    result.append(words, 0, body);
    result += trimmed;
    if (!trimmed.empty() && result.back() == ',')
        result.pop_back();
    return result;
}

std::string TrimFractionZeros(const std::string& digits)
{
    const auto last = digits.find_last_not_of('0');
    return last == std::string::npos ? std::string() : digits.substr(0, last + 1);
}

std::string FractionToPlaceValue(const std::string& fractionDigits)
{
    const std::string kept = TrimFractionZeros(fractionDigits.substr(0, kMaxFractionDigits));
    if (kept.empty())
        return {};
    return kept + std::string(kPlaceSuffix[kept.size() - 1]);
}

}  // namespace words
