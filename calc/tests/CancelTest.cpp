// A computation the user cancels, and a result too long to compute and show
// (refused before the arithmetic), leave every field, the words and memory labels
// and the pointer as they were.
#include "calc/Format.h"
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

const std::string kTooLong = "Megatally|Exclamation|OK|This result would have more than 16,777,216 digits: "
                             "too long to compute and show.";
const std::string kPasteTooLong =
    "Megatally|Exclamation|OK|The clipboard holds a number of more than 16,777,216 digits: too long to show.";
// The refusals are checked against a bound of 262,144 digits, four times
// kLongText so that the operands are still read on the worker: the checks
// are the same at any bound, and operands of 16 million digits would make
// each row take seconds. One row checks kMaxResultDigits itself.
constexpr std::size_t kBound = kLongText * 4;
const std::string kHalf = Run(kBound / 2, '7');  // a product of two of these is just within the bound
// Long enough for its readout to be formatted and spelled on the worker.
const std::string kLong = Run(kLongText + 1, '4');
const std::string kFull = Run(kBound, '3');  // a number at the bound
// Half the bound's digits as a fraction below one: dividing it gives
// 2 x kHalf + 10 places.
const std::string kHalfFraction = "0." + kHalf;

struct UnchangedRow {
    const char* name;
    std::string setup;
    std::string command;
    std::optional<std::string> refusal = std::nullopt;  // the message; none: the user cancels the run
    std::size_t bound = kBound;
};

std::ostream& operator<<(std::ostream& os, const UnchangedRow& r) { return os << r.name; }

class Unchanged : public ::testing::TestWithParam<UnchangedRow> {};

