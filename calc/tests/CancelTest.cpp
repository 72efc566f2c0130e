// A computation the user cancels leaves every field, the words and memory
// labels and the pointer as they were.
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

struct CancelRow {
    const char* name;
    const char* setup;
    const char* cancelled;
};

std::ostream& operator<<(std::ostream& os, const CancelRow& r) { return os << r.name; }

class Cancelled : public ::testing::TestWithParam<CancelRow> {};

TEST_P(Cancelled, LeavesStateAsBefore)
{
    Harness h;
    h.replay(GetParam().setup);
    const CalcState b = h.state();
    const std::string words = h.view.wordsCaption;
    h.worker.cancel = true;
    const int runs = h.worker.runs;
    h.replay(GetParam().cancelled);
    EXPECT_GT(h.worker.runs, runs) << "the computation went through the worker";
    const Lines tape(b.historyText.lines().begin(), b.historyText.lines().end());
    Check(h, {.readout = b.readoutText, .tape = tape,
              .first = b.firstOperand, .second = b.secondOperand, .lastInput = b.lastInput,
              .pending = b.pendingOperator, .count = b.operandCount, .decimal = b.decimalEntered,
              .memory = b.memoryValue, .words = words});
    EXPECT_EQ(h.state().readoutSnapshot, b.readoutSnapshot);
    // The same engine carries on normally afterwards.
    h.worker.cancel = false;
    h.replay("C 2 + 2 =");
    EXPECT_EQ(h.state().readoutText, "4.");
}

INSTANTIATE_TEST_SUITE_P(Commands, Cancelled, ::testing::Values(
    CancelRow{"Equals", "1 2 X 3", "="},
    CancelRow{"OperatorAfterSecond", "4 + 4 = 1 2 X 3", "+"},
    CancelRow{"Modulo", "1 7 mod 5", "="},
    CancelRow{"Power", "2 pow 6 4", "="},
    CancelRow{"Percent", "2 0 0 X 1 0", "%"},
    CancelRow{"Square", "1 2 3 MS", "sq"},
    CancelRow{"Cube", "1 2 3", "cube"},
    CancelRow{"Conversion", "1 0 0", "cm-ft"},
    CancelRow{"Temperature", "1 0 0", "c-f"},
    CancelRow{"MemoryAdd", "5 MS C 3", "M+"},
    CancelRow{"MemorySubtract", "5 MS C 3", "M-"},
    CancelRow{"SquareRoot", "2 + 1 6", "sqrt"},
    CancelRow{"CubeRoot", "2 + 2 7", "cbrt"},
    CancelRow{"Factorial", "2 + 5", "fact"},
    CancelRow{"Log", "2 + 1 0 0", "log"},
    CancelRow{"Pi", "2 +", "pi"},
    CancelRow{"E", "2 +", "e"}),
    [](const ::testing::TestParamInfo<CancelRow>& i) { return std::string(i.param.name); });

// Only the commands that compute go through the worker.
INSTANTIATE_TEST_SUITE_P(Worker, Sequence, ::testing::Values(
    Row{"NotUsedWhereNothingIsComputed", "5 + 3 = | = CE C . 5 mod pow copy MS MC",
        {.effects = Lines{"readout", "readout", "focus", "clipboard:clear", "clipboard:set"}}}),
    RowName);

}  // namespace
}  // namespace calc::test
