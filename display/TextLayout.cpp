#include "display/TextLayout.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace display {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::uint64_t load8(const char* p)
{
    std::uint64_t x;
    std::memcpy(&x, p, 8);
    return x;
}

// Eight digits: every byte has 3 as its high nibble and a low nibble that
// six more does not carry out of.
constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ull;
constexpr std::uint64_t kThrees = 0x3030303030303030ull;
bool eightDigits(std::uint64_t x)
{
    return (x & kHighNibbles) == kThrees && ((x + 0x0606060606060606ull) & kHighNibbles) == kThrees;
}

// "ddd,ddd," as eight bytes of a little-endian load.
bool twoGroups(std::uint64_t x)
{
    constexpr std::uint64_t commas = 0xFF000000FF000000ull;
    return (x & commas) == 0x2C0000002C000000ull && eightDigits((x & ~commas) | 0x3000000030000000ull);
}

// The width of the character at t[i]; len becomes its length in bytes. A
// byte that does not start a well-formed UTF-8 sequence is one character.
double charWidth(std::string_view t, std::size_t i, const CharWidths& w, std::size_t& len)
{
    const auto c = static_cast<unsigned char>(t[i]);
    len = 1;
    if (c < 0x80)
        return isDigit(static_cast<char>(c)) ? w.digit : w.ascii[c];
    char32_t cp = 0xFFFD;
    const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (n > 1 && i + n <= t.size()) {
        char32_t v = c & (0x7Fu >> n);
        bool ok = true;
        for (std::size_t k = 1; k < n && ok; ++k) {
            const auto b = static_cast<unsigned char>(t[i + k]);
            ok = (b & 0xC0) == 0x80;
            v = (v << 6) | (b & 0x3Fu);
        }
        if (ok) {
            cp = v;
            len = n;
        }
    }
    return w.other ? w.other(cp) : w.digit;
}

}  // namespace

void TextLayout::addAtom(std::int64_t start, std::int64_t end, double width, bool lineBreak)
{
    const auto chars = static_cast<std::int32_t>(end - start);
    if (!runs_.empty()) {
        Run& r = runs_.back();
        if (r.lineBreak == lineBreak && r.chars == chars && r.width == width && r.offset + r.count * r.chars == start) {
            ++r.count;
            return;
        }
    }
    runs_.push_back(Run{start, 1, chars, lineBreak, false, width, 0, 0, 0, 0});
}

void TextLayout::scan(std::string_view t, const CharWidths& widths, bool breakAfterCommas)
{
    runs_.clear();
    size_ = static_cast<std::int64_t>(t.size());
    const std::size_t n = t.size();
    const char* p = t.data();
    std::size_t i = 0;
    while (i < n) {
        if (t[i] == '\n' || (t[i] == '\r' && i + 1 < n && t[i + 1] == '\n')) {
            const std::size_t len = t[i] == '\n' ? 1 : 2;
            addAtom(static_cast<std::int64_t>(i), static_cast<std::int64_t>(i + len), 0, true);
            i += len;
            continue;
        }
        // One word, with the space after it.
        std::size_t look = i;
        const std::size_t lookEnd = std::min(n, i + kLongWord + 1);
        while (look < lookEnd && t[look] != ' ' && t[look] != '\n' && t[look] != '\r')
            ++look;
        const bool longWord = look - i > kLongWord;
        const bool commaBreaks = longWord || breakAfterCommas;
        std::size_t start = i;
        double width = 0;
        int digits = 0;  // of the run of digits since the last cut
        const auto cut = [&] {
            addAtom(static_cast<std::int64_t>(start), static_cast<std::int64_t>(i), width, false);
            start = i;
            width = 0;
            digits = 0;
        };
        while (i < n) {
            const char c = t[i];
            if (c == '\n' || (c == '\r' && i + 1 < n && t[i + 1] == '\n'))
                break;
            std::size_t len = 1;
            width += charWidth(t, i, widths, len);
            i += len;
            if (c == ' ')
                break;
            if (c == ',') {
                const bool group =
                    i - start == 4 && isDigit(p[start]) && isDigit(p[start + 1]) && isDigit(p[start + 2]);
                if (commaBreaks)
                    cut();
                digits = 0;
                // The groups of a long number go eight bytes at a time.
                if constexpr (std::endian::native == std::endian::little) {
                    if (group && longWord) {
                        while (i + 8 <= n && twoGroups(load8(p + i))) {
                            runs_.back().count += 2;
                            i += 8;
                        }
                        start = i;
                    }
                }
                continue;
            }
            if (!longWord)
                continue;
            if (isDigit(c)) {
                if (++digits == 3 && i < n && isDigit(t[i])) {
                    const bool group = i - start == 3;
                    cut();
                    // A long run of digits goes 24 bytes (eight atoms) at a time.
                    if constexpr (std::endian::native == std::endian::little) {
                        if (group) {
                            while (i + 25 <= n && eightDigits(load8(p + i)) && eightDigits(load8(p + i + 8)) &&
                                   eightDigits(load8(p + i + 16)) && isDigit(p[i + 24])) {
                                runs_.back().count += 8;
                                i += 24;
                            }
                            start = i;
                        }
                    }
                }
                continue;
            }
            digits = 0;
            if (i - start >= kLongestAtom && (i >= n || (static_cast<unsigned char>(t[i]) & 0xC0) != 0x80))
                cut();
        }
        if (i > start)
            cut();
    }
}

