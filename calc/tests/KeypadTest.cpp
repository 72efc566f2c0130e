// Key and button sequences of the keypad, memory and clipboard on a fresh
// engine, grouped by the phase of entry they exercise, with the state
// expected afterwards.
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

const std::string kFractional = "Megatally|Exclamation|OK|Fractional Powers are not supported!";

// Cleared ("NONE") and typing the first number ("NUMS", count 0).
INSTANTIATE_TEST_SUITE_P(
    FirstNumber, Sequence,
    ::testing::Values(
        Row{"StartUp",
            "",
            {.readout = "0.",
             .tape = Lines{},
             .first = "",
             .second = "",
             .lastInput = "NONE",
             .pending = " ",
             .count = 0,
             .decimal = kFalse,
             .messages = Lines{},
             .memory = "",
             .memoryButtons = false,
             .words = "",
             .readoutWords = ""}},
        Row{"PlusOnlySetsOperator",
            "+",
            {.readout = "0.", .first = "", .lastInput = "OPS", .pending = "+", .count = 0}},
        Row{"SecondMinusIgnored", "- -", {.readout = "-0.", .lastInput = "NEG", .pending = " ", .count = 0}},
        // A readout that is already negative keeps its one sign.
        Row{"MinusOnNegativeThenSquare",
            "imperial c-f - sq",
            {.readout = "316.0544395264", .tape = Lines{"-17.77792 Squared = 316.0544395264"}}},
        Row{"MinusOnNegativeCube",
            "C - 5 cube CE -",
            {.readout = "-125.",
             .tape = Lines{"-5 Cubed = -125."},
             .lastInput = "NEG",
             .words = "(Minus) One Hundred Twenty Five"}},
        Row{"MinusOnNegativeThenDigits",
            "C - 5 cube CE - 2 + 3 =",
            {.readout = "1.", .tape = Lines{"-2 + 3 = 1.", "-5 Cubed = -125."}}},
        Row{"NegativeFirstNumber", "- 5 + 2 =", {.readout = "-3.", .tape = Lines{"-5 + 2 = -3."}, .first = "-3"}},
        Row{"SignThenPointThenDigit", "- . 5", {.readout = "-0.5", .lastInput = "NUMS", .decimal = kTrue}},
        Row{"ClearAfterWork",
            "5 + 3 = C",
            {.readout = "0.",
             .tape = Lines{"5 + 3 = 8."},
             .first = "0",
             .second = "0",
             .lastInput = "NONE",
             .pending = " ",
             .count = 0,
             .decimal = kFalse}},
        Row{"Grouped", "1 2 3 4 5 6 7", {.readout = "1,234,567"}},
        Row{"FractionNotGrouped", "1 2 3 4 . 5 6 7 8", {.readout = "1,234.5678", .decimal = kTrue}},
        Row{"SecondPointRoundsToWhole", "1 . 5 . 7", {.readout = "2.7", .decimal = kTrue}},
        Row{"PointRoundsGroupedNumber", "1 2 3 4 .", {.readout = "1234."}},
        Row{"PointAtStartKeepsZero", ". 5", {.readout = "0.5", .decimal = kTrue}},
        Row{"FocusAfterDigitsOnly",
            "| 1 2 + . 3 % CE C",
            {.effects = Lines{"readout", "focus", "readout", "focus", "readout", "readout", "focus", "compute",
                              "readout", "readout", "readout"}}},
        // Only the commands that compute go through the worker.
        Row{"WorkerOnlyWhereSomethingIsComputed",
            "5 + 3 = | = CE C . 5 mod pow copy MS MC",
            {.effects = Lines{"readout", "readout", "focus", "clipboard:clear", "clipboard:set"}}},
        Row{"KeyboardOperators",
            "key:12x*X3=/4-1=",
            {.readout = "8.", .tape = Lines{"9 - 1 = 8.", "36 / 4 = 9.", "12 X 3 = 36."}}},
        Row{"KeyboardPercentAndPoint", "key:1.5+10%=", {.readout = "0.15", .tape = Lines{"1.5 % 0.1 = 0.15"}}},
        Row{"EnterOnFocusSink", "5 + 3 enter", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}}}),
    RowName);

