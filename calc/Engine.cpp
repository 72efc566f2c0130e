#include "calc/Engine.h"

#include "arith/BigArithmetic.h"
#include "arith/Cancel.h"
#include "calc/Format.h"
#include "calc/ResultLength.h"
#include "platform/Platform.h"
#include "words/NumToWords.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace calc {

namespace {

constexpr const char* kCrLf = "\r\n";
std::int16_t incrementCount(std::int16_t count)
{
    return count < kMaxOperandCount ? static_cast<std::int16_t>(count + 1) : count;
}


struct ConversionRule {
    // Metric to imperial multiplies by factor (else divides), unless
    // metricDivides; imperial to metric does the opposite.
    const char* factor;
    bool metricDivides;
    const char* metricFrom;
    const char* metricTo;
    const char* imperialFrom;
    const char* imperialTo;
};

ConversionRule conversionRule(Conversion c)
{
    switch (c) {
    case Conversion::MmToIn: return {"25.4", true, " Millimeters", " Inches", " Inches", " Millimeters"};
    case Conversion::CmToFt: return {"30.48", true, " Centimeters", " Feet", " Feet", " Centimeters"};
    case Conversion::MtToYd: return {"1.09361", false, " Meters", " Yards", " Yards", " Meters"};
    case Conversion::KmToMile: return {"0.621371", false, " Kilometers", " Miles", " Miles", " Kilometers"};
    case Conversion::MlToOz: return {"29.5735", true, " Milliliters", " Ounces", " Ounces", " Milliliters"};
    case Conversion::LitToQt: return {"1.05669", false, " Liters", " Quarts", " Quarts", " Liters"};
    case Conversion::LitToGal: return {"3.78541", true, " Liters", " Gallons", " Gallons", " Liters"};
    case Conversion::LitToCuIn: return {"61.0237", false, " Liters", " Cubic Inches ", " Cubic Inches", "  Liters"};
    case Conversion::GmToOz: return {"28.3495", true, " Grams", " Ounces", " Ounces", " Grams"};
    case Conversion::KgToLb: return {"2.20462", false, " Kilograms", " Pounds", " Pounds", " Kilograms"};
    case Conversion::CToF: return {"", false, " Celsius", " Fahrenheit", " Fahrenheit", " Celsius"};
    }
    return {"1", false, "", "", "", ""};
}

}  // namespace

std::string ApplyOperator(std::string_view op, const std::string& a, const std::string& b)
{
    if (op == "+")
        return arith::BigAdd(a, b);
    if (op == "-")
        return arith::BigSubtract(a, b);
    if (op == "X" || op == "%")
        return arith::BigMultiply(a, b);
    if (op == "/")
        return arith::BigDivide(a, b, 10);
    if (op == "mod")
        return arith::BigModulo(a, b);
    if (op == "^")
        return arith::BigPower(a, b);
    return {};
}

ShownReadout ShowReadout(std::string text)
{
    ShownReadout s{std::move(text), {}, {}, {}};
    // A readout with stray characters (left by an edit in the zoom window)
    // is spelled as the value the arithmetic reads from it.
    std::string reading;
    if (!IsDisplayString(s.text))
        reading = AddCommas(ToOperand(s.text));
    const std::string& r = reading.empty() ? s.text : reading;
    const std::size_t point = r.find('.');
    if (point != std::string::npos && point + 1 < r.size()) {
        s.words = words::NumberToWords(r.substr(0, point));
        s.caption = s.words;
        s.caption += " ( and ";
        s.caption += words::FractionToPlaceValue(r.substr(point + 1));
        s.caption += " )";
    } else {
        std::string whole = r;
        std::erase(whole, '.');
        s.words = words::NumberToWords(whole);
        s.caption = s.words;
    }
    s.viewText = s.text;
    return s;
}

Outcome ShowValue(std::string value, std::string readout)
{
    arith::pollCancel();
    return {std::move(value), ShowReadout(std::move(readout)), {}, {}};
}

void AddTapeLine(Outcome& o, std::string_view head, std::string_view tail)
{
    arith::pollCancel();
    std::string& line = o.line;
    line.reserve(head.size() + o.readout.text.size() + tail.size());
    line += head;
    line += o.readout.text;
    line += tail;
    o.viewLine = line;
}