void TextLayout::layout(double width)
{
    std::int64_t line = 0;
    double used = 0;  // of the current line
    for (Run& r : runs_) {
        if (r.lineBreak) {
            r.wrapFirst = false;
            r.firstLine = line + 1;
            r.lines = r.count;
            r.firstFit = 0;
            r.perLine = 1;
            line += r.count;
            used = 0;
            continue;
        }
        std::int64_t perLine = r.count;
        if (r.width > 0 && width / r.width < static_cast<double>(r.count))
            perLine = std::max<std::int64_t>(1, static_cast<std::int64_t>(width / r.width));
        r.wrapFirst = used > 0 && used + r.width > width;
        if (r.wrapFirst) {
            ++line;
            used = 0;
        }
        std::int64_t fit = perLine;
        if (used > 0 && r.width > 0 && (width - used) / r.width < static_cast<double>(r.count))
            fit = std::max<std::int64_t>(1, static_cast<std::int64_t>((width - used) / r.width));
        fit = std::min(fit, r.count);
        const std::int64_t rest = r.count - fit;
        const std::int64_t more = (rest + perLine - 1) / perLine;
        r.firstLine = r.wrapFirst ? line : line + 1;
        r.lines = (r.wrapFirst ? 1 : 0) + more;
        r.firstFit = fit;
        r.perLine = perLine;
        line += more;
        used = more > 0 ? static_cast<double>(rest - (more - 1) * perLine) * r.width
                        : used + static_cast<double>(fit) * r.width;
    }
    lines_ = line + 1;
}

std::int64_t TextLayout::lineStart(std::int64_t line) const
{
    if (line <= 0)
        return 0;
    if (line >= lines_)
        return size_;
    // The last run in which a line begins at or before this one.
    auto it = std::upper_bound(runs_.begin(), runs_.end(), line,
                               [](std::int64_t l, const Run& r) { return l < r.firstLine; });
    while (it != runs_.begin()) {
        --it;
        if (it->lines > 0)
            break;
    }
    const Run& r = *it;
    const std::int64_t t = line - r.firstLine;
    if (r.lineBreak)
        return r.offset + (t + 1) * r.chars;
    const std::int64_t atom =
        r.wrapFirst ? (t == 0 ? 0 : r.firstFit + (t - 1) * r.perLine) : r.firstFit + t * r.perLine;
    return r.offset + atom * r.chars;
}

std::int64_t TextLayout::lineEnd(std::int64_t line) const { return lineStart(line + 1); }

std::int64_t TextLayout::lineOf(std::int64_t pos) const
{
    std::int64_t lo = 0, hi = lines_ - 1;
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo + 1) / 2;
        if (lineStart(mid) <= pos)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

}  // namespace display
