#include "arith/detail/Decimal.h"

namespace arith::detail {

namespace {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::size_t kDigits = static_cast<std::size_t>(kLimbDigits);

// Writes the nine digits of one limb, zero padded, at out[0..9).
inline void putLimb(char* out, Limb v)
{
    for (int i = kLimbDigits - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + v % 10);
        v /= 10;
    }
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
    std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !seenPoint)
            seenPoint = true;
        else if (!isDigit(c))
            return false;
    }
    return true;
}

void trimLimbs(Limbs& v)
{
    std::size_t n = v.size();
    while (n > 0 && v[n - 1] == 0)
        --n;
    v.resize(n);
}

Limbs digitsToLimbs(std::string_view digits)
{
    // Skip leading zeros so that the vector comes out trimmed.
    std::size_t start = 0;
    while (start < digits.size() && digits[start] == '0')
        ++start;
    const std::size_t n = digits.size() - start;
    Limbs v((n + kDigits - 1) / kDigits);
    std::size_t end = digits.size();
    for (std::size_t k = 0; k < v.size(); ++k) {
        const std::size_t begin = end - start >= kDigits ? end - kDigits : start;
        Limb x = 0;
        for (std::size_t j = begin; j < end; ++j)
            x = x * 10 + static_cast<Limb>(digits[j] - '0');
        v[k] = x;
        end = begin;
    }
    return v;
}

std::string limbsToDigits(const Limb* p, std::size_t n)
{
    while (n > 0 && p[n - 1] == 0)
        --n;
    if (n == 0)
        return "0";
    char top[kLimbDigits];
    putLimb(top, p[n - 1]);
    int lead = 0;
    while (top[lead] == '0')
        ++lead;
    const std::size_t topDigits = static_cast<std::size_t>(kLimbDigits - lead);
    std::string s(topDigits + (n - 1) * kDigits, '0');
    s.replace(0, topDigits, top + lead, topDigits);
    char* out = s.data() + topDigits;
    for (std::size_t k = n - 1; k-- > 0;) {
        putLimb(out, p[k]);
        out += kDigits;
    }
    return s;
}

Scaled toScaled(std::string_view text)
{
    DecimalParts p = parseDecimal(text);
    Scaled s;
    s.negative = p.negative;
    s.mag = digitsToLimbs(p.digits);
    s.scale = p.fraction;
    return s;
}

std::string formatDecimal(bool negative, const Limbs& mag, std::size_t scale)
{
    std::string digits = limbsToDigits(mag);
    std::string out;
    if (negative)
        out.push_back('-');
    if (isZero(mag)) {
        out.push_back('0');
        return out;
    }
    // Trailing zeros of the fraction go; the integer digits stay.
    std::size_t keep = digits.size();
    std::size_t frac = scale;
    while (frac > 0 && digits[keep - 1] == '0') {
        --keep;
        --frac;
    }
    if (frac == 0) {
        // A whole number: digits followed by (scale - trimmed) nothing.
        out.append(digits, 0, keep);
        return out;
    }
    if (keep > frac) {
        out.reserve(out.size() + keep + 1);
        out.append(digits, 0, keep - frac);
        out.push_back('.');
        out.append(digits, keep - frac, frac);
    } else {
        out.reserve(out.size() + frac + 1);
        out.push_back('.');
        out.append(frac - keep, '0');
        out.append(digits, 0, keep);
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
