// The function commands: results, history lines, messages and the order of
// notice, pointer, yield and computation.
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

const std::string kRootNegative = "Sorry|Critical|OK|Invalid input!   Can't do root operations on Negative numbers";
const std::string kLogNegative = "Sorry|Critical|OK|Invalid input!   Can't do log operations on Negative numbers";
const std::string kLogZero = "Sorry|Critical|OK|Invalid input!   Can't do log operations on zero";
const std::string kFactorialNegative =
    "Sorry|Critical|OK|Invalid input!\r\n\r\nCan't do Factorial operations on Negative numbers";
const std::string kCubeRootQuestion =
    "Yikes!|Question|YesNo|This operation could take a long time to complete.  Are you sure you want to "
    "continue?";
const std::string kFactorialQuestion =
    "Yikes!|Question|YesNo|This operation will result in a \"Truly Ginormous\" result, and could take a long "
    "time to complete.  Are you sure you want to Continue?";
const std::string kFactorialTooLarge =
    "Sorry|Critical|OK|Invalid input!\r\n\r\nFactorials are limited to numbers up to 1,000,000";
const Lines kRootWork = {"busy", "yield", "compute", "readout", "default", "history"};
const Lines kLongRootWork = {"busy", "yield", "notice", "yield", "compute", "readout", "default", "history"};