namespace {

// A new memory value and its two copies for the memory label.
std::array<std::string, 3> storeCopies(std::string value)
{
    arith::pollCancel();
    std::array<std::string, 3> copies{std::move(value), {}, {}};
    copies[1] = copies[0];
    copies[2] = copies[0];
    return copies;
}

}  // namespace

namespace {

std::atomic<std::size_t> resultBound{kMaxResultDigits};

}  // namespace

std::size_t MaxResultDigits() noexcept { return resultBound.load(std::memory_order_relaxed); }

ResultBoundScope::ResultBoundScope(std::size_t bound) noexcept : SettingScope(resultBound, bound) {}

Engine::Engine() : view_(nullView_), worker_(inlineWorker_) {}

Engine::Engine(View& view, Worker& worker) : view_(view), worker_(worker) {}

bool Engine::refuseLongResult(double digits, const char* text)
{
    if (digits <= static_cast<double>(MaxResultDigits()))
        return false;
    platform::showMessage(text, kTooLongTitle, platform::Icon::Exclamation, platform::Buttons::OK);
    return true;
}

std::optional<std::string> Engine::compute(double digits, const std::function<std::string()>& work)
{
    if (refuseLongResult(digits))
        return std::nullopt;
    return worker_.run(work);
}

// ---- Shared rules -------------------------------------------------------

void Engine::SetReadoutText(std::string text)
{
    typed_ = {};  // typing keeps its run itself
    if (text == state_.readoutText) {
        if (noticeUp_)
            txtReadout_Change();
        return;
    }
    state_.readoutText = std::move(text);
    txtReadout_Change();
    view_.readoutChanged(state_.readoutText);
}

void Engine::ShowResult(const std::string& s) { SetReadoutText(ResultText(s)); }

void Engine::show(ShownReadout shown)
{
    typed_ = {};  // typing keeps its run itself
    if (shown.text == state_.readoutText) {
        // The same text again still takes down a notice.
        if (noticeUp_) {
            readoutWords_ = std::move(shown.words);
            setWordsCaption(std::move(shown.caption));
        }
        return;
    }
    state_.readoutText = std::move(shown.text);
    readoutWords_ = std::move(shown.words);
    setWordsCaption(std::move(shown.caption));
    if (shown.viewText.size() != state_.readoutText.size())
        shown.viewText = state_.readoutText;
    view_.readoutChanged(std::move(shown.viewText));
}

void Engine::finish(Outcome outcome)
{
    state_.firstOperand = std::move(outcome.value);
    show(std::move(outcome.readout));
    if (!outcome.line.empty())
        prependLine(std::move(outcome.line), std::move(outcome.viewLine));
}

void Engine::PrependHistory(std::string line)
{
    std::string viewLine = line;
    prependLine(std::move(line), std::move(viewLine));
}

void Engine::prependLine(std::string line, std::string viewLine)
{
    const std::size_t removed = state_.historyText.prepend(std::move(line));
    view_.historyPrepended(std::move(viewLine));
    if (removed > 0)
        view_.historyTrimmed(removed, TrimNotice(state_.historyText.removed()));
}

void Engine::setWordsCaption(std::string caption, std::string viewCopy)
{
    if (viewCopy.size() != caption.size())
        viewCopy = caption;
    wordsCaption_ = std::move(caption);
    noticeUp_ = wordsCaption_ == kLongWorkNotice || wordsCaption_ == kPiNotice;
    view_.setWordsCaption(std::move(viewCopy));
}

// ---- Readout reaction ---------------------------------------------------

void Engine::txtReadout_Change()
{
    ShownReadout shown = ShowReadout(state_.readoutText);
    readoutWords_ = std::move(shown.words);
    setWordsCaption(std::move(shown.caption));
}

