// Text that reaches the engine from outside: a paste (the clipboard's text
// through the engine's filter) and the zoom window's write-back (the edited
// text of zoom::ZoomModel). The first byte picks which. Afterwards the
// readout is a display string of the text's digits, the engine reads it as
// a decimal string, and the next calculation gives a normal-form result.
#include "arith/BigArithmetic.h"
#include "calc/Engine.h"
#include "calc/Format.h"
#include "fuzz/FuzzSupport.h"
#include "platform/fake/FakePlatform.h"
#include "zoom/ZoomLogic.h"

#include <memory>

using fuzz::brief;
using fuzz::check;

namespace {

std::string digitsOf(const std::string& s)
{
    std::string d;
    for (char c : s)
        if (fuzz::isDigit(c))
            d += c;
    return d;
}

// Shows a zoom window whose box the user has set to `edited`.
class ZoomView final : public calc::NullView {
public:
    std::string edited;
    std::optional<std::string> showZoom(const std::string& readout, const std::string& words) override
    {
        const zoom::ZoomModel model(std::make_shared<const std::string>(readout), words);
        check(model.text() == readout, "the zoom window opens on the readout", brief(readout));
        return model.unload(edited);
    }
};

// "+ 1 =" after the text: the result is the readout's value plus one.
void checkNextSum(calc::Engine& engine, const std::string& before)
{
    const std::string operand = calc::ToOperand(engine.state().readoutText);
    check(calc::IsDecimalString(operand), "the readout reads as a decimal string", brief(before) + " -> " + operand);
    engine.PressOperator(calc::kOperatorAdd);
    engine.EnterDigit(1);
    engine.PressOperator(calc::kOperatorEquals);
    const std::string sum = arith::BigAdd(operand, "1");
    check(fuzz::isNormalForm(sum), "the next sum is in normal form", brief(before) + " -> " + brief(sum));
    check(engine.state().readoutText == calc::ResultText(sum), "the next sum shows the readout's value plus one",
          brief(before) + " -> " + brief(engine.state().readoutText));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 2000)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    platform::FakePlatform fake;
    ZoomView view;
    calc::InlineWorker worker;
    calc::Engine engine(view, worker);
    engine.InitCalcState();
    if (data[0] % 2 == 0) {
        fake.clipboardText = text;
        engine.cmdPaste_Click();
        const std::string filtered = calc::FilterDigitsAndPoints(text);
        check(engine.state().firstOperand == filtered, "the paste keeps the digits and points", brief(text));
        check(digitsOf(engine.state().readoutText).ends_with(digitsOf(text)) &&
                  digitsOf(engine.state().readoutText).size() <= digitsOf(text).size() + 1,
              "the pasted readout shows the digits", brief(text) + " -> " + brief(engine.state().readoutText));
    } else {
        engine.EnterDigit(5);  // an entry under way, which the write-back replaces
        view.edited = text;
        engine.mnuZoom_Click();
        check(engine.state().readoutText == calc::AddCommas(text), "the write-back is shown with separators",
              brief(text) + " -> " + brief(engine.state().readoutText));
    }
    check(fake.messages.empty(), "no message", brief(text));
    checkNextSum(engine, text);
    return 0;
}
