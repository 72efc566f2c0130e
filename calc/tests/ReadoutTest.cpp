// The readout reaction (words label), the zoom window and the double-clicks.
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Readout, Sequence,
    ::testing::Values(
        Row{"WordsOfFraction", "1 2 . 5", {.words = "Twelve ( and 5/10's )", .readoutWords = "Twelve"}},
        Row{"WordsBelowOne", "0 . 2 5", {.words = "Zero ( and 25/100's )", .readoutWords = "Zero"}},
        Row{"WordsOfResult", "4 + 4 =", {.words = "Eight", .readoutWords = "Eight"}},
        Row{"WordsOfSign", "-", {.words = "(Minus) Zero", .readoutWords = "(Minus) Zero"}},
        Row{"WordsOfLoneSign", "5 X -", {.words = "(Minus) Zero", .readoutWords = "(Minus) Zero"}},
        Row{"WordsOfNegative", "- 4 2", {.words = "(Minus) Forty Two", .readoutWords = "(Minus) Forty Two"}},
        Row{"WordsOfLeadingZeroGroups",
            "0 0 0 1 2 3 4",
            {.readout = "0,001,234",
             .words = "One Thousand, Two Hundred Thirty Four",
             .readoutWords = "One Thousand, Two Hundred Thirty Four"}},
        Row{"WordsOfZeroGroups", "clip:0000000.5 paste", {.readout = "0,000,000.5", .words = "Zero ( and 5/10's )"}},
        Row{"WordsOfZeroFraction", "1 . 0 0 0", {.words = "One ( and  )", .readoutWords = "One"}},
        // The reaction runs only when the readout text changes.
        Row{"UnchangedReadoutNoReaction", "| C", {.words = "", .readoutWords = "", .effects = Lines{}}},
        Row{"OperatorKeepsReadout", "5 | +", {.effects = Lines{}}},
        Row{"ReactionPerChange",
            "5 + | 3 =",
            {.words = "Eight", .effects = Lines{"readout", "focus", "compute", "readout", "history"}}},
        Row{"DoubleClickReadoutCopiesThenZooms",
            "1 2 3 4 . 5 back:98765 | dblreadout",
            {.readout = "98,765",
             .words = "Ninety Eight Thousand, Seven Hundred Sixty Five",
             .clipboard = "1234.5",
             .effects = Lines{"clipboard:clear", "clipboard:set", "zoom:1,234.5|One Thousand, Two Hundred Thirty Four",
                              "readout", "readout"}}},
        Row{"DoubleClickWordsCopiesWholeWords",
            "1 2 . 5 | dblwords",
            {.readout = "12.5",
             .clipboard = "Twelve",
             .effects = Lines{"clipboard:clear", "clipboard:set", "zoom:12.5|Twelve"}}},
        Row{"ZoomUnchangedDropsTrailingPoint", "9 9 9 + 1 = zoom", {.readout = "1,000", .clipboard = ""}},
        Row{"ZoomClosedInWordsView", "4 + 4 = wordsview zoom", {.readout = "8"}},
        Row{"ZoomEditTakenByOperator",
            "5 + 3 = 1 back:-0.50 zoom +",
            {.readout = "-0.5", .first = "-0.5", .pending = "+"}},
        // Stray characters: the words spell the value the arithmetic reads.
        Row{"ZoomStrayNegative", "5 back:-1x zoom", {.readout = "-1x", .tape = Lines{}, .words = "(Minus) One"}},
        Row{"ZoomStrayFraction",
            "5 back:1x2.5y.7 zoom",
            {.readout = "1x2.5y.7", .words = "Twelve ( and 57/100's )", .readoutWords = "Twelve"}},
        Row{"ZoomStrayNoDigit", "5 back:-x zoom", {.readout = "-x", .words = "Zero", .readoutWords = "Zero"}},
        Row{"ZoomStrayThenSum",
            "5 back:-1x zoom + 2 =",
            {.readout = "1.", .tape = Lines{"-1x + 2 = 1."}, .words = "One"}},
        Row{"ZoomDoubleSignPoint", "5 back:--5 zoom .", {.readout = "--5", .words = "(Minus) Five"}},
        Row{"ZoomEditNotANumber", "5 back:12a4 zoom + 1 =", {.readout = "125.", .tape = Lines{"12a4 + 1 = 125."}}}),
    RowName);

// Integer parts beyond what the words can name, and a point far beyond
// 16-bit positions: the over-limit text stands on the label.
TEST(Readout, OverLimitWords)
{
    struct Case {
        std::string clip, digits, fraction;
    };
    for (const Case& c : {Case{"1" + std::string(3015, '0'), "3016", ""},
                          Case{std::string(40000, '9') + ".25", "40000", " ( and 25/100's )"}}) {
        Harness h;
        h.platform.clipboardText = c.clip;
        h.replay("paste");
        const std::string& w = h.engine.ReadoutWords();
        const std::string end = "at least " + c.digits + " Digits! ";
        EXPECT_EQ(w.rfind("Dude - That's a VERY large number", 0), 0u) << c.digits;
        ASSERT_GT(w.size(), end.size());
        EXPECT_EQ(w.substr(w.size() - end.size()), end);
        EXPECT_EQ(h.view.wordsCaption, w + c.fraction);
    }
}

}  // namespace
}  // namespace calc::test
