// A computation the user cancels leaves every field as it was.
#include "calc/tests/Harness.h"

#include <gtest/gtest.h>

namespace calc::test {
namespace {

void ExpectSameState(const Harness& h, const CalcState& before, const std::string& caption,
                     const std::string& memoryCaption)
{
    const CalcState& s = h.state();
    EXPECT_EQ(s.firstOperand, before.firstOperand);
    EXPECT_EQ(s.secondOperand, before.secondOperand);
    EXPECT_EQ(s.decimalEntered, before.decimalEntered);
    EXPECT_EQ(s.operandCount, before.operandCount);
    EXPECT_EQ(s.lastInput, before.lastInput);
    EXPECT_EQ(s.pendingOperator, before.pendingOperator);
    EXPECT_EQ(s.readoutSnapshot, before.readoutSnapshot);
    EXPECT_EQ(s.memoryValue, before.memoryValue);
    EXPECT_EQ(s.readoutText, before.readoutText);
    EXPECT_EQ(s.historyText.str(), before.historyText.str());
    EXPECT_EQ(h.view.wordsCaption, caption);
    EXPECT_EQ(h.view.memoryCaption, memoryCaption);
    EXPECT_FALSE(h.platform.busy);
}

struct Row {
    const char* name;
    const char* setup;
    const char* cancelled;
};

std::ostream& operator<<(std::ostream& os, const Row& r) { return os << r.name; }

class Cancelled : public ::testing::TestWithParam<Row> {};

TEST_P(Cancelled, LeavesStateAsBefore)
{
    Harness h;
    h.replay(GetParam().setup);
    const CalcState before = h.state();
    const std::string caption = h.view.wordsCaption;
    const std::string memory = h.view.memoryCaption;
    h.worker.cancel = true;
    const int runs = h.worker.runs;
    h.replay(GetParam().cancelled);
    EXPECT_GT(h.worker.runs, runs) << "the computation went through the worker";
    ExpectSameState(h, before, caption, memory);
    // The same engine carries on normally afterwards.
    h.worker.cancel = false;
    h.replay("C 2 + 2 =");
    EXPECT_EQ(h.state().readoutText, "4.");
}

INSTANTIATE_TEST_SUITE_P(Core, Cancelled, ::testing::Values(
    Row{"Equals", "1 2 X 3", "="},
    Row{"OperatorAfterSecond", "4 + 4 = 1 2 X 3", "+"},
    Row{"Modulo", "1 7 mod 5", "="},
    Row{"Power", "2 pow 6 4", "="},
    Row{"Percent", "2 0 0 X 1 0", "%"},
    Row{"Square", "1 2 3 MS", "sq"},
    Row{"Cube", "1 2 3", "cube"},
    Row{"Conversion", "1 0 0", "cm-ft"},
    Row{"Temperature", "1 0 0", "c-f"},
    Row{"MemoryAdd", "5 MS C 3", "M+"},
    Row{"MemorySubtract", "5 MS C 3", "M-"}),
    [](const ::testing::TestParamInfo<Row>& i) { return std::string(i.param.name); });

TEST(Worker, NotUsedWhereNothingIsComputed)
{
    Harness h;
    h.replay("5 + 3 = = CE C . 5 mod pow copy MS MC");
    // Only "=" with two operands computed ("5 + 3 =" once).
    EXPECT_EQ(h.worker.runs, 1);
}

}  // namespace
}  // namespace calc::test
