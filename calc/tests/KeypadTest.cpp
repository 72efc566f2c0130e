// Key and button sequences on a fresh engine, grouped by the phase of the
// entry engine they exercise, with the state expected afterwards.
#include "calc/tests/Harness.h"

#include <gtest/gtest.h>

namespace calc::test {
namespace {

struct Row {
    const char* name;
    const char* keys;
    Expect expect;
};

std::ostream& operator<<(std::ostream& os, const Row& r) { return os << r.name << ": " << r.keys; }

class Sequence : public ::testing::TestWithParam<Row> {};

TEST_P(Sequence, LeavesExpectedState)
{
    Harness h;
    h.replay(GetParam().keys);
    Check(h, GetParam().expect);
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

using Lines = std::vector<std::string>;
using Titles = std::vector<std::string>;

// Cleared: count 0, "NONE".
INSTANTIATE_TEST_SUITE_P(Cleared, Sequence, ::testing::Values(
    Row{"StartUp", "", {.readout = "0.", .tape = Lines{}, .first = "", .second = "", .lastInput = "NONE",
                        .pending = " ", .count = 0, .decimal = kFalse, .memory = "", .words = ""}},
    Row{"PlusOnlySetsOperator", "+", {.readout = "0.", .first = "", .lastInput = "OPS", .pending = "+",
                                      .count = 0}},
    Row{"MinusStartsNegative", "-", {.readout = "-0.", .lastInput = "NEG", .pending = " ", .count = 0}},
    Row{"SecondMinusIgnored", "- -", {.readout = "-0.", .lastInput = "NEG", .count = 0}},
    Row{"NegativeFirstNumber", "- 5 + 2 =", {.readout = "-3.", .tape = Lines{"-5 + 2 = -3."},
                                             .first = "-3", .count = 1}},
    Row{"SignThenPointThenDigit", "- . 5", {.readout = "-0.5", .lastInput = "NUMS", .decimal = kTrue}},
    Row{"ClearAfterWork", "5 + 3 = C", {.readout = "0.", .tape = Lines{"5 + 3 = 8."}, .first = "0",
                                        .second = "0", .lastInput = "NONE", .pending = " ", .count = 0,
                                        .decimal = kFalse}}),
    RowName);

// Typing the first number: count 0, "NUMS".
INSTANTIATE_TEST_SUITE_P(TypingFirst, Sequence, ::testing::Values(
    Row{"TwoDigits", "1 2", {.readout = "12", .lastInput = "NUMS", .count = 0, .decimal = kFalse}},
    Row{"Grouped", "1 2 3 4 5 6 7", {.readout = "1,234,567"}},
    Row{"LeadingZerosKept", "0 0 7", {.readout = "007"}},
    Row{"LeadingZerosGrouped", "0 0 0 1 2 3 4", {.readout = "0,001,234"}},
    Row{"Fraction", "1 . 5", {.readout = "1.5", .decimal = kTrue}},
    Row{"FractionNotGrouped", "1 2 3 4 . 5 6 7 8", {.readout = "1,234.5678"}},
    Row{"SecondPointRoundsToWhole", "1 . 5 .", {.readout = "2.", .decimal = kTrue}},
    Row{"DigitAfterSecondPoint", "1 . 5 . 7", {.readout = "2.7"}},
    Row{"PointRoundsGroupedNumber", "1 2 3 4 .", {.readout = "1234."}},
    Row{"PointAtStartKeepsZero", ". 5", {.readout = "0.5", .decimal = kTrue}},
    Row{"Keyboard", "key:12*3=", {.readout = "36.", .tape = Lines{"12 X 3 = 36."}}},
    Row{"KeyboardIgnoresLetters", "key:5x+X3=", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}}},
    Row{"EnterOnFocusSink", "key:5+3 enter", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}}}),
    RowName);

// Operator taken: count 1, "OPS".
INSTANTIATE_TEST_SUITE_P(OperatorTaken, Sequence, ::testing::Values(
    Row{"TakesFirstOperand", "1 2 X", {.readout = "12", .first = "12", .lastInput = "OPS", .pending = "X",
                                       .count = 1}},
    Row{"GroupedOperandWithoutCommas", "1 2 3 4 +", {.first = "1234"}},
    Row{"ReplacedOperator", "5 + X 2 =", {.readout = "10.", .tape = Lines{"5 X 2 = 10."}}},
    Row{"MinusAfterOperatorIsSign", "5 X -", {.readout = "-", .first = "5", .lastInput = "NEG",
                                              .pending = "X", .count = 1}},
    Row{"NegativeSecondOperand", "5 X - 3 =", {.readout = "-15.", .tape = Lines{"5 X -3 = -15."}}},
    Row{"MinusAfterEqualsSubtracts", "5 + 3 = - 2 =", {.readout = "6.",
                                                        .tape = Lines{"8 - 2 = 6.", "5 + 3 = 8."}}},
    Row{"DigitStartsSecondNumber", "1 2 X 3", {.readout = "3", .lastInput = "NUMS", .count = 1}}),
    RowName);

