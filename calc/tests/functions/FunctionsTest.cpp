// The function commands: results, history lines, messages and the order of
// notice, pointer, yield and computation.
#include "calc/tests/Harness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace calc::test {
namespace {

using Lines = std::vector<std::string>;
using Titles = std::vector<std::string>;

const std::string kNotice = "\r\n    ---  This could take a while!  ---";
const std::string kPiNotice = "\r\n    ---  Chill Calcumalating Pi to 23 decimals!  ---";
const std::string kRootRefusal = "Invalid input!   Can't do root operations on Negative numbers";

struct Row {
    const char* name;
    const char* keys;
    Expect expect;
};

std::ostream& operator<<(std::ostream& os, const Row& r) { return os << r.name << ": " << r.keys; }

class Function : public ::testing::TestWithParam<Row> {};

TEST_P(Function, LeavesExpectedState)
{
    Harness h;
    h.replay(GetParam().keys);
    Check(h, GetParam().expect);
    EXPECT_FALSE(h.platform.busy) << "default pointer at the end";
}

std::string RowName(const ::testing::TestParamInfo<Row>& i) { return i.param.name; }

INSTANTIATE_TEST_SUITE_P(SquareCube, Function, ::testing::Values(
    Row{"Square", "1 2 sq", {.readout = "144.", .tape = Lines{"12 Squared = 144."}, .first = "144",
                             .lastInput = "NUMS"}},
    Row{"SquareNegative", "- 3 sq", {.readout = "9.", .tape = Lines{"-3 Squared = 9."}}},
    Row{"SquareOfResult", "4 + 4 = sq", {.readout = "64.", .tape = Lines{"8. Squared = 64.", "4 + 4 = 8."}}},
    Row{"SquareFraction", "1 . 5 sq", {.readout = "2.25", .tape = Lines{"1.5 Squared = 2.25"}}},
    Row{"Cube", "3 cube", {.readout = "27.", .tape = Lines{"3 Cubed = 27."}, .first = "27"}},
    Row{"CubeNegative", "- 2 cube", {.readout = "-8.", .tape = Lines{"-2 Cubed = -8."}}},
    Row{"SquareIsFirstOperand", "1 2 sq + 1 =", {.readout = "145.",
                                                  .tape = Lines{"144 + 1 = 145.", "12 Squared = 144."}}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(Roots, Function, ::testing::Values(
    Row{"SquareRootExact", "1 6 sqrt", {.readout = "4.", .tape = Lines{" Square Root 16 = 4.!"},
                                        .first = "", .lastInput = "NUMS"}},
    Row{"SquareRootApproximate", "2 sqrt", {.readout = "1.41421356", .tape = Lines{" Square Root 2 = 1.41421356~"}}},
    Row{"SquareRootOfComputed16", "1 2 + 4 = sqrt", {.readout = "4",
                                                     .tape = Lines{" Square Root 16. = 4~", "12 + 4 = 16."}}},
    Row{"SquareRootQuarter", "0 . 2 5 sqrt", {.readout = "0.5", .tape = Lines{" Square Root 0.25 = 0.5~"}}},
    Row{"SquareRootZeroTyped", "0 sqrt", {.readout = "0.", .tape = Lines{" Square Root 0 = 0.!"},
                                          .messageTitles = Titles{}}},
    Row{"SquareRootZeroCleared", "sqrt", {.readout = "0", .tape = Lines{" Square Root 0. = 0~"},
                                          .messageTitles = Titles{}}},
    Row{"SquareRootNegative", "- 4 sqrt", {.readout = "-4", .tape = Lines{}, .messageTitles = Titles{"Sorry"}}},
    Row{"SquareRootKeepsOperation", "5 + 1 6 sqrt =", {.readout = "9.",
                                                       .tape = Lines{"5 + 4. = 9.", " Square Root 16 = 4.!"}}},
    Row{"CubeRootExact", "2 7 cbrt", {.readout = "3.", .tape = Lines{" Cube Root 27 = 3.!"}, .first = ""}},
    Row{"CubeRootThousand", "1 0 0 0 cbrt", {.readout = "10.", .tape = Lines{" Cube Root 1000 = 10.!"}}},
    Row{"CubeRootBelowOne", "0 . 5 cbrt", {.readout = "0.", .tape = Lines{" Cube Root 0.5 = 0.!"},
                                           .words = "Zero"}},
    Row{"CubeRootZero", "sqrt C cbrt", {.readout = "0.", .tape = Lines{" Cube Root 0. = 0.!", " Square Root 0. = 0~"}}},
    Row{"CubeRootNegative", "- 8 cbrt", {.readout = "-8", .tape = Lines{}, .messageTitles = Titles{"Sorry"}}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(FactorialLog, Function, ::testing::Values(
    Row{"FactorialFive", "5 fact", {.readout = "120.", .tape = Lines{"5 Factorial = 120."}, .first = "120",
                                    .lastInput = "NUMS"}},
    Row{"FactorialFractionDropped", "5 . 7 fact", {.readout = "120.", .tape = Lines{"5 Factorial = 120."}}},
    Row{"FactorialZeroCleared", "fact", {.readout = "1.", .tape = Lines{"0 Factorial = 1."}, .first = "0"}},
    Row{"FactorialZeroWithZeros", "0 0 0 fact", {.readout = "1.", .tape = Lines{"000 Factorial = 1."}}},
    Row{"FactorialOne", "1 fact", {.readout = "1.", .tape = Lines{"1 Factorial = 1."}}},
    Row{"FactorialNegative", "- 5 fact", {.readout = "-5", .tape = Lines{}, .first = "",
                                          .messageTitles = Titles{"Sorry"}}},
    Row{"FactorialNoQuestionAt999", "9 9 9 fact", {.messageTitles = Titles{}}},
    Row{"Log", "1 0 0 0 log", {.readout = "3.", .tape = Lines{"log 1000 = 3."}, .first = "3"}},
    Row{"LogBelowOne", "0 . 5 log", {.readout = "0.", .tape = Lines{"log 0.5 = 0."}}},
    Row{"LogNegativeRefused", "- 1 0 log", {.readout = "-10", .tape = Lines{}, .messageTitles = Titles{"Sorry"}}}),
    RowName);

INSTANTIATE_TEST_SUITE_P(Constants, Function, ::testing::Values(
    Row{"Pi", "5 + pi", {.readout = "3.14159265358979323846264", .tape = Lines{}, .first = "5",
                         .lastInput = "NUMS", .pending = "+"}},
    Row{"PiThenEquals", "5 + pi =", {.readout = "8.14159265358979323846264",
                                     .tape = Lines{"5 + 3.14159265358979323846264 = 8.14159265358979323846264"}}},
    Row{"E", "e", {.readout = "2.7182818284590452353602874713526", .tape = Lines{}, .first = "",
                   .lastInput = "NUMS"}}),
    RowName);

// The part of the log that tells the order of effects.
std::vector<std::string> Effects(const Harness& h)
{
    std::vector<std::string> out;
    for (const std::string& e : h.platform.log) {
        if (e == "busy" || e == "default" || e == "yield" || e == "compute" || e == "focus" ||
            e.rfind("message:", 0) == 0)
            out.push_back(e);
        else if (e == "caption:" + kNotice)
            out.push_back("notice");
        else if (e == "caption:" + kPiNotice)
            out.push_back("pi notice");
        else if (e.rfind("readout:", 0) == 0)
            out.push_back("readout");
        else if (e.rfind("history:", 0) == 0)
            out.push_back("history");
    }
    return out;
}

using Order = std::vector<std::string>;

TEST(Order, SquareRootShortAndLong)
{
    Harness s;
    s.replay("1 6");
    s.platform.log.clear();
    s.replay("sqrt");
    EXPECT_EQ(Effects(s), (Order{"busy", "yield", "compute", "readout", "default", "history"}));

    Harness l;
    l.replay(std::string(26, '4'));
    l.platform.log.clear();
    l.replay("sqrt");
    EXPECT_EQ(Effects(l), (Order{"busy", "yield", "notice", "yield", "compute", "readout", "default", "history"}));

    Harness b;
    b.replay(std::string(25, '4'));
    b.platform.log.clear();
    b.replay("sqrt");
    EXPECT_EQ(Effects(b), (Order{"busy", "yield", "compute", "readout", "default", "history"}));
}

TEST(CubeRoot, ApproximateRootHasNoPointAndTilde)
{
    Harness h;
    h.replay("2 cbrt");
    const std::string& r = h.state().readoutText;
    ASSERT_EQ(r.size(), 10u);  // eight decimals
    EXPECT_EQ(r.substr(0, 7), "1.25992");
    EXPECT_EQ(h.state().historyText.line(0), " Cube Root 2 = " + r + "~");
}

TEST(Order, NegativeRootShowsOnlyTheMessage)
{
    Harness h;
    h.replay("- 9");
    h.platform.log.clear();
    h.replay("sqrt cbrt");
    EXPECT_EQ(Effects(h), (Order{"message:Sorry", "message:Sorry"}));
    ASSERT_EQ(h.platform.messages.size(), 2u);
    for (const platform::ShownMessage& m : h.platform.messages) {
        EXPECT_EQ(m.text, kRootRefusal);
        EXPECT_EQ(m.icon, platform::Icon::Critical);
        EXPECT_EQ(m.buttons, platform::Buttons::OK);
    }
}

TEST(Order, CubeRootAsksForLongInput)
{
    const std::string question =
        "This operation could take a long time to complete.  Are you sure you want to continue?";
    Harness no;
    no.replay(std::string(31, '8'));
    const std::string readout = no.state().readoutText;
    const std::string caption = no.view.wordsCaption;
    no.platform.log.clear();
    no.platform.answers.push_back(platform::Answer::No);
    no.replay("cbrt");
    EXPECT_EQ(Effects(no), (Order{"busy", "yield", "message:Yikes!", "default"}));
    ASSERT_EQ(no.platform.messages.size(), 1u);
    EXPECT_EQ(no.platform.messages[0].text, question);
    EXPECT_EQ(no.platform.messages[0].icon, platform::Icon::Question);
    EXPECT_EQ(no.platform.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(no.state().readoutText, readout);
    EXPECT_EQ(no.view.wordsCaption, caption);
    EXPECT_TRUE(no.state().historyText.empty());

    Harness yes;
    yes.replay(std::string(31, '8'));
    yes.platform.log.clear();
    yes.platform.answers.push_back(platform::Answer::Yes);
    yes.replay("cbrt");
    EXPECT_EQ(Effects(yes), (Order{"busy", "yield", "message:Yikes!", "notice", "yield", "compute", "readout",
                                   "default", "history"}));

    Harness thirty;
    thirty.replay(std::string(30, '8'));
    thirty.platform.log.clear();
    thirty.replay("cbrt");
    EXPECT_EQ(Effects(thirty), (Order{"busy", "yield", "notice", "yield", "compute", "readout", "default", "history"}));
}

TEST(Order, CubeRootBelowOneReplacesNotice)
{
    Harness h;
    h.replay("C");
    h.platform.log.clear();
    h.replay("cbrt");
    // "0." -> "0.0" -> "0.": the readout changes twice, so the notice goes.
    EXPECT_EQ(Effects(h), (Order{"busy", "yield", "notice", "yield", "readout", "readout", "default", "history"}));
    EXPECT_EQ(h.view.wordsCaption, "Zero");
}

TEST(Order, Factorial)
{
    Harness h;
    h.replay("5");
    h.platform.log.clear();
    h.replay("fact");
    EXPECT_EQ(Effects(h), (Order{"notice", "busy", "yield", "compute", "readout", "default", "history"}));
    EXPECT_EQ(h.view.wordsCaption, "One Hundred Twenty");
}

TEST(Order, FactorialZeroComputesNothing)
{
    Harness h;
    h.replay("0");
    h.platform.log.clear();
    h.replay("fact");
    EXPECT_EQ(Effects(h), (Order{"readout", "default", "history"}));
}

TEST(Factorial, FourDigitsAskTrulyGinormous)
{
    const std::string question =
        "This operation will result in a \"Truly Ginormous\" result, and could take a long time to complete."
        "  Are you sure you want to Continue?";
    Harness no;
    no.replay("4 + 1 0 0 0");
    no.platform.log.clear();
    no.platform.answers.push_back(platform::Answer::No);
    no.replay("fact");
    EXPECT_EQ(Effects(no), (Order{"message:Yikes!", "default"}));
    ASSERT_EQ(no.platform.messages.size(), 1u);
    EXPECT_EQ(no.platform.messages[0].text, question);
    EXPECT_EQ(no.platform.messages[0].icon, platform::Icon::Question);
    EXPECT_EQ(no.platform.messages[0].buttons, platform::Buttons::YesNo);
    Check(no, {.readout = "1,000", .tape = Lines{}, .first = "1000", .pending = "+"});

    Harness yes;
    yes.replay("1 0 0 0");
    yes.platform.answers.push_back(platform::Answer::Yes);
    yes.replay("fact");
    EXPECT_EQ(yes.platform.messages.size(), 1u);
    EXPECT_EQ(yes.state().historyText.line(0).substr(0, 17), "1000 Factorial = ");
    EXPECT_EQ(yes.state().readoutText.substr(0, 12), "402,387,260,");  // 1000! = 4.0238726e2567
    EXPECT_EQ(yes.state().readoutText.back(), '.');
}

TEST(Factorial, RefusedByArithmeticChangesNothing)
{
    Harness h;
    h.replay("2 + 1 0 0 0 0 0 1");
    const std::string caption = h.view.wordsCaption;
    h.replay("fact");  // "Yikes!" answered Yes, then the arithmetic refuses
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[0].title, "Yikes!");
    EXPECT_EQ(h.platform.messages[1].title, "Sorry");
    Check(h, {.readout = "1,000,001", .tape = Lines{}, .first = "1000001", .pending = "+",
              .words = caption});
    EXPECT_FALSE(h.platform.busy);
}

TEST(Factorial, NegativeMessageText)
{
    Harness h;
    h.replay("- 3 fact");
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Invalid input!\r\n\r\nCan't do Factorial operations on Negative numbers");
    EXPECT_EQ(h.platform.messages[0].icon, platform::Icon::Critical);
    EXPECT_TRUE(std::find(h.platform.log.begin(), h.platform.log.end(), "busy") == h.platform.log.end());
}

TEST(Factorial, ReferenceVectors)
{
    std::ifstream f(std::string(MEGATALLY_SOURCE_DIR) + "/calc/tests/data/factorial_vectors.txt");
    ASSERT_TRUE(f.good());
    std::string line;
    int rows = 0;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');
        const std::string n = line.substr(0, tab);
        const std::string readout = line.substr(tab + 1);
        Harness h;
        h.replay(n + " fact");
        EXPECT_EQ(h.state().readoutText, readout) << n;
        EXPECT_EQ(h.state().historyText.line(0), n + " Factorial = " + readout);
        ++rows;
    }
    EXPECT_GT(rows, 30);
}

TEST(Order, Log)
{
    Harness h;
    h.replay("1 0 0");
    h.platform.log.clear();
    h.replay("log");
    EXPECT_EQ(Effects(h), (Order{"busy", "yield", "compute", "readout", "default", "history"}));
    EXPECT_EQ(h.state().historyText.line(0), "log 100 = 2.");
}

TEST(Order, PiAndE)
{
    Harness h;
    h.platform.log.clear();
    h.replay("pi");
    EXPECT_EQ(Effects(h), (Order{"busy", "pi notice", "yield", "compute", "readout", "focus", "default"}));
    EXPECT_EQ(h.view.wordsCaption, Words("3") + " ( and 14159/100,000's )");

    h.platform.log.clear();
    h.replay("e");
    EXPECT_EQ(Effects(h), (Order{"compute", "readout", "focus"}));
}

TEST(Pi, SecondPressReplacesItsOwnNotice)
{
    Harness h;
    h.replay("pi");
    const std::string words = h.view.wordsCaption;
    h.platform.log.clear();
    h.replay("pi");
    EXPECT_EQ(Effects(h), (Order{"busy", "pi notice", "yield", "compute", "focus", "default"}));
    EXPECT_EQ(h.view.wordsCaption, words);
    EXPECT_EQ(h.view.wordsCaption.find("Chill"), std::string::npos);
}

struct CancelRow {
    const char* name;
    const char* setup;
    const char* command;
};

std::ostream& operator<<(std::ostream& os, const CancelRow& r) { return os << r.name; }

class CancelledFunction : public ::testing::TestWithParam<CancelRow> {};

TEST_P(CancelledFunction, LeavesStateCaptionAndPointerAsBefore)
{
    Harness h;
    h.replay(GetParam().setup);
    const CalcState before = h.state();
    const std::string caption = h.view.wordsCaption;
    h.worker.cancel = true;
    h.replay(GetParam().command);
    const CalcState& s = h.state();
    EXPECT_EQ(s.firstOperand, before.firstOperand);
    EXPECT_EQ(s.lastInput, before.lastInput);
    EXPECT_EQ(s.readoutText, before.readoutText);
    EXPECT_EQ(s.historyText.str(), before.historyText.str());
    EXPECT_EQ(h.view.wordsCaption, caption);
    EXPECT_FALSE(h.platform.busy);
}

INSTANTIATE_TEST_SUITE_P(Functions, CancelledFunction, ::testing::Values(
    CancelRow{"SquareRoot", "2 + 1 6", "sqrt"},
    CancelRow{"CubeRoot", "2 + 2 7", "cbrt"},
    CancelRow{"Factorial", "2 + 5", "fact"},
    CancelRow{"Log", "2 + 1 0 0", "log"},
    CancelRow{"Pi", "2 +", "pi"},
    CancelRow{"E", "2 +", "e"}),
    [](const ::testing::TestParamInfo<CancelRow>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace calc::test