// Operator taken ("OPS", count 1), the second number, computing and "=".
INSTANTIATE_TEST_SUITE_P(
    Computing, Sequence,
    ::testing::Values(
        Row{"TakesFirstOperand",
            "1 2 3 4 X",
            {.readout = "1,234", .first = "1234", .lastInput = "OPS", .pending = "X", .count = 1}},
        Row{"ReplacedOperator", "5 + X 2 =", {.readout = "10.", .tape = Lines{"5 X 2 = 10."}}},
        Row{"MinusAfterOperatorIsSign",
            "5 X -",
            {.readout = "-", .first = "5", .lastInput = "NEG", .pending = "X", .count = 1}},
        Row{"NegativeSecondOperand", "5 X - 3 =", {.readout = "-15.", .tape = Lines{"5 X -3 = -15."}}},
        Row{"MinusAfterEqualsSubtracts", "5 + 3 = - 2 =", {.readout = "6.", .tape = Lines{"8 - 2 = 6.", "5 + 3 = 8."}}},
        Row{"DigitStartsSecondNumber", "1 2 X 3", {.readout = "3", .lastInput = "NUMS", .count = 1}},
        Row{"Add",
            "5 + 3 =",
            {.readout = "8.",
             .tape = Lines{"5 + 3 = 8."},
             .first = "8",
             .second = "3",
             .lastInput = "OPS",
             .pending = "=",
             .count = 1}},
        Row{"Chain", "1 2 X 3 + 4 =", {.readout = "40.", .tape = Lines{"36 + 4 = 40.", "12 X 3 = 36."}}},
        Row{"EqualsTwiceNoSecondLine", "5 + 3 = =", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}}},
        Row{"NumberAfterEqualsStartsOver",
            "5 + 3 = 7 + 1 =",
            {.readout = "8.", .tape = Lines{"7 + 1 = 8.", "5 + 3 = 8."}}},
        Row{"EqualsRowPlainForm", "5 + 3 = 0 0 7 +", {.readout = "7.", .first = "7"}},
        Row{"FirstOperandKeepsSign", "3 - 5 + 1 =", {.readout = "-1.", .tape = Lines{"-2 + 1 = -1.", "3 - 5 = -2."}}},
        Row{"LeadingZerosInLine", "0 0 7 + 1 =", {.readout = "8.", .tape = Lines{"007 + 1 = 8."}}},
        Row{"ThousandResult", "9 9 9 + 1 =", {.readout = "1,000.", .tape = Lines{"999 + 1 = 1,000."}}},
        Row{"TrailingPointOfFirstDropped",
            "4 + 4 = X 2 =",
            {.readout = "16.", .tape = Lines{"8 X 2 = 16.", "4 + 4 = 8."}}},
        Row{"Divide", "1 / 3 =", {.readout = "0.3333333333", .tape = Lines{"1 / 3 = 0.3333333333"}}},
        Row{"FractionProduct", "1 . 5 X 1 . 5 =", {.readout = "2.25", .tape = Lines{"1.5 X 1.5 = 2.25"}}},
        Row{"DivideByZero",
            "7 / 0 =",
            {.readout = "7.",
             .tape = Lines{"7 / 0 = Can't divide by zero"},
             .first = "7",
             .pending = "=",
             .count = 1,
             .messages = Lines{kDivideByZero},
             .words = "Seven"}},
        Row{"DivideByZeroWithPoint",
            "7 / 0 . 0 0 =",
            {.readout = "7.", .tape = Lines{"7 / 0.00 = Can't divide by zero"}, .messages = Lines{kDivideByZero}}},
        Row{"DivideByZeroThenOperator",
            "7 / 0 +",
            {.readout = "7.", .first = "7", .pending = "+", .count = 1, .messages = Lines{kDivideByZero}}}),
    RowName);

