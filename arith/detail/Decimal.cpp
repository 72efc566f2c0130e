#include "arith/detail/Decimal.h"

#include "arith/Cancel.h"
#include "arith/detail/LimbLoops.h"
#include "arith/detail/Polled.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace arith::detail {

namespace {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::size_t kDigits = static_cast<std::size_t>(kLimbDigits);

// The conversions between text and limbs poll once per this many limbs (a
// few tens of microseconds of work), so that reading or writing the longest
// numbers stops promptly when cancelled.
constexpr std::size_t kLimbsPerPoll = 4096;

// "00", "01", ..., "99": two digits per table look-up.
constexpr auto kPairs = [] {
    std::array<char, 200> t{};
    for (int i = 0; i < 100; ++i) {
        t[2 * i] = char('0' + i / 10);
        t[2 * i + 1] = char('0' + i % 10);
    }
    return t;
}();

// Writes the nine digits of one limb, zero padded, at out[0..9).
inline void putLimb(char* out, Limb v)
{
    const Limb hi = v / 100000000, rest = v - hi * 100000000;
    const Limb a = rest / 10000, b = rest - a * 10000;
    out[0] = char('0' + hi);
    std::memcpy(out + 1, &kPairs[2 * (a / 100)], 2);
    std::memcpy(out + 3, &kPairs[2 * (a % 100)], 2);
    std::memcpy(out + 5, &kPairs[2 * (b / 100)], 2);
    std::memcpy(out + 7, &kPairs[2 * (b % 100)], 2);
}

// The value of the nine digit characters p[0 .. 9): the last eight at once,
// two, four and eight digits per lane of a 64-bit word.
inline Limb readNine(const char* p)
{
    std::uint64_t v;
    std::memcpy(&v, p + 1, 8);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap64(v);
    v -= 0x3030303030303030ull;
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFull;
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFull;
    v = (v * 10000 + (v >> 32)) & 0xFFFFFFFFull;
    return Limb(p[0] - '0') * 100000000u + Limb(v);
}

constexpr std::size_t kCharsPerPoll = kLimbsPerPoll * kDigits;

// True when every character is a digit; one pass without branches, which
// the compiler runs many characters at a time, a block between two polls.
bool allDigits(std::string_view s)
{
    unsigned bad = 0;
    for (std::size_t at = 0; at < s.size(); at += kCharsPerPoll) {
        pollCancel();
        for (const char c : s.substr(at, kCharsPerPoll))
            bad |= static_cast<unsigned char>(c - '0') > 9;
    }
    return bad == 0;
}

// The digit sequence `first`, then `second`, then `pad` zeros, as a
// trimmed limb vector.
Limbs runsToLimbs(std::string_view first, std::string_view second, std::size_t pad)
{
    // Leading zeros go first, so that the vector comes out (nearly) trimmed.
    while (!first.empty() && first.front() == '0')
        first.remove_prefix(1);
    if (first.empty())
        while (!second.empty() && second.front() == '0')
            second.remove_prefix(1);
    const std::size_t n1 = first.size(), n12 = n1 + second.size(), len = n12 + pad;
    if (n12 == 0)
        return {};
    Limbs v;
    v.reserve((len + kDigits - 1) / kDigits + 1);  // room for a carry limb, as a sum needs
    resizePolled(v, (len + kDigits - 1) / kDigits);
    auto digitAt = [&](std::size_t i) -> Limb {
        if (i < n1)
            return Limb(first[i] - '0');
        if (i < n12)
            return Limb(second[i - n1] - '0');
        return 0;
    };
    // Limb k holds the digits [end - 9, end) of the sequence, end = len - 9k.
    std::size_t end = len;
    for (std::size_t k = 0; k < v.size(); ++k) {
        if (k % kLimbsPerPoll == 0)
            pollCancel();
        const std::size_t begin = end >= kDigits ? end - kDigits : 0;
        if (begin >= n12) {
            v[k] = 0;
        } else if (end - begin == kDigits && end <= n1) {
            v[k] = readNine(first.data() + begin);
        } else if (end - begin == kDigits && begin >= n1 && end <= n12) {
            v[k] = readNine(second.data() + (begin - n1));
        } else {
            Limb x = 0;  // across a boundary, or the short top limb
            for (std::size_t i = begin; i < end; ++i)
                x = x * 10 + digitAt(i);
            v[k] = x;
        }
        end = begin;
    }
    trimLimbs(v);
    return v;
}

}  // namespace

DecimalParts parseDecimal(std::string_view text)
{
    DecimalParts p;
    std::size_t i = 0;
    if (!text.empty() && text[0] == '-') {
        p.negative = true;
        i = 1;
    }
    p.digits.reserve(text.size() - i);
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (i % kCharsPerPoll == 0)
            pollCancel();
        const char c = text[i];
        if (isDigit(c)) {
            p.digits.push_back(c);
            if (seenPoint)
                ++p.fraction;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            p.wellFormed = false;
        }
    }
    return p;
}

bool takeSign(std::string& s)
{
    if (!s.empty() && s.front() == '-') {
        s.erase(0, 1);
        return true;
    }
    return false;
}

bool isDecimalString(std::string_view text)
{
    if (!text.empty() && text[0] == '-')
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return allDigits(text);
    return allDigits(text.substr(0, point)) && allDigits(text.substr(point + 1));
}