// Typing the second number, computing, and "=".
INSTANTIATE_TEST_SUITE_P(Computing, Sequence, ::testing::Values(
    Row{"Add", "5 + 3 =", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}, .first = "8", .second = "3",
                           .lastInput = "OPS", .pending = "=", .count = 1}},
    Row{"Chain", "1 2 X 3 + 4 =", {.readout = "40.", .tape = Lines{"36 + 4 = 40.", "12 X 3 = 36."}}},
    Row{"OperatorComputes", "1 2 X 3 +", {.readout = "36.", .tape = Lines{"12 X 3 = 36."}, .pending = "+",
                                          .count = 1}},
    Row{"EqualsTwiceNoSecondLine", "5 + 3 = =", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}}},
    Row{"NumberAfterEqualsReplaces", "5 + 3 = 7 +", {.readout = "7.", .tape = Lines{"5 + 3 = 8."},
                                                     .first = "7", .pending = "+"}},
    Row{"NumberAfterEqualsChain", "5 + 3 = 7 + 1 =", {.readout = "8.",
                                                       .tape = Lines{"7 + 1 = 8.", "5 + 3 = 8."}}},
    Row{"EqualsRowPlainForm", "5 + 3 = 0 0 7 +", {.readout = "7.", .first = "7"}},
    Row{"EqualsRowFraction", "5 + 3 = 2 . 5 0 +", {.readout = "2.5", .first = "2.5"}},
    Row{"EqualsRowBelowOne", "5 + 3 = . 5 0 0 +", {.readout = "0.5", .first = "0.5"}},
    Row{"FirstOperandKeepsSign", "3 - 5 + 1 =", {.readout = "-1.",
                                                  .tape = Lines{"-2 + 1 = -1.", "3 - 5 = -2."}}},
    Row{"LeadingZerosInLine", "0 0 7 + 1 =", {.readout = "8.", .tape = Lines{"007 + 1 = 8."}}},
    Row{"ThousandResult", "9 9 9 + 1 =", {.readout = "1,000.", .tape = Lines{"999 + 1 = 1,000."}}},
    Row{"TrailingPointOfFirstDropped", "4 + 4 = X 2 =", {.readout = "16.",
                                                          .tape = Lines{"8 X 2 = 16.", "4 + 4 = 8."}}},
    Row{"Divide", "1 / 3 =", {.readout = "0.3333333333", .tape = Lines{"1 / 3 = 0.3333333333"}}},
    Row{"DivideByZero", "7 / 0 =", {.readout = "7.", .tape = Lines{"7 / 0 = 7."}, .first = "7",
                                    .pending = "=", .count = 1, .messageTitles = Titles{"Calculator"}}},
    Row{"DivideByZeroWithPoint", "7 / 0 . 0 0 =", {.readout = "7.", .tape = Lines{"7 / 0.00 = 7."},
                                                    .messageTitles = Titles{"Calculator"}}},
    Row{"DivideByZeroThenOperator", "7 / 0 +", {.readout = "7.", .first = "7", .pending = "+",
                                                .count = 1, .messageTitles = Titles{"Calculator"}}},
    Row{"Subtract", "1 0 - 2 5 =", {.readout = "-15.", .tape = Lines{"10 - 25 = -15."}}},
    Row{"FractionProduct", "1 . 5 X 1 . 5 =", {.readout = "2.25", .tape = Lines{"1.5 X 1.5 = 2.25"}}}),
    RowName);