// Percent, mod and power ("Ops"), CE, and operands without digits.
INSTANTIATE_TEST_SUITE_P(
    Commands, Sequence,
    ::testing::Values(
        Row{"Percent",
            "2 0 0 X 1 0 %",
            {.readout = "0.1", .lastInput = "Ops", .pending = "%", .count = 2, .decimal = kTrue}},
        Row{"PercentOfProduct", "2 0 0 X 1 0 % =", {.readout = "20.", .tape = Lines{"200 % 0.1 = 20."}}},
        Row{"PercentOfSum", "2 0 0 + 1 0 % =", {.readout = "20.", .tape = Lines{"200 % 0.1 = 20."}}},
        Row{"PercentTwiceStopsComputing",
            "2 + 3 % % =",
            {.readout = "0.0003", .tape = Lines{}, .lastInput = "OPS", .pending = "=", .count = 3}},
        Row{"PercentTwiceThenMore", "2 + 3 % % = 4 + 1 =", {.readout = "1", .tape = Lines{}, .count = 5}},
        Row{"Mod",
            "1 7 mod",
            {.readout = "17", .first = "17", .lastInput = "Ops", .pending = "mod", .count = 1, .decimal = kTrue}},
        Row{"ModThenOperator", "1 7 mod 5 + 1 =", {.readout = "3.", .tape = Lines{"2 + 1 = 3.", "17 mod 5 = 2."}}},
        Row{"ModByZeroKeepsFirst",
            "1 7 mod 0 =",
            {.readout = "17.",
             .tape = Lines{"17 mod 0 = Can't divide by zero"},
             .messages = Lines{"Big Math(Modulo)|None|OK|Error: Divide by Zero."}}},
        Row{"Power",
            "2 pow 6 4 =",
            {.readout = "18,446,744,073,709,551,616.",
             .tape = Lines{"2 ^ 64 = 18,446,744,073,709,551,616."},
             .pending = "=",
             .messages = Lines{}}},
        // Zero to a negative exponent divides by zero: as a failed division.
        Row{"PowerOfZeroToNegativeFails",
            "0 pow - 1 =",
            {.readout = "0.",
             .tape = Lines{"0 ^ -1 = Can't divide by zero"},
             .first = "0",
             .pending = "=",
             .count = 1,
             .messages = Lines{"Big Math(Divide)|None|OK|Error: Divide by Zero."},
             .words = "Zero"}},
        Row{"PowerFractionalRefusedChangesNothing",
            "2 pow 2 . 5 =",
            {.readout = "2.5",
             .tape = Lines{},
             .first = "2",
             .lastInput = "NUMS",
             .pending = "^",
             .count = 1,
             .messages = Lines{kFractional}}},
        Row{"ClearEntryAtStartUp",
            "CE",
            {.readout = "0.", .tape = Lines{}, .first = "", .lastInput = "CE", .words = ""}},
        Row{"ClearEntryShowsFirstOperand",
            "5 + 3 CE",
            {.readout = "5.", .lastInput = "CE", .pending = "+", .count = 1, .decimal = kFalse}},
        Row{"ClearEntryNewSecondNumber", "5 + 3 CE 4 =", {.readout = "9.", .tape = Lines{"5 + 4 = 9."}}},
        Row{"ClearEntryTwiceClearsAll",
            "5 + 3 CE CE",
            {.readout = "0.", .first = "0", .second = "0", .lastInput = "CE", .pending = " ", .count = 0}},
        Row{"ClearEntryRoundsFirstOperand", "2 . 5 + 1 CE", {.readout = "3."}},
        Row{"ClearEntryAfterOperator", "5 + CE 3 =", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}}},
        // "5 % % =": the first operand is still empty; it counts as zero.
        Row{"EmptyFirstOperand", "5 % % =", {.readout = "0.", .tape = Lines{}, .first = "0", .count = 1}},
        // A lone sign stored as the first operand counts as zero.
        Row{"LoneSignStored", "5 X - =", {.readout = "-", .first = "-", .lastInput = "NEG", .pending = "X"}},
        Row{"LoneSignAsOperand", "5 X - = 3 =", {.readout = "-0.", .tape = Lines{"- X -3 = -0."}, .first = "-0"}}),
    RowName);