void Engine::zoomAndReformat()
{
    std::optional<std::string> edited = view_.showZoom(state_.readoutText, readoutWords_);
    const std::size_t length = edited ? edited->size() : state_.readoutText.size();
    if (length <= kLongText) {
        if (edited && refuseLongResult(static_cast<double>(ReadoutDigits(*edited))))
            return;
        if (edited)
            SetReadoutText(std::move(*edited));
        SetReadoutText(AddCommas(state_.readoutText));
        return;
    }
    // The text written back becomes the readout and is then re-formatted;
    // the reaction runs when either step changes the readout.
    // A text written back that is too long is refused (the count is made
    // beside the window too).
    struct Reformatted {
        bool changed;
        ShownReadout shown;
        std::size_t digits = 0;
    };
    std::optional<Reformatted> r =
        worker_.runValue([&before = state_.readoutText, edited = std::move(edited)]() mutable {
            if (edited) {
                const std::size_t digits = ReadoutDigits(*edited);
                if (digits > MaxResultDigits())
                    return Reformatted{false, {}, digits};
            }
            std::string written = edited ? std::move(*edited) : before;
            std::string formatted = AddCommas(written);
            arith::pollCancel();
            const bool changed = written != before || formatted != written;
            return Reformatted{changed, ShowReadout(std::move(formatted))};
        });
    if (r && r->digits > MaxResultDigits())
        refuseLongResult(static_cast<double>(r->digits));
    if (!r || !r->changed)
        return;
    if (r->shown.text == state_.readoutText) {
        // Changed by the writing back and changed back by the formatting:
        // the reaction ran all the same.
        readoutWords_ = std::move(r->shown.words);
        setWordsCaption(std::move(r->shown.caption));
        return;
    }
    show(std::move(r->shown));
}

std::optional<Engine::ReadoutOperand> Engine::readoutOperand(const std::function<double(const std::string&)>& estimate)
{
    return prepare(state_.readoutText.size(), [&r = state_.readoutText, &estimate] {
        ReadoutOperand o{RemoveCommas(r), {}, 0};
        o.a = ToOperand(o.x);
        if (estimate)
            o.digits = estimate(o.a);
        return o;
    });
}

bool Engine::copyReadout()
{
    // The digits and the clipboard's own text are made beside the window;
    // the window thread only hands the latter over.
    std::optional<std::function<void()>> put = prepare(state_.readoutText.size(), [&r = state_.readoutText] {
        return platform::clipboard().prepareText(RemoveCommas(r));
    });
    if (!put)
        return false;
    platform::clipboard().clear();
    (*put)();
    return true;
}

void Engine::txtReadout_DblClick()
{
    if (copyReadout())
        zoomAndReformat();
}

void Engine::lbltxtNum_DblClick()
{
    platform::Clipboard& clip = platform::clipboard();
    clip.clear();
    clip.setText(readoutWords_);
    zoomAndReformat();
}

void Engine::mnuZoom_Click() { zoomAndReformat(); }

// ---- Keypad -------------------------------------------------------------

void Engine::InitCalcState()
{
    state_.decimalEntered = kFalse;
    state_.operandCount = 0;
    state_.lastInput = kInputNone;
    state_.pendingOperator = " ";
    SetReadoutText("0.");
}

void Engine::EnterDigit(int digit)
{
    if (digit < 0 || digit > 9)
        return;
    const char d = static_cast<char>('0' + digit);
    const bool newNumber = state_.lastInput != kInputNumber;
    const bool fraction = !newNumber && state_.decimalEntered != kFalse;
    const bool sign = state_.lastInput == kInputSign;
    const std::string& readout = state_.readoutText;
    // The readout before the key, kept for Backspace, is copied beside the
    // window too.
    struct Typed {
        ShownReadout shown;
        std::string before;
    };
    const auto [adds, keeps] = typedKeyEffect(d);
    const bool newRun = !adds && !keeps;
    std::optional<Typed> typed =
        prepare(newNumber && !newRun ? 0 : readout.size(), [&readout, newNumber, newRun, d, fraction, sign] {
            std::string s = newNumber ? std::string(".") : readout;
            if (fraction) {
                s += d;
            } else {
                const std::size_t point = s.find('.');
                if (point != std::string::npos)
                    s.resize(point);
                s += d;
                s += '.';
            }
            std::string text = ResultText(s);
            if (sign)
                text.insert(text.begin(), '-');
            arith::pollCancel();
            return Typed{ShowReadout(std::move(text)), newRun ? readout : std::string()};
        });
    if (!typed)
        return;
    TypedRun run = runForTypedKey(d, newRun ? std::optional(std::move(typed->before)) : std::nullopt);
    if (newNumber)
        state_.decimalEntered = kFalse;
    show(std::move(typed->shown));
    state_.lastInput = kInputNumber;
    typed_ = std::move(run);
    view_.focusSetFocusButton();
}

