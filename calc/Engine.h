// The calculator engine: every operation of the main window on CalcState,
// without any toolkit.
//
// The window owns one Engine and calls the handler named after each control
// (Number_Click, Operator_Click, cmdSquare_Click, ...). The engine tells the
// window what to show through View, asks the platform (platform/Platform.h)
// for message boxes, the mouse pointer, the single yield before long work and
// the clipboard, and runs every computation through Worker.
//
// The readout: every change of readoutText goes through SetReadoutText, which
// runs the readout reaction (txtReadout_Change: the words of the number into
// ReadoutWords and onto the words label). Assigning the text the readout
// already holds is not a change: the reaction does not run then, so a
// conversion sentence on the words label stays. A long command's notice
// (kLongWorkNotice, kPiNotice) is the exception: while it is up, assigning
// the readout runs the reaction even when the text is the same, so every
// long command that shows its result ends with the words on the label.
#pragma once

#include "calc/CalcState.h"
#include "calc/SettingScope.h"
#include "calc/View.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace calc {

// Captions of the Operator button array, by index.
inline constexpr std::array<std::string_view, 5> kOperatorCaptions = {"/", "+", "X", "-", "="};
inline constexpr int kOperatorDivide = 0;
inline constexpr int kOperatorAdd = 1;
inline constexpr int kOperatorMultiply = 2;
inline constexpr int kOperatorSubtract = 3;
inline constexpr int kOperatorEquals = 4;

// The arithmetic of the pending operator op ("+", "-", "X", "%" which
// multiplies, "/" to 10 places, "mod", "^") on the operands a and b; ""
// for any other op.
std::string ApplyOperator(std::string_view op, const std::string& a, const std::string& b);

// The longest result the engine computes. Above it, the number on the
// readout and the tape (a few hundred bytes of text layout per digit) would
// take more memory than a desktop has and hold the window for minutes. Every
// computation goes through Engine::compute with the length of its result
// estimated from its operands (calc/ResultLength.h); a longer one is
// refused there before any work with kResultTooLongText and changes
// nothing. A paste of a longer number (kPasteTooLongText) and a longer text
// written back by the zoom window (kResultTooLongText) are refused the same
// way. So the readout, both operands and the memory never hold more digits
// than this. 1,000,000! (5,565,709 digits) is within it.
inline constexpr std::size_t kMaxResultDigits = std::size_t{1} << 24;  // 16,777,216

// The bound in force: kMaxResultDigits, or the bound of a ResultBoundScope.
// The refusal texts keep naming kMaxResultDigits.
std::size_t MaxResultDigits() noexcept;

// While one lives, the engine refuses results longer than its bound instead
// of kMaxResultDigits, so that a test can reach every refusal with operands
// of a few hundred thousand digits instead of sixteen million.
class ResultBoundScope : SettingScope<std::size_t> {
public:
    explicit ResultBoundScope(std::size_t bound) noexcept;
};
inline constexpr const char* kResultTooLongText =
    "This result would have more than 16,777,216 digits: too long to compute and show.";
inline constexpr const char* kPasteTooLongText =
    "The clipboard holds a number of more than 16,777,216 digits: too long to show.";
inline constexpr const char* kTooLongTitle = "Megatally";

// Shown on the words label while long work runs.
inline constexpr const char* kLongWorkNotice = "\r\n    ---  This could take a while!  ---";
inline constexpr const char* kPiNotice = "\r\n    ---  Chill Calcumalating Pi to 23 decimals!  ---";

// The engine's message for a division by zero, and the result place of the
// tape line of a division, remainder or power that failed on a zero divisor.
inline constexpr const char* kDivideByZeroText = "Can't divide by zero";

// Texts longer than this (in characters) are formatted, spelled and made
// into tape lines by the worker, beside the window, with the same cancel as
// the arithmetic; shorter ones at once.
inline constexpr std::size_t kLongText = std::size_t{1} << 16;

// A readout text with what the readout reaction makes of it: the words of
// its integer part (ReadoutWords) and the caption of the words label.
struct ShownReadout {
    std::string text;
    std::string words;
    std::string caption;
    std::string viewText;  // a second copy of text, for the view to keep
};
// The readout reaction's words for text. Pure: runs on any thread.
ShownReadout ShowReadout(std::string text);

// A computed value, the readout that shows it and its tape line (empty:
// none), all made off the window thread and applied by moves.
struct Outcome {
    std::string value;
    ShownReadout readout;
    std::string line;
    std::string viewLine;  // a second copy of line, for the view to keep
};

// The outcome that shows value with the readout text readout (its words
// made here). Polls for a cancel first.
Outcome ShowValue(std::string value, std::string readout);
// Gives o the tape line head, its readout text, tail. Polls for a cancel
// first.
void AddTapeLine(Outcome& o, std::string_view head, std::string_view tail = {});

