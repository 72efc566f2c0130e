// AddCommas and the whole-number format "0." (calc/Format.h) on any text:
// AddCommas without its commas gives back the text with "0" before a point
// that starts the number and without a bare point, grouped by three from
// the right; "0." rounds a number to the nearest whole, halves away from
// zero, and leaves any other text as it is.
#include "arith/BigArithmetic.h"
#include "calc/Format.h"
#include "fuzz/FuzzSupport.h"

using fuzz::brief;
using fuzz::check;

namespace {

void checkAddCommas(const std::string& text)
{
    const std::string shown = calc::AddCommas(text);
    // Only a "-" that begins the text is a sign; any other is grouped.
    const bool negative = text.starts_with("-");
    const std::string body = calc::RemoveCommas(negative ? text.substr(1) : text);
    const std::size_t point = body.find('.');
    std::string whole = body.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : body.substr(point + 1);
    if (whole.empty() && point != std::string::npos)
        whole = "0";
    const std::string expected = (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
    check(calc::RemoveCommas(shown) == expected, "AddCommas without its commas gives back the digits",
          brief(text) + " -> " + brief(shown));
    // Groups of three from the right, the first of one to three.
    const std::size_t start = negative ? 1 : 0;
    const std::size_t end = std::min(shown.find('.', start), shown.size());
    std::size_t run = 0;
    for (std::size_t i = end; i-- > start;) {
        if (shown[i] == ',') {
            check(run == 3 && i > start, "groups of three", brief(text) + " -> " + brief(shown));
            run = 0;
        } else {
            ++run;
        }
    }
    // Of a number, that is: a sign behind a comma (",-.2") is not a sign, and
    // the text it gives ("-.2") is grouped again as the number it now reads.
    const std::string plain = calc::RemoveCommas(text);
    check(!fuzz::isCleanNumber(plain) || (plain.starts_with("-") && !negative) || calc::AddCommas(shown) == shown,
          "AddCommas of a display string changes nothing", brief(shown));
}

void checkWholeNumber(const std::string& text)
{
    const std::string shown = calc::WholeNumberFormat(text);
    const std::string plain = calc::RemoveCommas(text);
    if (!fuzz::isCleanNumber(plain)) {
        check(shown == text, "\"0.\" leaves a text that is not a number unchanged", brief(text) + " -> " + shown);
        return;
    }
    check(shown.size() >= 2 && shown.back() == '.', "\"0.\" ends with a point", brief(text) + " -> " + shown);
    const std::string whole = shown.substr(0, shown.size() - 1);
    check(fuzz::isNormalForm(whole) && whole.find('.') == std::string::npos, "\"0.\" is a plain whole number",
          brief(text) + " -> " + shown);
    // |x - w| <= 1/2, and a half goes away from zero.
    std::string off = arith::BigSubtract(plain, whole);
    std::string half = ".5";
    const bool below = off.starts_with("-");
    std::string size = arith::BigAbsolute(off);
    check(arith::BigLessOrEqual(size, half) == arith::kTrue, "\"0.\" is the nearest whole",
          brief(text) + " -> " + shown);
    size = arith::BigAbsolute(off);
    half = ".5";
    if (arith::BigLessThan(size, half) == arith::kFalse && arith::BigAdd(whole, "0") != "0")
        check(below == !whole.starts_with("-"), "\"0.\" rounds halves away from zero", brief(text) + " -> " + shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 4000)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        checkAddCommas(text);
    else
        checkWholeNumber(text);
    return 0;
}
