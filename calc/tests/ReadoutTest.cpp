// The readout reaction (words label), the zoom window and the double-clicks.
#include "calc/tests/Harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace calc::test {
namespace {

struct WordsRow {
    const char* keys;
    std::string caption;  // expected caption of the words label
    std::string words;    // expected ReadoutWords
};

class Reaction : public ::testing::TestWithParam<WordsRow> {};

TEST_P(Reaction, WordsFollowReadout)
{
    Harness h;
    h.replay(GetParam().keys);
    EXPECT_EQ(h.view.wordsCaption, GetParam().caption);
    EXPECT_EQ(h.engine.ReadoutWords(), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(Label, Reaction, ::testing::Values(
    WordsRow{"1 2 . 5", Words("12") + " ( and 5/10's )", Words("12")},
    WordsRow{"0 . 2 5", "Zero ( and 25/100's )", "Zero"},
    WordsRow{"4 + 4 =", Words("8"), Words("8")},
    WordsRow{"1 2 3 4", Words("1,234"), Words("1,234")},
    WordsRow{"1 2 3 4 5 6 7", "One Million, Two Hundred Thirty Four Thousand, Five Hundred Sixty Seven",
             "One Million, Two Hundred Thirty Four Thousand, Five Hundred Sixty Seven"},
    WordsRow{"-", "(Minus) Zero", "(Minus) Zero"},
    WordsRow{"5 X -", "(Minus) Zero", "(Minus) Zero"},
    WordsRow{"- 4 2", "(Minus) Forty Two", "(Minus) Forty Two"},
    WordsRow{"1 . 0 0 0", "One ( and  )", "One"},
    WordsRow{"C", "", ""}));

TEST(Reaction, RunsOnlyWhenTheTextChanges)
{
    Harness h;
    h.replay("C");  // "0." again: no change
    EXPECT_EQ(h.view.readoutChanges, 0);
    EXPECT_EQ(h.view.wordsCaption, "");
    h.replay("5");
    EXPECT_EQ(h.view.readoutChanges, 1);
    h.replay("+");  // the readout keeps "5"
    EXPECT_EQ(h.view.readoutChanges, 1);
    h.replay("3 =");
    EXPECT_EQ(h.view.readoutChanges, 3);
    EXPECT_EQ(h.view.wordsCaption, "Eight");
}

TEST(Reaction, OverLimitTextStandsOnLabel)
{
    Harness h;
    h.platform.clipboardText = "1" + std::string(3015, '0');
    h.engine.cmdPaste_Click();
    EXPECT_EQ(h.view.wordsCaption.rfind("Dude - That's a VERY large number", 0), 0u);
    EXPECT_NE(h.view.wordsCaption.find("at least 3016 Digits! "), std::string::npos);
    EXPECT_EQ(h.engine.ReadoutWords(), h.view.wordsCaption);
}

TEST(Reaction, PointFarBeyondSixteenBitsIsHandled)
{
    Harness h;
    h.platform.clipboardText = std::string(40000, '9') + ".25";
    h.engine.cmdPaste_Click();
    const std::string tail = "at least 40000 Digits!  ( and 25/100's )";
    ASSERT_GT(h.view.wordsCaption.size(), tail.size());
    EXPECT_EQ(h.view.wordsCaption.substr(h.view.wordsCaption.size() - tail.size()), tail);
}

TEST(Zoom, ReadoutDoubleClickCopiesThenZoomsThenRegroups)
{
    Harness h;
    h.replay("1 2 3 4 . 5");
    h.view.zoomResults.push_back(std::string("98765"));
    h.engine.txtReadout_DblClick();
    EXPECT_EQ(h.platform.clipboardText, "1234.5");
    ASSERT_EQ(h.view.zoomShownReadout.size(), 1u);
    EXPECT_EQ(h.view.zoomShownReadout[0], "1,234.5");
    EXPECT_EQ(h.view.zoomShownWords[0], Words("1,234"));
    Check(h, {.readout = "98,765", .words = Words("98,765")});
    // Copy happens before the window opens.
    const auto& log = h.platform.log;
    auto set = std::find(log.begin(), log.end(), "clipboard:set");
    auto zoom = std::find(log.begin(), log.end(), "zoom");
    EXPECT_LT(set - log.begin(), zoom - log.begin());
}

TEST(Zoom, WordsDoubleClickCopiesIntegerWordsOnly)
{
    Harness h;
    h.replay("1 2 . 5 dblwords");
    EXPECT_EQ(h.platform.clipboardText, Words("12"));
    EXPECT_EQ(h.state().readoutText, "12.5");
}

TEST(Zoom, ClosingUnchangedDropsTrailingPoint)
{
    Harness h;
    h.replay("9 9 9 + 1 = zoom");
    EXPECT_EQ(h.state().readoutText, "1,000");
    EXPECT_TRUE(h.platform.clipboardText.empty());  // the menu command copies nothing
}

TEST(Zoom, ClosedInWordsViewWritesNothingBack)
{
    Harness h;
    h.replay("4 + 4 =");
    h.view.zoomResults.push_back(std::nullopt);
    h.replay("zoom");
    EXPECT_EQ(h.state().readoutText, "8");
}

TEST(Zoom, EditedNumberIsTakenByNextOperator)
{
    Harness h;
    h.replay("5 + 3 = 1");
    h.view.zoomResults.push_back(std::string("-0.50"));
    h.replay("zoom +");
    Check(h, {.readout = "-0.5", .first = "-0.5", .pending = "+"});
}

TEST(Zoom, TextThatIsNotANumberComputesWithItsDigits)
{
    Harness h;
    h.replay("5");
    h.view.zoomResults.push_back(std::string("12a4"));
    h.replay("zoom + 1 =");
    Check(h, {.readout = "125.", .tape = std::vector<std::string>{"12a4 + 1 = 125."}});
}

}  // namespace
}  // namespace calc::test