// The eleven unit conversions, in the order of the panel's columns.
enum class Conversion {
    MmToIn,     // cmdMmToIn    "Mm - In"
    CmToFt,     // cmdCmToFt    "Cm - Ft"
    MtToYd,     // cmdMtToYd    "M - Yd"
    KmToMile,   // CmdKmToMile  "Km - Mile"
    MlToOz,     // cmdMlToOz    "ml - Oz"
    LitToQt,    // cmdLitToQt   "L - Qt"
    LitToGal,   // cmdLitToGal  "L - Gal"
    LitToCuIn,  // cmdLitToCuIn "L - In³"
    GmToOz,     // cmdGmToOZ    "G - Oz"
    KgToLb,     // cmdKgToLb    "Kg - Lb"
    CToF,       // cmdCToF      "C° - F°"
};

class Engine {
public:
    // A view and worker that do nothing / run inline.
    Engine();
    // view and worker must outlive the engine.
    Engine(View& view, Worker& worker);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    const CalcState& state() const { return state_; }
    // The words of the readout's integer part (or the over-limit text), as
    // the readout reaction last made them; empty at start.
    const std::string& ReadoutWords() const { return readoutWords_; }
    // What the engine last put on the words label lbltxtNum, the memory
    // label lblMem and the enabled state of MR and MC.
    const std::string& WordsCaption() const { return wordsCaption_; }
    const std::string& MemoryCaption() const { return memoryCaption_; }
    bool MemoryButtonsEnabled() const { return memoryButtonsEnabled_; }

    // ---- Keypad ----------------------------------------------------------
    // digit 0..9 (the Number button's index and caption).
    void EnterDigit(int digit);
    void EnterDecimalPoint();
    // index 0..4 of the Operator array: "/", "+", "X", "-", "=".
    void PressOperator(int index);
    void PressPercent();
    // "C": readout "0.", both operands "0", then InitCalcState. Memory,
    // history and readoutSnapshot survive.
    void ClearAll();
    // "CE": shows the first operand in the "0." format; twice in a row is C.
    void ClearEntry();
    // Start-up values of the entry fields and the readout "0.".
    void InitCalcState();

    void Number_Click(int index) { EnterDigit(index); }
    void Decimal_Click() { EnterDecimalPoint(); }
    void Operator_Click(int index) { PressOperator(index); }
    void Percent_Click() { PressPercent(); }
    void Cancel_Click() { ClearAll(); }
    void CancelEntry_Click() { ClearEntry(); }
    // The focus sink: Enter on it is "=".
    void cmdSetFocus_Click() { PressOperator(kOperatorEquals); }
    // The window's key map: "0".."9", "+", "-", "*" (X), "/", "=", "%", ".".
    // Returns false for any other character, which is ignored.
    bool KeyPress(char key);
    // Backspace, beyond the key map: takes back the last key typed into the
    // number being entered. A digit or point that was added to the number
    // is removed (the separators regrouped); the first key of the entry, or
    // one that rewrote the number (a second point rounding it), gives back
    // the state from before that key. After anything else (a computed
    // result, a recalled or pasted number, an operator, CE) it does nothing.
    void KeyBackspace();

    // ---- Shared rules ------------------------------------------------------
    // The one way the readout changes; runs the readout reaction when text
    // differs from the current readout.
    void SetReadoutText(std::string text);
    // Puts the decimal string s on the readout (ResultText of s).
    void ShowResult(const std::string& s);
    // Puts line on top of the history tape.
    void PrependHistory(std::string line);

    // ---- Memory register -----------------------------------------------------
    void cmdMemStore_Click();   // MS
    void cmdMemRecall_Click();  // MR
    void cmdMemClear_Click();   // MC
    void cmdMemAdd_Click();     // M+
    void cmdMemSub_Click();     // M-
    void UpdateMemoryControls();

    // ---- Function commands -------------------------------------------------
    void cmdSquare_Click();
    void cmdCube_Click();
    void cmdSquareRoot_Click();
    void cmdCubeRoot_Click();
    void cmdFactorial_Click();
    void cmdLog_Click();
    void cmdPi_Click();
    void cmdEulers_Click();
    void cmdMod_Click();
    void cmdToPowerOf_Click();

    // ---- Unit conversions (direction from View::metricToImperial) ----------
    void Convert(Conversion conversion);
    void cmdMmToIn_Click() { Convert(Conversion::MmToIn); }
    void cmdCmToFt_Click() { Convert(Conversion::CmToFt); }
    void cmdMtToYd_Click() { Convert(Conversion::MtToYd); }
    void CmdKmToMile_Click() { Convert(Conversion::KmToMile); }
    void cmdMlToOz_Click() { Convert(Conversion::MlToOz); }
    void cmdLitToQt_Click() { Convert(Conversion::LitToQt); }
    void cmdLitToGal_Click() { Convert(Conversion::LitToGal); }
    void cmdLitToCuIn_Click() { Convert(Conversion::LitToCuIn); }
    void cmdGmToOZ_Click() { Convert(Conversion::GmToOz); }
    void cmdKgToLb_Click() { Convert(Conversion::KgToLb); }
    void cmdCToF_Click() { Convert(Conversion::CToF); }