void Engine::EnterDecimalPoint()
{
    std::optional<ShownReadout> shown;
    if (state_.lastInput == kInputNumber) {
        shown =
            prepare(state_.readoutText.size(), [&r = state_.readoutText] { return ShowReadout(WholeNumberFormat(r)); });
        if (!shown)
            return;
    }
    TypedRun run = runForTypedKey('.');
    if (state_.lastInput == kInputSign)
        SetReadoutText("-0.");
    else if (shown)
        show(std::move(*shown));
    if (state_.lastInput == kInputOperator)
        SetReadoutText("0.");
    state_.decimalEntered = kTrue;
    state_.lastInput = kInputNumber;
    typed_ = std::move(run);
}

Engine::TypedRun Engine::runForTypedKey(char key, std::optional<std::string> before)
{
    const auto [adds, keeps] = typedKeyEffect(key);
    if (adds || keeps) {
        TypedRun run = std::move(typed_);
        run.keys += adds ? 1 : 0;
        return run;
    }
    // A new entry, typing on after a number that was not typed, or a key
    // that rewrites the number: Backspace gives back the state before it.
    return {1, before ? std::move(*before) : state_.readoutText, state_.decimalEntered, state_.lastInput};
}

std::pair<bool, bool> Engine::typedKeyEffect(char key) const
{
    const std::string& r = state_.readoutText;
    bool adds = false;   // the key appends its character, separators aside
    bool keeps = false;  // the key leaves the number as it is
    if (state_.lastInput == kInputNumber && typed_.keys > 0 && !r.empty()) {
        const bool point = r.find('.') != std::string::npos;
        const bool decimal = state_.decimalEntered != kFalse;
        // The whole-number format that "." applies drops leading zeros and
        // the sign of zero.
        const std::size_t first = r.front() == '-' ? 1 : 0;
        const bool zero = first < r.size() && r[first] == '0';
        const bool onlyZero = zero && (first + 1 == r.size() || r[first + 1] == '.');
        const bool reformats = zero && (!onlyZero || first == 1);
        if (key != '.')
            adds = decimal == point;  // a digit goes after the fraction, or after a whole number without point
        else if (decimal)
            keeps = r.back() == '.' && !reformats;
        else
            adds = !point && !reformats;
    }
    return {adds, keeps};
}

void Engine::KeyBackspace()
{
    if (state_.lastInput != kInputNumber || typed_.keys == 0)
        return;
    if (typed_.keys == 1) {
        std::optional<ShownReadout> shown =
            prepare(typed_.readoutText.size(), [&t = typed_.readoutText] { return ShowReadout(t); });
        if (!shown)
            return;
        TypedRun run = std::move(typed_);
        show(std::move(*shown));
        state_.decimalEntered = run.decimalEntered;
        state_.lastInput = std::move(run.lastInput);
        return;
    }
    // The last character was added by the last key; what stays before it
    // is never empty (the first key's readout). Made beside the window when
    // the number is long.
    struct Erased {
        ShownReadout shown;
        bool point;
    };
    std::optional<Erased> e = prepare(state_.readoutText.size(), [&r = state_.readoutText] {
        std::string plain = RemoveCommas(r);
        const bool point = plain.back() == '.';
        plain.pop_back();
        std::string shown = AddCommas(plain);
        if (plain.back() == '.')
            shown += '.';  // AddCommas drops a point without fraction digits
        arith::pollCancel();
        return Erased{ShowReadout(std::move(shown)), point};
    });
    if (!e)
        return;
    TypedRun run = std::move(typed_);
    if (e->point)
        state_.decimalEntered = kFalse;
    show(std::move(e->shown));
    --run.keys;
    typed_ = std::move(run);
}

