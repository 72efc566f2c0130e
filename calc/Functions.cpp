// The function commands: roots, factorial, logarithm and the constants.
// They are kept apart from the keypad so that the keypad links against the
// core arithmetic alone.
#include "calc/Engine.h"

#include "arith/BigArithmetic.h"
#include "arith/Messages.h"
#include "calc/Format.h"
#include "calc/ResultLength.h"
#include "platform/Platform.h"

#include <algorithm>
#include <string_view>

namespace calc {

namespace {

constexpr const char* kRootTolerance = "0.0001";
// Inputs longer than these (in characters, without ",") get the notice or
// the question before the root is taken.
constexpr std::size_t kSquareRootNoticeLength = 25;
constexpr std::size_t kCubeRootQuestionLength = 30;
constexpr std::size_t kFactorialQuestionLength = 3;
// Pi and e are fixed texts shorter than this.
constexpr double kConstantDigits = 64;

constexpr const char* kYikesTitle = "Yikes!";
constexpr const char* kCubeRootQuestion =
    "This operation could take a long time to complete.  Are you sure you want to continue?";
constexpr const char* kFactorialQuestion =
    "This operation will result in a \"Truly Ginormous\" result, and could take a long time to "
    "complete.  Are you sure you want to Continue?";

bool startsWithMinus(const std::string& s) { return !s.empty() && s.front() == '-'; }

void setBusy(bool busy) { platform::pointer().setBusy(busy); }
void yieldOnce() { platform::eventLoop().yieldOnce(); }

// Whether a power of a root has the value of the readout text x, which may
// carry a trailing point ("16.") or zeros that the product does not.
bool sameValue(const std::string& power, const std::string& x)
{
    return PlainNumericForm(power) == PlainNumericForm(x);
}

// Whether the whole number n (digits only) is beyond the factorials the
// arithmetic computes.
bool overFactorialLimit(const std::string& n)
{
    const std::size_t first = std::min(n.find_first_not_of('0'), n.size());
    const std::string_view digits = std::string_view(n).substr(first);
    return digits.size() > 7 || (!digits.empty() && std::stoul(std::string(digits)) > arith::kLargestFactorial);
}

}  // namespace

void Engine::rootFinish(const std::string& name, const std::string& x, const std::string& readout,
                        const std::string& marker)
{
    SetReadoutText(readout);
    setBusy(false);
    PrependHistory(name + x + " = " + state_.readoutText + marker);
}

void Engine::computeRoot(const char* name, const std::string& x, int power, const std::string& captionBefore,
                         const std::function<std::string()>& root)
{
    // The root shown, with its tape line marked "!" (exact) or "~"; no line
    // when the arithmetic refused the input and has said so.
    std::optional<Outcome> r = worker_.runValue([name, &x, power, &root] {
        const std::string v = root();
        if (v.empty())
            return Outcome{};
        std::string p = v;
        for (int i = 1; i < power; ++i)
            p = arith::BigMultiply(p, v);
        const bool exact = sameValue(p, x);
        Outcome o = ShowValue({}, exact ? ResultText(v) : AddCommas(v));
        AddTapeLine(o, name + x + " = ", exact ? "!" : "~");
        return o;
    });
    if (!r || r->line.empty()) {
        setWordsCaption(captionBefore);
        setBusy(false);
        return;
    }
    show(std::move(r->readout));
    setBusy(false);
    prependLine(std::move(r->line), std::move(r->viewLine));
}

void Engine::cmdSquareRoot_Click()
{
    if (startsWithMinus(state_.readoutText)) {
        arith::show(arith::messages::kRootNegative);
        return;
    }
    std::optional<ReadoutOperand> ops = readoutOperand();
    if (!ops)
        return;
    const std::string& x = ops->x;
    std::string& a = ops->a;
    const std::string captionBefore = wordsCaption_;
    setBusy(true);
    yieldOnce();
    if (x.size() > kSquareRootNoticeLength) {
        setWordsCaption(kLongWorkNotice);
        yieldOnce();
    }
    // The iteration starts from x itself and would divide by a zero start;
    // the root of zero is zero.
    computeRoot(" Square Root ", x, 2, captionBefore, [a = std::move(a)] {
        return IsZeroValue(a) ? std::string("0") : arith::BigSquareRoot(a, kRootTolerance);
    });
}

void Engine::cmdCubeRoot_Click()
{
    if (startsWithMinus(state_.readoutText)) {
        arith::show(arith::messages::kRootNegative);
        return;
    }
    std::optional<ReadoutOperand> ops = readoutOperand();
    if (!ops)
        return;
    const std::string& x = ops->x;
    std::string& a = ops->a;
    const std::string captionBefore = wordsCaption_;
    setBusy(true);
    yieldOnce();
    if (x.size() > kCubeRootQuestionLength) {
        const platform::Answer answer =
            platform::showMessage(kCubeRootQuestion, kYikesTitle, platform::Icon::Question, platform::Buttons::YesNo);
        if (answer != platform::Answer::Yes) {
            setBusy(false);
            return;
        }
    }
    setWordsCaption(kLongWorkNotice);
    yieldOnce();
    if (IsZeroValue(a)) {
        // The readout is set to "0.0" and then to "0.", so the reaction
        // always replaces the notice.
        SetReadoutText("0.0");
        rootFinish(" Cube Root ", x, "0.", "!");
        return;
    }
    // Fractions below 1 are scaled by the arithmetic.
    computeRoot(" Cube Root ", x, 3, captionBefore,
                [a = std::move(a)] { return arith::BigCubeRoot(a, kRootTolerance); });
}

void Engine::cmdFactorial_Click()
{
    if (startsWithMinus(state_.readoutText)) {
        arith::show(arith::messages::kFactorialNegative);
        return;
    }
    const std::string n = arith::IntegerPart(ToOperand(state_.readoutText));
    if (IsZeroValue(n)) {
        // 0! is 1; "000" and other zeros are answered the same way.
        state_.firstOperand = n;
        ShowResult("1");
    } else if (overFactorialLimit(n)) {
        // Refused by the arithmetic at once with its own message, before
        // the question about a long computation that would not be made.
        (void)arith::BigFactorial(n);
        return;
    } else {
        if (n.size() > kFactorialQuestionLength) {
            const platform::Answer answer = platform::showMessage(kFactorialQuestion, kYikesTitle,
                                                                  platform::Icon::Question, platform::Buttons::YesNo);
            if (answer != platform::Answer::Yes) {
                setBusy(false);
                return;
            }
        }
        const std::string captionBefore = wordsCaption_;
        setWordsCaption(kLongWorkNotice);
        setBusy(true);
        yieldOnce();
        std::optional<Outcome> r = computeValue(FactorialDigits(n), [n] {
            std::string v = arith::BigFactorial(n);
            if (v.empty())
                return Outcome{};
            std::string text = ResultText(v);
            Outcome o = ShowValue(std::move(v), std::move(text));
            AddTapeLine(o, n + " Factorial = ");
            return o;
        });
        if (!r || r->value.empty()) {
            // Cancelled, or refused by the arithmetic with its own message
            // (an empty answer): nothing changes.
            setWordsCaption(captionBefore);
            setBusy(false);
            return;
        }
        state_.firstOperand = std::move(r->value);
        show(std::move(r->readout));
        setBusy(false);
        prependLine(std::move(r->line), std::move(r->viewLine));
        return;
    }
    setBusy(false);
    PrependHistory(n + " Factorial = " + state_.readoutText);
}

void Engine::cmdLog_Click()
{
    // The logarithm of a negative number has no value; it is refused like
    // the roots instead of giving a wrong number.
    if (startsWithMinus(state_.readoutText)) {
        arith::show(arith::messages::kLogNegative);
        return;
    }
    setBusy(true);
    yieldOnce();
    std::optional<Outcome> r = worker_.runValue([&readout = state_.readoutText] {
        const std::string x = RemoveCommas(readout);
        std::string v = arith::BigLog(ToOperand(x), "10");
        if (v.empty())
            return Outcome{};
        std::string text = ResultText(v);
        Outcome o = ShowValue(std::move(v), std::move(text));
        AddTapeLine(o, "log " + x + " = ");
        return o;
    });
    // An empty answer is a refusal the arithmetic has already reported (the
    // logarithm of zero); a value below 1 has a negative logarithm.
    if (!r || r->value.empty()) {
        setBusy(false);
        return;
    }
    state_.firstOperand = std::move(r->value);
    show(std::move(r->readout));
    setBusy(false);
    prependLine(std::move(r->line), std::move(r->viewLine));
}

void Engine::cmdPi_Click()
{
    const std::string captionBefore = wordsCaption_;
    setBusy(true);
    setWordsCaption(kPiNotice);
    yieldOnce();
    std::optional<std::string> pi = compute(kConstantDigits, [] { return arith::BigPi(); });
    if (!pi) {
        setWordsCaption(captionBefore);
        setBusy(false);
        return;
    }
    SetReadoutText(std::move(*pi));
    state_.lastInput = kInputNumber;
    view_.focusSetFocusButton();
    setBusy(false);
}

void Engine::cmdEulers_Click()
{
    std::optional<std::string> e = compute(kConstantDigits, [] { return arith::BigE(); });
    if (!e)
        return;
    SetReadoutText(std::move(*e));
    state_.lastInput = kInputNumber;
    view_.focusSetFocusButton();
}

}  // namespace calc
