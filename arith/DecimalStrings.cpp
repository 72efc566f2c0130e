// Comparisons and the small text helpers every procedure shares.
#include "arith/BigArithmetic.h"

#include "arith/detail/Decimal.h"

#include <algorithm>
#include <string_view>

namespace arith {

namespace {

enum class Relation { Less, LessOrEqual, Greater, GreaterOrEqual };

// Compares the magnitudes that two texts stand for: -1, 0 or 1. A further
// "-" in front (from text such as "--5") plays no part here.
int compareMagnitudes(std::string_view a, std::string_view b)
{
    const detail::DecimalParts pa = detail::parseDecimal(a);
    const detail::DecimalParts pb = detail::parseDecimal(b);
    const std::string_view da = pa.digits;
    const std::string_view db = pb.digits;

    // Integer digits without their leading zeros.
    std::size_t ia = da.size() - pa.fraction;
    std::size_t ib = db.size() - pb.fraction;
    std::size_t sa = 0;
    std::size_t sb = 0;
    while (sa < ia && da[sa] == '0')
        ++sa;
    while (sb < ib && db[sb] == '0')
        ++sb;
    if (ia - sa != ib - sb)
        return ia - sa < ib - sb ? -1 : 1;
    if (const int c = da.substr(sa, ia - sa).compare(db.substr(sb, ib - sb)); c != 0)
        return c < 0 ? -1 : 1;

    // Fraction digits, the shorter one padded with zeros.
    const std::size_t n = std::max(pa.fraction, pb.fraction);
    for (std::size_t k = 0; k < n; ++k) {
        const char ca = k < pa.fraction ? da[ia + k] : '0';
        const char cb = k < pb.fraction ? db[ib + k] : '0';
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return 0;
}

Boolean compare(std::string& a, std::string& b, Relation relation)
{
    const bool negA = detail::takeSign(a);
    const bool negB = detail::takeSign(b);
    const bool wantsLess = relation == Relation::Less || relation == Relation::LessOrEqual;
    if (negA && !negB)
        return wantsLess ? kTrue : kFalse;
    if (negB && !negA)
        return wantsLess ? kFalse : kTrue;

    int c = compareMagnitudes(a, b);
    if (negA && negB)
        c = -c;
    bool result = false;
    switch (relation) {
    case Relation::Less: result = c < 0; break;
    case Relation::LessOrEqual: result = c <= 0; break;
    case Relation::Greater: result = c > 0; break;
    case Relation::GreaterOrEqual: result = c >= 0; break;
    }
    return result ? kTrue : kFalse;
}

// The fraction length of s as counted from its first point; every point is
// then removed.
std::int64_t takeFraction(std::string& s)
{
    const std::size_t pos = s.find('.');
    if (pos == std::string::npos)
        return 0;
    const auto frac = static_cast<std::int64_t>(s.size() - pos - 1);
    s.erase(std::remove(s.begin() + static_cast<std::ptrdiff_t>(pos), s.end(), '.'), s.end());
    return frac;
}

}  // namespace

Boolean BigLessThan(std::string& a, std::string& b) { return compare(a, b, Relation::Less); }
Boolean BigLessOrEqual(std::string& a, std::string& b) { return compare(a, b, Relation::LessOrEqual); }
Boolean BigGreaterThan(std::string& a, std::string& b) { return compare(a, b, Relation::Greater); }
Boolean BigGreaterOrEqual(std::string& a, std::string& b) { return compare(a, b, Relation::GreaterOrEqual); }

std::string BigAbsolute(std::string a)
{
    detail::takeSign(a);
    return a;
}

std::int64_t AlignDecimals(std::string& a, std::string& b)
{
    const std::int64_t fa = takeFraction(a);
    const std::int64_t fb = takeFraction(b);
    if (fb < fa)
        b.append(static_cast<std::size_t>(fa - fb), '0');
    else if (fa < fb)
        a.append(static_cast<std::size_t>(fb - fa), '0');
    if (a.size() > b.size())
        b.insert(0, a.size() - b.size(), '0');
    else if (b.size() > a.size())
        a.insert(0, b.size() - a.size(), '0');
    return std::max(fa, fb);
}

std::string StripLeadingZeros(std::string s)
{
    if (s.empty())
        return s;
    const std::size_t firstOther = s.find_first_not_of('0');
    const std::size_t drop = firstOther == std::string::npos ? s.size() - 1 : firstOther;
    s.erase(0, drop);
    return s;
}

std::string StripTrailingZeros(std::string s)
{
    std::size_t keep = s.size();
    while (keep > 0 && s[keep - 1] == '0')
        --keep;
    if (keep > 0 && s[keep - 1] == '.')
        --keep;
    s.resize(keep);
    return s;
}

std::string IntegerPart(std::string s)
{
    const std::size_t pos = s.find('.');
    if (pos != std::string::npos)
        s.resize(pos);
    return s;
}

}  // namespace arith
