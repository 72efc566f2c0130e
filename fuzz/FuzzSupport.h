// Shared by the fuzz targets: splitting the input into fields, the checks
// that stop a run with a readable message, and the normal-form test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Reports a broken invariant and aborts, so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "invariant broken: %s\n  %s\n", what, detail.c_str());
    std::abort();
}

inline void check(bool ok, const char* what, const std::string& detail = {})
{
    if (!ok)
        fail(what, detail);
}

// The input as up to `count` fields separated by '\n' (the last field takes
// the rest, separators included).
inline std::vector<std::string> fields(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    std::vector<std::string> out;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (out.size() + 1 < count) {
        const std::size_t nl = rest.find('\n');
        if (nl == std::string_view::npos)
            break;
        out.emplace_back(rest.substr(0, nl));
        rest.remove_prefix(nl + 1);
    }
    out.emplace_back(rest);
    while (out.size() < count)
        out.emplace_back();
    return out;
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Optional "-", digits, optionally "." and digits, with at least one digit.
inline bool isCleanNumber(std::string_view s)
{
    if (!s.empty() && s.front() == '-')
        s.remove_prefix(1);
    bool digit = false, point = false;
    for (char c : s) {
        if (isDigit(c))
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

// The arithmetic's normal form: "0", "-0", or an optional "-", no leading
// zeros (".5" below one), no trailing fraction zeros and no bare point.
inline bool isNormalForm(std::string_view s)
{
    if (!s.empty() && s.front() == '-')
        s.remove_prefix(1);
    if (s == "0")
        return true;
    if (s.empty() || s.front() == '0' || !isCleanNumber(s))
        return false;
    const std::size_t point = s.find('.');
    return point == std::string_view::npos || (point + 1 < s.size() && s.back() != '0');
}

inline std::string brief(const std::string& s) { return s.size() <= 80 ? s : s.substr(0, 80) + "..."; }

}  // namespace fuzz
