#include "arith/detail/LimbOps.h"

#include <algorithm>
#include <cstdint>

namespace arith::detail {

namespace {

using Wide = std::uint64_t;
constexpr Wide kB = kBase;

constexpr Limb kPow10[kLimbDigits] = {1,      10,      100,      1000,     10000,
                                      100000, 1000000, 10000000, 100000000};

}  // namespace

int compareLimbs(const Limbs& a, const Limbs& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

Limbs addLimbs(const Limbs& a, const Limbs& b)
{
    const Limbs& lo = a.size() < b.size() ? a : b;
    const Limbs& hi = a.size() < b.size() ? b : a;
    Limbs out(hi.size() + 1);
    Limb carry = 0;
    std::size_t i = 0;
    for (; i < lo.size(); ++i) {
        Limb s = hi[i] + lo[i] + carry;  // < 2 * 10^9 + 1 < 2^32
        carry = s >= kBase ? 1 : 0;
        out[i] = carry ? s - kBase : s;
    }
    for (; i < hi.size(); ++i) {
        Limb s = hi[i] + carry;
        carry = s >= kBase ? 1 : 0;
        out[i] = carry ? s - kBase : s;
    }
    out[i] = carry;
    trimLimbs(out);
    return out;
}

Limbs subtractLimbs(const Limbs& a, const Limbs& b)
{
    Limbs out(a.size());
    Limb borrow = 0;
    std::size_t i = 0;
    for (; i < b.size(); ++i) {
        const Limb sub = b[i] + borrow;
        if (a[i] >= sub) {
            out[i] = a[i] - sub;
            borrow = 0;
        } else {
            out[i] = a[i] + kBase - sub;
            borrow = 1;
        }
    }
    for (; i < a.size(); ++i) {
        if (a[i] >= borrow) {
            out[i] = a[i] - borrow;
            borrow = 0;
        } else {
            out[i] = a[i] + kBase - borrow;
            borrow = 1;
        }
    }
    trimLimbs(out);
    return out;
}

Limbs multiplyLimbVectors(const Limbs& a, const Limbs& b)
{
    if (a.empty() || b.empty())
        return {};
    Limbs out(a.size() + b.size());
    multiplyLimbs(a.data(), a.size(), b.data(), b.size(), out.data());
    trimLimbs(out);
    return out;
}

Limbs shiftLeftDecimal(const Limbs& a, std::size_t k)
{
    if (a.empty())
        return {};
    const std::size_t whole = k / kLimbDigits;
    const Limb m = kPow10[k % kLimbDigits];
    Limbs out(whole + a.size() + 1, 0);
    Wide carry = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Wide t = static_cast<Wide>(a[i]) * m + carry;
        out[whole + i] = static_cast<Limb>(t % kB);
        carry = t / kB;
    }
    out[whole + a.size()] = static_cast<Limb>(carry);
    trimLimbs(out);
    return out;
}

void divModLimbs(const Limbs& u, const Limbs& v, Limbs& q, Limbs& r)
{
    if (compareLimbs(u, v) < 0) {
        q.clear();
        r = u;
        return;
    }
    Limbs qq(u.size() - v.size() + 1);
    Limbs rr(v.size());
    divideLimbs(u.data(), u.size(), v.data(), v.size(), qq.data(), rr.data());
    trimLimbs(qq);
    trimLimbs(rr);
    q = std::move(qq);
    r = std::move(rr);
}

void alignScales(Scaled& a, Scaled& b)
{
    if (a.scale < b.scale) {
        a.mag = shiftLeftDecimal(a.mag, b.scale - a.scale);
        a.scale = b.scale;
    } else if (b.scale < a.scale) {
        b.mag = shiftLeftDecimal(b.mag, a.scale - b.scale);
        b.scale = a.scale;
    }
}

}  // namespace arith::detail