    // ---- Clipboard -------------------------------------------------------------
    // Copies the readout without "," to the clipboard.
    void mnuCopy_Click();
    // Filters the clipboard's text to digits and points and puts it on the
    // readout as an entry (and as the first operand).
    void cmdPaste_Click();
    void mnuPaste_Click() { cmdPaste_Click(); }

    // ---- Readout reaction and shortcuts ------------------------------------
    // The readout reaction: ReadoutWords and the words label from the
    // readout. SetReadoutText runs it on every change.
    void txtReadout_Change();
    // Copy the readout (without ",") / the words, then zoom.
    void txtReadout_DblClick();
    void lbltxtNum_DblClick();
    // Opens the zoom window modally; afterwards the readout is re-formatted
    // with AddCommas.
    void mnuZoom_Click();

private:
    // Puts a readout made beforehand up: what SetReadoutText does, with the
    // reaction already made.
    void show(ShownReadout shown);
    // A result made with its readout and tape line: firstOperand, the
    // readout (and its reaction), then the tape.
    void finish(Outcome outcome);
    // PrependHistory with the view's copy of the line made beforehand.
    void prependLine(std::string line, std::string viewLine);
    // Runs make on the worker when length is over kLongText, at once
    // otherwise; nullopt when the user cancelled.
    template <class Make> std::optional<std::invoke_result_t<Make&>> prepare(std::size_t length, Make make)
    {
        if (length <= kLongText)
            return make();
        return worker_.runValue(std::move(make));
    }
    // The readout without separators (x), as the arithmetic reads it (a),
    // and estimate(a) (the result's length, when given): made beside the
    // window when the readout is long. nullopt when the user cancelled.
    struct ReadoutOperand {
        std::string x, a;
        double digits = 0;
    };
    std::optional<ReadoutOperand> readoutOperand(const std::function<double(const std::string&)>& estimate = {});
    // viewCopy: the view's copy of caption, when made beforehand.
    void setWordsCaption(std::string caption, std::string viewCopy = {});
    // A new memory value with the copies for lblMem (engine and view), made
    // beforehand by storeCopies.
    void storeMemory(std::array<std::string, 3> copies);
    // M+ (or M- when subtract): the sum on the worker, then stored.
    void memorySum(bool subtract);
    // Copies the readout without "," to the clipboard; false when the user
    // cancelled.
    bool copyReadout();
    // The keys Backspace can take back: keys typed one after the other into
    // the number being entered, and the entry state from before the first
    // of them. Every readout change other than typing ends the run.
    struct TypedRun {
        std::size_t keys = 0;
        std::string readoutText;
        Boolean decimalEntered = kFalse;
        std::string lastInput;
    };
    // The run the typed key (a digit or ".") about to be applied belongs
    // to, with the key counted: the current run when the key adds its
    // character to the number (or leaves it as it is), else a new run from
    // the state before the key. Called before the key changes anything;
    // the key puts the run back into typed_ when it is done.
    // before: a copy of the readout made beforehand, for a new run.
    TypedRun runForTypedKey(char key, std::optional<std::string> before = std::nullopt);
    // Whether the typed key adds its character to the number being typed,
    // and whether it leaves it as it is; neither: it starts a new run.
    std::pair<bool, bool> typedKeyEffect(char key) const;
    void zoomAndReformat();
    // The pending operator on the first operand and the readout; false
    // when refused or cancelled (nothing changed then).
    bool computeOperation();
    // Shows text and answers true when a result of about this many digits
    // is over kMaxResultDigits.
    static bool refuseLongResult(double digits, const char* text = kResultTooLongText);
    // The one way the engine computes a result: refused (with the message)
    // when digits, the result's length estimated from the operands, is over
    // kMaxResultDigits; otherwise work runs on the worker. nullopt when
    // refused or cancelled, and the caller then changes nothing.
    std::optional<std::string> compute(double digits, const std::function<std::string()>& work);
    // compute for a result made together with everything that shows it.
    template <class Make> std::optional<std::invoke_result_t<Make&>> computeValue(double digits, Make make)
    {
        if (refuseLongResult(digits))
            return std::nullopt;
        return worker_.runValue(std::move(make));
    }
    void rootFinish(const std::string& name, const std::string& x, const std::string& readout,
                    const std::string& marker);
    // Runs root on the worker; shows it and writes its tape line, marked
    // exact when root^power is x. Refused or cancelled, nothing changes but
    // the caption comes back.
    void computeRoot(const char* name, const std::string& x, int power, const std::string& captionBefore,
                     const std::function<std::string()>& root);

    NullView nullView_;
    InlineWorker inlineWorker_;
    View& view_;
    Worker& worker_;
    CalcState state_;
    std::string readoutWords_;
    std::string wordsCaption_;
    std::string memoryCaption_;
    bool memoryButtonsEnabled_ = false;
    // The words label shows kLongWorkNotice or kPiNotice.
    bool noticeUp_ = false;
    TypedRun typed_;
};

}  // namespace calc