DecimalRuns::DecimalRuns(std::string_view text)
{
    std::size_t i = 0;
    if (!text.empty() && text[0] == '-') {
        negative_ = true;
        i = 1;
    }
    const std::string_view body = text.substr(i);
    const std::size_t point = body.find('.');
    whole_ = body.substr(0, point);
    fraction_ = point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
    if (allDigits(whole_) && allDigits(fraction_))
        return;
    // Characters to skip: the character-by-character reading decides.
    const DecimalParts p = parseDecimal(text);
    cleaned_ = p.digits;
    const std::string_view all = cleaned_;
    whole_ = all.substr(0, all.size() - p.fraction);
    fraction_ = all.substr(all.size() - p.fraction);
}

Limbs DecimalRuns::limbs(std::size_t scale) const
{
    ARITH_ASSERT(scale >= fraction_.size());
    return runsToLimbs(whole_, fraction_, scale - fraction_.size());
}

void trimLimbs(Limbs& v)
{
    std::size_t n = v.size();
    while (n > 0 && v[n - 1] == 0)
        --n;
    v.resize(n);
}

Limbs digitsToLimbs(std::string_view digits, std::size_t zeros) { return runsToLimbs(digits, {}, zeros); }

namespace {

// How many digits the top limb has (1 to 9).
std::size_t digitsOf(Limb top)
{
    std::size_t d = 1;
    while (d < kDigits && top >= kPow10[d])
        ++d;
    return d;
}

// Writes the leading `keep` digits of the value p[0 .. n) (trimmed, not
// zero, at least keep digits long) into dst, with a point after the first
// `pointAfter` of them (none when pointAfter >= keep).
void writeDigits(char* dst, const Limb* p, std::size_t n, std::size_t keep, std::size_t pointAfter)
{
    const std::size_t top = digitsOf(p[n - 1]);
    std::size_t at = 0;  // digits written so far
    char buf[kDigits];
    for (std::size_t k = n; k-- > 0 && at < keep;) {
        if (k % kLimbsPerPoll == 0)
            pollCancel();
        const std::size_t width = k == n - 1 ? top : kDigits;
        if (width == kDigits && at + kDigits <= keep && (at + kDigits <= pointAfter || at >= pointAfter)) {
            putLimb(dst + at + (at >= pointAfter ? 1 : 0), p[k]);  // the common case: straight in
            at += kDigits;
            continue;
        }
        putLimb(buf, p[k]);
        const char* from = buf + (kDigits - width);
        const std::size_t take = std::min(width, keep - at);
        if (at + take <= pointAfter) {
            std::memcpy(dst + at, from, take);
        } else if (at >= pointAfter) {
            std::memcpy(dst + at + 1, from, take);
        } else {
            const std::size_t before = pointAfter - at;
            std::memcpy(dst + at, from, before);
            std::memcpy(dst + pointAfter + 1, from + before, take - before);
        }
        at += take;
    }
    if (pointAfter < keep)
        dst[pointAfter] = '.';
}

}  // namespace

std::string limbsToDigits(const Limb* p, std::size_t n)
{
    n = normLen(p, n);
    if (n == 0)
        return "0";
    const std::size_t total = (n - 1) * kDigits + digitsOf(p[n - 1]);
    std::string s;
    resizePolled(s, total, '0');
    writeDigits(s.data(), p, n, total, total);
    return s;
}

Scaled toScaled(std::string_view text, std::size_t atLeastScale)
{
    const DecimalRuns runs(text);
    Scaled s;
    s.negative = runs.negative();
    s.scale = std::max(runs.fraction().size(), atLeastScale);
    s.mag = runs.limbs(s.scale);
    return s;
}

std::string formatDecimal(bool negative, const Limbs& mag, std::size_t scale)
{
    if (isZero(mag))
        return negative ? "-0" : "0";
    const std::size_t sign = negative ? 1 : 0;
    const std::size_t n = mag.size();
    const std::size_t total = (n - 1) * kDigits + digitsOf(mag[n - 1]);
    // Trailing zeros of the fraction go; the integer digits stay.
    std::size_t zeros = 0, low = 0;
    for (; mag[low] == 0; ++low)
        zeros += kDigits;
    for (Limb x = mag[low]; x % 10 == 0; x /= 10)
        ++zeros;
    const std::size_t dropped = std::min(zeros, scale);
    const std::size_t keep = total - dropped, frac = scale - dropped;
    std::string out;
    if (keep > frac) {
        // Integer digits, and the point before the fraction if there is one.
        resizePolled(out, sign + keep + (frac > 0 ? 1 : 0), '-');
        writeDigits(out.data() + sign, mag.data(), n, keep, keep - frac);
    } else {
        // Below one: the point, zeros, then every kept digit.
        resizePolled(out, sign + 1 + frac, '0');
        out[0] = '-';
        out[sign] = '.';
        writeDigits(out.data() + sign + 1 + (frac - keep), mag.data(), n, keep, keep);
    }
    return out;
}

std::string normalForm(std::string_view text)
{
    Scaled s = toScaled(text);
    if (isZero(s.mag))
        s.negative = false;
    return formatDecimal(s);
}

}  // namespace arith::detail
