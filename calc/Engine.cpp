#include "calc/Engine.h"

#include "arith/BigArithmetic.h"
#include "calc/Format.h"
#include "calc/ResultLength.h"
#include "platform/Platform.h"
#include "words/NumToWords.h"

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
    case Conversion::KmToMile:
        return {"0.621371", false, " Kilometers", " Miles", " Miles", " Kilometers"};
    case Conversion::MlToOz:
        return {"29.5735", true, " Milliliters", " Ounces", " Ounces", " Milliliters"};
    case Conversion::LitToQt: return {"1.05669", false, " Liters", " Quarts", " Quarts", " Liters"};
    case Conversion::LitToGal: return {"3.78541", true, " Liters", " Gallons", " Gallons", " Liters"};
    case Conversion::LitToCuIn:
        return {"61.0237", false, " Liters", " Cubic Inches ", " Cubic Inches", "  Liters"};
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

Engine::Engine() : view_(nullView_), worker_(inlineWorker_) {}

Engine::Engine(View& view, Worker& worker) : view_(view), worker_(worker) {}

bool Engine::refuseLongResult(double digits, const char* text)
{
    if (digits <= static_cast<double>(kMaxResultDigits))
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

void Engine::PrependHistory(std::string line)
{
    const std::size_t removed = state_.historyText.prepend(std::move(line));
    view_.historyPrepended(state_.historyText.line(0));
    if (removed > 0)
        view_.historyTrimmed(removed, TrimNotice(state_.historyText.removed()));
}

void Engine::setWordsCaption(std::string caption)
{
    wordsCaption_ = std::move(caption);
    noticeUp_ = wordsCaption_ == kLongWorkNotice || wordsCaption_ == kPiNotice;
    view_.setWordsCaption(wordsCaption_);
}

// ---- Readout reaction ---------------------------------------------------

void Engine::txtReadout_Change()
{
    // A readout with stray characters (left by an edit in the zoom window)
    // is spelled as the value the arithmetic reads from it.
    std::string reading;
    if (!IsDisplayString(state_.readoutText))
        reading = AddCommas(ToOperand(state_.readoutText));
    const std::string& r = reading.empty() ? state_.readoutText : reading;
    const std::size_t point = r.find('.');
    if (point != std::string::npos && point + 1 < r.size()) {
        readoutWords_ = words::NumberToWords(r.substr(0, point));
        std::string caption = readoutWords_;
        caption += " ( and ";
        caption += words::FractionToPlaceValue(r.substr(point + 1));
        caption += " )";
        setWordsCaption(std::move(caption));
    } else {
        std::string whole = r;
        std::erase(whole, '.');
        readoutWords_ = words::NumberToWords(whole);
        setWordsCaption(readoutWords_);
    }
}

void Engine::zoomAndReformat()
{
    if (std::optional<std::string> edited = view_.showZoom(state_.readoutText, readoutWords_)) {
        if (refuseLongResult(static_cast<double>(ReadoutDigits(*edited))))
            return;
        SetReadoutText(std::move(*edited));
    }
    SetReadoutText(AddCommas(state_.readoutText));
}

void Engine::txtReadout_DblClick()
{
    platform::Clipboard& clip = platform::clipboard();
    clip.clear();
    clip.setText(RemoveCommas(state_.readoutText));
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
    TypedRun run = runForTypedKey(d);
    std::string s = state_.readoutText;
    if (state_.lastInput != kInputNumber) {
        s = ".";
        state_.decimalEntered = kFalse;
    }
    if (state_.decimalEntered != kFalse) {
        s += d;
    } else {
        const std::size_t point = s.find('.');
        if (point == std::string::npos) {
            s += d;
            s += '.';
        } else {
            s.resize(point);
            s += d;
            s += '.';
        }
    }
    std::string shown = ResultText(s);
    if (state_.lastInput == kInputSign)
        shown.insert(shown.begin(), '-');
    SetReadoutText(std::move(shown));
    state_.lastInput = kInputNumber;
    typed_ = std::move(run);
    view_.focusSetFocusButton();
}

void Engine::EnterDecimalPoint()
{
    TypedRun run = runForTypedKey('.');
    if (state_.lastInput == kInputSign)
        SetReadoutText("-0.");
    else if (state_.lastInput == kInputNumber)
        SetReadoutText(WholeNumberFormat(state_.readoutText));
    if (state_.lastInput == kInputOperator)
        SetReadoutText("0.");
    state_.decimalEntered = kTrue;
    state_.lastInput = kInputNumber;
    typed_ = std::move(run);
}

Engine::TypedRun Engine::runForTypedKey(char key)
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
    if (adds || keeps) {
        TypedRun run = std::move(typed_);
        run.keys += adds ? 1 : 0;
        return run;
    }
    // A new entry, typing on after a number that was not typed, or a key
    // that rewrites the number: Backspace gives back the state before it.
    return {1, r, state_.decimalEntered, state_.lastInput};
}