TEST_P(Unchanged, LeavesStateAsBefore)
{
    const ResultBoundScope bound(GetParam().bound);
    Harness h;
    h.replay(GetParam().setup);
    const CalcState b = h.state();
    const std::string words = h.view.wordsCaption;
    const std::string readoutWords = h.engine.ReadoutWords();
    const std::string clipboard = h.platform.clipboardText;
    const std::optional<std::string>& refusal = GetParam().refusal;
    h.worker.cancel = !refusal;
    const int runs = h.worker.runs;
    h.replay(GetParam().command);
    // A refusal comes before the arithmetic: at most the long operands were
    // read, in one run. A cancel comes after some work.
    if (refusal)
        EXPECT_LE(h.worker.runs - runs, 1) << "refused after the arithmetic";
    else
        EXPECT_GT(h.worker.runs, runs);
    const Lines tape(b.historyText.lines().begin(), b.historyText.lines().end());
    Check(h, {.readout = b.readoutText,
              .tape = tape,
              .first = b.firstOperand,
              .second = b.secondOperand,
              .lastInput = b.lastInput,
              .pending = b.pendingOperator,
              .count = b.operandCount,
              .decimal = b.decimalEntered,
              .messages = refusal ? Lines{*refusal} : Lines{},
              .memory = b.memoryValue,
              .words = words,
              .readoutWords = readoutWords,
              .clipboard = clipboard});
    EXPECT_EQ(h.state().readoutSnapshot, b.readoutSnapshot);
    // The same engine carries on normally afterwards.
    h.worker.cancel = false;
    h.replay("C 2 + 2 =");
    EXPECT_EQ(h.state().readoutText, "4.");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Unchanged,
    ::testing::Values(
        UnchangedRow{"PowerJustOverBound", "9 pow 17600000", "=", kTooLong, kMaxResultDigits},  // 16.79M digits
        UnchangedRow{"PowerJustOverTestBound", "9 pow 274715", "=", kTooLong},                  // 262,145 digits
        UnchangedRow{"PowerFarOverBound", "2 pow 1000000000000", "=", kTooLong},
        UnchangedRow{"ProductOverBound", "clip:" + kHalf + " paste X clip:" + kHalf + "1 paste", "=", kTooLong},
        UnchangedRow{"SquareOverBound", "clip:" + kHalf + "1 paste", "sq", kTooLong},
        UnchangedRow{"CubeOverBound", "clip:" + Run(kBound / 3 + 1, '3') + " paste", "cube", kTooLong},
        UnchangedRow{"PasteOverBound", "1 2 clip:" + Run(kBound + 1, '1'), "paste", kPasteTooLong},
        // Every operation that can pass the bound, refused at it. A remainder
        // is never longer than its operands, which are within the bound.
        // (A paste is also the first operand: the second comes from the memory.)
        UnchangedRow{"SumOverBound", "clip:." + kHalf + " paste MS clip:" + kHalf + " paste + MR", "=", kTooLong},
        UnchangedRow{"DifferenceOverBound", "clip:." + kHalf + " paste MS clip:" + kHalf + " paste - MR", "=",
                     kTooLong},
        UnchangedRow{"QuotientOverBound", "clip:" + kHalfFraction + " paste / 7", "=", kTooLong},
        UnchangedRow{"QuotientOperatorOverBound", "clip:" + kHalfFraction + " paste / 7", "+", kTooLong},
        UnchangedRow{"PercentOverBound", "clip:" + kHalfFraction + " paste", "%", kTooLong},
        UnchangedRow{"ReciprocalPowerOverBound", "clip:" + kFull + " paste pow - 1", "=", kTooLong},
        UnchangedRow{"ConversionDivideOverBound", "metric clip:" + kHalfFraction + " paste", "mm-in", kTooLong},
        UnchangedRow{"ConversionMultiplyOverBound", "imperial clip:" + kFull + " paste", "mm-in", kTooLong},
        UnchangedRow{"TemperatureOverBound", "metric clip:" + kFull + " paste", "c-f", kTooLong},
        UnchangedRow{"MemoryAddOverBound", "clip:" + kHalf + " paste MS clip:." + kHalf + " paste", "M+", kTooLong},
        UnchangedRow{"MemorySubtractOverBound", "clip:" + kHalf + " paste MS clip:." + kHalf + " paste", "M-",
                     kTooLong},
        UnchangedRow{"ZoomWriteBackOverBound", "1 2 back:" + kFull + "1", "zoom", kTooLong},
        UnchangedRow{"ZoomStrayWriteBackOverBound", "1 2 back:" + kHalf + "x" + kHalf + "1", "zoom", kTooLong},
        UnchangedRow{"Equals", "1 2 X 3", "="}, UnchangedRow{"OperatorAfterSecond", "4 + 4 = 1 2 X 3", "+"},
        UnchangedRow{"Modulo", "1 7 mod 5", "="}, UnchangedRow{"Power", "2 pow 6 4", "="},
        UnchangedRow{"Percent", "2 0 0 X 1 0", "%"}, UnchangedRow{"Square", "1 2 3 MS", "sq"},
        UnchangedRow{"Cube", "1 2 3", "cube"}, UnchangedRow{"Conversion", "1 0 0", "cm-ft"},
        UnchangedRow{"Temperature", "1 0 0", "c-f"}, UnchangedRow{"MemoryAdd", "5 MS C 3", "M+"},
        UnchangedRow{"MemorySubtract", "5 MS C 3", "M-"}, UnchangedRow{"SquareRoot", "2 + 1 6", "sqrt"},
        UnchangedRow{"CubeRoot", "2 + 2 7", "cbrt"}, UnchangedRow{"Factorial", "2 + 5", "fact"},
        UnchangedRow{"Log", "2 + 1 0 0", "log"}, UnchangedRow{"Pi", "2 +", "pi"}, UnchangedRow{"E", "2 +", "e"},
        // Long readouts: the cancel comes while the result is formatted.
        UnchangedRow{"LongProduct", "clip:" + kLong + " paste X 2", "="},
        UnchangedRow{"LongEquals", "5 + 3 = clip:" + kLong + " paste", "="},
        UnchangedRow{"LongPaste", "1 2 clip:" + kLong, "paste"},
        UnchangedRow{"LongDigit", "clip:" + kLong + " paste", "7"},
        UnchangedRow{"LongPoint", "clip:" + kLong + " paste", "."},
        UnchangedRow{"LongClearEntry", "clip:" + kLong + " paste X 3", "CE"},
        UnchangedRow{"LongMemoryStore", "clip:" + kLong + " paste", "MS"},
        UnchangedRow{"LongMemoryRecall", "clip:" + kLong + " paste MS C", "MR"},
        UnchangedRow{"LongCopy", "clip:" + kLong + " paste clip:9", "copy"},
        UnchangedRow{"LongCopyBeforeZoom", "clip:" + kLong + " paste clip:9", "dblreadout"},
        UnchangedRow{"LongZoomWriteBack", "clip:" + kLong + " paste", "back:" + kLong + "1 zoom"}),
    [](const ::testing::TestParamInfo<UnchangedRow>& i) { return std::string(i.param.name); });