// The memory register and its label and buttons; copy and paste.
INSTANTIATE_TEST_SUITE_P(
    MemoryClipboard, Sequence,
    ::testing::Values(
        Row{"StoreComputedResult", "4 + 4 = MS", {.memory = "8.", .memoryButtons = true}},
        Row{"StoreWithoutSeparators", "1 2 3 4 5 MS", {.memory = "12345"}},
        Row{"SubtractBelowZero", "8 MS C 1 0 M-", {.memory = "-2", .memoryButtons = true}},
        Row{"AddToEmpty", "1 2 3 4 M+", {.memory = "1234", .memoryButtons = true}},
        Row{"AddNormalises", "4 + 4 = MS C 2 M+", {.memory = "10"}},
        Row{"ClearKeepsReadout",
            "5 MS MC",
            {.readout = "5", .lastInput = "NUMS", .memory = "", .memoryButtons = false}},
        Row{"RecallAsOperand", "3 MS C 5 + MR =", {.readout = "8.", .tape = Lines{"5 + 3. = 8."}}},
        Row{"DigitContinuesRecall", "1 2 3 4 MS C MR 5", {.readout = "12,345", .lastInput = "NUMS"}},
        Row{"RecallFractionAfterClear", "1 . 5 MS C MR", {.readout = "1.5", .memory = "1.5", .memoryButtons = true}},
        // MR is disabled while empty; a stray recall changes nothing.
        Row{"RecallEmptyChangesNothing", "5 + MR", {.readout = "5", .lastInput = "OPS", .memoryButtons = false}},
        Row{"PasteGrouped",
            "2 + 9 paste",
            {.readout = "1,234,567.",
             .first = "1234567",
             .lastInput = "NUMS",
             .pending = "+",
             .count = 1,
             .messages = Lines{}},
            "1,234,567"},
        Row{"PasteFractionFromMenu", "menupaste", {.readout = "3.14", .first = "3.14"}, "3.14"},
        Row{"PasteLetters", "2 + 9 paste", {.readout = ".", .first = ""}, "abc"},
        Row{"PasteTwoPointsComputes", "clip:1.2.3 paste + 1 =", {.readout = "2.23", .tape = Lines{"1.2.3 + 1 = 2.23"}}},
        Row{"PasteIsBothOperands", "clip:3 5 + paste =", {.readout = "6.", .tape = Lines{"3 + 3. = 6."}}},
        Row{"PasteThenClearEntry", "clip:2.5 paste CE", {.readout = "3."}},
        Row{"CopyWithoutSeparators",
            "1 2 3 4 . 5 | copy",
            {.readout = "1,234.5", .clipboard = "1234.5", .effects = Lines{"clipboard:clear", "clipboard:set"}}},
        Row{"CopyKeepsTrailingPoint", "9 9 9 + 1 = copy", {.clipboard = "1000."}}),
    RowName);

TEST(OperandCount, SaturatesAtSixteenBitMaximum)
{
    Harness h;
    h.replay("2 + 3 % %");
    for (int i = 0; i < 33000; ++i)
        h.replay("1 =");
    Check(h, {.tape = Lines{}, .count = kMaxOperandCount});
    h.replay("1 =");
    Check(h, {.count = kMaxOperandCount});
    h.replay("C 6 X 7 =");
    Check(h, {.readout = "42.", .tape = Lines{"6 X 7 = 42."}});
}

}  // namespace
}  // namespace calc::test