void Engine::KeyBackspace()
{
    if (state_.lastInput != kInputNumber || typed_.keys == 0)
        return;
    TypedRun run = std::move(typed_);
    if (run.keys == 1) {
        SetReadoutText(std::move(run.readoutText));
        state_.decimalEntered = run.decimalEntered;
        state_.lastInput = std::move(run.lastInput);
        return;
    }
    // The last character was added by the last key; what stays before it
    // is never empty (the first key's readout).
    std::string plain = RemoveCommas(state_.readoutText);
    if (plain.back() == '.')
        state_.decimalEntered = kFalse;
    plain.pop_back();
    std::string shown = AddCommas(plain);
    if (plain.back() == '.')
        shown += '.';  // AddCommas drops a point without fraction digits
    SetReadoutText(std::move(shown));
    --run.keys;
    typed_ = std::move(run);
}

void Engine::PressPercent()
{
    const std::string r = ToOperand(state_.readoutText);
    std::optional<std::string> p = compute(QuotientDigits(r, "100"), [r] { return arith::BigDivide(r, "100", 10); });
    if (!p)
        return;
    ShowResult(*p);
    state_.lastInput = kInputCommand;
    state_.pendingOperator = "%";
    state_.decimalEntered = kTrue;
    state_.operandCount = incrementCount(state_.operandCount);
}

bool Engine::computeOperation(const std::string& snapshot)
{
    const std::string second = RemoveCommas(snapshot);
    const std::string op = state_.pendingOperator;
    const std::string first = state_.firstOperand;
    const std::string a = ToOperand(first);
    const std::string b = ToOperand(second);

    bool known = true;
    // Failed on a zero divisor: the first operand stays and the tape line
    // says so instead of stating a result.
    bool failed = false;
    std::string result;
    if (op == "=") {
        result = PlainNumericForm(second);
    } else if (op == "/" && IsZeroValue(b)) {
        platform::showMessage(kDivideByZeroText, "Calculator", platform::Icon::Exclamation,
                              platform::Buttons::OK);
        failed = true;
    } else if (op == "^" && b.find('.') != std::string::npos) {
        // The power procedure refuses fractional exponents with its own
        // message (at once, so it runs here); its answer "0" is not the
        // power: nothing changes, as for the other refusals.
        (void)arith::BigPower(a, b);
        return false;
    } else if (op == "mod" && IsZeroValue(arith::IntegerPart(arith::BigAbsolute(b)))) {
        // Refused by the remainder procedure with its own message.
        result = arith::BigModulo(a, b);
        failed = result.empty();
    } else if (op == "+" || op == "-" || op == "X" || op == "%" || op == "/" || op == "mod" ||
               op == "^") {
        // Refused as too long before any work, or cancelled: nothing changes.
        std::optional<std::string> r =
            compute(OperationDigits(op, a, b), [a, b, op] { return ApplyOperator(op, a, b); });
        if (!r)
            return false;
        result = std::move(*r);
        // An empty answer is a power of zero to a negative exponent, refused
        // by the arithmetic with its own message.
        failed = result.empty();
    } else {
        known = false;
    }

    state_.readoutSnapshot = snapshot;
    state_.secondOperand = second;
    const std::string historyFirst = (known && op != "=") ? first : std::string();
    if (known && !failed)
        state_.firstOperand = std::move(result);
    ShowResult(state_.firstOperand);
    if (!historyFirst.empty()) {
        std::string line = historyFirst;
        if (line.back() == '.')
            line.pop_back();
        line += ' ';
        line += op;
        line += ' ';
        line += second;
        line += " = ";
        line += failed ? kDivideByZeroText : state_.readoutText;
        PrependHistory(std::move(line));
    }
    return true;
}

void Engine::PressOperator(int index)
{
    if (index < 0 || index >= static_cast<int>(kOperatorCaptions.size()))
        return;
    const std::string c(kOperatorCaptions[static_cast<std::size_t>(index)]);
    const std::string snapshot = state_.readoutText;
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
    case 1:
        state_.readoutSnapshot = snapshot;
        state_.operandCount = count;
        state_.firstOperand = RemoveCommas(snapshot);
        if (state_.lastInput != kInputNumber && c == "-" && state_.pendingOperator != "=") {
            SetReadoutText("-");
            state_.lastInput = kInputSign;
        }
        break;
    case 2:
        if (!computeOperation(snapshot))
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
    SetReadoutText(state_.firstOperand.empty() ? std::string("0.") : WholeNumberFormat(state_.firstOperand));
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
    memoryCaption_ = state_.memoryValue;
    view_.setMemoryCaption(memoryCaption_);
}

