#include "calc/Format.h"

#include <cstddef>
#include <cstring>

namespace calc {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Takes a leading "-" off v; true when there was one.
bool takeSign(std::string_view& v)
{
    if (v.empty() || v.front() != '-')
        return false;
    v.remove_prefix(1);
    return true;
}

}  // namespace

std::string RemoveCommas(std::string_view s)
{
    std::string out(s.size(), '\0');
    char* p = out.data();
    for (char c : s) {
        *p = c;
        p += c != ',';
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    return out;
}

std::string AddCommas(std::string_view in)
{
    const bool negative = takeSign(in);
    std::string withoutCommas;
    std::string_view s = in;
    if (in.find(',') != std::string_view::npos) {
        withoutCommas = RemoveCommas(in);
        s = withoutCommas;
    }
    const std::size_t point = s.find('.');
    std::string_view whole = s;
    std::string_view fraction;
    if (point != std::string_view::npos) {
        whole = s.substr(0, point);
        fraction = s.substr(point + 1);
        if (whole.empty())
            whole = "0";
    }

    const std::size_t n = whole.size();
    const std::size_t separators = n == 0 ? 0 : (n - 1) / 3;
    const std::size_t total = (negative ? 1 : 0) + n + separators + (fraction.empty() ? 0 : fraction.size() + 1);
    std::string out(total, '\0');
    char* p = out.data();
    if (negative)
        *p++ = '-';
    // The first group takes what the groups of three leave over.
    const std::size_t first = n == 0 ? 0 : (n % 3 == 0 ? 3 : n % 3);
    const char* src = whole.data();
    if (first != 0)
        std::memcpy(p, src, first);
    p += first;
    for (std::size_t i = first; i < n; i += 3) {
        p[0] = ',';
        std::memcpy(p + 1, src + i, 3);
        p += 4;
    }
    if (!fraction.empty()) {
        *p++ = '.';
        std::memcpy(p, fraction.data(), fraction.size());
    }
    return out;
}

std::string ResultText(std::string_view s)
{
    std::string out = AddCommas(s);
    if (s.find('.') == std::string_view::npos)
        out += '.';
    return out;
}

bool IsDecimalString(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-')
        ++i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
    }
    return i == s.size();
}

bool IsDisplayString(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-')
        ++i;
    // The first group has one to three digits, every later one three.
    std::size_t groupDigits = 0;
    bool grouped = false;
    for (; i < s.size() && s[i] != '.'; ++i) {
        if (isDigit(s[i])) {
            if (++groupDigits > 3)
                return false;
        } else if (s[i] == ',' && groupDigits > 0 && (!grouped || groupDigits == 3)) {
            grouped = true;
            groupDigits = 0;
        } else {
            return false;
        }
    }
    if (grouped && groupDigits != 3)
        return false;
    if (i < s.size())
        ++i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i == s.size();
}

bool IsZeroValue(std::string_view s)
{
    for (char c : s) {
        if (c >= '1' && c <= '9')
            return false;
    }
    return true;
}

std::string ToOperand(std::string_view text)
{
    std::string s = RemoveCommas(text);
    bool anyDigit = false;
    for (char c : s) {
        if (isDigit(c)) {
            anyDigit = true;
            break;
        }
    }
    if (!anyDigit)
        return "0";
    if (IsDecimalString(s))
        return s;
    std::string out;
    out.reserve(s.size());
    if (s.front() == '-')
        out += '-';
    bool point = false;
    for (char c : s) {
        if (isDigit(c)) {
            out += c;
        } else if (c == '.' && !point) {
            out += c;
            point = true;
        }
    }
    return out;
}

std::string PlainNumericForm(std::string_view text)
{
    const std::string s = ToOperand(text);
    std::string_view v = s;
    const bool negative = takeSign(v);
    std::string_view whole = v;
    std::string_view fraction;
    const std::size_t point = v.find('.');
    if (point != std::string_view::npos) {
        whole = v.substr(0, point);
        fraction = v.substr(point + 1);
    }
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    if (whole.empty() && fraction.empty())
        return "0";
    std::string out;
    out.reserve(v.size() + 2);
    if (negative)
        out += '-';
    if (whole.empty())
        out += '0';
    else
        out.append(whole);
    if (!fraction.empty()) {
        out += '.';
        out.append(fraction);
    }
    return out;
}

std::string WholeNumberFormat(std::string_view text)
{
    const std::string s = RemoveCommas(text);
    std::string_view v = s;
    const bool negative = takeSign(v);
    bool anyDigit = false;
    for (char c : v) {
        if (isDigit(c)) {
            anyDigit = true;
            break;
        }
    }
    // A second sign ("--5") is not a number either.
    if (!anyDigit || !IsDecimalString(v) || v.front() == '-')
        return std::string(text);

    std::string_view whole = v;
    std::string_view fraction;
    const std::size_t point = v.find('.');
    if (point != std::string_view::npos) {
        whole = v.substr(0, point);
        fraction = v.substr(point + 1);
    }
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    std::string digits(whole);
    if (!fraction.empty() && fraction.front() >= '5') {
        // Halves away from zero: add one to the magnitude.
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[i - 1] = '0';
            --i;
        }
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    if (digits.empty())
        digits.push_back('0');
    std::string out;
    out.reserve(digits.size() + 2);
    if (negative && digits != "0")
        out += '-';
    out += digits;
    out += '.';
    return out;
}

std::string FilterDigitsAndPoints(std::string_view t)
{
    std::string out;
    out.reserve(t.size());
    for (char c : t) {
        if (isDigit(c) || c == '.')
            out += c;
    }
    return out;
}

}  // namespace calc
