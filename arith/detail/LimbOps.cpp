#include "arith/detail/LimbOps.h"

#include "arith/detail/LimbLoops.h"
#include "arith/detail/Polled.h"

#include <algorithm>
#include <cstdint>

namespace arith::detail {

int compareLimbs(const Limbs& a, const Limbs& b) { return cmpLimbs(a.data(), a.size(), b.data(), b.size()); }

Limbs addLimbs(const Limbs& a, const Limbs& b)
{
    const Limbs& lo = a.size() < b.size() ? a : b;
    const Limbs& hi = a.size() < b.size() ? b : a;
    Limbs out;
    resizePolled(out, hi.size() + 1);
    out[hi.size()] = addArrays(out.data(), hi.data(), hi.size(), lo.data(), lo.size());
    trimLimbs(out);
    return out;
}

Limbs subtractLimbs(const Limbs& a, const Limbs& b)
{
    ARITH_ASSERT(compareLimbs(a, b) >= 0);
    Limbs out;
    resizePolled(out, a.size());
    subArrays(out.data(), a.data(), a.size(), b.data(), b.size());
    trimLimbs(out);
    return out;
}

Limbs multiplyLimbVectors(const Limbs& a, const Limbs& b)
{
    if (a.empty() || b.empty())
        return {};
    Limbs out;
    resizePolled(out, a.size() + b.size());
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
    Limbs out;
    resizePolled(out, whole + a.size() + 1);
    out[whole + a.size()] = mulLimb(out.data() + whole, a.data(), a.size(), m);
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