void Engine::cmdMemStore_Click()
{
    state_.memoryValue = RemoveCommas(state_.readoutText);
    UpdateMemoryControls();
}

void Engine::cmdMemRecall_Click()
{
    // MR is disabled while the memory is empty; a stray call changes nothing.
    if (!state_.memoryValue.empty()) {
        const std::string v = RemoveCommas(state_.memoryValue);
        state_.lastInput = kInputNumber;
        ShowResult(v);
    }
    UpdateMemoryControls();
}

void Engine::cmdMemClear_Click()
{
    state_.memoryValue.clear();
    UpdateMemoryControls();
}

void Engine::cmdMemAdd_Click()
{
    const std::string m = ToOperand(state_.memoryValue);
    const std::string r = ToOperand(state_.readoutText);
    if (std::optional<std::string> v = compute(SumDigits(m, r), [m, r] { return arith::BigAdd(m, r); }))
        state_.memoryValue = std::move(*v);
    UpdateMemoryControls();
}

void Engine::cmdMemSub_Click()
{
    const std::string m = ToOperand(state_.memoryValue);
    const std::string r = ToOperand(state_.readoutText);
    if (std::optional<std::string> v = compute(SumDigits(m, r), [m, r] { return arith::BigSubtract(m, r); }))
        state_.memoryValue = std::move(*v);
    UpdateMemoryControls();
}

// ---- Function commands --------------------------------------------------

void Engine::cmdSquare_Click()
{
    const std::string x = RemoveCommas(state_.readoutText);
    const std::string a = ToOperand(x);
    std::optional<std::string> r = compute(ProductDigits(a, a), [a] { return arith::BigMultiply(a, a); });
    if (!r)
        return;
    state_.firstOperand = std::move(*r);
    ShowResult(state_.firstOperand);
    PrependHistory(x + " Squared = " + state_.readoutText);
}

void Engine::cmdCube_Click()
{
    const std::string x = RemoveCommas(state_.readoutText);
    const std::string a = ToOperand(x);
    std::optional<std::string> r = compute(1.5 * ProductDigits(a, a),
                                           [a] { return arith::BigMultiply(arith::BigMultiply(a, a), a); });
    if (!r)
        return;
    state_.firstOperand = std::move(*r);
    ShowResult(state_.firstOperand);
    PrependHistory(x + " Cubed = " + state_.readoutText);
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
    const std::string x = RemoveCommas(state_.readoutText);
    const std::string a = ToOperand(x);
    const bool metric = view_.metricToImperial();
    std::optional<std::string> r;
    if (conversion == Conversion::CToF) {
        // The product and one carry from adding or taking 32.
        r = compute(ProductDigits(a, metric ? "1.8" : "0.55556") + 1, [a, metric] {
            if (metric)
                return arith::BigAdd(arith::BigMultiply(a, "1.8"), "32");
            return arith::BigMultiply(arith::BigSubtract(a, "32"), "0.55556");
        });
    } else {
        const bool divide = metric == rule.metricDivides;
        const std::string factor = rule.factor;
        r = compute(divide ? QuotientDigits(a, factor) : ProductDigits(a, factor), [a, factor, divide] {
            return divide ? arith::BigDivide(a, factor, 10) : arith::BigMultiply(a, factor);
        });
    }
    if (!r)
        return;
    state_.firstOperand = std::move(*r);
    ShowResult(state_.firstOperand);
    std::string caption = wordsCaption_;
    caption += kCrLf;
    caption += kCrLf;
    caption += x;
    caption += metric ? rule.metricFrom : rule.imperialFrom;
    caption += " equals ";
    caption += state_.readoutText;
    caption += metric ? rule.metricTo : rule.imperialTo;
    setWordsCaption(std::move(caption));
}

// ---- Clipboard ----------------------------------------------------------

void Engine::mnuCopy_Click()
{
    platform::Clipboard& clip = platform::clipboard();
    clip.clear();
    clip.setText(RemoveCommas(state_.readoutText));
}

void Engine::cmdPaste_Click()
{
    // The clipboard's text is filtered piece by piece as it is read, and
    // reading stops as soon as more digits than the bound have come: a
    // text too long to show is never copied whole.
    std::string v;
    std::size_t digits = 0;
    bool tooLong = false;
    platform::clipboard().readText([&](std::string_view piece) {
        const std::size_t before = v.size();
        v += FilterDigitsAndPoints(piece);
        digits += ReadoutDigits(std::string_view(v).substr(before));
        tooLong = digits > kMaxResultDigits;
        return !tooLong;
    });
    if (tooLong) {
        refuseLongResult(static_cast<double>(digits), kPasteTooLongText);
        return;
    }
    state_.firstOperand = v;
    state_.lastInput = kInputNumber;
    ShowResult(v);
}

}  // namespace calc