void Engine::PressPercent()
{
    std::optional<ReadoutOperand> ops = readoutOperand([](const std::string& a) { return QuotientDigits(a, "100"); });
    if (!ops)
        return;
    std::optional<Outcome> p = computeValue(ops->digits, [r = std::move(ops->a)] {
        std::string v = arith::BigDivide(r, "100", 10);
        std::string text = ResultText(v);
        return ShowValue(std::move(v), std::move(text));
    });
    if (!p)
        return;
    show(std::move(p->readout));
    state_.lastInput = kInputCommand;
    state_.pendingOperator = "%";
    state_.decimalEntered = kTrue;
    state_.operandCount = incrementCount(state_.operandCount);
}

bool Engine::computeOperation()
{
    const std::string op = state_.pendingOperator;
    const bool arithmetic = op == "+" || op == "-" || op == "X" || op == "%" || op == "/" || op == "mod" || op == "^";
    // The operands, what the refusals look at and the result's length,
    // made beside the window when the numbers are long.
    struct Operands {
        std::string snapshot, second, a, b;
        bool zeroDivisor = false, fractionalPower = false, zeroModulus = false;
        double digits = 0;
    };
    const std::string& readout = state_.readoutText;
    std::optional<Operands> ops =
        prepare(std::max(readout.size(), state_.firstOperand.size()),
                [&readout, &first = state_.firstOperand, &op, arithmetic] {
                    Operands o{readout, RemoveCommas(readout), ToOperand(first), {}};
                    o.b = ToOperand(o.second);
                    o.zeroDivisor = op == "/" && IsZeroValue(o.b);
                    o.fractionalPower = op == "^" && o.b.find('.') != std::string::npos;
                    o.zeroModulus = op == "mod" && IsZeroValue(arith::IntegerPart(arith::BigAbsolute(o.b)));
                    if (arithmetic && !o.zeroDivisor && !o.fractionalPower && !o.zeroModulus)
                        o.digits = OperationDigits(op, o.a, o.b);
                    return o;
                });
    if (!ops)
        return false;
    std::string& second = ops->second;
    std::string& a = ops->a;
    std::string& b = ops->b;

    // What becomes of the first operand. Failed: it stays (a zero divisor)
    // and the tape line says so instead of stating a result.
    enum class Result { Arithmetic, Given, PlainSecond, Failed, Unknown } kind = Result::Arithmetic;
    std::string given;
    if (op == "=") {
        kind = Result::PlainSecond;
    } else if (ops->zeroDivisor) {
        platform::showMessage(kDivideByZeroText, "Calculator", platform::Icon::Exclamation, platform::Buttons::OK);
        kind = Result::Failed;
    } else if (ops->fractionalPower) {
        // The power procedure refuses fractional exponents with its own
        // message (at once, so it runs here); its answer "0" is not the
        // power: nothing changes, as for the other refusals.
        (void)arith::BigPower(a, b);
        return false;
    } else if (ops->zeroModulus) {
        // Refused by the remainder procedure with its own message.
        given = arith::BigModulo(a, b);
        kind = given.empty() ? Result::Failed : Result::Given;
    } else if (arithmetic) {
        // Refused as too long before any work: nothing changes.
        if (refuseLongResult(ops->digits))
            return false;
    } else {
        kind = Result::Unknown;
    }

    // The result, its readout and the tape line, made together: on the
    // worker for arithmetic and for long texts.
    const bool writesLine = kind != Result::Unknown && op != "=" && !state_.firstOperand.empty();
    auto make = [kind, op, writesLine, &first = state_.firstOperand, &second, a = std::move(a), b = std::move(b),
                 given = std::move(given)]() {
        std::string result;
        bool failed = kind == Result::Failed;
        switch (kind) {
        case Result::Arithmetic:
            result = ApplyOperator(op, a, b);
            // An empty answer is a power of zero to a negative exponent,
            // refused by the arithmetic with its own message.
            failed = result.empty();
            break;
        case Result::Given: result = given; break;
        case Result::PlainSecond: result = PlainNumericForm(second); break;
        case Result::Failed:
        case Result::Unknown: break;
        }
        if (failed || kind == Result::Unknown)
            result = first;
        std::string text = ResultText(result);
        Outcome o = ShowValue(std::move(result), std::move(text));
        if (writesLine) {
            std::string head = first;
            if (head.back() == '.')
                head.pop_back();
            head += ' ';
            head += op;
            head += ' ';
            head += second;
            head += " = ";
            if (failed) {
                o.line = head + kDivideByZeroText;
                o.viewLine = o.line;
            } else {
                AddTapeLine(o, head);
            }
        }
        return o;
    };
    const std::size_t length = std::max({readout.size(), state_.firstOperand.size()});
    std::optional<Outcome> o =
        kind == Result::Arithmetic ? worker_.runValue(std::move(make)) : prepare(length, std::move(make));
    if (!o)
        return false;

    state_.readoutSnapshot = std::move(ops->snapshot);
    state_.secondOperand = std::move(second);
    finish(std::move(*o));
    return true;
}