// The paste reads the clipboard piece by piece and stops as soon as the
// digits pass the bound; separators, signs and points do not count.
TEST(Paste, MeasuredWhileReading)
{
    constexpr std::size_t kPiece = std::size_t{1} << 12;
    const ResultBoundScope bound(kBound);
    struct Row {
        const char* name;
        std::string clip;
        bool refused;
        int piecesRead;
    };
    const std::string full = ExpandRuns(kFull);
    const std::string grouped = AddCommas(full);
    const std::vector<Row> rows = {
        {"OneOverStopsAtOnce", full + "1" + std::string(3 * kPiece, '1'), true, static_cast<int>(kBound / kPiece + 1)},
        {"GroupedAtBoundAccepted", grouped, false, static_cast<int>((grouped.size() + kPiece - 1) / kPiece)},
        {"PointsAndSignsNotCounted", "-" + full + ".", false, static_cast<int>(kBound / kPiece + 1)},
        {"Empty", "", false, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Harness h;
        h.platform.readPiece = kPiece;
        h.platform.clipboardText = r.clip;
        h.replay("1 2 paste");
        EXPECT_EQ(h.platform.piecesRead, r.piecesRead);
        EXPECT_EQ(Messages(h), r.refused ? Lines{kPasteTooLong} : Lines{});
        EXPECT_EQ(h.state().firstOperand.size(), r.refused ? 0 : FilterDigitsAndPoints(r.clip).size());
    }
}

// A tape over its budget loses its oldest entries whole, says so in a
// line of its own, and the view, told which to drop, shows the same tape
// after every trim (the second notice replacing the first).
TEST(Tape, EngineTrimsOldestEntriesAndTellsTheView)
{
    const HistoryBudgetScope budget(200);  // room for two entries and the notice
    Harness h;
    const std::string digits(60, '9');
    const HistoryTape& tape = h.state().historyText;
    const auto shown = [&] {
        std::string text;
        for (auto it = h.view.historyLines.rbegin(); it != h.view.historyLines.rend(); ++it)
            text += *it + "\r\n\r\n";
        return h.view.historyNotice.empty() ? text : text + h.view.historyNotice + "\r\n\r\n";
    };
    for (const char* first : {"1", "2", "3", "4"}) {
        h.engine.PrependHistory(first + (" + 0 = " + digits));
        EXPECT_TRUE(tape == shown()) << "after " << first;
    }
    ASSERT_EQ(tape.size(), 2u);
    EXPECT_EQ(tape.line(0).substr(0, 4), "4 + ");
    EXPECT_EQ(tape.line(1).substr(0, 4), "3 + ");
    EXPECT_EQ(tape.line(1).size(), digits.size() + 8) << "an entry is never cut";
    EXPECT_EQ(tape.removed(), 2u);
    EXPECT_LE(tape.length(), 200u);
    EXPECT_EQ(h.view.historyNotice, "--- 2 older entries removed to save memory ---");
    EXPECT_EQ(Effects(h), (Lines{"history", "history", "history", "trimmed", "history", "trimmed"}));
}

}  // namespace
}  // namespace calc::test
