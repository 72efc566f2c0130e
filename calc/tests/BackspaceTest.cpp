// Backspace: what it takes back from the number being typed, and where it
// does nothing.
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

// Digits and points added to the typed number come off one at a time.
INSTANTIATE_TEST_SUITE_P(
    TakesBack, Sequence,
    ::testing::Values(
        Row{"LastDigit",
            "1 2 3 4 5 bs",
            {.readout = "1,234", .first = "", .lastInput = "NUMS", .pending = " ", .count = 0, .decimal = kFalse}},
        Row{"Point", "1 2 . bs", {.readout = "12", .lastInput = "NUMS", .decimal = kFalse}},
        Row{"FractionDigit", "1 2 . 5 bs", {.readout = "12.", .decimal = kTrue}},
        Row{"SeparatorsBeforePointRegrouped", "1 2 3 4 . 5 bs", {.readout = "1,234.", .decimal = kTrue}},
        Row{"NegativeNumber", "- 5 3 bs", {.readout = "-5", .lastInput = "NUMS"}},
        Row{"NegativeFraction", "- . 5 bs", {.readout = "-0.", .lastInput = "NUMS", .decimal = kTrue}},
        Row{"TypingGoesOn", "1 2 . 5 bs bs 7", {.readout = "127", .decimal = kFalse}},
        Row{"PointAgainAfterItWasTakenBack", "1 2 . bs . 5", {.readout = "12.5", .decimal = kTrue}},
        Row{"ThenComputes", "1 2 3 4 5 bs 6 + 1 =", {.readout = "12,347.", .tape = Lines{"12346 + 1 = 12,347."}}},
        Row{"SecondOperand", "5 + 3 4 bs =", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}}},
        Row{"ReadoutAndWordsOnlyNoFocus", "1 2 | bs", {.readout = "1", .words = "One", .effects = Lines{"readout"}}},
        Row{"MemoryUntouched", "1 2 MS bs", {.readout = "1", .memory = "12"}},
        Row{"SecondPointChangesNothing", "1 2 3 4 . . bs", {.readout = "1,234", .decimal = kFalse}}),
    RowName);

// The first key of an entry, and a key that rewrote the number, give back
// the state from before them.
INSTANTIATE_TEST_SUITE_P(
    FirstKey, Sequence,
    ::testing::Values(
        Row{"OnlyDigit", "5 bs", {.readout = "0.", .lastInput = "NONE", .decimal = kFalse, .words = "Zero"}},
        Row{"PointAtStart", ". 5 bs", {.readout = "0.", .lastInput = "NUMS", .decimal = kTrue}},
        Row{"PointAtStartTakenBack", ". 5 bs bs", {.readout = "0.", .lastInput = "NONE", .decimal = kFalse}},
        Row{"AfterSign", "- 5 bs", {.readout = "-0.", .lastInput = "NEG", .decimal = kFalse}},
        Row{"SecondOperandGone",
            "5 + 3 bs",
            {.readout = "5", .first = "5", .lastInput = "OPS", .pending = "+", .count = 1}},
        Row{"SecondPointRounded", "1 . 5 . bs", {.readout = "1.5", .decimal = kTrue}},
        Row{"PointDroppedLeadingZeros", "0 0 7 . bs", {.readout = "007", .decimal = kFalse}},
        Row{"PointDroppedSignOfZero", "- 0 . bs", {.readout = "-0", .lastInput = "NUMS", .decimal = kFalse}},
        Row{"SecondPointDroppedSignOfZero", "- . . bs", {.readout = "-0.", .decimal = kTrue}},
        Row{"DigitAfterZoomedNumber", "1 2 . back:34 zoom 5 bs", {.readout = "34", .decimal = kTrue}},
        Row{"DigitAfterRecall", "7 MS C MR 5 bs", {.readout = "7.", .lastInput = "NUMS"}}),
    RowName);

// Nothing to take back: nothing changes and nothing is shown.
INSTANTIATE_TEST_SUITE_P(
    DoesNothing, Sequence,
    ::testing::Values(
        Row{"AtStart", "| bs", {.readout = "0.", .lastInput = "NONE", .words = "", .effects = Lines{}}},
        Row{"AfterResult", "5 + 3 = | bs", {.readout = "8.", .lastInput = "OPS", .effects = Lines{}}},
        Row{"AfterOperator", "5 + | bs", {.readout = "5", .lastInput = "OPS", .pending = "+", .effects = Lines{}}},
        Row{"AfterSignOnly", "5 X - | bs", {.readout = "-", .lastInput = "NEG", .effects = Lines{}}},
        Row{"AfterRecall", "7 MS C MR | bs", {.readout = "7.", .lastInput = "NUMS", .effects = Lines{}}},
        Row{"AfterPastedNumber", "paste | bs", {.readout = "123.", .lastInput = "NUMS", .effects = Lines{}}, "123"},
        Row{"AfterClearEntry", "5 + 3 CE | bs", {.readout = "5.", .lastInput = "CE", .effects = Lines{}}},
        Row{"AfterPercent", "5 0 % | bs", {.readout = "0.5", .lastInput = "Ops", .effects = Lines{}}},
        Row{"AfterFunction", "4 sq | bs", {.readout = "16.", .effects = Lines{}}},
        Row{"AfterZoom", "1 2 . back:34 zoom | bs", {.readout = "34", .effects = Lines{}}},
        Row{"TwiceAfterLastKeyTakenBack", "7 MS C MR 5 bs | bs", {.readout = "7.", .effects = Lines{}}}),
    RowName);

}  // namespace
}  // namespace calc::test