void Engine::PressOperator(int index)
{
    if (index < 0 || index >= static_cast<int>(kOperatorCaptions.size()))
        return;
    const std::string c(kOperatorCaptions[static_cast<std::size_t>(index)]);
    // The readout as the key found it; it changes below only after its last
    // use.
    const std::string& snapshot = state_.readoutText;
    std::int16_t count = state_.operandCount;
    if (state_.lastInput == kInputNumber)
        count = incrementCount(count);

    switch (count) {
    case 0:
        state_.readoutSnapshot = snapshot;
        state_.operandCount = count;
        if (c == "-" && state_.lastInput != kInputSign) {
            // A readout that is already negative keeps its one sign.
            if (!state_.readoutText.starts_with('-'))
                SetReadoutText("-" + state_.readoutText);
            state_.lastInput = kInputSign;
        }
        break;
    case 1: {
        std::optional<std::pair<std::string, std::string>> taken =
            prepare(snapshot.size(), [&snapshot] { return std::pair(std::string(snapshot), RemoveCommas(snapshot)); });
        if (!taken)
            return;  // cancelled: nothing changes
        state_.readoutSnapshot = std::move(taken->first);
        state_.operandCount = count;
        state_.firstOperand = std::move(taken->second);
        if (state_.lastInput != kInputNumber && c == "-" && state_.pendingOperator != "=") {
            SetReadoutText("-");
            state_.lastInput = kInputSign;
        }
        break;
    }
    case 2:
        if (!computeOperation())
            return;  // cancelled: nothing changes
        state_.operandCount = 1;
        break;
    default:
        state_.readoutSnapshot = snapshot;
        state_.operandCount = count;
        break;
    }
    if (state_.lastInput != kInputSign) {
        state_.lastInput = kInputOperator;
        state_.pendingOperator = c;
    }
}

void Engine::ClearAll()
{
    SetReadoutText("0.");
    state_.firstOperand = "0";
    state_.secondOperand = "0";
    InitCalcState();
}

void Engine::ClearEntry()
{
    if (state_.lastInput == kInputClearEntry)
        ClearAll();
    // Before the first operand is taken it is empty text: the cleared "0.".
    std::optional<ShownReadout> shown = prepare(state_.firstOperand.size(), [&f = state_.firstOperand] {
        return ShowReadout(f.empty() ? std::string("0.") : WholeNumberFormat(f));
    });
    if (!shown)
        return;
    show(std::move(*shown));
    state_.decimalEntered = kFalse;
    state_.lastInput = kInputClearEntry;
}

bool Engine::KeyPress(char key)
{
    if (key >= '0' && key <= '9') {
        EnterDigit(key - '0');
        return true;
    }
    switch (key) {
    case '+': PressOperator(kOperatorAdd); return true;
    case '-': PressOperator(kOperatorSubtract); return true;
    case '*': PressOperator(kOperatorMultiply); return true;
    case '/': PressOperator(kOperatorDivide); return true;
    case '=': PressOperator(kOperatorEquals); return true;
    case '%': PressPercent(); return true;
    case '.': EnterDecimalPoint(); return true;
    default: return false;
    }
}

