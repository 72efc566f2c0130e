// Every procedure of arith/BigArithmetic.h on any text: the first byte picks
// the procedure, the rest holds the operands separated by '\n'. Beyond not
// failing, results come out in normal form and agree with each other:
// a + b - b = a, a x b = b x a, a x b / b = a, the remainder is below the
// divisor, powers and factorials agree with repeated products, the
// comparisons are consistent, and the text helpers keep to their rules.
#include "arith/BigArithmetic.h"
#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakePlatform.h"

#include <algorithm>

using namespace arith;
using fuzz::brief;
using fuzz::check;
using fuzz::isCleanNumber;
using fuzz::isNormalForm;

namespace {

// The value of any text in normal form, zero as "0".
std::string value(const std::string& s) { return BigAdd(s, "0"); }
bool isZero(const std::string& s) { return value(s) == "0"; }
std::string magnitude(const std::string& s) { return BigAbsolute(value(s)); }
bool less(std::string a, std::string b) { return BigLessThan(a, b) == kTrue; }

void checkAddSubtract(const std::string& a, const std::string& b)
{
    const std::string sum = BigAdd(a, b);
    check(isNormalForm(sum) && sum != "-0", "a + b in normal form", brief(a) + " + " + brief(b) + " = " + sum);
    check(sum == BigAdd(b, a), "a + b = b + a", brief(a) + ", " + brief(b));
    check(BigSubtract(sum, b) == value(a), "a + b - b = a", brief(a) + ", " + brief(b));
    const std::string difference = BigSubtract(a, b);
    check(isNormalForm(difference) && difference != "-0", "a - b in normal form", brief(a) + " - " + brief(b));
    check(BigAdd(difference, b) == value(a), "a - b + b = a", brief(a) + ", " + brief(b));
}

void checkMultiplyDivide(const std::string& a, const std::string& b)
{
    const std::string product = BigMultiply(a, b);
    check(isNormalForm(product), "a x b in normal form", brief(a) + " x " + brief(b) + " = " + product);
    check(product == BigMultiply(b, a), "a x b = b x a", brief(a) + ", " + brief(b));
    if (isZero(b)) {
        platform::FakePlatform fake;
        check(BigDivide(a, b, 10).empty() && fake.messages.size() == 1, "a / 0 is refused", brief(a));
        return;
    }
    if (!isZero(a)) {
        int places = static_cast<int>(a.size() + b.size()) + 10;
        check(BigDivide(product, b, places) == value(a), "a x b / b = a", brief(a) + ", " + brief(b));
    }
    // a / b truncates: |a| - |q| x |b| lies in [0, |b| x 10^-places).
    int precision = 10;
    const std::string q = BigDivide(a, b, precision);
    check(isNormalForm(q), "a / b in normal form", brief(a) + " / " + brief(b) + " = " + q);
    if (!isCleanNumber(a) || !isCleanNumber(b))
        return;
    const std::size_t point = a.find('.');
    const std::size_t fraction = point == std::string::npos ? 0 : a.size() - point - 1;
    const std::size_t places = 2 * fraction + static_cast<std::size_t>(precision);
    const std::string ulp = places == 0 ? "1" : "." + std::string(places - 1, '0') + "1";
    const std::string rest = BigSubtract(magnitude(a), BigMultiply(magnitude(q), magnitude(b)));
    check(rest.front() != '-' && less(rest, BigMultiply(magnitude(b), ulp)), "a / b truncated exactly",
          brief(a) + " / " + brief(b) + " = " + brief(q));
}

void checkModulo(const std::string& a, const std::string& b)
{
    platform::FakePlatform fake;
    const std::string r = BigModulo(a, b);
    if (!fake.messages.empty()) {
        check(fake.messages.size() == 1, "one message for a remainder", brief(a) + " mod " + brief(b));
        return;
    }
    check(isNormalForm(r), "a mod b in normal form", brief(a) + " mod " + brief(b) + " = " + r);
    if (!isCleanNumber(a) || !isCleanNumber(b))
        return;
    const std::string ia = magnitude(IntegerPart(a)), ib = magnitude(IntegerPart(b));
    check(less(magnitude(r), ib), "|a mod b| < |b|", brief(a) + " mod " + brief(b) + " = " + r);
    check(BigModulo(BigSubtract(ia, magnitude(r)), ib) == "0", "b divides |a| - |a mod b|",
          brief(a) + " mod " + brief(b) + " = " + r);
    check((r.front() == '-') == (a.front() == '-'), "a mod b has the sign of a", brief(a) + " mod " + brief(b));
}

void checkPower(const std::string& a, unsigned n)
{
    const std::string base = a.substr(0, 24);
    const std::string e = std::to_string(n);
    const std::string p = BigPower(base, e);
    if (n == 1) {
        check(p == base, "a ^ 1 = a", brief(base));
        return;
    }
    check(isNormalForm(p), "a ^ n in normal form", brief(base) + " ^ " + e + " = " + brief(p));
    // a ^ 1 is a itself: the sign of a negative zero ("-0") counts in a x a.
    const std::string below = n == 0 ? "" : n == 2 ? base : BigPower(base, std::to_string(n - 1));
    if (n == 0)
        check(p == "1", "a ^ 0 = 1", brief(base));
    else
        check(p == BigMultiply(below, base), "a ^ n = a ^ (n - 1) x a", brief(base) + " ^ " + e);
    if (n > 0 && !isZero(base))
        check(BigPower(base, "-" + e) == BigDivide("1", p, 10), "a ^ -n = 1 / a ^ n", brief(base) + " ^ -" + e);
}

void checkAnyPower(const std::string& a, const std::string& e)
{
    if (BigPowerDigits(a, e) > 20000)
        return;  // refused, or too long for a quick run
    platform::FakePlatform fake;
    const std::string p = BigPower(a, e);
    check(fake.messages.size() <= 1, "at most one message for a power", brief(a) + " ^ " + brief(e));
    check(p == a || p.empty() || isNormalForm(p), "a ^ e in normal form", brief(a) + " ^ " + brief(e));
}

void checkComparisons(const std::string& a, const std::string& b)
{
    auto unsigned_ = [](const std::string& s) { return s.starts_with("-") ? s.substr(1) : s; };
    auto ask = [&](Boolean (*f)(std::string&, std::string&), std::string x, std::string y) {
        const std::string x0 = x, y0 = y;
        const Boolean r = f(x, y);
        check(r == kTrue || r == kFalse, "a comparison answers true or false", brief(a) + ", " + brief(b));
        check(x == unsigned_(x0) && y == unsigned_(y0), "a comparison removes one leading -", brief(x0));
        return r == kTrue;
    };
    const bool lt = ask(BigLessThan, a, b), le = ask(BigLessOrEqual, a, b);
    const bool gt = ask(BigGreaterThan, a, b), ge = ask(BigGreaterOrEqual, a, b);
    check(lt == !ge && gt == !le && lt + (le && ge) + gt == 1, "the comparisons agree", brief(a) + ", " + brief(b));
    check(lt == ask(BigGreaterThan, b, a), "a < b exactly when b > a", brief(a) + ", " + brief(b));
}

void checkTextHelpers(const std::string& a, const std::string& b)
{
    std::string x = a, y = b;
    AlignDecimals(x, y);
    check(x.size() == y.size() && x.find('.') == std::string::npos && y.find('.') == std::string::npos,
          "AlignDecimals gives equal lengths without a point", brief(a) + ", " + brief(b));
    const std::string lead = StripLeadingZeros(a);
    check(a.ends_with(lead) && (lead.size() <= 1 || lead.front() != '0') && lead.empty() == a.empty(),
          "StripLeadingZeros removes leading zeros only", brief(a));
    const std::string trail = StripTrailingZeros(a);
    check(a.starts_with(trail) && (trail.empty() || trail.back() != '0' || a[trail.size()] == '.'),
          "StripTrailingZeros removes trailing zeros and a bare point only", brief(a));
    const std::string whole = IntegerPart(a);
    check(a.starts_with(whole) && whole.find('.') == std::string::npos, "IntegerPart is the text before the point",
          brief(a));
    check(BigAbsolute(a) == (a.starts_with("-") ? a.substr(1) : a), "BigAbsolute drops the sign", brief(a));
}

void checkShifts(const std::string& a, int n)
{
    if (!isCleanNumber(a))
        return;
    const std::string right = ShiftPointRight(a, n);
    check(value(right) == value(BigMultiply(a, "1" + std::string(static_cast<std::size_t>(n), '0'))),
          "ShiftPointRight multiplies by 10^n", brief(a));
    check(value(ShiftPointLeft(right, n)) == value(a), "ShiftPointLeft undoes ShiftPointRight", brief(a));
}

void checkRoot(const std::string& a, bool cube, const std::string& tolerance)
{
    const std::string x = a.substr(0, 30);
    platform::FakePlatform fake;
    const std::string r = cube ? BigCubeRoot(x, tolerance) : BigSquareRoot(x, tolerance);
    if (r.empty()) {
        check(fake.messages.size() == (x.empty() ? 0u : 1u), "a refused root shows one message", brief(x));
        return;
    }
    check(fake.messages.empty() && isCleanNumber(r), "a root is a number", brief(x) + " -> " + r);
    const std::size_t point = r.find('.');
    check(point == std::string::npos || r.size() - point - 1 <= 8, "a root has at most 8 decimals", r);
    if (!isCleanNumber(x) || x.front() == '-' || less(magnitude(x), "1"))
        return;
    // r is within 1 of the root: (r - 1)^k <= x <= (r + 1)^k.
    const std::string k = cube ? "3" : "2";
    const std::string lo = BigPower(BigSubtract(r, "1"), k), hi = BigPower(BigAdd(r, "1"), k);
    check(!less(value(x), lo) && !less(hi, value(x)), "a root is close to the root", brief(x) + " -> " + r);
}

void checkFactorial(const std::string& a, unsigned n)
{
    platform::FakePlatform fake;
    const std::string f = BigFactorial(a.substr(0, 30));
    check(f.empty() ? fake.messages.size() <= 1 : isNormalForm(f) && fake.messages.empty(),
          "a factorial is a whole number or refused with one message", brief(a));
    const std::string fn = BigFactorial(std::to_string(n));
    check(fn == (n <= 1 ? "1" : BigMultiply(BigFactorial(std::to_string(n - 1)), std::to_string(n))),
          "n! = (n - 1)! x n", std::to_string(n));
}

void checkLog(const std::string& a, const std::string& b)
{
    platform::FakePlatform fake;
    const std::string x = a.substr(0, 40), base = b.substr(0, 12);
    const std::string l = BigLog(x, base);
    check(l.size() <= 22, "a logarithm has at most 22 characters", brief(x) + ", " + brief(base) + " -> " + l);
    check(l.empty() ? fake.messages.size() <= 1 : isCleanNumber(l), "a logarithm is a number or refused",
          brief(x) + ", " + brief(base) + " -> " + l);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 600)
        return 0;
    platform::FakePlatform quiet;  // message boxes are answered and recorded
    const std::uint8_t pick = data[0];
    const std::vector<std::string> f = fuzz::fields(data + 1, size - 1, 2);
    const std::string& a = f[0];
    const std::string& b = f[1];
    const unsigned small = size > 1 ? data[1] : 0u;
    switch (pick % 12) {
    case 0: checkAddSubtract(a, b); break;
    case 1: checkMultiplyDivide(a, b); break;
    case 2: checkModulo(a, b); break;
    case 3: checkPower(b, small % 40); break;
    case 4: checkAnyPower(a, b); break;
    case 5: checkComparisons(a, b); break;
    case 6: checkTextHelpers(a, b); break;
    case 7: checkShifts(b, static_cast<int>(small % 30)); break;
    case 8: checkRoot(a, (pick / 12) % 2 == 1, (pick / 24) % 2 == 1 ? "0" : "0.0001"); break;
    case 9: checkFactorial(a, small % 120); break;
    case 10: checkLog(a, b); break;
    case 11: check(BigPi().starts_with("3.14159") && BigE().starts_with("2.71828"), "pi and e"); break;
    }
    return 0;
}
