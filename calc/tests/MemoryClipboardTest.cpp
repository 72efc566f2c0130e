// Memory register, copy and paste.
#include "calc/tests/Harness.h"

#include <gtest/gtest.h>

namespace calc::test {
namespace {

using Lines = std::vector<std::string>;

struct Row {
    const char* name;
    const char* keys;
    Expect expect;
};

std::ostream& operator<<(std::ostream& os, const Row& r) { return os << r.name << ": " << r.keys; }
std::string RowName(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

class Memory : public ::testing::TestWithParam<Row> {};

TEST_P(Memory, LeavesExpectedState)
{
    Harness h;
    h.replay(GetParam().keys);
    Check(h, GetParam().expect);
}

INSTANTIATE_TEST_SUITE_P(Register, Memory, ::testing::Values(
    Row{"Empty", "", {.memory = "", .memoryButtons = false}},
    Row{"StoreComputedResult", "4 + 4 = MS", {.memory = "8.", .memoryButtons = true}},
    Row{"StoreKeepsNoSeparators", "1 2 3 4 5 MS", {.memory = "12345"}},
    Row{"Subtract", "8 MS C 2 M-", {.memory = "6", .memoryButtons = true}},
    Row{"SubtractBelowZero", "8 MS C 1 0 M-", {.memory = "-2"}},
    Row{"AddToEmpty", "1 2 3 4 M+", {.memory = "1234", .memoryButtons = true}},
    Row{"AddNormalises", "4 + 4 = MS C 2 M+", {.memory = "10"}},
    Row{"Clear", "5 MS MC", {.memory = "", .memoryButtons = false}},
    Row{"ClearKeepsReadout", "5 MS MC", {.readout = "5", .lastInput = "NUMS"}},
    Row{"RecallAsOperand", "3 MS C 5 + MR =", {.readout = "8.", .tape = Lines{"5 + 3. = 8."}}},
    Row{"RecallIsEntry", "1 2 3 4 MS C MR", {.readout = "1,234.", .lastInput = "NUMS", .decimal = kFalse}},
    Row{"DigitContinuesRecall", "1 2 3 4 MS C MR 5", {.readout = "12,345"}},
    Row{"RecallFraction", "1 . 5 MS C MR", {.readout = "1.5"}},
    Row{"RecallStoredResult", "4 + 4 = MS C MR", {.readout = "8"}},
    Row{"SurvivesClear", "7 MS C", {.memory = "7", .memoryButtons = true}},
    // MR is disabled while empty; a stray recall changes nothing.
    Row{"RecallEmptyChangesNothing", "5 + MR", {.readout = "5", .lastInput = "OPS", .memoryButtons = false}}),
    RowName);

struct PasteRow {
    const char* name;
    const char* clipboard;
    const char* readout;
    const char* value;
};

std::ostream& operator<<(std::ostream& os, const PasteRow& r) { return os << r.name; }

class Paste : public ::testing::TestWithParam<PasteRow> {};

TEST_P(Paste, FiltersIntoEntry)
{
    Harness h;
    h.platform.clipboardText = GetParam().clipboard;
    h.replay("2 + 9");
    h.engine.cmdPaste_Click();
    Check(h, {.readout = GetParam().readout, .first = GetParam().value, .lastInput = "NUMS",
              .pending = "+", .count = 1, .messageTitles = std::vector<std::string>{}});
    h.platform.clipboardText = GetParam().clipboard;
    Harness menu;
    menu.platform.clipboardText = GetParam().clipboard;
    menu.engine.mnuPaste_Click();
    EXPECT_EQ(menu.state().readoutText, GetParam().readout);
}

INSTANTIATE_TEST_SUITE_P(Clipboard, Paste, ::testing::Values(
    PasteRow{"Grouped", "1,234,567", "1,234,567.", "1234567"},
    PasteRow{"SignDropped", "-42", "42.", "42"},
    PasteRow{"BlanksDropped", " 12 345 ", "12,345.", "12345"},
    PasteRow{"Fraction", "3.14", "3.14", "3.14"},
    PasteRow{"Letters", "abc", ".", ""},
    PasteRow{"Empty", "", ".", ""},
    PasteRow{"LineBreaks", "12\r\n34", "1,234.", "1234"},
    PasteRow{"TwoPoints", "1.2.3", "1.2.3", "1.2.3"}),
    [](const ::testing::TestParamInfo<PasteRow>& i) { return std::string(i.param.name); });

TEST(Paste, PendingOperationTakesPastedNumberTwice)
{
    Harness h;
    h.platform.clipboardText = "3";
    h.replay("5 + paste =");
    Check(h, {.readout = "6.", .tape = Lines{"3 + 3. = 6."}});
}

TEST(Paste, ClearEntryShowsPastedNumber)
{
    Harness h;
    h.platform.clipboardText = "2.5";
    h.replay("paste CE");
    EXPECT_EQ(h.state().readoutText, "3.");
}

TEST(Paste, TextWithTwoPointsComputesWithoutFailing)
{
    Harness h;
    h.platform.clipboardText = "1.2.3";
    h.replay("paste + 1 =");
    EXPECT_EQ(h.state().readoutText, "2.23");
}

TEST(Copy, ReadoutWithoutSeparators)
{
    Harness h;
    h.replay("1 2 3 4 . 5 copy");
    Check(h, {.readout = "1,234.5", .clipboard = "1234.5"});
    const std::vector<std::string> expected = {"clipboard:clear", "clipboard:set"};
    std::vector<std::string> clip;
    for (const std::string& e : h.platform.log) {
        if (e.rfind("clipboard:", 0) == 0)
            clip.push_back(e);
    }
    EXPECT_EQ(clip, expected);
}

TEST(Copy, ComputedResultKeepsTrailingPoint)
{
    Harness h;
    h.replay("9 9 9 + 1 = copy");
    EXPECT_EQ(h.platform.clipboardText, "1000.");
}

}  // namespace
}  // namespace calc::test