// Percent, mod and power: "Ops".
INSTANTIATE_TEST_SUITE_P(Commands, Sequence, ::testing::Values(
    Row{"Percent", "2 0 0 X 1 0 %", {.readout = "0.1", .lastInput = "Ops", .pending = "%", .count = 2,
                                     .decimal = kTrue}},
    Row{"PercentOfProduct", "2 0 0 X 1 0 % =", {.readout = "20.", .tape = Lines{"200 % 0.1 = 20."}}},
    Row{"PercentOfSum", "2 0 0 + 1 0 % =", {.readout = "20.", .tape = Lines{"200 % 0.1 = 20."}}},
    Row{"PercentTwiceStopsComputing", "2 + 3 % % =", {.readout = "0.0003", .tape = Lines{}, .lastInput = "OPS",
                                                      .pending = "=", .count = 3}},
    Row{"PercentTwiceThenMore", "2 + 3 % % = 4 + 1 =", {.readout = "1", .tape = Lines{}, .count = 5}},
    Row{"PercentTwiceThenClear", "2 + 3 % % = C 4 + 1 =", {.readout = "5.", .tape = Lines{"4 + 1 = 5."}}},
    Row{"Mod", "1 7 mod", {.readout = "17", .first = "17", .lastInput = "Ops", .pending = "mod", .count = 1,
                           .decimal = kTrue}},
    Row{"ModComputes", "1 7 mod 5 =", {.readout = "2.", .tape = Lines{"17 mod 5 = 2."}}},
    Row{"Power", "2 pow 1 0 =", {.readout = "1,024.", .tape = Lines{"2 ^ 10 = 1,024."}, .pending = "="}},
    Row{"PowerFractionalRefused", "2 pow 2 . 5 =", {.readout = "0.", .tape = Lines{"2 ^ 2.5 = 0."},
                                                    .messageTitles = Titles{"Megatally"}}},
    Row{"ModThenOperatorCount2", "1 7 mod 5 + 1 =", {.readout = "3.",
                                                      .tape = Lines{"2 + 1 = 3.", "17 mod 5 = 2."}}}),
    RowName);

// CE: shows the first operand, keeps the count.
INSTANTIATE_TEST_SUITE_P(ClearEntry, Sequence, ::testing::Values(
    Row{"ShowsFirstOperand", "5 + 3 CE", {.readout = "5.", .lastInput = "CE", .pending = "+", .count = 1,
                                          .decimal = kFalse}},
    Row{"NewSecondNumber", "5 + 3 CE 4 =", {.readout = "9.", .tape = Lines{"5 + 4 = 9."}}},
    Row{"TwiceClearsAll", "5 + 3 CE CE", {.readout = "0.", .first = "0", .second = "0", .lastInput = "CE",
                                          .pending = " ", .count = 0}},
    Row{"TwiceAtStart", "CE CE", {.readout = "0.", .lastInput = "CE", .count = 0}},
    Row{"RoundsFirstOperand", "2 . 5 + 1 CE", {.readout = "3."}},
    Row{"AfterOperatorKeepsCount", "5 + CE 3 =", {.readout = "8.", .tape = Lines{"5 + 3 = 8."}}}),
    RowName);

// Sequences that would hand the arithmetic an operand without digits.
INSTANTIATE_TEST_SUITE_P(OperandsWithoutDigits, Sequence, ::testing::Values(
    // "5 % % =": the first operand is still empty; it counts as zero.
    Row{"EmptyFirstOperand", "5 % % =", {.readout = "0.", .tape = Lines{}, .first = "0", .count = 1}},
    // The lone sign stored as first operand counts as zero.
    Row{"LoneSignStored", "5 X - =", {.readout = "-", .first = "-", .lastInput = "NEG", .pending = "X"}},
    Row{"LoneSignAsOperand", "5 X - = 3 =", {.readout = "-0.", .tape = Lines{"- X -3 = -0."}, .first = "-0"}},
    Row{"LoneSignPlus", "5 + - = 4 =", {.readout = "-4.", .tape = Lines{"- + -4 = -4."}}}),
    RowName);

TEST(OperandCount, SaturatesAtSixteenBitMaximum)
{
    Harness h;
    h.replay("2 + 3 % %");
    for (int i = 0; i < 33000; ++i)
        h.replay("1 =");
    EXPECT_EQ(h.state().operandCount, kMaxOperandCount);
    EXPECT_TRUE(h.state().historyText.empty());
    h.replay("1 =");
    EXPECT_EQ(h.state().operandCount, kMaxOperandCount);
    h.replay("C 6 X 7 =");
    Check(h, {.readout = "42.", .tape = Lines{"6 X 7 = 42."}});
}

TEST(Focus, MovesToFocusSinkAfterEveryDigitOnly)
{
    Harness h;
    h.replay("1 2 + . 3 % CE C");
    EXPECT_EQ(h.view.focusMoves, 3);
}

}  // namespace
}  // namespace calc::test