INSTANTIATE_TEST_SUITE_P(
    SquareCube, Sequence,
    ::testing::Values(
        Row{"Square",
            "1 2 sq",
            {.readout = "144.", .tape = Lines{"12 Squared = 144."}, .first = "144", .lastInput = "NUMS"}},
        Row{"SquareNegative", "- 3 sq", {.readout = "9.", .tape = Lines{"-3 Squared = 9."}}},
        Row{"SquareOfResult", "4 + 4 = sq", {.readout = "64.", .tape = Lines{"8. Squared = 64.", "4 + 4 = 8."}}},
        Row{"SquareFraction", "1 . 5 sq", {.readout = "2.25", .tape = Lines{"1.5 Squared = 2.25"}}},
        Row{"CubeNegative", "- 2 cube", {.readout = "-8.", .tape = Lines{"-2 Cubed = -8."}, .first = "-8"}},
        Row{"SquareIsFirstOperand",
            "1 2 sq + 1 =",
            {.readout = "145.", .tape = Lines{"144 + 1 = 145.", "12 Squared = 144."}}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Roots, Sequence,
    ::testing::Values(
        Row{"SquareRootExact",
            "1 6 | sqrt",
            {.readout = "4.",
             .tape = Lines{" Square Root 16 = 4.!"},
             .first = "",
             .lastInput = "NUMS",
             .effects = kRootWork}},
        Row{"SquareRootApproximate",
            "2 sqrt",
            {.readout = "1.41421356", .tape = Lines{" Square Root 2 = 1.41421356~"}}},
        Row{"SquareRootOfComputed16",
            "1 2 + 4 = sqrt",
            {.readout = "4.", .tape = Lines{" Square Root 16. = 4.!", "12 + 4 = 16."}}},
        Row{"SquareRootZeroTyped",
            "0 sqrt",
            {.readout = "0.", .tape = Lines{" Square Root 0 = 0.!"}, .messages = Lines{}}},
        Row{"SquareRootKeepsOperation",
            "5 + 1 6 sqrt =",
            {.readout = "9.", .tape = Lines{"5 + 4. = 9.", " Square Root 16 = 4.!"}}},
        Row{"SquareRootNoticeAbove25", std::string(26, '4') + " | sqrt", {.effects = kLongRootWork}},
        Row{"SquareRootNoNoticeAt25", std::string(25, '4') + " | sqrt", {.effects = kRootWork}},
        Row{"NegativeRootsRefused",
            "- 9 | sqrt cbrt",
            {.readout = "-9",
             .tape = Lines{},
             .messages = Lines{kRootNegative, kRootNegative},
             .effects = Lines{"message:Sorry", "message:Sorry"}}},
        Row{"CubeRootExact",
            "2 7 | cbrt",
            {.readout = "3.", .tape = Lines{" Cube Root 27 = 3.!"}, .first = "", .effects = kLongRootWork}},
        Row{"CubeRootApproximate", "2 cbrt", {.readout = "1.25992104", .tape = Lines{" Cube Root 2 = 1.25992104~"}}},
        // Below 1 the readout goes "0.0" then "0.", so the notice is replaced.
        // Fractions below 1 have roots too (the arithmetic scales them).
        Row{"CubeRootBelowOne",
            "0 . 5 | cbrt",
            {.readout = "0.79370052",
             .tape = Lines{" Cube Root 0.5 = 0.79370052~"},
             .words = "Zero ( and 7937/10,000's )",
             .effects = Lines{"busy", "yield", "notice", "yield", "compute", "readout", "default", "history"}}},
        // The readout does not change; the words replace the notice all the same.
        Row{"CubeRootOfOneKeepsReadout",
            "1 . cbrt",
            {.readout = "1.", .tape = Lines{" Cube Root 1. = 1.!"}, .words = "One", .readoutWords = "One"}},
        Row{"CubeRootOfAnEighth", "0 . 1 2 5 cbrt", {.readout = "0.5", .tape = Lines{" Cube Root 0.125 = 0.5!"}}},
        Row{"CubeRootZero",
            "sqrt C cbrt",
            {.readout = "0.", .tape = Lines{" Cube Root 0. = 0.!", " Square Root 0. = 0.!"}, .words = "Zero"}},
        Row{"CubeRootAsksAbove30",
            std::string(31, '8') + " | no cbrt",
            {.readout = "8,888,888,888,888,888,888,888,888,888,888",
             .tape = Lines{},
             .messages = Lines{kCubeRootQuestion},
             .effects = Lines{"busy", "yield", "message:Yikes!", "default"}}},
        Row{"CubeRootAnsweredYes",
            std::string(31, '8') + " | yes cbrt",
            {.messages = Lines{kCubeRootQuestion},
             .effects = Lines{"busy", "yield", "message:Yikes!", "notice", "yield", "compute", "readout", "default",
                              "history"}}},
        Row{"CubeRootNoQuestionAt30",
            std::string(30, '8') + " | cbrt",
            {.messages = Lines{}, .effects = kLongRootWork}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    FactorialLog, Sequence,
    ::testing::Values(
        Row{"Factorial",
            "5 | fact",
            {.readout = "120.",
             .tape = Lines{"5 Factorial = 120."},
             .first = "120",
             .lastInput = "NUMS",
             .words = "One Hundred Twenty",
             .effects = Lines{"notice", "busy", "yield", "compute", "readout", "default", "history"}}},
        Row{"FactorialFractionDropped", "5 . 7 fact", {.readout = "120.", .tape = Lines{"5 Factorial = 120."}}},
        Row{"FactorialZeroComputesNothing",
            "| fact",
            {.readout = "1.",
             .tape = Lines{"0 Factorial = 1."},
             .first = "0",
             .effects = Lines{"readout", "default", "history"}}},
        Row{"FactorialOfTwoKeepsReadout",
            "2 . fact",
            {.readout = "2.", .tape = Lines{"2 Factorial = 2."}, .words = "Two", .readoutWords = "Two"}},
        Row{"FactorialZeroWithZeros", "0 0 0 fact", {.readout = "1.", .tape = Lines{"000 Factorial = 1."}}},
        Row{"FactorialNegative",
            "- 5 | fact",
            {.readout = "-5",
             .tape = Lines{},
             .first = "",
             .messages = Lines{kFactorialNegative},
             .effects = Lines{"message:Sorry"}}},
        Row{"FactorialNoQuestionAt999", "9 9 9 fact", {.messages = Lines{}}},
        // Declined or refused, the factorial leaves the sum under way alone.
        Row{"FactorialAsksAbove999",
            "4 + 1 0 0 0 | no fact",
            {.readout = "1,000",
             .tape = Lines{},
             .first = "4",
             .pending = "+",
             .messages = Lines{kFactorialQuestion},
             .effects = Lines{"message:Yikes!", "default"}}},
        Row{"FactorialAnsweredYes",
            "1 0 0 0 | yes fact",
            {.messages = Lines{kFactorialQuestion},
             .effects = Lines{"message:Yikes!", "notice", "busy", "yield", "compute", "readout", "default",
                              "history"}}},
        // Beyond the limit the refusal comes at once, with no question first.
        Row{"FactorialOverTheLimit",
            "2 + 1 0 0 0 0 0 1 fact",
            {.readout = "1,000,001",
             .tape = Lines{},
             .first = "2",
             .pending = "+",
             .messages = Lines{kFactorialTooLarge},
             .words = "One Million, One"}},
        Row{"Log", "1 0 0 | log", {.readout = "2.", .tape = Lines{"log 100 = 2."}, .first = "2", .effects = kRootWork}},
        Row{"LogBelowOne",
            "0 . 5 log",
            {.readout = "-0.3010299956639811952",
             .tape = Lines{"log 0.5 = -0.3010299956639811952"},
             .first = "-0.3010299956639811952"}},
        // Zero has no logarithm: the arithmetic refuses it while the pointer is busy.
        Row{"LogZeroRefused",
            "0 | log",
            {.readout = "0",
             .tape = Lines{},
             .first = "",
             .messages = Lines{kLogZero},
             .effects = Lines{"busy", "yield", "compute", "message:Sorry", "default"}}},
        Row{"LogNegativeRefused", "- 1 0 log", {.readout = "-10", .tape = Lines{}, .messages = Lines{kLogNegative}}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Constants, Sequence,
    ::testing::Values(Row{"Pi",
                          "5 + | pi",
                          {.readout = "3.14159265358979323846264",
                           .tape = Lines{},
                           .first = "5",
                           .lastInput = "NUMS",
                           .pending = "+",
                           .words = "Three ( and 14159/100,000's )",
                           .effects = Lines{"busy", "pi notice", "yield", "compute", "readout", "focus", "default"}}},
                      Row{"PiThenEquals",
                          "5 + pi =",
                          {.readout = "8.14159265358979323846264",
                           .tape = Lines{"5 + 3.14159265358979323846264 = 8.14159265358979323846264"}}},
                      // The readout does not change: the command replaces its own notice.
                      Row{"PiTwice",
                          "pi | pi",
                          {.words = "Three ( and 14159/100,000's )",
                           .effects = Lines{"busy", "pi notice", "yield", "compute", "focus", "default"}}},
                      Row{"E",
                          "| e",
                          {.readout = "2.7182818284590452353602874713526",
                           .tape = Lines{},
                           .first = "",
                           .lastInput = "NUMS",
                           .effects = Lines{"compute", "readout", "focus"}}}),
    RowName);

// Columns: n, readout of n!.
TEST(Factorial, ReferenceVectors)
{
    std::vector<Lines> rows = ReadVectors("factorial_vectors.txt");
    EXPECT_GT(rows.size(), 30u);
    for (const Lines& r : rows) {
        Harness h;
        h.replay(r[0] + " fact");
        Check(h, {.readout = r[1], .tape = Lines{r[0] + " Factorial = " + r[1]}, .messages = Lines{}});
    }
}

}  // namespace
}  // namespace calc::test