// ---- Memory register ----------------------------------------------------

void Engine::UpdateMemoryControls()
{
    memoryButtonsEnabled_ = !state_.memoryValue.empty();
    view_.setMemoryButtonsEnabled(memoryButtonsEnabled_);
    if (memoryCaption_ == state_.memoryValue)
        return;  // shown already
    memoryCaption_ = state_.memoryValue;
    view_.setMemoryCaption(memoryCaption_);
}

void Engine::storeMemory(std::array<std::string, 3> copies)
{
    state_.memoryValue = std::move(copies[0]);
    memoryButtonsEnabled_ = !state_.memoryValue.empty();
    view_.setMemoryButtonsEnabled(memoryButtonsEnabled_);
    memoryCaption_ = std::move(copies[1]);
    view_.setMemoryCaption(std::move(copies[2]));
}

void Engine::cmdMemStore_Click()
{
    std::optional<std::array<std::string, 3>> copies =
        prepare(state_.readoutText.size(), [&r = state_.readoutText] { return storeCopies(RemoveCommas(r)); });
    if (!copies)
        return;
    storeMemory(std::move(*copies));
}

void Engine::cmdMemRecall_Click()
{
    // MR is disabled while the memory is empty; a stray call changes nothing.
    if (!state_.memoryValue.empty()) {
        std::optional<ShownReadout> shown = prepare(
            state_.memoryValue.size(), [&m = state_.memoryValue] { return ShowReadout(ResultText(RemoveCommas(m))); });
        if (!shown)
            return;
        state_.lastInput = kInputNumber;
        show(std::move(*shown));
    }
    UpdateMemoryControls();
}

void Engine::cmdMemClear_Click()
{
    state_.memoryValue.clear();
    UpdateMemoryControls();
}

void Engine::cmdMemAdd_Click() { memorySum(false); }

void Engine::cmdMemSub_Click() { memorySum(true); }

void Engine::memorySum(bool subtract)
{
    struct Operands {
        std::string m, r;
        double digits;
    };
    std::optional<Operands> o = prepare(std::max(state_.memoryValue.size(), state_.readoutText.size()), [&st = state_] {
        Operands o{ToOperand(st.memoryValue), ToOperand(st.readoutText), 0};
        o.digits = SumDigits(o.m, o.r);
        return o;
    });
    if (!o)
        return;
    if (std::optional<std::array<std::string, 3>> v =
            computeValue(o->digits, [subtract, m = std::move(o->m), r = std::move(o->r)] {
                return storeCopies(subtract ? arith::BigSubtract(m, r) : arith::BigAdd(m, r));
            }))
        storeMemory(std::move(*v));
    else
        UpdateMemoryControls();
}

// ---- Function commands --------------------------------------------------

void Engine::cmdSquare_Click()
{
    std::optional<ReadoutOperand> ops = readoutOperand([](const std::string& a) { return ProductDigits(a, a); });
    if (!ops)
        return;
    std::optional<Outcome> r = computeValue(ops->digits, [&x = ops->x, a = std::move(ops->a)] {
        std::string v = arith::BigMultiply(a, a);
        std::string text = ResultText(v);
        Outcome o = ShowValue(std::move(v), std::move(text));
        AddTapeLine(o, x + " Squared = ");
        return o;
    });
    if (!r)
        return;
    finish(std::move(*r));
}

void Engine::cmdCube_Click()
{
    std::optional<ReadoutOperand> ops = readoutOperand([](const std::string& a) { return 1.5 * ProductDigits(a, a); });
    if (!ops)
        return;
    std::optional<Outcome> r = computeValue(ops->digits, [&x = ops->x, a = std::move(ops->a)] {
        std::string v = arith::BigMultiply(arith::BigMultiply(a, a), a);
        std::string text = ResultText(v);
        Outcome o = ShowValue(std::move(v), std::move(text));
        AddTapeLine(o, x + " Cubed = ");
        return o;
    });
    if (!r)
        return;
    finish(std::move(*r));
}

void Engine::cmdMod_Click()
{
    state_.lastInput = kInputCommand;
    state_.pendingOperator = "mod";
    state_.operandCount = 1;
    state_.decimalEntered = kTrue;
    state_.firstOperand = RemoveCommas(state_.readoutText);
}

void Engine::cmdToPowerOf_Click()
{
    state_.lastInput = kInputCommand;
    state_.pendingOperator = "^";
    state_.operandCount = 1;
    state_.decimalEntered = kTrue;
    state_.firstOperand = RemoveCommas(state_.readoutText);
}

// ---- Unit conversions ---------------------------------------------------

void Engine::Convert(Conversion conversion)
{
    const ConversionRule rule = conversionRule(conversion);
    const bool metric = view_.metricToImperial();
    const bool temperature = conversion == Conversion::CToF;
    const bool divide = !temperature && metric == rule.metricDivides;
    std::optional<ReadoutOperand> ops = readoutOperand([rule, metric, temperature, divide](const std::string& a) {
        // A temperature: the product and one carry from adding or taking 32.
        return temperature ? ProductDigits(a, metric ? "1.8" : "0.55556") + 1
               : divide    ? QuotientDigits(a, rule.factor)
                           : ProductDigits(a, rule.factor);
    });
    if (!ops)
        return;
    // The sentence goes below the caption the readout reaction leaves: the
    // new readout's words, or the caption as it stands when the readout
    // does not change.
    struct Converted {
        Outcome outcome;
        std::string caption;
        std::string viewCaption;
    };
    std::optional<Converted> r =
        computeValue(ops->digits, [rule, metric, temperature, divide, x = std::move(ops->x), a = std::move(ops->a),
                                   &readout = state_.readoutText, &caption = wordsCaption_] {
            std::string v;
            if (temperature)
                v = metric ? arith::BigAdd(arith::BigMultiply(a, "1.8"), "32")
                           : arith::BigMultiply(arith::BigSubtract(a, "32"), "0.55556");
            else
                v = divide ? arith::BigDivide(a, rule.factor, 10) : arith::BigMultiply(a, rule.factor);
            std::string text = ResultText(v);
            Outcome o = ShowValue(std::move(v), std::move(text));
            std::string sentence = o.readout.text == readout ? caption : o.readout.caption;
            sentence += kCrLf;
            sentence += kCrLf;
            sentence += x;
            sentence += metric ? rule.metricFrom : rule.imperialFrom;
            sentence += " equals ";
            sentence += o.readout.text;
            sentence += metric ? rule.metricTo : rule.imperialTo;
            std::string view = sentence;
            return Converted{std::move(o), std::move(sentence), std::move(view)};
        });
    if (!r)
        return;
    finish(std::move(r->outcome));
    setWordsCaption(std::move(r->caption), std::move(r->viewCaption));
}

// ---- Clipboard ----------------------------------------------------------

void Engine::mnuCopy_Click() { (void)copyReadout(); }

void Engine::cmdPaste_Click()
{
    // The clipboard's text is taken as it stands, then filtered piece by
    // piece as it is read (beside the window when it is long), and reading
    // stops as soon as more digits than the bound have come: a text too
    // long to show is never copied whole.
    platform::Clipboard::Taken taken = platform::clipboard().takeText();
    struct Pasted {
        std::size_t digits = 0;
        std::optional<Outcome> outcome;
    };
    std::optional<Pasted> p = prepare(taken.size, [read = std::move(taken.read)] {
        Pasted p;
        std::string v;
        read([&](std::string_view piece) {
            const std::size_t before = v.size();
            v += FilterDigitsAndPoints(piece);
            p.digits += ReadoutDigits(std::string_view(v).substr(before));
            return p.digits <= MaxResultDigits();
        });
        if (p.digits > MaxResultDigits())
            return p;
        std::string text = ResultText(v);
        p.outcome = ShowValue(std::move(v), std::move(text));
        return p;
    });
    if (!p)
        return;
    if (!p->outcome) {
        refuseLongResult(static_cast<double>(p->digits), kPasteTooLongText);
        return;
    }
    state_.lastInput = kInputNumber;
    finish(std::move(*p->outcome));
}

}  // namespace calc
